#pragma once

#include "environment/ConvertError.h"

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace typ {

// One argument of Format: a whole number or a text.
class TFormatArg {
public:
    template <typename T>
    requires std::is_integral_v<T> TFormatArg(T value) : FValue(static_cast<std::int64_t>(value)) {}
    TFormatArg(std::u16string_view value) : FValue(std::u16string(value)) {}
    TFormatArg(const char16_t* value) : FValue(std::u16string(value)) {}
    TFormatArg(const std::u16string& value) : FValue(value) {}

    const std::variant<std::int64_t, std::u16string>& Value() const { return FValue; }

private:
    std::variant<std::int64_t, std::u16string> FValue;
};

// The system's text formatting: directives "%" [index ":"] ["-"] [width]
// ["." precision] type, with the types d (decimal; the precision is the least
// number of digits), u (unsigned decimal), x (upper-case hexadecimal) and s
// (text; the precision is the most characters taken), and "%%" for a percent
// sign. Raises EConvertError for an unknown type, a missing argument or an
// argument of the wrong kind.
std::u16string Format(std::u16string_view format, std::initializer_list<TFormatArg> args);

} // namespace typ
