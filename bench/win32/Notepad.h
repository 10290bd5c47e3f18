#pragma once

#include <windows.h>
#include <string>

namespace typ::bench {

// Wine's notepad on a file, maximised, ended when the object goes.
class TNotepad {
public:
    explicit TNotepad(const std::wstring& file);
    ~TNotepad();
    TNotepad(const TNotepad&) = delete;
    TNotepad& operator=(const TNotepad&) = delete;

    // The main window once shown, null when it never showed.
    HWND Window() const { return FWindow; }

private:
    PROCESS_INFORMATION FProcess{};
    HWND FWindow = nullptr;
};

// Writes the text as the file's bytes (one byte per character).
void WriteTextFile(const std::wstring& file, const std::string& text);

} // namespace typ::bench
