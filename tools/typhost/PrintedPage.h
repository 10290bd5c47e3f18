#pragma once

#include "PngWriter.h"

#include <string_view>

namespace typ::win {

// The page a printer would print for a TYP file's bytes, without a printer:
// an A4 sheet at 300 dots per inch, the whole sheet printable. Throws
// EHostError (WriteFailed) when the picture cannot be drawn.
TGrayPicture PrintedPage(std::string_view templateBytes);

} // namespace typ::win
