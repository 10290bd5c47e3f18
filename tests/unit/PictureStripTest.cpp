#include "images/PictureStrip.h"

#include "images/ImagesError.h"

#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

constexpr TImageListLayout kTwoCells{TImageSize::is11p, TImageKind::Bmp, 1, 1, 0, 2, {}, {}};

void Append(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 32-bit BMP of the rows (top-down, BGRA), written bottom-up or top-down.
std::vector<std::uint8_t> Bmp(int width, const std::vector<std::vector<std::uint8_t>>& rows,
                              bool bottomUp, std::uint16_t bits = 32) {
    std::vector<std::uint8_t> bmp = {'B', 'M'};
    Append(bmp, 0, 4);
    Append(bmp, 0, 4);
    Append(bmp, 54, 4);
    Append(bmp, 40, 4);
    Append(bmp, static_cast<std::uint32_t>(width), 4);
    const auto height = static_cast<std::int32_t>(rows.size());
    Append(bmp, static_cast<std::uint32_t>(bottomUp ? height : -height), 4);
    Append(bmp, 1, 2);
    Append(bmp, bits, 2);
    for (int i = 0; i < 6; ++i)
        Append(bmp, 0, 4);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[bottomUp ? rows.size() - 1 - i : i];
        bmp.insert(bmp.end(), row.begin(), row.end());
    }
    return bmp;
}

std::string ErrorOf(const std::vector<std::uint8_t>& bytes, const TImageListLayout& list) {
    try {
        ReadPictureStrip(bytes, list, "TDmImagesX_11_Bmp");
    } catch (const E_VnRepositoryImages_Exception& error) {
        return error.what();
    }
    return "";
}

TEST(PictureStrip, BothRowOrdersReadTopDown) {
    const std::vector<std::vector<std::uint8_t>> rows = {{1, 2, 3, 4, 5, 6, 7, 8},
                                                         {9, 10, 11, 12, 13, 14, 15, 16}};
    constexpr TImageListLayout list{TImageSize::is11p, TImageKind::Png, 1, 2, 0, 2, {}, {}};
    for (const bool bottomUp : {true, false}) {
        const TPictureStrip strip = ReadPictureStrip(Bmp(2, rows, bottomUp), list, "x");
        EXPECT_EQ(strip.Width, 2);
        EXPECT_EQ(strip.Height, 2);
        EXPECT_EQ(strip.Bgra, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
                                                         14, 15, 16}));
    }
}

TEST(PictureStrip, DataThatIsNotTheListsStripIsAClearError) {
    const std::vector<std::vector<std::uint8_t>> row = {{0, 0, 0, 255, 0, 0, 0, 255}};
    const std::vector<std::uint8_t> good = Bmp(2, row, true);
    EXPECT_EQ(ErrorOf(good, kTwoCells), "");
    EXPECT_EQ(ErrorOf({}, kTwoCells), "Recurso TDmImagesX_11_Bmp: no es un BMP");
    EXPECT_EQ(ErrorOf(std::vector<std::uint8_t>(good.begin(), good.begin() + 30), kTwoCells),
              "Recurso TDmImagesX_11_Bmp: no es un BMP");
    EXPECT_EQ(ErrorOf(Bmp(2, row, true, 24), kTwoCells),
              "Recurso TDmImagesX_11_Bmp: no es un BMP de 32 bits sin comprimir");
    TImageListLayout threeCells = kTwoCells;
    threeCells.Count = 3;
    EXPECT_EQ(ErrorOf(good, threeCells),
              "Recurso TDmImagesX_11_Bmp: sus medidas no son las de la lista");
    EXPECT_EQ(ErrorOf(std::vector<std::uint8_t>(good.begin(), good.end() - 1), kTwoCells),
              "Recurso TDmImagesX_11_Bmp: le faltan datos");
    std::vector<std::uint8_t> farOffset = good;
    farOffset[10] = 0xFF;
    farOffset[13] = 0x7F;
    EXPECT_EQ(ErrorOf(farOffset, kTwoCells), "Recurso TDmImagesX_11_Bmp: le faltan datos");
}

TEST(PictureStrip, MaskingKeepsOpaquePixelsAndWhitensTransparentOnes) {
    // Blue, green, red, alpha: transparent, opaque white, half-covered black, opaque colour.
    const TPictureStrip strip{
        4, 1, {9, 9, 9, 10, 255, 255, 255, 255, 0, 0, 0, 128, 10, 20, 30, 255}};
    const TMaskedStrip masked = MaskStrip(strip, std::nullopt, TRgb{200, 100, 50});
    EXPECT_EQ(masked.Transparent, (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(masked.Bgrx, (std::vector<std::uint8_t>{255, 255, 255, 0, 254, 254, 254, 0, 25, 50,
                                                      100, 0, 10, 20, 30, 0}));
    const TMaskedStrip onBackground = MaskStrip(strip, TRgb{247, 247, 247}, TRgb{0, 0, 0});
    EXPECT_EQ(onBackground.Transparent, std::vector<bool>(4, false));
    EXPECT_EQ(std::vector<std::uint8_t>(onBackground.Bgrx.begin(), onBackground.Bgrx.begin() + 4),
              (std::vector<std::uint8_t>{238, 238, 238, 0}));
}

} // namespace
} // namespace typ
