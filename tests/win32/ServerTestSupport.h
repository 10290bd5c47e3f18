#pragma once

#include <windows.h>
#include <optional>
#include <string>

namespace typ::win::test {

// The built server as a Windows path (the build passes its Unix path).
std::wstring ServerPath();

// The platform's canonical text of a GUID, as the registry holds it.
std::wstring GuidString(REFGUID guid);

// Runs the server with `arguments` and returns its exit code; fails the test
// when it does not end within `timeoutMs`.
DWORD RunToEnd(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs = 20000);

// A started process, killed at the end of the scope if it still runs.
class TStartedProcess {
public:
    TStartedProcess(const std::wstring& exe, const std::wstring& arguments);
    ~TStartedProcess();
    TStartedProcess(const TStartedProcess&) = delete;
    TStartedProcess& operator=(const TStartedProcess&) = delete;

    DWORD Id() const { return FInfo.dwProcessId; }
    HANDLE Handle() const { return FInfo.hProcess; }
    bool EndsWithin(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION FInfo{};
};

std::optional<std::wstring> DefaultValue(HKEY root, const std::wstring& key);
bool KeyExists(HKEY root, const std::wstring& key);

} // namespace typ::win::test
