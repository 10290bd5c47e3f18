#pragma once

#include "platform/TcpSocket.h"
#include "sysinfo/Bytes.h"

#include <cstdint>
#include <optional>

namespace typ {

// The service's side of the framing: a 4-byte big-endian length, then that
// many bytes of payload, in each direction.

// The length field of a frame. Throws ERemoteError for a payload of 2^31 bytes
// or more.
TBytes FrameLengthField(std::size_t payloadSize);

// The length field followed by the payload.
TBytes Framed(const TBytes& payload);

// One whole frame's payload; nothing when the peer closes before sending a
// single byte. A peer that closes inside the frame, or announces a length of
// 2^31 or more, raises ERemoteError; the whole frame must arrive within
// `timeout` (ETcpTimeout). Bytes are taken in portions, so an announced length
// is never reserved ahead of what arrives.
std::optional<TBytes> ReceiveFrame(TTcpSocket& socket, TTcpTimeout timeout);

// The length field and the payload.
void SendFrame(TTcpSocket& socket, const TBytes& payload, TTcpTimeout timeout);

} // namespace typ
