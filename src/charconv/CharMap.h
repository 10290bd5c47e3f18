#pragma once

#include <array>
#include <span>
#include <string>

namespace typ {

struct TCharPair {
    char16_t from;
    char16_t to;
};

// Replaces characters by a fixed list of pairs, one table read per character;
// every other character maps to itself. Runs on each typed key and on whole
// templates, hence the full 64K table.
class TCharMap {
public:
    explicit TCharMap(std::span<const TCharPair> pairs);

    // Each character replaced at most once: results are never looked up again.
    std::u16string Apply(std::u16string text) const;

private:
    std::array<char16_t, 0x10000> m_to;
};

} // namespace typ
