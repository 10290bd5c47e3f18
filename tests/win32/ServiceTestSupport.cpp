#include "ServiceTestSupport.h"

#include "ProcessRunner.h"
#include "platform/TcpSocket.h"

#include <chrono>
#include <thread>

namespace typ::win::test {

DWORD RunDouble(const std::vector<std::wstring>& arguments) {
    const TProcessResult result =
        RunProcess(WinePath(TYP_DOUBLE_EXE), arguments, std::chrono::seconds(20));
    if (!result.Started)
        return static_cast<DWORD>(-1);
    return result.TimedOut ? STILL_ACTIVE : result.ExitCode;
}

std::uint16_t FreePort() {
    return TcpNetwork().ListenLoopback(0)->LocalPort();
}

TService::TService()
    : FManager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT)),
      FService(FManager ? OpenServiceW(FManager, kDoubleService, SERVICE_ALL_ACCESS) : nullptr) {}

TService::~TService() {
    if (FService)
        CloseServiceHandle(FService);
    if (FManager)
        CloseServiceHandle(FManager);
}

DWORD TService::State() const {
    SERVICE_STATUS status{};
    return QueryServiceStatus(FService, &status) ? status.dwCurrentState : 0;
}

bool TService::Reaches(DWORD state) const {
    for (int i = 0; i < 100; ++i) {
        if (State() == state)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

bool TService::Start() const {
    return StartServiceW(FService, 0, nullptr) != FALSE;
}

bool TService::Control(DWORD control) const {
    SERVICE_STATUS status{};
    return ControlService(FService, control, &status) != FALSE;
}

} // namespace typ::win::test
