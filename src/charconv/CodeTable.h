#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace typ {

// A single-byte character set: the character of each of the 256 byte values,
// with the reverse lookup indexed by character so encoding costs one read.
class TCodeTable {
public:
    explicit TCodeTable(const std::array<char16_t, 256>& chars);

    char16_t Char(unsigned char byte) const { return m_chars[byte]; }
    std::optional<unsigned char> Byte(char16_t c) const;

    std::u16string Decode(std::string_view bytes) const;
    // One byte per character: its byte here, else its byte in fallback, else
    // '?'. A surrogate pair is one character, which no byte stands for.
    std::string Encode(std::u16string_view text, const TCodeTable& fallback) const;
    std::string Encode(std::u16string_view text) const { return Encode(text, *this); }

private:
    std::array<char16_t, 256> m_chars;
    // Unused slots stay 0; Byte() tells them apart by checking the forward table.
    std::array<unsigned char, 0x10000> m_bytes{};
};

} // namespace typ
