#include "sysinfo/ServerFrame.h"

#include "sysinfo/RemoteError.h"

#include <algorithm>
#include <string>

namespace typ {
namespace {

constexpr std::uint64_t kFrameLimit = 1ull << 31;
constexpr std::size_t kLengthSize = 4;
constexpr std::size_t kReceivePortion = 64 * 1024;

// Appends received bytes until `bytes` holds `total`; false when the peer
// closes first.
bool ReceiveUpTo(TTcpSocket& socket, TBytes& bytes, std::size_t total, TTcpTimeout timeout) {
    while (bytes.size() < total) {
        const std::size_t held = bytes.size();
        bytes.resize(held + std::min(kReceivePortion, total - held));
        const std::size_t got = socket.ReceiveSome(
            std::span<std::uint8_t>(bytes.data() + held, bytes.size() - held), timeout);
        bytes.resize(held + got);
        if (got == 0)
            return false;
    }
    return true;
}

} // namespace

TBytes FrameLengthField(std::size_t payloadSize) {
    if (payloadSize >= kFrameLimit)
        throw ERemoteError("Frame too long (" + std::to_string(payloadSize) + " bytes)");
    const auto length = static_cast<std::uint32_t>(payloadSize);
    return {static_cast<std::uint8_t>(length >> 24), static_cast<std::uint8_t>(length >> 16),
            static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)};
}

std::optional<TBytes> ReceiveFrame(TTcpSocket& socket, TTcpTimeout timeout) {
    TBytes field;
    if (!ReceiveUpTo(socket, field, kLengthSize, timeout)) {
        if (field.empty())
            return std::nullopt;
        throw ERemoteError("Connection closed inside a frame's length");
    }
    const std::uint32_t length = static_cast<std::uint32_t>(field[0]) << 24 |
                                 static_cast<std::uint32_t>(field[1]) << 16 |
                                 static_cast<std::uint32_t>(field[2]) << 8 | field[3];
    if (length >= kFrameLimit)
        throw ERemoteError("Invalid frame length " + std::to_string(length));
    TBytes payload;
    if (!ReceiveUpTo(socket, payload, length, timeout))
        throw ERemoteError("Connection closed after " + std::to_string(payload.size()) +
                           " of the " + std::to_string(length) + " bytes of a frame");
    return payload;
}

void SendFrame(TTcpSocket& socket, const TBytes& payload, TTcpTimeout timeout) {
    TBytes frame = FrameLengthField(payload.size());
    frame.insert(frame.end(), payload.begin(), payload.end());
    socket.SendAll(frame, timeout);
}

} // namespace typ
