#include "sysinfo/ValueReader.h"

#include "charconv/Windows1252.h"
#include "sysinfo/RemoteError.h"

#include <limits>

namespace typ {

std::uint8_t TValueReader::ReadByte() {
    return *Take(1);
}

std::int32_t TValueReader::ReadInteger() {
    const std::uint8_t* bytes = Take(4);
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | bytes[i];
    return static_cast<std::int32_t>(bits);
}

bool TValueReader::ReadBoolean() {
    return *Take(4) != 0;
}

std::string TValueReader::ReadUtf8(std::size_t limit) {
    const std::size_t count = ReadCount(limit, 1);
    const auto* bytes = reinterpret_cast<const char*>(Take(count));
    return std::string(bytes, count);
}

std::u16string TValueReader::ReadAnsiString() {
    const std::size_t count = ReadCount(std::numeric_limits<std::size_t>::max(), 1);
    const auto* bytes = reinterpret_cast<const char*>(Take(count));
    return Windows1252Table().Decode(std::string_view(bytes, count));
}

std::u16string TValueReader::ReadWideString() {
    const std::size_t count = ReadCount(std::numeric_limits<std::size_t>::max(), 2);
    const std::uint8_t* bytes = Take(count * 2);
    std::u16string text(count, u'\0');
    for (std::size_t i = 0; i < count; ++i)
        text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return text;
}

const std::uint8_t* TValueReader::Take(std::size_t count) {
    if (count > Remaining())
        throw ERemoteError("Stream read error");
    const std::uint8_t* start = FBytes.data() + FPosition;
    FPosition += count;
    return start;
}

std::size_t TValueReader::ReadCount(std::size_t limit, std::size_t unitSize) {
    const std::int32_t count = ReadInteger();
    if (count < 0 || static_cast<std::size_t>(count) > limit ||
        static_cast<std::size_t>(count) > Remaining() / unitSize)
        throw ERemoteError("Stream read error: Invalid string length \"" + std::to_string(count) +
                           "\"");
    return static_cast<std::size_t>(count);
}

} // namespace typ
