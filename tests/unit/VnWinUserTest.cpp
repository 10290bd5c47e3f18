#include "environment/VnWinUser.h"

#include "LogTestSupport.h"
#include "charconv/UnicodeBytes.h"
#include "environment/FilePath.h"
#include "environment/VnApplication.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

namespace typ {
namespace {

using test::TAppDataSandbox;
using test::TechMessages;
using test::WriteBytes;

constexpr std::uint32_t kOwnPid = 100;

// The message of the EVnWinUser the call raises; empty when it raises none.
std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const EVnWinUser& error) {
        return error.what();
    }
    return {};
}

// A machine the test describes: the caller's account and session, the shell
// setting and the processes with their owners and sessions. A fact can be
// made to fail with an error, as an unexpected platform fault would.
class TFakeUserSessionFacts final : public TUserSessionFacts {
public:
    struct TProcess {
        std::uint32_t Pid;
        std::u16string ExeFile;
        std::optional<TAccountName> Owner;
        std::optional<std::uint32_t> Session;
    };

    std::u16string UserName;
    std::optional<std::u16string> Shell;
    bool Remote = false;
    std::vector<TProcess> Table;
    std::optional<std::uint32_t> FailingAccountPid;
    bool FailSessions = false;
    bool FailSnapshots = false;
    mutable std::atomic<int> UserNameReads{0};
    mutable std::atomic<int> AccountReads{0};
    mutable std::atomic<int> OtherSessionReads{0};

    // The test's own process, named "typ.exe", owned by the current user.
    // Owners are written domain\user; a name without "\" cannot be read.
    void Caller(const std::u16string& user, std::uint32_t session) {
        UserName = user;
        Add(kOwnPid, u"typ.exe", user, session);
    }
    void Add(std::uint32_t pid, const std::u16string& exe, const std::u16string& owner,
             std::optional<std::uint32_t> session = 1) {
        const std::size_t slash = owner.find(u'\\');
        std::optional<TAccountName> account;
        if (slash != std::u16string::npos) {
            account = TAccountName{owner.substr(slash + 1), owner.substr(0, slash)};
        }
        Table.push_back(TProcess{pid, exe, account, session});
    }

    std::u16string SamCompatibleUserName() const override {
        ++UserNameReads;
        return UserName;
    }
    std::optional<std::u16string> ConfiguredShell() const override { return Shell; }
    bool IsRemoteSession() const override { return Remote; }
    std::uint32_t CurrentProcessId() const override { return kOwnPid; }
    std::optional<std::uint32_t> ProcessSessionId(std::uint32_t pid) const override {
        if (FailSessions) {
            throw std::runtime_error("sesion ilegible");
        }
        OtherSessionReads += pid != kOwnPid ? 1 : 0;
        const TProcess* process = Find(pid);
        return process != nullptr ? process->Session : std::nullopt;
    }
    std::vector<TProcessEntry> Processes(TSnapshotScope) const override {
        if (FailSnapshots) {
            throw std::runtime_error("sin instantanea");
        }
        std::vector<TProcessEntry> entries;
        for (const TProcess& process : Table) {
            entries.push_back(TProcessEntry{process.Pid, process.ExeFile});
        }
        return entries;
    }
    std::optional<TAccountName> ProcessAccount(std::uint32_t pid) const override {
        ++AccountReads;
        if (FailingAccountPid == pid) {
            throw std::runtime_error("acceso denegado");
        }
        const TProcess* process = Find(pid);
        return process != nullptr ? process->Owner : std::nullopt;
    }

private:
    const TProcess* Find(std::uint32_t pid) const {
        for (const TProcess& process : Table) {
            if (process.Pid == pid) {
                return &process;
            }
        }
        return nullptr;
    }
};

class VnWinUserTest : public ::testing::Test {
protected:
    VnWinUserTest() {
        WriteBytes(FSandbox.LogIni(), "[LogFileHelp]\r\n[GLOBAL]\r\nArchivo_Texto_Nivel=39\r\n");
        SetUserSessionFacts(&FFacts);
        TVnWinUser::Shutdown();
    }
    ~VnWinUserTest() override {
        TVnWinUser::Shutdown();
        SetUserSessionFacts(nullptr);
    }

