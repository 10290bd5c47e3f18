#include "WireFaults.h"

#include "sysinfo/Compression.h"
#include "sysinfo/MessageHeader.h"
#include "sysinfo/ServerFrame.h"

#include <algorithm>
#include <string_view>
#include <zlib.h>

namespace typ::dbl {
namespace {

constexpr std::size_t kFlagsOffset = 5;
constexpr std::uint8_t kCompressedFlag = 0x01;
constexpr std::uint32_t kBombAnnounced = 0xC0000000u;
constexpr std::size_t kBombInflated = std::size_t{128} << 20;
constexpr std::size_t kDeflateWindow = 64 * 1024;

// A zlib stream of `count` zero bytes, deflated a window at a time so that
// the zeros never exist here all at once.
TBytes ZerosStream(std::size_t count) {
    z_stream z{};
    deflateInit(&z, Z_BEST_SPEED);
    TBytes zeros(kDeflateWindow);
    TBytes window(kDeflateWindow);
    TBytes stream;
    int flush = Z_NO_FLUSH;
    while (flush != Z_FINISH) {
        const std::size_t portion = std::min(count, zeros.size());
        count -= portion;
        flush = count == 0 ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = zeros.data();
        z.avail_in = static_cast<uInt>(portion);
        do {
            z.next_out = window.data();
            z.avail_out = static_cast<uInt>(window.size());
            deflate(&z, flush);
            stream.insert(stream.end(), window.begin(),
                          window.end() - static_cast<std::ptrdiff_t>(z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return stream;
}

} // namespace

TBytes CompressedBodyMessage(const TBytes& binaryMessage) {
    const auto bodyStart = binaryMessage.begin() + static_cast<std::ptrdiff_t>(kMessageHeaderSize);
    TBytes message(binaryMessage.begin(), bodyStart);
    message[kFlagsOffset] |= kCompressedFlag;
    const TBytes compressed = Compress(TBytes(bodyStart, binaryMessage.end()));
    message.insert(message.end(), compressed.begin(), compressed.end());
    return message;
}

TBytes BombPayload() {
    static const TBytes payload = [] {
        constexpr std::string_view signature = "rorocks";
        TBytes bytes(signature.begin(), signature.end());
        for (const std::uint32_t value : {std::uint32_t{kCompressedFlag}, kBombAnnounced})
            for (int i = 0; i < 4; ++i)
                bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        const TBytes stream = ZerosStream(kBombInflated);
        bytes.insert(bytes.end(), stream.begin(), stream.end());
        return bytes;
    }();
    return payload;
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
