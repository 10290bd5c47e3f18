#pragma once

#include "server/Guid.h"
#include "sysinfo/Bytes.h"

#include <cstddef>
#include <cstdint>

namespace typ {

// What a binary message carries; values outside the three are kept as read.
enum class TMessageType : std::uint8_t { Message = 0, Exception = 1, Event = 2 };

inline constexpr std::size_t kMessageHeaderSize = 28;
// Bodies of this many bytes or more travel compressed.
inline constexpr std::size_t kCompressionThreshold = 4096;

// A binary message taken apart: the body is already inflated.
struct TBinaryParts {
    TMessageType Type = TMessageType::Message;
    TGuid ClientId;
    TBytes Body;
};

// The 28-byte header ("RO107", flags, type, reserved, user data, client
// identifier) followed by the body, compressed when it reaches the threshold.
// Throws ERemoteError for a body too long to send (see Compress).
TBytes BuildBinaryMessage(TMessageType type, const TGuid& clientId, const TBytes& body);

// Checks the signature, reads the header and inflates the body when its flag
// says so, up to kAnswerLimit bytes. Throws ERemoteError with the header
// error, "Stream read error" for a truncated header, zlib's error, or "answer
// too large".
TBinaryParts ParseBinaryMessage(const TBytes& message);

} // namespace typ
