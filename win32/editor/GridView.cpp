#include "GridView.h"

#include "CellPainting.h"
#include "EditorFont.h"
#include "WindowClass.h"
#include "editor/ViewGeometry.h"

#include <algorithm>
#include <string>

namespace typ::win {

namespace {

constexpr wchar_t kClassName[] = L"TMemoEx";
constexpr int kInsertCaretWidth = 2;

void RegisterGridClass(WNDPROC proc) {
    WNDCLASSEXW windowClass = WindowClass(kClassName, proc, IDC_IBEAM);
    windowClass.style = CS_DBLCLKS;
    RegisterOnce(windowClass);
}

void SetBar(HWND window, int bar, int total, int page, int position) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = std::max(total - 1, 0);
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    SetScrollInfo(window, bar, &info, TRUE);
}

int TrackPosition(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window, bar, &info);
    return info.nTrackPos;
}

// Where a scroll-bar action takes the first visible line or column.
int ScrollTarget(HWND window, int bar, int code, int position, int page) {
    switch (code) {
    case SB_LINEUP:
        return position - 1;
    case SB_LINEDOWN:
        return position + 1;
    case SB_PAGEUP:
        return position - page;
    case SB_PAGEDOWN:
        return position + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return TrackPosition(window, bar);
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return INT_MAX / 2;
    default:
        return position;
    }
}

} // namespace

TGridView::TGridView(HWND parent, TGridEditor& grid)
    : FGrid(grid), FFace(InstalledEditorFace()),
      FFont(CreateEditorFont(FFace, GridFontPixels(), false)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterGridClass(Proc);
    CreateWindowExW(0, kClassName, L"",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                    parent, nullptr, instance, this);
    PageSizeChanged();
}

TGridView::~TGridView() {
    if (IsWindow(FHandle))
        DestroyWindow(FHandle);
    DeleteObject(FFont);
}

LRESULT CALLBACK TGridView::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* view =
            static_cast<TGridView*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        view->FHandle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    auto* view = reinterpret_cast<TGridView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return view != nullptr ? view->Dispatch(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TGridView::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        Resized();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FFont);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        FocusGained();
        return 0;
    case WM_KILLFOCUS:
        FocusLost();
        return 0;
    case WM_KEYDOWN:
        KeyDown(static_cast<int>(wParam));
        return 0;
    case WM_CHAR:
        KeyChar(static_cast<char16_t>(wParam));
        return 0;
    case WM_KEYUP:
        KeyUp(static_cast<int>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        MouseDown(point, (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_MOUSEMOVE:
        if (FDragging)
            DragTo(point);
        return 0;
    case WM_LBUTTONUP:
        MouseUp();
        return 0;
    case WM_LBUTTONDBLCLK:
        DoubleClick(point);
        return 0;
    case WM_CAPTURECHANGED:
        DragEnded();
        return 0;
    case WM_TIMER:
        DragTick();
        return 0;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_VSCROLL:
        Scrolled(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        Scrolled(SB_HORZ, LOWORD(wParam));
        return 0;
    default:
        return DefWindowProcW(FHandle, message, wParam, lParam);
    }
}

int TGridView::VisibleLines() const {
    RECT client;
    GetClientRect(FHandle, &client);
    return std::max(static_cast<int>(client.bottom / FCell.cy), 1);
}

int TGridView::VisibleColumns() const {
    RECT client;
    GetClientRect(FHandle, &client);
    return std::max(static_cast<int>(client.right / FCell.cx), 1);
}

// Only the lines and columns in sight are drawn, whatever the page size.
void TGridView::Paint() {
    TBufferedPaint paint(FHandle, COLOR_WINDOW);
    const HDC dc = paint.Dc();
    const HGDIOBJ oldFont = SelectObject(dc, FFont);
    const int lines = std::min(VisibleLines() + 1, FGrid.Editor().LineCount() - FFirstLine);
    for (int row = 0; row < lines; ++row)
        PaintLine(dc, FFirstLine + row, row * FCell.cy, VisibleColumns() + 1);
    SelectObject(dc, oldFont);
}

void TGridView::PaintLine(HDC dc, int line, int y, int columns) {
    const TMemo& memo = FGrid.Editor();
    const std::u16string text =
        DisplayText(memo.Line(line), FFirstColumn, columns, FFace.MapGlyphs);
    const int length = static_cast<int>(text.size());
    const TRange selected = SelectedColumns(memo, line);
    const int selStart = std::clamp(selected.Start - FFirstColumn, 0, length);
    const int selEnd = std::clamp(selected.End - FFirstColumn, selStart, length);
    const std::u16string_view view = text;
    const auto draw = [&](int first, int last, int textColor, int backColor) {
        SetTextColor(dc, GetSysColor(textColor));
        SetBkColor(dc, GetSysColor(backColor));
        DrawCells(
            dc, {first * FCell.cx, y},
            view.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first)),
            FCell);
    };
    draw(0, selStart, COLOR_WINDOWTEXT, COLOR_WINDOW);
    draw(selStart, selEnd, COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT);
    draw(selEnd, length, COLOR_WINDOWTEXT, COLOR_WINDOW);
}

