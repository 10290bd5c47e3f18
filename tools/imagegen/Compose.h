#pragma once

#include "Raster.h"

#include <cstdint>
#include <string_view>

namespace typ::pictures {

// The picture recoloured in one hue: dark pixels toward the hue, light ones
// toward white, alpha kept.
void Tint(TRaster& aPicture, std::uint32_t aRgb);

// One or two badge characters, white on a dark label in the bottom right
// corner, scaled with the picture (one dot a pixel up to 31 pixels).
// Throws std::runtime_error for a character the badge font lacks.
void DrawBadge(TRaster& aPicture, std::string_view aText);

// The edge of the overlay drawn on a picture of the given edge.
int OverlayEdge(int aEdge);

// aOverlay in the bottom right corner of aPicture.
void DrawOverlay(TRaster& aPicture, const TRaster& aOverlay);

// A Bmp list's cell: partly transparent pixels are painted on the button face
// and made opaque, the nearly transparent ones become fully transparent, so a
// one-bit mask shows the picture without a dark fringe.
void FlattenForMask(TRaster& aPicture);

// Every pixel painted on an opaque background colour.
void FlattenOn(TRaster& aPicture, std::uint32_t aRgb);

} // namespace typ::pictures