    std::vector<std::string> TechLines() const { return TechMessages(FSandbox.ProgramLog()); }
    // The reasoning line: the one before the four closing lines.
    std::string Verdict() const {
        const auto lines = TechLines();
        return lines.size() >= 5 ? lines[lines.size() - 5] : std::string();
    }

    TAppDataSandbox FSandbox;
    TFakeUserSessionFacts FFacts;
};

TEST_F(VnWinUserTest, AUserAtTheLocalDesktopIsInteractive) {
    FFacts.Caller(u"DOMINIO\\ana", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);

    EXPECT_TRUE(TVnWinUser::UserInteractive());
    EXPECT_EQ(TVnWinUser::CurrentUserName(), u"DOMINIO\\ana");
    EXPECT_EQ(TVnWinUser::CurrentUserName_Short(), u"ana");
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"DOMINIO\\ana");
    EXPECT_EQ(TVnWinUser::DiferentUsersErrorMsg(), u"");
    EXPECT_FALSE(TVnWinUser::RunningAsServer());
    const std::vector<std::string> expected = {
        "//Normal", "Shell Name           : explorer.exe", "Current User Name    : DOMINIO\\ana",
        "Interactive User Name: DOMINIO\\ana", "Is Interactive User  : True"};
    EXPECT_EQ(TechLines(), expected) << "the detection runs and logs once";
}

TEST_F(VnWinUserTest, RunAsAnotherAccountInTheDesktopSessionIsNotInteractive) {
    FFacts.Caller(u"DOMINIO\\admin", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);

    EXPECT_FALSE(TVnWinUser::UserInteractive());
    EXPECT_EQ(Verdict(), "//Run As System or Diferent User");
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"DOMINIO\\ana");
    EXPECT_EQ(TVnWinUser::DiferentUsersErrorMsg(),
              u"El CurrentUser (DOMINIO\\admin) y el InteractiveUser (DOMINIO\\ana) son "
              u"distintos. El CurrentUser debe tener permisos de administrador.");
    EXPECT_EQ(TechLines().back(), "Is Interactive User  : False");
}

TEST_F(VnWinUserTest, AServiceUnderTheComputerAccountIsNeitherAskedAboutShellsNorInteractive) {
    FFacts.Caller(u"DOMINIO\\EQUIPO$", 0);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);

    EXPECT_FALSE(TVnWinUser::UserInteractive());
    EXPECT_EQ(Verdict(), "//Run As System or Diferent User");
    EXPECT_EQ(FFacts.OtherSessionReads, 0) << "the shells' sessions are not looked at";
    EXPECT_TRUE(TVnWinUser::RunningAsServer());
    EXPECT_EQ(TVnWinUser::CurrentUserName_Short(), u"EQUIPO$");
}

// The machine-account test: the name ends with its only "$", or is empty.
TEST_F(VnWinUserTest, OnlyANameEndingWithItsOnlyDollarIsAMachineAccount) {
    const struct {
        const char16_t* User;
        bool Machine;
    } cases[] = {{u"", true},
                 {u"DOMINIO\\EQUIPO$", true},
                 {u"DOMINIO\\pe$o", false},
                 {u"DOMINIO\\A$B$", false},
                 {u"DOMINIO\\$ana", false}};
    for (const auto& c : cases) {
        TVnWinUser::Shutdown();
        FFacts.Table.clear();
        FFacts.Caller(c.User, 1);
        FFacts.Add(4, u"explorer.exe", c.User, 1);
        EXPECT_EQ(TVnWinUser::UserInteractive(), !c.Machine) << EncodeUtf8(c.User);
    }
}

// Running as a different user: a shell in the caller's session (yes/no)
// against the caller owning the desktop (yes/no).
TEST_F(VnWinUserTest, TheDifferentUserTableDecidesLocalSessions) {
    const struct {
        std::uint32_t ShellSession;
        const char16_t* ShellOwner;
        const char* Verdict;
        bool Interactive;
    } rows[] = {{1, u"DOMINIO\\ana", "//Normal", true},
                {1, u"DOMINIO\\bob", "//Run As System or Diferent User", false},
                {2, u"DOMINIO\\ana", "//Run As System or Diferent User", false},
                {2, u"DOMINIO\\bob", "//Normal", true}};
    for (const auto& row : rows) {
        TVnWinUser::Shutdown();
        FFacts.Table.clear();
        FFacts.Caller(u"DOMINIO\\ana", 1);
        FFacts.Add(4, u"explorer.exe", row.ShellOwner, row.ShellSession);
        EXPECT_EQ(TVnWinUser::UserInteractive(), row.Interactive) << row.Verdict;
        EXPECT_EQ(Verdict(), row.Verdict);
    }
}

