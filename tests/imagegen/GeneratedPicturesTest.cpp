#include "Compose.h"
#include "ModuleStrips.h"
#include "PngReader.h"
#include "images/ImageModules.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace typ::pictures {
namespace {

using enum TImageEnum;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every strip of the real table, made once for the whole suite.
const std::vector<TStrip>& Strips() {
    static const std::vector<TStrip> strips = [] {
        TSourceRenderer renderer({TYP_ICON_THEME, TYP_PICTURE_SHAPES, TYP_RENDER_CACHE, TYP_RSVG});
        return AllStrips(ParsePictureTable(ReadFile(TYP_PICTURE_TABLE)), renderer);
    }();
    return strips;
}

const TStrip& Strip(std::string_view name) {
    for (const TStrip& strip : Strips()) {
        if (strip.ResourceName == name) {
            return strip;
        }
    }
    throw std::logic_error("no strip " + std::string(name));
}

const TImageModule& Module(std::string_view className) {
    for (const TImageModule& module : ImageModules()) {
        if (module.ClassName == className) {
            return module;
        }
    }
    throw std::logic_error("no module " + std::string(className));
}

TEST(GeneratedPictures, EveryListHasItsCellsOfItsSize) {
    std::size_t lists = 0;
    for (const TImageModule& module : ImageModules()) {
        for (const TImageListLayout& list : module.Lists) {
            ++lists;
            const TStrip& strip = Strip(ResourceName(module, list));
            ASSERT_EQ(strip.Cells.size(), static_cast<std::size_t>(list.Count))
                << strip.ResourceName;
            const TRaster picture = strip.Picture();
            EXPECT_EQ(picture.Width, list.Width * list.Count) << strip.ResourceName;
            EXPECT_EQ(picture.Height, list.Height) << strip.ResourceName;
        }
    }
    EXPECT_EQ(Strips().size(), lists + 1); // and the editor's own
}

// Position p of a list shows Pictures[p]: the theme's own drawing for the
// tool bar's save and search buttons.
TEST(GeneratedPictures, CellsStandAtTheirModulesPositions) {
    const auto expect = [](std::string_view strip, const TImageModule& module, TImageEnum value,
                           const char* icon) {
        TRaster drawn =
            DecodePng(ReadFile(std::string(TYP_ICON_THEME) + "/16x16/" + icon + ".png"));
        FlattenForMask(drawn);
        EXPECT_EQ(Strip(strip).Cells.at(static_cast<std::size_t>(IndexOf(module, value))), drawn)
            << icon;
    };
    expect("TDmImagesAct_16_Bmp", Module("TDmImagesAct"), ieActSave, "actions/document-save");
    expect("TDmImagesAct_16_Bmp", Module("TDmImagesAct"), ieActCut, "actions/edit-cut");
    expect("TDmImagesNav_16_Bmp", Module("TDmImagesNav"), ieNavSearch, "actions/edit-find");
    EXPECT_EQ(Strip("TDmImagesAct_11_Bmp").Names, std::vector<std::string>{"ieActMantenerDatos"});
}

TEST(GeneratedPictures, LogosAndBackgroundListsArePaintedOnTheirColour) {
    const std::pair<const char*, int> logos[] = {{"TDmImagesLogo_ImgLogoOrvik", 179},
                                                 {"TDmImagesLogo_ImgLogoZorval", 195},
                                                 {"TDmImagesLogo_ImgLogoQuenda", 140}};
    for (const auto& [name, width] : logos) {
        const TRaster& logo = Strip(name).Cells.at(0);
        EXPECT_EQ(logo.Width, width);
        EXPECT_EQ(std::vector<std::uint8_t>(logo.At(0, 0), logo.At(0, 0) + 4),
                  (std::vector<std::uint8_t>{255, 255, 255, 255}))
            << name;
    }
    const TRaster& wizard = Strip("TDmImagesWizard_Big_Bmp").Cells.at(0);
    EXPECT_EQ(wizard.At(0, 0)[0], 247);
    EXPECT_EQ(wizard.At(0, 0)[3], 255);
}

} // namespace
} // namespace typ::pictures
