#include "PictureFile.h"

#include "HostError.h"
#include "SystemMessage.h"

#include <windows.h>

namespace typ::win {

void WritePictureFile(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool done =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    const DWORD error = GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!done) {
        if (file != INVALID_HANDLE_VALUE)
            DeleteFileW(path.c_str());
        throw EHostError(TExitCode::WriteFailed, L"No se pudo guardar la imagen: " + path + L" (" +
                                                     SystemMessage(error) + L")");
    }
}

} // namespace typ::win
