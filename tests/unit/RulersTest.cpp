#include "editor/Rulers.h"

#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

std::u16string Row(int row, int width) {
    return BuildHorizontalRuler(row, width, 0, width);
}

TEST(Rulers, TopRulerNumbersEndAtTheirColumnAndMarksEveryFifth) {
    EXPECT_EQ(Row(0, 25), u"        10        20     ");
    EXPECT_EQ(Row(1, 25), u"    \u00B3    \u00B3    \u00B3    \u00B3    \u00B3");
    EXPECT_EQ(Row(0, 3), u"   ");
    EXPECT_EQ(Row(1, 3), u"   ");
    EXPECT_EQ(Row(0, 0), u"");
    EXPECT_EQ(Row(0, 250).substr(247), u"250");
    EXPECT_EQ(Row(0, 2510).substr(2506), u"2510");
}

TEST(Rulers, TopRulerSlicesMatchTheWholeRow) {
    const std::u16string whole = Row(0, 120);
    EXPECT_EQ(BuildHorizontalRuler(0, 120, 95, 10), whole.substr(95, 10));
    EXPECT_EQ(BuildHorizontalRuler(0, 120, 115, 50), whole.substr(115));
    EXPECT_EQ(BuildHorizontalRuler(1, 120, -3, 2), u"");
}

TEST(Rulers, LeftRulerMarksFivesAndTens) {
    EXPECT_EQ(VerticalRulerLine(1), u"   ");
    EXPECT_EQ(VerticalRulerLine(5), u"  \u00C4");
    EXPECT_EQ(VerticalRulerLine(10), u" \u00C4\u00C4");
    EXPECT_EQ(VerticalRulerLine(12), u"   ");
    EXPECT_EQ(VerticalRulerLine(15), u"  \u00C4");
    EXPECT_EQ(VerticalRulerLine(500), u" \u00C4\u00C4");
}

} // namespace
} // namespace typ
