#include "application/Win32Application.h"

#include <windows.h>
#include <vector>

namespace typ::win {
namespace {

BOOL CALLBACK CollectOwnWindow(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// The visible top-level windows of this process, in z-order.
std::vector<HWND> ApplicationWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectOwnWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void ShowAll(int command) {
    for (HWND window : ApplicationWindows())
        ShowWindow(window, command);
}

} // namespace

TWin32ApplicationWindows::TWin32ApplicationWindows() {
    TVnApplication::SetWindows(this);
}

TWin32ApplicationWindows::~TWin32ApplicationWindows() {
    TVnApplication::SetWindows(nullptr);
}

void TWin32ApplicationWindows::BringToFront(std::uintptr_t Handle) {
    const std::vector<HWND> windows = ApplicationWindows();
    // Bottom first, so that the order among the process's windows is kept.
    for (auto window = windows.rbegin(); window != windows.rend(); ++window)
        SetWindowPos(*window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const HWND window = reinterpret_cast<HWND>(Handle);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetActiveWindow(window);
    SetFocus(window);
    SetForegroundWindow(window);
}

void TWin32ApplicationWindows::Minimize() {
    ShowAll(SW_MINIMIZE);
}

void TWin32ApplicationWindows::Restore() {
    ShowAll(SW_RESTORE);
}

bool IsTerminalServer() {
    return GetSystemMetrics(SM_REMOTESESSION) != 0;
}

TWow64Answer ReadWow64Answer() {
    using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
    const HMODULE kernel = GetModuleHandleW(L"kernel32");
    const auto function =
        kernel == nullptr ? nullptr
                          : reinterpret_cast<TIsWow64Process>(
                                reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    TWow64Answer answer;
    answer.FunctionFound = function != nullptr;
    BOOL wow64 = FALSE;
    answer.CallSucceeded = answer.FunctionFound && function(GetCurrentProcess(), &wow64) != 0;
    answer.Wow64 = wow64 != FALSE;
    return answer;
}

} // namespace typ::win
