#include "sysinfo/MessageHeader.h"

#include "sysinfo/Compression.h"
#include "sysinfo/RemoteError.h"

#include <algorithm>
#include <string_view>

namespace typ {
namespace {

constexpr std::string_view kSignature = "RO107";
// What an enciphered envelope begins with, seen where a message was expected.
constexpr std::string_view kEnvelopeStart = "roroc";
constexpr std::uint8_t kCompressedFlag = 0x01;
constexpr std::size_t kFlagsOffset = 5;
constexpr std::size_t kTypeOffset = 6;
constexpr std::size_t kClientIdOffset = 12;

bool StartsWith(const TBytes& bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

void AppendLittleEndian(TBytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t ReadLittleEndian(const TBytes& bytes, std::size_t offset, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[offset + static_cast<std::size_t>(i)];
    return value;
}

void AppendGuid(TBytes& out, const TGuid& guid) {
    AppendLittleEndian(out, guid.Data1, 4);
    AppendLittleEndian(out, guid.Data2, 2);
    AppendLittleEndian(out, guid.Data3, 2);
    out.insert(out.end(), guid.Data4.begin(), guid.Data4.end());
}

TGuid ReadGuid(const TBytes& bytes, std::size_t offset) {
    TGuid guid;
    guid.Data1 = ReadLittleEndian(bytes, offset, 4);
    guid.Data2 = static_cast<std::uint16_t>(ReadLittleEndian(bytes, offset + 4, 2));
    guid.Data3 = static_cast<std::uint16_t>(ReadLittleEndian(bytes, offset + 6, 2));
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset + 8), guid.Data4.size(),
                guid.Data4.begin());
    return guid;
}

void CheckSignature(const TBytes& message) {
    if (StartsWith(message, kSignature))
        return;
    if (StartsWith(message, kEnvelopeStart))
        throw ERemoteError("Invalid binary header. It seems that encryption is active on the "
                           "other side of the communication, but not locally?");
    throw ERemoteError("Invalid binary header. Either incompatible or not a binary message.");
}

} // namespace

TBytes BuildBinaryMessage(TMessageType type, const TGuid& clientId, const TBytes& body) {
    const bool compress = body.size() >= kCompressionThreshold;
    TBytes message(kSignature.begin(), kSignature.end());
    message.push_back(compress ? kCompressedFlag : 0);
    message.push_back(static_cast<std::uint8_t>(type));
    message.insert(message.end(), 3 + 2, 0); // reserved, user data
    AppendGuid(message, clientId);
    const TBytes compressed = compress ? Compress(body) : TBytes();
    const TBytes& payload = compress ? compressed : body;
    message.insert(message.end(), payload.begin(), payload.end());
    return message;
}

TBinaryParts ParseBinaryMessage(const TBytes& message) {
    CheckSignature(message);
    if (message.size() < kMessageHeaderSize)
        throw ERemoteError("Stream read error");
    TBinaryParts parts;
    parts.Type = static_cast<TMessageType>(message[kTypeOffset]);
    parts.ClientId = ReadGuid(message, kClientIdOffset);
    parts.Body.assign(message.begin() + kMessageHeaderSize, message.end());
    if ((message[kFlagsOffset] & kCompressedFlag) != 0)
        parts.Body = Inflate(parts.Body, kAnswerLimit);
    return parts;
}

} // namespace typ
