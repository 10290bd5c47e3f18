#pragma once

#include "images/ImageModules.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace typ {

// The pictures of one list as the build embeds them: a 32-bit BMP file
// (bottom-up or top-down, alpha in the fourth byte) holding the cells side by
// side in one row.
struct TPictureStrip {
    int Width = 0;
    int Height = 0;
    // Top-down rows, 4 bytes per pixel: blue, green, red, alpha (not premultiplied).
    std::vector<std::uint8_t> Bgra;
};

// Reads a strip and checks that it holds the list's cells; raises
// E_VnRepositoryImages_Exception naming the resource for anything else.
TPictureStrip ReadPictureStrip(std::span<const std::uint8_t> aBytes, const TImageListLayout& aList,
                               std::string_view aResourceName);

// A strip for a list without alpha: its colours and a mask of the transparent pixels.
struct TMaskedStrip {
    // Top-down rows, 4 bytes per pixel (blue, green, red, 0).
    std::vector<std::uint8_t> Bgrx;
    // One per pixel, top-down: whether it shows what lies behind.
    std::vector<bool> Transparent;
};

// Pixels of alpha below half are transparent and white; the others are blended
// on aFace. A list with a background colour has no transparent pixels: all are
// blended on it. Pure white in a picture becomes (254, 254, 254), since the
// two-colour rendering of a mask on white would take it for background.
TMaskedStrip MaskStrip(const TPictureStrip& aStrip, const std::optional<TRgb>& aBackground,
                       TRgb aFace);

} // namespace typ
