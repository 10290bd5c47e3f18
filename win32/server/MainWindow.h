#pragma once

#include "server/ServerLifetime.h"

#include <windows.h>

namespace typ::win {

// The process's hidden main window: never shown, so neither it nor a
// task-bar button appears. Asked to close while objects live, it asks the user
// first; once it is gone the message loop ends.
class TMainWindow {
public:
    TMainWindow(HINSTANCE instance, const TServerLifetime& lifetime);
    // The window outlives the object only when the loop ended first; it then
    // answers every message by default.
    ~TMainWindow();
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;

    HWND Handle() const { return FHandle; }
    // The window's messages, through WindowProc.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

private:
    const TServerLifetime& FLifetime;
    HWND FHandle = nullptr;
};

} // namespace typ::win
