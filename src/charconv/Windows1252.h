#pragma once

#include "charconv/CodeTable.h"

namespace typ {

// Windows-1252, with its five undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// read as the control characters of the same value so that every byte has a
// character and DOS bytes survive the round trip through DOS-as-ANSI text.
const TCodeTable& Windows1252Table();

} // namespace typ
