#include "sysinfo/Compression.h"

#include "sysinfo/RemoteError.h"

#include <algorithm>
#include <limits>
#include <string>
#include <zlib.h>

namespace typ {
namespace {

constexpr std::size_t kInflateStep = 64 * 1024;

// zlib counts in 32-bit units; larger inputs are fed in slices.
uInt Slice(std::size_t remaining) {
    return static_cast<uInt>(std::min<std::size_t>(remaining, std::numeric_limits<uInt>::max()));
}

// One pass of inflation through a fixed window: each portion produced is
// handed to `take`. Stops with "answer too large" once the output would pass
// `limit`, so the pass itself holds no more than the window.
class TInflation {
public:
    TInflation() {
        const int status = inflateInit(&FStream);
        if (status != Z_OK)
            throw ERemoteError(std::string("zlib error: ") + zError(status));
    }
    ~TInflation() { inflateEnd(&FStream); }
    TInflation(const TInflation&) = delete;
    TInflation& operator=(const TInflation&) = delete;

    // The size of the whole output.
    template <typename TTake>
    std::size_t Run(const TBytes& stream, std::size_t limit, TTake&& take) {
        FStream.next_in = const_cast<Bytef*>(stream.data());
        std::size_t remainingIn = stream.size();
        std::size_t produced = 0;
        int status = Z_OK;
        do {
            if (FStream.avail_in == 0 && remainingIn > 0) {
                FStream.avail_in = Slice(remainingIn);
                remainingIn -= FStream.avail_in;
            }
            FStream.next_out = FWindow.data();
            FStream.avail_out = static_cast<uInt>(FWindow.size());
            status = inflate(&FStream, Z_NO_FLUSH);
            if (status == Z_BUF_ERROR && FStream.avail_in == 0 && remainingIn == 0)
                status = Z_DATA_ERROR; // truncated: no input left to finish with
            if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
                Fail(status);
            const std::size_t portion = FWindow.size() - FStream.avail_out;
            if (portion > limit - produced)
                RaiseAnswerTooLarge(limit);
            produced += portion;
            take(FWindow.data(), portion);
        } while (status != Z_STREAM_END);
        return produced;
    }

private:
    [[noreturn]] void Fail(int status) const {
        throw ERemoteError(std::string("zlib error: ") +
                           (FStream.msg != nullptr ? FStream.msg : zError(status)));
    }

    z_stream FStream{};
    TBytes FWindow = TBytes(kInflateStep);
};

} // namespace

TBytes Compress(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= kCompressLimit)
        throw ERemoteError("Body too long to send (" + std::to_string(bytes.size()) + " bytes)");
    uLong bound = compressBound(static_cast<uLong>(bytes.size()));
    TBytes out(bound);
    int status = compress2(out.data(), &bound, bytes.data(), static_cast<uLong>(bytes.size()),
                           Z_DEFAULT_COMPRESSION);
    if (status != Z_OK)
        throw ERemoteError(std::string("zlib error: ") + zError(status));
    out.resize(bound);
    return out;
}

// Measures first, then keeps: the output is allocated once, at its true size,
// and only after the stream has proven to stay within the limit.
TBytes Inflate(const TBytes& stream, std::size_t limit) {
    const std::size_t size = TInflation().Run(stream, limit, [](const Bytef*, std::size_t) {});
    TBytes out;
    out.reserve(size);
    TInflation().Run(stream, limit, [&out](const Bytef* data, std::size_t count) {
        out.insert(out.end(), data, data + count);
    });
    return out;
}

void RaiseAnswerTooLarge(std::size_t limit, std::uint64_t size) {
    const std::string limitText = std::to_string(limit);
    throw ERemoteError("Response refused, answer too large (" +
                       (size != 0 ? std::to_string(size) + " bytes announced, over " + limitText
                                  : "over " + limitText + " bytes") +
                       ")");
}

} // namespace typ
