#include "editor/PageSize.h"

#include <algorithm>
#include <optional>

namespace typ {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The number, saturated far beyond any page limit so that no digit string
// overflows; nothing when the text is not a whole number.
std::optional<long long> WholeNumber(std::u16string_view text) {
    constexpr long long kSaturation = 1'000'000'000LL;
    text = Trimmed(text);
    const bool negative = !text.empty() && text.front() == u'-';
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+'))
        text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    long long value = 0;
    for (const char16_t digit : text)
        value = std::min(value * 10 + (digit - u'0'), kSaturation);
    return negative ? -value : value;
}

} // namespace

int PageFieldValue(std::u16string_view text, int maximum) {
    const std::optional<long long> number = WholeNumber(text);
    if (!number)
        return kPageFieldMinimum;
    return static_cast<int>(std::clamp<long long>(*number, kPageFieldMinimum, maximum));
}

TPageSize AcceptedPageSize(std::u16string_view widthText, std::u16string_view heightText) {
    return {PageFieldValue(widthText, kPageWidthMaximum),
            PageFieldValue(heightText, kPageHeightMaximum)};
}

} // namespace typ
