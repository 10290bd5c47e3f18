#pragma once

#include "sysinfo/Bytes.h"

namespace typ::dbl {

// The binary message with its body compressed and the header's flag set,
// whatever the body's length.
TBytes CompressedBodyMessage(const TBytes& binaryMessage);

// A payload that is neither an envelope nor a binary message.
TBytes GarbagePayload();

// An envelope, compressed and not enciphered, that announces 3 GiB and holds
// a zlib stream of about 600 KiB inflating to 128 MiB of zeros: what a
// client that trusts the count, or inflates without a limit, takes into memory.
TBytes BombPayload();

// The length field of the whole payload followed by only its first half.
TBytes HalfFrame(const TBytes& payload);

} // namespace typ::dbl
