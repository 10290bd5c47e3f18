#include "environment/Format.h"

#include "environment/StrUtils.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace typ {
namespace {

struct TDirective {
    bool LeftAlign = false;
    std::optional<std::size_t> Width;
    std::optional<std::size_t> Precision;
    char16_t Type = 0;
};

[[noreturn]] void Invalid(std::u16string_view format) {
    throw EConvertError("El formato '" + std::string(format.begin(), format.end()) +
                        "' no es válido o no corresponde a sus argumentos");
}

class TFormatter {
public:
    TFormatter(std::u16string_view format, std::initializer_list<TFormatArg> args)
        : FFormat(format), FArgs(args) {}

    std::u16string Run() {
        std::u16string out;
        while (FPos < FFormat.size()) {
            const char16_t c = FFormat[FPos++];
            if (c != u'%') {
                out += c;
            } else if (FPos < FFormat.size() && FFormat[FPos] == u'%') {
                out += u'%';
                ++FPos;
            } else {
                out += Directive();
            }
        }
        return out;
    }

private:
    std::optional<std::size_t> Number() {
        std::optional<std::size_t> value;
        while (FPos < FFormat.size() && FFormat[FPos] >= u'0' && FFormat[FPos] <= u'9') {
            value = value.value_or(0) * 10 + static_cast<std::size_t>(FFormat[FPos++] - u'0');
            if (*value > 0xFFFF)
                Invalid(FFormat);
        }
        return value;
    }

    TDirective Parse() {
        TDirective directive;
        std::optional<std::size_t> number = Number();
        if (number && FPos < FFormat.size() && FFormat[FPos] == u':') {
            FNext = *number;
            ++FPos;
            number.reset();
        }
        if (!number && FPos < FFormat.size() && FFormat[FPos] == u'-') {
            directive.LeftAlign = true;
            ++FPos;
        }
        directive.Width = number ? number : Number();
        if (FPos < FFormat.size() && FFormat[FPos] == u'.') {
            ++FPos;
            directive.Precision = Number().value_or(0);
        }
        if (FPos >= FFormat.size())
            Invalid(FFormat);
        directive.Type = LowerChar(FFormat[FPos++]);
        return directive;
    }

    const TFormatArg& NextArg() {
        if (FNext >= FArgs.size())
            Invalid(FFormat);
        return FArgs.begin()[FNext++];
    }

    std::int64_t Integer() {
        const auto* value = std::get_if<std::int64_t>(&NextArg().Value());
        if (value == nullptr)
            Invalid(FFormat);
        return *value;
    }

    std::u16string Text(const TDirective& directive) {
        const auto* value = std::get_if<std::u16string>(&NextArg().Value());
        if (value == nullptr)
            Invalid(FFormat);
        return directive.Precision ? value->substr(0, *directive.Precision) : *value;
    }

    static std::u16string Digits(std::uint64_t value, unsigned base) {
        std::u16string digits;
        do {
            digits.insert(digits.begin(), u"0123456789ABCDEF"[value % base]);
            value /= base;
        } while (value != 0);
        return digits;
    }

    static std::u16string Padded(std::u16string digits, const TDirective& directive) {
        if (directive.Precision && digits.size() < *directive.Precision)
            digits.insert(0, *directive.Precision - digits.size(), u'0');
        return digits;
    }

    std::u16string Value(const TDirective& directive) {
        switch (directive.Type) {
        case u'd': {
            const std::int64_t value = Integer();
            const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value)
                                                      : static_cast<std::uint64_t>(value);
            return (value < 0 ? u"-" : u"") + Padded(Digits(magnitude, 10), directive);
        }
        case u'u':
            return Padded(Digits(static_cast<std::uint32_t>(Integer()), 10), directive);
        case u'x': {
            // Negative numbers print as 32-bit two's complement, like the system's integers.
            const std::int64_t value = Integer();
            const std::uint64_t bits = value < 0 && value >= INT32_MIN
                                           ? static_cast<std::uint32_t>(value)
                                           : static_cast<std::uint64_t>(value);
            return Padded(Digits(bits, 16), directive);
        }
        case u's':
            return Text(directive);
        default:
            Invalid(FFormat);
        }
    }

    std::u16string Directive() {
        const TDirective directive = Parse();
        std::u16string value = Value(directive);
        if (directive.Width && value.size() < *directive.Width) {
            const std::u16string fill(*directive.Width - value.size(), u' ');
            value = directive.LeftAlign ? value + fill : fill + value;
        }
        return value;
    }

    std::u16string_view FFormat;
    std::initializer_list<TFormatArg> FArgs;
    std::size_t FPos = 0;
    std::size_t FNext = 0;
};

} // namespace

std::u16string Format(std::u16string_view format, std::initializer_list<TFormatArg> args) {
    return TFormatter(format, args).Run();
}

} // namespace typ
