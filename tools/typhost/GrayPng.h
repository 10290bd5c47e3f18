#pragma once

#include <string>
#include <vector>

namespace typ::win {

// A grayscale picture, one byte a pixel (0 black, 255 white), top row first.
struct TGrayPicture {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Pixels;
};

// The picture as a PNG file: 8-bit grayscale, no interlace, rows unfiltered
// and deflated in one data chunk. Throws std::invalid_argument for an empty
// picture or pixels that do not match its size, std::runtime_error when
// compression fails.
std::string EncodeGrayPng(const TGrayPicture& picture);

} // namespace typ::win
