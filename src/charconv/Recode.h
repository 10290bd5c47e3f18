#pragma once

#include <string>

namespace typ {

// Each Windows-1252 byte -> the code page 850 byte of the same character, or
// of a best-fit substitute where code page 850 lacks it.
std::string RecodeWindows1252ToDos(std::string bytes);

// Each code page 850 byte -> the Windows-1252 byte of the same character, or
// of a best-fit substitute where Windows-1252 lacks it.
std::string RecodeDosToWindows1252(std::string bytes);

} // namespace typ
