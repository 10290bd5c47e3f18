#pragma once

#include <string_view>

namespace typ::win {

// Writes text to standard output or standard error: as wide text to a console,
// as UTF-8 to a file, a pipe or a terminal under a foreign system.
void WriteOut(std::wstring_view text);
void WriteError(std::wstring_view text);

} // namespace typ::win
