#include "sysinfo/ValueWriter.h"

#include "charconv/Windows1252.h"
#include "sysinfo/RemoteError.h"

#include <limits>

namespace typ {

void TValueWriter::WriteByte(std::uint8_t value) {
    FBytes.push_back(value);
}

void TValueWriter::WriteInteger(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        FBytes.push_back(static_cast<std::uint8_t>(bits >> shift));
}

void TValueWriter::WriteBoolean(bool value) {
    WriteInteger(value ? 1 : 0);
}

void TValueWriter::WriteUtf8(std::string_view text) {
    WriteCount(text.size());
    FBytes.insert(FBytes.end(), text.begin(), text.end());
}

void TValueWriter::WriteAnsiString(std::u16string_view text) {
    WriteUtf8(Windows1252Table().Encode(text));
}

void TValueWriter::WriteWideString(std::u16string_view text) {
    WriteCount(text.size());
    for (const char16_t unit : text) {
        FBytes.push_back(static_cast<std::uint8_t>(unit & 0xFFu));
        FBytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

void TValueWriter::WriteBytes(const TBytes& bytes) {
    FBytes.insert(FBytes.end(), bytes.begin(), bytes.end());
}

// A count beyond 32 bits would be written truncated and corrupt the rest of
// the message, so it is refused.
void TValueWriter::WriteCount(std::size_t count) {
    if (count > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw ERemoteError("Stream write error");
    WriteInteger(static_cast<std::int32_t>(count));
}

} // namespace typ
