#include "PngWriter.h"

#include <stdexcept>
#include <string_view>
#include <zlib.h>

namespace typ::win {
namespace {

// What the two kinds of image share on their way into the file.
struct TSamples {
    int Width;
    int Height;
    char ColourType; // 0 grayscale, 2 truecolour
    std::size_t Channels;
    const std::vector<unsigned char>& Bytes;
    int Level; // deflate level
};

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

std::string Header(const TSamples& image) {
    std::string header;
    AppendBigEndian(header, static_cast<unsigned long>(image.Width));
    AppendBigEndian(header, static_cast<unsigned long>(image.Height));
    header += std::string{8, image.ColourType, 0, 0, 0}; // depth 8, deflate, filter 0, no interlace
    return header;
}

// Each row behind a filter byte of 0 (no filter), then deflated.
std::string CompressedRows(const TSamples& image) {
    const auto rowSize = static_cast<std::size_t>(image.Width) * image.Channels;
    std::string raw;
    raw.reserve((rowSize + 1) * static_cast<std::size_t>(image.Height));
    for (int y = 0; y < image.Height; ++y) {
        raw += '\0';
        const auto* row = image.Bytes.data() + static_cast<std::size_t>(y) * rowSize;
        raw.append(reinterpret_cast<const char*>(row), rowSize);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string compressed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  image.Level) != Z_OK)
        throw std::runtime_error("PNG: compression failed");
    compressed.resize(size);
    return compressed;
}

std::string Encode(const TSamples& image) {
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Bytes.size() != static_cast<std::size_t>(image.Width) *
                                  static_cast<std::size_t>(image.Height) * image.Channels)
        throw std::invalid_argument("PNG: the pixels do not match the size");
    std::string png = "\x89PNG\r\n\x1A\n";
    AppendChunk(png, "IHDR", Header(image));
    AppendChunk(png, "IDAT", CompressedRows(image));
    AppendChunk(png, "IEND", "");
    return png;
}

} // namespace

// Screenshots are taken often and thrown away: speed over size.
std::string EncodePng(const TRgbImage& image) {
    return Encode({image.Width, image.Height, 2, 3, image.Rgb, Z_BEST_SPEED});
}

// A printed page is kept: size over speed.
std::string EncodeGrayPng(const TGrayPicture& picture) {
    return Encode({picture.Width, picture.Height, 0, 1, picture.Pixels, Z_DEFAULT_COMPRESSION});
}

} // namespace typ::win
