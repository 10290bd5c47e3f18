#include "platform/Environment.h"
#include "platform/posix/PosixPath.h"

#include <climits>
#include <cstdlib>
#include <sys/statfs.h>
#include <unistd.h>

namespace typ {
namespace {

// Magic numbers of the network file systems (NFS, SMB, CIFS, SMB2, AFS, Ceph).
constexpr long kRemoteFileSystems[] = {
    0x6969,     0x517B,    static_cast<long>(0xFF534D42), static_cast<long>(0xFE534D42),
    0x5346414F, 0x00C36400};

std::optional<std::string> NarrowVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

std::string NonEmptyVariable(const char* name, const std::string& fallback) {
    const auto value = NarrowVariable(name);
    return value && !value->empty() ? *value : fallback;
}

std::string HomeFolder() {
    return NonEmptyVariable("HOME", "");
}

// There is no shell-folder registry here. The machine-wide data folder is the
// one named by ProgramData (as on Windows) or else /var/lib; the user's folders
// follow the XDG base directories, else the usual folders of the home.
std::string ShellFolderValue(TShellFolder folder) {
    switch (folder) {
    case TShellFolder::CommonAppData:
        return NonEmptyVariable("ProgramData", "/var/lib");
    case TShellFolder::AppData:
        return NonEmptyVariable("XDG_CONFIG_HOME", HomeFolder() + "/.config");
    case TShellFolder::Personal:
        return NonEmptyVariable("XDG_DOCUMENTS_DIR", HomeFolder() + "/Documents");
    }
    return {};
}

class TPosixEnvironment final : public TEnvironment {
public:
    std::optional<std::u16string> Variable(const std::u16string& name) const override {
        const auto value = NarrowVariable(EncodeUtf8(name).c_str());
        if (!value)
            return std::nullopt;
        return DecodeUtf8(*value);
    }

    std::u16string ProgramPath() const override {
        char buffer[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
        return length > 0 ? DecodeUtf8(std::string_view(buffer, static_cast<std::size_t>(length)))
                          : std::u16string();
    }

    std::u16string ShellFolder(TShellFolder folder) const override {
        return DecodeUtf8(ShellFolderValue(folder));
    }

    // The drive of a path is the file system that holds it; an empty root
    // stands for the root folder.
    TDriveType DriveType(const std::u16string& root) const override {
        struct statfs info {};
        const std::string path = root.empty() ? std::string("/") : posix::NativePath(root);
        if (statfs(path.c_str(), &info) != 0)
            return TDriveType::NoRootDir;
        for (const long remote : kRemoteFileSystems)
            if (static_cast<long>(info.f_type) == remote)
                return TDriveType::Remote;
        return TDriveType::Fixed;
    }

    std::optional<TOsVersionRecord> OsVersion() const override { return std::nullopt; }
};

} // namespace

TEnvironment& Environment() {
    static TPosixEnvironment environment;
    return environment;
}

} // namespace typ
