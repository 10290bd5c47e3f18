#pragma once

#include "ModuleStrips.h"

#include <string>
#include <vector>

namespace typ::pictures {

// An SVG page that shows every strip under its resource name, each picture at
// its own size on a light checkerboard (so transparency shows) with its name
// below it. Pictures are embedded as PNG data.
std::string ContactSheetSvg(const std::vector<TStrip>& aStrips);

// The bytes in base 64 (RFC 4648, with padding).
std::string Base64(std::string_view aBytes);

} // namespace typ::pictures
