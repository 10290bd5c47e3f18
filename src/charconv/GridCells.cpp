#include "charconv/GridCells.h"

#include "charconv/Surrogates.h"

namespace typ {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

bool IsBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

bool Changes(char16_t c) {
    return IsBreak(c) || IsSurrogate(c);
}

} // namespace

// The runs that need no change are copied whole: a template can be tens of
// megabytes.
std::u16string GridCellText(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0'));
    std::u16string result;
    result.reserve(text.size() + text.size() / 8);
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (!Changes(c))
            continue;
        result.append(text.substr(runStart, i - runStart));
        const bool pairs =
            i + 1 < text.size() && ((c == u'\r' && text[i + 1] == u'\n') ||
                                    (IsHighSurrogate(c) && IsLowSurrogate(text[i + 1])));
        if (IsBreak(c))
            result.append(kLineBreak);
        else
            result += kNoDosChar;
        if (pairs)
            ++i;
        runStart = i + 1;
    }
    result.append(text.substr(runStart));
    return result;
}

char16_t GridCell(char16_t c) {
    return IsSurrogate(c) ? kNoDosChar : c;
}

} // namespace typ
