#pragma once

#include "sysinfo/Bytes.h"

#include <cstddef>

namespace typ {

// A zlib stream (RFC 1950) of the bytes at the default compression level.
TBytes Compress(const TBytes& bytes);

// The bytes of a zlib stream. A damaged or truncated stream, or one that
// inflates beyond `limit` bytes, throws ERemoteError with zlib's message.
TBytes Inflate(const TBytes& stream, std::size_t limit);

} // namespace typ
