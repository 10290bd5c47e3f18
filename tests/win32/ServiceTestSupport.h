#pragma once

// The service double as the service manager knows it: the program run with
// arguments, and the installed service's state and controls.

#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

namespace typ::win::test {

inline constexpr wchar_t kDoubleService[] = L"VnSysInfoService";

// Runs the double's program with the arguments and waits up to 20 s; its exit
// code, STILL_ACTIVE when it had to be ended, or -1 when it did not start.
DWORD RunDouble(const std::vector<std::wstring>& arguments);

// A loopback port that was free a moment ago.
std::uint16_t FreePort();

// The installed double; Exists() is false when it is not installed.
class TService {
public:
    TService();
    ~TService();
    TService(const TService&) = delete;
    TService& operator=(const TService&) = delete;

    bool Exists() const { return FService != nullptr; }
    SC_HANDLE Get() const { return FService; }
    DWORD State() const;
    // Waits up to ten seconds for the state.
    bool Reaches(DWORD state) const;
    bool Start() const;
    bool Control(DWORD control) const;

private:
    SC_HANDLE FManager;
    SC_HANDLE FService;
};

} // namespace typ::win::test
