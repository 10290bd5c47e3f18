#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace typ {

// Key=value text, as the log objects pass their configuration around: lines
// split at CR LF, CR or LF; a key's line is the first whose part before its
// first "=" equals the key, letter case ignored; nothing is trimmed.

// The rest of the key's line after the "="; none when no line has the key.
std::optional<std::u16string> FindKeyValue(std::u16string_view text, std::u16string_view key);
// As FindKeyValue, with an empty value for a missing key.
std::u16string KeyValue(std::u16string_view text, std::u16string_view key);
// The text with the key's line replaced, or added at the end when missing;
// an empty value removes the line. Every line ends with CR LF.
std::u16string SetKeyValue(std::u16string_view text, std::u16string_view key,
                           std::u16string_view value);

// Decimal integers; the default for anything else.
int ParseInteger(std::u16string_view value, int defaultValue);
// A number (true when not 0), "true" or "false" in any letter case; the
// default for anything else.
bool ParseBoolean(std::u16string_view value, bool defaultValue);

} // namespace typ
