#include "editor/PictureStrip.h"

#include <cstring>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace typ::win {

namespace {

std::string_view ResourceBytes(const wchar_t* name) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        throw std::runtime_error("picture strip missing from the program");
    return {static_cast<const char*>(bytes), SizeofResource(module, found)};
}

// The strip's rows, top row first, 4 bytes a pixel (blue, green, red, alpha).
struct TStripPixels {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Bgra;
};

TStripPixels ReadStrip(std::string_view file) {
    BITMAPFILEHEADER fileHeader{};
    BITMAPINFOHEADER info{};
    if (file.size() < sizeof(fileHeader) + sizeof(info))
        throw std::runtime_error("picture strip damaged");
    std::memcpy(&fileHeader, file.data(), sizeof(fileHeader));
    std::memcpy(&info, file.data() + sizeof(fileHeader), sizeof(info));
    const bool topDown = info.biHeight < 0;
    const int height = topDown ? -info.biHeight : info.biHeight;
    const auto rowBytes = static_cast<std::size_t>(info.biWidth) * 4;
    if (fileHeader.bfType != 0x4D42 || info.biBitCount != 32 || info.biCompression != BI_RGB ||
        info.biWidth <= 0 || height <= 0 || fileHeader.bfOffBits > file.size() ||
        (file.size() - fileHeader.bfOffBits) / rowBytes < static_cast<std::size_t>(height))
        throw std::runtime_error("picture strip damaged");
    TStripPixels strip{info.biWidth, height, std::vector<std::uint8_t>(rowBytes * static_cast<std::size_t>(height))};
    for (int y = 0; y < height; ++y) {
        const int source = topDown ? y : height - 1 - y;
        std::memcpy(strip.Bgra.data() + static_cast<std::size_t>(y) * rowBytes,
                    file.data() + fileHeader.bfOffBits + static_cast<std::size_t>(source) * rowBytes, rowBytes);
    }
    return strip;
}

TOwnedBitmap ColourBitmap(const TStripPixels& strip) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = strip.Width;
    info.bmiHeader.biHeight = -strip.Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    TOwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        throw std::runtime_error("no memory for a picture strip");
    std::memcpy(bits, strip.Bgra.data(), strip.Bgra.size());
    return bitmap;
}

// One bit a pixel, set (transparent) where alpha is 0; rows padded to words.
TOwnedBitmap MaskBitmap(const TStripPixels& strip) {
    const std::size_t stride = ((static_cast<std::size_t>(strip.Width) + 15) / 16) * 2;
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(strip.Height), 0);
    for (int y = 0; y < strip.Height; ++y)
        for (int x = 0; x < strip.Width; ++x)
            if (strip.Bgra[(static_cast<std::size_t>(y) * static_cast<std::size_t>(strip.Width) +
                            static_cast<std::size_t>(x)) * 4 + 3] == 0)
                bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
    return TOwnedBitmap(CreateBitmap(strip.Width, strip.Height, 1, 1, bits.data()));
}

} // namespace

TOwnedImageList LoadPictureStrip(const wchar_t* resourceName, int cell) {
    const TStripPixels strip = ReadStrip(ResourceBytes(resourceName));
    if (strip.Height != cell || strip.Width % cell != 0)
        throw std::runtime_error("picture strip of the wrong size");
    const int count = strip.Width / cell;
    TOwnedImageList list(ImageList_Create(cell, cell, ILC_COLOR32 | ILC_MASK, count, 0));
    const TOwnedBitmap colour = ColourBitmap(strip);
    const TOwnedBitmap mask = MaskBitmap(strip);
    if (!list || !mask || ImageList_Add(list.Get(), colour.Get(), mask.Get()) != 0)
        throw std::runtime_error("picture strip could not be loaded");
    return list;
}

} // namespace typ::win
