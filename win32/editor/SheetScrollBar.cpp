#include "editor/SheetScrollBar.h"

#include "editor/WindowClass.h"
#include "platform/HandleOwners.h"
#include "platform/WindowProc.h"

#include <algorithm>
#include <windowsx.h>

namespace typ::win {

namespace {

constexpr wchar_t kClassName[] = L"TSheetScrollBar";
constexpr UINT_PTR kRepeatTimer = 1;
// As a scroll bar: a pause before the first repeat, then a steady beat.
constexpr UINT kFirstRepeatMs = 250;
constexpr UINT kRepeatMs = 50;

WORD RequestOf(TBarPart part) {
    switch (part) {
    case TBarPart::LineUp:
        return SB_LINEUP;
    case TBarPart::PageUp:
        return SB_PAGEUP;
    case TBarPart::PageDown:
        return SB_PAGEDOWN;
    case TBarPart::LineDown:
        return SB_LINEDOWN;
    default:
        return SB_ENDSCROLL;
    }
}

// The track's colour, as the classic bars take it: the scroll bar colour,
// unless it is the window's own, when the bars show half face, half light.
COLORREF TrackColor() {
    const COLORREF track = GetSysColor(COLOR_SCROLLBAR);
    if (track != GetSysColor(COLOR_WINDOW))
        return track;
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    const COLORREF light = GetSysColor(COLOR_3DHILIGHT);
    return RGB((GetRValue(face) + GetRValue(light)) / 2, (GetGValue(face) + GetGValue(light)) / 2,
               (GetBValue(face) + GetBValue(light)) / 2);
}

} // namespace

TSheetScrollBar::TSheetScrollBar(HWND parent, bool vertical) : FVertical(vertical) {
    WNDCLASSEXW windowClass =
        WindowClass(kClassName, WindowProc<TSheetScrollBar, &TSheetScrollBar::FHandle>, IDC_ARROW);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    RegisterOnce(windowClass);
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                    GetModuleHandleW(nullptr), this);
}

TSheetScrollBar::~TSheetScrollBar() {
    if (FHandle != nullptr)
        DestroyWindow(FHandle);
}

int TSheetScrollBar::Thickness(bool vertical) {
    return GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CYHSCROLL);
}

void TSheetScrollBar::SetAxis(const TScrollAxis& axis) {
    const TBarExtent extent = Extent();
    const bool changed = BarScrolls(axis) != BarScrolls(FAxis) ||
                         ThumbSpan(axis, extent) != ThumbSpan(FAxis, extent);
    FAxis = axis;
    if (FPressed != TBarPart::Thumb)
        FTrack = axis.Position;
    if (changed)
        InvalidateRect(FHandle, nullptr, FALSE);
}

TBarExtent TSheetScrollBar::Extent() const {
    RECT client{};
    GetClientRect(FHandle, &client);
    return FVertical ? TBarExtent{static_cast<int>(client.bottom), GetSystemMetrics(SM_CYVSCROLL)}
                     : TBarExtent{static_cast<int>(client.right), GetSystemMetrics(SM_CXHSCROLL)};
}

int TSheetScrollBar::Along(POINT point) const {
    return FVertical ? point.y : point.x;
}

// The part of the bar from `start`, `size` pixels long, across its thickness.
RECT TSheetScrollBar::Span(int start, int size) const {
    RECT client{};
    GetClientRect(FHandle, &client);
    if (FVertical)
        return {0, start, client.right, start + size};
    return {start, 0, start + size, client.bottom};
}

void TSheetScrollBar::Tell(WORD request) const {
    const UINT message = FVertical ? WM_VSCROLL : WM_HSCROLL;
    const WORD position = static_cast<WORD>(
        request == SB_THUMBTRACK || request == SB_THUMBPOSITION ? std::min(FTrack, 0xFFFF) : 0);
    SendMessageW(GetParent(FHandle), message, MAKEWPARAM(request, position),
                 reinterpret_cast<LPARAM>(FHandle));
}

// An arrow or the track scrolls at once and again while held; the thumb is
// taken where it was grabbed. A bar with nothing to scroll does nothing.
void TSheetScrollBar::Press(int offset) {
    if (!BarScrolls(FAxis))
        return;
    const TBarExtent extent = Extent();
    const TBarPart part = BarPartAt(FAxis, extent, offset);
    if (part == TBarPart::None)
        return;
    FPressed = part;
    FHot = true;
    FMouse = offset;
    SetCapture(FHandle);
    InvalidateRect(FHandle, nullptr, FALSE);
    if (part == TBarPart::Thumb) {
        FGrip = offset - ThumbSpan(FAxis, extent).Start;
        FTrack = FAxis.Position;
        return;
    }
    Tell(RequestOf(part));
    SetTimer(FHandle, kRepeatTimer, kFirstRepeatMs, nullptr);
}

