#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace typ {

// The INI text of Log.Ini, read into memory: lines trimmed, empty lines and
// lines beginning with ";" skipped, "[name]" opening a section, other lines
// belonging to the current one (none before the first section). Section and
// key names compare without regard to letter case. A section that appears
// twice is one section: the lines of both, in file order.
class TIniFile {
public:
    using TKeyValue = std::pair<std::u16string, std::u16string>;

    explicit TIniFile(std::u16string_view text);

    bool SectionExists(std::u16string_view name) const;
    // The section's keys in file order, trimmed key and value of each line that
    // holds an "="; lines without one contribute nothing.
    std::vector<TKeyValue> SectionValues(std::u16string_view name) const;

private:
    // Adds a line to the current section, or makes a "[name]" line's section current.
    void AddLine(std::u16string_view line, std::vector<std::u16string>*& current);

    // Lines by lower-case section name.
    std::unordered_map<std::u16string, std::vector<std::u16string>> FSections;
};

} // namespace typ
