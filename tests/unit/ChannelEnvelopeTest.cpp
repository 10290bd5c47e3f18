#include "sysinfo/ChannelEnvelope.h"

#include "sysinfo/ChannelCipher.h"
#include "sysinfo/Compression.h"
#include "sysinfo/RemoteError.h"

#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

TBytes Text(const std::string& text) {
    return TBytes(text.begin(), text.end());
}

TBytes Pattern(std::size_t length) {
    TBytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 13 + 5);
    return bytes;
}

TBytes UInt32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

TBytes Join(std::initializer_list<TBytes> parts) {
    TBytes joined;
    for (const TBytes& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// The message of an error raised by unwrapping, or "" when none is raised.
std::string UnwrapError(const TBytes& payload) {
    try {
        UnwrapEnvelope(payload);
    } catch (const ERemoteError& error) {
        return error.what();
    }
    return "";
}

TEST(ChannelEnvelope, WrapsInSignatureFlagsMethodAndCiphertext) {
    const TBytes message = Text("RO107 cuerpo");
    EXPECT_EQ(WrapEnvelope(message),
              Join({Text("rorocks"), UInt32(2), UInt32(1), ChannelCipher().Encipher(message)}));
}

TEST(ChannelEnvelope, RoundTripsEveryLength) {
    std::vector<std::size_t> lengths;
    for (std::size_t length = 0; length <= 600; ++length)
        lengths.push_back(length);
    for (std::size_t length = 601; length <= 10000; length += 97)
        lengths.push_back(length);
    lengths.insert(lengths.end(), {4095, 4096, 4097, 8191, 8192, 8193, 10000});
    for (const std::size_t length : lengths) {
        const TBytes message = Pattern(length);
        const TBytes payload = WrapEnvelope(message);
        ASSERT_EQ(payload.size(), 15 + length);
        ASSERT_EQ(UnwrapEnvelope(payload), message) << length;
    }
}

TEST(ChannelEnvelope, PayloadWithoutSignatureIsTheMessage) {
    for (const TBytes& payload : {TBytes{}, Text("ror"), Text("rorock"), Text("RO107 cuerpo"),
                                  Join({Text("Rorocks"), UInt32(2)})})
        EXPECT_EQ(UnwrapEnvelope(payload), payload);
}

TEST(ChannelEnvelope, FollowsTheFlagsItReceives) {
    const TBytes message = Pattern(5000);
    const TBytes compressed = Join({UInt32(5000), Compress(message)});
    EXPECT_EQ(UnwrapEnvelope(Join({Text("rorocks"), UInt32(0), message})), message);
    EXPECT_EQ(UnwrapEnvelope(Join({Text("rorocks"), UInt32(1), compressed})), message);
    EXPECT_EQ(UnwrapEnvelope(Join(
                  {Text("rorocks"), UInt32(3), UInt32(1), ChannelCipher().Encipher(compressed)})),
              message);
    EXPECT_EQ(UnwrapEnvelope(Join({Text("rorocks"), UInt32(1), UInt32(0), Compress({})})),
              TBytes{});
}

TEST(ChannelEnvelope, RefusesUnknownFlagsAndCiphers) {
    for (const std::uint32_t flags : {4u, 6u, 0x80000002u})
        EXPECT_EQ(UnwrapError(Join({Text("rorocks"), UInt32(flags), UInt32(1), Pattern(30)}))
                      .rfind("Invalid response type", 0),
                  0u)
            << flags;
    for (const std::uint32_t method : {0u, 2u, 0xFFFFFFFFu})
        EXPECT_EQ(UnwrapError(Join({Text("rorocks"), UInt32(2), UInt32(method), Pattern(30)})),
                  "OK, who forgot to create the cipher?")
            << method;
}

TEST(ChannelEnvelope, PayloadTooShortForItsFields) {
    const TBytes signature = Text("rorocks");
    for (const TBytes& payload :
         {signature, Join({signature, TBytes{2, 0, 0}}), Join({signature, UInt32(2), TBytes{1}}),
          Join({signature, UInt32(1), TBytes{0x10, 0}}), Join({signature, UInt32(3), UInt32(1)})})
        EXPECT_EQ(UnwrapError(payload), "Stream read error") << payload.size();
}

// The announced count bounds the inflation; it is never taken on trust.
TEST(ChannelEnvelope, CompressedCountMustMatchTheStream) {
    const TBytes message = Pattern(1000);
    const auto withCount = [&](std::uint32_t count) {
        return Join({Text("rorocks"), UInt32(1), UInt32(count), Compress(message)});
    };
    EXPECT_EQ(UnwrapEnvelope(withCount(1000)), message);
    EXPECT_EQ(UnwrapError(withCount(999)).rfind("zlib error", 0), 0u);
    EXPECT_EQ(UnwrapError(withCount(1001)), "zlib error: stream shorter than announced");
    EXPECT_EQ(UnwrapError(withCount(16u << 20)), "zlib error: stream shorter than announced");
    EXPECT_EQ(UnwrapError(withCount((16u << 20) + 1)),
              "Response refused, answer too large (16777217 bytes announced, over 16777216)");
    EXPECT_EQ(UnwrapError(withCount(0xFFFFFFFFu)),
              "Response refused, answer too large (4294967295 bytes announced, over 16777216)");
    TBytes damaged = withCount(1000);
    damaged[damaged.size() / 2] ^= 0xFF;
    EXPECT_EQ(UnwrapError(damaged).rfind("zlib error", 0), 0u);
}

} // namespace
} // namespace typ
