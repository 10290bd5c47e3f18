#include "images/PictureStrip.h"

#include "images/ImagesError.h"

#include <string>

namespace typ {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

std::uint32_t Le(std::span<const std::uint8_t> aBytes, std::size_t aAt, int aCount) {
    std::uint32_t value = 0;
    for (int i = aCount - 1; i >= 0; --i)
        value = (value << 8) | aBytes[aAt + static_cast<std::size_t>(i)];
    return value;
}

[[noreturn]] void Fail(std::string_view aResourceName, std::string_view aWhat) {
    throw E_VnRepositoryImages_Exception("Recurso " + std::string(aResourceName) + ": " +
                                         std::string(aWhat));
}

std::uint8_t Blend(std::uint8_t aColour, std::uint8_t aBack, std::uint8_t aAlpha) {
    return static_cast<std::uint8_t>((aColour * aAlpha + aBack * (255 - aAlpha) + 127) / 255);
}

} // namespace

TPictureStrip ReadPictureStrip(std::span<const std::uint8_t> aBytes, const TImageListLayout& aList,
                               std::string_view aResourceName) {
    if (aBytes.size() < kFileHeader + 40 || aBytes[0] != 'B' || aBytes[1] != 'M')
        Fail(aResourceName, "no es un BMP");
    const std::uint32_t pixelsAt = Le(aBytes, 10, 4);
    const std::uint32_t infoSize = Le(aBytes, kFileHeader, 4);
    const auto width = static_cast<std::int32_t>(Le(aBytes, kFileHeader + 4, 4));
    const auto height = static_cast<std::int32_t>(Le(aBytes, kFileHeader + 8, 4));
    const std::uint32_t bits = Le(aBytes, kFileHeader + 14, 2);
    const std::uint32_t compression = Le(aBytes, kFileHeader + 16, 4);
    if (infoSize < 40 || bits != 32 || (compression != kRgb && compression != kBitFields))
        Fail(aResourceName, "no es un BMP de 32 bits sin comprimir");
    const bool bottomUp = height > 0;
    const std::int64_t rows = bottomUp ? height : -static_cast<std::int64_t>(height);
    if (width != aList.Width * aList.Count || rows != aList.Height)
        Fail(aResourceName, "sus medidas no son las de la lista");
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(rows);
    if (pixelsAt > aBytes.size() || aBytes.size() - pixelsAt < pixelBytes)
        Fail(aResourceName, "le faltan datos");

    TPictureStrip strip{width, static_cast<int>(rows), std::vector<std::uint8_t>(pixelBytes)};
    for (std::size_t row = 0; row < static_cast<std::size_t>(rows); ++row) {
        const std::size_t source = bottomUp ? static_cast<std::size_t>(rows) - 1 - row : row;
        const auto from =
            aBytes.begin() + static_cast<std::ptrdiff_t>(pixelsAt + source * rowBytes);
        std::copy(from, from + static_cast<std::ptrdiff_t>(rowBytes),
                  strip.Bgra.begin() + static_cast<std::ptrdiff_t>(row * rowBytes));
    }
    return strip;
}

TMaskedStrip MaskStrip(const TPictureStrip& aStrip, const std::optional<TRgb>& aBackground,
                       TRgb aFace) {
    const std::size_t pixels = aStrip.Bgra.size() / 4;
    TMaskedStrip masked{std::vector<std::uint8_t>(aStrip.Bgra.size()),
                        std::vector<bool>(pixels, false)};
    const TRgb back = aBackground.value_or(aFace);
    for (std::size_t pixel = 0; pixel < pixels; ++pixel) {
        const std::uint8_t* in = &aStrip.Bgra[pixel * 4];
        std::uint8_t* out = &masked.Bgrx[pixel * 4];
        if (!aBackground && in[3] < 128) {
            masked.Transparent[pixel] = true;
            out[0] = out[1] = out[2] = 255;
            continue;
        }
        out[0] = Blend(in[0], back.B, in[3]);
        out[1] = Blend(in[1], back.G, in[3]);
        out[2] = Blend(in[2], back.R, in[3]);
        if (out[0] == 255 && out[1] == 255 && out[2] == 255)
            out[0] = out[1] = out[2] = 254;
    }
    return masked;
}

} // namespace typ
