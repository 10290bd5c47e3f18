#include "sysinfo/Des.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

struct TKnownAnswer {
    std::uint64_t Key;
    std::uint64_t Plain;
    std::uint64_t Cipher;
};

// Published vectors: the classic worked example, NIST's variable-plaintext and
// variable-key tests, and its substitution-table tests.
constexpr TKnownAnswer kKnownAnswers[] = {
    {0x133457799BBCDFF1, 0x0123456789ABCDEF, 0x85E813540F0AB405},
    {0x0E329232EA6D0D73, 0x8787878787878787, 0x0000000000000000},
    {0x0101010101010101, 0x8000000000000000, 0x95F8A5E5DD31D900},
    {0x0101010101010101, 0x4000000000000000, 0xDD7F121CA5015619},
    {0x0101010101010101, 0x0000000000000001, 0x166B40B44ABA4BD6},
    {0x8001010101010101, 0x0000000000000000, 0x95A8D72813DAA94D},
    {0x4001010101010101, 0x0000000000000000, 0x0EEC1487DD8C26D5},
    {0x0101010101010102, 0x0000000000000000, 0x869EFD7F9F265A09},
    {0x7CA110454A1A6E57, 0x01A1D6D039776742, 0x690F5B0D9A26939B},
    {0x0131D9619DC1376E, 0x5CD54CA83DEF57DA, 0x7A389D10354BD271},
    {0x07A1133E4A0B2686, 0x0248D43806F67172, 0x868EBB51CAB4599A},
    {0x3849674C2602319E, 0x51454B582DDF440A, 0x7178876E01F19B2A},
    {0xFEDCBA9876543210, 0x0123456789ABCDEF, 0xED39D950FA74BCC4},
};

TEST(Des, KnownAnswersBothWays) {
    for (const TKnownAnswer& answer : kKnownAnswers) {
        const TDes des(answer.Key);
        EXPECT_EQ(des.Encrypt(answer.Plain), answer.Cipher) << std::hex << answer.Key;
        EXPECT_EQ(des.Decrypt(answer.Cipher), answer.Plain) << std::hex << answer.Key;
    }
}

// Rivest's chain: each result is both key and block of the next step,
// alternately encrypted and decrypted, so errors anywhere accumulate.
TEST(Des, RivestChain) {
    std::uint64_t x = 0x9474B8E8C73BCA7D;
    for (int i = 0; i < 16; ++i)
        x = i % 2 == 0 ? TDes(x).Encrypt(x) : TDes(x).Decrypt(x);
    EXPECT_EQ(x, 0x1B1A2DDB4C642438u);
}

TEST(Des, ParityBitsOfTheKeyAreIgnored) {
    const TDes des(0x133457799BBCDFF1 ^ 0x0101010101010101);
    EXPECT_EQ(des.Encrypt(0x0123456789ABCDEF), 0x85E813540F0AB405u);
}

TEST(Des, BytesAreReadBigEndian) {
    const std::uint8_t key[8] = {0x13, 0x34, 0x57, 0x79, 0x9B, 0xBC, 0xDF, 0xF1};
    const std::uint8_t plain[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    const TDes des{std::span<const std::uint8_t, 8>(key)};
    std::uint8_t cipher[8] = {};
    StoreBigEndian64(des.Encrypt(LoadBigEndian64(plain)), cipher);
    const std::uint8_t expected[8] = {0x85, 0xE8, 0x13, 0x54, 0x0F, 0x0A, 0xB4, 0x05};
    EXPECT_TRUE(std::equal(cipher, cipher + 8, expected));
}

} // namespace
} // namespace typ
