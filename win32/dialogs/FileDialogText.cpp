#include "dialogs/FileDialogText.h"

#include <algorithm>

namespace typ::win {
namespace {

std::wstring PartAt(const std::vector<wchar_t>& buffer, std::size_t start) {
    const auto begin = buffer.begin() + static_cast<std::ptrdiff_t>(start);
    return std::wstring(begin, std::find(begin, buffer.end(), L'\0'));
}

std::wstring Joined(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || folder.back() == L'\\')
        return folder + name;
    return folder + L'\\' + name;
}

} // namespace

std::wstring FilterList(std::wstring_view filter) {
    std::wstring list(filter);
    std::replace(list.begin(), list.end(), L'|', L'\0');
    list.push_back(L'\0');
    return list; // c_str() adds the list's final null character
}

std::vector<std::wstring> ChosenFiles(const std::vector<wchar_t>& buffer, std::size_t fileOffset) {
    if (buffer.empty() || buffer.front() == L'\0')
        return {};
    const std::wstring first = PartAt(buffer, 0);
    if (fileOffset <= first.size())
        return {first};
    std::vector<std::wstring> files;
    for (std::size_t at = first.size() + 1; at < buffer.size() && buffer[at] != L'\0';) {
        const std::wstring name = PartAt(buffer, at);
        files.push_back(Joined(first, name));
        at += name.size() + 1;
    }
    return files;
}

} // namespace typ::win
