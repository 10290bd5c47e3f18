#pragma once

#include "editor/Memo.h"

#include <windows.h>

namespace typ::win {

// What the page is drawn for: the resolution that sizes the 10-point face,
// and the height of the printable area, below which lines are not drawn.
struct TPrintDevice {
    int DotsPerInch = 0;
    int PrintableHeight = 0;
};

// The gray of the box-drawing lines.
inline constexpr COLORREF kPrintBoxColor = RGB(128, 128, 128);

// Draws the print of the memo's lines onto a device context in its pixels:
// each line's glyphs in "Courier LD" 10 points (when that face is missing, a
// fixed-pitch face showing the DOS glyphs), its box-drawing characters as
// gray lines. The device context is left as it was found.
void RenderPrint(HDC dc, const TMemo& memo, const TPrintDevice& device);

} // namespace typ::win
