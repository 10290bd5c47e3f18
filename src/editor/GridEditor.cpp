#include "editor/GridEditor.h"

namespace typ {

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
void TGridEditor::KeyDown(int key, TShiftState shift) {
    EditorKeyDown(key, shift);
    if (key == 0)
        return;
    FEditor.KeyDown(key, shift);
    if (key == vk::Delete && (shift & (ssShift | ssAlt | ssCtrl)) == 0)
        ReshapeAfterEdit();
}

void TGridEditor::KeyPress(char16_t character) {
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

void TGridEditor::KeyUp(int key, TShiftState shift) {
    EditorKeyUp(key, shift);
}

} // namespace typ
