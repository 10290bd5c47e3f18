#include "GridShape.h"

#include <string_view>
#include <vector>

namespace typ::test {

namespace {

std::vector<std::u16string_view> SplitAtLineBreaks(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    for (;;) {
        const auto pos = text.find(u"\r\n");
        lines.push_back(text.substr(0, pos));
        if (pos == std::u16string_view::npos)
            return lines;
        text.remove_prefix(pos + 2);
    }
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

std::string LineFault(std::u16string_view line, int width) {
    if (static_cast<int>(line.size()) != width)
        return "has " + std::to_string(line.size()) + " characters";
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == u'\r' || line[i] == u'\n')
            return "has a lone " + std::string(line[i] == u'\r' ? "CR" : "LF") + " at column " +
                   std::to_string(i);
        if (i + 1 < line.size() && IsHighSurrogate(line[i]) && IsLowSurrogate(line[i + 1]))
            return "has a surrogate pair at column " + std::to_string(i);
    }
    return {};
}

} // namespace

std::string GridShapeFault(const TMemo& memo, int width, int lines) {
    const std::u16string text = memo.Text();
    const std::string page =
        " (page of " + std::to_string(width) + " x " + std::to_string(lines) + ")";
    if (lines == 0)
        return text.empty() ? std::string() : "text left on a page of no lines" + page;
    const auto found = SplitAtLineBreaks(text);
    if (static_cast<int>(found.size()) != lines)
        return std::to_string(found.size()) + " lines" + page;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const std::string fault = LineFault(found[i], width);
        if (!fault.empty())
            return "line " + std::to_string(i) + " " + fault + page;
    }
    return {};
}

} // namespace typ::test
