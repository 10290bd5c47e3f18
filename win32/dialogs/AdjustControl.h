#pragma once

#include <windows.h>

namespace typ::win {

// Moves `control` to (left + dx, top + dy) of its parent with height + dh and
// width + dw, repainting it; a top-level window stays in screen coordinates.
// Nothing happens when there is no such window.
void AdjustControl(HWND control, int dx, int dy, int dh, int dw);

} // namespace typ::win
