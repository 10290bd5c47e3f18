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

// A grayscale picture, one byte a pixel (0 black, 255 white), top row first.
struct TGrayPicture {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Pixels;
};

// The image as a PNG file: 8-bit samples, no interlace, rows unfiltered and
// deflated in one data chunk. Both throw std::invalid_argument for an empty
// image or pixels that do not match its size, std::runtime_error when
// compression fails.
std::string EncodePng(const TRgbImage& image);
std::string EncodeGrayPng(const TGrayPicture& picture);

} // namespace typ::win
