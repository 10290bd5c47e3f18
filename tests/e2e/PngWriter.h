#pragma once

#include <string>
#include <vector>

namespace typ::win {

// An image as rows of red, green and blue bytes, top row first.
struct TRgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Rgb;
};

// The image as a PNG file: 8-bit truecolour, no interlace, one compressed
// data chunk. Throws std::invalid_argument for an empty image or pixels that do
// not match its size, std::runtime_error when compression fails.
std::string EncodePng(const TRgbImage& image);

} // namespace typ::win
