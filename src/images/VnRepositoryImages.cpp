#include "images/VnRepositoryImages.h"

#include "images/ImagesError.h"
#include "logging/ManagedLogFile.h"

#include <string>

namespace typ {
namespace {

// Made when the program starts, freed with its modules when it ends.
TVnRepositoryImages gSharedRepositoryImages(PlatformPictureSource());

// The entry carries the value's name; a cast integer beyond the enumeration has
// none, and its number tells more than an empty message.
void LogUnserved(TImageEnum aImageEnum) {
    std::string name(ImageEnumName(aImageEnum));
    if (name.empty())
        name = std::to_string(static_cast<unsigned>(aImageEnum));
    TManagedLogFile::Write(ltError, std::u16string(name.begin(), name.end()));
}

} // namespace

TVnRepositoryImages::TVnRepositoryImages(TPictureSource& aSource) : FSource(aSource) {}

const TImageModule& TVnRepositoryImages::DataModuleClass(TImageEnum aImageEnum) {
    return typ::DataModuleClass(aImageEnum);
}

TDmImages& TVnRepositoryImages::GetDataModule(TImageEnum aImageEnum) {
    const TImageModule& moduleClass = DataModuleClass(aImageEnum);
    auto found = FDataModules.find(&moduleClass);
    if (found == FDataModules.end())
        found =
            FDataModules.emplace(&moduleClass, std::make_unique<TDmImages>(moduleClass, FSource))
                .first;
    return *found->second;
}

// The request for the value; when it fails with the repository's own error,
// one log entry with the value's name and the substitute picture instead.
template <typename TRequest>
void TVnRepositoryImages::Serve(TImageEnum aImageEnum, TImageSize aImageSize,
                                TImageSize aSubstituteSize, TRequest aRequest) {
    try {
        aRequest(GetDataModule(aImageEnum), aImageEnum, aImageSize);
        return;
    } catch (const E_VnRepositoryImages_Exception&) {
        LogUnserved(aImageEnum);
    }
    // The substitute gets one try: should it fail in turn, its entry in the
    // log is all, and the caller's picture stays as it was.
    try {
        aRequest(GetDataModule(kSubstitute), kSubstitute, aSubstituteSize);
    } catch (const E_VnRepositoryImages_Exception&) {
        LogUnserved(kSubstitute);
    }
}

void TVnRepositoryImages::GetIcon(TImageEnum aImageEnum, TIconObject& aIcon,
                                  TImageSize aImageSize) {
    Serve(
        aImageEnum, aImageSize, aImageSize,
        [&](const TDmImages& module, TImageEnum value, TImageSize size) {
            module.GetIcon(value, size, aIcon);
        });
}

// The substitute bitmap is always the 16-pixel one.
void TVnRepositoryImages::GetBitmap(TImageEnum aImageEnum, TBitmapObject& aBitMap,
                                    TImageSize aImageSize) {
    Serve(
        aImageEnum, aImageSize, TImageSize::is16p,
        [&](const TDmImages& module, TImageEnum value, TImageSize size) {
            module.GetBitmap(value, size, aBitMap);
        });
}

std::unique_ptr<TBitmapObject> TVnRepositoryImages::NewBitmap(TImageSize aImageSize,
                                                              bool aMonochrome) {
    const int edge = ImageSizePixels(aImageSize);
    return FSource.NewBitmap(edge, edge, aMonochrome);
}

std::unique_ptr<TIconObject> TVnRepositoryImages::CreateIcon(TImageEnum aImageEnum,
                                                             TImageSize aImageSize) {
    const int edge = ImageSizePixels(aImageSize);
    auto icon = FSource.NewIcon(edge, edge);
    GetIcon(aImageEnum, *icon, aImageSize);
    return icon;
}

std::unique_ptr<TBitmapObject> TVnRepositoryImages::CreateBitmap(TImageEnum aImageEnum,
                                                                 TImageSize aImageSize) {
    auto bitmap = NewBitmap(aImageSize, false);
    GetBitmap(aImageEnum, *bitmap, aImageSize);
    return bitmap;
}

std::unique_ptr<TImageListObject> TVnRepositoryImages::ImgToolBar() {
    return FSource.NewImageList(0, 0);
}

std::unique_ptr<TImageListObject> TVnRepositoryImages::ImgStatusBar() {
    auto list = FSource.NewImageList(0, 0);
    for (const TImageEnum picture : kStatusBarPictures)
        AddIconToImageList(picture, TImageSize::is16p, *list);
    return list;
}

void TVnRepositoryImages::AddIconToImageList(TImageEnum aImageEnum, TImageSize aImageSize,
                                             TImageListObject& aImageList) {
    aImageList.AddIcon(*SharedRepositoryImages().CreateIcon(aImageEnum, aImageSize));
}

// The mask is monochrome on white: the picture rendered into it in two colours.
void TVnRepositoryImages::AddBmpToImageList(TImageEnum aImageEnum, TImageSize aImageSize,
                                            TImageListObject& aImageList) {
    TVnRepositoryImages& shared = SharedRepositoryImages();
    const auto bitmap = shared.CreateBitmap(aImageEnum, aImageSize);
    const auto mask = shared.NewBitmap(aImageSize, true);
    shared.GetBitmap(aImageEnum, *mask, aImageSize);
    aImageList.AddMasked(*bitmap, *mask);
}

void TVnRepositoryImages::ReplaceImageListIcon(TImageEnum aImageEnum, TImageSize aImageSize,
                                               TImageListObject& aImageList, int aIndex) {
    aImageList.ReplaceIcon(aIndex, *SharedRepositoryImages().CreateIcon(aImageEnum, aImageSize));
}

void TVnRepositoryImages::ReplaceImageListBitmap(TImageEnum aImageEnum, TImageSize aImageSize,
                                                 TImageListObject& aImageList, int aIndex) {
    TVnRepositoryImages& shared = SharedRepositoryImages();
    const auto bitmap = shared.CreateBitmap(aImageEnum, aImageSize);
    const auto mask = shared.NewBitmap(aImageSize, true);
    shared.GetBitmap(aImageEnum, *mask, aImageSize);
    aImageList.ReplaceMasked(aIndex, *bitmap, *mask);
}

TVnRepositoryImages& SharedRepositoryImages() {
    return gSharedRepositoryImages;
}

} // namespace typ
