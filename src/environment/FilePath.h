#pragma once

#include <string>
#include <string_view>

namespace typ {

// The platform's folder separator: a backslash on Windows, a slash elsewhere.
#ifdef _WIN32
inline constexpr char16_t kPathDelim = u'\\';
#else
inline constexpr char16_t kPathDelim = u'/';
#endif

// Adds the separator when the path does not end with one (an empty path
// becomes the separator alone).
std::u16string IncludeTrailingPathDelimiter(std::u16string_view path);
// The part after the last separator (or drive colon on Windows).
std::u16string ExtractFileName(std::u16string_view path);
// The part up to and including the last separator (or drive colon on Windows).
std::u16string ExtractFilePath(std::u16string_view path);
// The name with its extension (from the last dot of the name) replaced;
// a name without extension gets it appended.
std::u16string ChangeFileExt(std::u16string_view path, std::u16string_view extension);

} // namespace typ
