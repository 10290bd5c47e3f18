#include "LogTestSupport.h"
#include "images/ImagesError.h"
#include "images/VnRepositoryImages.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace typ {
namespace {

using enum TImageEnum;
using enum TImageSize;

// Image lists, bitmaps and icons exist on Windows only (tested there under
// Wine); natively a fake store whose pictures are the names of their places,
// "<resource>#<position>".
struct TFakeList final : TStoredList {
    TFakeList(std::string resource, int pictures)
        : Resource(std::move(resource)), Pictures(pictures) {}
    std::string Resource;
    int Pictures;
    int Count() const override { return Pictures; }
};

struct TFakeModulePictures final : TModulePictures {
    std::vector<TFakeList> Lists;
    int* Live;
    explicit TFakeModulePictures(int* live) : Live(live) { ++*Live; }
    ~TFakeModulePictures() override { --*Live; }
    const TStoredList& List(std::size_t aIndex) const override { return Lists.at(aIndex); }
};

std::string PictureOf(const TStoredList& aList, int aPosition) {
    return static_cast<const TFakeList&>(aList).Resource + "#" + std::to_string(aPosition);
}

struct TFakeBitmap final : TBitmapObject {
    int CreatedWidth = 0;
    bool Monochrome = false;
    std::string Picture;
    void Assign(const TStoredList& aList, int aPosition) override {
        Picture = PictureOf(aList, aPosition);
    }
};

struct TFakeIcon final : TIconObject {
    std::string Picture = "(new)";
    void Assign(const TStoredList& aList, int aPosition) override {
        Picture = PictureOf(aList, aPosition);
    }
    void Clear() override { Picture.clear(); }
};

struct TFakeImageList final : TImageListObject {
    int CellWidth = -1;
    std::vector<std::string> Entries;
    int Count() const override { return static_cast<int>(Entries.size()); }
    void AddIcon(const TIconObject& aIcon) override { Entries.push_back(Text(aIcon)); }
    void AddMasked(const TBitmapObject& aBitmap, const TBitmapObject& aMask) override {
        Entries.push_back(Text(aBitmap, aMask));
    }
    void ReplaceIcon(int aIndex, const TIconObject& aIcon) override {
        Entries.at(static_cast<std::size_t>(aIndex)) = Text(aIcon);
    }
    void ReplaceMasked(int aIndex, const TBitmapObject& aBitmap,
                       const TBitmapObject& aMask) override {
        Entries.at(static_cast<std::size_t>(aIndex)) = Text(aBitmap, aMask);
    }
    static std::string Text(const TIconObject& aIcon) {
        return "icon " + static_cast<const TFakeIcon&>(aIcon).Picture;
    }
    static std::string Text(const TBitmapObject& aBitmap, const TBitmapObject& aMask) {
        const auto& mask = static_cast<const TFakeBitmap&>(aMask);
        return static_cast<const TFakeBitmap&>(aBitmap).Picture + " mask " +
               (mask.Monochrome ? "mono " : "colour ") + mask.Picture;
    }
};

class TFakePictureSource final : public TPictureSource {
public:
    int ColorDepth = 32;
    int LiveModules = 0;
    std::vector<std::string_view> Loaded;
    std::set<std::string_view> Missing; // modules whose resources are not there
    int LastNewEdge = -1;

    std::unique_ptr<TModulePictures> LoadModule(const TImageModule& aModule) override {
        if (Missing.contains(aModule.ClassName))
            throw E_VnRepositoryImages_Exception("sin recursos");
        auto pictures = std::make_unique<TFakeModulePictures>(&LiveModules);
        for (const TImageListLayout& list : aModule.Lists)
            pictures->Lists.emplace_back(ResourceName(aModule, list), list.Count);
        Loaded.push_back(aModule.ClassName);
        return pictures;
    }
    int ScreenColorDepth() override { return ColorDepth; }
    std::unique_ptr<TBitmapObject> NewBitmap(int aWidth, int aHeight, bool aMonochrome) override {
        EXPECT_EQ(aWidth, aHeight);
        LastNewEdge = aWidth;
        auto bitmap = std::make_unique<TFakeBitmap>();
        bitmap->CreatedWidth = aWidth;
        bitmap->Monochrome = aMonochrome;
        return bitmap;
    }
    std::unique_ptr<TIconObject> NewIcon(int aWidth, int) override {
        LastNewEdge = aWidth;
        return std::make_unique<TFakeIcon>();
    }
    std::unique_ptr<TImageListObject> NewImageList(int aCellWidth, int) override {
        auto list = std::make_unique<TFakeImageList>();
        list->CellWidth = aCellWidth;
        return list;
    }
};

TFakePictureSource& FakeSource() {
    static TFakePictureSource source;
    return source;
}

class ImageRepositoryTest : public ::testing::Test {
protected:
    ImageRepositoryTest() {
        FSource.ColorDepth = 32;
        FSource.Missing.clear();
        FSource.Loaded.clear();
    }

