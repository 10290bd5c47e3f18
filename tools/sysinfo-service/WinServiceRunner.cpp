#include "WinDoubleService.h"
#include "charconv/UnicodeBytes.h"

#include <windows.h>
#include <atomic>
#include <memory>
#include <mutex>

namespace typ::dbl {
namespace {

constexpr DWORD kPendingHint = 5000;

// What the service's callbacks share: they run on the dispatcher's thread and
// on the service's own, so the double is reached under the lock.
struct TServiceRun {
    TDoubleOptions Options;
    SERVICE_STATUS_HANDLE Handle = nullptr;
    HANDLE StopEvent = nullptr;
    std::mutex Lock;
    std::unique_ptr<TSysInfoDouble> Double;
    std::atomic<DWORD> State{SERVICE_STOPPED};
};

TServiceRun& Run() {
    static TServiceRun run;
    return run;
}

void Report(DWORD state, DWORD exitCode = NO_ERROR) {
    TServiceRun& run = Run();
    run.State = state;
    SERVICE_STATUS status{};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    const bool settled = state == SERVICE_RUNNING || state == SERVICE_PAUSED;
    status.dwControlsAccepted = settled ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE : 0;
    status.dwWin32ExitCode = exitCode;
    status.dwWaitHint = settled || state == SERVICE_STOPPED ? 0 : kPendingHint;
    SetServiceStatus(run.Handle, &status);
}

void SetPaused(bool paused) {
    TServiceRun& run = Run();
    const std::lock_guard lock(run.Lock);
    if (run.Double)
        run.Double->SetPaused(paused);
    Report(paused ? SERVICE_PAUSED : SERVICE_RUNNING);
}

DWORD WINAPI Control(DWORD control, DWORD, LPVOID, LPVOID) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        Report(SERVICE_STOP_PENDING);
        SetEvent(Run().StopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_PAUSE:
        SetPaused(true);
        return NO_ERROR;
    case SERVICE_CONTROL_CONTINUE:
        SetPaused(false);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        Report(Run().State.load());
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

// False when the port cannot be taken.
bool StartServing(TServiceRun& run) {
    const std::lock_guard lock(run.Lock);
    try {
        run.Double = std::make_unique<TSysInfoDouble>(run.Options.Port);
    } catch (const std::exception&) {
        return false;
    }
    run.Double->SetDelay(run.Options.Delay);
    run.Double->SetMisbehaviour(run.Options.Misbehaviour);
    run.Double->Store().SetJournal(DecodeUtf8(run.Options.Journal));
    return true;
}

void StopServing(TServiceRun& run) {
    const std::lock_guard lock(run.Lock);
    run.Double.reset();
}

void WINAPI ServiceMain(DWORD, LPWSTR*) {
    TServiceRun& run = Run();
    run.Handle = RegisterServiceCtrlHandlerExW(kDoubleServiceName, Control, nullptr);
    if (!run.Handle)
        return;
    Report(SERVICE_START_PENDING);
    Sleep(static_cast<DWORD>(run.Options.StartDelay.count()));
    if (!StartServing(run)) {
        Report(SERVICE_STOPPED, ERROR_ADDRESS_ALREADY_ASSOCIATED);
        return;
    }
    Report(SERVICE_RUNNING);
    WaitForSingleObject(run.StopEvent, INFINITE);
    StopServing(run);
    Report(SERVICE_STOPPED);
}

} // namespace

bool RunDoubleService(const TDoubleOptions& options) {
    TServiceRun& run = Run();
    run.Options = options;
    run.StopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    wchar_t name[] = L"VnSysInfoService";
    const SERVICE_TABLE_ENTRYW table[] = {{name, ServiceMain}, {nullptr, nullptr}};
    const bool dispatched = StartServiceCtrlDispatcherW(table) != FALSE;
    CloseHandle(run.StopEvent);
    return dispatched;
}

} // namespace typ::dbl
