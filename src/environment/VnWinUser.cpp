// The detection itself and the process-wide result it keeps.

#include "environment/VnWinUser.h"

#include "environment/StrUtils.h"
#include "environment/WinUserStep.h"

#include <algorithm>
#include <mutex>

namespace typ {
namespace {

using winuser::Fixed;
using winuser::GuardStep;
using winuser::LogTech;

const std::u16string kRemoteAppShell = u"rdpshell.exe";
const std::u16string kWinLogon = u"winlogon.exe";

// One lock for all of it: the first callers wait for one detection, and the
// detection reads the names it is storing (so the lock is recursive).
struct TWinUserState {
    std::recursive_mutex Mutex;
    bool DetectionDone = false;
    bool Interactive = false;
    std::u16string CurrentUserName;
    std::u16string InteractiveUserName;
    std::u16string ShellName;
};

TWinUserState& State() {
    static TWinUserState state;
    return state;
}

using TLock = std::lock_guard<std::recursive_mutex>;

// A computer account (DOMINIO\EQUIPO$, under which system services run) ends
// with its only "$"; an unknown (empty) name counts as one too.
bool IsMachineAccount(const std::u16string& userName) {
    const std::size_t dollar = userName.find(u'$');
    return userName.empty() || dollar == userName.size() - 1;
}

bool RemoteDecision(TWinUserState& state) {
    if (TVnWinUser::Internal_isProcessOwner(kRemoteAppShell, state.CurrentUserName)) {
        LogTech(u"//Is remote application");
        state.ShellName = kRemoteAppShell;
        return true;
    }
    const bool winLogon = TVnWinUser::Internal_isProcessExists(kWinLogon);
    const bool shell = TVnWinUser::Internal_isProcessExists(state.ShellName);
    const bool decision = (winLogon || shell) && !IsMachineAccount(state.CurrentUserName);
    if (winLogon) {
        LogTech(u"//Is Azure RemoteApp");
        state.ShellName = kWinLogon;
    } else {
        LogTech(u"//Is remote desktop");
    }
    return decision;
}

bool LocalDecision(const TWinUserState& state) {
    if (IsMachineAccount(state.CurrentUserName) ||
        TVnWinUser::Internal_isRunningAsDiferentUser(state.ShellName)) {
        LogTech(u"//Run As System or Diferent User");
        return false;
    }
    LogTech(u"//Normal");
    return TVnWinUser::Internal_isProcessExists(state.ShellName);
}

void LogOutcome(const TWinUserState& state, bool decision) {
    LogTech(u"Shell Name           : " + state.ShellName);
    LogTech(u"Current User Name    : " + state.CurrentUserName);
    LogTech(u"Interactive User Name: " + TVnWinUser::InteractiveUserName());
    LogTech(u"Is Interactive User  : " + std::u16string(decision ? u"True" : u"False"));
}

} // namespace

bool TVnWinUser::Internal_isUserInteractive() {
    const auto raised = [](const std::string& message) {
        return "error en Internal_isUserInteractive: " + message;
    };
    return GuardStep(u"Internal_isUserInteractive: ", raised, [] {
        TWinUserState& state = State();
        const TLock lock(state.Mutex);
        if (state.DetectionDone) {
            return state.Interactive;
        }
        state.CurrentUserName = Internal_getCurrentUserName();
        state.ShellName = Internal_getShellName();
        const bool decision =
            UserSessionFacts().IsRemoteSession() ? RemoteDecision(state) : LocalDecision(state);
        state.Interactive = decision;
        state.DetectionDone = true;
        LogOutcome(state, decision);
        return decision;
    });
}

std::u16string TVnWinUser::Internal_getInteractiveUserName() {
    return GuardStep(
        u"Internal_getInteractiveUserName: ",
        Fixed("error en TVnWinUser.Internal_getInteractiveUserName"),
        [] {
            TWinUserState& state = State();
            const TLock lock(state.Mutex);
            const auto owners = SplitLines(Internal_getOwnersFromProcessName(state.ShellName));
            if (!owners.empty()) {
                const auto own = std::find_if(
                    owners.begin(), owners.end(),
                    [&state](const auto& owner) { return SameText(owner, state.CurrentUserName); });
                state.InteractiveUserName = own != owners.end() ? *own : owners[0];
            }
            return state.InteractiveUserName;
        });
}

// Running as another user is told by two facts that normally agree: no shell
// in the caller's session, and a desktop owner other than the caller.
bool TVnWinUser::Internal_isRunningAsDiferentUser(const std::u16string& aShellName) {
    return GuardStep(
        u"Internal_isRunningAsDiferentUser: ", Fixed("error en Internal_isRunningAsDiferentUser"),
        [&aShellName] {
            const auto sessions = SplitLines(Internal_getSessionsIdsFromProcessName(aShellName));
            const std::u16string own = IntToStr(Internal_GetSessionIdfromProccessId());
            const bool noShellHere =
                std::find(sessions.begin(), sessions.end(), own) == sessions.end();
            TWinUserState& state = State();
            const TLock lock(state.Mutex);
            const bool sameUser = state.CurrentUserName == Internal_getInteractiveUserName();
            return noShellHere == sameUser;
        });
}

std::u16string TVnWinUser::CurrentUserName() {
    TWinUserState& state = State();
    const TLock lock(state.Mutex);
    Internal_isUserInteractive();
    if (state.CurrentUserName.empty())
        state.CurrentUserName = Internal_getCurrentUserName();
    return state.CurrentUserName;
}

std::u16string TVnWinUser::CurrentUserName_Short() {
    const std::u16string name = CurrentUserName();
    const std::size_t backslash = name.find(u'\\');
    return backslash == std::u16string::npos ? name : name.substr(backslash + 1);
}

std::u16string TVnWinUser::InteractiveUserName() {
    TWinUserState& state = State();
    const TLock lock(state.Mutex);
    Internal_isUserInteractive();
    if (state.InteractiveUserName.empty())
        Internal_getInteractiveUserName();
    return state.InteractiveUserName;
}

bool TVnWinUser::UserInteractive() {
    return Internal_isUserInteractive();
}

std::u16string TVnWinUser::DiferentUsersErrorMsg() {
    const std::u16string current = CurrentUserName();
    const std::u16string interactive = InteractiveUserName();
    if (current == interactive)
        return {};
    return u"El CurrentUser (" + current + u") y " + u"el InteractiveUser (" + interactive +
           u") son distintos. " + u"El CurrentUser debe tener permisos de administrador.";
}

bool TVnWinUser::RunningAsServer() {
    return Internal_GetSessionIdfromProccessId() == 0;
}

void TVnWinUser::Shutdown() {
    TWinUserState& state = State();
    const TLock lock(state.Mutex);
    state.DetectionDone = false;
    state.Interactive = false;
    state.CurrentUserName.clear();
    state.InteractiveUserName.clear();
    state.ShellName.clear();
}

} // namespace typ
