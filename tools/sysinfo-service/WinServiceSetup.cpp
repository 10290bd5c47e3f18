#include "WinDoubleService.h"

#include <windows.h>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace typ::dbl {
namespace {

constexpr wchar_t kDisplayName[] = L"Servicio de Información del Sistema (doble de pruebas)";
constexpr int kStopWaitSteps = 100;
constexpr std::chrono::milliseconds kStopWaitStep{100};

[[noreturn]] void Fail(const char* operation) {
    throw std::runtime_error(std::string(operation) + " falló: error " +
                             std::to_string(GetLastError()));
}

// A service manager or service handle, closed when it goes.
class TScHandle {
public:
    explicit TScHandle(SC_HANDLE handle, const char* operation) : FHandle(handle) {
        if (!FHandle)
            Fail(operation);
    }
    ~TScHandle() { CloseServiceHandle(FHandle); }
    TScHandle(const TScHandle&) = delete;
    TScHandle& operator=(const TScHandle&) = delete;

    SC_HANDLE Get() const { return FHandle; }

private:
    SC_HANDLE FHandle;
};

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            Fail("GetModuleFileNameW");
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The serving arguments are ASCII options and numbers.
std::wstring CommandLine(const std::vector<std::string>& servingArguments) {
    std::wstring line = L"\"" + ProgramPath() + L"\" --service";
    for (const std::string& argument : servingArguments)
        line += L" " + std::wstring(argument.begin(), argument.end());
    return line;
}

DWORD CurrentState(SC_HANDLE service) {
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(service, &status))
        Fail("QueryServiceStatus");
    return status.dwCurrentState;
}

void StopAndWait(SC_HANDLE service) {
    if (CurrentState(service) == SERVICE_STOPPED)
        return;
    SERVICE_STATUS status{};
    ControlService(service, SERVICE_CONTROL_STOP, &status);
    for (int step = 0; step < kStopWaitSteps && CurrentState(service) != SERVICE_STOPPED; ++step)
        std::this_thread::sleep_for(kStopWaitStep);
}

} // namespace

void InstallDoubleService(const std::vector<std::string>& servingArguments) {
    const TScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE),
                            "OpenSCManagerW");
    const std::wstring commandLine = CommandLine(servingArguments);
    const TScHandle service(
        CreateServiceW(manager.Get(), kDoubleServiceName, kDisplayName, SERVICE_ALL_ACCESS,
                       SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                       commandLine.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr),
        "CreateServiceW");
}

void UninstallDoubleService() {
    const TScHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT), "OpenSCManagerW");
    const TScHandle service(OpenServiceW(manager.Get(), kDoubleServiceName,
                                         SERVICE_STOP | SERVICE_QUERY_STATUS | DELETE),
                            "OpenServiceW");
    StopAndWait(service.Get());
    if (!DeleteService(service.Get()))
        Fail("DeleteService");
}

} // namespace typ::dbl
