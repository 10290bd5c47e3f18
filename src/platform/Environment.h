#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace typ {

// The folders the shell keeps per machine and per user.
enum class TShellFolder { CommonAppData, AppData, Personal };

// Kinds of drive, with the platform's values (3 is a fixed disk).
enum class TDriveType : int {
    Unknown = 0,
    NoRootDir = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

// The operating system's own version record.
struct TOsVersionRecord {
    std::uint32_t PlatformId = 0; // 1: the 9x family, 2: the NT family
    std::uint32_t Major = 0;
    std::uint32_t Minor = 0;
    std::u16string ServicePack;
    std::uint8_t ProductType = 0; // 1: workstation, 2: domain controller, 3: server
};

// What the process learns from the system it runs on.
class TEnvironment {
public:
    virtual ~TEnvironment() = default;

    // A variable of the process environment; none when it is not set.
    virtual std::optional<std::u16string> Variable(const std::u16string& name) const = 0;
    // The full path of the running program's file.
    virtual std::u16string ProgramPath() const = 0;
    // A shell folder's setting as stored, variables unexpanded; empty when unset.
    virtual std::u16string ShellFolder(TShellFolder folder) const = 0;
    virtual TDriveType DriveType(const std::u16string& root) const = 0;
    // None when the platform keeps no such record.
    virtual std::optional<TOsVersionRecord> OsVersion() const = 0;
};

// The platform's environment, defined by the platform implementation.
TEnvironment& Environment();

} // namespace typ
