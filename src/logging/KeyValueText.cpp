#include "logging/KeyValueText.h"

#include "environment/StrUtils.h"

#include <vector>

namespace typ {
namespace {

bool HasName(std::u16string_view line, std::u16string_view key) {
    const std::size_t equals = line.find(u'=');
    return equals != std::u16string_view::npos && SameText(line.substr(0, equals), key);
}

} // namespace

std::optional<std::u16string> FindKeyValue(std::u16string_view text, std::u16string_view key) {
    for (const auto& line : SplitLines(text))
        if (HasName(line, key))
            return line.substr(line.find(u'=') + 1);
    return std::nullopt;
}

std::u16string KeyValue(std::u16string_view text, std::u16string_view key) {
    return FindKeyValue(text, key).value_or(u"");
}

std::u16string SetKeyValue(std::u16string_view text, std::u16string_view key,
                           std::u16string_view value) {
    std::vector<std::u16string> lines = SplitLines(text);
    const std::u16string line = std::u16string(key) + u"=" + std::u16string(value);
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (HasName(*it, key)) {
            if (value.empty())
                lines.erase(it);
            else
                *it = line;
            return JoinLines(lines);
        }
    }
    if (!value.empty())
        lines.push_back(line);
    return JoinLines(lines);
}

int ParseInteger(std::u16string_view value, int defaultValue) {
    return StrToInt(value).value_or(defaultValue);
}

bool ParseBoolean(std::u16string_view value, bool defaultValue) {
    if (const auto number = StrToInt(value))
        return *number != 0;
    if (SameText(value, u"true"))
        return true;
    if (SameText(value, u"false"))
        return false;
    return defaultValue;
}

} // namespace typ
