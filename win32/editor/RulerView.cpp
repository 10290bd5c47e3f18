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

void TRulerView::Refresh() {
    if (Picture() == FShown)
        return;
    InvalidateRect(FHandle, nullptr, FALSE);
}

// Two rows: the column numbers, then a mark every fifth column. With word
// wrap on, the columns of a row. On the left, one mark per page line, level
// with the line's first row.
TRulerView::TPicture TRulerView::Picture() const {
    RECT client;
    GetClientRect(FHandle, &client);
    TPicture picture{{FView.CharWidth(), FView.CharHeight()}, FView.Face().MapGlyphs, {}};
    if (FKind == TRulerKind::Horizontal) {
        const int fit = static_cast<int>(client.right) / FView.CharWidth() + 1;
        const int count = FView.WordWrap() ? std::min(fit, FView.WrapWidth()) : fit;
        for (int row = 0; row < 2; ++row) {
            picture.Rows.push_back(
                BuildHorizontalRuler(row, FGrid.AnchoPagina(), FView.FirstColumn(), count));
        }
        return picture;
    }
    const int rows = static_cast<int>(client.bottom) / FView.CharHeight() + 1;
    for (int row = 0; row < rows; ++row) {
        const int line = FView.LineStartingAt(FView.FirstRow() + row);
        const bool marked = line >= 0 && line < FGrid.AltoPagina();
        picture.Rows.emplace_back(marked ? VerticalRulerLine(line + 1) : std::u16string_view());
    }
    return picture;
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

void TRulerView::Paint() {
    FShown = Picture();
    TBufferedPaint paint(FHandle, COLOR_BTNFACE);
    const HDC dc = paint.Dc();
    const HGDIOBJ oldFont = SelectObject(dc, FFont.Get());
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (FKind == TRulerKind::Horizontal)
        PaintColumns(dc, paint.Client(), FShown);
    else
        PaintLines(dc, paint.Client(), FShown);
    SelectObject(dc, oldFont);
}

void TRulerView::PaintColumns(HDC dc, const RECT& client, const TPicture& picture) const {
    const LONG rowHeight = std::max(client.bottom / 2, FGlyph.cy);
    for (int row = 0; row < static_cast<int>(picture.Rows.size()); ++row) {
        const std::u16string& text = picture.Rows[static_cast<std::size_t>(row)];
        DrawCells(dc, {0, row * rowHeight},
                  DisplayText(text, 0, static_cast<int>(text.size()), picture.MapGlyphs),
                  {picture.Cell.cx, rowHeight});
    }
}

void TRulerView::PaintLines(HDC dc, const RECT& client, const TPicture& picture) const {
    const int lineHeight = static_cast<int>(picture.Cell.cy);
    const int top = (lineHeight - static_cast<int>(FGlyph.cy)) / 2;
    for (int row = 0; row < static_cast<int>(picture.Rows.size()); ++row) {
        const std::u16string& mark = picture.Rows[static_cast<std::size_t>(row)];
        const int width = static_cast<int>(mark.size()) * static_cast<int>(picture.Cell.cx);
        DrawCells(dc, {client.right - width, row * lineHeight + top},
                  DisplayText(mark, 0, static_cast<int>(mark.size()), picture.MapGlyphs),
                  {picture.Cell.cx, FGlyph.cy});
    }
}

} // namespace typ::win
