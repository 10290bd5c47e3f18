#pragma once

#include <windows.h>

namespace typ::win {

// A plain container window filled with a system colour. It passes its
// children's commands and notifications on to its own parent, so the form
// receives them wherever the control sits.
HWND CreatePanel(HWND parent, int systemColor, DWORD style, DWORD exStyle = 0);

} // namespace typ::win
