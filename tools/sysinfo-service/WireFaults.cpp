#include "WireFaults.h"

#include "sysinfo/Compression.h"
#include "sysinfo/MessageHeader.h"
#include "sysinfo/ServerFrame.h"

#include <string_view>

namespace typ::dbl {
namespace {

constexpr std::size_t kFlagsOffset = 5;
constexpr std::uint8_t kCompressedFlag = 0x01;

} // namespace

TBytes CompressedBodyMessage(const TBytes& binaryMessage) {
    const auto bodyStart = binaryMessage.begin() + static_cast<std::ptrdiff_t>(kMessageHeaderSize);
    TBytes message(binaryMessage.begin(), bodyStart);
    message[kFlagsOffset] |= kCompressedFlag;
    const TBytes compressed = Compress(TBytes(bodyStart, binaryMessage.end()));
    message.insert(message.end(), compressed.begin(), compressed.end());
    return message;
}

TBytes GarbagePayload() {
    constexpr std::string_view garbage = "\x13\x37 no es un mensaje \xFF\x00\x01";
    return TBytes(garbage.begin(), garbage.end());
}

TBytes HalfFrame(const TBytes& payload) {
    TBytes frame = FrameLengthField(payload.size());
    frame.insert(frame.end(), payload.begin(),
                 payload.begin() + static_cast<std::ptrdiff_t>(payload.size() / 2));
    return frame;
}

} // namespace typ::dbl
