#include "editor/CharLower.h"

#include <algorithm>
#include <array>
#include <memory>

namespace typ {

namespace {

using TLowerTable = std::array<char16_t, 0x10000>;

// Upper-case letters from `first` to `last` whose lower case is `offset` away;
// with `step` 2 only every other one (alternating upper/lower pairs).
void MapRange(TLowerTable& table, char16_t first, char16_t last, int offset, int step = 1) {
    for (int c = first; c <= last; c += step)
        table[static_cast<std::size_t>(c)] = static_cast<char16_t>(c + offset);
}

void MapLatin(TLowerTable& table) {
    MapRange(table, u'A', u'Z', 32);
    MapRange(table, u'\u00C0', u'\u00D6', 32);
    MapRange(table, u'\u00D8', u'\u00DE', 32);
    MapRange(table, u'\u0100', u'\u012E', 1, 2);
    table[0x0130] = u'i';
    MapRange(table, u'\u0132', u'\u0136', 1, 2);
    MapRange(table, u'\u0139', u'\u0147', 1, 2);
    MapRange(table, u'\u014A', u'\u0176', 1, 2);
    table[0x0178] = u'\u00FF';
    MapRange(table, u'\u0179', u'\u017D', 1, 2);
}

void MapGreek(TLowerTable& table) {
    table[0x0386] = u'\u03AC';
    MapRange(table, u'\u0388', u'\u038A', 37);
    table[0x038C] = u'\u03CC';
    MapRange(table, u'\u038E', u'\u038F', 63);
    MapRange(table, u'\u0391', u'\u03A1', 32);
    MapRange(table, u'\u03A3', u'\u03AB', 32);
}

void MapCyrillic(TLowerTable& table) {
    MapRange(table, u'\u0400', u'\u040F', 80);
    MapRange(table, u'\u0410', u'\u042F', 32);
    MapRange(table, u'\u0460', u'\u0480', 1, 2);
    MapRange(table, u'\u048A', u'\u04BE', 1, 2);
    table[0x04C0] = u'\u04CF';
    MapRange(table, u'\u04C1', u'\u04CD', 1, 2);
    MapRange(table, u'\u04D0', u'\u052E', 1, 2);
}

// Built once: searching lower-cases every character it compares.
std::unique_ptr<TLowerTable> BuildTable() {
    auto table = std::make_unique<TLowerTable>();
    for (std::size_t c = 0; c < table->size(); ++c)
        (*table)[c] = static_cast<char16_t>(c);
    MapLatin(*table);
    MapGreek(*table);
    MapCyrillic(*table);
    return table;
}

const TLowerTable& Table() {
    static const std::unique_ptr<TLowerTable> table = BuildTable();
    return *table;
}

} // namespace

char16_t WinLowerChar(char16_t c) {
    return Table()[c];
}

std::u16string WinLowerText(std::u16string_view text) {
    std::u16string lower(text.size(), u'\0');
    const TLowerTable& table = Table();
    std::transform(text.begin(), text.end(), lower.begin(),
                   [&table](char16_t c) { return table[c]; });
    return lower;
}

} // namespace typ
