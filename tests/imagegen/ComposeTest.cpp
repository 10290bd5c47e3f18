#include "Compose.h"

#include "ModuleStrips.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace typ::pictures {
namespace {

TRaster Filled(int edge, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    TRaster raster(edge, edge);
    for (std::size_t i = 0; i < raster.Rgba.size(); i += 4) {
        raster.Rgba[i] = r;
        raster.Rgba[i + 1] = g;
        raster.Rgba[i + 2] = b;
        raster.Rgba[i + 3] = a;
    }
    return raster;
}

TEST(Compose, DrawOverBlendsByAlphaAndClipsAtTheEdges) {
    TRaster base = Filled(4, 0, 0, 255, 255);
    const TRaster half = Filled(2, 255, 0, 0, 128);
    DrawOver(base, half, 3, 3); // only its top left pixel lands
    EXPECT_EQ(base.At(3, 3)[0], 128);
    EXPECT_EQ(base.At(3, 3)[2], 127);
    EXPECT_EQ(base.At(3, 3)[3], 255);
    EXPECT_EQ(base.At(2, 2)[2], 255);
    TRaster empty(4, 4);
    DrawOver(empty, half, 0, 0);
    EXPECT_EQ(empty.At(0, 0)[0], 255); // over nothing the colour stays, alpha is its own
    EXPECT_EQ(empty.At(0, 0)[3], 128);
}

TEST(Compose, TintRecoloursInOneHueAndKeepsAlpha) {
    TRaster grey = Filled(2, 128, 128, 128, 77);
    Tint(grey, 0x4E9A06);
    EXPECT_EQ(grey.At(0, 0)[0], 0x4E);
    EXPECT_EQ(grey.At(0, 0)[1], 0x9A);
    EXPECT_EQ(grey.At(0, 0)[3], 77);
    TRaster white = Filled(2, 255, 255, 255, 255);
    Tint(white, 0x4E9A06);
    EXPECT_EQ(white.At(1, 1)[1], 255);
}

TEST(Compose, BadgeDrawsItsLettersInTheCornerAtEverySize) {
    for (const int edge : {16, 32, 48}) {
        TRaster picture(edge, edge);
        DrawBadge(picture, "A1");
        int white = 0;
        for (int y = 0; y < edge; ++y) {
            for (int x = 0; x < edge; ++x) {
                white += picture.At(x, y)[0] == 255 && picture.At(x, y)[3] == 255;
            }
        }
        const int scale = std::max(1, edge / 16);
        EXPECT_EQ(picture.At(0, 0)[3], 0) << edge;                  // the rest stays as it was
        EXPECT_EQ(picture.At(edge - 1, edge - 1)[0], 0x20) << edge; // the label's corner
        EXPECT_EQ(white, (18 + 10) * scale * scale) << edge;        // the dots of "A" and "1"
    }
    TRaster picture(16, 16);
    EXPECT_THROW(DrawBadge(picture, "a"), std::runtime_error);
}

TEST(Compose, MaskCellsAreOpaqueOrFullyTransparent) {
    TRaster cell(3, 1);
    const std::uint8_t pixels[] = {10, 20, 30, 20, 0, 0, 0, 128, 255, 0, 0, 255};
    std::copy(std::begin(pixels), std::end(pixels), cell.Rgba.begin());
    FlattenForMask(cell);
    EXPECT_EQ(cell.At(0, 0)[3], 0);
    EXPECT_EQ(cell.At(0, 0)[0], 0);
    EXPECT_EQ(cell.At(1, 0)[3], 255);
    EXPECT_EQ(cell.At(1, 0)[0], 120); // half black on the button face
    EXPECT_EQ(cell.At(2, 0)[0], 255);
    FlattenOn(cell, 0xF7F7F7);
    EXPECT_EQ(cell.At(0, 0)[0], 0xF7);
    EXPECT_EQ(cell.At(0, 0)[3], 255);
}

TEST(CheckCells, RefusesBlankAndLookalikePictures) {
    TRaster picture = Filled(16, 0, 0, 0, 255);
    picture.At(3, 3)[0] = 200;
    TRaster other = picture;
    other.At(4, 4)[1] = 200;
    EXPECT_NO_THROW(CheckCells({"S", {"ieA", "ieB"}, {picture, other}}));
    const auto message = [](const TStrip& strip) {
        try {
            CheckCells(strip);
        } catch (const std::runtime_error& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_EQ(message({"S", {"ieA", "ieB"}, {picture, picture}}), "S: ieA and ieB look the same");
    EXPECT_EQ(message({"S", {"ieA"}, {Filled(16, 9, 9, 9, 255)}}), "S: ieA is blank");
    TRaster sparse(16, 16);
    sparse.At(1, 1)[3] = 255;
    sparse.At(2, 1)[0] = 255;
    sparse.At(2, 1)[3] = 255;
    EXPECT_EQ(message({"S", {"ieA"}, {sparse}}), "S: ieA is blank");
}

} // namespace
} // namespace typ::pictures
