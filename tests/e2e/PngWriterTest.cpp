#include "PngWriter.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string_view>
#include <zlib.h>

namespace typ::win {
namespace {

unsigned long BigEndian(std::string_view bytes) {
    unsigned long value = 0;
    for (const char c : bytes.substr(0, 4)) {
        value = (value << 8) | static_cast<unsigned char>(c);
    }
    return value;
}

struct TChunk {
    std::string Type;
    std::string Data;
};

// Splits a PNG file into its chunks, checking each one's length and CRC.
std::vector<TChunk> Chunks(std::string_view png) {
    std::vector<TChunk> chunks;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const auto length = BigEndian(png.substr(at));
        const std::string_view body = png.substr(at + 4, 4 + length);
        const auto* bytes = reinterpret_cast<const Bytef*>(body.data());
        EXPECT_EQ(BigEndian(png.substr(at + 8 + length)),
                  crc32(0, bytes, static_cast<uInt>(body.size())));
        chunks.push_back({std::string(body.substr(0, 4)), std::string(body.substr(4))});
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size()) << "nothing after the last chunk";
    return chunks;
}

std::string Inflate(const std::string& data, std::size_t size) {
    std::string raw(size + 1, '\0');
    uLongf length = static_cast<uLongf>(raw.size());
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &length,
                         reinterpret_cast<const Bytef*>(data.data()),
                         static_cast<uLong>(data.size())),
              Z_OK);
    raw.resize(length);
    return raw;
}

TEST(PngWriter, WritesChunksThatDecodeToThePixels) {
    const TRgbImage image{2, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}};
    const std::string png = EncodePng(image);
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1A\n"));
    const auto chunks = Chunks(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Type, "IHDR");
    EXPECT_EQ(chunks[0].Data, std::string("\0\0\0\x02\0\0\0\x03\x08\x02\0\0\0", 13));
    EXPECT_EQ(chunks[1].Type, "IDAT");
    const std::string rows("\0\1\2\3\4\5\6"
                           "\0\7\x08\x09\x0A\x0B\x0C"
                           "\0\x0D\x0E\x0F\x10\x11\x12",
                           21);
    EXPECT_EQ(Inflate(chunks[1].Data, rows.size()), rows) << "a filter byte of 0 before each row";
    EXPECT_EQ(chunks[2].Type, "IEND");
    EXPECT_TRUE(chunks[2].Data.empty());
}

TEST(PngWriter, WritesGrayPicturesOneSampleAPixel) {
    const auto chunks = Chunks(EncodeGrayPng({3, 2, {0, 128, 255, 1, 2, 3}}));
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Data, std::string("\0\0\0\x03\0\0\0\x02\x08\0\0\0\0", 13));
    const std::string rows("\0\0\x80\xFF\0\1\2\3", 8);
    EXPECT_EQ(Inflate(chunks[1].Data, rows.size()), rows);
}

TEST(PngWriter, RefusesPixelsThatDoNotFitTheSize) {
    EXPECT_THROW(EncodePng({2, 2, std::vector<unsigned char>(11)}), std::invalid_argument);
    EXPECT_THROW(EncodePng({0, 0, {}}), std::invalid_argument);
    EXPECT_THROW(EncodeGrayPng({2, 2, std::vector<unsigned char>(5)}), std::invalid_argument);
    EXPECT_THROW(EncodeGrayPng({-1, 1, {}}), std::invalid_argument);
}

} // namespace
} // namespace typ::win
