#include "sysinfo/SysInfoLines.h"

#include "environment/StrUtils.h"

namespace typ {

void TSysInfoLines::SetText(std::u16string_view text) {
    FEntries = SplitLines(text);
}

std::u16string TSysInfoLines::Text() const {
    return JoinLines(FEntries);
}

std::u16string_view TSysInfoLines::KeyOf(std::u16string_view entry) {
    const std::size_t separator = entry.find(u'=');
    return separator == std::u16string_view::npos ? std::u16string_view()
                                                  : entry.substr(0, separator);
}

std::optional<std::size_t> TSysInfoLines::IndexOfKey(std::u16string_view key) const {
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        const std::u16string_view entry = FEntries[i];
        if (entry.find(u'=') != std::u16string_view::npos && SameText(KeyOf(entry), key))
            return i;
    }
    return std::nullopt;
}

std::u16string TSysInfoLines::Value(std::u16string_view key) const {
    const std::optional<std::size_t> index = IndexOfKey(key);
    if (!index)
        return {};
    const std::u16string& entry = FEntries[*index];
    return entry.substr(entry.find(u'=') + 1);
}

void TSysInfoLines::SetValue(std::u16string_view key, std::u16string_view value) {
    const std::optional<std::size_t> index = IndexOfKey(key);
    if (value.empty()) {
        if (index)
            FEntries.erase(FEntries.begin() + static_cast<std::ptrdiff_t>(*index));
        return;
    }
    std::u16string entry = std::u16string(key) + u"=" + std::u16string(value);
    if (index)
        FEntries[*index] = std::move(entry);
    else
        FEntries.push_back(std::move(entry));
}

} // namespace typ
