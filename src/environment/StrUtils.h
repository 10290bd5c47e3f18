#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace typ {

// Without leading and trailing blanks and control characters (<= U+0020).
std::u16string Trim(std::u16string_view text);
bool IsBlank(std::u16string_view text);

// Letter case of the Latin letters of the ANSI code page (ASCII, Latin-1 and
// the Windows-1252 extras), which is what names in the system's files use.
char16_t LowerChar(char16_t c);
std::u16string LowerCase(std::u16string_view text);
bool SameText(std::u16string_view a, std::u16string_view b);
// Position of what in text at or after from, letter case ignored; npos if absent.
std::size_t FindText(std::u16string_view text, std::u16string_view what, std::size_t from = 0);

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to);
std::u16string RemoveChar(std::u16string_view text, char16_t c);

// Lines split at CR LF, CR or LF; a break at the very end starts no line.
std::vector<std::u16string> SplitLines(std::u16string_view text);
// Each line followed by CR LF.
std::u16string JoinLines(const std::vector<std::u16string>& lines);

std::u16string IntToStr(long long value);
// A decimal 32-bit integer with an optional sign; none for anything else.
std::optional<int> StrToInt(std::u16string_view text);

// ASCII text as UTF-16.
std::u16string Ascii(std::string_view text);

} // namespace typ
