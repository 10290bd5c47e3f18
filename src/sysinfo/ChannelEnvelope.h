#pragma once

#include "sysinfo/Bytes.h"

namespace typ {

// The payload of a request: "rorocks", flags 2, method 1, then the binary
// message enciphered under the channel key.
TBytes WrapEnvelope(const TBytes& message);

// The binary message inside a received payload, following whatever envelope
// the payload carries (none, enciphered, compressed). Throws ERemoteError;
// a compressed message announced or inflating beyond kAnswerLimit bytes is
// refused as "answer too large".
TBytes UnwrapEnvelope(const TBytes& payload);

} // namespace typ