void TGridView::Resized() {
    FGrid.Editor().SetPageLines(VisibleLines());
    ScrollTo(FFirstLine, FFirstColumn);
    UpdateScrollBars();
    InvalidateRect(FHandle, nullptr, FALSE);
}

void TGridView::PageSizeChanged() {
    const SIZE cell = MeasureCell(FFont);
    FCell = {std::max(cell.cx, 1L), std::max(cell.cy, 1L)};
    FCaretWidth = 0;
    Resized();
    PlaceCaret();
}

void TGridView::TextChanged() {
    ScrollTo(FFirstLine, FFirstColumn);
    UpdateScrollBars();
    InvalidateRect(FHandle, nullptr, FALSE);
}

void TGridView::CaretMoved() {
    const TCell caret = CellOfOffset(FGrid.Editor(), FGrid.Editor().CaretOffset());
    ScrollTo(ScrolledToShow(FFirstLine, VisibleLines(), caret.Line),
             ScrolledToShow(FFirstColumn, VisibleColumns(), caret.Column));
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(FHandle, nullptr, FALSE);
}

// The caret may rest one column past the page width.
int TGridView::TotalColumns() const {
    const TMemo& memo = FGrid.Editor();
    const int caretColumn = CellOfOffset(memo, memo.CaretOffset()).Column;
    return std::max(FGrid.AnchoPagina(), caretColumn) + 1;
}

void TGridView::ScrollTo(int firstLine, int firstColumn) {
    firstLine = ClampedScroll(firstLine, VisibleLines(), FGrid.Editor().LineCount());
    firstColumn = ClampedScroll(firstColumn, VisibleColumns(), TotalColumns());
    if (firstLine == FFirstLine && firstColumn == FFirstColumn)
        return;
    FFirstLine = firstLine;
    FFirstColumn = firstColumn;
    UpdateScrollBars();
    PlaceCaret();
    InvalidateRect(FHandle, nullptr, FALSE);
    if (OnScroll)
        OnScroll();
}

void TGridView::UpdateScrollBars() {
    SetBar(FHandle, SB_VERT, FGrid.Editor().LineCount(), VisibleLines(), FFirstLine);
    SetBar(FHandle, SB_HORZ, TotalColumns(), VisibleColumns(), FFirstColumn);
}

void TGridView::Scrolled(int bar, int code) {
    if (bar == SB_VERT)
        ScrollTo(ScrollTarget(FHandle, bar, code, FFirstLine, VisibleLines()), FFirstColumn);
    else
        ScrollTo(FFirstLine, ScrollTarget(FHandle, bar, code, FFirstColumn, VisibleColumns()));
}

void TGridView::Wheel(int delta) {
    UINT step = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &step, 0);
    const int lines = step == WHEEL_PAGESCROLL ? VisibleLines() : static_cast<int>(step);
    FWheelDelta += delta;
    const int notches = FWheelDelta / WHEEL_DELTA;
    FWheelDelta %= WHEEL_DELTA;
    ScrollTo(FFirstLine - notches * lines, FFirstColumn);
}

// A thin caret inserts, a block caret overwrites.
void TGridView::PlaceCaret() {
    if (GetFocus() != FHandle)
        return;
    const int width = FGrid.InsertMode() ? kInsertCaretWidth : FCell.cx;
    if (width != FCaretWidth) {
        CreateCaret(FHandle, nullptr, width, FCell.cy);
        ShowCaret(FHandle);
        FCaretWidth = width;
    }
    const TCell caret = CellOfOffset(FGrid.Editor(), FGrid.Editor().CaretOffset());
    SetCaretPos((caret.Column - FFirstColumn) * FCell.cx, (caret.Line - FFirstLine) * FCell.cy);
}

void TGridView::FocusGained() {
    FCaretWidth = 0;
    PlaceCaret();
    FGrid.UpdateStatus();
    if (OnStatus)
        OnStatus();
}

void TGridView::FocusLost() {
    DestroyCaret();
    FCaretWidth = 0;
    ForgetKeys();
}

} // namespace typ::win
