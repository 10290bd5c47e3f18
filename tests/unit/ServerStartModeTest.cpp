#include "server/StartMode.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

TStartOptions Start(std::vector<std::u16string> arguments) {
    return DecideStartMode(arguments);
}

constexpr TStartOptions kStandalone{TStartMode::Standalone, false};
constexpr TStartOptions kAutomation{TStartMode::Automation, false};
constexpr TStartOptions kRegister{TStartMode::Register, false};
constexpr TStartOptions kUnregister{TStartMode::Unregister, false};
constexpr TStartOptions kRegisterPerUser{TStartMode::Register, true};
constexpr TStartOptions kUnregisterPerUser{TStartMode::Unregister, true};

TEST(ServerStartModeTest, EachSwitchWithEitherPrefixAndAnyCase) {
    EXPECT_EQ(Start({u"/Automation"}), kAutomation);
    EXPECT_EQ(Start({u"-Embedding"}), kAutomation);
    EXPECT_EQ(Start({u"/EMBEDDING"}), kAutomation);
    EXPECT_EQ(Start({u"-regserver"}), kRegister);
    EXPECT_EQ(Start({u"/RegServer"}), kRegister);
    EXPECT_EQ(Start({u"/UnregServer"}), kUnregister);
    EXPECT_EQ(Start({u"-UNREGSERVER"}), kUnregister);
    EXPECT_EQ(Start({u"/RegServerPerUser"}), kRegisterPerUser);
    EXPECT_EQ(Start({u"-unregserverperuser"}), kUnregisterPerUser);
}

TEST(ServerStartModeTest, AnythingElseIsStandalone) {
    EXPECT_EQ(Start({}), kStandalone);
    EXPECT_EQ(Start({u"RegServer"}), kStandalone);
    EXPECT_EQ(Start({u"/RegServerX"}), kStandalone);
    EXPECT_EQ(Start({u"//RegServer"}), kStandalone);
    EXPECT_EQ(Start({u"/Reg"}), kStandalone);
    EXPECT_EQ(Start({u"\\RegServer", u"-", u"/", u""}), kStandalone);
    EXPECT_EQ(Start({u"C:\\x\\plantilla.typ"}), kStandalone);
}

TEST(ServerStartModeTest, TheSwitchOrderDecidesNotTheArgumentOrder) {
    EXPECT_EQ(Start({u"/Embedding", u"/RegServer"}), kAutomation);
    EXPECT_EQ(Start({u"/RegServer", u"-Embedding"}), kAutomation);
    EXPECT_EQ(Start({u"/UnregServer", u"/RegServer"}), kRegister);
    EXPECT_EQ(Start({u"/RegServerPerUser", u"/UnregServer"}), kUnregister);
    EXPECT_EQ(Start({u"/UnregServerPerUser", u"/RegServerPerUser"}), kRegisterPerUser);
    EXPECT_EQ(Start({u"foo", u"bar", u"-unregserver"}), kUnregister);
}

} // namespace
} // namespace typ
