#include "editor/RulerView.h"

#include "editor/CellPainting.h"
#include "editor/EditorFont.h"
#include "editor/Rulers.h"
#include "editor/ViewGeometry.h"
#include "editor/WindowClass.h"
#include "platform/WindowProc.h"

#include <algorithm>
#include <string>

namespace typ::win {

namespace {

constexpr wchar_t kClassName[] = L"TypRuler";
// The rulers' characters are bold and 13 pixels high, on the grid's cells.
constexpr int kRulerFontPixels = 13;

void RegisterRulerClass(WNDPROC proc) {
    RegisterOnce(WindowClass(kClassName, proc, IDC_ARROW));
}

} // namespace

TRulerView::TRulerView(HWND parent, TRulerKind kind, const TGridView& view, const TGridEditor& grid)
    : FKind(kind), FView(view), FGrid(grid),
      FFont(CreateEditorFont(view.Face(), kRulerFontPixels, true)),
      FGlyph(MeasureCell(FFont.Get())) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterRulerClass(WindowProc<TRulerView, &TRulerView::FHandle>);
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_DISABLED, 0, 0, 0, 0,
                    parent, nullptr, instance, this);
}

TRulerView::~TRulerView() {
    if (IsWindow(FHandle))
        DestroyWindow(FHandle);
}

void TRulerView::Refresh() const {
    InvalidateRect(FHandle, nullptr, FALSE);
}

LRESULT TRulerView::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return DefWindowProcW(FHandle, message, wParam, lParam);
    }
}

void TRulerView::Paint() const {
    TBufferedPaint paint(FHandle, COLOR_BTNFACE);
    const HDC dc = paint.Dc();
    const HGDIOBJ oldFont = SelectObject(dc, FFont.Get());
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (FKind == TRulerKind::Horizontal)
        PaintColumns(dc, paint.Client());
    else
        PaintLines(dc, paint.Client());
    SelectObject(dc, oldFont);
}

// Two rows: the column numbers, then a mark every fifth column. With word
// wrap on, the columns of a row.
void TRulerView::PaintColumns(HDC dc, const RECT& client) const {
    const int first = FView.FirstColumn();
    const int fit = static_cast<int>(client.right) / FView.CharWidth() + 1;
    const int count = FView.WordWrap() ? std::min(fit, FView.WrapWidth()) : fit;
    const LONG rowHeight = std::max(client.bottom / 2, FGlyph.cy);
    for (int row = 0; row < 2; ++row) {
        const std::u16string text = BuildHorizontalRuler(row, FGrid.AnchoPagina(), first, count);
        DrawCells(dc, {0, row * rowHeight},
                  DisplayText(text, 0, static_cast<int>(text.size()), FView.Face().MapGlyphs),
                  {FView.CharWidth(), rowHeight});
    }
}

// One mark per page line, level with the line's first row, against the grid.
void TRulerView::PaintLines(HDC dc, const RECT& client) const {
    const int lineHeight = FView.CharHeight();
    const int rows = static_cast<int>(client.bottom) / lineHeight + 1;
    const int top = (lineHeight - static_cast<int>(FGlyph.cy)) / 2;
    for (int row = 0; row < rows; ++row) {
        const int line = FView.LineStartingAt(FView.FirstRow() + row);
        if (line < 0 || line >= FGrid.AltoPagina())
            continue;
        const std::u16string_view mark = VerticalRulerLine(line + 1);
        const int width = static_cast<int>(mark.size()) * FView.CharWidth();
        DrawCells(dc, {client.right - width, row * lineHeight + top},
                  DisplayText(mark, 0, static_cast<int>(mark.size()), FView.Face().MapGlyphs),
                  {FView.CharWidth(), FGlyph.cy});
    }
}

} // namespace typ::win
