#include "editor/ViewGeometry.h"

#include "charconv/CodePage850.h"

#include <algorithm>

namespace typ {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

} // namespace

TCell CellOfOffset(const TMemo& memo, int offset) {
    if (memo.LineCount() == 0)
        return {};
    const int line = memo.LineFromChar(offset);
    return {line, offset - memo.LineIndex(line)};
}

int OffsetOfCell(const TMemo& memo, TCell cell) {
    if (memo.LineCount() == 0)
        return 0;
    const int line = std::clamp(cell.Line, 0, memo.LineCount() - 1);
    return memo.LineIndex(line) + std::clamp(cell.Column, 0, memo.LineLength(line));
}

int SelectionAnchor(const TMemo& memo) {
    const int start = memo.SelStart();
    return memo.CaretOffset() == start ? start + memo.SelLength() : start;
}

TRange WordAt(const TMemo& memo, int offset) {
    if (memo.LineCount() == 0)
        return {offset, offset};
    const TCell cell = CellOfOffset(memo, offset);
    const int start = memo.LineIndex(cell.Line);
    const std::u16string_view line = memo.Line(cell.Line);
    const int length = static_cast<int>(line.size());
    if (length == 0)
        return {offset, offset};
    const int at = std::min(cell.Column, length - 1);
    const bool blank = IsBlank(line[static_cast<std::size_t>(at)]);
    const auto same = [&](int column) {
        return IsBlank(line[static_cast<std::size_t>(column)]) == blank;
    };
    int first = at;
    while (first > 0 && same(first - 1))
        --first;
    int last = at + 1;
    while (last < length && same(last))
        ++last;
    return {start + first, start + last};
}

TRange SelectedColumns(const TMemo& memo, int line) {
    if (line < 0 || line >= memo.LineCount())
        return {};
    const int lineStart = memo.LineIndex(line);
    const int selStart = memo.SelStart();
    const int selEnd = selStart + memo.SelLength();
    const int first = std::max(selStart - lineStart, 0);
    const int last = std::min(selEnd - lineStart, memo.LineLength(line));
    if (first >= last)
        return {};
    return {first, last};
}

int ScrolledToShow(int first, int visible, int target) {
    visible = std::max(visible, 1);
    if (target < first)
        return target;
    if (target >= first + visible)
        return target - visible + 1;
    return first;
}

int ClampedScroll(int first, int visible, int total) {
    return std::clamp(first, 0, std::max(total - visible, 0));
}

std::u16string DisplayText(std::u16string_view line, int first, int count, bool mapGlyphs) {
    const int size = static_cast<int>(line.size());
    first = std::clamp(first, 0, size);
    count = std::clamp(count, 0, size - first);
    std::u16string text(
        line.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
    if (mapGlyphs)
        std::transform(text.begin(), text.end(), text.begin(), DosGlyphOfAnsi);
    return text;
}

} // namespace typ
