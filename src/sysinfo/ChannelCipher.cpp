#include "sysinfo/ChannelCipher.h"

#include <algorithm>
#include <cstddef>
#include <span>

namespace typ {
namespace {

// The message is enciphered in pieces of this size; the feedback carries over.
constexpr std::size_t kPieceSize = 4096;
constexpr std::size_t kBlockSize = 24;
constexpr std::uint64_t kLowHalf = 0xFFFFFFFFu;

using TBlock = std::array<std::uint64_t, 3>;

std::uint8_t HexDigit(char digit) {
    return static_cast<std::uint8_t>(digit <= '9' ? digit - '0' : digit - 'A' + 10);
}

TBlock Xor(const TBlock& a, const TBlock& b) {
    return {a[0] ^ b[0], a[1] ^ b[1], a[2] ^ b[2]};
}

TBlock LoadBlock(const std::uint8_t* bytes) {
    TBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = LoadBigEndian64(std::span<const std::uint8_t, 8>(bytes + 8 * i, 8));
    return block;
}

void StoreBlock(const TBlock& block, std::uint8_t* bytes) {
    for (std::size_t i = 0; i < block.size(); ++i)
        StoreBigEndian64(block[i], std::span<std::uint8_t, 8>(bytes + 8 * i, 8));
}

// Bytes 4 to 7 of the block change places with bytes 8 to 11: the only
// mixing between the three sub-blocks.
void ExchangeMiddleWords(TBlock& block) {
    const std::uint64_t first = block[0];
    const std::uint64_t second = block[1];
    block[0] = (first & ~kLowHalf) | (second >> 32);
    block[1] = (first << 32) | (second & kLowHalf);
}

template <typename TStep> void EachSubBlock(TBlock& block, TStep step) {
    for (std::uint64_t& subBlock : block)
        subBlock = step(subBlock);
}

} // namespace

TChannelCipherKey ChannelCipherKey() {
    TChannelCipherKey key{};
    for (std::size_t i = 0; i < kChannelKey.size() / 2; ++i)
        key[i] = static_cast<std::uint8_t>(HexDigit(kChannelKey[2 * i]) << 4 |
                                           HexDigit(kChannelKey[2 * i + 1]));
    return key;
}

TChannelCipher::TChannelCipher(const TChannelCipherKey& key)
    : FK1(std::span<const std::uint8_t, 8>(key.data(), 8)),
      FK2(std::span<const std::uint8_t, 8>(key.data() + 8, 8)),
      FK3(std::span<const std::uint8_t, 8>(key.data() + 16, 8)) {}

TBytes TChannelCipher::Encipher(const TBytes& message) const {
    return Process(message, true);
}

TBytes TChannelCipher::Decipher(const TBytes& enciphered) const {
    return Process(enciphered, false);
}

TChannelCipher::TBlock TChannelCipher::EncryptBlock(TBlock block) const {
    EachSubBlock(block, [this](std::uint64_t b) { return FK1.Encrypt(b); });
    ExchangeMiddleWords(block);
    EachSubBlock(block, [this](std::uint64_t b) { return FK2.Decrypt(b); });
    ExchangeMiddleWords(block);
    EachSubBlock(block, [this](std::uint64_t b) { return FK3.Encrypt(b); });
    return block;
}

TChannelCipher::TBlock TChannelCipher::DecryptBlock(TBlock block) const {
    EachSubBlock(block, [this](std::uint64_t b) { return FK3.Decrypt(b); });
    ExchangeMiddleWords(block);
    EachSubBlock(block, [this](std::uint64_t b) { return FK2.Encrypt(b); });
    ExchangeMiddleWords(block);
    EachSubBlock(block, [this](std::uint64_t b) { return FK1.Decrypt(b); });
    return block;
}

TBytes TChannelCipher::Process(const TBytes& input, bool encipher) const {
    TBytes output(input.size());
    TBlock feedback = EncryptBlock({~0ull, ~0ull, ~0ull});
    for (std::size_t piece = 0; piece < input.size(); piece += kPieceSize) {
        const std::size_t end = std::min(piece + kPieceSize, input.size());
        std::size_t at = piece;
        for (; end - at >= kBlockSize; at += kBlockSize) {
            const TBlock in = LoadBlock(input.data() + at);
            const TBlock sent = encipher ? EncryptBlock(Xor(in, feedback)) : in;
            StoreBlock(encipher ? sent : Xor(DecryptBlock(in), feedback), output.data() + at);
            feedback = Xor(sent, feedback);
        }
        if (at < end) {
            // The piece's last 1 to 23 bytes: the same on both sides.
            const TBlock key = EncryptBlock(feedback);
            std::array<std::uint8_t, kBlockSize> keyBytes{};
            StoreBlock(key, keyBytes.data());
            for (std::size_t i = 0; at + i < end; ++i)
                output[at + i] = static_cast<std::uint8_t>(input[at + i] ^ keyBytes[i]);
            feedback = Xor(key, feedback);
        }
    }
    return output;
}

const TChannelCipher& ChannelCipher() {
    static const TChannelCipher cipher(ChannelCipherKey());
    return cipher;
}

} // namespace typ
