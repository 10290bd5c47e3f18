#include "sysinfo/ChannelCipher.h"

#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

TBytes FromHex(const std::string& hex) {
    TBytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

TBytes Pattern(std::size_t length) {
    TBytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

TBytes Slice(const TBytes& bytes, std::size_t from, std::size_t to) {
    return TBytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                  bytes.begin() + static_cast<std::ptrdiff_t>(to));
}

TEST(ChannelCipher, KeyIsTheChannelKeyAndEightZeroBytes) {
    const TChannelCipherKey key = ChannelCipherKey();
    EXPECT_EQ(TBytes(key.begin(), key.end()),
              FromHex("7C41E0B95D2A86F31B9E4C07A5D36F28" + std::string(16, '0')));
}

// The expected bytes come from a separate implementation of the construction
// over another DES, so a fault that both directions share cannot pass.
TEST(ChannelCipher, KnownCiphertextOfAShortMessage) {
    const std::string text = "RO107 mensaje de prueba del canal: 53 bytes en total!";
    const TBytes message(text.begin(), text.end());
    const TBytes expected = FromHex("2F666397044DC7E656A9905B49628FC221506C297E20BAB95CB997DF3B"
                                    "3C82F55F51F1EA7BBCBCBB6954D6EFFA48DF8EC954D5C231");
    EXPECT_EQ(ChannelCipher().Encipher(message), expected);
    EXPECT_EQ(ChannelCipher().Decipher(expected), message);
}

// Around the end of the first 4096-byte piece (its last whole block, its
// 16-byte partial block, the next piece's first blocks) and at the tail.
TEST(ChannelCipher, KnownCiphertextAcrossAPieceBoundary) {
    const TBytes message = Pattern(4200);
    const TBytes enciphered = ChannelCipher().Encipher(message);
    EXPECT_EQ(Slice(enciphered, 4064, 4128),
              FromHex("C2914825A8C9D0C38EC75A54E23A00E23793E3FC57B48D6C97157507BAC32935"
                      "5451AE617F7EF9A82B49EED501E6AB79E6DC711BA5A0A0B97EBF099B25CB902B"));
    EXPECT_EQ(Slice(enciphered, 4176, 4200),
              FromHex("40C557B9C927092EC895E32FA1238ADEBFF1E26B3F098072"));
    EXPECT_EQ(ChannelCipher().Decipher(enciphered), message);
}

TEST(ChannelCipher, RoundTripsAtPieceAndBlockBoundaries) {
    for (std::size_t length : {0u, 1u, 23u, 24u, 25u, 4095u, 4096u, 4097u, 8192u, 8193u}) {
        const TBytes message = Pattern(length);
        const TBytes enciphered = ChannelCipher().Encipher(message);
        ASSERT_EQ(enciphered.size(), length);
        EXPECT_EQ(ChannelCipher().Decipher(enciphered), message) << length;
        if (length >= 24) {
            EXPECT_NE(enciphered, message) << length;
        }
    }
}

// Every message starts afresh, and whole blocks already enciphered never
// depend on what follows.
TEST(ChannelCipher, EachMessageStartsFromTheSameState) {
    const TBytes message = Pattern(5000);
    const TBytes whole = ChannelCipher().Encipher(message);
    EXPECT_EQ(ChannelCipher().Encipher(message), whole);
    for (std::size_t length : {24u, 48u, 4080u, 4096u, 4144u})
        EXPECT_EQ(ChannelCipher().Encipher(Slice(message, 0, length)), Slice(whole, 0, length));
}

TEST(ChannelCipher, AnotherKeyGivesAnotherCiphertext) {
    TChannelCipherKey key = ChannelCipherKey();
    key[23] = 2; // bit 0 of each key byte is a parity bit, which DES ignores
    const TChannelCipher other(key);
    const TBytes message = Pattern(100);
    EXPECT_NE(other.Encipher(message), ChannelCipher().Encipher(message));
    EXPECT_EQ(other.Decipher(other.Encipher(message)), message);
}

} // namespace
} // namespace typ
