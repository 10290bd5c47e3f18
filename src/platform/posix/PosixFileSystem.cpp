#include "platform/FileSystem.h"
#include "platform/posix/PosixLocalTime.h"
#include "platform/posix/PosixPath.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace typ {
namespace {

using posix::LocalDateTime;
using posix::NativePath;

// Exclusive open has no mandatory form here: every writer of the system takes
// an advisory flock, which keeps the writers of the system apart just the same.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    ~TFileDescriptor() {
        if (FFd >= 0)
            close(FFd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return FFd; }
    bool Valid() const { return FFd >= 0; }
    bool Lock(int operation) const { return flock(FFd, operation | LOCK_NB) == 0; }

private:
    int FFd;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class TPosixExclusiveFile final : public TExclusiveFile {
public:
    explicit TPosixExclusiveFile(int fd) : FFile(fd) {}

    std::optional<std::uint64_t> Size() override {
        struct stat info {};
        if (fstat(FFile.Get(), &info) != 0)
            return std::nullopt;
        return static_cast<std::uint64_t>(info.st_size);
    }

    bool Append(std::string_view bytes) override {
        return lseek(FFile.Get(), 0, SEEK_END) >= 0 && WriteAll(FFile.Get(), bytes);
    }

    bool Truncate(std::uint64_t size) override {
        return ftruncate(FFile.Get(), static_cast<off_t>(size)) == 0;
    }

private:
    TFileDescriptor FFile;
};

bool Failed(std::string* reason, int error) {
    if (reason != nullptr)
        *reason = std::generic_category().message(error);
    return false;
}

// A new file beside the target, named after it; removed on destruction
// unless it has taken the target's place.
class TNewFileBeside {
public:
    explicit TNewFileBeside(const std::string& target) : FFile(Create(target)) {}
    ~TNewFileBeside() {
        if (!FName.empty())
            unlink(FName.c_str());
    }
    TNewFileBeside(const TNewFileBeside&) = delete;
    TNewFileBeside& operator=(const TNewFileBeside&) = delete;

    const TFileDescriptor& File() const { return FFile; }

    // Flushes the content to disk and renames the file to the target.
    bool Replace(const std::string& target) {
        if (fsync(FFile.Get()) != 0 || rename(FName.c_str(), target.c_str()) != 0)
            return false;
        FName.clear();
        return true;
    }

private:
    int Create(const std::string& target) {
        for (unsigned attempt = 0;; ++attempt) {
            FName = target + "." + std::to_string(attempt) + ".tmp";
            const int fd = open(FName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0 || errno != EEXIST) {
                if (fd < 0)
                    FName.clear();
                return fd;
            }
        }
    }

    std::string FName;
    TFileDescriptor FFile;
};

std::optional<struct stat> Stat(const std::u16string& path) {
    struct stat info {};
    if (path.empty() || stat(NativePath(path).c_str(), &info) != 0)
        return std::nullopt;
    return info;
}

std::u16string ParentOf(const std::u16string& path) {
    const auto end = path.find_last_not_of(u'/');
    if (end == std::u16string::npos)
        return {};
    const auto slash = path.find_last_of(u'/', end);
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

class TPosixFileSystem final : public TFileSystem {
public:
    bool FileExists(const std::u16string& path) const override {
        const auto info = Stat(path);
        return info && S_ISREG(info->st_mode);
    }

    bool DirectoryExists(const std::u16string& path) const override {
        const auto info = Stat(path);
        return info && S_ISDIR(info->st_mode);
    }

    std::optional<std::uint64_t> FileSize(const std::u16string& path) const override {
        const auto info = Stat(path);
        if (!info || !S_ISREG(info->st_mode))
            return std::nullopt;
        return static_cast<std::uint64_t>(info->st_size);
    }

    std::optional<TDateTime> LastWriteTime(const std::u16string& path) const override {
        const auto info = Stat(path);
        if (!info || !S_ISREG(info->st_mode))
            return std::nullopt;
        return LocalDateTime(info->st_mtim);
    }

    bool ForceDirectories(const std::u16string& path) const override {
        if (path.empty() || DirectoryExists(path))
            return !path.empty();
        const std::u16string parent = ParentOf(path);
        if (!parent.empty() && !ForceDirectories(parent))
            return false;
        mkdir(NativePath(path).c_str(), 0777);
        return DirectoryExists(path);
    }

    bool RenameFile(const std::u16string& from, const std::u16string& to) const override {
        // A rename must not silently replace a file, as on Windows.
        return !Stat(to) && rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
    }

    bool RemoveFile(const std::u16string& path) const override {
        return FileExists(path) && unlink(NativePath(path).c_str()) == 0;
    }

    std::string ReadWholeFile(const std::u16string& path) const override {
        const TFileDescriptor file(open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
        if (!file.Valid() || !file.Lock(LOCK_SH))
            throw EFileError("No se puede abrir el archivo " + NativePath(path));
        std::string bytes;
        char buffer[65536];
        for (;;) {
            const ssize_t got = read(file.Get(), buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw EFileError("Error al leer el archivo " + NativePath(path));
            if (got == 0)
                return bytes;
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
    }

    bool WriteWholeFile(const std::u16string& path, std::string_view bytes,
                        std::string* reason) const override {
        const std::string target = NativePath(path);
        // The old file is opened as for writing in place, and held until replaced.
        const TFileDescriptor old(open(target.c_str(), O_WRONLY | O_CLOEXEC));
        struct stat info {};
        if (!old.Valid() && errno != ENOENT)
            return Failed(reason, errno);
        if (old.Valid() && (!old.Lock(LOCK_EX) || fstat(old.Get(), &info) != 0))
            return Failed(reason, errno);
        TNewFileBeside replacement(target);
        const int fd = replacement.File().Get();
        if (!replacement.File().Valid() || (old.Valid() && fchmod(fd, info.st_mode & 07777) != 0) ||
            !WriteAll(fd, bytes) || !replacement.Replace(target))
            return Failed(reason, errno);
        return true;
    }

    std::unique_ptr<TExclusiveFile> OpenExclusive(const std::u16string& path) const override {
        const int fd = open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return nullptr;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            close(fd);
            return nullptr;
        }
        return std::make_unique<TPosixExclusiveFile>(fd);
    }

    std::optional<std::string> VersionResource(const std::u16string&) const override {
        return std::nullopt;
    }
};

} // namespace

TFileSystem& SystemFileSystem() {
    static TPosixFileSystem fileSystem;
    return fileSystem;
}

} // namespace typ
