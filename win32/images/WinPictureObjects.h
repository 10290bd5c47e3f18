#pragma once

#include "images/PictureStore.h"
#include "platform/HandleOwners.h"

#include <windows.h>
#include <commctrl.h>

namespace typ::win {

// A list of a loaded module: an image list that the module owns.
class TWinStoredList final : public TStoredList {
public:
    explicit TWinStoredList(TOwnedImageList aList) : FList(std::move(aList)) {}
    int Count() const override { return ImageList_GetImageCount(FList.Get()); }
    HIMAGELIST Handle() const { return FList.Get(); }

private:
    TOwnedImageList FList;
};

// A bitmap that a picture is drawn into on white, monochrome for a mask.
class TWinBitmap final : public TBitmapObject {
public:
    TWinBitmap(int aWidth, int aHeight, bool aMonochrome);
    void Assign(const TStoredList& aList, int aPosition) override;

    HBITMAP Handle() const { return FBitmap.Get(); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Monochrome() const { return FMonochrome; }

private:
    void Allocate(int aWidth, int aHeight);
    void Whiten(HDC aDc) const;

    TOwnedBitmap FBitmap;
    int FWidth = 0;
    int FHeight = 0;
    bool FMonochrome;
};

// An icon taken out of an image list; empty until then.
class TWinIcon final : public TIconObject {
public:
    void Assign(const TStoredList& aList, int aPosition) override;
    void Clear() override { FIcon.Reset(); }

    HICON Handle() const { return FIcon.Get(); }

private:
    TOwnedIcon FIcon;
};

// A caller's image list, with alpha and a mask. An empty picture still takes
// an entry (a transparent one), so the entries after it keep their indexes.
class TWinImageList final : public TImageListObject {
public:
    // Cells of 0 x 0 take the default of 16 x 16.
    TWinImageList(int aCellWidth, int aCellHeight);

    int Count() const override { return ImageList_GetImageCount(FList.Get()); }
    void AddIcon(const TIconObject& aIcon) override;
    void AddMasked(const TBitmapObject& aBitmap, const TBitmapObject& aMask) override;
    void ReplaceIcon(int aIndex, const TIconObject& aIcon) override;
    void ReplaceMasked(int aIndex, const TBitmapObject& aBitmap,
                       const TBitmapObject& aMask) override;

    HIMAGELIST Handle() const { return FList.Get(); }

private:
    int Put(int aIndex, const TWinBitmap& aBitmap, const TWinBitmap& aMask);
    int PutFitted(int aIndex, const TWinBitmap& aBitmap, const TWinBitmap& aMask);
    bool FitsCell(const TWinBitmap& aBitmap) const;

    TOwnedImageList FList;
    int FCellWidth;
    int FCellHeight;
};

// A top-down 32-bit section; its pixels in aBits when asked for.
HBITMAP ColourSection(int aWidth, int aHeight, void** aBits = nullptr);

// The platform objects behind the core's picture interfaces.
const TWinBitmap& WinBitmap(const TBitmapObject& aBitmap);
const TWinIcon& WinIcon(const TIconObject& aIcon);
TWinImageList& WinImageList(TImageListObject& aImageList);

} // namespace typ::win