TEST_F(VnWinUserTest, WithoutAShellProcessALocalUserIsNotInteractive) {
    FFacts.Caller(u"DOMINIO\\ana", 1);
    EXPECT_FALSE(TVnWinUser::UserInteractive());
    EXPECT_EQ(Verdict(), "//Normal");
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"");
}

TEST_F(VnWinUserTest, ARemoteApplicationOwnsItsRdpShell) {
    FFacts.Remote = true;
    FFacts.Caller(u"DOMINIO\\ana", 3);
    FFacts.Add(8, u"winlogon.exe", u"NT AUTHORITY\\SYSTEM", 3);
    FFacts.Add(9, u"rdpshell.exe", u"DOMINIO\\ana", 3);

    EXPECT_TRUE(TVnWinUser::UserInteractive());
    const auto lines = TechLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "//Is remote application");
    EXPECT_EQ(lines[1], "Shell Name           : rdpshell.exe");
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"DOMINIO\\ana");
}

TEST_F(VnWinUserTest, RemoteSessionsWithoutTheirOwnRdpShell) {
    const struct {
        const char16_t* User;
        bool WinLogon;
        bool Shell;
        const char* Verdict;
        const char* ShellLine;
        bool Interactive;
    } rows[] = {
        {u"DOMINIO\\ana", true, false, "//Is Azure RemoteApp",
         "Shell Name           : winlogon.exe", true},
        {u"DOMINIO\\EQUIPO$", true, true, "//Is Azure RemoteApp",
         "Shell Name           : winlogon.exe", false},
        {u"DOMINIO\\ana", false, true, "//Is remote desktop", "Shell Name           : explorer.exe",
         true},
        {u"DOMINIO\\ana", false, false, "//Is remote desktop",
         "Shell Name           : explorer.exe", false},
    };
    for (const auto& row : rows) {
        TVnWinUser::Shutdown();
        FFacts.Table.clear();
        FFacts.Remote = true;
        FFacts.Caller(row.User, 2);
        FFacts.Add(9, u"rdpshell.exe", u"DOMINIO\\otro", 2);
        if (row.WinLogon) {
            FFacts.Add(8, u"winlogon.exe", u"NT AUTHORITY\\SYSTEM", 2);
        }
        if (row.Shell) {
            FFacts.Add(4, u"explorer.exe", row.User, 2);
        }
        EXPECT_EQ(TVnWinUser::UserInteractive(), row.Interactive) << row.Verdict;
        const auto lines = TechLines();
        ASSERT_GE(lines.size(), 5u);
        EXPECT_EQ(lines[lines.size() - 5], row.Verdict);
        EXPECT_EQ(lines[lines.size() - 4], row.ShellLine);
    }
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"") << "no explorer.exe in the last row";
}

TEST_F(VnWinUserTest, TheShellIsTheFileNameOfTheWinLogonSetting) {
    const struct {
        std::optional<std::u16string> Setting;
        const char16_t* Shell;
    } cases[] = {{std::nullopt, u"explorer.exe"},
                 {u"", u"explorer.exe"},
                 {u"C:\\Windows\\EXPLORER.EXE /x", u"explorer.exe"},
                 {u"myshell.exe", u"myshell.exe"},
                 {u"C:\\Kiosco\\myshell.exe", u"myshell.exe"},
                 {u"D:kiosco.exe", u"kiosco.exe"}};
    for (const auto& c : cases) {
        FFacts.Shell = c.Setting;
        EXPECT_EQ(TVnWinUser::Internal_getShellName(), c.Shell);
    }
}

