#include "environment/Format.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

TEST(Format, DirectivesWithWidthPrecisionAndAlignment) {
    EXPECT_EQ(Format(u"%-15s %s", {u"File:", u"C:\\App.exe"}), u"File:           C:\\App.exe");
    EXPECT_EQ(Format(u"[%5s|%-5s|%.2s]", {u"ab", u"cd", u"xyz"}), u"[   ab|cd   |xy]");
    EXPECT_EQ(Format(u"%d.%d.%d.%d", {1, 2, 3, 4}), u"1.2.3.4");
    EXPECT_EQ(Format(u"%.4d/%.2d|%4d|%-4d|%d", {7, 5, 12, 12, -3}), u"0007/05|  12|12  |-3");
    EXPECT_EQ(Format(u"%.4x%.4X", {0x2C0A, 1252}), u"2C0A04E4");
    EXPECT_EQ(Format(u"%x|%u", {-1, 4000000000u}), u"FFFFFFFF|4000000000");
    EXPECT_EQ(Format(u"100%% %s", {u"listo"}), u"100% listo");
    EXPECT_EQ(Format(u"%1:s-%0:s-%s", {u"a", u"b"}), u"b-a-b");
}

TEST(Format, ArgumentsThatDoNotFitRaiseConvertError) {
    EXPECT_THROW(Format(u"%d", {u"x"}), EConvertError);
    EXPECT_THROW(Format(u"%s", {5}), EConvertError);
    EXPECT_THROW(Format(u"%s %s", {u"uno"}), EConvertError);
    EXPECT_THROW(Format(u"%q", {1}), EConvertError);
    EXPECT_THROW(Format(u"fin %", {}), EConvertError);
    EXPECT_THROW(Format(u"%99999999d", {1}), EConvertError);
}

} // namespace
} // namespace typ
