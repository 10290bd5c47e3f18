#include "sysinfo/Compression.h"

#include "sysinfo/RemoteError.h"

#include <algorithm>
#include <limits>
#include <string>
#include <zlib.h>

namespace typ {
namespace {

constexpr std::size_t kInflateStep = 64 * 1024;

// Ends the stream and reports its failure with zlib's own words.
[[noreturn]] void FailInflate(z_stream& stream, int status) {
    std::string text = stream.msg != nullptr ? stream.msg : zError(status);
    inflateEnd(&stream);
    throw ERemoteError("zlib error: " + text);
}

// zlib counts in 32-bit units; larger inputs are fed in slices.
uInt Slice(std::size_t remaining) {
    return static_cast<uInt>(std::min<std::size_t>(remaining, std::numeric_limits<uInt>::max()));
}

} // namespace

TBytes Compress(const TBytes& bytes) {
    uLong bound = compressBound(static_cast<uLong>(bytes.size()));
    TBytes out(bound);
    int status = compress2(out.data(), &bound, bytes.data(), static_cast<uLong>(bytes.size()),
                           Z_DEFAULT_COMPRESSION);
    if (status != Z_OK)
        throw ERemoteError(std::string("zlib error: ") + zError(status));
    out.resize(bound);
    return out;
}

TBytes Inflate(const TBytes& stream, std::size_t limit) {
    z_stream z{};
    int status = inflateInit(&z);
    if (status != Z_OK)
        throw ERemoteError(std::string("zlib error: ") + zError(status));
    TBytes out;
    z.next_in = const_cast<Bytef*>(stream.data());
    std::size_t remainingIn = stream.size();
    z.avail_in = Slice(remainingIn);
    remainingIn -= z.avail_in;
    do {
        std::size_t produced = out.size();
        if (produced > limit)
            FailInflate(z, Z_DATA_ERROR);
        out.resize(std::min(produced + kInflateStep, limit + 1));
        z.next_out = out.data() + produced;
        z.avail_out = static_cast<uInt>(out.size() - produced);
        if (z.avail_in == 0 && remainingIn > 0) {
            z.avail_in = Slice(remainingIn);
            remainingIn -= z.avail_in;
        }
        status = inflate(&z, Z_NO_FLUSH);
        out.resize(out.size() - z.avail_out);
        if (status == Z_BUF_ERROR && z.avail_in == 0 && remainingIn == 0)
            status = Z_DATA_ERROR;
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            FailInflate(z, status);
    } while (status != Z_STREAM_END);
    inflateEnd(&z);
    if (out.size() > limit)
        throw ERemoteError("zlib error: stream longer than announced");
    return out;
}

} // namespace typ
