#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace typ {

// One process of a snapshot: its id and executable name as the platform
// reports it (normally the bare file name, on some systems a whole path).
struct TProcessEntry {
    std::uint32_t ProcessId = 0;
    std::u16string ExeFile;
};

// What a process snapshot holds besides the processes. The process walk is
// the same; a snapshot of everything costs more.
enum class TSnapshotScope { Processes, Everything };

// The account of a process token as the platform names it.
struct TAccountName {
    std::u16string User;
    std::u16string Domain;
};

// The raw facts about users, sessions and processes that the user and
// session detection reasons over. Platform calls that fail never raise here:
// they give an empty name, no value or no processes.
class TUserSessionFacts {
public:
    virtual ~TUserSessionFacts() = default;

    // The calling thread's account as domain\user; empty on failure, also
    // when the name does not fit the 250 characters the platform is asked for.
    virtual std::u16string SamCompatibleUserName() const = 0;
    // The machine's configured shell command; none when it is not set or
    // cannot be read.
    virtual std::optional<std::u16string> ConfiguredShell() const = 0;
    // True when the process runs in a remote (terminal) session.
    virtual bool IsRemoteSession() const = 0;
    virtual std::uint32_t CurrentProcessId() const = 0;
    // The session of a process; none when it cannot be read.
    virtual std::optional<std::uint32_t> ProcessSessionId(std::uint32_t processId) const = 0;
    // The machine's processes; empty when no snapshot can be taken.
    virtual std::vector<TProcessEntry> Processes(TSnapshotScope scope) const = 0;
    // The account that owns the process; none when the process, its token or
    // its account cannot be read.
    virtual std::optional<TAccountName> ProcessAccount(std::uint32_t processId) const = 0;
};

// The operating system's facts, defined by the platform implementation.
TUserSessionFacts& SystemUserSessionFacts();

// The facts the core uses: the system's unless SetUserSessionFacts installed others.
TUserSessionFacts& UserSessionFacts();

// Installs a fact source for the whole process (nullptr restores the
// system's), for runs that need known facts.
void SetUserSessionFacts(TUserSessionFacts* facts);

} // namespace typ
