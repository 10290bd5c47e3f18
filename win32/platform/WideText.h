#pragma once

#include <windows.h>
#include <string>
#include <string_view>

// Text at the platform boundary: the core's UTF-16 strings are the platform's
// wide strings; error messages travel as UTF-8.
namespace typ::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// A core text as a wide string. It also converts to the null-terminated
// pointer that API calls take, which lives as long as the value: pass it
// straight to the call, and keep a std::wstring to hold the text longer.
class TWideText : public std::wstring {
public:
    using std::wstring::wstring;
    operator const wchar_t*() const noexcept { return c_str(); }
};

inline TWideText Wide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

inline std::u16string Utf16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

inline std::u16string FromWide(const wchar_t* text, std::size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string FromWide(const wchar_t* text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}

inline std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

} // namespace typ::win
