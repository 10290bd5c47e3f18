#include "images/ImageModules.h"

#include "images/ImagesError.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace typ {
namespace {

using enum TImageEnum;
using enum TImageSize;

const TImageModule& Module(std::string_view className) {
    for (const TImageModule& module : ImageModules()) {
        if (module.ClassName == className) {
            return module;
        }
    }
    throw std::logic_error("no module " + std::string(className));
}

std::string RoutingError(TImageEnum value) {
    try {
        DataModuleClass(value);
    } catch (const E_VnRepositoryImages_Exception& error) {
        return error.what();
    }
    return "";
}

TEST(ImageEnum, NamesAreDistinctAndKeepTheirOrdinals) {
    std::set<std::string_view> names;
    for (std::size_t ordinal = 0; ordinal < kImageEnumCount; ++ordinal) {
        const std::string_view name = ImageEnumName(static_cast<TImageEnum>(ordinal));
        EXPECT_TRUE(name.starts_with("ie")) << ordinal;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), kImageEnumCount);
    EXPECT_EQ(ImageEnumName(ieNone), "ieNone");
    EXPECT_EQ(ImageEnumName(static_cast<TImageEnum>(99)), "ieActSave");
    EXPECT_EQ(ImageEnumName(static_cast<TImageEnum>(120)), "ieactABMCertificados");
    EXPECT_EQ(ImageEnumName(static_cast<TImageEnum>(259)), "ieVentasFormasHabitualesPagosBig");
    EXPECT_EQ(ImageEnumName(static_cast<TImageEnum>(337)), "ieAlignRight");
    EXPECT_EQ(ImageEnumName(static_cast<TImageEnum>(338)), "");
    EXPECT_EQ(ImageEnumName(static_cast<TImageEnum>(0xFFFF)), "");
}

TEST(ImageEnum, SizesInPixels) {
    EXPECT_EQ(ImageSizePixels(is11p), 11);
    EXPECT_EQ(ImageSizePixels(is16p), 16);
    EXPECT_EQ(ImageSizePixels(is32p), 32);
    EXPECT_EQ(ImageSizePixels(is48p), 48);
    EXPECT_EQ(ImageSizePixels(isBig), 0);
    EXPECT_EQ(ImageSizePixels(static_cast<TImageSize>(5)), 0);
}

TEST(ImageModules, EveryValueRoutesToTheModuleThatHoldsItButThreeOfNoModule) {
    ASSERT_EQ(ImageModules().size(), 38u);
    EXPECT_EQ(ImageModules().front().ClassName, "TDmImagesEmpty");
    EXPECT_EQ(ImageModules().back().ClassName, "TDmImagesAlineacion");
    std::set<std::size_t> unrouted;
    for (std::size_t ordinal = 0; ordinal < kImageEnumCount; ++ordinal) {
        const auto value = static_cast<TImageEnum>(ordinal);
        if (!RoutingError(value).empty()) {
            unrouted.insert(ordinal);
            continue;
        }
        const TImageModule& module = DataModuleClass(value);
        if (module.IndexOfKind == TIndexOfKind::Table) {
            EXPECT_EQ(module.Pictures[static_cast<std::size_t>(IndexOf(module, value))], value);
        }
    }
    EXPECT_EQ(unrouted, (std::set<std::size_t>{0, 249, 270}));
    EXPECT_EQ(RoutingError(ieNone), "ImageEnum no definido en TVnRepositoryImages.DataModuleClass");
    EXPECT_EQ(RoutingError(static_cast<TImageEnum>(338)), RoutingError(ieNone));
    EXPECT_EQ(RoutingError(static_cast<TImageEnum>(0xFFFF)), RoutingError(ieNone));

    // Runs that leave their module's block of the enumeration.
    const std::pair<TImageEnum, std::string_view> strays[] = {
        {ieToolbarMenuColorear, "TDmImagesAct"},
        {ieMsExcelDeleteRow, "TDmImagesAct"},
        {ieActCorreccion, "TDmImagesAct"},
        {ieMsOffice, "TDmImagesMs"},
        {ieActSolicitarOrden, "TDmImagesVentas"},
        {ieActParametrizar, "TDmImagesVentas"},
        {ieVentasFormasHabitualesPagosBig, "TDmImagesOtros"},
        {ieMathReferenciaGrafico, "TDmImagesMath"},
        {ieFondosActIngresoManual, "TDmImagesFondos"},
        {ieFondosActPOSTarjetas, "TDmImagesFondosBig"},
        {ieLogoZorval, "TDmImagesLogo"},
    };
    for (const auto& [value, className] : strays) {
        EXPECT_EQ(DataModuleClass(value).ClassName, className) << ImageEnumName(value);
    }
}

