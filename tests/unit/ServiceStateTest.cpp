#include "platform/ServiceState.h"

#include "StubTestSupport.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

TEST(ServiceState, PlatformValuesOneToSevenStayAndOthersBecomeZero) {
    EXPECT_EQ(ServiceStateFromPlatform(0), 0);
    EXPECT_EQ(ServiceStateFromPlatform(1), kServiceStopped);
    EXPECT_EQ(ServiceStateFromPlatform(4), kServiceRunning);
    EXPECT_EQ(ServiceStateFromPlatform(7), kServicePaused);
    EXPECT_EQ(ServiceStateFromPlatform(8), 0);
    EXPECT_EQ(ServiceStateFromPlatform(0x104), 0);
}

TEST(ServiceState, GetServiceStateAsksTheInstalledSourceAndResetsTheState) {
    {
        const test::TFakeServiceState running({kServiceRunning});
        std::uint8_t state = 9;
        EXPECT_TRUE(GetServiceState(u"", u"VnSysInfoService", state));
        EXPECT_EQ(state, kServiceRunning);
        EXPECT_EQ(running.Asked, std::vector<std::u16string>{u"|VnSysInfoService"});
    }
    const test::TFakeServiceState unreadable({std::nullopt});
    std::uint8_t state = 9;
    EXPECT_FALSE(GetServiceState(u"OTRA", u"NoExiste", state));
    EXPECT_EQ(state, 0);
}

#ifndef _WIN32
TEST(ServiceState, WithoutAServiceManagerNoStateCanBeRead) {
    std::uint8_t state = 9;
    EXPECT_FALSE(GetServiceState(u"", u"VnSysInfoService", state));
    EXPECT_EQ(state, 0);
}
#endif

} // namespace
} // namespace typ
