#include "editor/GridEditor.h"

namespace typ {

namespace {

bool IsArrow(int key) {
    return key == vk::Left || key == vk::Right || key == vk::Up || key == vk::Down;
}

bool MovesCaret(int key) {
    switch (key) {
    case vk::Left:
    case vk::Right:
    case vk::Up:
    case vk::Down:
    case vk::Home:
    case vk::End:
    case vk::Prior:
    case vk::Next:
    case vk::Return:
        return true;
    default:
        return false;
    }
}

} // namespace

// The status panels start with the texts the window was designed with, until
// the first refresh.
TGridEditor::TGridEditor()
    : FStatus{u" Modo de Dibujo con teclas del cursor ", u"SOB", u"Posición (x, y) = (190, 210)"} {
    SetPageSize(kDefaultWidth, kDefaultHeight);
}

void TGridEditor::RequestClose() {
    if (OnCloseRequest)
        OnCloseRequest();
}

// The page is brought back into shape right after each change, not only at
// the key-up: a held key repeats its key-down and its character many times
// before its one key-up, and a character typed with Ctrl+Alt gets a key-up the
// filters leave to the window.
//
// Alt+Shift+arrows select a block and Alt+Shift+Ctrl+arrows move it; any
// other caret move ends the block.
void TGridEditor::KeyDown(int key, TShiftState shift) {
    const TShiftState modifiers = shift & (ssAlt | ssShift | ssCtrl);
    if (MovesCaret(key))
        FEditor.BreakTypingRun();
    TEditUnit unit(*this);
    if (IsArrow(key) && modifiers == (ssAlt | ssShift)) {
        ExtendBlock(key);
        return;
    }
    if (IsArrow(key) && modifiers == (ssAlt | ssShift | ssCtrl)) {
        MoveBlock(key);
        return;
    }
    if (MovesCaret(key))
        EndBlock();
    EditorKeyDown(key, shift);
    if (key == 0)
        return;
    FEditor.KeyDown(key, shift);
    if (key == vk::Delete && (shift & (ssShift | ssAlt | ssCtrl)) == 0)
        ReshapeAfterEdit();
}

// Typed characters on one line make one unit until the caret moves otherwise.
void TGridEditor::KeyPress(char16_t character) {
    const bool typing = character != u'\b' && FEditor.SelLength() == 0;
    TEditUnit unit(*this, typing ? TUndoKind::Typing : TUndoKind::Action);
    EndBlock();
    EditorKeyPress(character);
    if (character == 0)
        return;
    FEditor.KeyPress(character);
    if (FTextSel || character == u'\b')
        ReshapeAfterEdit();
}

// What the key-up does after Backspace or Delete, or after any key that
// replaced a selection. A deletion that joined lines (Backspace at column 0)
// leaves the page short of a line: a line of blanks closes it at once.
void TGridEditor::ReshapeAfterEdit() {
    if (FTextSel || FEditor.Lines().Count() != FAltoPagina)
        NormalizeGrid();
    else
        PadCurrentLine();
}

// What a key-up reshapes belongs to the key's own unit.
void TGridEditor::KeyUp(int key, TShiftState shift) {
    TEditUnit unit(*this, TUndoKind::Continue);
    EditorKeyUp(key, shift);
}

void TGridEditor::ChangePageSize(int width, int height) {
    TEditUnit unit(*this);
    SetPageSize(width, height);
}

void TGridEditor::Undo() {
    AdoptPage(FEditor.UndoUnit());
}

void TGridEditor::Redo() {
    AdoptPage(FEditor.RedoUnit());
}

// The text is already in the page's shape: only the size and the view follow.
void TGridEditor::AdoptPage(const std::optional<TUndoStep>& step) {
    if (!step || !step->Page || *step->Page == PageSize())
        return;
    FAnchoPagina = step->Page->Width;
    FAltoPagina = step->Page->Height;
    const bool modified = FEditor.Modified();
    if (OnPageSizeChanged)
        OnPageSizeChanged();
    if (FEditor.Modified() != modified)
        FEditor.SetModified(modified);
}

} // namespace typ
