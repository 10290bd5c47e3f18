#include "sysinfo/ChannelEnvelope.h"

#include "sysinfo/ChannelCipher.h"
#include "sysinfo/Compression.h"
#include "sysinfo/RemoteError.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace typ {
namespace {

constexpr std::string_view kSignature = "rorocks";
constexpr std::uint32_t kCompressedFlag = 1;
constexpr std::uint32_t kEncipheredFlag = 2;
constexpr std::uint32_t kDesMethod = 1;

// Reads the envelope's fixed fields from the front of a payload.
class TEnvelopeReader {
public:
    TEnvelopeReader(const TBytes& bytes, std::size_t at) : FBytes(bytes), FAt(at) {}

    std::uint32_t ReadUInt32() {
        if (FBytes.size() - FAt < 4)
            throw ERemoteError("Stream read error");
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(FBytes[FAt + i]) << (8 * i);
        FAt += 4;
        return value;
    }

    TBytes Rest() const {
        return TBytes(FBytes.begin() + static_cast<std::ptrdiff_t>(FAt), FBytes.end());
    }

private:
    const TBytes& FBytes;
    std::size_t FAt;
};

void AppendUInt32(TBytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool HasSignature(const TBytes& payload) {
    return payload.size() >= kSignature.size() &&
           std::equal(kSignature.begin(), kSignature.end(), payload.begin());
}

// A byte count, then a zlib stream of exactly that many bytes. The count comes
// from the peer: one beyond the answer limit is refused at once, and the
// stream is inflated within the limit whatever the count says.
TBytes Expand(const TBytes& compressed) {
    TEnvelopeReader reader(compressed, 0);
    const std::uint32_t count = reader.ReadUInt32();
    if (count > kAnswerLimit)
        RaiseAnswerTooLarge(kAnswerLimit, count);
    TBytes message = Inflate(reader.Rest(), kAnswerLimit);
    if (message.size() != count)
        throw ERemoteError(std::string("zlib error: stream ") +
                           (message.size() < count ? "shorter" : "longer") + " than announced");
    return message;
}

} // namespace

TBytes WrapEnvelope(const TBytes& message) {
    TBytes payload(kSignature.begin(), kSignature.end());
    AppendUInt32(payload, kEncipheredFlag);
    AppendUInt32(payload, kDesMethod);
    const TBytes enciphered = ChannelCipher().Encipher(message);
    payload.insert(payload.end(), enciphered.begin(), enciphered.end());
    return payload;
}

TBytes UnwrapEnvelope(const TBytes& payload) {
    if (!HasSignature(payload))
        return payload;
    TEnvelopeReader reader(payload, kSignature.size());
    const std::uint32_t flags = reader.ReadUInt32();
    if ((flags & ~(kCompressedFlag | kEncipheredFlag)) != 0)
        throw ERemoteError("Invalid response type (envelope flags " + std::to_string(flags) + ")");
    TBytes rest;
    if ((flags & kEncipheredFlag) != 0) {
        if (reader.ReadUInt32() != kDesMethod)
            throw ERemoteError("OK, who forgot to create the cipher?");
        rest = ChannelCipher().Decipher(reader.Rest());
    } else {
        rest = reader.Rest();
    }
    return (flags & kCompressedFlag) != 0 ? Expand(rest) : rest;
}

} // namespace typ
