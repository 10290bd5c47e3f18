// The detection's steps over accounts, the shell setting, processes and
// sessions: each reads facts and keeps no state.

#include "charconv/UnicodeBytes.h"
#include "environment/StrUtils.h"
#include "environment/VnWinUser.h"
#include "environment/WinUserStep.h"

#include <algorithm>

namespace typ {
namespace {

using winuser::Fixed;
using winuser::GuardStep;

const std::u16string kExplorer = u"explorer.exe";
const std::u16string kUnknownOwner = u"UnknownDomain\\UnknownUser";

// Executable names compare with only the ASCII letters folded.
char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool SameExeName(std::u16string_view a, std::u16string_view b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

// The part after the last "\" or drive colon: these names are the
// platform's own, whatever system reads them.
std::u16string FileNamePart(std::u16string_view path) {
    const std::size_t delimiter = path.find_last_of(u"\\:");
    return std::u16string(delimiter == std::u16string_view::npos ? path
                                                                 : path.substr(delimiter + 1));
}

bool IsNamed(const TProcessEntry& process, std::u16string_view name) {
    return SameExeName(FileNamePart(process.ExeFile), name) || SameExeName(process.ExeFile, name);
}

std::u16string OwnerLine(const std::optional<TAccountName>& account) {
    if (!account || (IsBlank(account->Domain) && IsBlank(account->User)))
        return kUnknownOwner;
    return account->Domain + u"\\" + account->User;
}

} // namespace

std::u16string TVnWinUser::Internal_getCurrentUserName() {
    return UserSessionFacts().SamCompatibleUserName();
}

std::u16string TVnWinUser::Internal_getShellName() {
    const std::u16string value = UserSessionFacts().ConfiguredShell().value_or(u"");
    const bool explorer = value.empty() || FindText(value, kExplorer) != std::u16string::npos;
    return FileNamePart(explorer ? kExplorer : value);
}

std::uint32_t TVnWinUser::Internal_GetSessionIdfromProccessId() {
    return GuardStep(
        u"Internal_GetSessionIdfromProccessId: ",
        Fixed("error en Internal_GetSessionIdfromProccessId"),
        [] {
            const TUserSessionFacts& facts = UserSessionFacts();
            return facts.ProcessSessionId(facts.CurrentProcessId()).value_or(0u);
        });
}

std::optional<std::uint32_t> TVnWinUser::Internal_getSessionIdfromProccessId(std::uint32_t aPID) {
    return GuardStep(
        u"Internal_getSessionIdfromProccessId: ",
        Fixed("error en Internal_getSessionIdfromProccessId"),
        [aPID] { return UserSessionFacts().ProcessSessionId(aPID); });
}

std::optional<TAccountName> TVnWinUser::Internal_getUserAndDomainFromPID(std::uint32_t aPID) {
    return GuardStep(
        u"Internal_getUserAndDomainFromPID: ", Fixed("error en Internal_getUserAndDomainFromPID"),
        [aPID] { return UserSessionFacts().ProcessAccount(aPID); });
}

bool TVnWinUser::Internal_isProcessExists(const std::u16string& aExeName) {
    return GuardStep(
        u"Internal_isProcessExists: ", Fixed("error en Internal_isProcessExists"),
        [&aExeName] {
            const auto processes = UserSessionFacts().Processes(TSnapshotScope::Processes);
            return std::any_of(
                processes.begin(), processes.end(),
                [&aExeName](const TProcessEntry& process) { return IsNamed(process, aExeName); });
        });
}

// Reads the owner of every process, before its name is compared; that cost
// is one reason the detection runs once per process.
std::u16string TVnWinUser::Internal_getOwnersFromProcessName(const std::u16string& aExeName) {
    const auto raised = [&aExeName](const std::string& message) {
        return "error en Internal_getOwnersFromProcessName('" + EncodeUtf8(aExeName) +
               "'): " + message;
    };
    return GuardStep(u"Internal_getOwnersFromProcessName: ", raised, [&aExeName] {
        std::vector<std::u16string> owners;
        for (const TProcessEntry& process :
             UserSessionFacts().Processes(TSnapshotScope::Everything)) {
            const auto account = Internal_getUserAndDomainFromPID(process.ProcessId);
            if (IsNamed(process, aExeName)) {
                owners.push_back(OwnerLine(account));
            }
        }
        return JoinLines(owners);
    });
}

// A process whose session cannot be read is left out: counting it as some
// session could make the caller's session look like a shell's.
std::u16string TVnWinUser::Internal_getSessionsIdsFromProcessName(const std::u16string& aExeName) {
    return GuardStep(
        u"Internal_getSessionsIdsFromProcessName: ",
        Fixed("error en Internal_getSessionsIdsFromProcessName"),
        [&aExeName] {
            std::vector<std::u16string> sessions;
            for (const TProcessEntry& process :
                 UserSessionFacts().Processes(TSnapshotScope::Everything)) {
                if (!IsNamed(process, aExeName))
                    continue;
                if (const auto session = Internal_getSessionIdfromProccessId(process.ProcessId))
                    sessions.push_back(IntToStr(*session));
            }
            return JoinLines(sessions);
        });
}

bool TVnWinUser::Internal_isProcessOwner(const std::u16string& aExeName,
                                         const std::u16string& aUserName) {
    return GuardStep(
        u"Internal_isProcessOwner: ", Fixed("error en Internal_isProcessOwner"),
        [&aExeName, &aUserName] {
            if (!Internal_isProcessExists(aExeName))
                return false;
            const auto owners = SplitLines(Internal_getOwnersFromProcessName(aExeName));
            return std::find(owners.begin(), owners.end(), aUserName) != owners.end();
        });
}

} // namespace typ
