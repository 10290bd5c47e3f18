#include "charconv/CodeTable.h"

#include "charconv/Surrogates.h"

#include <algorithm>

namespace typ {
namespace {

bool StartsSurrogatePair(std::u16string_view text, std::size_t i) {
    return i + 1 < text.size() && IsHighSurrogate(text[i]) && IsLowSurrogate(text[i + 1]);
}

} // namespace

TCodeTable::TCodeTable(const std::array<char16_t, 256>& chars) : m_chars(chars) {
    for (unsigned byte = 0; byte < m_chars.size(); ++byte)
        m_bytes[m_chars[byte]] = static_cast<unsigned char>(byte);
}

std::optional<unsigned char> TCodeTable::Byte(char16_t c) const {
    const unsigned char byte = m_bytes[c];
    if (m_chars[byte] != c)
        return std::nullopt;
    return byte;
}

std::u16string TCodeTable::Decode(std::string_view bytes) const {
    std::u16string text(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [this](char byte) { return Char(static_cast<unsigned char>(byte)); });
    return text;
}

std::string TCodeTable::Encode(std::u16string_view text, const TCodeTable& fallback) const {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsSurrogatePair(text, i)) {
            bytes += '?';
            ++i;
            continue;
        }
        const auto byte = Byte(text[i]);
        bytes += static_cast<char>((byte ? byte : fallback.Byte(text[i])).value_or('?'));
    }
    return bytes;
}

} // namespace typ
