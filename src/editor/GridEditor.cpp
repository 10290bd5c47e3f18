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

void TGridEditor::KeyDown(int key, TShiftState shift) {
    EditorKeyDown(key, shift);
    if (key != 0)
        FEditor.KeyDown(key, shift);
}

void TGridEditor::KeyPress(char16_t character) {
    EditorKeyPress(character);
    if (character != 0)
        FEditor.KeyPress(character);
}

void TGridEditor::KeyUp(int key, TShiftState shift) {
    EditorKeyUp(key, shift);
}

} // namespace typ
