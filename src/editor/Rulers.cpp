#include "editor/Rulers.h"

#include <algorithm>
#include <string>

namespace typ {

namespace {

constexpr int kBlock = 10;

char16_t NumberChar(int column) {
    const std::string number = std::to_string((column / kBlock + 1) * kBlock);
    const int blanks = kBlock - static_cast<int>(number.size());
    const int inBlock = column % kBlock;
    return inBlock < blanks
               ? u' '
               : static_cast<char16_t>(number[static_cast<std::size_t>(inBlock - blanks)]);
}

char16_t MarkChar(int column) {
    return column % 5 == 4 ? u'\u00B3' : u' ';
}

} // namespace

std::u16string BuildHorizontalRuler(int row, int width, int first, int count) {
    const int last = std::min(width, first + std::max(count, 0));
    std::u16string text;
    for (int column = std::max(first, 0); column < last; ++column)
        text += row == 0 ? NumberChar(column) : MarkChar(column);
    return text;
}

std::u16string_view VerticalRulerLine(int line) {
    if (line % 10 == 0)
        return u" \u00C4\u00C4";
    if (line % 10 == 5)
        return u"  \u00C4";
    return u"   ";
}

} // namespace typ
