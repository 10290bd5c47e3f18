#include "editor/WordDelimiters.h"

#include "charconv/CodePage850.h"
#include "charconv/Windows1252.h"

namespace typ {

namespace {

bool IsLatinLetter(char16_t c) {
    return (c >= u'\u00C0' && c <= u'\u00FF' && c != u'\u00D7' && c != u'\u00F7') ||
           c == u'\u00AA' || c == u'\u00BA' || c == u'\u00B5' || c == u'\u0131' || c == u'\u0192';
}

bool IsWordCharacter(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'\u00B9' || c == u'\u00B2' || c == u'\u00B3' || IsLatinLetter(c);
}

TWordDelimiters BuildDelimiters() {
    TWordDelimiters delimiters;
    for (std::size_t code = 0; code < delimiters.size(); ++code) {
        const auto byte = Windows1252Table().Byte(static_cast<char16_t>(code));
        delimiters[code] = !byte || !IsWordCharacter(CodePage850Table().Char(*byte));
    }
    return delimiters;
}

} // namespace

const TWordDelimiters& WordDelimiters() {
    static const TWordDelimiters delimiters = BuildDelimiters();
    return delimiters;
}

} // namespace typ
