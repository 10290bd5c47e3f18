#pragma once

#include <string>

namespace typ::win {

// The server's own executable file, as the registration needs it.
std::wstring ModuleFileName();
std::wstring LongPathOf(const std::wstring& path);
std::wstring ShortPathOf(const std::wstring& path);
// The folder of a file, without a trailing delimiter.
std::wstring DirectoryOf(const std::wstring& path);

} // namespace typ::win
