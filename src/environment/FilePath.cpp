#include "environment/FilePath.h"

namespace typ {
namespace {

#ifdef _WIN32
constexpr std::u16string_view kNameDelimiters = u"\\/:";
#else
constexpr std::u16string_view kNameDelimiters = u"/";
#endif

std::size_t NameStart(std::u16string_view path) {
    const std::size_t last = path.find_last_of(kNameDelimiters);
    return last == std::u16string_view::npos ? 0 : last + 1;
}

} // namespace

std::u16string IncludeTrailingPathDelimiter(std::u16string_view path) {
    std::u16string result(path);
    if (result.empty() || result.back() != kPathDelim)
        result += kPathDelim;
    return result;
}

std::u16string ExtractFileName(std::u16string_view path) {
    return std::u16string(path.substr(NameStart(path)));
}

std::u16string ExtractFilePath(std::u16string_view path) {
    return std::u16string(path.substr(0, NameStart(path)));
}

std::u16string ChangeFileExt(std::u16string_view path, std::u16string_view extension) {
    const std::size_t start = NameStart(path);
    const std::size_t dot = path.find_last_of(u'.');
    const std::size_t end = dot != std::u16string_view::npos && dot >= start ? dot : path.size();
    return std::u16string(path.substr(0, end)).append(extension);
}

} // namespace typ
