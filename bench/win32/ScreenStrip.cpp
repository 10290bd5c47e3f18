#include "ScreenStrip.h"

#include <algorithm>
#include <stdexcept>

namespace typ::bench {

TScreenStrip::TScreenStrip(const RECT& screenRect)
    : FRect(screenRect), FSize{std::max(screenRect.right - screenRect.left, 1L),
                               std::max(screenRect.bottom - screenRect.top, 1L)},
      FScreen(GetDC(nullptr)), FMemory(CreateCompatibleDC(FScreen)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = FSize.cx;
    info.bmiHeader.biHeight = -FSize.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    FBitmap.Reset(CreateDIBSection(FScreen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!FBitmap || !FMemory) {
        ReleaseDC(nullptr, FScreen);
        throw std::runtime_error("cannot read the screen");
    }
    FBits = static_cast<std::uint32_t*>(bits);
    FOldBitmap = SelectObject(FMemory.Get(), FBitmap.Get());
}

TScreenStrip::~TScreenStrip() {
    SelectObject(FMemory.Get(), FOldBitmap);
    ReleaseDC(nullptr, FScreen);
}

std::vector<std::uint32_t> TScreenStrip::Grab() const {
    BitBlt(FMemory.Get(), 0, 0, FSize.cx, FSize.cy, FScreen, FRect.left, FRect.top, SRCCOPY);
    GdiFlush();
    return {FBits, FBits + static_cast<std::size_t>(FSize.cx) * static_cast<std::size_t>(FSize.cy)};
}

bool TScreenStrip::Differs(const std::vector<std::uint32_t>& picture) const {
    return Grab() != picture;
}

} // namespace typ::bench
