#include "dialogs/CaptionMatch.h"

#include <algorithm>

namespace typ::dialogs {
namespace {

// Upper case of ASCII and of the Latin-1 letters; the multiplication sign
// (U+00D7) and the division sign (U+00F7) have no case.
char16_t Folded(char16_t c) {
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<char16_t>(c - 0x20);
    return c;
}

} // namespace

bool SameCaption(std::u16string_view caption, std::u16string_view reference) {
    return std::ranges::equal(
        caption, reference, [](char16_t a, char16_t b) { return Folded(a) == Folded(b); });
}

} // namespace typ::dialogs
