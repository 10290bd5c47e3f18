#pragma once

#include <windows.h>

namespace typ::win {

// A plain container window filled with a system colour. It passes its
// children's commands, notifications and owner-drawn painting on to its own parent, so the form
// receives them wherever the control sits.
class TPanel {
public:
    TPanel(HWND parent, int systemColor, DWORD style, DWORD exStyle = 0);
    ~TPanel();
    TPanel(const TPanel&) = delete;
    TPanel& operator=(const TPanel&) = delete;

    HWND Handle() const { return FHandle; }
    // The window's messages, through WindowProc.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

private:
    int FColor;
    HWND FHandle = nullptr;
};

} // namespace typ::win
