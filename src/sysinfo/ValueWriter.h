#pragma once

#include "sysinfo/Bytes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace typ {

// Appends the values of a message body in their wire encoding; every integer
// is little-endian.
class TValueWriter {
public:
    void WriteByte(std::uint8_t value);
    void WriteInteger(std::int32_t value);
    // 1 or 0 in 32 bits.
    void WriteBoolean(bool value);
    // A 32-bit byte count, then the bytes (names and exception messages).
    void WriteUtf8(std::string_view text);
    // Windows-1252 bytes behind a 32-bit byte count; characters that the code
    // page lacks become '?'.
    void WriteAnsiString(std::u16string_view text);
    // A 32-bit count of UTF-16 code units, then the units.
    void WriteWideString(std::u16string_view text);
    void WriteBytes(const TBytes& bytes);

    const TBytes& Bytes() const { return FBytes; }
    void Clear() { FBytes.clear(); }

private:
    void WriteCount(std::size_t count);

    TBytes FBytes;
};

} // namespace typ