TEST_F(VnWinUserTest, OwnerAndSessionListsOfAProcessName) {
    FFacts.Caller(u"DOMINIO\\ana", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);
    FFacts.Add(5, u"EXPLORER.EXE", u"sin cuenta", std::nullopt);
    FFacts.Add(6, u"C:\\Windows\\Explorer.exe", u"DOMINIO\\bob", 3);
    FFacts.Add(7, u"explorer.exe", u" \\ ", 4);
    FFacts.Add(8, u"notepad.exe", u"DOMINIO\\ana", 1);

    EXPECT_EQ(TVnWinUser::Internal_getOwnersFromProcessName(u"explorer.exe"),
              u"DOMINIO\\ana\r\nUnknownDomain\\UnknownUser\r\nDOMINIO\\bob\r\n"
              u"UnknownDomain\\UnknownUser\r\n");
    EXPECT_EQ(FFacts.AccountReads, 6) << "every process's owner is read";
    EXPECT_EQ(TVnWinUser::Internal_getSessionsIdsFromProcessName(u"Explorer.Exe"),
              u"1\r\n3\r\n4\r\n")
        << "an unreadable session is left out";
    EXPECT_EQ(TVnWinUser::Internal_getOwnersFromProcessName(u"rdpshell.exe"), u"");
    EXPECT_TRUE(TVnWinUser::Internal_isProcessExists(u"C:\\Windows\\Explorer.exe"));
    EXPECT_FALSE(TVnWinUser::Internal_isProcessExists(u"Windows\\Explorer.exe"));
    EXPECT_TRUE(TVnWinUser::Internal_isProcessOwner(u"explorer.exe", u"DOMINIO\\bob"));
    EXPECT_FALSE(TVnWinUser::Internal_isProcessOwner(u"explorer.exe", u"dominio\\bob"));
    EXPECT_FALSE(TVnWinUser::Internal_isProcessOwner(u"calc.exe", u"DOMINIO\\ana"));
    EXPECT_EQ(TVnWinUser::Internal_getSessionIdfromProccessId(4), 1u);
    EXPECT_EQ(TVnWinUser::Internal_getSessionIdfromProccessId(5), std::nullopt);
}

TEST_F(VnWinUserTest, TheInteractiveUserIsTheCallersOwnShellElseTheFirstShellsOwner) {
    FFacts.Caller(u"dominio\\ANA", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\bob", 1);
    FFacts.Add(5, u"explorer.exe", u"DOMINIO\\ana", 1);
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"DOMINIO\\ana") << "letter case aside";
    EXPECT_NE(TVnWinUser::DiferentUsersErrorMsg(), u"") << "but compared exactly";

    TVnWinUser::Shutdown();
    FFacts.Table.clear();
    FFacts.Caller(u"DOMINIO\\carla", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\bob", 1);
    FFacts.Add(5, u"explorer.exe", u"DOMINIO\\ana", 1);
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"DOMINIO\\bob");
}

TEST_F(VnWinUserTest, TheDecisionIsKeptWhileEmptyNamesAreLookedForAgain) {
    FFacts.Caller(u"", 1);
    EXPECT_FALSE(TVnWinUser::UserInteractive());
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"");

    FFacts.UserName = u"DOMINIO\\ana";
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);
    EXPECT_FALSE(TVnWinUser::UserInteractive());
    EXPECT_EQ(TVnWinUser::CurrentUserName(), u"DOMINIO\\ana");
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"DOMINIO\\ana");
    FFacts.UserName = u"DOMINIO\\otro";
    FFacts.Table.clear();
    EXPECT_EQ(TVnWinUser::CurrentUserName(), u"DOMINIO\\ana");
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"DOMINIO\\ana");
    EXPECT_EQ(TechLines().size(), 5u);

    TVnWinUser::Shutdown();
    EXPECT_EQ(TVnWinUser::CurrentUserName(), u"DOMINIO\\otro") << "shutdown forgets it all";
}

TEST_F(VnWinUserTest, AnErrorIsLoggedAndReplacedByEveryStepItCrosses) {
    FFacts.Caller(u"DOMINIO\\ana", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);
    FFacts.FailingAccountPid = 4;

    EXPECT_EQ(ErrorOf([] { TVnWinUser::CurrentUserName(); }),
              "error en Internal_isUserInteractive: error en Internal_isRunningAsDiferentUser");
    const std::vector<std::string> expected = {
        "Internal_getUserAndDomainFromPID: acceso denegado",
        "Internal_getOwnersFromProcessName: error en Internal_getUserAndDomainFromPID",
        "Internal_getInteractiveUserName: error en "
        "Internal_getOwnersFromProcessName('explorer.exe'): error en "
        "Internal_getUserAndDomainFromPID",
        "Internal_isRunningAsDiferentUser: error en TVnWinUser.Internal_getInteractiveUserName",
        "Internal_isUserInteractive: error en Internal_isRunningAsDiferentUser"};
    EXPECT_EQ(TechLines(), expected);

    FFacts.FailingAccountPid.reset();
    EXPECT_TRUE(TVnWinUser::UserInteractive()) << "a failed detection runs again";
}

