#pragma once

#include "editor/ScrollBarGeometry.h"

#include <windows.h>

namespace typ::win {

// One scroll bar of the preview's sheet, drawn in the classic look by the
// preview itself: the system's themed bars cost, under some window systems,
// as much to draw as the whole sheet, and a zoom step redraws both. It acts
// as a scroll bar control does: it tells its parent what is asked with
// WM_VSCROLL or WM_HSCROLL (its own window in lParam), repeats while an
// arrow or the track is held, drags the thumb, and answers
// SBM_GETSCROLLINFO. It never takes the focus.
class TSheetScrollBar {
public:
    TSheetScrollBar(HWND parent, bool vertical);
    ~TSheetScrollBar();
    TSheetScrollBar(const TSheetScrollBar&) = delete;
    TSheetScrollBar& operator=(const TSheetScrollBar&) = delete;

    HWND Handle() const { return FHandle; }
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    // Shows the axis, drawn again only when what the bar shows changes.
    void SetAxis(const TScrollAxis& axis);
    // The position the thumb is dragged to, while it is.
    int TrackPosition() const { return FTrack; }
    // The system's thickness of a bar across: its width when vertical.
    static int Thickness(bool vertical);

private:
    TBarExtent Extent() const;
    int Along(POINT point) const;
    RECT Span(int start, int size) const;
    void Press(int offset);
    void Repeat();
    void Drag(int offset);
    void Release();
    void Cancel();
    void Tell(WORD request) const;
    void Paint(HDC dc) const;
    void PaintArrow(HDC dc, const RECT& area, TBarPart part) const;
    void PaintTrack(HDC dc, int from, int to, TBarPart part) const;
    LRESULT AnswerInfo(SCROLLINFO* info) const;

    bool FVertical;
    TScrollAxis FAxis;
    TBarPart FPressed = TBarPart::None;
    // Whether the pressed part is still under the mouse.
    bool FHot = false;
    // Where on the thumb the mouse took it, and where along the bar the
    // mouse was last seen while pressed.
    int FGrip = 0;
    int FMouse = 0;
    int FTrack = 0;
    HWND FHandle = nullptr;
};

} // namespace typ::win
