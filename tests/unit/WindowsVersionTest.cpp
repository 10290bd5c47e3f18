#include "environment/WindowsVersion.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

TWindowsVersion Of(std::uint32_t platform, std::uint32_t major, std::uint32_t minor,
                   std::uint8_t productType = 1, std::u16string servicePack = u"") {
    return WindowsVersionOf(TOsVersionRecord{platform, major, minor, servicePack, productType});
}

TEST(WindowsVersion, NineXFamilyByMinorAndServicePackLetter) {
    EXPECT_EQ(Of(1, 4, 0), wvWin95);
    EXPECT_EQ(Of(1, 4, 0, 1, u" B "), wvWin95OSR2);
    EXPECT_EQ(Of(1, 4, 10), wvWin98);
    EXPECT_EQ(Of(1, 4, 10, 1, u"A"), wvWin98SE);
    EXPECT_EQ(Of(1, 4, 89, 1, u"B"), wvWin98);
    EXPECT_EQ(Of(1, 4, 90), wvWinME);
    EXPECT_EQ(Of(1, 4, 91), wvUnknown);
}

TEST(WindowsVersion, NtFamilyByVersionAndProductType) {
    EXPECT_EQ(Of(2, 3, 1), wvWinNT31);
    EXPECT_EQ(Of(2, 3, 5), wvWinNT35);
    EXPECT_EQ(Of(2, 3, 51), wvWinNT351);
    EXPECT_EQ(Of(2, 3, 2), wvUnknown);
    EXPECT_EQ(Of(2, 4, 0), wvWinNT4);
    EXPECT_EQ(Of(2, 5, 0), wvWin2000);
    EXPECT_EQ(Of(2, 5, 1), wvWinXP);
    EXPECT_EQ(Of(2, 5, 2), wvWin2003);
    const TWindowsVersion workstations[] = {wvWinVista, wvWinSeven, wvWin8, wvWin81};
    const TWindowsVersion servers[] = {wvWinServer2008, wvWinServer2008R2, wvWinServer2012,
                                       wvWinServer2012R2};
    for (std::uint32_t minor = 0; minor < 4; ++minor) {
        EXPECT_EQ(Of(2, 6, minor, 1), workstations[minor]);
        EXPECT_EQ(Of(2, 6, minor, 3), servers[minor]);
        EXPECT_EQ(Of(2, 6, minor, 2), wvUnknown);
    }
    EXPECT_EQ(Of(2, 6, 4), wvUnknown);
    EXPECT_EQ(Of(2, 10, 0, 1), wvWin10);
    EXPECT_EQ(Of(2, 10, 0, 3), wvWin10Server);
    EXPECT_EQ(Of(2, 10, 0, 2), wvWin10Server);
    EXPECT_EQ(Of(2, 11, 0), wvUnknown);
    EXPECT_EQ(Of(3, 10, 0), wvUnknown);
    EXPECT_EQ(WindowsVersionOf(std::nullopt), wvUnknown);
}

} // namespace
} // namespace typ
