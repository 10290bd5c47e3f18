#include "editor/GridView.h"

#include "editor/Blocks.h"
#include "editor/CellPainting.h"
#include "editor/EditorFont.h"
#include "editor/ViewGeometry.h"
#include "editor/WindowClass.h"
#include "platform/WindowProc.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
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

bool IsArrowKey(int key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
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
    RegisterGridClass(WindowProc<TGridView, &TGridView::FHandle>);
    CreateWindowExW(0, kClassName, L"",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                    parent, nullptr, instance, this);
    PageSizeChanged();
}

TGridView::~TGridView() {
    if (IsWindow(FHandle))
        DestroyWindow(FHandle);
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
        return reinterpret_cast<LRESULT>(FFont.Get());
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
    case WM_SYSKEYDOWN:
        // Alt with the arrows selects and moves blocks; other Alt keys are the menu's.
        if (!IsArrowKey(static_cast<int>(wParam)))
            return DefWindowProcW(FHandle, message, wParam, lParam);
        KeyDown(static_cast<int>(wParam));
        return 0;
    case WM_SYSKEYUP:
        if (!IsArrowKey(static_cast<int>(wParam)))
            return DefWindowProcW(FHandle, message, wParam, lParam);
        KeyUp(static_cast<int>(wParam));
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

int TGridView::VisibleRows() const {
    RECT client;
    GetClientRect(FHandle, &client);
    return std::max(static_cast<int>(client.bottom / FCell.cy), 1);
}

int TGridView::VisibleColumns() const {
    RECT client;
    GetClientRect(FHandle, &client);
    return std::max(static_cast<int>(client.right / FCell.cx), 1);
}

// Only the cells in sight that the update region touches are drawn,
// whatever the page size.
void TGridView::Paint() {
    TBufferedPaint paint(FHandle, COLOR_WINDOW);
    const HDC dc = paint.Dc();
    const HGDIOBJ oldFont = SelectObject(dc, FFont.Get());
    const RECT& area = paint.Area();
    const int first = static_cast<int>(area.top / FCell.cy);
    const int last = std::min(ShownRowCount(), static_cast<int>((area.bottom - 1) / FCell.cy) + 1);
    // A cell more on either side, for a neighbour's ink reaching into the area.
    const TRange columns{static_cast<int>(area.left / FCell.cx) - 1,
                         static_cast<int>((area.right + FCell.cx - 1) / FCell.cx) + 1};
    for (int row = first; row < last; ++row)
        PaintRow(dc, ShownRow(FFirstRow + row), row * FCell.cy, columns);
    SelectObject(dc, oldFont);
}

void TGridView::PaintRow(HDC dc, const TShownRow& row, int y, TRange columns) {
    const int length = static_cast<int>(row.Text.size());
    const int selStart = row.Selected.Start;
    const int selEnd = row.Selected.End;
    const std::u16string_view view = row.Text;
    const auto draw = [&](int first, int last, int textColor, int backColor) {
        first = std::max(first, columns.Start);
        last = std::min(last, columns.End);
        if (first >= last)
            return;
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

// A wrapped row shows its own stretch of its line from the left edge.
TShownRow TGridView::ShownRow(int row) const {
    const TMemo& memo = FGrid.Editor();
    const TCell start = FWordWrap ? FWrap.CellOf({row, 0}) : TCell{row, FFirstColumn};
    const int count = FWordWrap ? FWrap.Width() : VisibleColumns() + 1;
    return ShownRowOf(memo.Line(start.Line), start.Column, count, ShownSelection(FGrid, start.Line),
                      FFace.MapGlyphs);
}

int TGridView::ShownRowCount() const {
    return std::max(std::min(VisibleRows() + 1, TotalRows() - FFirstRow), 0);
}

void TGridView::InvalidateAll() {
    InvalidateRect(FHandle, nullptr, FALSE);
    FShown.clear();
    for (int row = 0; row < ShownRowCount(); ++row)
        FShown.push_back(ShownRow(FFirstRow + row));
    FShownFirstRow = FFirstRow;
    FShownFirstColumn = FFirstColumn;
}

// Rows past the text show nothing.
void TGridView::InvalidateChanged() {
    if (FShownFirstRow != FFirstRow || FShownFirstColumn != FFirstColumn) {
        InvalidateAll();
        return;
    }
    const int count = ShownRowCount();
    const auto rows = std::max(static_cast<std::size_t>(count), FShown.size());
    FShown.resize(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        TShownRow now = static_cast<int>(row) < count ? ShownRow(FFirstRow + static_cast<int>(row))
                                                      : TShownRow{};
        InvalidateCells(static_cast<int>(row), ChangedColumns(FShown[row], now));
        FShown[row] = std::move(now);
    }
    FShown.resize(static_cast<std::size_t>(count));
}

// A cell more on either side, for a glyph's ink reaching into its neighbour.
void TGridView::InvalidateCells(int row, TRange columns) {
    if (columns.Start == columns.End)
        return;
    const RECT cells{(columns.Start - 1) * FCell.cx, row * FCell.cy, (columns.End + 1) * FCell.cx,
                     (row + 1) * FCell.cy};
    InvalidateRect(FHandle, &cells, FALSE);
}

void TGridView::Resized() {
    Rewrap();
    ScrollTo(FFirstRow, FFirstColumn);
    UpdateScrollBars();
    InvalidateAll();
}

// The rows follow the text and the width, the top line staying on top and the
// caret moving with its row; Page Up and Page Down move the caret by as many
// lines as a screenful of rows holds.
void TGridView::Rewrap() {
    if (FWordWrap) {
        const int topLine = TopLine();
        FWrap.Build(FGrid.Editor(), VisibleColumns());
        FFirstRow = FWrap.FirstRow(topLine);
        PlaceCaret();
        if (OnScroll)
            OnScroll();
    }
    FGrid.Editor().SetPageLines(FWordWrap ? VisibleRows() / FWrap.MostRows() : VisibleRows());
}

int TGridView::TopLine() const {
    return FWordWrap ? FWrap.LineOfRow(FFirstRow) : FFirstRow;
}

void TGridView::SetWordWrap(bool on) {
    if (on == FWordWrap)
        return;
    const int topLine = TopLine();
    FWordWrap = on;
    FFirstColumn = 0;
    if (on)
        FWrap.Build(FGrid.Editor(), VisibleColumns());
    FFirstRow = on ? FWrap.FirstRow(topLine) : topLine;
    ShowScrollBar(FHandle, SB_HORZ, on ? FALSE : TRUE);
    FBars[0] = {};
    Resized();
    PlaceCaret();
    if (OnScroll)
        OnScroll();
}

int TGridView::LineStartingAt(int row) const {
    if (!FWordWrap)
        return row;
    const int line = FWrap.LineOfRow(row);
    return FWrap.FirstRow(line) == row ? line : -1;
}

void TGridView::SetFont(const TEditorFace& face, int pixels) {
    const HFONT font = CreateEditorFont(face, pixels, false);
    if (font == nullptr)
        return;
    FFont.Reset(font);
    FFace = face;
    PageSizeChanged();
    InvalidateAll();
    if (OnScroll)
        OnScroll();
}

LOGFONTW TGridView::FontSpec() const {
    LOGFONTW font{};
    GetObjectW(FFont.Get(), sizeof(font), &font);
    return font;
}

void TGridView::PageSizeChanged() {
    const SIZE cell = MeasureCell(FFont.Get());
    FCell = {std::max(cell.cx, 1L), std::max(cell.cy, 1L)};
    FCaretWidth = 0;
    Resized();
    PlaceCaret();
}

void TGridView::TextChanged() {
    Rewrap();
    ScrollTo(FFirstRow, FFirstColumn);
    UpdateScrollBars();
    InvalidateChanged();
}

void TGridView::CaretMoved() {
    const TRowCell caret = CaretPlace();
    ScrollTo(ScrolledToShow(FFirstRow, VisibleRows(), caret.Row),
             ScrolledToShow(FFirstColumn, VisibleColumns(), caret.Column));
    UpdateScrollBars();
    PlaceCaret();
    InvalidateChanged();
}

// The caret may rest one column past the page width.
int TGridView::TotalColumns() const {
    const TMemo& memo = FGrid.Editor();
    const int caretColumn = CellOfOffset(memo, memo.CaretOffset()).Column;
    return std::max(FGrid.AnchoPagina(), caretColumn) + 1;
}

int TGridView::TotalRows() const {
    return FWordWrap ? FWrap.RowCount() : FGrid.Editor().LineCount();
}

TRowCell TGridView::CaretPlace() const {
    const TCell caret = CellOfOffset(FGrid.Editor(), FGrid.Editor().CaretOffset());
    return FWordWrap ? FWrap.RowCellOf(caret) : TRowCell{caret.Line, caret.Column};
}

TCell TGridView::CellAt(TRowCell place) const {
    return FWordWrap ? FWrap.CellOf(place) : TCell{place.Row, place.Column};
}

void TGridView::ScrollTo(int firstRow, int firstColumn) {
    firstRow = ClampedScroll(firstRow, VisibleRows(), TotalRows());
    firstColumn = FWordWrap ? 0 : ClampedScroll(firstColumn, VisibleColumns(), TotalColumns());
    if (firstRow == FFirstRow && firstColumn == FFirstColumn)
        return;
    if (firstColumn == FFirstColumn)
        ShiftRows(firstRow - FFirstRow);
    FFirstRow = firstRow;
    FFirstColumn = firstColumn;
    UpdateScrollBars();
    PlaceCaret();
    InvalidateChanged();
    if (OnScroll)
        OnScroll();
}

// A scroll by fewer rows than are in sight moves the pixels already shown
// and leaves only the rows coming into sight to paint. What is pending is
// painted first, so that it moves with the rest.
void TGridView::ShiftRows(int rows) {
    if (rows == 0 || std::abs(rows) >= VisibleRows() || FShownFirstRow != FFirstRow ||
        FShownFirstColumn != FFirstColumn)
        return;
    UpdateWindow(FHandle);
    HideCaret(FHandle);
    ScrollWindowEx(FHandle, 0, -rows * FCell.cy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    ShowCaret(FHandle);
    // The caret may have moved with the pixels.
    FCaretAt = {INT_MIN, INT_MIN};
    const auto count = static_cast<std::ptrdiff_t>(
        std::min<std::size_t>(static_cast<std::size_t>(std::abs(rows)), FShown.size()));
    if (rows > 0) {
        FShown.erase(FShown.begin(), FShown.begin() + count);
        FShown.resize(FShown.size() + static_cast<std::size_t>(count));
    } else {
        FShown.insert(FShown.begin(), static_cast<std::size_t>(count), TShownRow{});
        FShown.resize(FShown.size() - static_cast<std::size_t>(count));
    }
    FShownFirstRow += rows;
}

// Setting the horizontal bar would show it again, so it is left alone while
// word wrap hides it.
void TGridView::UpdateScrollBars() {
    SetBar(SB_VERT, TotalRows(), VisibleRows(), FFirstRow);
    if (!FWordWrap)
        SetBar(SB_HORZ, TotalColumns(), VisibleColumns(), FFirstColumn);
}

// Only a change is set: setting a bar redraws it at once.
void TGridView::SetBar(int bar, int total, int page, int position) {
    TBarState& shown = FBars[bar == SB_VERT ? 1 : 0];
    const TBarState wanted{total, page, position};
    if (wanted == shown)
        return;
    shown = wanted;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = std::max(total - 1, 0);
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    SetScrollInfo(FHandle, bar, &info, TRUE);
}

void TGridView::Scrolled(int bar, int code) {
    if (bar == SB_VERT)
        ScrollTo(ScrollTarget(FHandle, bar, code, FFirstRow, VisibleRows()), FFirstColumn);
    else
        ScrollTo(FFirstRow, ScrollTarget(FHandle, bar, code, FFirstColumn, VisibleColumns()));
}

void TGridView::Wheel(int delta) {
    UINT step = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &step, 0);
    const int rows = step == WHEEL_PAGESCROLL ? VisibleRows() : static_cast<int>(step);
    FWheelDelta += delta;
    const int notches = FWheelDelta / WHEEL_DELTA;
    FWheelDelta %= WHEEL_DELTA;
    ScrollTo(FFirstRow - notches * rows, FFirstColumn);
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
        FCaretAt = {INT_MIN, INT_MIN};
    }
    const TRowCell caret = CaretPlace();
    const POINT at{(caret.Column - FFirstColumn) * FCell.cx, (caret.Row - FFirstRow) * FCell.cy};
    if (at.x == FCaretAt.x && at.y == FCaretAt.y)
        return;
    SetCaretPos(at.x, at.y);
    FCaretAt = at;
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
