#pragma once

#include <string>
#include <vector>

namespace typ {

// The help section that heads every Log.Ini the library writes: 99 lines,
// the box lines padded with blanks to their border.
const std::vector<std::u16string>& LogFileHelpLines();

} // namespace typ
