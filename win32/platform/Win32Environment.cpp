#include "platform/Environment.h"
#include "platform/WideText.h"

#include <windows.h>
#include <algorithm>
#include <vector>

namespace typ {
namespace {

using win::FromWide;
using win::Wide;

const wchar_t kShellFoldersKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

class TRegistryKey {
public:
    TRegistryKey(HKEY root, const wchar_t* path) {
        if (RegOpenKeyExW(root, path, 0, KEY_READ, &FKey) != ERROR_SUCCESS)
            FKey = nullptr;
    }
    ~TRegistryKey() {
        if (FKey != nullptr)
            RegCloseKey(FKey);
    }
    TRegistryKey(const TRegistryKey&) = delete;
    TRegistryKey& operator=(const TRegistryKey&) = delete;

    // A string value as stored (an expandable string stays unexpanded);
    // empty when the key or the value is missing or holds no string.
    std::u16string String(const wchar_t* name) const {
        DWORD type = 0;
        DWORD size = 0;
        if (FKey == nullptr ||
            RegQueryValueExW(FKey, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return {};
        std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(FKey, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                             &size) != ERROR_SUCCESS)
            return {};
        return FromWide(data.data());
    }

private:
    HKEY FKey = nullptr;
};

class TWin32Environment final : public TEnvironment {
public:
    std::optional<std::u16string> Variable(const std::u16string& name) const override {
        const DWORD size = GetEnvironmentVariableW(Wide(name), nullptr, 0);
        if (size == 0)
            return std::nullopt;
        std::vector<wchar_t> value(size, L'\0');
        const DWORD length = GetEnvironmentVariableW(Wide(name), value.data(), size);
        return FromWide(value.data(), std::min<std::size_t>(length, size));
    }

    std::u16string ProgramPath() const override {
        std::vector<wchar_t> path(MAX_PATH, L'\0');
        for (;;) {
            const DWORD length =
                GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (length < path.size())
                return FromWide(path.data(), length);
            path.resize(path.size() * 2);
        }
    }

    std::u16string ShellFolder(TShellFolder folder) const override {
        switch (folder) {
        case TShellFolder::CommonAppData:
            return TRegistryKey(HKEY_LOCAL_MACHINE, kShellFoldersKey).String(L"Common AppData");
        case TShellFolder::AppData:
            return TRegistryKey(HKEY_CURRENT_USER, kShellFoldersKey).String(L"AppData");
        case TShellFolder::Personal:
            return TRegistryKey(HKEY_CURRENT_USER, kShellFoldersKey).String(L"Personal");
        }
        return {};
    }

    TDriveType DriveType(const std::u16string& root) const override {
        return static_cast<TDriveType>(GetDriveTypeW(Wide(root)));
    }

    std::optional<TOsVersionRecord> OsVersion() const override {
        OSVERSIONINFOEXW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info)))
            return std::nullopt;
        return TOsVersionRecord{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                                FromWide(info.szCSDVersion), info.wProductType};
    }
};

} // namespace

TEnvironment& Environment() {
    static TWin32Environment environment;
    return environment;
}

} // namespace typ
