#pragma once

#include "Raster.h"

#include <string_view>

namespace typ::pictures {

// Decodes a non-interlaced PNG of 8-bit samples (grayscale, grey with alpha,
// truecolour, truecolour with alpha). Throws std::runtime_error, naming what
// is wrong, for anything else or a damaged file.
TRaster DecodePng(std::string_view aFile);

} // namespace typ::pictures
