#include "DoubleStore.h"

#include "DoubleSeed.h"
#include "RecordText.h"
#include "charconv/UnicodeBytes.h"

#include <filesystem>
#include <fstream>

namespace typ::dbl {
namespace {

constexpr std::int32_t kZorval = 1;

template <std::size_t N>
std::optional<std::u16string> Group(const std::array<std::u16string, N>& groups,
                                    std::int32_t option) {
    if (option < 0 || static_cast<std::size_t>(option) >= N)
        return std::nullopt;
    return groups[static_cast<std::size_t>(option)];
}

template <std::size_t N>
std::u16string& GroupAt(std::array<std::u16string, N>& groups, std::int32_t option) {
    return groups.at(static_cast<std::size_t>(option));
}

// Each changed line goes to the group that holds its key, else to `fallback`.
template <std::size_t N>
void MergeIntoGroups(std::array<std::u16string, N>& groups, std::size_t fallback,
                     std::u16string_view changes) {
    while (!changes.empty()) {
        const std::u16string_view line = NextRecordLine(changes);
        const std::u16string_view key = RecordLineKey(line);
        std::size_t target = fallback;
        for (std::size_t i = 0; i < N; ++i)
            if (!key.empty() && HasRecordKey(groups[i], key))
                target = i;
        groups[target] = MergeRecordLines(groups[target], line);
    }
}

std::string Escaped(std::u16string_view text) {
    std::string escaped;
    for (const char c : EncodeUtf8(text)) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

TDoubleStore::TDoubleStore() {
    TInstallation& orvik = FindOrAdd(kDoubleHLNumber);
    for (std::size_t i = 0; i < kClientGroups; ++i)
        orvik.Client[i] = kSeedClient[i];
    for (std::size_t i = 0; i < kServerGroups; ++i)
        orvik.Server[i] = kSeedServer[i];
    TInstallation& zorval = FindOrAdd(kDoubleZorvalHLNumber);
    zorval.TypeSystem = kZorval;
    zorval.Client[0] = kSeedZorvalClient;
    FPlatformServer = kSeedPlatformServer;
    FPlatformClient = kSeedPlatformClient;
}

TDoubleStore::TInstallation* TDoubleStore::Find(std::u16string_view hlNumber) {
    const auto found = FInstallations.find(UpperAscii(hlNumber));
    return found == FInstallations.end() ? nullptr : &found->second;
}

const TDoubleStore::TInstallation* TDoubleStore::Find(std::u16string_view hlNumber) const {
    const auto found = FInstallations.find(UpperAscii(hlNumber));
    return found == FInstallations.end() ? nullptr : &found->second;
}

TDoubleStore::TInstallation& TDoubleStore::FindOrAdd(std::u16string_view hlNumber) {
    TInstallation& installation = FInstallations[UpperAscii(hlNumber)];
    if (installation.Number.empty())
        installation.Number = hlNumber;
    return installation;
}

bool TDoubleStore::Knows(std::u16string_view hlNumber) const {
    const std::lock_guard lock(FLock);
    return Find(hlNumber) != nullptr;
}

std::optional<std::u16string> TDoubleStore::Client(std::u16string_view hlNumber,
                                                   std::int32_t dataOption) const {
    const std::lock_guard lock(FLock);
    const TInstallation* installation = Find(hlNumber);
    return installation ? Group(installation->Client, dataOption) : std::nullopt;
}

std::optional<std::u16string> TDoubleStore::Server(std::u16string_view hlNumber,
                                                   std::int32_t dataOption) const {
    const std::lock_guard lock(FLock);
    const TInstallation* installation = Find(hlNumber);
    return installation ? Group(installation->Server, dataOption) : std::nullopt;
}

void TDoubleStore::PutClient(std::u16string_view hlNumber, std::int32_t dataOption,
                             std::u16string text) {
    const std::lock_guard lock(FLock);
    GroupAt(FindOrAdd(hlNumber).Client, dataOption) = std::move(text);
}

void TDoubleStore::PutServer(std::u16string_view hlNumber, std::int32_t dataOption,
                             std::u16string text) {
    const std::lock_guard lock(FLock);
    GroupAt(FindOrAdd(hlNumber).Server, dataOption) = std::move(text);
}

void TDoubleStore::MergeClient(std::u16string_view hlNumber, std::int32_t group,
                               std::u16string_view changes) {
    const std::lock_guard lock(FLock);
    MergeIntoGroups(FindOrAdd(hlNumber).Client, static_cast<std::size_t>(group), changes);
}

void TDoubleStore::MergeServer(std::u16string_view hlNumber, std::u16string_view changes) {
    const std::lock_guard lock(FLock);
    MergeIntoGroups(FindOrAdd(hlNumber).Server, kBasicGroup, changes);
}

std::u16string TDoubleStore::Installations(std::int32_t typeSystem) const {
    const std::lock_guard lock(FLock);
    const bool both = typeSystem != 0 && typeSystem != kZorval;
    std::u16string text;
    for (const auto& [key, installation] : FInstallations) {
        if (!both && installation.TypeSystem != typeSystem)
            continue;
        if (!text.empty())
            text += u"\r\n";
        text += installation.Number + u"=" + RecordValue(installation.Client[0], u"SystemVersion");
    }
    return text;
}

std::u16string TDoubleStore::PlatformServer() const {
    const std::lock_guard lock(FLock);
    return FPlatformServer;
}

std::u16string TDoubleStore::PlatformClient() const {
    const std::lock_guard lock(FLock);
    return FPlatformClient;
}

void TDoubleStore::MergePlatformServer(std::u16string_view changes) {
    const std::lock_guard lock(FLock);
    FPlatformServer = MergeRecordLines(FPlatformServer, changes);
}

void TDoubleStore::MergePlatformClient(std::u16string_view changes) {
    const std::lock_guard lock(FLock);
    FPlatformClient = MergeRecordLines(FPlatformClient, changes);
}

void TDoubleStore::SetInterrupted(bool interrupted) {
    const std::lock_guard lock(FLock);
    FInterrupted = interrupted;
}

bool TDoubleStore::Interrupted() const {
    const std::lock_guard lock(FLock);
    return FInterrupted;
}

void TDoubleStore::NoteUserName(std::u16string userName) {
    const std::lock_guard lock(FLock);
    FLastUserName = std::move(userName);
}

std::u16string TDoubleStore::LastUserName() const {
    const std::lock_guard lock(FLock);
    return FLastUserName;
}

void TDoubleStore::SetJournal(std::u16string path) {
    const std::lock_guard lock(FLock);
    FJournal = std::move(path);
}

// Under the store's lock.
void TDoubleStore::Journal(const std::string& line) const {
    if (FJournal.empty())
        return;
    std::ofstream out(std::filesystem::path(FJournal), std::ios::binary | std::ios::app);
    out << line << '\n';
}

void TDoubleStore::CountCall(std::string_view method) {
    const std::lock_guard lock(FLock);
    Journal("call " + std::string(method));
    const auto found = FCalls.find(method);
    if (found == FCalls.end())
        FCalls.emplace(std::string(method), 1);
    else
        ++found->second;
}

int TDoubleStore::Calls(std::string_view method) const {
    const std::lock_guard lock(FLock);
    const auto found = FCalls.find(method);
    return found == FCalls.end() ? 0 : found->second;
}

int TDoubleStore::TotalCalls() const {
    const std::lock_guard lock(FLock);
    int total = 0;
    for (const auto& entry : FCalls)
        total += entry.second;
    return total;
}

void TDoubleStore::ResetCalls() {
    const std::lock_guard lock(FLock);
    FCalls.clear();
    FReceivedSets.clear();
}

void TDoubleStore::NoteSet(TReceivedSet received) {
    const std::lock_guard lock(FLock);
    Journal("set " + received.Method + "\t" + Escaped(received.HLNumber) + "\t" +
            Escaped(received.SysInfo));
    FReceivedSets.push_back(std::move(received));
}

std::vector<TReceivedSet> TDoubleStore::ReceivedSets() const {
    const std::lock_guard lock(FLock);
    return FReceivedSets;
}

} // namespace typ::dbl
