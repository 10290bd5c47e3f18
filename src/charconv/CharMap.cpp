#include "charconv/CharMap.h"

#include <algorithm>
#include <numeric>

namespace typ {

TCharMap::TCharMap(std::span<const TCharPair> pairs) {
    std::iota(m_to.begin(), m_to.end(), u'\0');
    for (const TCharPair& pair : pairs)
        m_to[pair.from] = pair.to;
}

std::u16string TCharMap::Apply(std::u16string text) const {
    std::transform(text.begin(), text.end(), text.begin(), [this](char16_t c) { return m_to[c]; });
    return text;
}

} // namespace typ
