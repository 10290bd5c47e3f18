#pragma once

#include "platform/HandleOwners.h"

#include <windows.h>
#include <string_view>

namespace typ::win {

// Paints a window through an off-screen bitmap, so a repaint never flickers;
// the bitmap covers the update region's bounds, in the window's coordinates,
// and starts filled with a system colour.
class TBufferedPaint {
public:
    TBufferedPaint(HWND window, int backgroundColor);
    ~TBufferedPaint();
    TBufferedPaint(const TBufferedPaint&) = delete;
    TBufferedPaint& operator=(const TBufferedPaint&) = delete;

    HDC Dc() const { return FMemory.Get(); }
    const RECT& Client() const { return FClient; }
    // The part to paint: drawing elsewhere is lost.
    const RECT& Area() const { return FPaint.rcPaint; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint{};
    RECT FClient{};
    TOwnedDc FMemory;
    TOwnedBitmap FBitmap;
    HGDIOBJ FOldBitmap = nullptr;
};

// Draws text one character per cell of the given size, starting at `at`, with
// the device context's font and colours (the cells' background filled).
void DrawCells(HDC dc, POINT at, std::u16string_view text, SIZE cell);

} // namespace typ::win
