#include "sysinfo/Des.h"

#include <bit>
#include <cstddef>
#include <utility>

namespace typ {
namespace {

// Bit positions are counted from 1 at the most significant end, as in FIPS 46-3.
constexpr std::array<std::uint8_t, 32> kPermutationP = {16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23,
                                                        26, 5, 18, 31, 10, 2,  8,  24, 14, 32, 27,
                                                        3,  9, 19, 13, 30, 6,  22, 11, 4,  25};

constexpr std::array<std::uint8_t, 56> kPermutedChoice1 = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18, 10, 2,  59, 51, 43,
    35, 27, 19, 11, 3,  60, 52, 44, 36, 63, 55, 47, 39, 31, 23, 15, 7,  62, 54,
    46, 38, 30, 22, 14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};

constexpr std::array<std::uint8_t, 48> kPermutedChoice2 = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
    41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};

constexpr std::array<int, 16> kKeyShifts = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

// S1 to S8, each as four rows of sixteen columns.
constexpr std::uint8_t kSubstitution[8][64] = {
    {14, 4,  13, 1, 2,  15, 11, 8, 3, 10, 6, 12, 5,  9,  0,  7,  0,  15, 7,  4,  14, 2,
     13, 1,  10, 6, 12, 11, 9,  5, 3, 8,  4, 1,  14, 8,  13, 6,  2,  11, 15, 12, 9,  7,
     3,  10, 5,  0, 15, 12, 8,  2, 4, 9,  1, 7,  5,  11, 3,  14, 10, 0,  6,  13},
    {15, 1,  8,  14, 6,  11, 3,  4, 9,  7,  2, 13, 12, 0,  5,  10, 3,  13, 4,  7, 15, 2,
     8,  14, 12, 0,  1,  10, 6,  9, 11, 5,  0, 14, 7,  11, 10, 4,  13, 1,  5,  8, 12, 6,
     9,  3,  2,  15, 13, 8,  10, 1, 3,  15, 4, 2,  11, 6,  7,  12, 0,  5,  14, 9},
    {10, 0,  9,  14, 6, 3,  15, 5,  1,  13, 12, 7, 11, 4,  2,  8,  13, 7, 0,  9, 3, 4,
     6,  10, 2,  8,  5, 14, 12, 11, 15, 1,  13, 6, 4,  9,  8,  15, 3,  0, 11, 1, 2, 12,
     5,  10, 14, 7,  1, 10, 13, 0,  6,  9,  8,  7, 4,  15, 14, 3,  11, 5, 2,  12},
    {7, 13, 14, 3, 0, 6,  9, 10, 1,  2, 8,  5, 11, 12, 4,  15, 13, 8,  11, 5, 6, 15,
     0, 3,  4,  7, 2, 12, 1, 10, 14, 9, 10, 6, 9,  0,  12, 11, 7,  13, 15, 1, 3, 14,
     5, 2,  8,  4, 3, 15, 0, 6,  10, 1, 13, 8, 9,  4,  5,  11, 12, 7,  2,  14},
    {2,  12, 4, 1,  7,  10, 11, 6, 8, 5,  3, 15, 13, 0,  14, 9,  14, 11, 2,  12, 4,  7,
     13, 1,  5, 0,  15, 10, 3,  9, 8, 6,  4, 2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,
     6,  3,  0, 14, 11, 8,  12, 7, 1, 14, 2, 13, 6,  15, 0,  9,  10, 4,  5,  3},
    {12, 1,  10, 15, 9,  2,  6, 8,  0, 13, 3,  4,  14, 7,  5, 11, 10, 15, 4, 2, 7, 12,
     9,  5,  6,  1,  13, 14, 0, 11, 3, 8,  9,  14, 15, 5,  2, 8,  12, 3,  7, 0, 4, 10,
     1,  13, 11, 6,  4,  3,  2, 12, 9, 5,  15, 10, 11, 14, 1, 7,  6,  0,  8, 13},
    {4, 11, 2,  14, 15, 0,  8,  13, 3, 12, 9,  7, 5,  10, 6,  1,  13, 0,  11, 7,  4, 9,
     1, 10, 14, 3,  5,  12, 2,  15, 8, 6,  1,  4, 11, 13, 12, 3,  7,  14, 10, 15, 6, 8,
     0, 5,  9,  2,  6,  11, 13, 8,  1, 4,  10, 7, 9,  5,  0,  15, 14, 2,  3,  12},
    {13, 2, 8,  4, 6, 15, 11, 1,  10, 9,  3, 14, 5,  0,  12, 7,  1,  15, 13, 8, 10, 3,
     7,  4, 12, 5, 6, 11, 0,  14, 9,  2,  7, 11, 4,  1,  9,  12, 14, 2,  0,  6, 10, 13,
     15, 3, 5,  8, 2, 1,  14, 7,  4,  10, 8, 13, 15, 12, 9,  0,  3,  5,  6,  11}};

// Output bit i takes input bit table[i]; the input is `inputBits` wide.
template <std::size_t N>
std::uint64_t Permute(std::uint64_t input, int inputBits,
                      const std::array<std::uint8_t, N>& table) {
    std::uint64_t output = 0;
    for (const std::uint8_t position : table)
        output = (output << 1) | ((input >> (inputBits - position)) & 1u);
    return output;
}

// Box j followed by the permutation P, by the box's 6-bit input: the round
// function is then the union of eight look-ups.
using TSpreadBoxes = std::array<std::array<std::uint32_t, 64>, 8>;