TEST(ImageModules, TellingPositions) {
    const std::pair<TImageEnum, int> act[] = {
        {ieActMantenerDatos, 0}, {ieActCut, 1},    {ieActCopy, 2},  {ieActPaste, 3},
        {ieActUndo, 4},          {ieActPrint, 7},  {ieActHelp, 10}, {ieActSave, 16},
        {ieActOpenFolder, 18},   {ieActPaint, 36},
    };
    for (const auto& [value, position] : act) {
        EXPECT_EQ(IndexOf(Module("TDmImagesAct"), value), position) << ImageEnumName(value);
    }
    // The free positions follow the enumeration: ieToolbarMenuColorear is the Act module's first.
    EXPECT_EQ(IndexOf(Module("TDmImagesAct"), ieToolbarMenuColorear), 5);
    EXPECT_EQ(IndexOf(Module("TDmImagesNav"), ieNavSearch), 14);
    EXPECT_EQ(IndexOf(Module("TDmImagesNav"), ieNavAccept), 0);
    const TImageModule& statusBar = Module("TDmImagesStatusBar");
    EXPECT_EQ(IndexOf(statusBar, ieStatusBarCompany), 0);
    EXPECT_EQ(IndexOf(statusBar, ieStatusBarKey), 1);
    EXPECT_EQ(IndexOf(statusBar, ieStatusBarUser), 2);
    EXPECT_EQ(IndexOf(statusBar, ieStatusBarVersion), 3);
    EXPECT_EQ(IndexOf(Module("TDmImagesProduct"), ieProductoQuenda), 2);
    for (const TImageEnum value : {ieEmpty, ieActSave, ieNone, static_cast<TImageEnum>(999)}) {
        EXPECT_EQ(IndexOf(Module("TDmImagesEmpty"), value), 0);
    }
}

TEST(ImageModules, IndexOfFailsForAValueOfAnotherModule) {
    try {
        IndexOf(Module("TDmImagesNav"), ieActSave);
        ADD_FAILURE() << "no error";
    } catch (const E_VnRepositoryImages_Exception& error) {
        EXPECT_STREQ(error.what(), "TDmImagesNav.IndexOf");
    }
    EXPECT_THROW(IndexOf(Module("TDmImagesAct"), static_cast<TImageEnum>(5000)),
                 E_VnRepositoryImages_Exception);
    EXPECT_THROW(IndexOf(Module("TDmImagesLogo"), ieLogoOrvik), EAbstractError);
}

TEST(ImageModules, ListsPairUpAndHoldOnlyTheirModulesPictures) {
    const std::set<std::string_view> bitmapOnly = {"TDmImagesChart", "TDmImagesControl",
                                                   "TDmImagesOtros", "TDmImagesLogo"};
    std::set<std::string> resources;
    for (const TImageModule& module : ImageModules()) {
        std::size_t longest = 0;
        for (const TImageListLayout& list : module.Lists) {
            EXPECT_GE(list.First, 0);
            EXPECT_GT(list.Count, 0);
            EXPECT_LE(static_cast<std::size_t>(list.First + list.Count), module.Pictures.size());
            longest = std::max(longest, static_cast<std::size_t>(list.First + list.Count));
            EXPECT_TRUE(resources.insert(ResourceName(module, list)).second);
            if (list.Size != isBig) {
                EXPECT_EQ(list.Width, ImageSizePixels(list.Size));
                EXPECT_EQ(list.Height, list.Width);
            }
            if (!list.Name.empty() || bitmapOnly.contains(module.ClassName)) {
                continue;
            }
            const auto other = list.Kind == TImageKind::Bmp ? TImageKind::Png : TImageKind::Bmp;
            const TImageListLayout* pair = module.FindList(list.Size, other);
            ASSERT_NE(pair, nullptr) << module.ClassName;
            EXPECT_EQ(pair->Width, list.Width);
            EXPECT_EQ(pair->Height, list.Height);
            EXPECT_EQ(pair->Count, list.Count);
        }
        EXPECT_EQ(longest, module.Pictures.size()) << module.ClassName;
    }
}

