#pragma once

#include <cstdint>
#include <vector>

namespace typ::pictures {

// A picture as straight (not premultiplied) red, green, blue and alpha bytes,
// top row first.
struct TRaster {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Rgba;

    TRaster() = default;
    TRaster(int aWidth, int aHeight);

    std::uint8_t* At(int x, int y);
    const std::uint8_t* At(int x, int y) const;
    friend bool operator==(const TRaster&, const TRaster&) = default;
};

// Draws aTop over aBase with its top left corner at (x, y), clipped to aBase.
void DrawOver(TRaster& aBase, const TRaster& aTop, int x, int y);

// aTop in the middle of a new aWidth x aHeight picture, transparent around it.
TRaster Centred(const TRaster& aTop, int aWidth, int aHeight);

} // namespace typ::pictures
