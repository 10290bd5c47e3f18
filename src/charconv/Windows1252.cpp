#include "charconv/Windows1252.h"

#include <algorithm>
#include <numeric>

namespace typ {
namespace {

// 0x80-0x9F; every other byte is the Latin-1 character of the same value.
constexpr std::array<char16_t, 32> kBytes80To9F = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

std::array<char16_t, 256> Windows1252Chars() {
    std::array<char16_t, 256> chars{};
    std::iota(chars.begin(), chars.end(), u'\0');
    std::copy(kBytes80To9F.begin(), kBytes80To9F.end(), chars.begin() + 0x80);
    return chars;
}

} // namespace

const TCodeTable& Windows1252Table() {
    static const TCodeTable table(Windows1252Chars());
    return table;
}

} // namespace typ
