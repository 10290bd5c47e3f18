#include "ServiceTestSupport.h"

#include "platform/TcpSocket.h"

#include <chrono>
#include <thread>

namespace typ::win::test {
namespace {

std::wstring DoublePath() {
    const std::string unix = TYP_DOUBLE_EXE;
    std::wstring path = L"Z:";
    for (char c : unix)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

} // namespace

DWORD RunDouble(const std::wstring& arguments) {
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
