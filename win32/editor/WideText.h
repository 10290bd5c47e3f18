#pragma once

#include <string>
#include <string_view>

// Text at the platform boundary: the core's UTF-16 strings are the platform's
// wide strings; error messages travel as UTF-8.
namespace typ::win {

std::wstring Wide(std::u16string_view text);
std::u16string Utf16(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

} // namespace typ::win
