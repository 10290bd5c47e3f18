// The service double installed, run and controlled through the service
// manager, as the stub finds the real service.
#include "ServiceTestSupport.h"
#include "sysinfo/BinaryMessage.h"
#include "sysinfo/SvrSysInfoProxy.h"
#include "sysinfo/TcpTransportChannel.h"

#include <gtest/gtest.h>

namespace typ::win::test {
namespace {

TEST(SysInfoService, InstallsRunsPausesStopsAndUninstallsItself) {
    const std::uint16_t port = FreePort();
    ASSERT_EQ(RunDouble({L"--install", L"--port", std::to_wstring(port)}), 0u);
    {
        TService service;
        ASSERT_TRUE(service.Exists());
        EXPECT_EQ(service.State(), static_cast<DWORD>(SERVICE_STOPPED));
        ASSERT_TRUE(service.Start());
        ASSERT_TRUE(service.Reaches(SERVICE_RUNNING));

        TBinaryMessage message;
        TTcpTransportChannel channel(port, std::chrono::milliseconds(5000));
        const auto sysInfo = CoSvr_SysInfo::Create(message, channel);
        const std::u16string record = sysInfo->GetClient(u"81234", u"ana", 0);
        EXPECT_NE(record.find(u"SystemVersion=2024.1.5"), std::u16string::npos);
        EXPECT_NE(record.find(u"CountryCustomization=ES"), std::u16string::npos);

        ASSERT_TRUE(service.Control(SERVICE_CONTROL_PAUSE));
        EXPECT_TRUE(service.Reaches(SERVICE_PAUSED));
        EXPECT_THROW(sysInfo->GetPlatformClient(), std::runtime_error);
        ASSERT_TRUE(service.Control(SERVICE_CONTROL_CONTINUE));
        EXPECT_TRUE(service.Reaches(SERVICE_RUNNING));
        EXPECT_FALSE(sysInfo->GetPlatformClient().empty());

        ASSERT_TRUE(service.Control(SERVICE_CONTROL_STOP));
        EXPECT_TRUE(service.Reaches(SERVICE_STOPPED));
    }
    ASSERT_EQ(RunDouble({L"--uninstall"}), 0u);
    EXPECT_FALSE(TService().Exists());
    EXPECT_EQ(RunDouble({L"--uninstall"}), 2u);
}

} // namespace
} // namespace typ::win::test
