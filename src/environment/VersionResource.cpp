#include "environment/VersionResource.h"

#include "environment/StrUtils.h"

#include <vector>

namespace typ {
namespace {

constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr std::size_t kHeaderSize = 6;
constexpr std::uint16_t kTextType = 1;

struct TBlock {
    std::size_t End = 0;
    std::u16string Key;
    std::size_t ValueOffset = 0;
    std::size_t ValueSize = 0;
    std::size_t ChildrenOffset = 0;
};

std::size_t Align4(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

class TBlockReader {
public:
    explicit TBlockReader(std::string_view bytes) : FBytes(bytes) {}

    std::uint16_t Word(std::size_t offset) const {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(FBytes[offset]) |
                                          static_cast<unsigned char>(FBytes[offset + 1]) << 8);
    }

    std::uint32_t DWord(std::size_t offset) const {
        return Word(offset) | static_cast<std::uint32_t>(Word(offset + 2)) << 16;
    }

    // The block at offset within [offset, limit); none when it does not fit.
    std::optional<TBlock> Block(std::size_t offset, std::size_t limit) const {
        if (offset + kHeaderSize > limit)
            return std::nullopt;
        const std::size_t length = Word(offset);
        if (length < kHeaderSize || offset + length > limit)
            return std::nullopt;
        TBlock block;
        block.End = offset + length;
        std::size_t pos = offset + kHeaderSize;
        for (; pos + 1 < block.End && Word(pos) != 0; pos += 2)
            block.Key += static_cast<char16_t>(Word(pos));
        block.ValueOffset = std::min(Align4(pos + 2), block.End);
        const std::size_t units = Word(offset + 2);
        const std::size_t size = Word(offset + 4) == kTextType ? units * 2 : units;
        block.ValueSize = std::min(size, block.End - block.ValueOffset);
        block.ChildrenOffset = std::min(Align4(block.ValueOffset + block.ValueSize), block.End);
        return block;
    }

    std::optional<TBlock> Child(const TBlock& parent, std::u16string_view key) const {
        std::size_t offset = parent.ChildrenOffset;
        while (auto child = Block(offset, parent.End)) {
            if (SameText(child->Key, key))
                return child;
            offset = Align4(child->End);
        }
        return std::nullopt;
    }

private:
    std::string_view FBytes;
};

std::vector<std::u16string_view> PathParts(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find(u'\\', start), path.size());
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

} // namespace

TVersionResource::TVersionResource(std::string bytes) : FBytes(std::move(bytes)) {
    const auto root = QueryValue(u"\\");
    if (!root || root->size() < 13 * sizeof(std::uint32_t))
        return;
    const TBlockReader reader(*root);
    std::uint32_t fields[13];
    for (std::size_t i = 0; i < 13; ++i)
        fields[i] = reader.DWord(i * 4);
    if (fields[0] == kFixedSignature) {
        FFixed = TFixedFileInfo{fields[0],  fields[1],  fields[2], fields[3], fields[4],
                                fields[5],  fields[6],  fields[7], fields[8], fields[9],
                                fields[10], fields[11], fields[12]};
    }
}

std::optional<std::string_view> TVersionResource::QueryValue(std::u16string_view subBlock) const {
    const TBlockReader reader(FBytes);
    std::optional<TBlock> block = reader.Block(0, FBytes.size());
    for (const auto part : PathParts(subBlock)) {
        if (!block)
            break;
        block = reader.Child(*block, part);
    }
    if (!block)
        return std::nullopt;
    return std::string_view(FBytes).substr(block->ValueOffset, block->ValueSize);
}

std::optional<std::uint32_t> TVersionResource::Translation() const {
    const auto value = QueryValue(u"\\VarFileInfo\\Translation");
    if (!value || value->size() < sizeof(std::uint32_t))
        return std::nullopt;
    return TBlockReader(*value).DWord(0);
}

std::optional<std::u16string> TVersionResource::Text(std::u16string_view subBlock) const {
    const auto value = QueryValue(subBlock);
    if (!value)
        return std::nullopt;
    const TBlockReader reader(*value);
    std::u16string text;
    for (std::size_t pos = 0; pos + 1 < value->size() && reader.Word(pos) != 0; pos += 2)
        text += static_cast<char16_t>(reader.Word(pos));
    return text;
}

} // namespace typ
