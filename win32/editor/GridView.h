#pragma once

#include "editor/EditorFace.h"
#include "editor/GridEditor.h"
#include "editor/ShownRow.h"
#include "editor/WordWrap.h"
#include "platform/HandleOwners.h"

#include <windows.h>
#include <array>
#include <bitset>
#include <functional>
#include <vector>

namespace typ::win {

// The grid memo on screen (window class "TMemoEx"): draws the visible part of
// the grid editor's text, turns keys and mouse actions into calls of the grid
// editor and keeps caret, scroll bars and selection in step with it. The view
// scrolls in screen rows: a row is a page line, or with word wrap on a stretch
// of one, while the text and the grid's rules keep page lines.
class TGridView {
public:
    TGridView(HWND parent, TGridEditor& grid);
    ~TGridView();
    TGridView(const TGridView&) = delete;
    TGridView& operator=(const TGridView&) = delete;

    HWND Handle() const { return FHandle; }
    // The window's messages, through WindowProc.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    const TEditorFace& Face() const { return FFace; }
    // FCharWidth and FCharHieght: the size of "L", measured when the page
    // size is set.
    int CharWidth() const { return FCell.cx; }
    int CharHeight() const { return FCell.cy; }
    int FirstRow() const { return FFirstRow; }
    int FirstColumn() const { return FFirstColumn; }

    // Word wrap (off at creation) breaks each line into rows of the window's
    // width in whole cells, with no horizontal scrolling.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool on);
    // The columns of a row while word wrap is on.
    int WrapWidth() const { return FWrap.Width(); }
    // The page line whose first row is `row`, or -1 when the row continues a
    // line or lies past the text.
    int LineStartingAt(int row) const;

    // The font the user chose: the cells are measured anew.
    void SetFont(const TEditorFace& face, int pixels);
    // The current font, for the font dialog.
    LOGFONTW FontSpec() const;

    void PageSizeChanged();
    void TextChanged();
    // After the caret or selection moved: scroll it into view and repaint.
    void CaretMoved();
    // Key-ups of keys that went down before the window closed are not ours.
    void ForgetKeys() { FKeysDown.reset(); }

    // The status panels are to be refreshed (key-up, click, focus).
    std::function<void()> OnStatus;
    // The first visible line or column changed.
    std::function<void()> OnScroll;

private:
    int VisibleRows() const;
    int VisibleColumns() const;
    void Paint();
    // The row's cells within `columns`.
    void PaintRow(HDC dc, const TShownRow& row, int y, TRange columns);
    // What a row shows now; the rows drawn from the first visible one.
    TShownRow ShownRow(int row) const;
    int ShownRowCount() const;
    // Repaint everything (scrolling, size, font) or only the cells whose
    // look differs from what was last shown (typing, caret moves).
    void InvalidateAll();
    void InvalidateChanged();
    void InvalidateCells(int row, TRange columns);
    void Resized();
    void Rewrap();
    int TopLine() const;
    int TotalRows() const;
    int TotalColumns() const;
    TRowCell CaretPlace() const;
    TCell CellAt(TRowCell place) const;
    void ScrollTo(int firstRow, int firstColumn);
    void ShiftRows(int rows);
    void UpdateScrollBars();
    void SetBar(int bar, int total, int page, int position);
    void Scrolled(int bar, int code);
    void Wheel(int delta);
    void PlaceCaret();
    void FocusGained();
    void FocusLost();

    void KeyDown(int key);
    void KeyChar(char16_t character);
    void KeyUp(int key);
    void Guarded(const std::function<void()>& action);

    int HitOffset(POINT point) const;
    TCell HitCell(POINT point) const;
    void MouseDown(POINT point, bool extend);
    void DragTo(POINT point);
    void DragTick();
    void MouseUp();
    void DragEnded();
    void DoubleClick(POINT point);
    void Clicked();

    TGridEditor& FGrid;
    TEditorFace FFace;
    TOwnedFont FFont;
    HWND FHandle = nullptr;
    SIZE FCell{8, 16};
    int FFirstRow = 0;
    int FFirstColumn = 0;
    bool FWordWrap = false;
    TWordWrap FWrap;
    int FCaretWidth = 0;
    POINT FCaretAt{};
    // What the window shows or will show once painted, from FShownFirstRow
    // and FShownFirstColumn.
    std::vector<TShownRow> FShown;
    int FShownFirstRow = -1;
    int FShownFirstColumn = -1;
    // The scroll bars as last set (horizontal, vertical): setting one redraws it.
    struct TBarState {
        int Total = -1;
        int Page = -1;
        int Position = -1;
        bool operator==(const TBarState&) const = default;
    };
    std::array<TBarState, 2> FBars{};
    int FWheelDelta = 0;
    int FDragAnchor = 0;
    bool FDragging = false;
    // An Alt drag selects a block from the cell it started on.
    bool FBlockDrag = false;
    TCell FBlockAnchor;
    // When the last character was typed: a pause ends the typing run.
    LONG FLastCharTime = 0;
    std::bitset<256> FKeysDown;
};

} // namespace typ::win
