#include "editor/PreviewSheetView.h"

#include "editor/PrintRender.h"
#include "editor/WindowClass.h"
#include "platform/HandleOwners.h"
#include "platform/WindowProc.h"

#include <algorithm>

namespace typ::win {

namespace {

constexpr wchar_t kClassName[] = L"TPreviewSheetView";
constexpr COLORREF kBackground = RGB(160, 160, 160);
constexpr COLORREF kShadow = RGB(96, 96, 96);
constexpr COLORREF kPrintableEdge = RGB(192, 192, 192);
constexpr int kShadowOffset = 4;
constexpr int kCullMargin = 8; // printer pixels
constexpr int kLineStep = 32;
constexpr int kWheelStep = 3 * kLineStep;

void Fill(HDC dc, const RECT& area, COLORREF color) {
    const TOwnedBrush brush(CreateSolidBrush(color));
    FillRect(dc, &area, brush.Get());
}

bool CtrlDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

} // namespace

TPreviewSheetView::TPreviewSheetView(HWND parent, const TPreviewTarget& target,
                                     std::function<void()> zoomed)
    : FTarget(target), FZoomed(std::move(zoomed)) {
    RegisterOnce(WindowClass(kClassName, WindowProc<TPreviewSheetView, &TPreviewSheetView::FHandle>,
                             IDC_ARROW));
    CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                    nullptr, GetModuleHandleW(nullptr), this);
    FHorizontal = std::make_unique<TSheetScrollBar>(FHandle, false);
    FVertical = std::make_unique<TSheetScrollBar>(FHandle, true);
    const HDC screen = GetDC(FHandle);
    FScreenDpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(FHandle, screen);
    Relayout();
}

TPreviewSheetView::~TPreviewSheetView() {
    FHorizontal.reset();
    FVertical.reset();
    if (FHandle != nullptr)
        DestroyWindow(FHandle);
}

void TPreviewSheetView::SetZoom(TZoom zoom) {
    FZoom = zoom;
    Relayout();
}

void TPreviewSheetView::ZoomIn() {
    SetZoom({TZoomMode::Percent, ZoomedIn(FPercent)});
}

void TPreviewSheetView::ZoomOut() {
    SetZoom({TZoomMode::Percent, ZoomedOut(FPercent)});
}

RECT TPreviewSheetView::SheetArea() const {
    RECT client{};
    GetClientRect(FHandle, &client);
    client.right = std::max(0L, client.right - TSheetScrollBar::Thickness(true));
    client.bottom = std::max(0L, client.bottom - TSheetScrollBar::Thickness(false));
    return client;
}

void TPreviewSheetView::PlaceBars() {
    const RECT area = SheetArea();
    MoveWindow(FVertical->Handle(), area.right, 0, TSheetScrollBar::Thickness(true), area.bottom,
               TRUE);
    MoveWindow(FHorizontal->Handle(), 0, area.bottom, area.right, TSheetScrollBar::Thickness(false),
               TRUE);
}

// The percent, the sheet's size and both axes follow the zoom and the view's
// size. The scroll bars stay, disabled where the sheet fits: showing and
// hiding them would cost every zoom step a new layout of the window. The pixel
// in the middle of the view stays there when the zoom changes.
void TPreviewSheetView::Relayout() {
    if (FInLayout || FVertical == nullptr)
        return;
    FInLayout = true;
    const RECT area = SheetArea();
    const TExtent page{static_cast<int>(area.right), static_cast<int>(area.bottom)};
    const int percent = EffectivePercent(FZoom, FTarget.Sheet, FScreenDpi, page);
    FScaled = ScaledSheet(FTarget.Sheet, FScreenDpi, percent);
    const TExtent content{FScaled.Width + 2 * kSheetMargin, FScaled.Height + 2 * kSheetMargin};
    FX = ClampedAxis(content.Width, page.Width, RescaledPosition(FX, content.Width));
    FY = ClampedAxis(content.Height, page.Height, RescaledPosition(FY, content.Height));
    ShowScrollBars();
    FInLayout = false;
    InvalidateRect(FHandle, nullptr, FALSE);
    if (percent != FPercent) {
        FPercent = percent;
        if (FZoomed)
            FZoomed();
    }
}

void TPreviewSheetView::ShowScrollBars() {
    FHorizontal->SetAxis(FX);
    FVertical->SetAxis(FY);
}

void TPreviewSheetView::ScrollTo(int x, int y) {
    const TScrollAxis nextX = ClampedAxis(FX.Content, FX.Page, x);
    const TScrollAxis nextY = ClampedAxis(FY.Content, FY.Page, y);
    if (nextX == FX && nextY == FY)
        return;
    FX = nextX;
    FY = nextY;
    ShowScrollBars();
    InvalidateRect(FHandle, nullptr, FALSE);
}

void TPreviewSheetView::OnScroll(int bar, WORD request) {
    const TScrollAxis& axis = bar == SB_HORZ ? FX : FY;
    int position = axis.Position;
    switch (request) {
    case SB_LINEUP:
        position -= kLineStep;
        break;
    case SB_LINEDOWN:
        position += kLineStep;
        break;
    case SB_PAGEUP:
        position -= axis.Page;
        break;
    case SB_PAGEDOWN:
        position += axis.Page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = (bar == SB_HORZ ? FHorizontal : FVertical)->TrackPosition();
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = axis.Content;
        break;
    default:
        return;
    }
    if (bar == SB_HORZ)
        ScrollTo(position, FY.Position);
    else
        ScrollTo(FX.Position, position);
}

