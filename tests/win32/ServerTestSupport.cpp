#include "ServerTestSupport.h"

#include "ProcessRunner.h"

#include <gtest/gtest.h>
#include <objbase.h>

namespace typ::win::test {

std::wstring ServerPath() {
    return WinePath(TYP_SERVER_EXE);
}

std::wstring GuidString(REFGUID guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

TStartedProcess::TStartedProcess(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &FInfo))
        ADD_FAILURE() << "cannot start " << commandLine << ": " << GetLastError();
}

TStartedProcess::~TStartedProcess() {
    if (!FInfo.hProcess)
        return;
    if (!EndsWithin(0))
        TerminateProcess(FInfo.hProcess, 99);
    CloseHandle(FInfo.hThread);
    CloseHandle(FInfo.hProcess);
}

bool TStartedProcess::EndsWithin(DWORD timeoutMs) const {
    return FInfo.hProcess && WaitForSingleObject(FInfo.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD RunToEnd(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs) {
    const TStartedProcess process(exe, arguments);
    if (!process.EndsWithin(timeoutMs)) {
        ADD_FAILURE() << "the server did not end";
        return STILL_ACTIVE;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.Handle(), &code);
    return code;
}

std::optional<std::wstring> DefaultValue(HKEY root, const std::wstring& key) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_ANY, &type, value, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::wstring(value);
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

} // namespace typ::win::test
