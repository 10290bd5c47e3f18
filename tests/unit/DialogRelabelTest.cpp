#include "dialogs/CaptionMatch.h"
#include "dialogs/ControlBounds.h"
#include "dialogs/RelabelTables.h"

#include <gtest/gtest.h>
#include <optional>
#include <string_view>
#include <vector>

namespace typ::dialogs {
namespace {

std::vector<std::optional<std::u16string_view>> TipsOfToolBar(int toolCount) {
    std::vector<std::optional<std::u16string_view>> tips;
    for (int tool = 0; tool < toolCount; ++tool) {
        tips.push_back(OpenToolTip(tool, toolCount));
    }
    return tips;
}

TEST(OpenToolTip, FiveToolsSkipTheDesktopTip) {
    const std::vector<std::optional<std::u16string_view>> expected = {
        std::nullopt, u"Subir un nivel", u"Crear nueva carpeta", u"Lista", u"Detalles"};
    EXPECT_EQ(TipsOfToolBar(5), expected);
}

TEST(OpenToolTip, SixToolsTakeTheFiveTipsInOrder) {
    const std::vector<std::optional<std::u16string_view>> expected = {
        std::nullopt,           u"Subir un nivel", u"Ver escritotio",
        u"Crear nueva carpeta", u"Lista",          u"Detalles"};
    EXPECT_EQ(TipsOfToolBar(6), expected);
}

TEST(OpenToolTip, ToolsWithoutATextKeepTheirOwn) {
    EXPECT_EQ(OpenToolTip(6, 7), std::nullopt);
    EXPECT_EQ(OpenToolTip(5, 7), u"Detalles");
    EXPECT_EQ(TipsOfToolBar(1), std::vector<std::optional<std::u16string_view>>{std::nullopt});
    EXPECT_EQ(OpenToolTip(3, 3), std::nullopt);
    EXPECT_EQ(OpenToolTip(-1, 5), std::nullopt);
}

TEST(SameCaption, IgnoresLetterCaseOnly) {
    EXPECT_TRUE(SameCaption(u"Cancelar", kCancelar));
    EXPECT_TRUE(SameCaption(u"CANCELAR", kCancelar));
    EXPECT_TRUE(SameCaption(u"aCePtAr", kAceptar));
    EXPECT_TRUE(SameCaption(u"UBICACIÓN:", u"Ubicación:"));
    EXPECT_FALSE(SameCaption(u"Cancel", kCancelar));
    EXPECT_FALSE(SameCaption(u"Cancelar ", kCancelar));
    EXPECT_FALSE(SameCaption(u"&Cancelar", kCancelar));
    EXPECT_FALSE(SameCaption(u"", kCancelar));
    // The multiplication and division signs are no pair of letters.
    EXPECT_FALSE(SameCaption(u"\u00D7", u"\u00F7"));
}

TEST(AdjustedBounds, TakesHeightBeforeWidth) {
    const TBounds bounds{10, 20, 100, 30};
    EXPECT_EQ(AdjustedBounds(bounds, {36, 0, 0, -23}), (TBounds{46, 20, 77, 30}));
    EXPECT_EQ(AdjustedBounds(bounds, {0, 2, 5, 0}), (TBounds{10, 22, 100, 35}));
    EXPECT_EQ(AdjustedBounds(bounds, Left(6, 7)), (TBounds{4, 20, 107, 30}));
}

} // namespace
} // namespace typ::dialogs
