#include "PngReader.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <zlib.h>

namespace typ::pictures {
namespace {

std::uint32_t BigEndian(std::string_view bytes, std::size_t at) {
    if (at + 4 > bytes.size())
        throw std::runtime_error("PNG: truncated");
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

struct THeader {
    int Width = 0;
    int Height = 0;
    int Channels = 0;
};

THeader ReadHeader(std::string_view data) {
    if (data.size() != 13)
        throw std::runtime_error("PNG: bad header");
    THeader header{static_cast<int>(BigEndian(data, 0)), static_cast<int>(BigEndian(data, 4)), 0};
    const auto depth = static_cast<std::uint8_t>(data[8]);
    const auto colour = static_cast<std::uint8_t>(data[9]);
    const auto interlace = static_cast<std::uint8_t>(data[12]);
    switch (colour) {
    case 0:
        header.Channels = 1;
        break;
    case 2:
        header.Channels = 3;
        break;
    case 4:
        header.Channels = 2;
        break;
    case 6:
        header.Channels = 4;
        break;
    default:
        throw std::runtime_error("PNG: palette pictures are not read");
    }
    if (depth != 8 || interlace != 0)
        throw std::runtime_error("PNG: only 8-bit samples without interlace are read");
    if (header.Width <= 0 || header.Height <= 0 || header.Width > 16384 || header.Height > 16384)
        throw std::runtime_error("PNG: bad size");
    return header;
}

std::string Inflate(const std::string& compressed, std::size_t expected) {
    std::string raw(expected, '\0');
    uLongf size = static_cast<uLongf>(expected);
    if (uncompress(reinterpret_cast<Bytef*>(raw.data()), &size,
                   reinterpret_cast<const Bytef*>(compressed.data()),
                   static_cast<uLong>(compressed.size())) != Z_OK ||
        size != expected)
        throw std::runtime_error("PNG: damaged pixel data");
    return raw;
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// Undoes each row's filter in place; returns the rows without filter bytes.
std::vector<std::uint8_t> Unfilter(const std::string& raw, const THeader& header) {
    const auto bpp = static_cast<std::size_t>(header.Channels);
    const std::size_t rowSize = static_cast<std::size_t>(header.Width) * bpp;
    std::vector<std::uint8_t> rows(rowSize * static_cast<std::size_t>(header.Height));
    for (std::size_t y = 0; y < static_cast<std::size_t>(header.Height); ++y) {
        const auto filter = static_cast<std::uint8_t>(raw[y * (rowSize + 1)]);
        const auto* in = reinterpret_cast<const std::uint8_t*>(raw.data() + y * (rowSize + 1) + 1);
        std::uint8_t* out = rows.data() + y * rowSize;
        const std::uint8_t* up = y > 0 ? out - rowSize : nullptr;
        for (std::size_t x = 0; x < rowSize; ++x) {
            const int a = x >= bpp ? out[x - bpp] : 0;
            const int b = up ? up[x] : 0;
            const int c = up && x >= bpp ? up[x - bpp] : 0;
            int predicted = 0;
            switch (filter) {
            case 0:
                break;
            case 1:
                predicted = a;
                break;
            case 2:
                predicted = b;
                break;
            case 3:
                predicted = (a + b) / 2;
                break;
            case 4:
                predicted = Paeth(a, b, c);
                break;
            default:
                throw std::runtime_error("PNG: unknown row filter");
            }
            out[x] = static_cast<std::uint8_t>(in[x] + predicted);
        }
    }
    return rows;
}

TRaster ToRgba(const std::vector<std::uint8_t>& rows, const THeader& header) {
    TRaster raster(header.Width, header.Height);
    const auto channels = static_cast<std::size_t>(header.Channels);
    for (std::size_t i = 0; i < rows.size() / channels; ++i) {
        const std::uint8_t* in = rows.data() + i * channels;
        std::uint8_t* out = raster.Rgba.data() + i * 4;
        const bool grey = channels <= 2;
        out[0] = in[0];
        out[1] = grey ? in[0] : in[1];
        out[2] = grey ? in[0] : in[2];
        out[3] = channels == 2 ? in[1] : channels == 4 ? in[3] : 255;
    }
    return raster;
}

} // namespace

TRaster DecodePng(std::string_view aFile) {
    if (aFile.substr(0, 8) != std::string_view("\x89PNG\r\n\x1A\n", 8))
        throw std::runtime_error("PNG: not a PNG file");
    THeader header;
    std::string compressed;
    for (std::size_t at = 8;;) {
        const std::uint32_t length = BigEndian(aFile, at);
        if (length > aFile.size() || at + 12 + length > aFile.size())
            throw std::runtime_error("PNG: truncated");
        const std::string_view type = aFile.substr(at + 4, 4);
        const std::string_view data = aFile.substr(at + 8, length);
        if (type == "IHDR")
            header = ReadHeader(data);
        else if (type == "IDAT")
            compressed += data;
        else if (type == "IEND")
            break;
        at += 12 + length;
    }
    if (header.Channels == 0)
        throw std::runtime_error("PNG: no header");
    const std::size_t rowSize =
        static_cast<std::size_t>(header.Width) * static_cast<std::size_t>(header.Channels);
    const std::string raw =
        Inflate(compressed, (rowSize + 1) * static_cast<std::size_t>(header.Height));
    return ToRgba(Unfilter(raw, header), header);
}

} // namespace typ::pictures
