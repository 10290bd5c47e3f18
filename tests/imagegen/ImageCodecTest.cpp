#include "BmpStrip.h"
#include "PngReader.h"
#include "PngWriter.h"
#include "images/ImagesError.h"
#include "images/PictureStrip.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace typ::pictures {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(PngReader, ReadsBackWhatThePngWriterWrote) {
    std::mt19937 random(14);
    win::TRgbImage image{7, 5, {}};
    for (int i = 0; i < 7 * 5 * 3; ++i) {
        image.Rgb.push_back(static_cast<unsigned char>(random()));
    }
    const TRaster read = DecodePng(win::EncodePng(image));
    ASSERT_EQ(read.Width, 7);
    ASSERT_EQ(read.Height, 5);
    for (std::size_t i = 0; i < 7 * 5; ++i) {
        EXPECT_EQ(read.Rgba[i * 4], image.Rgb[i * 3]);
        EXPECT_EQ(read.Rgba[i * 4 + 2], image.Rgb[i * 3 + 2]);
        EXPECT_EQ(read.Rgba[i * 4 + 3], 255);
    }
}

// The theme's files use every row filter; their pictures have soft edges.
TEST(PngReader, ReadsTheIconThemesFilteredPictures) {
    const TRaster icon = DecodePng(ReadFile(TYP_ICON_THEME "/16x16/actions/document-save.png"));
    ASSERT_EQ(icon.Width, 16);
    ASSERT_EQ(icon.Height, 16);
    int opaque = 0;
    int partial = 0;
    for (std::size_t i = 3; i < icon.Rgba.size(); i += 4) {
        opaque += icon.Rgba[i] == 255;
        partial += icon.Rgba[i] > 0 && icon.Rgba[i] < 255;
    }
    EXPECT_GT(opaque, 100);
    EXPECT_GT(partial, 0);
    EXPECT_EQ(DecodePng(ReadFile(TYP_ICON_THEME "/32x32/actions/document-save.png")).Width, 32);
}

TEST(PngReader, RejectsDamagedFilesWithAnError) {
    const std::string file = ReadFile(TYP_ICON_THEME "/16x16/actions/edit-cut.png");
    for (std::size_t length = 0; length < file.size(); length += 7) {
        EXPECT_THROW(DecodePng(file.substr(0, length)), std::runtime_error) << length;
    }
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        std::string damaged = file;
        damaged[8 + random() % (damaged.size() - 8)] = static_cast<char>(random());
        try {
            const TRaster raster = DecodePng(damaged);
            EXPECT_EQ(raster.Rgba.size(),
                      static_cast<std::size_t>(raster.Width * raster.Height * 4));
        } catch (const std::runtime_error&) {
        }
    }
}

// The strips are read by the repository's own reader: the two must agree.
TEST(BmpStrip, IsReadBackByTheRepositorysStripReader) {
    TRaster strip(32, 16);
    for (std::size_t i = 0; i < strip.Rgba.size(); ++i) {
        strip.Rgba[i] = static_cast<std::uint8_t>(i * 7 % 251);
    }
    const std::string bmp = EncodeBmp32(strip);
    const TImageListLayout list{TImageSize::is16p, TImageKind::Png, 16, 16, 0, 2, std::nullopt, {}};
    const auto bytes = reinterpret_cast<const std::uint8_t*>(bmp.data());
    const TPictureStrip read = ReadPictureStrip({bytes, bmp.size()}, list, "test");
    ASSERT_EQ(read.Width, 32);
    ASSERT_EQ(read.Height, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            const std::uint8_t* rgba = strip.At(x, y);
            const std::uint8_t* bgra = read.Bgra.data() + (y * 32 + x) * 4;
            ASSERT_EQ(bgra[0], rgba[2]);
            ASSERT_EQ(bgra[1], rgba[1]);
            ASSERT_EQ(bgra[2], rgba[0]);
            ASSERT_EQ(bgra[3], rgba[3]);
        }
    }
    const TImageListLayout three{
        TImageSize::is16p, TImageKind::Png, 16, 16, 0, 3, std::nullopt, {}};
    EXPECT_THROW(ReadPictureStrip({bytes, bmp.size()}, three, "test"),
                 E_VnRepositoryImages_Exception);
}

} // namespace
} // namespace typ::pictures
