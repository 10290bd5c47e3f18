#pragma once

#include "editor/PreviewTarget.h"
#include "editor/PreviewZoom.h"
#include "editor/SheetScrollBar.h"

#include <windows.h>
#include <functional>
#include <memory>

namespace typ::win {

// The preview's sheet: white on gray with a shadow, the printable area's
// edges dotted, the page drawn by the print renderer from the layout laid out
// once, scaled to the zoom at paint time. It scrolls with its scroll bars
// (at its right and bottom edges, disabled where the sheet fits), the wheel
// and the cursor keys; Ctrl with the wheel, plus or minus zooms.
class TPreviewSheetView {
public:
    // `zoomed` runs whenever the shown percent changes.
    TPreviewSheetView(HWND parent, const TPreviewTarget& target, std::function<void()> zoomed);
    ~TPreviewSheetView();
    TPreviewSheetView(const TPreviewSheetView&) = delete;
    TPreviewSheetView& operator=(const TPreviewSheetView&) = delete;

    HWND Handle() const { return FHandle; }
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    void SetZoom(TZoom zoom);
    void ZoomIn();
    void ZoomOut();
    TZoom Zoom() const { return FZoom; }
    int Percent() const { return FPercent; }
    // Where the sheet lies in the view's client area.
    RECT SheetBounds() const;

private:
    // The client area less the scroll bars and their corner.
    RECT SheetArea() const;
    void PlaceBars();
    void Relayout();
    void ShowScrollBars();
    void ScrollTo(int x, int y);
    void OnScroll(int bar, WORD request);
    bool OnKey(WPARAM key);
    void OnWheel(WPARAM wParam);
    void Paint(HDC dc, const RECT& client) const;
    void PaintPage(HDC dc, const RECT& sheet) const;

    const TPreviewTarget& FTarget;
    std::function<void()> FZoomed;
    TZoom FZoom;
    int FPercent = 100;
    int FScreenDpi = 96;
    TExtent FScaled;
    TScrollAxis FX;
    TScrollAxis FY;
    bool FInLayout = false;
    HWND FHandle = nullptr;
    std::unique_ptr<TSheetScrollBar> FHorizontal;
    std::unique_ptr<TSheetScrollBar> FVertical;
};

} // namespace typ::win
