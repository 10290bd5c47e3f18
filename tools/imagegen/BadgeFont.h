#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace typ::pictures {

// A 5 x 7 pixel glyph: one byte a row, top row first, bit 4 the leftmost pixel.
using TGlyph = std::array<std::uint8_t, 7>;

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// The badge glyph of an upper-case letter, a digit or one of "#$%+-=?";
// none for any other character.
std::optional<TGlyph> BadgeGlyph(char aCharacter);

} // namespace typ::pictures
