#pragma once

#include "Raster.h"

#include <string>

namespace typ::pictures {

// The picture as a 32-bit bottom-up BMP file with its alpha in the fourth
// byte of each pixel (blue, green, red, alpha).
std::string EncodeBmp32(const TRaster& aPicture);

} // namespace typ::pictures
