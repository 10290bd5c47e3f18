#pragma once

#include "images/PictureStore.h"

#include <windows.h>

namespace typ::win {

// The Windows picture objects: module lists loaded from the RCDATA resources
// of the running program ("<ClassName>_<size>_<Bmp|Png>", each a strip of
// cells in a 32-bit BMP), and the bitmaps, icons and image lists of callers.
class TWinPictureSource final : public TPictureSource {
public:
    explicit TWinPictureSource(HMODULE aModule = nullptr) : FModule(aModule) {}

    std::unique_ptr<TModulePictures> LoadModule(const TImageModule& aModule) override;
    int ScreenColorDepth() override;
    std::unique_ptr<TBitmapObject> NewBitmap(int aWidth, int aHeight, bool aMonochrome) override;
    std::unique_ptr<TIconObject> NewIcon(int aWidth, int aHeight) override;
    std::unique_ptr<TImageListObject> NewImageList(int aCellWidth, int aCellHeight) override;

private:
    HMODULE FModule;
};

} // namespace typ::win
