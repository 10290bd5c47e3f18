#include "GrayPng.h"

#include <stdexcept>
#include <string_view>
#include <zlib.h>

namespace typ::win {
namespace {

void AppendBigEndian(std::string& out, unsigned long value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& out, std::string_view type, std::string_view data) {
    AppendBigEndian(out, static_cast<unsigned long>(data.size()));
    const std::size_t body = out.size();
    out += type;
    out += data;
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + body);
    AppendBigEndian(out, crc32(0, bytes, static_cast<uInt>(out.size() - body)));
}

std::string Header(const TGrayPicture& picture) {
    std::string header;
    AppendBigEndian(header, static_cast<unsigned long>(picture.Width));
    AppendBigEndian(header, static_cast<unsigned long>(picture.Height));
    header += std::string{8, 0, 0, 0, 0}; // depth 8, grayscale, deflate, filter 0, no interlace
    return header;
}

std::string CompressedRows(const TGrayPicture& picture) {
    const auto rowSize = static_cast<std::size_t>(picture.Width);
    std::string raw;
    raw.reserve((rowSize + 1) * static_cast<std::size_t>(picture.Height));
    for (int y = 0; y < picture.Height; ++y) {
        raw += '\0';
        const auto* row = picture.Pixels.data() + static_cast<std::size_t>(y) * rowSize;
        raw.append(reinterpret_cast<const char*>(row), rowSize);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string compressed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("PNG: compression failed");
    compressed.resize(size);
    return compressed;
}

} // namespace

std::string EncodeGrayPng(const TGrayPicture& picture) {
    if (picture.Width <= 0 || picture.Height <= 0 ||
        picture.Pixels.size() !=
            static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height))
        throw std::invalid_argument("PNG: the pixels do not match the size");
    std::string png = "\x89PNG\r\n\x1A\n";
    AppendChunk(png, "IHDR", Header(picture));
    AppendChunk(png, "IDAT", CompressedRows(picture));
    AppendChunk(png, "IEND", "");
    return png;
}

} // namespace typ::win
