#pragma once

#include "editor/Memo.h"
#include "editor/PrintLayout.h"

#include <windows.h>
#include <limits>

namespace typ::win {

// What the page is drawn for: the resolution that sizes the 10-point face,
// the height of the printable area, below which lines are not drawn, and its
// width, past which columns are cut.
struct TPrintDevice {
    int DotsPerInch = 0;
    int PrintableHeight = 0;
    int PrintableWidth = std::numeric_limits<int>::max();
};

// The gray of the box-drawing lines.
inline constexpr COLORREF kPrintBoxColor = RGB(128, 128, 128);

// Draws the print of the memo's lines onto a device context in its pixels:
// each line's glyphs in "Courier LD" 10 points (when that face is missing, a
// fixed-pitch face showing the DOS glyphs), its box-drawing characters as
// gray lines. The device context is left as it was found.
void RenderPrint(HDC dc, const TMemo& memo, const TPrintDevice& device);

// The two halves of RenderPrint, for a page laid out once and drawn often:
// the layout measured with the face on the device context, and the layout
// drawn onto any device context, in the layout's pixels (a mapping mode may
// scale them to the context's own). Given the visible part, in the layout's
// pixels, what lies wholly outside it is not drawn.
TPrintLayout LayOutForDevice(HDC dc, const TMemo& memo, const TPrintDevice& device);
void DrawPrintLayout(HDC dc, const TPrintLayout& layout, int dotsPerInch,
                     const RECT* visible = nullptr);

} // namespace typ::win
