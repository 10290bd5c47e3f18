#include "sysinfo/Compression.h"

#include "SysInfoTestSupport.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace typ {
namespace {

using testing::ErrorOf;

TBytes Pattern(std::size_t size) {
    TBytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

TEST(Compression, RoundTripsThroughAZlibStream) {
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{4096}, std::size_t{300000}}) {
        const TBytes bytes = Pattern(size);
        const TBytes stream = Compress(bytes);
        ASSERT_GE(stream.size(), 2u);
        // RFC 1950 header: deflate with a 32 KiB window, check bits valid.
        EXPECT_EQ(stream[0], 0x78);
        EXPECT_EQ((stream[0] * 256 + stream[1]) % 31, 0);
        EXPECT_EQ(Inflate(stream, size), bytes) << size;
    }
}

TEST(Compression, InflatingStopsAtTheLimit) {
    const TBytes stream = Compress(TBytes(1 << 20, 'A'));
    EXPECT_EQ(Inflate(stream, 1 << 20).size(), 1u << 20);
    EXPECT_EQ(ErrorOf([&] { Inflate(stream, (1 << 20) - 1); }),
              "Response refused, answer too large (over 1048575 bytes)");
    EXPECT_THROW(Inflate(stream, 0), ERemoteError);
}

// A body too long for zlib's 32-bit counts on some platforms cannot exist in
// a 32-bit process.
#if SIZE_MAX > 0xFFFFFFFFu
TEST(Compression, BodiesTooLongToSendAreRefusedBeforeCompressing) {
    // Zeroed memory from calloc is not touched until read, so the 2 GiB cost
    // nothing unless the compressor reads them.
    constexpr std::size_t kTooLong = std::size_t{1} << 31;
    const std::unique_ptr<std::uint8_t, decltype(&std::free)> huge(
        static_cast<std::uint8_t*>(std::calloc(kTooLong, 1)), &std::free);
    ASSERT_NE(huge, nullptr);
    EXPECT_EQ(ErrorOf([&] { Compress(std::span<const std::uint8_t>(huge.get(), kTooLong)); }),
              "Body too long to send (2147483648 bytes)");
}
#endif

TEST(Compression, DamagedOrTruncatedStreamsRaiseTheZlibError) {
    const TBytes stream = Compress(Pattern(5000));
    TBytes damaged = stream;
    damaged[0] = 0x00;
    EXPECT_EQ(ErrorOf([&] { Inflate(damaged, 10000); }), "zlib error: incorrect header check");
    TBytes badChecksum = stream;
    badChecksum.back() ^= 0xFF;
    EXPECT_EQ(ErrorOf([&] { Inflate(badChecksum, 10000); }), "zlib error: incorrect data check");
    const TBytes truncated(stream.begin(), stream.end() - 10);
    EXPECT_EQ(ErrorOf([&] { Inflate(truncated, 10000); }).rfind("zlib error: ", 0), 0u);
    EXPECT_THROW(Inflate(TBytes(), 10000), ERemoteError);
}

} // namespace
} // namespace typ