    // The messages of the log's error entries.
    std::vector<std::string> ErrorEntries() const {
        std::vector<std::string> messages;
        for (const std::string& line : test::ReadLines(FSandbox.ProgramLog())) {
            const std::size_t tag = line.find("| #FALLA | ");
            if (tag != std::string::npos)
                messages.push_back(line.substr(tag + 11));
        }
        return messages;
    }

    test::TAppDataSandbox FSandbox;
    TFakePictureSource& FSource = FakeSource();
    TVnRepositoryImages FRepository{FSource};
};

TEST_F(ImageRepositoryTest, ModulesAreCreatedOnFirstUseReusedAndFreedWithTheRepository) {
    const int liveBefore = FSource.LiveModules;
    { TVnRepositoryImages untouched(FSource); }
    EXPECT_TRUE(FSource.Loaded.empty());
    {
        TVnRepositoryImages repository(FSource);
        TFakeBitmap bitmap;
        repository.GetBitmap(ieActSave, bitmap, is16p);
        EXPECT_EQ(bitmap.Picture, "TDmImagesAct_16_Bmp#16");
        repository.GetBitmap(ieActCut, bitmap, is16p);
        EXPECT_EQ(bitmap.Picture, "TDmImagesAct_16_Bmp#1");
        repository.GetBitmap(ieNavSearch, bitmap, is32p);
        EXPECT_EQ(bitmap.Picture, "TDmImagesNav_32_Bmp#14");
        repository.GetBitmap(ieMathReferenciaGrafico, bitmap, is16p);
        EXPECT_EQ(&repository.GetDataModule(ieActPaint), &repository.GetDataModule(ieActHelp));
        EXPECT_EQ(repository.ModuleCount(), 3u);
        EXPECT_EQ(FSource.LiveModules, liveBefore + 3);
    }
    EXPECT_EQ(FSource.Loaded,
              (std::vector<std::string_view>{"TDmImagesAct", "TDmImagesNav", "TDmImagesMath"}));
    EXPECT_EQ(FSource.LiveModules, liveBefore);
    EXPECT_TRUE(ErrorEntries().empty());
}

TEST_F(ImageRepositoryTest, AnUnservedValueLogsOneErrorAndGetsTheSubstitute) {
    TFakeBitmap bitmap;
    FRepository.GetBitmap(ieNone, bitmap, is32p);
    EXPECT_EQ(bitmap.Picture, "TDmImagesProduct_16_Bmp#2");
    TFakeIcon icon;
    FRepository.GetIcon(ieActHabilitarPrecio, icon, is32p);
    EXPECT_EQ(icon.Picture, "TDmImagesProduct_32_Png#2");
    // A cast integer beyond the enumeration, and a module whose resources are missing.
    FRepository.GetBitmap(static_cast<TImageEnum>(4000), bitmap, is16p);
    FSource.Missing = {"TDmImagesDialog"};
    bitmap.Picture.clear();
    FRepository.GetBitmap(ieDialogError, bitmap, is32p);
    EXPECT_EQ(bitmap.Picture, "TDmImagesProduct_16_Bmp#2");
    EXPECT_EQ(ErrorEntries(), (std::vector<std::string>{"ieNone", "ieActHabilitarPrecio", "4000",
                                                        "ieDialogError"}));
}

TEST_F(ImageRepositoryTest, ASubstituteThatFailsInTurnEndsAfterOneTry) {
    FSource.Missing = {"TDmImagesProduct"};
    TFakeBitmap bitmap;
    bitmap.Picture = "before";
    FRepository.GetBitmap(ieNone, bitmap, is16p);
    EXPECT_EQ(bitmap.Picture, "before");
    TFakeIcon icon;
    // A size outside the five fails for the value and for the substitute alike.
    FSource.Missing.clear();
    FRepository.GetIcon(ieActSave, icon, static_cast<TImageSize>(7));
    EXPECT_EQ(icon.Picture, "(new)");
    EXPECT_EQ(ErrorEntries(), (std::vector<std::string>{"ieNone", "ieProductoQuenda", "ieActSave",
                                                        "ieProductoQuenda"}));
}

TEST_F(ImageRepositoryTest, AListTheModuleDoesNotOfferIsAnErrorOfItsOwnPassedOn) {
    TFakeBitmap bitmap;
    TFakeIcon icon;
    EXPECT_THROW(FRepository.GetBitmap(ieActSave, bitmap, is48p), EAbstractError);
    EXPECT_THROW(FRepository.GetIcon(ieControlTextBox, icon, isBig), EAbstractError);
    FRepository.GetBitmap(ieControlComboBox, bitmap, isBig);
    EXPECT_EQ(bitmap.Picture, "TDmImagesControl_Big_Bmp#5");
    // The logos: one picture each whatever the size, never an icon.
    FRepository.GetBitmap(ieLogoZorval, bitmap, is11p);
    EXPECT_EQ(bitmap.Picture, "TDmImagesLogo_ImgLogoZorval#0");
    FRepository.GetDataModule(ieLogoQuenda).GetBitmap(ieActSave, is16p, bitmap);
    EXPECT_EQ(bitmap.Picture, "TDmImagesLogo_ImgLogoZorval#0");
    EXPECT_THROW(FRepository.GetIcon(ieLogoOrvik, icon, is16p), EAbstractError);
    EXPECT_THROW(FRepository.GetDataModule(ieLogoOrvik).IndexOf(ieLogoOrvik), EAbstractError);
    EXPECT_THROW(FRepository.GetDataModule(ieWizAct).ImgList11Bmp(), EAbstractError);
    EXPECT_EQ(FRepository.GetDataModule(ieToolbarMenuTablero).ImgList16Png().Count(), 5);
    EXPECT_TRUE(ErrorEntries().empty());
}

TEST_F(ImageRepositoryTest, PositionsBeyondAListAndSizesOutsideTheFive) {
    TFakeBitmap bitmap;
    TFakeIcon icon;
    bitmap.Picture = "before";
    FRepository.GetBitmap(ieActCut, bitmap, is11p);
    EXPECT_EQ(bitmap.Picture, "before");
    FRepository.GetBitmap(ieActMantenerDatos, bitmap, is11p);
    EXPECT_EQ(bitmap.Picture, "TDmImagesAct_11_Bmp#0");
    const TDmImages& ventas = FRepository.GetDataModule(ieVentasArticulos);
    for (const TImageEnum value : ventas.ModuleClass().Pictures) {
        const int position = ventas.IndexOf(value);
        bitmap.Picture = "before";
        icon.Picture = "before";
        FRepository.GetBitmap(value, bitmap, is32p);
        FRepository.GetIcon(value, icon, is32p);
        const std::string expected = "TDmImagesVentas_32_";
        EXPECT_EQ(bitmap.Picture,
                  position < 15 ? expected + "Bmp#" + std::to_string(position) : "before");
        EXPECT_EQ(icon.Picture, position < 15 ? expected + "Png#" + std::to_string(position) : "");
    }
    FRepository.GetBitmap(ieActSave, bitmap, static_cast<TImageSize>(5));
    FRepository.GetBitmap(ieActSave, bitmap, static_cast<TImageSize>(255));
    EXPECT_EQ(bitmap.Picture, "before");
    try {
        ventas.GetIcon(ieVentasArticulos, static_cast<TImageSize>(5), icon);
        ADD_FAILURE() << "no error";
    } catch (const E_VnRepositoryImages_Exception& error) {
        EXPECT_STREQ(error.what(), "TDmImages.GetIcon");
    }
    // The empty module answers position 0 for any value.
    FRepository.GetDataModule(ieEmpty).GetBitmap(ieAlignRight, is48p, bitmap);
    EXPECT_EQ(bitmap.Picture, "TDmImagesEmpty_48_Bmp#0");
    EXPECT_TRUE(ErrorEntries().empty());
}

TEST_F(ImageRepositoryTest, IconsUseTheAlphaListsOnlyOnAThirtyTwoBitScreenOfANonClassicSystem) {
    const std::set<TWindowsVersion> classic = {
        wvWin95,   wvWin95OSR2, wvWin98,         wvWin98SE,        wvWinME,
        wvWinNT31, wvWinNT35,   wvWinNT351,      wvWinNT4,         wvWin2000,
        wvWinXP,   wvWin2003,   wvWinServer2008, wvWinServer2008R2};
    for (int version = wvUnknown; version <= wvWin10Server; ++version) {
        const auto value = static_cast<TWindowsVersion>(version);
        EXPECT_EQ(UsesAlphaPictures(32, value), !classic.contains(value)) << version;
        EXPECT_FALSE(UsesAlphaPictures(16, value));
        EXPECT_FALSE(UsesAlphaPictures(24, value));
    }
    // The module reads the depth once, when it is created.
    FSource.ColorDepth = 16;
    TVnRepositoryImages repository(FSource);
    TFakeIcon icon;
    repository.GetIcon(ieActSave, icon, is16p);
    FSource.ColorDepth = 32;
    repository.GetIcon(ieActSave, icon, is16p);
    EXPECT_EQ(icon.Picture, "TDmImagesAct_16_Bmp#16");
    const bool alpha = UsesAlphaPictures(32, GetWindowsVersion());
    FRepository.GetIcon(ieActSave, icon, is16p);
    EXPECT_EQ(icon.Picture, alpha ? "TDmImagesAct_16_Png#16" : "TDmImagesAct_16_Bmp#16");
}

TEST_F(ImageRepositoryTest, CreatedObjectsHaveTheSizesEdgeAndAnEmptyStartWhenBig) {
    const auto bitmap = FRepository.CreateBitmap(ieActSave, is16p);
    EXPECT_EQ(static_cast<const TFakeBitmap&>(*bitmap).CreatedWidth, 16);
    EXPECT_EQ(static_cast<const TFakeBitmap&>(*bitmap).Picture, "TDmImagesAct_16_Bmp#16");
    const auto big = FRepository.CreateBitmap(ieWizConfig, isBig);
    EXPECT_EQ(static_cast<const TFakeBitmap&>(*big).CreatedWidth, 0);
    EXPECT_EQ(static_cast<const TFakeBitmap&>(*big).Picture, "TDmImagesWizard_Big_Bmp#5");
    const auto icon = FRepository.CreateIcon(ieNavFirst, is32p);
    EXPECT_EQ(FSource.LastNewEdge, 32);
    EXPECT_EQ(static_cast<const TFakeIcon&>(*icon).Picture, "TDmImagesNav_32_Png#9");
    EXPECT_EQ(TVnRepositoryImages::IconColor(), (TRgb{89, 122, 164}));
}

TEST_F(ImageRepositoryTest, ImageListsAreFilledThroughTheSharedRepository) {
    TVnRepositoryImages other(FSource);
    const auto toolBar = other.ImgToolBar();
    EXPECT_EQ(toolBar->Count(), 0);
    EXPECT_EQ(static_cast<const TFakeImageList&>(*toolBar).CellWidth, 0);
    other.AddBmpToImageList(ieActSave, is16p, *toolBar);
    other.AddIconToImageList(ieNavSearch, is16p, *toolBar);
    other.ReplaceImageListBitmap(ieActPrint, is16p, *toolBar, 1);
    other.ReplaceImageListIcon(ieActHelp, is32p, *toolBar, 0);
    EXPECT_EQ(static_cast<const TFakeImageList&>(*toolBar).Entries,
              (std::vector<std::string>{"icon TDmImagesAct_32_Png#10",
                                        "TDmImagesAct_16_Bmp#7 mask mono TDmImagesAct_16_Bmp#7"}));
    EXPECT_EQ(other.ModuleCount(), 0u);
    EXPECT_EQ(&SharedRepositoryImages().GetDataModule(ieActSave).ModuleClass(),
              &DataModuleClass(ieActSave));
    EXPECT_GE(SharedRepositoryImages().ModuleCount(), 2u);

    const auto statusBar = other.ImgStatusBar();
    EXPECT_EQ(static_cast<const TFakeImageList&>(*statusBar).Entries,
              (std::vector<std::string>{
                  "icon TDmImagesStatusBar_16_Png#2", "icon TDmImagesStatusBar_16_Png#0",
                  "icon TDmImagesStatusBar_16_Png#3", "icon TDmImagesStatusBar_16_Png#1"}));
}

} // namespace

TPictureSource& PlatformPictureSource() {
    return FakeSource();
}

} // namespace typ