bool TPreviewSheetView::OnKey(WPARAM key) {
    const bool ctrl = CtrlDown();
    switch (key) {
    case VK_ADD:
    case VK_OEM_PLUS:
        if (!ctrl)
            return false;
        ZoomIn();
        return true;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        if (!ctrl)
            return false;
        ZoomOut();
        return true;
    case VK_UP:
        OnScroll(SB_VERT, SB_LINEUP);
        return true;
    case VK_DOWN:
        OnScroll(SB_VERT, SB_LINEDOWN);
        return true;
    case VK_LEFT:
        OnScroll(SB_HORZ, SB_LINEUP);
        return true;
    case VK_RIGHT:
        OnScroll(SB_HORZ, SB_LINEDOWN);
        return true;
    case VK_PRIOR:
        OnScroll(SB_VERT, SB_PAGEUP);
        return true;
    case VK_NEXT:
        OnScroll(SB_VERT, SB_PAGEDOWN);
        return true;
    case VK_HOME:
        ScrollTo(0, 0);
        return true;
    case VK_END:
        ScrollTo(FX.Position, FY.Content);
        return true;
    default:
        return false;
    }
}

// The wheel's key state travels with the message: Ctrl zooms, Shift scrolls
// sideways.
void TPreviewSheetView::OnWheel(WPARAM wParam) {
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    const WORD keys = GET_KEYSTATE_WPARAM(wParam);
    if ((keys & MK_CONTROL) != 0) {
        if (delta > 0)
            ZoomIn();
        else if (delta < 0)
            ZoomOut();
        return;
    }
    const int step = -delta * kWheelStep / WHEEL_DELTA;
    if ((keys & MK_SHIFT) != 0)
        ScrollTo(FX.Position + step, FY.Position);
    else
        ScrollTo(FX.Position, FY.Position + step);
}

RECT TPreviewSheetView::SheetBounds() const {
    const int left = SheetOrigin(FX, FScaled.Width);
    const int top = SheetOrigin(FY, FScaled.Height);
    return {left, top, left + FScaled.Width, top + FScaled.Height};
}

// Drawn off screen and copied in one go, so that a repaint never flickers.
// The corner between the scroll bars is the bars' face.
void TPreviewSheetView::Paint(HDC dc, const RECT& client) const {
    const TOwnedDc memory(CreateCompatibleDC(dc));
    const TOwnedBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    const HGDIOBJ old = SelectObject(memory.Get(), bitmap.Get());
    Fill(memory.Get(), client, kBackground);
    const RECT sheet = SheetBounds();
    RECT shadow = sheet;
    OffsetRect(&shadow, kShadowOffset, kShadowOffset);
    Fill(memory.Get(), shadow, kShadow);
    Fill(memory.Get(), sheet, RGB(255, 255, 255));
    PaintPage(memory.Get(), sheet);
    const RECT area = SheetArea();
    const RECT corner{area.right, area.bottom, client.right, client.bottom};
    FillRect(memory.Get(), &corner, GetSysColorBrush(COLOR_BTNFACE));
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    SelectObject(memory.Get(), old);
}

// The page in the printer's pixels, mapped onto the sheet: the printer's
// origin is the printable area's corner, and what lies past that area is cut
// as on paper. The dotted edge comes last, over it.
void TPreviewSheetView::PaintPage(HDC dc, const RECT& sheet) const {
    const TPreviewSheet& facts = FTarget.Sheet;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, sheet.left, sheet.top, sheet.right, sheet.bottom);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, facts.Size.Width, facts.Size.Height, nullptr);
    SetViewportExtEx(dc, FScaled.Width, FScaled.Height, nullptr);
    SetWindowOrgEx(dc, -facts.PrintableLeft, -facts.PrintableTop, nullptr);
    SetViewportOrgEx(dc, sheet.left, sheet.top, nullptr);
    // The printer prints nothing outside its printable area.
    IntersectClipRect(dc, 0, 0, facts.Printable.Width, facts.Printable.Height);
    // Only what the clip lets through is drawn, with a margin for rounding.
    RECT visible{};
    GetClipBox(dc, &visible);
    InflateRect(&visible, kCullMargin, kCullMargin);
    DrawPrintLayout(dc, FTarget.Layout, facts.DotsPerInchY, &visible);
    POINT edge[2] = {{0, 0}, {facts.Printable.Width, facts.Printable.Height}};
    LPtoDP(dc, edge, 2);
    RestoreDC(dc, saved);
    const TOwnedPen dotted(CreatePen(PS_DOT, 1, kPrintableEdge));
    const int again = SaveDC(dc);
    SelectObject(dc, dotted.Get());
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, edge[0].x, edge[0].y, edge[1].x, edge[1].y);
    RestoreDC(dc, again);
}

LRESULT TPreviewSheetView::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(FHandle, &paint);
        RECT client{};
        GetClientRect(FHandle, &client);
        if (client.right > 0 && client.bottom > 0)
            Paint(dc, client);
        EndPaint(FHandle, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        // The bars come after the view's own window.
        if (FVertical != nullptr)
            PlaceBars();
        Relayout();
        return 0;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(wParam);
        return 0;
    case WM_KEYDOWN:
        if (OnKey(wParam))
            return 0;
        break;
    case WM_LBUTTONDOWN:
        SetFocus(FHandle);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        break;
    }
    return DefWindowProcW(FHandle, message, wParam, lParam);
}

} // namespace typ::win
