#include "RecordText.h"

#include <vector>

namespace typ::dbl {
namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    while (!text.empty())
        lines.emplace_back(NextRecordLine(text));
    return lines;
}

bool SameKey(std::u16string_view a, std::u16string_view b) {
    return UpperAscii(a) == UpperAscii(b);
}

std::u16string Join(const std::vector<std::u16string>& lines) {
    std::u16string text;
    for (const std::u16string& line : lines) {
        if (!text.empty())
            text += kLineBreak;
        text += line;
    }
    return text;
}

} // namespace

std::u16string_view NextRecordLine(std::u16string_view& text) {
    const std::size_t end = text.find(u'\n');
    std::u16string_view line = text.substr(0, end);
    text = end == std::u16string_view::npos ? std::u16string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == u'\r')
        line.remove_suffix(1);
    return line;
}

std::u16string_view RecordLineKey(std::u16string_view line) {
    const std::size_t equals = line.find(u'=');
    return equals == std::u16string_view::npos ? std::u16string_view() : line.substr(0, equals);
}

std::u16string UpperAscii(std::u16string_view text) {
    std::u16string upper(text);
    for (char16_t& c : upper)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    return upper;
}

bool HasRecordKey(std::u16string_view record, std::u16string_view key) {
    while (!record.empty()) {
        const std::u16string_view line = NextRecordLine(record);
        if (line.find(u'=') != std::u16string_view::npos && SameKey(RecordLineKey(line), key))
            return true;
    }
    return false;
}

std::u16string RecordValue(std::u16string_view record, std::u16string_view key) {
    while (!record.empty()) {
        const std::u16string_view line = NextRecordLine(record);
        if (line.find(u'=') != std::u16string_view::npos && SameKey(RecordLineKey(line), key))
            return std::u16string(line.substr(line.find(u'=') + 1));
    }
    return {};
}

std::u16string MergeRecordLines(std::u16string_view record, std::u16string_view changes) {
    std::vector<std::u16string> lines = SplitLines(record);
    for (const std::u16string& change : SplitLines(changes)) {
        if (change.find(u'=') == std::u16string::npos)
            continue;
        bool replaced = false;
        for (std::u16string& line : lines) {
            if (line.find(u'=') != std::u16string::npos &&
                SameKey(RecordLineKey(line), RecordLineKey(change))) {
                line = change;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            lines.push_back(change);
    }
    return Join(lines);
}

} // namespace typ::dbl
