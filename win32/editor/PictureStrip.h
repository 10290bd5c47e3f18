#pragma once

#include "platform/HandleOwners.h"

#include <windows.h>
#include <commctrl.h>

namespace typ::win {

// A masked image list of square cells from a picture strip embedded in the
// program as RCDATA: a 32-bit BMP whose cells stand side by side, a pixel of
// alpha 0 transparent. Throws std::runtime_error for a missing or damaged
// resource.
TOwnedImageList LoadPictureStrip(const wchar_t* resourceName, int cell);

} // namespace typ::win
