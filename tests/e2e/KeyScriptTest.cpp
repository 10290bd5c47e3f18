#include "KeyScript.h"

#include "editor/Keys.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace typ::win {
namespace {

TEST(KeyScript, CharactersTypeThemselvesAndNamesAreKeys) {
    const std::vector<TKeyStroke> expected{
        {0, L'a'},       {vk::Insert, 0}, {0, L'\u00F1'}, {vk::Back, 0},
        {vk::Return, 0}, {0, L'{'},       {vk::Next, 0},  {0, L'}'},
    };
    EXPECT_EQ(ParseKeyScript(L"a{INS}\u00F1{BS}{ENTER}{{{PGDN}}"), expected);
    EXPECT_TRUE(ParseKeyScript(L"").empty());
    EXPECT_EQ(ParseKeyScript(L"{F6}{DOWN}"),
              (std::vector<TKeyStroke>{{0x75, 0, true}, {0x28, 0, false}}))
        << "function keys are posted for the accelerators";
}

TEST(KeyScript, ModifiersHoldShiftCtrlAndAltForANameOrACapital) {
    EXPECT_EQ(ParseKeyScript(L"{+F6}{^Z}{^%+RIGHT}"),
              (std::vector<TKeyStroke>{{vk::F1 + 5, 0, true, kShiftKey},
                                       {'Z', 0, false, kCtrlKey},
                                       {vk::Right, 0, false, kCtrlKey | kAltKey | kShiftKey}}));
    EXPECT_THROW(ParseKeyScript(L"{Z}"), std::invalid_argument) << "a bare letter types itself";
    EXPECT_THROW(ParseKeyScript(L"{^z}"), std::invalid_argument);
    EXPECT_THROW(ParseKeyScript(L"{^}"), std::invalid_argument);
}

TEST(KeyScript, RejectsWhatItCannotType) {
    EXPECT_THROW(ParseKeyScript(L"{ESCAPE}"), std::invalid_argument);
    EXPECT_THROW(ParseKeyScript(L"{ins}"), std::invalid_argument) << "names are upper case";
    EXPECT_THROW(ParseKeyScript(L"ab{HOME"), std::invalid_argument);
    EXPECT_THROW(ParseKeyScript(L"{}"), std::invalid_argument);
}

} // namespace
} // namespace typ::win
