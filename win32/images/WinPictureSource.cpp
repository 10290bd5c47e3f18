#include "images/WinPictureSource.h"

#include "images/ImagesError.h"
#include "images/PictureStrip.h"
#include "images/WinPictureObjects.h"
#include "platform/WideText.h"

#include <memory>
#include <string>
#include <vector>

namespace typ::win {
namespace {

TWinStoredList LoadList(HMODULE aProgram, const TImageModule& aModule,
                        const TImageListLayout& aList);

// Each list is loaded the first time it is asked for: the tool bar needs one
// of a module's lists, and loading all of them made the editor window slower
// to appear.
class TWinModulePictures final : public TModulePictures {
public:
    TWinModulePictures(HMODULE aProgram, const TImageModule& aModule)
        : FProgram(aProgram), FModule(aModule), FLists(aModule.Lists.size()) {}

    const TStoredList& List(std::size_t aIndex) const override {
        std::unique_ptr<TWinStoredList>& list = FLists.at(aIndex);
        if (!list)
            list = std::make_unique<TWinStoredList>(
                LoadList(FProgram, FModule, FModule.Lists[aIndex]));
        return *list;
    }

private:
    HMODULE FProgram;
    const TImageModule& FModule;
    mutable std::vector<std::unique_ptr<TWinStoredList>> FLists;
};

std::span<const std::uint8_t> ResourceBytes(HMODULE aProgram, const std::string& aName) {
    const std::u16string name(aName.begin(), aName.end());
    const HRSRC found = FindResourceW(aProgram, Wide(name), MAKEINTRESOURCEW(10));
    const HGLOBAL loaded = found != nullptr ? LoadResource(aProgram, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        throw E_VnRepositoryImages_Exception("Recurso " + aName + ": no se encuentra");
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(aProgram, found)};
}

// A top-down 32-bit section holding the pixels.
TOwnedBitmap ColourBitmap(int aWidth, int aHeight, const std::vector<std::uint8_t>& aPixels) {
    void* bits = nullptr;
    TOwnedBitmap bitmap(ColourSection(aWidth, aHeight, &bits));
    if (bits != nullptr)
        std::copy(aPixels.begin(), aPixels.end(), static_cast<std::uint8_t*>(bits));
    return bitmap;
}

// A monochrome bitmap whose set bits are the transparent pixels; its rows are
// padded to 16 bits.
TOwnedBitmap MaskBitmap(int aWidth, int aHeight, const std::vector<bool>& aTransparent) {
    const std::size_t stride = (static_cast<std::size_t>(aWidth) + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(aHeight), 0);
    for (std::size_t y = 0; y < static_cast<std::size_t>(aHeight); ++y) {
        for (std::size_t x = 0; x < static_cast<std::size_t>(aWidth); ++x)
            if (aTransparent[y * static_cast<std::size_t>(aWidth) + x])
                bits[y * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return TOwnedBitmap(CreateBitmap(aWidth, aHeight, 1, 1, bits.data()));
}

TRgb ButtonFace() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return TRgb{GetRValue(face), GetGValue(face), GetBValue(face)};
}

// Bmp lists: the colours without alpha and a mask. Png lists keep their
// alpha in the colours, with the same mask for systems that draw no alpha.
TWinStoredList LoadList(HMODULE aProgram, const TImageModule& aModule,
                        const TImageListLayout& aList) {
    const std::string name = ResourceName(aModule, aList);
    const TPictureStrip strip = ReadPictureStrip(ResourceBytes(aProgram, name), aList, name);
    const TMaskedStrip masked = MaskStrip(strip, aList.Background, ButtonFace());
    const bool alpha = aList.Kind == TImageKind::Png;
    const TOwnedBitmap colour =
        ColourBitmap(strip.Width, strip.Height, alpha ? strip.Bgra : masked.Bgrx);
    const TOwnedBitmap mask = MaskBitmap(strip.Width, strip.Height, masked.Transparent);
    TOwnedImageList list(ImageList_Create(
        aList.Width, aList.Height, (alpha ? ILC_COLOR32 : ILC_COLOR24) | ILC_MASK, aList.Count, 0));
    if (!list || !colour || !mask || ImageList_Add(list.Get(), colour.Get(), mask.Get()) < 0 ||
        ImageList_GetImageCount(list.Get()) != aList.Count)
        throw E_VnRepositoryImages_Exception("Recurso " + name + ": no se pudo cargar");
    return TWinStoredList(std::move(list));
}

} // namespace

std::unique_ptr<TModulePictures> TWinPictureSource::LoadModule(const TImageModule& aModule) {
    const HMODULE module = FModule != nullptr ? FModule : GetModuleHandleW(nullptr);
    return std::make_unique<TWinModulePictures>(module, aModule);
}

int TWinPictureSource::ScreenColorDepth() {
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return 32;
    const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return depth > 0 ? depth : 32;
}

std::unique_ptr<TBitmapObject> TWinPictureSource::NewBitmap(int aWidth, int aHeight,
                                                            bool aMonochrome) {
    return std::make_unique<TWinBitmap>(aWidth, aHeight, aMonochrome);
}

std::unique_ptr<TIconObject> TWinPictureSource::NewIcon(int, int) {
    return std::make_unique<TWinIcon>();
}

std::unique_ptr<TImageListObject> TWinPictureSource::NewImageList(int aCellWidth, int aCellHeight) {
    return std::make_unique<TWinImageList>(aCellWidth, aCellHeight);
}

} // namespace typ::win
