#pragma once

#include <string>
#include <string_view>

namespace typ::dbl {

// Record texts as the service keeps them: lines of key, "=" and value joined
// by CR LF; keys compare without regard to (ASCII) letter case.

// Whether a line of the record has the key.
bool HasRecordKey(std::u16string_view record, std::u16string_view key);

// The value of the key's line (after the first "="); empty when missing.
std::u16string RecordValue(std::u16string_view record, std::u16string_view key);

// The record with the changes' lines merged in: a line whose key the record
// has replaces that line, any other line is appended. Lines without "=" are
// ignored; a line may end in CR LF or LF alone.
std::u16string MergeRecordLines(std::u16string_view record, std::u16string_view changes);

// The key of a "key=value" line; empty when the line has no "=".
std::u16string_view RecordLineKey(std::u16string_view line);

// The lines of a text split at LF, each without its line break (CR LF or LF);
// no empty last line for a text that ends in a line break.
std::u16string_view NextRecordLine(std::u16string_view& text);

// ASCII upper case, for keys and installation numbers.
std::u16string UpperAscii(std::u16string_view text);

} // namespace typ::dbl
