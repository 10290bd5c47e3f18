#include "images/WinPictureObjects.h"

namespace typ::win {
namespace {

const TWinStoredList& WinList(const TStoredList& aList) {
    return dynamic_cast<const TWinStoredList&>(aList);
}

// A memory context with the bitmap selected for the scope.
class TSelectedBitmap {
public:
    explicit TSelectedBitmap(HBITMAP aBitmap)
        : FDc(CreateCompatibleDC(nullptr)), FOld(SelectObject(FDc.Get(), aBitmap)) {}
    ~TSelectedBitmap() { SelectObject(FDc.Get(), FOld); }
    TSelectedBitmap(const TSelectedBitmap&) = delete;
    TSelectedBitmap& operator=(const TSelectedBitmap&) = delete;
    HDC Dc() const { return FDc.Get(); }

private:
    TOwnedDc FDc;
    HGDIOBJ FOld;
};

// A copy of the bitmap stretched to the cell: an image list takes one entry
// per cell of what it is given.
TWinBitmap FitToCell(const TWinBitmap& aBitmap, int aWidth, int aHeight) {
    TWinBitmap fitted(aWidth, aHeight, aBitmap.Monochrome());
    if (aBitmap.Handle() != nullptr) {
        TSelectedBitmap from(aBitmap.Handle());
        TSelectedBitmap to(fitted.Handle());
        SetStretchBltMode(to.Dc(), aBitmap.Monochrome() ? BLACKONWHITE : HALFTONE);
        StretchBlt(to.Dc(), 0, 0, aWidth, aHeight, from.Dc(), 0, 0, aBitmap.Width(),
                   aBitmap.Height(), SRCCOPY);
    }
    return fitted;
}

} // namespace

HBITMAP ColourSection(int aWidth, int aHeight, void** aBits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = aWidth;
    info.bmiHeader.biHeight = -aHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, aBits != nullptr ? aBits : &bits,
                            nullptr, 0);
}

TWinBitmap::TWinBitmap(int aWidth, int aHeight, bool aMonochrome) : FMonochrome(aMonochrome) {
    Allocate(aWidth, aHeight);
}

void TWinBitmap::Allocate(int aWidth, int aHeight) {
    FWidth = aWidth;
    FHeight = aHeight;
    if (aWidth <= 0 || aHeight <= 0)
        return FBitmap.Reset();
    // A 32-bit section rather than a bitmap compatible with the screen: asking
    // the screen for a context costs more than the whole picture, and a
    // section selects into a memory context at any screen depth.
    FBitmap.Reset(FMonochrome ? CreateBitmap(aWidth, aHeight, 1, 1, nullptr)
                              : ColourSection(aWidth, aHeight));
    TSelectedBitmap selected(FBitmap.Get());
    Whiten(selected.Dc());
}

void TWinBitmap::Whiten(HDC aDc) const {
    const RECT all{0, 0, FWidth, FHeight};
    FillRect(aDc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void TWinBitmap::Assign(const TStoredList& aList, int aPosition) {
    const HIMAGELIST list = WinList(aList).Handle();
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list, &width, &height);
    const bool sameSize = FBitmap && width == FWidth && height == FHeight;
    if (!sameSize)
        Allocate(width, height);
    TSelectedBitmap selected(FBitmap.Get());
    if (sameSize)
        Whiten(selected.Dc());
    ImageList_Draw(list, aPosition, selected.Dc(), 0, 0, ILD_NORMAL);
}

void TWinIcon::Assign(const TStoredList& aList, int aPosition) {
    FIcon.Reset(ImageList_GetIcon(WinList(aList).Handle(), aPosition, ILD_NORMAL));
}

TWinImageList::TWinImageList(int aCellWidth, int aCellHeight)
    : FCellWidth(aCellWidth > 0 ? aCellWidth : 16),
      FCellHeight(aCellHeight > 0 ? aCellHeight : 16) {
    FList.Reset(ImageList_Create(FCellWidth, FCellHeight, ILC_COLOR32 | ILC_MASK, 4, 4));
}

bool TWinImageList::FitsCell(const TWinBitmap& aBitmap) const {
    return aBitmap.Handle() != nullptr && aBitmap.Width() == FCellWidth &&
           aBitmap.Height() == FCellHeight;
}

int TWinImageList::Put(int aIndex, const TWinBitmap& aBitmap, const TWinBitmap& aMask) {
    // A picture of the cell's size goes in as it is: stretching it costs more
    // than the rest of an entry, and the tool bar adds ten on every window.
    if (FitsCell(aBitmap) && FitsCell(aMask))
        return PutFitted(aIndex, aBitmap, aMask);
    // An empty picture puts a transparent entry: a white mask over nothing.
    const TWinBitmap noMask(0, 0, true);
    const TWinBitmap colour = FitToCell(aBitmap, FCellWidth, FCellHeight);
    const TWinBitmap mask =
        FitToCell(aBitmap.Handle() != nullptr ? aMask : noMask, FCellWidth, FCellHeight);
    return PutFitted(aIndex, colour, mask);
}

int TWinImageList::PutFitted(int aIndex, const TWinBitmap& aBitmap, const TWinBitmap& aMask) {
    if (aIndex < 0)
        return ImageList_Add(FList.Get(), aBitmap.Handle(), aMask.Handle());
    return ImageList_Replace(FList.Get(), aIndex, aBitmap.Handle(), aMask.Handle()) ? aIndex : -1;
}

void TWinImageList::AddIcon(const TIconObject& aIcon) {
    const HICON icon = WinIcon(aIcon).Handle();
    if (icon == nullptr || ImageList_AddIcon(FList.Get(), icon) < 0)
        Put(-1, TWinBitmap(0, 0, false), TWinBitmap(0, 0, true));
}

void TWinImageList::AddMasked(const TBitmapObject& aBitmap, const TBitmapObject& aMask) {
    Put(-1, WinBitmap(aBitmap), WinBitmap(aMask));
}

void TWinImageList::ReplaceIcon(int aIndex, const TIconObject& aIcon) {
    if (aIndex < 0 || aIndex >= Count())
        return;
    const HICON icon = WinIcon(aIcon).Handle();
    if (icon != nullptr)
        ImageList_ReplaceIcon(FList.Get(), aIndex, icon);
    else
        Put(aIndex, TWinBitmap(0, 0, false), TWinBitmap(0, 0, true));
}

void TWinImageList::ReplaceMasked(int aIndex, const TBitmapObject& aBitmap,
                                  const TBitmapObject& aMask) {
    if (aIndex >= 0 && aIndex < Count())
        Put(aIndex, WinBitmap(aBitmap), WinBitmap(aMask));
}

const TWinBitmap& WinBitmap(const TBitmapObject& aBitmap) {
    return dynamic_cast<const TWinBitmap&>(aBitmap);
}

const TWinIcon& WinIcon(const TIconObject& aIcon) {
    return dynamic_cast<const TWinIcon&>(aIcon);
}

TWinImageList& WinImageList(TImageListObject& aImageList) {
    return dynamic_cast<TWinImageList&>(aImageList);
}

} // namespace typ::win
