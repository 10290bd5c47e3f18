#include "DoubleStore.h"
#include "RecordText.h"

#include <gtest/gtest.h>

namespace typ::dbl {
namespace {

TEST(DoubleRecordText, MergeReplacesKeysWhateverTheirCaseAndAppendsNewOnes) {
    EXPECT_EQ(MergeRecordLines(u"A=1\r\nb=2", u"B=3\nC=x=y\r\nsin igual\r\n"),
              u"A=1\r\nB=3\r\nC=x=y");
    EXPECT_EQ(MergeRecordLines(u"", u"A=1\r\n"), u"A=1");
    EXPECT_EQ(MergeRecordLines(u"A=1", u""), u"A=1");
}

TEST(DoubleRecordText, ValueIsWhatFollowsTheFirstEqualsSign) {
    EXPECT_EQ(RecordValue(u"x=1\r\nDic=Provider=L;S=2", u"DIC"), u"Provider=L;S=2");
    EXPECT_EQ(RecordValue(u"x=1", u"y"), u"");
    EXPECT_FALSE(HasRecordKey(u"xy=1", u"x"));
}

TEST(DoubleStoreMerge, NewInstallationsAreCreatedAndKeysFollowTheirGroup) {
    TDoubleStore store;
    EXPECT_FALSE(store.Knows(u"1"));
    store.MergeClient(u"1", kCurrentUserGroup, u"K=v");
    EXPECT_EQ(store.Client(u"1", kCurrentUserGroup), u"K=v");
    EXPECT_EQ(store.Client(u"1", 0), u"");
    EXPECT_EQ(store.Client(u"1", 5), std::nullopt);
    store.MergeClient(u"1", 0, u"k=w");
    EXPECT_EQ(store.Client(u"1", kCurrentUserGroup), u"k=w");
    EXPECT_EQ(store.Installations(0).find(u"1="), 0u);
}

} // namespace
} // namespace typ::dbl
