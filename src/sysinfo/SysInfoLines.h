#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace typ {

// The line list of a record: entries of key, "=" and value (the first "="
// separates), looked up by key without regard to letter case, the first
// matching entry winning. An entry without "=" has no key and is kept as it
// is. An entry may hold line breaks of its own (a fetched text appended
// whole); the text joins the entries with CR LF.
class TSysInfoLines {
public:
    TSysInfoLines() = default;
    explicit TSysInfoLines(std::u16string_view text) { SetText(text); }

    // The text split into entries at CR LF, and at a lone CR or LF as well.
    void SetText(std::u16string_view text);
    // The entries, each followed by CR LF.
    std::u16string Text() const;

    std::size_t Count() const { return FEntries.size(); }
    const std::u16string& Entry(std::size_t index) const { return FEntries[index]; }
    void Add(std::u16string entry) { FEntries.push_back(std::move(entry)); }

    // The index of the first entry with the key; none when no entry has it.
    std::optional<std::size_t> IndexOfKey(std::u16string_view key) const;
    bool HasKey(std::u16string_view key) const { return IndexOfKey(key).has_value(); }
    // The value after the key's "="; empty when the key is missing.
    std::u16string Value(std::u16string_view key) const;
    // Replaces the key's entry, or adds one; an empty value removes the entry.
    void SetValue(std::u16string_view key, std::u16string_view value);

    // The key of an entry: the text before its first "=", empty without one.
    static std::u16string_view KeyOf(std::u16string_view entry);

private:
    std::vector<std::u16string> FEntries;
};

} // namespace typ
