#include "BmpStrip.h"

namespace typ::pictures {
namespace {

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string EncodeBmp32(const TRaster& aPicture) {
    constexpr std::uint32_t kHeaders = 14 + 40;
    const auto pixelBytes = static_cast<std::uint32_t>(aPicture.Rgba.size());
    std::string bmp = "BM";
    AppendLittleEndian(bmp, kHeaders + pixelBytes, 4);
    AppendLittleEndian(bmp, 0, 4);
    AppendLittleEndian(bmp, kHeaders, 4);
    AppendLittleEndian(bmp, 40, 4);
    AppendLittleEndian(bmp, static_cast<std::uint32_t>(aPicture.Width), 4);
    AppendLittleEndian(bmp, static_cast<std::uint32_t>(aPicture.Height), 4);
    AppendLittleEndian(bmp, 1, 2);  // planes
    AppendLittleEndian(bmp, 32, 2); // bits per pixel
    AppendLittleEndian(bmp, 0, 4);  // uncompressed
    AppendLittleEndian(bmp, pixelBytes, 4);
    AppendLittleEndian(bmp, 2835, 4); // 72 dots per inch
    AppendLittleEndian(bmp, 2835, 4);
    AppendLittleEndian(bmp, 0, 4);
    AppendLittleEndian(bmp, 0, 4);
    for (int y = aPicture.Height - 1; y >= 0; --y) {
        for (int x = 0; x < aPicture.Width; ++x) {
            const std::uint8_t* p = aPicture.At(x, y);
            bmp += static_cast<char>(p[2]);
            bmp += static_cast<char>(p[1]);
            bmp += static_cast<char>(p[0]);
            bmp += static_cast<char>(p[3]);
        }
    }
    return bmp;
}

} // namespace typ::pictures
