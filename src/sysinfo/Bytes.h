#pragma once

#include <cstdint>
#include <vector>

namespace typ {

// Raw bytes as they travel on the wire.
using TBytes = std::vector<std::uint8_t>;

} // namespace typ
