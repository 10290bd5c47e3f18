#include "editor/CellPainting.h"

#include <algorithm>
#include <vector>

namespace typ::win {

TBufferedPaint::TBufferedPaint(HWND window, int backgroundColor) : FWindow(window) {
    const HDC target = BeginPaint(window, &FPaint);
    GetClientRect(window, &FClient);
    const RECT& area = FPaint.rcPaint;
    FMemory.Reset(CreateCompatibleDC(target));
    FBitmap.Reset(CreateCompatibleBitmap(target, std::max(area.right - area.left, 1L),
                                         std::max(area.bottom - area.top, 1L)));
    FOldBitmap = SelectObject(FMemory.Get(), FBitmap.Get());
    SetViewportOrgEx(FMemory.Get(), -area.left, -area.top, nullptr);
    FillRect(FMemory.Get(), &area, GetSysColorBrush(backgroundColor));
}

TBufferedPaint::~TBufferedPaint() {
    const RECT& area = FPaint.rcPaint;
    BitBlt(FPaint.hdc, area.left, area.top, area.right - area.left, area.bottom - area.top,
           FMemory.Get(), area.left, area.top, SRCCOPY);
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