TEST_F(VnWinUserTest, EachStepNamesItselfInTheErrorItRaises) {
    FFacts.Caller(u"DOMINIO\\ana", 1);
    FFacts.FailSessions = true;
    EXPECT_EQ(ErrorOf([] { TVnWinUser::RunningAsServer(); }),
              "error en Internal_GetSessionIdfromProccessId");
    EXPECT_EQ(TechLines().back(), "Internal_GetSessionIdfromProccessId: sesion ilegible");
    EXPECT_EQ(ErrorOf([] { TVnWinUser::Internal_getSessionsIdsFromProcessName(u"typ.exe"); }),
              "error en Internal_getSessionsIdsFromProcessName");
    EXPECT_EQ(TechLines().back(), "Internal_getSessionsIdsFromProcessName: error en "
                                  "Internal_getSessionIdfromProccessId");

    FFacts.FailSessions = false;
    FFacts.FailSnapshots = true;
    FFacts.Remote = true;
    EXPECT_EQ(ErrorOf([] { TVnWinUser::UserInteractive(); }),
              "error en Internal_isUserInteractive: error en Internal_isProcessOwner");
    const auto lines = TechLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "Internal_isProcessExists: sin instantanea");
    EXPECT_EQ(lines[lines.size() - 2],
              "Internal_isProcessOwner: error en Internal_isProcessExists");
}

// Log.Ini held by another writer cannot be read, which fails every log
// call of an unconfigured thread.
TEST_F(VnWinUserTest, ALogThatCannotBeConfiguredDoesNotStopTheDetection) {
    const auto held = FileSystem().OpenExclusive(FSandbox.LogIni());
    ASSERT_NE(held, nullptr);
    ASSERT_THROW(TManagedLogFile::Write(ltTech, u"prueba"), EFileError);
    FFacts.Caller(u"DOMINIO\\ana", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);
    EXPECT_TRUE(TVnWinUser::UserInteractive());
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), u"DOMINIO\\ana");
}

TEST_F(VnWinUserTest, ThreadsCallingAtOnceShareOneDetection) {
    FFacts.Caller(u"DOMINIO\\ana", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);
    std::atomic<int> interactive{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&interactive] {
            interactive += TVnWinUser::UserInteractive() ? 1 : 0;
            TManagedLogFile::ClearThreadData();
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(interactive, 8);
    EXPECT_EQ(FFacts.UserNameReads, 1);
    EXPECT_EQ(TechLines().size(), 5u);
}

// The window operations the application helper asks of the GUI layer, counted.
class TCountingWindows final : public TApplicationWindows {
public:
    void BringToFront(std::uintptr_t) override { ++Calls; }
    void Minimize() override { ++Calls; }
    void Restore() override { ++Calls; }
    int Calls = 0;
};

TEST_F(VnWinUserTest, TheApplicationsWindowsMoveOnlyForTheUserAtTheScreen) {
    FFacts.Caller(u"DOMINIO\\admin", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);
    TCountingWindows windows;
    TVnApplication::SetWindows(&windows);
    TVnApplication::BringToFront(1);
    TVnApplication::Minimize();
    TVnApplication::Restore();
    EXPECT_EQ(windows.Calls, 0) << "run as another account: nothing at all";

    TVnWinUser::Shutdown();
    FFacts.Table.clear();
    FFacts.Caller(u"DOMINIO\\ana", 1);
    FFacts.Add(4, u"explorer.exe", u"DOMINIO\\ana", 1);
    TVnApplication::BringToFront(1);
    TVnApplication::Minimize();
    TVnApplication::Restore();
    TVnApplication::SetWindows(nullptr);
    EXPECT_EQ(windows.Calls, 3);
}

} // namespace
} // namespace typ
