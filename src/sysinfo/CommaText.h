#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace typ {

// Comma-separated lists as record values hold them: commas and blanks (any
// character up to U+0020) separate items, double quotes group (a doubled
// quote inside stands for one), and a comma at the very end adds an empty
// item. The list ends at a NUL character.
std::vector<std::u16string> SplitCommaText(std::u16string_view text);

// The items joined by commas; an item that is empty or holds a blank, a
// comma or a double quote is quoted, so that splitting gives it back.
std::u16string JoinCommaText(const std::vector<std::u16string>& items);

// The value after "=" of the first item whose name is the key (letter case
// ignored); empty when none.
std::u16string CommaTextValue(const std::vector<std::u16string>& items, std::u16string_view key);

// Sets the key's item to key=value (or appends it); an empty value removes it.
void SetCommaTextValue(std::vector<std::u16string>& items, std::u16string_view key,
                       std::u16string_view value);

} // namespace typ
