#include "LogTestSupport.h"
#include "charconv/UnicodeBytes.h"
#include "environment/FilePath.h"
#include "environment/StrUtils.h"
#include "environment/VnWinUser.h"
#include "platform/Environment.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>
// These need the types of windows.h.
#include <tlhelp32.h>

namespace typ {
namespace {

using test::TAppDataSandbox;
using test::TechMessages;
using test::WriteBytes;

const wchar_t kWinLogon[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\WinLogon";

std::u16string Text(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

// The "Shell" value of the machine's logon settings, put back at the end.
class TShellSetting {
public:
    TShellSetting() { FSaved = Read(); }
    ~TShellSetting() {
        if (FSaved) {
            Set(*FSaved);
        } else {
            RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kWinLogon, L"Shell");
        }
    }
    TShellSetting(const TShellSetting&) = delete;
    TShellSetting& operator=(const TShellSetting&) = delete;

    static std::optional<std::wstring> Read() {
        wchar_t data[1024];
        DWORD size = sizeof data;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, kWinLogon, L"Shell",
                         RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, data,
                         &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::wstring(data);
    }
    void Set(const std::wstring& value) const {
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kWinLogon, L"Shell", REG_SZ, value.c_str(),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

private:
    std::optional<std::wstring> FSaved;
};

// The processes of an executable name, read with the platform's own calls.
std::vector<DWORD> ProcessesNamed(const wchar_t* name) {
    std::vector<DWORD> found;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (lstrcmpiW(entry.szExeFile, name) == 0) {
            found.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return found;
}

// The account that owns a process as domain\user, read independently of
// the code under test.
std::u16string OwnerOf(DWORD pid) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    HANDLE token = nullptr;
    if (process == nullptr || !OpenProcessToken(process, TOKEN_QUERY, &token)) {
        return {};
    }
    BYTE buffer[512];
    DWORD size = 0;
    wchar_t user[256];
    wchar_t domain[256];
    DWORD userLength = 256;
    DWORD domainLength = 256;
    SID_NAME_USE use{};
    const bool read = GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size) &&
                      LookupAccountSidW(nullptr, reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid,
                                        user, &userLength, domain, &domainLength, &use);
    CloseHandle(token);
    CloseHandle(process);
    return read ? Text(domain) + u"\\" + Text(user) : std::u16string();
}

class WinUserTest : public ::testing::Test {
protected:
    WinUserTest() {
        // Wine starts its desktop process, explorer.exe, on first use of the desktop.
        GetDesktopWindow();
        WriteBytes(FSandbox.LogIni(), "[LogFileHelp]\r\n[GLOBAL]\r\nArchivo_Texto_Nivel=39\r\n");
        TVnWinUser::Shutdown();
    }
    ~WinUserTest() override { TVnWinUser::Shutdown(); }

    std::vector<std::string> TechLines() const { return TechMessages(FSandbox.ProgramLog()); }

    TAppDataSandbox FSandbox;
};

TEST_F(WinUserTest, TheCurrentUserIsTheProcesssAccount) {
    const std::u16string name = TVnWinUser::CurrentUserName();
    const std::size_t backslash = name.find(u'\\');
    ASSERT_NE(backslash, std::u16string::npos) << EncodeUtf8(name);
    EXPECT_GT(backslash, 0u);
    wchar_t user[256];
    DWORD length = 256;
    ASSERT_TRUE(GetUserNameW(user, &length));
    EXPECT_EQ(TVnWinUser::CurrentUserName_Short(), Text(user));
    EXPECT_EQ(TVnWinUser::CurrentUserName_Short(), name.substr(backslash + 1));
    EXPECT_EQ(OwnerOf(GetCurrentProcessId()), name);
}

TEST_F(WinUserTest, TheShellIsWhatTheLogonSettingsSay) {
    const TShellSetting setting;
    const std::optional<std::wstring> configured = TShellSetting::Read();
    const bool explorer =
        !configured || configured->empty() ||
        LowerCase(Text(*configured)).find(u"explorer.exe") != std::u16string::npos;
    EXPECT_EQ(TVnWinUser::Internal_getShellName(),
              explorer ? u"explorer.exe" : ExtractFileName(Text(*configured)));

    setting.Set(L"C:\\Windows\\Explorer.exe /x");
    EXPECT_EQ(TVnWinUser::Internal_getShellName(), u"explorer.exe");
    setting.Set(L"C:\\Kiosco\\myshell.exe");
    EXPECT_EQ(TVnWinUser::Internal_getShellName(), u"myshell.exe");
    EXPECT_FALSE(TVnWinUser::UserInteractive()) << "no myshell.exe runs";
    const auto lines = TechLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "//Normal");
    EXPECT_EQ(lines[1], "Shell Name           : myshell.exe");
}

TEST_F(WinUserTest, ThisProcessIsFoundWithItsOwnerAndSession) {
    const std::u16string program = ExtractFileName(Environment().ProgramPath());
    DWORD session = 0;
    ASSERT_TRUE(ProcessIdToSessionId(GetCurrentProcessId(), &session));
    std::u16string upper = program;
    CharUpperBuffW(reinterpret_cast<wchar_t*>(upper.data()), static_cast<DWORD>(upper.size()));
    EXPECT_TRUE(TVnWinUser::Internal_isProcessExists(upper));
    EXPECT_EQ(TVnWinUser::Internal_getOwnersFromProcessName(program),
              TVnWinUser::CurrentUserName() + u"\r\n");
    EXPECT_EQ(TVnWinUser::Internal_getSessionsIdsFromProcessName(program),
              IntToStr(session) + u"\r\n");
    EXPECT_EQ(TVnWinUser::Internal_GetSessionIdfromProccessId(), session);
    EXPECT_EQ(TVnWinUser::RunningAsServer(), session == 0);
    EXPECT_TRUE(TVnWinUser::Internal_isProcessOwner(program, TVnWinUser::CurrentUserName()));
    EXPECT_EQ(TVnWinUser::Internal_getUserAndDomainFromPID(0xFFFFFFF0u), std::nullopt);
}

// Wine runs its desktop as explorer.exe under the user's own account; where
// none runs, nobody owns the desktop and the process is not interactive.
TEST_F(WinUserTest, TheDesktopOwnerDecidesAndTheDecisionIsStable) {
    const std::u16string current = TVnWinUser::CurrentUserName();
    const bool interactive = TVnWinUser::UserInteractive();
    const auto shells = ProcessesNamed(L"explorer.exe");
    const std::u16string owner = shells.empty() ? u"" : OwnerOf(shells.front());
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), owner);
    EXPECT_EQ(interactive, !shells.empty());
    if (owner == current) {
        EXPECT_EQ(TVnWinUser::DiferentUsersErrorMsg(), u"");
    }
    const std::vector<std::string> expected = {"//Normal", "Shell Name           : explorer.exe",
                                               "Current User Name    : " + EncodeUtf8(current),
                                               "Interactive User Name: " + EncodeUtf8(owner),
                                               std::string("Is Interactive User  : ") +
                                                   (interactive ? "True" : "False")};
    EXPECT_EQ(TechLines(), expected);

    EXPECT_EQ(TVnWinUser::UserInteractive(), interactive);
    TVnWinUser::Shutdown();
    EXPECT_EQ(TVnWinUser::UserInteractive(), interactive);
    EXPECT_EQ(TVnWinUser::InteractiveUserName(), owner);
    EXPECT_EQ(TechLines().size(), 10u);
}

TEST_F(WinUserTest, WithTheDefaultLevelNothingIsLogged) {
    WriteBytes(FSandbox.LogIni(), "[LogFileHelp]\r\n[GLOBAL]\r\nArchivo_Texto_Nivel=7\r\n");
    TManagedLogFile::ClearThreadData();
    TVnWinUser::UserInteractive();
    EXPECT_TRUE(TechLines().empty());
}

} // namespace
} // namespace typ
