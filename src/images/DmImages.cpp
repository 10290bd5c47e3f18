#include "images/DmImages.h"

#include "images/ImagesError.h"

#include <string>

namespace typ {
namespace {

std::string AccessorName(TImageSize aImageSize, TImageKind aKind) {
    static constexpr std::string_view kSizes[] = {"11", "16", "32", "48", "Big"};
    return "ImgList" + std::string(kSizes[static_cast<std::size_t>(aImageSize)]) +
           (aKind == TImageKind::Png ? "Png" : "Bmp");
}

} // namespace

bool UsesAlphaPictures(int aColorDepth, TWindowsVersion aVersion) {
    const bool classic = (aVersion >= wvWin95 && aVersion <= wvWin2003) ||
                         aVersion == wvWinServer2008 || aVersion == wvWinServer2008R2;
    return aColorDepth == 32 && !classic;
}

TDmImages::TDmImages(const TImageModule& aModule, TPictureSource& aSource)
    : FModule(aModule), FLists(aSource.LoadModule(aModule)),
      FColorDepth(aSource.ScreenColorDepth()) {}

int TDmImages::IndexOf(TImageEnum aImageEnum) const {
    return typ::IndexOf(FModule, aImageEnum);
}

const TStoredList& TDmImages::Accessor(TImageSize aImageSize, TImageKind aKind) const {
    const TImageListLayout* list = FModule.FindList(aImageSize, aKind);
    if (list == nullptr)
        throw EAbstractError("Error abstracto: " + std::string(FModule.ClassName) + "." +
                             AccessorName(aImageSize, aKind));
    return FLists->List(static_cast<std::size_t>(list - FModule.Lists.data()));
}

const TStoredList& TDmImages::ImgList11Png() const {
    return Accessor(TImageSize::is11p, TImageKind::Png);
}
const TStoredList& TDmImages::ImgList11Bmp() const {
    return Accessor(TImageSize::is11p, TImageKind::Bmp);
}
const TStoredList& TDmImages::ImgList16Png() const {
    return Accessor(TImageSize::is16p, TImageKind::Png);
}
const TStoredList& TDmImages::ImgList16Bmp() const {
    return Accessor(TImageSize::is16p, TImageKind::Bmp);
}
const TStoredList& TDmImages::ImgList32Png() const {
    return Accessor(TImageSize::is32p, TImageKind::Png);
}
const TStoredList& TDmImages::ImgList32Bmp() const {
    return Accessor(TImageSize::is32p, TImageKind::Bmp);
}
const TStoredList& TDmImages::ImgList48Png() const {
    return Accessor(TImageSize::is48p, TImageKind::Png);
}
const TStoredList& TDmImages::ImgList48Bmp() const {
    return Accessor(TImageSize::is48p, TImageKind::Bmp);
}
const TStoredList& TDmImages::ImgListBigBmp() const {
    return Accessor(TImageSize::isBig, TImageKind::Bmp);
}
const TStoredList& TDmImages::ImgListBigPng() const {
    return Accessor(TImageSize::isBig, TImageKind::Png);
}

void TDmImages::GetBitmap(TImageEnum aImageEnum, TImageSize aImageSize,
                          TBitmapObject& aBitMap) const {
    if (FModule.IndexOfKind == TIndexOfKind::None)
        return GetLogoBitmap(aImageEnum, aBitMap);
    if (!IsValidImageSize(aImageSize))
        return;
    const TStoredList& list = Accessor(aImageSize, TImageKind::Bmp);
    const int position = IndexOf(aImageEnum);
    if (position < list.Count())
        aBitMap.Assign(list, position);
}

void TDmImages::GetLogoBitmap(TImageEnum aImageEnum, TBitmapObject& aBitMap) const {
    for (std::size_t index = 0; index < FModule.Lists.size(); ++index) {
        const TImageListLayout& layout = FModule.Lists[index];
        if (FModule.Pictures[static_cast<std::size_t>(layout.First)] == aImageEnum)
            return aBitMap.Assign(FLists->List(index), 0);
    }
}

void TDmImages::GetIcon(TImageEnum aImageEnum, TImageSize aImageSize, TIconObject& aIcon) const {
    if (!IsValidImageSize(aImageSize))
        throw E_VnRepositoryImages_Exception("TDmImages.GetIcon");
    const TImageKind kind =
        UsesAlphaPictures(FColorDepth, GetWindowsVersion()) ? TImageKind::Png : TImageKind::Bmp;
    const TStoredList& list = Accessor(aImageSize, kind);
    const int position = IndexOf(aImageEnum);
    if (position < list.Count())
        aIcon.Assign(list, position);
    else
        aIcon.Clear();
}

} // namespace typ
