#include "TemplateFile.h"

#include "HostError.h"
#include "SystemMessage.h"
#include "charconv/UnicodeBytes.h"
#include "platform/FileSystem.h"

#include <windows.h>
#include <memory>

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
                   const std::wstring& reason) {
    return EHostError(code, what + L": " + path + L" (" + reason + L")");
}

EHostError ReadFailure(const std::wstring& path) {
    return Failure(TExitCode::ReadFailed, L"No se puede leer el archivo", path,
                   SystemMessage(GetLastError()));
}

} // namespace

std::string ReadTemplateBytes(const std::wstring& path) {
    const TFileHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size))
        throw ReadFailure(path);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size())
        throw ReadFailure(path);
    return bytes;
}

void ReplaceTemplateBytes(const std::wstring& path, const std::string& bytes) {
    std::string reason;
    if (!FileSystem().WriteWholeFile(std::u16string(path.begin(), path.end()), bytes, &reason)) {
        const std::u16string text = DecodeUtf8(reason);
        throw Failure(TExitCode::WriteFailed,
                      L"No se pudo guardar la plantilla; el archivo queda como estaba", path,
                      std::wstring(text.begin(), text.end()));
    }
}

} // namespace typ::win
