#pragma once

#include "sysinfo/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace typ {

// The most a received answer may inflate to: records are kilobytes, so this is
// far above any real answer, yet a hostile or damaged stream cannot make the
// client hold more than this (plus what arrived).
inline constexpr std::size_t kAnswerLimit = 16u * 1024u * 1024u;

// The most a body to compress may hold: what a frame can carry at all, and
// what zlib's counts take without truncation on every platform.
inline constexpr std::uint64_t kCompressLimit = 1ull << 31;

// A zlib stream (RFC 1950) of the bytes at the default compression level.
// Throws ERemoteError for kCompressLimit bytes or more, before compressing.
TBytes Compress(std::span<const std::uint8_t> bytes);

// The bytes of a zlib stream. A damaged or truncated stream throws
// ERemoteError with zlib's message; one that inflates beyond `limit` bytes
// throws ERemoteError("... answer too large ...") before anything of its output
// is kept, so memory never grows past the inflated size.
TBytes Inflate(const TBytes& stream, std::size_t limit);

// Raises the error of an answer that would exceed `limit` bytes; `size`
// names its announced size when known (0 otherwise).
[[noreturn]] void RaiseAnswerTooLarge(std::size_t limit, std::uint64_t size = 0);

} // namespace typ
