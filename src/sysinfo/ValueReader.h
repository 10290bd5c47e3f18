#pragma once

#include "sysinfo/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace typ {

// The longest interface, message or class name a reader accepts, in bytes.
inline constexpr std::size_t kNameLimit = 256;
// The longest exception message a reader accepts, in bytes.
inline constexpr std::size_t kExceptionMessageLimit = 65536;

// Reads the values of a message body in their wire encoding. Every failure
// throws ERemoteError: "Stream read error" when a fixed-size value lacks bytes,
// "Stream read error: Invalid string length \"<count>\"" for a string whose
// count is negative, above its limit or beyond the bytes that remain. Nothing
// is allocated beyond the bytes that remain.
class TValueReader {
public:
    TValueReader() = default;
    explicit TValueReader(TBytes bytes) : FBytes(std::move(bytes)) {}

    std::uint8_t ReadByte();
    std::int32_t ReadInteger();
    // Decided on the lowest byte of the four.
    bool ReadBoolean();
    // A 32-bit byte count of at most `limit`, then that many bytes.
    std::string ReadUtf8(std::size_t limit);
    std::string ReadName() { return ReadUtf8(kNameLimit); }
    std::u16string ReadAnsiString();
    std::u16string ReadWideString();

    std::size_t Remaining() const { return FBytes.size() - FPosition; }

private:
    const std::uint8_t* Take(std::size_t count);
    // A string's count, checked against its limit and the bytes that remain.
    std::size_t ReadCount(std::size_t limit, std::size_t unitSize);

    TBytes FBytes;
    std::size_t FPosition = 0;
};

} // namespace typ