TEST(ImageModules, TheListsOutOfTheCommonPattern) {
    const auto count = [](std::string_view className, TImageSize size) {
        const TImageListLayout* list = Module(className).FindList(size, TImageKind::Bmp);
        return list != nullptr ? list->Count : -1;
    };
    EXPECT_EQ(count("TDmImagesAct", is11p), 1);
    EXPECT_EQ(count("TDmImagesAct", is16p), 78);
    EXPECT_EQ(count("TDmImagesAct", is48p), -1);
    EXPECT_EQ(count("TDmImagesVentas", is16p), 22);
    EXPECT_EQ(count("TDmImagesVentas", is32p), 15);
    EXPECT_EQ(count("TDmImagesGridNav", is11p), 8);
    EXPECT_EQ(count("TDmImagesQuickFinder", is32p), -1);
    EXPECT_EQ(count("TDmImagesEmpty", is48p), 1);

    const std::tuple<std::string_view, int, int, int> big[] = {
        {"TDmImagesVentas", 108, 45, 2},   {"TDmImagesWizard", 145, 100, 6},
        {"TDmImagesChart", 80, 80, 7},     {"TDmImagesControl", 123, 80, 6},
        {"TDmImagesOtros", 130, 130, 1},   {"TDmImagesFondosBig", 188, 256, 2},
        {"TDmImagesMapaMesa", 108, 32, 1},
    };
    for (const auto& [className, width, height, pictures] : big) {
        const TImageListLayout* list = Module(className).FindList(isBig, TImageKind::Bmp);
        ASSERT_NE(list, nullptr) << className;
        EXPECT_EQ(std::tie(list->Width, list->Height, list->Count),
                  std::tie(width, height, pictures));
    }
    EXPECT_EQ(Module("TDmImagesChart").FindList(isBig, TImageKind::Png), nullptr);
    EXPECT_EQ(Module("TDmImagesWizard").FindList(isBig, TImageKind::Bmp)->Background,
              (TRgb{247, 247, 247}));
    EXPECT_FALSE(Module("TDmImagesWizard").FindList(isBig, TImageKind::Png)->Background);
    EXPECT_EQ(ResourceName(Module("TDmImagesAct"), *Module("TDmImagesAct").FindList(is16p, {})),
              "TDmImagesAct_16_Bmp");
    EXPECT_EQ(ResourceName(Module("TDmImagesWizard"),
                           *Module("TDmImagesWizard").FindList(isBig, TImageKind::Png)),
              "TDmImagesWizard_Big_Png");

    const TImageModule& logo = Module("TDmImagesLogo");
    const std::tuple<TImageEnum, std::string_view, int, int> logos[] = {
        {ieLogoOrvik, "ImgLogoOrvik", 179, 39},
        {ieLogoZorval, "ImgLogoZorval", 195, 39},
        {ieLogoQuenda, "ImgLogoQuenda", 140, 48},
    };
    ASSERT_EQ(logo.Lists.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& [value, name, width, height] = logos[i];
        const TImageListLayout& list = logo.Lists[i];
        EXPECT_EQ(logo.Pictures[static_cast<std::size_t>(list.First)], value);
        EXPECT_EQ(std::tie(list.Name, list.Width, list.Height, list.Count),
                  std::make_tuple(name, width, height, 1));
        EXPECT_EQ(list.Background, (TRgb{255, 255, 255}));
        EXPECT_EQ(ResourceName(logo, list), "TDmImagesLogo_" + std::string(name));
    }
    EXPECT_EQ(logo.FindList(isBig, TImageKind::Bmp), nullptr);
}

} // namespace
} // namespace typ
