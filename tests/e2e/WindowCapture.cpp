#include "WindowCapture.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace typ::win {
namespace {

struct TDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct TObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct TFileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

class TWindowDc {
public:
    explicit TWindowDc(HWND window) : FWindow(window), FDc(GetWindowDC(window)) {}
    ~TWindowDc() { ReleaseDC(FWindow, FDc); }
    TWindowDc(const TWindowDc&) = delete;
    TWindowDc& operator=(const TWindowDc&) = delete;
    HDC Get() const { return FDc; }

private:
    HWND FWindow;
    HDC FDc;
};

// A 24-bit top-down bitmap: rows of blue, green, red, padded to 4 bytes.
HBITMAP CreateBgrBitmap(HDC dc, int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

TRgbImage FromBgr(const unsigned char* bits, int width, int height) {
    TRgbImage image{width, height, {}};
    const auto stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    image.Rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        const unsigned char* pixel = bits + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x, pixel += 3) {
            image.Rgb.insert(image.Rgb.end(), {pixel[2], pixel[1], pixel[0]});
        }
    }
    return image;
}

} // namespace

TRgbImage CaptureWindow(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect) || rect.right <= rect.left || rect.bottom <= rect.top) {
        throw std::runtime_error("capture: the window has no area");
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const TWindowDc source(window);
    const std::unique_ptr<HDC__, TDcDeleter> memory(CreateCompatibleDC(source.Get()));
    void* bits = nullptr;
    const std::unique_ptr<void, TObjectDeleter> bitmap(
        CreateBgrBitmap(memory.get(), width, height, &bits));
    if (!source.Get() || !memory || !bitmap || !bits) {
        throw std::runtime_error("capture: no drawing surface");
    }
    const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    const BOOL copied = BitBlt(memory.get(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
    GdiFlush();
    SelectObject(memory.get(), previous);
    if (!copied) {
        throw std::runtime_error("capture: the window could not be copied");
    }
    return FromBgr(static_cast<const unsigned char*>(bits), width, height);
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    const std::unique_ptr<FILE, TFileCloser> file(_wfopen(path.c_str(), L"wb"));
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw std::runtime_error("cannot write the file");
    }
}

} // namespace typ::win
