#include "charconv/CharConv.h"
#include "charconv/GridCells.h"
#include "charconv/Surrogates.h"
#include "editor/Commands.h"
#include "editor/DrawingFlag.h"
#include "editor/GridEditor.h"

#include <string>

namespace typ {

namespace {

bool IsControl(char16_t c) {
    return c < u' ' || c == u'\x7f';
}

bool IsInertKey(int key) {
    switch (key) {
    case 0:
    case vk::Tab:
    case vk::Clear:
    case vk::Shift:
    case vk::Control:
    case vk::Menu:
    case vk::Pause:
    case vk::Capital:
    case vk::Prior:
    case vk::Next:
    case vk::End:
    case vk::Home:
    case vk::Left:
    case vk::Up:
    case vk::Right:
    case vk::Down:
        return true;
    default:
        return key >= vk::F1 && key <= vk::F12;
    }
}

} // namespace

// Where Enter takes the caret: the next line's start, or the end of the text
// on the last line.
int TGridEditor::NextLineStart(int line) const {
    return line + 1 < FEditor.LineCount() ? FEditor.LineIndex(line + 1) : FEditor.TextLength();
}

void TGridEditor::EditorKeyDown(int& key, TShiftState shift) {
    FIgnoreChar = false;
    if ((shift & (ssAlt | ssCtrl)) != 0)
        return;
    FTextSel = FEditor.SelLength() > 0;
    const TPoint caret = FEditor.CaretPos();
    if (caret.X > FAnchoPagina && !FTextSel) {
        key = vk::End;
        FIgnoreChar = true;
        return;
    }
    const bool atLeft = caret.X <= 0 && !FTextSel;
    const bool atRight = caret.X >= FAnchoPagina && !FTextSel;
    switch (key) {
    case vk::Return:
        FEditor.SetSelStart(NextLineStart(caret.Y));
        key = vk::Home;
        break;
    case vk::Escape:
        RequestClose();
        break;
    case vk::Left:
        if (atLeft) {
            key = 0;
            FIgnoreChar = true;
        }
        break;
    case vk::Right:
        if (atRight) {
            key = 0;
            FIgnoreChar = true;
        }
        break;
    case vk::Delete:
        if (atRight) {
            key = 0;
            FIgnoreChar = true;
        } else if (!FTextSel) {
            // A line left short (by Borrar, Deshacer or the key's own repeats)
            // is padded first, so the memo deletes a blank rather than the line
            // break: lines are never joined from a line's end.
            PadCurrentLine();
        }
        break;
    case vk::Insert:
        FInsertMode = !FInsertMode;
        break;
    default:
        break;
    }
    // Drawn before the memo moves the caret, so the step starts from its cell;
    // the step itself ignores keys other than the arrows.
    if (FTypeEdition == kHostedEdition && DrawingFlag())
        FDrawing.DrawStep(FEditor, FAnchoPagina, key);
}

// Removes the last character of a line to make room for an insertion, keeping
// the selection start. The caret's own line is measured, not assumed to be a
// full grid line, so lines left short by Borrar or Deshacer stay intact.
void TGridEditor::DropLastCharOfLine(int line) {
    const int selStart = FEditor.SelStart();
    const int end = FEditor.LineIndex(line) + FEditor.LineLength(line);
    FEditor.SetSel(end - 1, end);
    FEditor.ReplaceSel(u"", false);
    FEditor.SetSelStart(selStart);
}

void TGridEditor::EditorKeyPress(char16_t& key) {
    // Control characters other than backspace (Ctrl+letters no command took)
    // insert nothing, so they must not make room in the line either.
    if (FIgnoreChar || (IsControl(key) && key != u'\b')) {
        key = 0;
        return;
    }
    // A character beyond the basic plane arrives as two halves: the first
    // takes no cell, the second becomes the whole character's one cell.
    if (IsHighSurrogate(key)) {
        key = 0;
        return;
    }
    // Read here, not at the key-down: a character typed with Ctrl+Alt (AltGr)
    // skipped the key-down's bookkeeping, and the selection may have changed
    // since the last key-down that did it (a click).
    FTextSel = FEditor.SelLength() > 0;
    const TPoint caret = FEditor.CaretPos();
    const int column = caret.X;
    const bool backspace = key == u'\b';
    // Backspace at the end of a full line removes its last character like
    // anywhere else; only typing is stopped at the page width.
    if (column < 0 || column > FAnchoPagina || (column == FAnchoPagina && !backspace)) {
        key = 0;
        return;
    }
    key = TCharConv::TransformToDos(std::u16string(1, GridCell(key))).front();
    if (FTextSel)
        return;
    // Backspace leaves the line's end alone: the key-up pads the line again,
    // so the last character, often a frame's right edge, is kept.
    if (backspace)
        return;
    if (FInsertMode) {
        if (FEditor.LineLength(caret.Y) >= FAnchoPagina)
            DropLastCharOfLine(caret.Y);
    } else if (column < FEditor.LineLength(caret.Y)) {
        const int at = FEditor.SelStart();
        FEditor.SetSel(at, at + 1);
    }
}

void TGridEditor::EditorKeyUp(int& key, TShiftState shift) {
    UpdateStatus();
    if ((shift & (ssAlt | ssCtrl)) != 0)
        return;
    if (FIgnoreChar) {
        key = 0;
        return;
    }
    if (IsInertKey(key))
        return;
    switch (key) {
    case vk::Back:
    case vk::Delete:
        ReshapeAfterEdit();
        break;
    case vk::Escape:
        RequestClose();
        break;
    default:
        if (FTextSel)
            NormalizeGrid();
        break;
    }
}

} // namespace typ
