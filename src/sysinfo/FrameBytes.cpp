#include "sysinfo/FrameBytes.h"

#include <algorithm>
#include <span>

namespace typ {
namespace {

constexpr std::size_t kReceivePortion = 64 * 1024;

} // namespace

TBytes EncodeFrameLength(std::uint32_t length) {
    return {static_cast<std::uint8_t>(length >> 24), static_cast<std::uint8_t>(length >> 16),
            static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)};
}

std::uint32_t DecodeFrameLength(const TBytes& field) {
    return static_cast<std::uint32_t>(field[0]) << 24 | static_cast<std::uint32_t>(field[1]) << 16 |
           static_cast<std::uint32_t>(field[2]) << 8 | field[3];
}

bool ReceiveUpTo(TTcpSocket& socket, TBytes& bytes, std::size_t total, TTcpDeadline deadline) {
    while (bytes.size() < total) {
        const std::size_t held = bytes.size();
        bytes.resize(held + std::min(kReceivePortion, total - held));
        const std::size_t got = socket.ReceiveSome(
            std::span<std::uint8_t>(bytes.data() + held, bytes.size() - held), TimeLeft(deadline));
        bytes.resize(held + got);
        if (got == 0)
            return false;
    }
    return true;
}

} // namespace typ
