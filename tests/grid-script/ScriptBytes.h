#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace typ::test {

// The bytes of a grid script, read one at a time; past the end every read is
// 0, so any byte string is a complete script.
class TScriptBytes {
public:
    explicit TScriptBytes(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}

    bool AtEnd() const { return FNext >= FBytes.size(); }
    std::uint8_t Byte() { return AtEnd() ? std::uint8_t{0} : FBytes[FNext++]; }
    // A number in [0, bound), bound at most 256.
    int Below(int bound) { return Byte() % bound; }
    // A number in [0, 65536).
    int Word() { return Byte() << 8 | Byte(); }

private:
    std::span<const std::uint8_t> FBytes;
    std::size_t FNext = 0;
};

} // namespace typ::test