TSpreadBoxes SpreadBoxes() {
    TSpreadBoxes spread{};
    for (std::size_t box = 0; box < 8; ++box) {
        for (std::size_t input = 0; input < 64; ++input) {
            const std::size_t row = ((input >> 4) & 2u) | (input & 1u);
            const std::size_t column = (input >> 1) & 0xFu;
            const std::uint64_t output = kSubstitution[box][row * 16 + column];
            spread[box][input] =
                static_cast<std::uint32_t>(Permute(output << (28 - 4 * box), 32, kPermutationP));
        }
    }
    return spread;
}

const TSpreadBoxes& Spread() {
    static const TSpreadBoxes spread = SpreadBoxes();
    return spread;
}

// Exchanges the bits of `high` selected by mask << shift with the bits of
// `low` selected by mask; doing it twice restores both.
void DeltaSwap(std::uint32_t& high, std::uint32_t& low, int shift, std::uint32_t mask) {
    const std::uint32_t moved = ((high >> shift) ^ low) & mask;
    low ^= moved;
    high ^= moved << shift;
}

// The initial permutation IP as five exchanges of bit groups between the
// halves of the block (left: bits 1 to 32, right: bits 33 to 64).
void InitialPermutation(std::uint32_t& left, std::uint32_t& right) {
    DeltaSwap(left, right, 4, 0x0F0F0F0Fu);
    DeltaSwap(left, right, 16, 0x0000FFFFu);
    DeltaSwap(right, left, 2, 0x33333333u);
    DeltaSwap(right, left, 8, 0x00FF00FFu);
    DeltaSwap(left, right, 1, 0x55555555u);
}

// Its inverse: the same exchanges in the opposite order.
void FinalPermutation(std::uint32_t& left, std::uint32_t& right) {
    DeltaSwap(left, right, 1, 0x55555555u);
    DeltaSwap(right, left, 8, 0x00FF00FFu);
    DeltaSwap(right, left, 2, 0x33333333u);
    DeltaSwap(left, right, 16, 0x0000FFFFu);
    DeltaSwap(left, right, 4, 0x0F0F0F0Fu);
}

// The expansion E feeds box j (from 0) with bits 4j to 4j+5 of the half block,
// counted from 1 with bit 0 standing for bit 32: the low six bits of the half
// rotated right by 27 - 4j. Rotated right by 27 and by 31, the half holds the
// inputs of the even and of the odd boxes at byte boundaries, so each round
// key is kept as two words laid out the same way.
struct TBoxInput {
    std::size_t Word;
    int Shift;
};
constexpr TBoxInput kBoxInputs[8] = {{0, 0},  {1, 24}, {0, 24}, {1, 16},
                                     {0, 16}, {1, 8},  {0, 8},  {1, 0}};

std::uint32_t RoundFunction(std::uint32_t half, const std::array<std::uint32_t, 2>& key,
                            const TSpreadBoxes& spread) {
    const std::uint32_t words[2] = {std::rotr(half, 27) ^ key[0], std::rotr(half, 31) ^ key[1]};
    // Spelled out per box at compile time, so every shift is a constant.
    return [&]<std::size_t... Box>(std::index_sequence<Box...>) {
        return (spread[Box][(words[kBoxInputs[Box].Word] >> kBoxInputs[Box].Shift) & 0x3Fu] | ...);
    }
    (std::make_index_sequence<8>{});
}

std::uint32_t RotateLeft28(std::uint32_t value, int count) {
    return ((value << count) | (value >> (28 - count))) & 0x0FFFFFFFu;
}

} // namespace

TDes::TDes(std::uint64_t key) {
    const std::uint64_t chosen = Permute(key, 64, kPermutedChoice1);
    auto c = static_cast<std::uint32_t>(chosen >> 28);
    auto d = static_cast<std::uint32_t>(chosen & 0x0FFFFFFFu);
    for (std::size_t round = 0; round < FRoundKeys.size(); ++round) {
        c = RotateLeft28(c, kKeyShifts[round]);
        d = RotateLeft28(d, kKeyShifts[round]);
        const std::uint64_t roundKey =
            Permute((static_cast<std::uint64_t>(c) << 28) | d, 56, kPermutedChoice2);
        for (std::size_t box = 0; box < 8; ++box) {
            const auto group = static_cast<std::uint32_t>((roundKey >> (42 - 6 * box)) & 0x3Fu);
            FRoundKeys[round][kBoxInputs[box].Word] |= group << kBoxInputs[box].Shift;
        }
    }
}

TDes::TDes(std::span<const std::uint8_t, 8> key) : TDes(LoadBigEndian64(key)) {}

std::uint64_t TDes::Encrypt(std::uint64_t block) const {
    return Crypt(block, false);
}

std::uint64_t TDes::Decrypt(std::uint64_t block) const {
    return Crypt(block, true);
}

std::uint64_t TDes::Crypt(std::uint64_t block, bool decrypt) const {
    const TSpreadBoxes& spread = Spread();
    auto left = static_cast<std::uint32_t>(block >> 32);
    auto right = static_cast<std::uint32_t>(block);
    InitialPermutation(left, right);
    for (std::size_t round = 0; round < FRoundKeys.size(); ++round) {
        const TRoundKey& key = FRoundKeys[decrypt ? FRoundKeys.size() - 1 - round : round];
        const std::uint32_t next = left ^ RoundFunction(right, key, spread);
        left = right;
        right = next;
    }
    // The halves are not exchanged after the last round.
    FinalPermutation(right, left);
    return (static_cast<std::uint64_t>(right) << 32) | left;
}

std::uint64_t LoadBigEndian64(std::span<const std::uint8_t, 8> bytes) {
    std::uint64_t value = 0;
    for (const std::uint8_t byte : bytes)
        value = (value << 8) | byte;
    return value;
}

void StoreBigEndian64(std::uint64_t value, std::span<std::uint8_t, 8> bytes) {
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (56 - 8 * i));
}

} // namespace typ
