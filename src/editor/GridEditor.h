#pragma once

#include "editor/BoxDrawing.h"
#include "editor/Keys.h"
#include "editor/Memo.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace typ {

// A rectangle of cells: columns Left to Left + Width - 1 of lines Top to
// Top + Height - 1, counted from 0.
struct TBlock {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TBlock&) const = default;
};

// An error of the editor, carrying the Spanish message (UTF-8) the user sees.
class EEditorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The editor window's rules over its grid memo: the page shape, the key filters
// that keep the caret inside the page and the lines at their width, insert and
// overwrite, and the status texts. The window feeds it keys and shows its state;
// closing is reported through OnCloseRequest, never acted on here.
class TGridEditor {
public:
    static constexpr int kDefaultWidth = 250;
    static constexpr int kDefaultHeight = 80;
    // Bounds the memory a page may take (a text's longest line times its line
    // count can be enormous for a hostile text).
    static constexpr std::int64_t kMaxPageCells = 64LL * 1024 * 1024;

    TGridEditor();

    TMemo& Editor() { return FEditor; }
    const TMemo& Editor() const { return FEditor; }
    int AnchoPagina() const { return FAnchoPagina; }
    int AltoPagina() const { return FAltoPagina; }
    TPageSize PageSize() const { return {FAnchoPagina, FAltoPagina}; }
    bool InsertMode() const { return FInsertMode; }
    bool TextSel() const { return FTextSel; }
    bool IgnoreChar() const { return FIgnoreChar; }
    std::uint8_t TypeEdition() const { return FTypeEdition; }
    void SetTypeEdition(std::uint8_t mode) { FTypeEdition = mode; }
    // Check state of the Dibujar command, shown in status panel 0.
    bool DrawingChecked() const { return FDrawingChecked; }
    void SetDrawingChecked(bool checked) { FDrawingChecked = checked; }
    // The box-drawing state: the cursor keys draw through it in edition mode 2
    // while the process-wide drawing flag is on.
    TBoxDrawing& Drawing() { return FDrawing; }
    const TBoxDrawing& Drawing() const { return FDrawing; }

    // Sizes the page and normalises the text into it, keeping the modified flag.
    // Throws EEditorError, changing nothing, for a page beyond kMaxPageCells.
    void SetPageSize(int width, int height);
    // Throws the error SetPageSize would throw for this size.
    static void CheckPageSize(int width, int height);
    void NormalizeGrid();
    void PadCurrentLine();
    // The page dialog's change of size: one undo unit.
    void ChangePageSize(int width, int height);

    // Deshacer and Rehacer over the history of units. They replaced the
    // control's one-level toggle: a second Deshacer that silently redid the
    // change took away the user's way back. The first Deshacer still restores
    // what the toggle restored, selection included. A unit that changed the
    // page size takes the size back with the text.
    void Undo();
    void Redo();
    // The view reports a pause in typing: the next character starts a unit.
    void BreakTypingRun() { FEditor.BreakTypingRun(); }

    // The rectangular block, while one is selected (GridBlock.cpp). It spans
    // the cells from its anchor to its caret corner, both kept on the page;
    // the memo's caret stays on the caret corner.
    std::optional<TBlock> Block() const;
    void SelectBlock(TPoint anchor, TPoint caret);
    // Moves the caret corner one cell (Alt+Shift+arrow), starting a block at
    // the caret when none is selected.
    void ExtendBlock(int key);
    // Moves the block's cells one cell (Alt+Shift+Ctrl+arrow), blanks behind
    // them; what leaves the page is lost and the block keeps what is left.
    void MoveBlock(int key);
    void EndBlock() { FBlockCorners.reset(); }

    // The window's key filters: each may change or swallow (zero) the key.
    void EditorKeyDown(int& key, TShiftState shift);
    void EditorKeyPress(char16_t& key);
    void EditorKeyUp(int& key, TShiftState shift);

    // A keystroke as the grid receives it: the filter, then the memo's own
    // handling of whatever key is left.
    void KeyDown(int key, TShiftState shift);
    void KeyPress(char16_t character);
    void KeyUp(int key, TShiftState shift);

    void UpdateStatus();
    const std::u16string& StatusText(int panel) const {
        return FStatus.at(static_cast<std::size_t>(panel));
    }

    std::function<void()> OnCloseRequest;
    // After SetPageSize: the view measures its font and resizes grid and rulers.
    std::function<void()> OnPageSizeChanged;

private:
    void RequestClose();
    void AdoptPage(const std::optional<TUndoStep>& step);
    void ReshapeAfterEdit();
    void PutSelStartBack(int offset);
    void DropLastCharOfLine(int line);
    int NextLineStart(int line) const;

    TMemo FEditor;
    int FAnchoPagina = 0;
    int FAltoPagina = 0;
    bool FInsertMode = false;
    bool FTextSel = false;
    bool FIgnoreChar = false;
    std::uint8_t FTypeEdition = 0;
    bool FDrawingChecked = false;
    TBoxDrawing FDrawing;
    std::optional<std::pair<TPoint, TPoint>> FBlockCorners;
    std::array<std::u16string, 3> FStatus;
};

// Keeps an undo unit of the grid open for the life of a scope: the changes
// made in it, and the page size, are taken back together.
class TEditUnit {
public:
    explicit TEditUnit(TGridEditor& grid, TUndoKind kind = TUndoKind::Action) : FGrid(grid) {
        FGrid.Editor().BeginUnit(kind, FGrid.PageSize());
    }
    ~TEditUnit() { FGrid.Editor().EndUnit(FGrid.PageSize()); }
    TEditUnit(const TEditUnit&) = delete;
    TEditUnit& operator=(const TEditUnit&) = delete;

private:
    TGridEditor& FGrid;
};

} // namespace typ
