#pragma once

#include "environment/ConvertError.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace typ {

// A decimal 32-bit integer with an optional sign; raises "'%s' is not a
// valid integer value" for anything else, the empty text included.
int ConvertToInteger(std::u16string_view text);

// "True" or "False" in any letter case, or a decimal number (0 is false, any
// other true, a fraction allowed); raises "'%s' is not a valid boolean value"
// for anything else.
bool ConvertToBoolean(std::u16string_view text);

} // namespace typ
