#pragma once

#include <string>
#include <string_view>

namespace typ {

// Bytes as text of two upper-case hexadecimal digits each, the form of binary
// record values and of the stub's caches.
std::u16string HexOf(std::string_view bytes);

// The bytes of hexadecimal text: each pair of characters gives one byte, a
// pair that is not hexadecimal gives 0, and an unpaired last character is
// dropped. Either letter case is read.
std::string BytesOfHex(std::u16string_view hex);

} // namespace typ
