#define SECURITY_WIN32

#include "platform/UserSessionFacts.h"
#include "platform/WideText.h"

#include <windows.h>
#include <memory>
// These need the types of windows.h.
#include <security.h>
#include <tlhelp32.h>

namespace typ {
namespace {

using win::FromWide;

// The buffer the account name is asked into, terminating zero included.
constexpr ULONG kUserNameBuffer = 250;

const wchar_t kWinLogonKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\WinLogon";

struct THandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using THandle = std::unique_ptr<void, THandleCloser>;

struct TKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using TKey = std::unique_ptr<std::remove_pointer_t<HKEY>, TKeyCloser>;

std::u16string FromAnsi(const char* text, int length) {
    if (length <= 0)
        return {};
    const int wide = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, result.data(), wide);
    return FromWide(result.data(), result.size());
}

// The setting is read, never written, so reading rights are all it needs;
// the 64-bit view is the one the system itself uses.
std::optional<std::u16string> StringValue(HKEY root, const wchar_t* path, const wchar_t* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    const TKey key(opened);
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD size = 0;
    if (RegGetValueW(key.get(), nullptr, name, flags, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(key.get(), nullptr, name, flags, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return FromWide(value.c_str());
}

std::vector<BYTE> TokenUserRecord(HANDLE token) {
    DWORD size = 0;
    std::vector<BYTE> buffer;
    while (!GetTokenInformation(token, TokenUser, buffer.data(), static_cast<DWORD>(buffer.size()),
                                &size)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer.size())
            return {};
        buffer.resize(size);
    }
    return buffer;
}

std::optional<TAccountName> AccountOfSid(PSID sid) {
    DWORD userLength = 0;
    DWORD domainLength = 0;
    SID_NAME_USE use{};
    LookupAccountSidW(nullptr, sid, nullptr, &userLength, nullptr, &domainLength, &use);
    if (userLength == 0 || domainLength == 0)
        return std::nullopt;
    std::wstring user(userLength, L'\0');
    std::wstring domain(domainLength, L'\0');
    if (!LookupAccountSidW(nullptr, sid, user.data(), &userLength, domain.data(), &domainLength,
                           &use))
        return std::nullopt;
    return TAccountName{FromWide(user.c_str()), FromWide(domain.c_str())};
}

class TWin32UserSessionFacts final : public TUserSessionFacts {
public:
    std::u16string SamCompatibleUserName() const override {
        char name[kUserNameBuffer];
        ULONG length = kUserNameBuffer;
        if (!GetUserNameExA(NameSamCompatible, name, &length))
            return {};
        return FromAnsi(name, static_cast<int>(length));
    }

    std::optional<std::u16string> ConfiguredShell() const override {
        return StringValue(HKEY_LOCAL_MACHINE, kWinLogonKey, L"Shell");
    }

    bool IsRemoteSession() const override { return GetSystemMetrics(SM_REMOTESESSION) != 0; }

    std::uint32_t CurrentProcessId() const override { return GetCurrentProcessId(); }

    std::optional<std::uint32_t> ProcessSessionId(std::uint32_t processId) const override {
        DWORD session = 0;
        if (!ProcessIdToSessionId(processId, &session))
            return std::nullopt;
        return session;
    }

    std::vector<TProcessEntry> Processes(TSnapshotScope scope) const override {
        const DWORD what = scope == TSnapshotScope::Processes ? TH32CS_SNAPPROCESS : TH32CS_SNAPALL;
        const HANDLE taken = CreateToolhelp32Snapshot(what, 0);
        if (taken == INVALID_HANDLE_VALUE)
            return {};
        const THandle snapshot(taken);
        std::vector<TProcessEntry> processes;
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(taken, &entry); more; more = Process32NextW(taken, &entry))
            processes.push_back(TProcessEntry{entry.th32ProcessID, FromWide(entry.szExeFile)});
        return processes;
    }

    std::optional<TAccountName> ProcessAccount(std::uint32_t processId) const override {
        const THandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
        HANDLE opened = nullptr;
        if (!process || !OpenProcessToken(process.get(), TOKEN_QUERY, &opened))
            return std::nullopt;
        const THandle token(opened);
        const std::vector<BYTE> user = TokenUserRecord(token.get());
        if (user.empty())
            return std::nullopt;
        return AccountOfSid(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid);
    }
};

} // namespace

TUserSessionFacts& SystemUserSessionFacts() {
    static TWin32UserSessionFacts facts;
    return facts;
}

} // namespace typ
