#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace typ {

// A class, interface or library identifier, laid out as the platform's GUID.
struct TGuid {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4{};
};

// The canonical text form written to the registry: upper-case hexadecimal
// digits in braces, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
std::u16string GuidText(const TGuid& guid);

} // namespace typ
