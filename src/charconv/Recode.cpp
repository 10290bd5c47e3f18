#include "charconv/Recode.h"

#include "charconv/CodePage850.h"
#include "charconv/Windows1252.h"

#include <algorithm>
#include <span>
#include <utility>

namespace typ {
namespace {

struct TSubstitute {
    char16_t from;
    char16_t to;
};

// Windows-1252 characters code page 850 lacks: the nearest ASCII letter or
// punctuation, so words and numbers stay readable; the bullet becomes the
// middle dot. The five undefined bytes have none and become '?'.
constexpr TSubstitute kForDos[] = {
    {u'\u20AC', u'E'},      {u'\u201A', u','},  {u'\u201E', u'"'}, {u'\u2026', u'.'},
    {u'\u2020', u'+'},      {u'\u2021', u'+'},  {u'\u02C6', u'^'}, {u'\u2030', u'%'},
    {u'\u0160', u'S'},      {u'\u2039', u'<'},  {u'\u0152', u'O'}, {u'\u017D', u'Z'},
    {u'\u2018', u'\''},     {u'\u2019', u'\''}, {u'\u201C', u'"'}, {u'\u201D', u'"'},
    {u'\u2022', u'\u00B7'}, {u'\u2013', u'-'},  {u'\u2014', u'-'}, {u'\u02DC', u'~'},
    {u'\u2122', u'T'},      {u'\u0161', u's'},  {u'\u203A', u'>'}, {u'\u0153', u'o'},
    {u'\u017E', u'z'},      {u'\u0178', u'Y'},
};

// Code page 850 characters Windows-1252 lacks, so that DOS forms still read as
// forms: vertical lines -> '|', single horizontal -> '-', double horizontal ->
// '=', every corner, tee and cross -> '+', shades and blocks (and the black
// square) -> '#', dotless i -> 'i', double low line -> '_'.
constexpr TSubstitute kForWindows[] = {
    {u'\u2502', u'|'}, {u'\u2551', u'|'}, {u'\u2500', u'-'}, {u'\u2550', u'='}, {u'\u250C', u'+'},
    {u'\u2510', u'+'}, {u'\u2514', u'+'}, {u'\u2518', u'+'}, {u'\u251C', u'+'}, {u'\u2524', u'+'},
    {u'\u252C', u'+'}, {u'\u2534', u'+'}, {u'\u253C', u'+'}, {u'\u2554', u'+'}, {u'\u2557', u'+'},
    {u'\u255A', u'+'}, {u'\u255D', u'+'}, {u'\u2560', u'+'}, {u'\u2563', u'+'}, {u'\u2566', u'+'},
    {u'\u2569', u'+'}, {u'\u256C', u'+'}, {u'\u2591', u'#'}, {u'\u2592', u'#'}, {u'\u2593', u'#'},
    {u'\u2588', u'#'}, {u'\u2584', u'#'}, {u'\u2580', u'#'}, {u'\u25A0', u'#'}, {u'\u0131', u'i'},
    {u'\u2017', u'_'},
};

using TRecoding = std::array<unsigned char, 256>;

char16_t SubstituteOf(char16_t c, std::span<const TSubstitute> substitutes) {
    const auto found = std::find_if(substitutes.begin(), substitutes.end(),
                                    [c](const TSubstitute& s) { return s.from == c; });
    return found == substitutes.end() ? u'?' : found->to;
}

TRecoding Recoding(const TCodeTable& from, const TCodeTable& to,
                   std::span<const TSubstitute> substitutes) {
    TRecoding recoding{};
    for (unsigned byte = 0; byte < recoding.size(); ++byte) {
        const char16_t c = from.Char(static_cast<unsigned char>(byte));
        const auto same = to.Byte(c);
        recoding[byte] = (same ? same : to.Byte(SubstituteOf(c, substitutes))).value_or('?');
    }
    return recoding;
}

std::string Recode(std::string bytes, const TRecoding& recoding) {
    std::transform(bytes.begin(), bytes.end(), bytes.begin(), [&recoding](char byte) {
        return static_cast<char>(recoding[static_cast<unsigned char>(byte)]);
    });
    return bytes;
}

} // namespace

std::string RecodeWindows1252ToDos(std::string bytes) {
    static const TRecoding recoding = Recoding(Windows1252Table(), CodePage850Table(), kForDos);
    return Recode(std::move(bytes), recoding);
}

std::string RecodeDosToWindows1252(std::string bytes) {
    static const TRecoding recoding = Recoding(CodePage850Table(), Windows1252Table(), kForWindows);
    return Recode(std::move(bytes), recoding);
}

} // namespace typ
