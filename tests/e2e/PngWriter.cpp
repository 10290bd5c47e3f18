#include "PngWriter.h"

#include <stdexcept>
#include <string_view>
#include <zlib.h>

namespace typ::win {
namespace {

void AppendBigEndian(std::string& out, unsigned long value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void AppendChunk(std::string& out, std::string_view type, std::string_view data) {
    AppendBigEndian(out, static_cast<unsigned long>(data.size()));
    const std::string body = std::string(type) + std::string(data);
    out += body;
    const auto* bytes = reinterpret_cast<const Bytef*>(body.data());
    AppendBigEndian(out, crc32(0, bytes, static_cast<uInt>(body.size())));
}

std::string Header(const TRgbImage& image) {
    std::string header;
    AppendBigEndian(header, static_cast<unsigned long>(image.Width));
    AppendBigEndian(header, static_cast<unsigned long>(image.Height));
    header += std::string{8, 2, 0, 0, 0}; // depth 8, truecolour, deflate, filter 0, no interlace
    return header;
}

// Each row behind a filter byte of 0 (no filter), then deflated.
std::string CompressedRows(const TRgbImage& image) {
    const auto rowSize = static_cast<std::size_t>(image.Width) * 3;
    std::string raw;
    raw.reserve((rowSize + 1) * static_cast<std::size_t>(image.Height));
    for (int y = 0; y < image.Height; ++y) {
        raw += '\0';
        const auto* row = image.Rgb.data() + static_cast<std::size_t>(y) * rowSize;
        raw.append(reinterpret_cast<const char*>(row), rowSize);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string compressed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_BEST_SPEED) != Z_OK) {
        throw std::runtime_error("PNG: compression failed");
    }
    compressed.resize(size);
    return compressed;
}

} // namespace

std::string EncodePng(const TRgbImage& image) {
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Rgb.size() !=
            static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height) * 3) {
        throw std::invalid_argument("PNG: the pixels do not match the size");
    }
    std::string png = "\x89PNG\r\n\x1A\n";
    AppendChunk(png, "IHDR", Header(image));
    AppendChunk(png, "IDAT", CompressedRows(image));
    AppendChunk(png, "IEND", "");
    return png;
}

} // namespace typ::win
