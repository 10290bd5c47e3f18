#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace typ::dbl {

// What one Set call received: its method (message name), the installation
// number (empty for the platform records) and the key=value lines as sent.
struct TReceivedSet {
    std::string Method;
    std::u16string HLNumber;
    std::u16string SysInfo;
};

// Which group of an installation's record a data option asks for.
inline constexpr std::size_t kClientGroups = 5; // cdoBasic .. cdoExportOptions
inline constexpr std::size_t kServerGroups = 3; // sdoBasic .. sdoDictionaryConnection
inline constexpr std::int32_t kBasicGroup = 0;
inline constexpr std::int32_t kCurrentUserGroup = 3; // cdoCUConfig

// The records the double keeps, its administration flag and its call
// counters. Every operation takes the store's lock, so the serving thread and
// a test may use it at once. Installation numbers compare without regard to
// (ASCII) letter case.
class TDoubleStore {
public:
    // Seeded with two installations (see DoubleSeed.h) and the platform records.
    TDoubleStore();

    bool Knows(std::u16string_view hlNumber) const;
    // The group text, or nothing for an unknown installation or data option.
    std::optional<std::u16string> Client(std::u16string_view hlNumber,
                                         std::int32_t dataOption) const;
    std::optional<std::u16string> Server(std::u16string_view hlNumber,
                                         std::int32_t dataOption) const;
    // Replaces a group's text; an unknown installation is created.
    void PutClient(std::u16string_view hlNumber, std::int32_t dataOption, std::u16string text);
    void PutServer(std::u16string_view hlNumber, std::int32_t dataOption, std::u16string text);
    // Merges key=value lines: a key goes to the group that already holds it,
    // any other into `group`. An unknown installation is created.
    void MergeClient(std::u16string_view hlNumber, std::int32_t group, std::u16string_view changes);
    void MergeServer(std::u16string_view hlNumber, std::u16string_view changes);

    // "<HLNumber>=<SystemVersion>" lines of the installations of a product line
    // (0 or 1), or of both for any other value.
    std::u16string Installations(std::int32_t typeSystem) const;

    std::u16string PlatformServer() const;
    std::u16string PlatformClient() const;
    void MergePlatformServer(std::u16string_view changes);
    void MergePlatformClient(std::u16string_view changes);

    void SetInterrupted(bool interrupted);
    bool Interrupted() const;

    // The user name of the last call that sent one.
    void NoteUserName(std::u16string userName);
    std::u16string LastUserName() const;

    // From now on every call appends "call <method>" and every Set call
    // "set <method><TAB><HLNumber><TAB><lines>" to the file (UTF-8), with
    // backslash, CR, LF and TAB written as \\, \r, \n and \t.
    void SetJournal(std::u16string path);
    // Every Set call in the order received.
    void NoteSet(TReceivedSet received);
    std::vector<TReceivedSet> ReceivedSets() const;

    void CountCall(std::string_view method);
    int Calls(std::string_view method) const;
    int TotalCalls() const;
    // Forgets the call counters and the Set calls received.
    void ResetCalls();

private:
    void Journal(const std::string& line) const;

    struct TInstallation {
        std::u16string Number; // as first stored
        std::int32_t TypeSystem = 0;
        std::array<std::u16string, kClientGroups> Client;
        std::array<std::u16string, kServerGroups> Server;
    };

    TInstallation* Find(std::u16string_view hlNumber);
    const TInstallation* Find(std::u16string_view hlNumber) const;
    TInstallation& FindOrAdd(std::u16string_view hlNumber);

    mutable std::mutex FLock;
    std::map<std::u16string, TInstallation> FInstallations; // by upper-case number
    std::u16string FPlatformServer;
    std::u16string FPlatformClient;
    bool FInterrupted = false;
    std::u16string FLastUserName;
    std::map<std::string, int, std::less<>> FCalls;
    std::vector<TReceivedSet> FReceivedSets;
    std::u16string FJournal;
};

} // namespace typ::dbl
