#include "editor/Memo.h"

namespace typ {

int TMemoLines::Count() const {
    const int lines = FMemo.LineCount();
    return FMemo.LineLength(lines - 1) == 0 ? lines - 1 : lines;
}

const std::u16string& TMemoLines::Get(int index) const {
    return FMemo.Line(index);
}

void TMemoLines::Put(int index, std::u16string_view text) {
    const int start = FMemo.LineIndex(index);
    if (start < 0)
        return;
    FMemo.SetSel(start, start + FMemo.LineLength(index));
    FMemo.ReplaceSel(text, false);
}

// Inserting before an existing line adds the text and a line break there; at
// the end of a text whose last line holds characters, a line break and the text.
void TMemoLines::Insert(int index, std::u16string_view text) {
    if (index < 0 || index > FMemo.LineCount())
        return;
    std::u16string line(text);
    int at = FMemo.LineIndex(index);
    if (at >= 0) {
        line += u"\r\n";
    } else {
        at = FMemo.TextLength();
        line.insert(0, u"\r\n");
    }
    FMemo.SetSel(at, at);
    FMemo.ReplaceSel(line, false);
}

// Removes the line with its line break; the last line loses its characters only.
void TMemoLines::Delete(int index) {
    const int start = FMemo.LineIndex(index);
    if (start < 0)
        return;
    const int next = FMemo.LineIndex(index + 1);
    FMemo.SetSel(start, next >= 0 ? next : start + FMemo.LineLength(index));
    FMemo.ReplaceSel(u"", false);
}

void TMemoLines::BeginUpdate() {
    FMemo.BeginUpdate();
}

void TMemoLines::EndUpdate() {
    FMemo.EndUpdate();
}

} // namespace typ
