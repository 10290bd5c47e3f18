#pragma once

#include "server/ServerLifetime.h"

#include <windows.h>

namespace typ::win {

// Creates the process's hidden main window: never shown, so neither it nor a
// task-bar button appears. Asked to close while objects live, it asks the user
// first; once it is gone the message loop ends.
HWND CreateMainWindow(HINSTANCE instance, const TServerLifetime& lifetime);

} // namespace typ::win
