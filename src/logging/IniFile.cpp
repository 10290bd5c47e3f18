#include "logging/IniFile.h"

#include "environment/StrUtils.h"

namespace typ {

TIniFile::TIniFile(std::u16string_view text) {
    std::vector<std::u16string>* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos)
            end = text.size();
        AddLine(text.substr(start, end - start), current);
        start = end + 1;
        if (end < text.size() && text[end] == u'\r' && start < text.size() && text[start] == u'\n')
            ++start;
    }
}

void TIniFile::AddLine(std::u16string_view raw, std::vector<std::u16string>*& current) {
    const std::u16string line = Trim(raw);
    if (line.empty() || line.front() == u';')
        return;
    if (line.front() == u'[' && line.back() == u']') {
        const std::u16string name = Trim(std::u16string_view(line).substr(1, line.size() - 2));
        current = &FSections[LowerCase(name)];
        return;
    }
    if (current != nullptr)
        current->push_back(line);
}

bool TIniFile::SectionExists(std::u16string_view name) const {
    return FSections.contains(LowerCase(name));
}

std::vector<TIniFile::TKeyValue> TIniFile::SectionValues(std::u16string_view name) const {
    std::vector<TKeyValue> values;
    const auto section = FSections.find(LowerCase(name));
    if (section == FSections.end())
        return values;
    for (const auto& line : section->second) {
        const std::size_t equals = line.find(u'=');
        if (equals != std::u16string::npos) {
            values.emplace_back(Trim(std::u16string_view(line).substr(0, equals)),
                                Trim(std::u16string_view(line).substr(equals + 1)));
        }
    }
    return values;
}

} // namespace typ
