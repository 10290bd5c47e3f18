#include "editor/GridEditor.h"

#include <string>

namespace typ {

namespace {

constexpr std::array<std::u16string_view, 2> kModoDibujo = {
    u" Modo de Edición", u" Modo de Dibujo con teclas del cursor "};
constexpr std::u16string_view kModoDibujoDoble = u" Modo de Dibujo doble con teclas del cursor ";
constexpr std::array<std::u16string_view, 2> kModoInsercion = {u"SOB", u"INS"};

std::u16string Number(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

// The position is the selection start as column (from 0) and line (from 1) of
// the text itself, which on a normalised grid is the same as counting in
// steps of the page width plus the line break.
std::u16string PositionText(int x, int y, int selected) {
    std::u16string text = u"Posición: (x, y) = (" + Number(x) + u", " + Number(y) + u")";
    if (selected > 0)
        text += u" - Texto seleccionado: " + Number(selected) + u" caracteres";
    return text;
}

} // namespace

void TGridEditor::UpdateStatus() {
    FStatus[0] = FDrawingChecked && FDrawing.Style() == TLineStyle::Double
                     ? kModoDibujoDoble
                     : kModoDibujo[FDrawingChecked ? 1 : 0];
    FStatus[1] = kModoInsercion[FInsertMode ? 1 : 0];
    if (const auto block = Block()) {
        FStatus[2] = u"Bloque: " + Number(block->Width) + u" x " + Number(block->Height);
        return;
    }
    const int start = FEditor.SelStart();
    const int line = FEditor.LineFromChar(start);
    FStatus[2] = PositionText(start - FEditor.LineIndex(line), line + 1, FEditor.SelLength());
}

} // namespace typ
