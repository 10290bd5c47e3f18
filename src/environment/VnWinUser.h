#pragma once

#include "platform/UserSessionFacts.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace typ {

// An unexpected error inside the user and session detection; the message
// names the step it passed through.
class EVnWinUser : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Which account runs the process, which account owns the desktop (the
// interactive user) and whether the process may show and raise windows for
// the person at the screen. Found out once per process from the facts of
// UserSessionFacts() and kept; the reasoning goes to the log as technical
// entries. Account names read domain\user. Safe to call from any thread: the
// first callers wait for one detection.
class TVnWinUser {
public:
    TVnWinUser() = delete;

    // All but RunningAsServer first run the detection if it has not completed.
    static std::u16string CurrentUserName();
    // The current user name after its first "\"; the whole name without one.
    static std::u16string CurrentUserName_Short();
    static std::u16string InteractiveUserName();
    static bool UserInteractive();
    // Empty when the current and the interactive user are the same account.
    static std::u16string DiferentUsersErrorMsg();
    // True in session 0, the services session (also when the session cannot be read).
    static bool RunningAsServer();
    // Empties the names and forgets the detection; done at process end.
    static void Shutdown();

    // The detection's steps. Platform failures give false, empty names or no
    // session; an unexpected error is logged with the step's name and
    // replaced by an EVnWinUser of the step. Lists are lines ended by CR LF.
    static std::u16string Internal_getCurrentUserName();
    static std::u16string Internal_getShellName();
    static std::uint32_t Internal_GetSessionIdfromProccessId();
    static std::optional<std::uint32_t> Internal_getSessionIdfromProccessId(std::uint32_t aPID);
    static std::optional<TAccountName> Internal_getUserAndDomainFromPID(std::uint32_t aPID);
    static bool Internal_isProcessExists(const std::u16string& aExeName);
    static std::u16string Internal_getOwnersFromProcessName(const std::u16string& aExeName);
    static std::u16string Internal_getSessionsIdsFromProcessName(const std::u16string& aExeName);
    static bool Internal_isProcessOwner(const std::u16string& aExeName,
                                        const std::u16string& aUserName);
    static std::u16string Internal_getInteractiveUserName();
    static bool Internal_isRunningAsDiferentUser(const std::u16string& aShellName);
    static bool Internal_isUserInteractive();
};

} // namespace typ
