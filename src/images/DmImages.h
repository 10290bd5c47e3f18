#pragma once

#include "environment/WindowsVersion.h"
#include "images/PictureStore.h"

#include <memory>
#include <string_view>

namespace typ {

// Whether icons come from the lists with alpha: a 32-bit screen on a system
// that is not one of the classic versions (wvUnknown counts as not classic).
bool UsesAlphaPictures(int aColorDepth, TWindowsVersion aVersion);

// A created image module: its lists loaded from the platform and the screen's
// colour depth read once.
class TDmImages {
public:
    TDmImages(const TImageModule& aModule, TPictureSource& aSource);

    const TImageModule& ModuleClass() const { return FModule; }

    int IndexOf(TImageEnum aImageEnum) const;

    // The size accessors; a list the module does not have raises EAbstractError.
    const TStoredList& ImgList11Png() const;
    const TStoredList& ImgList11Bmp() const;
    const TStoredList& ImgList16Png() const;
    const TStoredList& ImgList16Bmp() const;
    const TStoredList& ImgList32Png() const;
    const TStoredList& ImgList32Bmp() const;
    const TStoredList& ImgList48Png() const;
    const TStoredList& ImgList48Bmp() const;
    const TStoredList& ImgListBigBmp() const;
    const TStoredList& ImgListBigPng() const;

    // A size outside the five does nothing; a position beyond the list leaves
    // the bitmap as it was. The logo module copies its named list's one picture.
    void GetBitmap(TImageEnum aImageEnum, TImageSize aImageSize, TBitmapObject& aBitMap) const;
    // A size outside the five raises E_VnRepositoryImages_Exception; a
    // position beyond the list empties the icon.
    void GetIcon(TImageEnum aImageEnum, TImageSize aImageSize, TIconObject& aIcon) const;

private:
    const TStoredList& Accessor(TImageSize aImageSize, TImageKind aKind) const;
    void GetLogoBitmap(TImageEnum aImageEnum, TBitmapObject& aBitMap) const;

    const TImageModule& FModule;
    std::unique_ptr<TModulePictures> FLists;
    int FColorDepth;
};

} // namespace typ
