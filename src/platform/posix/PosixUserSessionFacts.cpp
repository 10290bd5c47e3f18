#include "charconv/UnicodeBytes.h"
#include "platform/UserSessionFacts.h"

#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace typ {
namespace {

// There are no terminal-server sessions, desktop shells or shell settings
// here. Accounts are named after the host, as a local account of a machine
// without domain is; every running process is in the one session 1 (0 would
// mean the services session); the process list comes from /proc, each
// process named as the kernel names it (at most 15 characters).
constexpr std::uint32_t kOnlySession = 1;

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    const std::string host(name);
    return host.substr(0, host.find('.'));
}

std::optional<std::string> AccountOf(uid_t uid) {
    passwd entry{};
    passwd* found = nullptr;
    std::string buffer(16384, '\0');
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return std::nullopt;
    return std::string(found->pw_name);
}

std::string ProcFolder(std::uint32_t processId) {
    return "/proc/" + std::to_string(processId);
}

bool IsProcessId(const std::string& name) {
    if (name.empty() || name.size() > 9)
        return false;
    for (const char c : name)
        if (std::isdigit(static_cast<unsigned char>(c)) == 0)
            return false;
    return true;
}

std::u16string ProcessName(const std::filesystem::path& folder) {
    std::ifstream in(folder / "comm");
    std::string name;
    std::getline(in, name);
    return DecodeUtf8(name);
}

class TPosixUserSessionFacts final : public TUserSessionFacts {
public:
    std::u16string SamCompatibleUserName() const override {
        const auto account = AccountOf(geteuid());
        return account ? DecodeUtf8(HostName() + "\\" + *account) : std::u16string();
    }

    std::optional<std::u16string> ConfiguredShell() const override { return std::nullopt; }

    bool IsRemoteSession() const override { return false; }

    std::uint32_t CurrentProcessId() const override { return static_cast<std::uint32_t>(getpid()); }

    std::optional<std::uint32_t> ProcessSessionId(std::uint32_t processId) const override {
        std::error_code error;
        if (!std::filesystem::is_directory(ProcFolder(processId), error))
            return std::nullopt;
        return kOnlySession;
    }

    std::vector<TProcessEntry> Processes(TSnapshotScope) const override {
        std::vector<TProcessEntry> processes;
        std::error_code error;
        for (std::filesystem::directory_iterator it("/proc", error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (IsProcessId(name)) {
                processes.push_back(TProcessEntry{static_cast<std::uint32_t>(std::stoul(name)),
                                                  ProcessName(it->path())});
            }
        }
        return processes;
    }

    std::optional<TAccountName> ProcessAccount(std::uint32_t processId) const override {
        struct stat info {};
        if (stat(ProcFolder(processId).c_str(), &info) != 0)
            return std::nullopt;
        const auto account = AccountOf(info.st_uid);
        if (!account)
            return std::nullopt;
        return TAccountName{DecodeUtf8(*account), DecodeUtf8(HostName())};
    }
};

} // namespace

TUserSessionFacts& SystemUserSessionFacts() {
    static TPosixUserSessionFacts facts;
    return facts;
}

} // namespace typ