// Repeats only while the mouse stays on the pressed part: on the track, until
// the thumb reaches it.
void TSheetScrollBar::Repeat() {
    SetTimer(FHandle, kRepeatTimer, kRepeatMs, nullptr);
    if (FPressed == TBarPart::None || FPressed == TBarPart::Thumb)
        return;
    if (BarPartAt(FAxis, Extent(), FMouse) == FPressed)
        Tell(RequestOf(FPressed));
}

void TSheetScrollBar::Drag(int offset) {
    FMouse = offset;
    if (FPressed == TBarPart::Thumb) {
        const int track = PositionAtThumb(FAxis, Extent(), offset - FGrip);
        if (track != FTrack) {
            FTrack = track;
            Tell(SB_THUMBTRACK);
        }
        return;
    }
    const bool hot = BarPartAt(FAxis, Extent(), offset) == FPressed;
    if (hot != FHot) {
        FHot = hot;
        InvalidateRect(FHandle, nullptr, FALSE);
    }
}

void TSheetScrollBar::Release() {
    if (FPressed == TBarPart::None)
        return;
    const bool thumb = FPressed == TBarPart::Thumb;
    Cancel();
    if (thumb)
        Tell(SB_THUMBPOSITION);
    Tell(SB_ENDSCROLL);
}

// Ends a press without telling anything more: the capture went elsewhere.
void TSheetScrollBar::Cancel() {
    if (FPressed == TBarPart::None)
        return;
    FPressed = TBarPart::None;
    KillTimer(FHandle, kRepeatTimer);
    InvalidateRect(FHandle, nullptr, FALSE);
    if (GetCapture() == FHandle)
        ReleaseCapture();
}

void TSheetScrollBar::PaintArrow(HDC dc, const RECT& area, TBarPart part) const {
    UINT state = part == TBarPart::LineUp ? (FVertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT)
                                          : (FVertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT);
    if (!BarScrolls(FAxis))
        state |= DFCS_INACTIVE;
    else if (FPressed == part && FHot)
        state |= DFCS_PUSHED | DFCS_FLAT;
    RECT box = area;
    DrawFrameControl(dc, &box, DFC_SCROLL, state);
}

void TSheetScrollBar::PaintTrack(HDC dc, int from, int to, TBarPart part) const {
    if (to <= from)
        return;
    const RECT area = Span(from, to - from);
    const bool held = FPressed == part && FHot;
    const TOwnedBrush brush(CreateSolidBrush(held ? GetSysColor(COLOR_3DDKSHADOW) : TrackColor()));
    FillRect(dc, &area, brush.Get());
}

// Each pixel is drawn once, so that nothing flickers without a buffer.
void TSheetScrollBar::Paint(HDC dc) const {
    const TBarExtent extent = Extent();
    const TSpan track = TrackSpan(extent);
    const int end = track.Start + track.Size;
    PaintArrow(dc, Span(0, track.Start), TBarPart::LineUp);
    PaintArrow(dc, Span(end, extent.Length - end), TBarPart::LineDown);
    const TSpan thumb = ThumbSpan(FAxis, extent);
    if (thumb.Size == 0) {
        PaintTrack(dc, track.Start, end, TBarPart::None);
        return;
    }
    PaintTrack(dc, track.Start, thumb.Start, TBarPart::PageUp);
    RECT face = Span(thumb.Start, thumb.Size);
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    PaintTrack(dc, thumb.Start + thumb.Size, end, TBarPart::PageDown);
}

// As a scroll bar control answers: a bar with nothing to scroll has no range.
LRESULT TSheetScrollBar::AnswerInfo(SCROLLINFO* info) const {
    if (info == nullptr)
        return FALSE;
    const bool scrolls = BarScrolls(FAxis);
    if ((info->fMask & SIF_RANGE) != 0) {
        info->nMin = 0;
        info->nMax = scrolls ? FAxis.Content - 1 : 0;
    }
    if ((info->fMask & SIF_PAGE) != 0)
        info->nPage = scrolls ? static_cast<UINT>(FAxis.Page) : 0;
    if ((info->fMask & SIF_POS) != 0)
        info->nPos = FAxis.Position;
    if ((info->fMask & SIF_TRACKPOS) != 0)
        info->nTrackPos = FTrack;
    return TRUE;
}

LRESULT TSheetScrollBar::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(FHandle, &paint);
        Paint(dc);
        EndPaint(FHandle, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        Press(Along({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        return 0;
    case WM_MOUSEMOVE:
        if (FPressed != TBarPart::None)
            Drag(Along({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        return 0;
    case WM_LBUTTONUP:
        Release();
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer)
            Repeat();
        return 0;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        Cancel();
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        return SendMessageW(GetParent(FHandle), message, wParam, lParam);
    case SBM_GETSCROLLINFO:
        return AnswerInfo(reinterpret_cast<SCROLLINFO*>(lParam));
    default:
        return DefWindowProcW(FHandle, message, wParam, lParam);
    }
}

} // namespace typ::win
