#include "TemplateFile.h"

#include "HostError.h"
#include "SystemMessage.h"

#include <memory>
#include <windows.h>

namespace typ::win {
namespace {

struct THandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using TFileHandle = std::unique_ptr<void, THandleCloser>;

TFileHandle OpenFile(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    return TFileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

EHostError Failure(TExitCode code, const std::wstring& what, const std::wstring& path,
                   DWORD error) {
    return EHostError(code, what + L": " + path + L" (" + SystemMessage(error) + L")");
}

EHostError ReadFailure(const std::wstring& path) {
    return Failure(TExitCode::ReadFailed, L"No se puede leer el archivo", path, GetLastError());
}

EHostError WriteFailure(const std::wstring& path, DWORD error) {
    return Failure(TExitCode::WriteFailed,
                   L"No se pudo guardar la plantilla; el archivo queda como estaba", path, error);
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file);
}

} // namespace

std::string ReadTemplateBytes(const std::wstring& path) {
    const TFileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) {
        throw ReadFailure(path);
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size()) {
        throw ReadFailure(path);
    }
    return bytes;
}

void ReplaceTemplateBytes(const std::wstring& path, const std::string& bytes) {
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"typ", 0, temporary)) {
        throw WriteFailure(path, GetLastError());
    }
    bool written = false;
    {
        const TFileHandle file = OpenFile(temporary, GENERIC_WRITE, TRUNCATE_EXISTING);
        written = file && WriteAll(file.get(), bytes);
    }
    if (!written ||
        !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary);
        throw WriteFailure(path, error);
    }
}

} // namespace typ::win
