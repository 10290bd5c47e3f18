#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace typ {

// The fixed version record at the root of a version resource.
struct TFixedFileInfo {
    std::uint32_t Signature = 0;
    std::uint32_t StrucVersion = 0;
    std::uint32_t FileVersionMS = 0;
    std::uint32_t FileVersionLS = 0;
    std::uint32_t ProductVersionMS = 0;
    std::uint32_t ProductVersionLS = 0;
    std::uint32_t FileFlagsMask = 0;
    std::uint32_t FileFlags = 0;
    std::uint32_t FileOS = 0;
    std::uint32_t FileType = 0;
    std::uint32_t FileSubtype = 0;
    std::uint32_t FileDateMS = 0;
    std::uint32_t FileDateLS = 0;
};

// A version resource as the platform stores it: a tree of blocks, each with
// its length, value length, type, zero-terminated UTF-16 key, value and
// children, aligned to four bytes. Parsed here rather than by the platform so
// that the rules hold, and can be proven, everywhere. Damaged blocks end the
// tree where they start; nothing is read outside the bytes.
class TVersionResource {
public:
    explicit TVersionResource(std::string bytes);

    // The value of the block at a path of keys separated by "\" (letter case
    // ignored); "\" alone is the root. None when there is no such block.
    std::optional<std::string_view> QueryValue(std::u16string_view subBlock) const;
    // The root's fixed record; none when the root holds none.
    const std::optional<TFixedFileInfo>& FixedFileInfo() const { return FFixed; }
    // The first entry of "\VarFileInfo\Translation": the language in the low
    // 16 bits, the code page in the high 16 bits.
    std::optional<std::uint32_t> Translation() const;
    // The zero-terminated text of a string block.
    std::optional<std::u16string> Text(std::u16string_view subBlock) const;

private:
    std::string FBytes;
    std::optional<TFixedFileInfo> FFixed;
};

} // namespace typ
