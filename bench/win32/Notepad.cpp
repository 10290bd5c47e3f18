#include "Notepad.h"

#include "WindowDriver.h"

#include <stdexcept>
#include <thread>

namespace typ::bench {

namespace {

HWND WaitForWindow(DWORD processId) {
    HWND window = nullptr;
    for (int attempt = 0; attempt < 300 && window == nullptr; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        window = win::VisibleWindowOf(processId);
    }
    return window;
}

} // namespace

TNotepad::TNotepad(const std::wstring& file) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMAXIMIZED;
    std::wstring line = L"notepad.exe \"" + file + L"\"";
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &FProcess))
        throw std::runtime_error("notepad.exe does not start");
    FWindow = WaitForWindow(FProcess.dwProcessId);
    if (FWindow != nullptr)
        ShowWindow(FWindow, SW_MAXIMIZE);
}

// The text was typed into: notepad would ask to save it.
TNotepad::~TNotepad() {
    TerminateProcess(FProcess.hProcess, 0);
    WaitForSingleObject(FProcess.hProcess, 10000);
    CloseHandle(FProcess.hThread);
    CloseHandle(FProcess.hProcess);
}

void WriteTextFile(const std::wstring& file, const std::string& text) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write the notepad's file");
    DWORD written = 0;
    const BOOL ok =
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(handle);
    if (!ok || written != text.size())
        throw std::runtime_error("cannot write the notepad's file");
}

} // namespace typ::bench
