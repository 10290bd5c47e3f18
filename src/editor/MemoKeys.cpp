#include "editor/Memo.h"

#include <algorithm>

namespace typ {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

} // namespace

// The caret never rests between the CR and the LF of a line break.
int TMemo::NextOffset(int offset) const {
    const int line = LineFromChar(offset);
    if (offset - LineIndex(line) < LineLength(line) || line + 1 >= LineCount())
        return std::min(offset + 1, FLength);
    return LineIndex(line + 1);
}

int TMemo::PreviousOffset(int offset) const {
    const int line = LineFromChar(offset);
    if (offset > LineIndex(line) || line == 0)
        return std::max(offset - 1, 0);
    return LineIndex(line - 1) + LineLength(line - 1);
}

int TMemo::VerticalMove(int offset, int lines) const {
    const int line = LineFromChar(offset);
    const int target = std::clamp(line + lines, 0, LineCount() - 1);
    if (target == line)
        return offset;
    return LineIndex(target) + std::min(ColumnOf(offset), LineLength(target));
}

int TMemo::WordRight(int offset) const {
    while (offset < FLength && !IsBlank(CharAt(offset)))
        ++offset;
    while (offset < FLength && IsBlank(CharAt(offset)))
        ++offset;
    return offset;
}

int TMemo::WordLeft(int offset) const {
    while (offset > 0 && IsBlank(CharAt(offset - 1)))
        --offset;
    while (offset > 0 && !IsBlank(CharAt(offset - 1)))
        --offset;
    return offset;
}

// Where a movement key takes the caret, or -1 for a key that does not move it.
int TMemo::MovedCaret(int key, TShiftState shift) const {
    const bool ctrl = (shift & ssCtrl) != 0;
    const int line = LineFromChar(FCaret);
    switch (key) {
    case vk::Left:
        return ctrl ? WordLeft(FCaret) : PreviousOffset(FCaret);
    case vk::Right:
        return ctrl ? WordRight(FCaret) : NextOffset(FCaret);
    case vk::Up:
        return VerticalMove(FCaret, -1);
    case vk::Down:
        return VerticalMove(FCaret, 1);
    case vk::Prior:
        return VerticalMove(FCaret, -FPageLines);
    case vk::Next:
        return VerticalMove(FCaret, FPageLines);
    case vk::Home:
        return ctrl ? 0 : LineIndex(line);
    case vk::End:
        return ctrl ? FLength : LineIndex(line) + LineLength(line);
    default:
        return -1;
    }
}

void TMemo::KeyDown(int key, TShiftState shift) {
    if ((shift & ssAlt) != 0)
        return;
    if (key == vk::Delete) {
        if ((shift & (ssShift | ssCtrl)) == 0)
            DeleteForward();
        return;
    }
    const int caret = MovedCaret(key, shift);
    if (caret < 0)
        return;
    SetSel((shift & ssShift) != 0 ? FAnchor : caret, caret);
}

void TMemo::DeleteForward() {
    if (SelLength() == 0)
        SetSel(FCaret, NextOffset(FCaret));
    ReplaceSel(u"", true);
}

void TMemo::DeleteBackward() {
    if (SelLength() == 0)
        SetSel(PreviousOffset(FCaret), FCaret);
    ReplaceSel(u"", true);
}

// Line breaks and tabs are not accepted as typed characters; other control
// characters (Ctrl+letter) insert nothing.
void TMemo::KeyPress(char16_t character) {
    if (character == u'\b') {
        DeleteBackward();
        return;
    }
    if (character < u' ' || character == u'\x7f')
        return;
    ReplaceSel(std::u16string_view(&character, 1), true);
}

} // namespace typ
