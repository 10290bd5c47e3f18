#include "server/RegistryKeys.h"

#include "server/ServerError.h"

namespace typ::win {

namespace {

void Check(LSTATUS status) {
    if (status != ERROR_SUCCESS)
        throw EPlatformError(HRESULT_FROM_WIN32(static_cast<DWORD>(status)),
                             "No se pudo escribir en el registro.");
}

} // namespace

void WriteDefaultValue(HKEY root, const std::wstring& key, const std::wstring& value) {
    HKEY handle = nullptr;
    Check(RegCreateKeyExW(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                          nullptr, &handle, nullptr));
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LSTATUS status = RegSetValueExW(handle, nullptr, 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(handle);
    Check(status);
}

void DeleteKey(HKEY root, const std::wstring& key) {
    RegDeleteKeyW(root, key.c_str());
}

} // namespace typ::win
