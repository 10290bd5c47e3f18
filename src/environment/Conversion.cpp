#include "environment/Conversion.h"

#include "charconv/UnicodeBytes.h"
#include "environment/StrUtils.h"

#include <optional>

namespace typ {
namespace {

[[noreturn]] void RaiseInvalid(std::u16string_view text, const char* what) {
    throw EConvertError("'" + EncodeUtf8(text) + "' is not a valid " + what + " value");
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Whether a decimal number (sign, digits, optional fraction) is non-zero;
// none when the text is no such number.
std::optional<bool> NonZeroNumber(std::u16string_view text) {
    std::size_t i = !text.empty() && (text[0] == u'-' || text[0] == u'+') ? 1 : 0;
    bool digits = false;
    bool nonZero = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'.' && !point) {
            point = true;
        } else if (IsDigit(c)) {
            digits = true;
            nonZero = nonZero || c != u'0';
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return nonZero;
}

} // namespace

int ConvertToInteger(std::u16string_view text) {
    const std::optional<int> value = StrToInt(text);
    if (!value)
        RaiseInvalid(text, "integer");
    return *value;
}

bool ConvertToBoolean(std::u16string_view text) {
    if (SameText(text, u"True"))
        return true;
    if (SameText(text, u"False"))
        return false;
    const std::optional<bool> number = NonZeroNumber(text);
    if (!number)
        RaiseInvalid(text, "boolean");
    return *number;
}

} // namespace typ
