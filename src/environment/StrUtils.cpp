#include "environment/StrUtils.h"

#include <climits>

namespace typ {

std::u16string Trim(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] <= u' ')
        ++first;
    while (last > first && text[last - 1] <= u' ')
        --last;
    return std::u16string(text.substr(first, last - first));
}

bool IsBlank(std::u16string_view text) {
    for (const char16_t c : text)
        if (c > u' ')
            return false;
    return true;
}

char16_t LowerChar(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char16_t>(c + 0x20);
    switch (c) {
    case 0x0152: // Œ
    case 0x0160: // Š
    case 0x017D: // Ž
        return static_cast<char16_t>(c + 1);
    case 0x0178: // Ÿ
        return 0x00FF;
    default:
        return c;
    }
}

std::u16string LowerCase(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower)
        c = LowerChar(c);
    return lower;
}

bool SameText(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerChar(a[i]) != LowerChar(b[i]))
            return false;
    return true;
}

std::size_t FindText(std::u16string_view text, std::u16string_view what, std::size_t from) {
    if (what.size() > text.size())
        return std::u16string_view::npos;
    for (std::size_t i = from; i + what.size() <= text.size(); ++i)
        if (SameText(text.substr(i, what.size()), what))
            return i;
    return std::u16string_view::npos;
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to) {
    if (from.empty())
        return std::u16string(text);
    std::u16string result;
    std::size_t start = 0;
    for (std::size_t hit = text.find(from); hit != std::u16string_view::npos;
         hit = text.find(from, start)) {
        result.append(text.substr(start, hit - start)).append(to);
        start = hit + from.size();
    }
    return result.append(text.substr(start));
}

std::u16string RemoveChar(std::u16string_view text, char16_t c) {
    std::u16string result;
    for (const char16_t ch : text)
        if (ch != c)
            result += ch;
    return result;
}

std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == u'\r' && start < text.size() && text[start] == u'\n')
            ++start;
    }
    return lines;
}

std::u16string JoinLines(const std::vector<std::u16string>& lines) {
    std::u16string text;
    for (const auto& line : lines)
        text.append(line).append(u"\r\n");
    return text;
}

std::u16string IntToStr(long long value) {
    return Ascii(std::to_string(value));
}

std::optional<int> StrToInt(std::u16string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+'))
        ++i;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        value = value * 10 + (text[i] - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

std::u16string Ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

} // namespace typ
