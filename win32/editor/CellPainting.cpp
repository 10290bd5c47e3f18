#include "editor/CellPainting.h"

#include <vector>

namespace typ::win {

TBufferedPaint::TBufferedPaint(HWND window, int backgroundColor) : FWindow(window) {
    const HDC target = BeginPaint(window, &FPaint);
    GetClientRect(window, &FClient);
    FMemory.Reset(CreateCompatibleDC(target));
    FBitmap.Reset(CreateCompatibleBitmap(target, FClient.right, FClient.bottom));
    FOldBitmap = SelectObject(FMemory.Get(), FBitmap.Get());
    FillRect(FMemory.Get(), &FClient, GetSysColorBrush(backgroundColor));
}

TBufferedPaint::~TBufferedPaint() {
    BitBlt(FPaint.hdc, 0, 0, FClient.right, FClient.bottom, FMemory.Get(), 0, 0, SRCCOPY);
    SelectObject(FMemory.Get(), FOldBitmap);
    EndPaint(FWindow, &FPaint);
}

void DrawCells(HDC dc, POINT at, std::u16string_view text, SIZE cell) {
    if (text.empty())
        return;
    const auto count = static_cast<UINT>(text.size());
    const std::vector<INT> advances(text.size(), cell.cx);
    const RECT cells{at.x, at.y, at.x + static_cast<LONG>(count) * cell.cx, at.y + cell.cy};
    ExtTextOutW(dc, at.x, at.y, ETO_OPAQUE | ETO_CLIPPED, &cells,
                reinterpret_cast<const wchar_t*>(text.data()), count, advances.data());
}

} // namespace typ::win
