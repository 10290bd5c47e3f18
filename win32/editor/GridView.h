#pragma once

#include "editor/EditorFace.h"
#include "editor/GridEditor.h"

#include <bitset>
#include <functional>
#include <windows.h>

namespace typ::win {

// The grid memo on screen (window class "TMemoEx"): draws the visible part of
// the grid editor's text, turns keys and mouse actions into calls of the grid
// editor and keeps caret, scroll bars and selection in step with it.
class TGridView {
public:
    TGridView(HWND parent, TGridEditor& grid);
    ~TGridView();
    TGridView(const TGridView&) = delete;
    TGridView& operator=(const TGridView&) = delete;

    HWND Handle() const { return FHandle; }
    const TEditorFace& Face() const { return FFace; }
    // FCharWidth and FCharHieght: the size of "L", measured when the page
    // size is set.
    int CharWidth() const { return FCell.cx; }
    int CharHeight() const { return FCell.cy; }
    int FirstLine() const { return FFirstLine; }
    int FirstColumn() const { return FFirstColumn; }

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
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int VisibleLines() const;
    int VisibleColumns() const;
    void Paint();
    void PaintLine(HDC dc, int line, int y, int columns);
    void Resized();
    int TotalColumns() const;
    void ScrollTo(int firstLine, int firstColumn);
    void UpdateScrollBars();
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
    void MouseDown(POINT point, bool extend);
    void DragTo(POINT point);
    void DragTick();
    void MouseUp();
    void DragEnded();
    void DoubleClick(POINT point);
    void Clicked();

    TGridEditor& FGrid;
    TEditorFace FFace;
    HFONT FFont = nullptr;
    HWND FHandle = nullptr;
    SIZE FCell{8, 16};
    int FFirstLine = 0;
    int FFirstColumn = 0;
    int FCaretWidth = 0;
    int FWheelDelta = 0;
    int FDragAnchor = 0;
    bool FDragging = false;
    std::bitset<256> FKeysDown;
};

} // namespace typ::win
