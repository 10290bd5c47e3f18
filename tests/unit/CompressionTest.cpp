#include "sysinfo/Compression.h"

#include "SysInfoTestSupport.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(ErrorOf([&] { Inflate(stream, (1 << 20) - 1); }).rfind("zlib error: ", 0), 0u);
    EXPECT_THROW(Inflate(stream, 0), ERemoteError);
}

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
