#include "logging/LogType.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

TEST(LogType, OrdinalsAreFixed) {
    EXPECT_EQ(static_cast<int>(ltForced), 0);
    EXPECT_EQ(static_cast<int>(ltAudit), 5);
    EXPECT_EQ(static_cast<int>(ltCoLogin), 13);
    EXPECT_EQ(static_cast<int>(ltTermLogOff), 17);
    EXPECT_EQ(static_cast<int>(ltEventViewer), 18);
    EXPECT_EQ(sizeof(TLogType), 1u);
}

TEST(LogType, TagsAndMasksOfTheTypesThatAreEasilyMixedUp) {
    EXPECT_EQ(LogTypeTag(ltError), u"#FALLA");
    EXPECT_EQ(LogTypeTag(ltFail), u"#EXCEP");
    EXPECT_EQ(LogTypeTag(ltCoLogin), u"E_EMPR");
    EXPECT_EQ(LogTypeTag(ltCoLogOff), u"S_EMPR");
    EXPECT_EQ(LogTypeTag(ltUserLogOff), u"S_USUA");
    EXPECT_EQ(LogTypeTag(ltTermLogOff), u"S_TERM");
    EXPECT_EQ(LogTypeTag(ltEventViewer), u"");
    EXPECT_EQ(LevelMask(ltCoLogOff), 1024);
    EXPECT_EQ(LevelMask(ltUserLogOff), 512);
    EXPECT_EQ(LevelMask(ltTermLogOff), 128);
    EXPECT_EQ(LevelMask(static_cast<TLogType>(19)), 0);
    EXPECT_EQ(LogTypeTag(static_cast<TLogType>(200)), u"");
}

TEST(LogType, LevelEnablesATypeOnlyWithAllItsBits) {
    const auto enabled = [](int level) {
        std::vector<int> types;
        for (int t = 0; t <= 18; ++t) {
            if (IsLevelEnabled(level, static_cast<TLogType>(t))) {
                types.push_back(t);
            }
        }
        return types;
    };
    EXPECT_EQ(enabled(7), (std::vector<int>{ltForced, ltError, ltFail, ltStart, ltDown, ltAudit}));
    EXPECT_EQ(enabled(12), (std::vector<int>{ltForced, ltAudit, ltMsg}));
    EXPECT_EQ(enabled(0), (std::vector<int>{ltForced}));
    EXPECT_EQ(enabled(2048), (std::vector<int>{ltForced, ltEventViewer}));
    EXPECT_EQ(enabled(39),
              (std::vector<int>{ltForced, ltError, ltFail, ltStart, ltDown, ltAudit, ltTech}));
}

} // namespace
} // namespace typ
