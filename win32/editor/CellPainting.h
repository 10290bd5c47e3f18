#pragma once

#include <string_view>
#include <windows.h>

namespace typ::win {

// Paints a window through an off-screen bitmap, so a repaint never flickers;
// the bitmap starts filled with a system colour.
class TBufferedPaint {
public:
    TBufferedPaint(HWND window, int backgroundColor);
    ~TBufferedPaint();
    TBufferedPaint(const TBufferedPaint&) = delete;
    TBufferedPaint& operator=(const TBufferedPaint&) = delete;

    HDC Dc() const { return FMemory; }
    const RECT& Client() const { return FClient; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint{};
    RECT FClient{};
    HDC FMemory = nullptr;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FOldBitmap = nullptr;
};

// Draws text one character per cell of the given size, starting at `at`, with
// the device context's font and colours (the cells' background filled).
void DrawCells(HDC dc, POINT at, std::u16string_view text, SIZE cell);

} // namespace typ::win
