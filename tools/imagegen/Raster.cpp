#include "Raster.h"

#include <stdexcept>

namespace typ::pictures {

TRaster::TRaster(int aWidth, int aHeight)
    : Width(aWidth), Height(aHeight),
      Rgba(static_cast<std::size_t>(aWidth) * static_cast<std::size_t>(aHeight) * 4, 0) {
    if (aWidth <= 0 || aHeight <= 0)
        throw std::invalid_argument("picture of no size");
}

std::uint8_t* TRaster::At(int x, int y) {
    return Rgba.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                          static_cast<std::size_t>(x)) *
                             4;
}

const std::uint8_t* TRaster::At(int x, int y) const {
    return const_cast<TRaster*>(this)->At(x, y);
}

void DrawOver(TRaster& aBase, const TRaster& aTop, int x, int y) {
    for (int ty = 0; ty < aTop.Height; ++ty) {
        for (int tx = 0; tx < aTop.Width; ++tx) {
            const int bx = x + tx;
            const int by = y + ty;
            if (bx < 0 || by < 0 || bx >= aBase.Width || by >= aBase.Height)
                continue;
            const std::uint8_t* src = aTop.At(tx, ty);
            std::uint8_t* dst = aBase.At(bx, by);
            const int sa = src[3];
            const int da = dst[3] * (255 - sa) / 255;
            const int outA = sa + da;
            if (outA == 0)
                continue;
            for (int c = 0; c < 3; ++c)
                dst[c] = static_cast<std::uint8_t>((src[c] * sa + dst[c] * da + outA / 2) / outA);
            dst[3] = static_cast<std::uint8_t>(outA);
        }
    }
}

TRaster Centred(const TRaster& aTop, int aWidth, int aHeight) {
    TRaster out(aWidth, aHeight);
    DrawOver(out, aTop, (aWidth - aTop.Width) / 2, (aHeight - aTop.Height) / 2);
    return out;
}

} // namespace typ::pictures
