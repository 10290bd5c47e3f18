#pragma once

#include "platform/TcpSocket.h"
#include "sysinfo/Bytes.h"

#include <cstddef>
#include <cstdint>

// The framing both ends share: a 4-byte big-endian length below 2^31, then
// that many bytes of payload.
namespace typ {

constexpr std::uint64_t kFrameLimit = 1ull << 31;
constexpr std::size_t kFrameLengthSize = 4;

// The length field of a frame; the caller has checked the limit.
TBytes EncodeFrameLength(std::uint32_t length);
// The length a received field announces (kFrameLengthSize bytes).
std::uint32_t DecodeFrameLength(const TBytes& field);

// Appends received bytes until `bytes` holds `total`; false when the peer
// closes first, ETcpTimeout when the deadline passes first, however slowly the
// bytes come. Bytes are taken in portions, so an announced length is never
// reserved ahead of what arrives.
bool ReceiveUpTo(TTcpSocket& socket, TBytes& bytes, std::size_t total, TTcpDeadline deadline);

} // namespace typ
