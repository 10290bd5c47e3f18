#pragma once

#include <string>
#include <string_view>

// Lower-casing as the Windows text functions do it, one UTF-16 unit for one,
// so offsets in a lower-cased copy are offsets in the original. It covers the
// scripts a template can hold (Windows-1252 text) and their neighbours: ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic; other characters are kept.
namespace typ {

char16_t WinLowerChar(char16_t c);
std::u16string WinLowerText(std::u16string_view text);

} // namespace typ
