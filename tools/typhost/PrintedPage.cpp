#include "PrintedPage.h"

#include "HostError.h"
#include "charconv/CodePage850.h"
#include "editor/Memo.h"
#include "editor/PrintRender.h"
#include "platform/HandleOwners.h"

#include <windows.h>
#include <vector>

namespace typ::win {
namespace {

// A4 (210 x 297 mm) at 300 dots per inch.
constexpr int kDotsPerInch = 300;
constexpr int kPageWidth = 2480;
constexpr int kPageHeight = 3508;

// A white sheet of three bytes a pixel, rows top-down, to draw on.
class TSheet {
public:
    TSheet() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kPageWidth;
        info.bmiHeader.biHeight = -kPageHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        FDc.Reset(CreateCompatibleDC(nullptr));
        FBitmap.Reset(CreateDIBSection(FDc.Get(), &info, DIB_RGB_COLORS, &FBits, nullptr, 0));
        if (!FDc || !FBitmap || FBits == nullptr)
            throw EHostError(TExitCode::WriteFailed, L"No hay memoria para dibujar la página");
        FOld = SelectObject(FDc.Get(), FBitmap.Get());
        PatBlt(FDc.Get(), 0, 0, kPageWidth, kPageHeight, WHITENESS);
    }
    ~TSheet() {
        if (FOld != nullptr)
            SelectObject(FDc.Get(), FOld);
    }
    TSheet(const TSheet&) = delete;
    TSheet& operator=(const TSheet&) = delete;

    HDC Dc() const { return FDc.Get(); }

    TGrayPicture Gray() const {
        GdiFlush();
        constexpr auto kWidth = static_cast<std::size_t>(kPageWidth);
        constexpr auto kHeight = static_cast<std::size_t>(kPageHeight);
        constexpr std::size_t kStride = (kWidth * 3 + 3) & ~std::size_t{3};
        TGrayPicture picture{kPageWidth, kPageHeight, std::vector<unsigned char>(kWidth * kHeight)};
        const auto* bits = static_cast<const unsigned char*>(FBits);
        for (std::size_t y = 0; y < kHeight; ++y) {
            for (std::size_t x = 0; x < kWidth; ++x) {
                const unsigned char* pixel = bits + y * kStride + x * 3; // blue, green, red
                picture.Pixels[y * kWidth + x] = static_cast<unsigned char>(
                    (pixel[0] * 114 + pixel[1] * 587 + pixel[2] * 299) / 1000);
            }
        }
        return picture;
    }

private:
    TOwnedDc FDc;
    TOwnedBitmap FBitmap;
    HGDIOBJ FOld = nullptr;
    void* FBits = nullptr;
};

} // namespace

TGrayPicture PrintedPage(std::string_view templateBytes) {
    TMemo memo;
    memo.SetText(DosBytesToAnsi(templateBytes));
    const TSheet sheet;
    RenderPrint(sheet.Dc(), memo, {kDotsPerInch, kPageHeight});
    return sheet.Gray();
}

} // namespace typ::win
