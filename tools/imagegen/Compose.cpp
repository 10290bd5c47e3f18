#include "Compose.h"

#include "BadgeFont.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace typ::pictures {
namespace {

constexpr std::uint32_t kButtonFace = 0xF0F0F0;
constexpr std::uint8_t kMaskThreshold = 48;

std::uint8_t Channel(std::uint32_t rgb, int index) {
    return static_cast<std::uint8_t>((rgb >> (16 - 8 * index)) & 0xFF);
}

void Fill(TRaster& picture, int x0, int y0, int width, int height, std::uint32_t rgb) {
    for (int y = std::max(0, y0); y < std::min(picture.Height, y0 + height); ++y) {
        for (int x = std::max(0, x0); x < std::min(picture.Width, x0 + width); ++x) {
            std::uint8_t* p = picture.At(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = Channel(rgb, c);
            p[3] = 255;
        }
    }
}

void PaintOn(std::uint8_t* pixel, std::uint32_t rgb) {
    const int alpha = pixel[3];
    for (int c = 0; c < 3; ++c)
        pixel[c] = static_cast<std::uint8_t>(
            (pixel[c] * alpha + Channel(rgb, c) * (255 - alpha) + 127) / 255);
    pixel[3] = 255;
}

} // namespace

void Tint(TRaster& aPicture, std::uint32_t aRgb) {
    for (std::size_t i = 0; i < aPicture.Rgba.size(); i += 4) {
        std::uint8_t* p = aPicture.Rgba.data() + i;
        const int luma = (p[0] * 299 + p[1] * 587 + p[2] * 114) / 1000;
        for (int c = 0; c < 3; ++c) {
            const int hue = Channel(aRgb, c);
            const int value =
                luma < 128 ? hue * luma / 128 : hue + (255 - hue) * (luma - 128) / 127;
            p[c] = static_cast<std::uint8_t>(value);
        }
    }
}

void DrawBadge(TRaster& aPicture, std::string_view aText) {
    const int scale = std::max(1, std::min(aPicture.Width, aPicture.Height) / 16);
    const int width = (static_cast<int>(aText.size()) * (kGlyphWidth + 1) + 1) * scale;
    const int height = (kGlyphHeight + 2) * scale;
    const int left = aPicture.Width - width;
    const int top = aPicture.Height - height;
    Fill(aPicture, left, top, width, height, 0x204A87);
    for (std::size_t i = 0; i < aText.size(); ++i) {
        const auto glyph = BadgeGlyph(aText[i]);
        if (!glyph)
            throw std::runtime_error(std::string("the badge font has no '") + aText[i] + "'");
        const int glyphLeft = left + (1 + static_cast<int>(i) * (kGlyphWidth + 1)) * scale;
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if ((*glyph)[static_cast<std::size_t>(row)] & (0x10 >> column))
                    Fill(aPicture, glyphLeft + column * scale, top + (1 + row) * scale, scale,
                         scale, 0xFFFFFF);
    }
}

int OverlayEdge(int aEdge) {
    return std::max(6, (aEdge * 9 + 8) / 16);
}

void DrawOverlay(TRaster& aPicture, const TRaster& aOverlay) {
    DrawOver(aPicture, aOverlay, aPicture.Width - aOverlay.Width,
             aPicture.Height - aOverlay.Height);
}

void FlattenForMask(TRaster& aPicture) {
    for (std::size_t i = 0; i < aPicture.Rgba.size(); i += 4) {
        std::uint8_t* p = aPicture.Rgba.data() + i;
        if (p[3] < kMaskThreshold)
            std::fill(p, p + 4, std::uint8_t{0});
        else
            PaintOn(p, kButtonFace);
    }
}

void FlattenOn(TRaster& aPicture, std::uint32_t aRgb) {
    for (std::size_t i = 0; i < aPicture.Rgba.size(); i += 4)
        PaintOn(aPicture.Rgba.data() + i, aRgb);
}

} // namespace typ::pictures
