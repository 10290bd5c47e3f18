// The service double installed, run and controlled through the service
// manager, as the stub finds the real service.
#include "platform/TcpSocket.h"
#include "sysinfo/BinaryMessage.h"
#include "sysinfo/SvrSysInfoProxy.h"
#include "sysinfo/TcpTransportChannel.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <windows.h>

namespace typ::win::test {
namespace {

constexpr wchar_t kServiceName[] = L"VnSysInfoService";

std::wstring DoublePath() {
    const std::string unix = TYP_DOUBLE_EXE;
    std::wstring path = L"Z:";
    for (char c : unix)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

// The program's exit code; STILL_ACTIVE when it had to be ended.
DWORD RunToEnd(const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + DoublePath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return static_cast<DWORD>(-1);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, STILL_ACTIVE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// A port that was free a moment ago.
std::uint16_t FreePort() {
    return TcpNetwork().ListenLoopback(0)->LocalPort();
}

class TService {
public:
    TService()
        : FManager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT)),
          FService(FManager ? OpenServiceW(FManager, kServiceName, SERVICE_ALL_ACCESS) : nullptr) {}
    ~TService() {
        if (FService)
            CloseServiceHandle(FService);
        if (FManager)
            CloseServiceHandle(FManager);
    }
    TService(const TService&) = delete;
    TService& operator=(const TService&) = delete;

    bool Exists() const { return FService != nullptr; }
    SC_HANDLE Get() const { return FService; }

    DWORD State() const {
        SERVICE_STATUS status{};
        return QueryServiceStatus(FService, &status) ? status.dwCurrentState : 0;
    }

    // Waits up to ten seconds for the state.
    bool Reaches(DWORD state) const {
        for (int i = 0; i < 100; ++i) {
            if (State() == state)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    bool Control(DWORD control) const {
        SERVICE_STATUS status{};
        return ControlService(FService, control, &status) != FALSE;
    }

private:
    SC_HANDLE FManager;
    SC_HANDLE FService;
};

TEST(SysInfoService, InstallsRunsPausesStopsAndUninstallsItself) {
    const std::uint16_t port = FreePort();
    ASSERT_EQ(RunToEnd(L"--install --port " + std::to_wstring(port)), 0u);
    {
        TService service;
        ASSERT_TRUE(service.Exists());
        EXPECT_EQ(service.State(), static_cast<DWORD>(SERVICE_STOPPED));
        ASSERT_TRUE(StartServiceW(service.Get(), 0, nullptr));
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
    ASSERT_EQ(RunToEnd(L"--uninstall"), 0u);
    EXPECT_FALSE(TService().Exists());
    EXPECT_EQ(RunToEnd(L"--uninstall"), 2u);
}

} // namespace
} // namespace typ::win::test
