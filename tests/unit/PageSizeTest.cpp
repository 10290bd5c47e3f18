#include "editor/PageSize.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

TEST(PageSize, KeepsWholeNumbersWithinTheRange) {
    EXPECT_EQ(PageFieldValue(u"40", kPageWidthMaximum), 40);
    EXPECT_EQ(PageFieldValue(u"1", kPageWidthMaximum), 1);
    EXPECT_EQ(PageFieldValue(u"250", kPageWidthMaximum), 250);
    EXPECT_EQ(PageFieldValue(u"500", kPageHeightMaximum), 500);
    EXPECT_EQ(PageFieldValue(u" 7 ", kPageWidthMaximum), 7);
    EXPECT_EQ(PageFieldValue(u"+5", kPageWidthMaximum), 5);
    EXPECT_EQ(PageFieldValue(u"007", kPageWidthMaximum), 7);
}

TEST(PageSize, BringsNumbersOutsideTheRangeIntoIt) {
    EXPECT_EQ(PageFieldValue(u"0", kPageWidthMaximum), 1);
    EXPECT_EQ(PageFieldValue(u"-5", kPageWidthMaximum), 1);
    EXPECT_EQ(PageFieldValue(u"251", kPageWidthMaximum), 250);
    EXPECT_EQ(PageFieldValue(u"999", kPageHeightMaximum), 500);
    EXPECT_EQ(PageFieldValue(u"99999999999999999999999", kPageWidthMaximum), 250) << "no overflow";
    EXPECT_EQ(PageFieldValue(u"-99999999999999999999999", kPageHeightMaximum), 1);
}

TEST(PageSize, CountsAnythingElseAsOne) {
    for (const std::u16string_view text :
         {u"", u"   ", u"abc", u"-", u"+", u"1a", u"4 0", u"--5", u"0x10", u"1.5", u"\u0663"}) {
        EXPECT_EQ(PageFieldValue(text, kPageWidthMaximum), 1)
            << std::string(text.begin(), text.end());
    }
}

TEST(PageSize, AcceptedSizeAppliesEachFieldsOwnRange) {
    EXPECT_EQ(AcceptedPageSize(u"40", u"10"), (TPageSize{40, 10}));
    EXPECT_EQ(AcceptedPageSize(u"abc", u"9999"), (TPageSize{1, 500}));
    EXPECT_EQ(AcceptedPageSize(u"400", u"400"), (TPageSize{250, 400}));
}

} // namespace
} // namespace typ
