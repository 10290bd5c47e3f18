#include "server/ModuleFile.h"

#include "server/ServerError.h"

#include <windows.h>

namespace typ::win {

namespace {

[[noreturn]] void ThrowLastError(const char* what) {
    throw EPlatformError(HRESULT_FROM_WIN32(GetLastError()), what);
}

template <typename Convert>
std::wstring ConvertedPath(const std::wstring& path, Convert convert, const char* what) {
    const DWORD size = convert(path.c_str(), nullptr, 0);
    if (size == 0)
        ThrowLastError(what);
    std::wstring converted(size, L'\0');
    const DWORD length = convert(path.c_str(), converted.data(), size);
    if (length == 0 || length >= size)
        ThrowLastError(what);
    converted.resize(length);
    return converted;
}

} // namespace

std::wstring ModuleFileName() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            ThrowLastError("No se pudo obtener el nombre del ejecutable.");
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

std::wstring LongPathOf(const std::wstring& path) {
    return ConvertedPath(path, GetLongPathNameW,
                         "No se pudo obtener el nombre largo del ejecutable.");
}

std::wstring ShortPathOf(const std::wstring& path) {
    return ConvertedPath(path, GetShortPathNameW,
                         "No se pudo obtener el nombre corto del ejecutable.");
}

std::wstring DirectoryOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace typ::win
