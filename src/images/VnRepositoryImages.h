#pragma once

#include "images/DmImages.h"
#include "images/PictureStore.h"

#include <map>
#include <memory>

namespace typ {

// Hands out the standard pictures by name and size. Creates a module the first
// time one of its pictures is asked for and keeps it until the repository
// ends; absorbs the errors of a picture it cannot serve with an error entry in
// the log and the substitute picture.
class TVnRepositoryImages {
public:
    // The pictures of the status bar, in their entry order (Version before Key).
    static constexpr TImageEnum kStatusBarPictures[] = {
        TImageEnum::ieStatusBarUser, TImageEnum::ieStatusBarCompany, TImageEnum::ieStatusBarVersion,
        TImageEnum::ieStatusBarKey};
    static constexpr TImageEnum kSubstitute = TImageEnum::ieProductoQuenda;

    explicit TVnRepositoryImages(TPictureSource& aSource);
    TVnRepositoryImages(const TVnRepositoryImages&) = delete;
    TVnRepositoryImages& operator=(const TVnRepositoryImages&) = delete;

    static const TImageModule& DataModuleClass(TImageEnum aImageEnum);
    static TRgb IconColor() { return TRgb{89, 122, 164}; }

    TDmImages& GetDataModule(TImageEnum aImageEnum);
    // The number of modules created so far.
    std::size_t ModuleCount() const { return FDataModules.size(); }

    void GetIcon(TImageEnum aImageEnum, TIconObject& aIcon, TImageSize aImageSize);
    void GetBitmap(TImageEnum aImageEnum, TBitmapObject& aBitMap, TImageSize aImageSize);

    // New objects that the caller owns, ImageSizePixels on each edge before
    // the picture is copied in: an isBig object starts empty (0 x 0) and takes
    // the big list's cell size from the copy.
    std::unique_ptr<TIconObject> CreateIcon(TImageEnum aImageEnum, TImageSize aImageSize);
    std::unique_ptr<TBitmapObject> CreateBitmap(TImageEnum aImageEnum, TImageSize aImageSize);

    // New image lists for the caller to own (the owner form keeps them).
    std::unique_ptr<TImageListObject> ImgToolBar();
    std::unique_ptr<TImageListObject> ImgStatusBar();

    // These always fetch the picture through SharedRepositoryImages.
    void AddIconToImageList(TImageEnum aImageEnum, TImageSize aImageSize,
                            TImageListObject& aImageList);
    void AddBmpToImageList(TImageEnum aImageEnum, TImageSize aImageSize,
                           TImageListObject& aImageList);
    void ReplaceImageListIcon(TImageEnum aImageEnum, TImageSize aImageSize,
                              TImageListObject& aImageList, int aIndex);
    void ReplaceImageListBitmap(TImageEnum aImageEnum, TImageSize aImageSize,
                                TImageListObject& aImageList, int aIndex);

private:
    template <typename TRequest>
    void Serve(TImageEnum aImageEnum, TImageSize aImageSize, TImageSize aSubstituteSize,
               TRequest aRequest);
    std::unique_ptr<TBitmapObject> NewBitmap(TImageSize aImageSize, bool aMonochrome);

    TPictureSource& FSource;
    std::map<const TImageModule*, std::unique_ptr<TDmImages>> FDataModules;
};

// The process-wide repository over the platform's pictures, created at process
// start and destroyed at its end.
TVnRepositoryImages& SharedRepositoryImages();

} // namespace typ
