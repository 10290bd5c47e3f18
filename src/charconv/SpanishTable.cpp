#include "charconv/SpanishTable.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace typ {
namespace {

// Windows letter -> DOS-as-ANSI character of its code page 850 byte.
constexpr TCharPair kToDos[] = {
    {u'\u00BA', u'\u00A7'}, // º 0xA7
    {u'\u00BE', u'\u00F3'}, // ¾ 0xF3
    {u'\u00D1', u'\u00A5'}, // Ñ 0xA5
    {u'\u00D8', u'\u009D'}, // Ø 0x9D
    {u'\u00DC', u'\u0161'}, // Ü 0x9A
    {u'\u00E1', u'\u00A0'}, // á 0xA0
    {u'\u00E9', u'\u201A'}, // é 0x82
    {u'\u00ED', u'\u00A1'}, // í 0xA1
    {u'\u00F1', u'\u00A4'}, // ñ 0xA4
    {u'\u00F3', u'\u00A2'}, // ó 0xA2
    {u'\u00F4', u'\u201C'}, // ô 0x93
    {u'\u00FA', u'\u00A3'}, // ú 0xA3
    {u'\u00FC', u'\u0081'}, // ü 0x81
};

std::vector<TCharPair> Inverse(std::span<const TCharPair> pairs) {
    std::vector<TCharPair> inverse;
    std::transform(pairs.begin(), pairs.end(), std::back_inserter(inverse),
                   [](const TCharPair& pair) {
                       return TCharPair{pair.to, pair.from};
                   });
    return inverse;
}

// Forms read '?' as é and keep ó as it is, so ¾ (ó on the DOS side) and ¢
// both end as ó.
std::vector<TCharPair> FormulariosToWin() {
    std::vector<TCharPair> pairs = Inverse(kToDos);
    std::erase_if(pairs, [](const TCharPair& pair) { return pair.from == u'\u00F3'; });
    pairs.push_back({u'?', u'\u00E9'});
    pairs.push_back({u'\u00BE', u'\u00F3'});
    return pairs;
}

} // namespace

const TCharMap& SpanishToDos() {
    static const TCharMap map(kToDos);
    return map;
}

const TCharMap& SpanishToWin() {
    static const TCharMap map(Inverse(kToDos));
    return map;
}

const TCharMap& SpanishToWinFormularios() {
    static const TCharMap map(FormulariosToWin());
    return map;
}

} // namespace typ
