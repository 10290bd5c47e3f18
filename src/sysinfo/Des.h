#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace typ {

// The Data Encryption Standard (FIPS 46-3) on single 64-bit blocks. A block or
// key is held as a 64-bit number whose most significant bit is the standard's
// bit 1, i.e. its eight bytes read in big-endian order. The sixteen round keys
// are derived once, when the object is made; the parity bits of the key are
// ignored as the standard prescribes.
class TDes {
public:
    explicit TDes(std::uint64_t key);
    explicit TDes(std::span<const std::uint8_t, 8> key);

    std::uint64_t Encrypt(std::uint64_t block) const;
    std::uint64_t Decrypt(std::uint64_t block) const;

private:
    // Each round key's eight 6-bit groups, one per substitution box, spread
    // over two words where the round function finds the boxes' inputs.
    using TRoundKey = std::array<std::uint32_t, 2>;

    std::uint64_t Crypt(std::uint64_t block, bool decrypt) const;

    std::array<TRoundKey, 16> FRoundKeys{};
};

// Eight bytes in big-endian order as one number, and back.
std::uint64_t LoadBigEndian64(std::span<const std::uint8_t, 8> bytes);
void StoreBigEndian64(std::uint64_t value, std::span<std::uint8_t, 8> bytes);

} // namespace typ
