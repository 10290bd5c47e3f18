#pragma once

#include <windows.h>

namespace typ::win {

// Runs the page dialog modally over `owner` (null for none), its fields
// starting with the given size. True, with the fields' values brought into
// 1-250 by 1-500, when the user accepts; false, the size untouched, when the
// user cancels or closes the window.
bool ShowPageSizeDialog(HWND owner, int& width, int& height);

} // namespace typ::win
