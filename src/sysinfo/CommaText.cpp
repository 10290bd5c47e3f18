#include "sysinfo/CommaText.h"

#include "environment/StrUtils.h"

#include <optional>

namespace typ {
namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';

bool IsSeparatorBlank(char16_t c) {
    return c > 0 && c <= u' ';
}

std::size_t SkipBlanks(std::u16string_view text, std::size_t at) {
    while (at < text.size() && IsSeparatorBlank(text[at]))
        ++at;
    return at;
}

// The quoted item starting at the quote; `at` ends after its closing quote
// (or at the end of the text when there is none).
std::u16string QuotedItem(std::u16string_view text, std::size_t& at) {
    std::u16string item;
    ++at;
    while (at < text.size() && text[at] != 0) {
        if (text[at] == kQuote) {
            if (at + 1 < text.size() && text[at + 1] == kQuote) {
                item.push_back(kQuote);
                at += 2;
                continue;
            }
            ++at;
            break;
        }
        item.push_back(text[at++]);
    }
    return item;
}

std::u16string PlainItem(std::u16string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && text[at] > u' ' && text[at] != kComma)
        ++at;
    return std::u16string(text.substr(start, at - start));
}

std::optional<std::size_t> IndexOfName(const std::vector<std::u16string>& items,
                                       std::u16string_view key) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::size_t separator = items[i].find(u'=');
        if (separator != std::u16string::npos &&
            SameText(std::u16string_view(items[i]).substr(0, separator), key))
            return i;
    }
    return std::nullopt;
}

bool NeedsQuotes(std::u16string_view item) {
    if (item.empty())
        return true;
    for (const char16_t c : item)
        if (c <= u' ' || c == kQuote || c == kComma)
            return true;
    return false;
}

} // namespace

std::vector<std::u16string> SplitCommaText(std::u16string_view text) {
    const std::size_t end = text.find(char16_t{0});
    if (end != std::u16string_view::npos)
        text = text.substr(0, end);
    std::vector<std::u16string> items;
    std::size_t at = SkipBlanks(text, 0);
    while (at < text.size()) {
        items.push_back(text[at] == kQuote ? QuotedItem(text, at) : PlainItem(text, at));
        at = SkipBlanks(text, at);
        if (at < text.size() && text[at] == kComma) {
            if (at + 1 == text.size())
                items.emplace_back();
            at = SkipBlanks(text, at + 1);
        }
    }
    return items;
}

std::u16string JoinCommaText(const std::vector<std::u16string>& items) {
    std::u16string text;
    for (const std::u16string& item : items) {
        if (!text.empty())
            text.push_back(kComma);
        if (!NeedsQuotes(item)) {
            text += item;
            continue;
        }
        text.push_back(kQuote);
        text += ReplaceAll(item, u"\"", u"\"\"");
        text.push_back(kQuote);
    }
    return text;
}

std::u16string CommaTextValue(const std::vector<std::u16string>& items, std::u16string_view key) {
    const std::optional<std::size_t> index = IndexOfName(items, key);
    return index ? items[*index].substr(items[*index].find(u'=') + 1) : std::u16string();
}

void SetCommaTextValue(std::vector<std::u16string>& items, std::u16string_view key,
                       std::u16string_view value) {
    const std::optional<std::size_t> index = IndexOfName(items, key);
    if (value.empty()) {
        if (index)
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(*index));
        return;
    }
    std::u16string item = std::u16string(key) + u"=" + std::u16string(value);
    if (index)
        items[*index] = std::move(item);
    else
        items.push_back(std::move(item));
}

} // namespace typ
