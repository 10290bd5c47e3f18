#include "images/ImagesError.h"
#include "images/VnRepositoryImages.h"
#include "images/WinPictureObjects.h"
#include "images/WinPictureSource.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace typ::win {
namespace {

using enum TImageEnum;
using enum TImageSize;

struct TPixels {
    int Width = 0;
    int Height = 0;
    std::vector<COLORREF> Colours;
};

// The bitmap's pixels as the screen shows them.
TPixels PixelsOf(HBITMAP aBitmap) {
    BITMAP info{};
    GetObjectW(aBitmap, sizeof(info), &info);
    TPixels pixels{info.bmWidth, info.bmHeight, {}};
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, aBitmap);
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x)
            pixels.Colours.push_back(GetPixel(dc, x, y));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return pixels;
}

// An image list entry drawn on a colour that no picture uses.
std::set<COLORREF> DrawnOnMagenta(HIMAGELIST aList, int aIndex) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(aList, &width, &height);
    TWinBitmap canvas(width, height, false);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, canvas.Handle());
    const HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    ImageList_Draw(aList, aIndex, dc, 0, 0, ILD_NORMAL);
    SelectObject(dc, old);
    DeleteDC(dc);
    const TPixels pixels = PixelsOf(canvas.Handle());
    return {pixels.Colours.begin(), pixels.Colours.end()};
}

TEST(ImagesWin32, EveryModuleLoadsItsListsFromTheProgramsResources) {
    TWinPictureSource source;
    for (const TImageModule& module : ImageModules()) {
        const auto pictures = source.LoadModule(module);
        for (std::size_t index = 0; index < module.Lists.size(); ++index) {
            const TImageListLayout& layout = module.Lists[index];
            const auto& list = dynamic_cast<const TWinStoredList&>(pictures->List(index));
            int width = 0;
            int height = 0;
            ImageList_GetIconSize(list.Handle(), &width, &height);
            EXPECT_EQ(width, layout.Width) << ResourceName(module, layout);
            EXPECT_EQ(height, layout.Height) << ResourceName(module, layout);
            EXPECT_EQ(list.Count(), layout.Count) << ResourceName(module, layout);
        }
    }
}

TEST(ImagesWin32, ABitmapOfTheSharedRepositoryIsARealPicture) {
    const auto bitmap = SharedRepositoryImages().CreateBitmap(ieActSave, is16p);
    const TPixels pixels = PixelsOf(WinBitmap(*bitmap).Handle());
    EXPECT_EQ(pixels.Width, 16);
    EXPECT_EQ(pixels.Height, 16);
    EXPECT_GT(std::set<COLORREF>(pixels.Colours.begin(), pixels.Colours.end()).size(), 3u);

    const auto logo = SharedRepositoryImages().CreateBitmap(ieLogoZorval, is16p);
    EXPECT_EQ(WinBitmap(*logo).Width(), 195);
    EXPECT_EQ(WinBitmap(*logo).Height(), 39);
    const auto big = SharedRepositoryImages().CreateBitmap(ieWizConfig, isBig);
    EXPECT_EQ(WinBitmap(*big).Width(), 145);
    EXPECT_EQ(WinBitmap(*big).Height(), 100);

    const auto icon = SharedRepositoryImages().CreateIcon(ieNavSearch, is32p);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(WinIcon(*icon).Handle(), &info));
    const TPixels iconColours = PixelsOf(info.hbmColor);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(iconColours.Width, 32);
}

TEST(ImagesWin32, TheToolBarsTenPicturesGoIntoASixteenPixelListWithTheirMasks) {
    const TImageEnum pictures[] = {ieActOpenFolder, ieActSave,  ieActPrint, ieActUndo,   ieActCut,
                                   ieActCopy,       ieActPaste, ieActPaint, ieNavSearch, ieActHelp};
    TVnRepositoryImages& repository = SharedRepositoryImages();
    const auto toolBar = repository.ImgToolBar();
    for (const TImageEnum picture : pictures)
        repository.AddBmpToImageList(picture, is16p, *toolBar);
    const HIMAGELIST list = WinImageList(*toolBar).Handle();
    ASSERT_EQ(ImageList_GetImageCount(list), 10);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(list, &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    std::set<std::set<COLORREF>> distinct;
    for (int index = 0; index < 10; ++index) {
        // The background shows through the mask and the picture covers some of it.
        const std::set<COLORREF> drawn = DrawnOnMagenta(list, index);
        EXPECT_TRUE(drawn.contains(RGB(255, 0, 255))) << index;
        EXPECT_GT(drawn.size(), 3u) << index;
        distinct.insert(drawn);
    }
    EXPECT_EQ(distinct.size(), 10u);

    const auto statusBar = repository.ImgStatusBar();
    EXPECT_EQ(ImageList_GetImageCount(WinImageList(*statusBar).Handle()), 4);
}

TEST(ImagesWin32, MissingResourcesGiveTheRepositorysErrorAndNoPicture) {
    TWinPictureSource elsewhere(GetModuleHandleW(L"kernel32.dll"));
    // Lists load when first read, so the error comes with the first picture.
    try {
        elsewhere.LoadModule(TVnRepositoryImages::DataModuleClass(ieActSave))->List(0);
        ADD_FAILURE() << "no error";
    } catch (const E_VnRepositoryImages_Exception& error) {
        EXPECT_STREQ(error.what(), "Recurso TDmImagesAct_11_Bmp: no se encuentra");
    }
    TVnRepositoryImages repository(elsewhere);
    const auto bitmap = repository.CreateBitmap(ieActSave, is16p);
    const TPixels pixels = PixelsOf(WinBitmap(*bitmap).Handle());
    EXPECT_EQ(std::set<COLORREF>(pixels.Colours.begin(), pixels.Colours.end()),
              std::set<COLORREF>{RGB(255, 255, 255)});
}

} // namespace
} // namespace typ::win
