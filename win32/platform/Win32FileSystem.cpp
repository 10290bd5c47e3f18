#include "charconv/UnicodeBytes.h"
#include "platform/FileSystem.h"
#include "platform/WideText.h"

#include <windows.h>
#include <algorithm>
#include <string>

namespace typ {
namespace {

using win::FromWide;
using win::Wide;

class TFileHandle {
public:
    explicit TFileHandle(HANDLE handle) : FHandle(handle) {}
    ~TFileHandle() {
        if (Valid())
            CloseHandle(FHandle);
    }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;

    HANDLE Get() const { return FHandle; }
    bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }

private:
    HANDLE FHandle;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

class TWin32ExclusiveFile final : public TExclusiveFile {
public:
    explicit TWin32ExclusiveFile(HANDLE handle) : FFile(handle) {}

    std::optional<std::uint64_t> Size() override {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(FFile.Get(), &size))
            return std::nullopt;
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    bool Append(std::string_view bytes) override {
        return SetFilePointer(FFile.Get(), 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
               WriteAll(FFile.Get(), bytes);
    }

    bool Truncate(std::uint64_t size) override {
        LARGE_INTEGER position{};
        position.QuadPart = static_cast<LONGLONG>(size);
        return SetFilePointerEx(FFile.Get(), position, nullptr, FILE_BEGIN) &&
               SetEndOfFile(FFile.Get());
    }

private:
    TFileHandle FFile;
};

bool Failed(std::string* reason, DWORD error) {
    if (reason == nullptr)
        return false;
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text = buffer != nullptr ? FromWide(buffer, length) : std::u16string();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r'))
        text.pop_back();
    *reason = EncodeUtf8(text);
    return false;
}

// The error of the call that just failed; a failure the system gave no
// reason for still counts as one.
DWORD LastError() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
}

// The old file opens as for writing in place: it is not read-only, nor held
// by another. A missing file passes.
DWORD CheckReplaceable(const std::u16string& path) {
    const TFileHandle old(CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = old.Valid() ? ERROR_SUCCESS : LastError();
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

// A new file beside the target, named after it; `name` is set to its name.
HANDLE CreateBeside(const std::u16string& path, std::u16string& name) {
    for (unsigned attempt = 0;; ++attempt) {
        name = path + u"." + DecodeUtf8(std::to_string(attempt)) + u".tmp";
        HANDLE handle = CreateFileW(Wide(name), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return handle;
    }
}

// Writes and flushes the new file; the Windows error, or ERROR_SUCCESS.
DWORD WriteNewFile(const std::u16string& path, std::string_view bytes, std::u16string& name) {
    const TFileHandle file(CreateBeside(path, name));
    if (!file.Valid()) {
        name.clear();
        return LastError();
    }
    return WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get()) ? ERROR_SUCCESS
                                                                       : LastError();
}

std::optional<WIN32_FILE_ATTRIBUTE_DATA> Attributes(const std::u16string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data))
        return std::nullopt;
    return data;
}

bool IsDirectory(const WIN32_FILE_ATTRIBUTE_DATA& data) {
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<WIN32_FILE_ATTRIBUTE_DATA> FileAttributes(const std::u16string& path) {
    auto data = Attributes(path);
    if (data && IsDirectory(*data))
        return std::nullopt;
    return data;
}

std::u16string ParentOf(const std::u16string& path) {
    const auto end = path.find_last_not_of(u"\\/");
    if (end == std::u16string::npos)
        return {};
    const auto slash = path.find_last_of(u"\\/", end);
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

bool IsDriveRoot(const std::u16string& path) {
    return path.size() <= 3 && path.size() >= 2 && path[1] == u':';
}

class TWin32FileSystem final : public TFileSystem {
public:
    bool FileExists(const std::u16string& path) const override {
        return FileAttributes(path).has_value();
    }

    bool DirectoryExists(const std::u16string& path) const override {
        const auto data = Attributes(path);
        return data && IsDirectory(*data);
    }

    std::optional<std::uint64_t> FileSize(const std::u16string& path) const override {
        const auto data = FileAttributes(path);
        if (!data)
            return std::nullopt;
        return (static_cast<std::uint64_t>(data->nFileSizeHigh) << 32) | data->nFileSizeLow;
    }

    std::optional<TDateTime> LastWriteTime(const std::u16string& path) const override {
        const auto data = FileAttributes(path);
        FILETIME local{};
        SYSTEMTIME time{};
        if (!data || !FileTimeToLocalFileTime(&data->ftLastWriteTime, &local) ||
            !FileTimeToSystemTime(&local, &time))
            return std::nullopt;
        return TDateTime{time.wYear,   time.wMonth,  time.wDay,         time.wHour,
                         time.wMinute, time.wSecond, time.wMilliseconds};
    }

    bool ForceDirectories(const std::u16string& path) const override {
        if (path.empty() || DirectoryExists(path))
            return !path.empty();
        const std::u16string parent = ParentOf(path);
        if (!parent.empty() && !IsDriveRoot(parent) && !ForceDirectories(parent))
            return false;
        CreateDirectoryW(Wide(path), nullptr);
        return DirectoryExists(path);
    }

    bool RenameFile(const std::u16string& from, const std::u16string& to) const override {
        return MoveFileW(Wide(from), Wide(to)) != 0;
    }

    bool RemoveFile(const std::u16string& path) const override {
        return DeleteFileW(Wide(path)) != 0;
    }

    std::string ReadWholeFile(const std::u16string& path) const override {
        const TFileHandle file(CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid())
            throw EFileError("No se puede abrir el archivo");
        std::string bytes;
        char buffer[65536];
        DWORD got = 0;
        while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) {
            if (got == 0)
                return bytes;
            bytes.append(buffer, got);
        }
        throw EFileError("Error al leer el archivo");
    }

    // A rename within the folder that replaces the target: the file exists
    // throughout, with the old content or the new.
    bool WriteWholeFile(const std::u16string& path, std::string_view bytes,
                        std::string* reason) const override {
        DWORD error = CheckReplaceable(path);
        if (error != ERROR_SUCCESS)
            return Failed(reason, error);
        std::u16string temporary;
        error = WriteNewFile(path, bytes, temporary);
        if (error == ERROR_SUCCESS &&
            !MoveFileExW(Wide(temporary), Wide(path),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            error = LastError();
        if (error != ERROR_SUCCESS) {
            if (!temporary.empty())
                DeleteFileW(Wide(temporary));
            return Failed(reason, error);
        }
        return true;
    }

    std::unique_ptr<TExclusiveFile> OpenExclusive(const std::u16string& path) const override {
        HANDLE handle = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::make_unique<TWin32ExclusiveFile>(handle);
    }

    std::optional<std::string> VersionResource(const std::u16string& path) const override {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(Wide(path), &handle);
        if (size == 0)
            return std::nullopt;
        std::string block(size, '\0');
        if (!GetFileVersionInfoW(Wide(path), handle, size, block.data()))
            return std::nullopt;
        return block;
    }
};

} // namespace

TFileSystem& SystemFileSystem() {
    static TWin32FileSystem fileSystem;
    return fileSystem;
}

} // namespace typ
