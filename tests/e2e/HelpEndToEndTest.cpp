// Context help as a person meets it: typhost opens the hosted editor on a
// template whose help file lies in a folder with a DESCRIP.INI naming an
// installation that the system-information double, running as the real
// Windows service, knows; F1 and the print-variables button are pressed.
// Web help reaches a recording https handler registered in this prefix and
// compiled help a recording viewer beside a copy of the server, so no
// browser opens and nothing leaves the machine.
#include "DrivenRun.h"
#include "ServiceTestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <thread>

namespace typ::win {
namespace {

using namespace std::chrono_literals;
using test::RunDouble;
using test::TService;

// The installations the double knows: version 2024.1.5 in Spain, and 11.2.
constexpr wchar_t kWebInstallation[] = L"81234";
constexpr wchar_t kCompiledInstallation[] = L"95678";

std::wstring Folder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"typ-e2e-help\\";
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// The file's lines (written in text mode, CR LF) once it has at least `count`, waited for up to ten
// seconds.
std::vector<std::wstring> WaitForLines(const std::wstring& path, std::size_t count) {
    std::vector<std::wstring> lines;
    for (int attempt = 0; attempt < 100 && lines.size() < count; ++attempt) {
        std::this_thread::sleep_for(100ms);
        lines.clear();
        std::wstring text = Utf16(ReadBytes(path));
        if (!text.empty() && text.front() == L'\uFEFF')
            text.erase(0, 1);
        for (std::size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
             start = end + 2)
            lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

bool RegisterServer(const std::string& unixPath) {
    const auto run = RunProcess(WinePath(unixPath), {L"/RegServer"}, 30s);
    return run.Started && !run.TimedOut && run.ExitCode == 0;
}

// Wine prefers its own viewer to one beside the program, where Windows' module
// search takes the one beside it first; the server is told to do the same.
bool PreferTheViewerBesideTheServer() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Wine\\AppDefaults\\Vn_EditorTyp.exe\\DllOverrides", 0, nullptr,
                        0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const wchar_t order[] = L"native,builtin";
    const bool set =
        RegSetValueExW(key, L"hhctrl.ocx", 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                       sizeof(order)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

// The prefix's https handler: the argument recorder, writing to `log`.
bool RecordHttpsAddressesIn(const std::wstring& log) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"https\\shell\\open\\ddeexec");
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring command =
        L"\"" + WinePath(TYP_E2E_RECORD_ARGUMENTS) + L"\" \"" + log + L"\" \"%1\"";
    const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    const bool set =
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

class HelpEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::filesystem::remove_all(std::filesystem::path(Folder()));
        std::filesystem::create_directories(std::filesystem::path(Folder()));
        RunDouble({L"--uninstall"}); // a run that was cut short left it installed
        ASSERT_EQ(RunDouble({L"--install"}), 0u);
        ASSERT_TRUE(TService().Start());
        ASSERT_TRUE(TService().Reaches(SERVICE_RUNNING));
        ASSERT_TRUE(RegisterServer(TYP_E2E_SERVER));
        ASSERT_TRUE(RecordHttpsAddressesIn(Folder() + L"addresses.txt"));
        ASSERT_TRUE(PreferTheViewerBesideTheServer());
    }

    static void TearDownTestSuite() {
        TService().Control(SERVICE_CONTROL_STOP);
        TService().Reaches(SERVICE_STOPPED);
        RunDouble({L"--uninstall"});
    }

    // A folder holding DESCRIP.INI for the installation, and its help file's path.
    static std::wstring HelpFileOf(const std::wstring& installation) {
        const std::wstring folder = Folder() + installation + L"\\";
        std::filesystem::create_directories(std::filesystem::path(folder));
        WriteBytes(folder + L"DESCRIP.INI",
                   "[Licencia]\r\nNumeroLlave = " +
                       std::string(installation.begin(), installation.end()) + "\r\n");
        return folder + L"IV_.CHM";
    }

    // typhost on a fresh template with the help file and contexts 1234 and
    // 77; `person` acts on the shown editor, which is then closed. Checks that
    // the editor closed and the template came back untouched.
    static void EditWithHelp(const std::wstring& helpFile,
                             const std::function<void(HWND)>& person) {
        const std::string grid = "ab\xDA\xC4\r\ncd\xB3 ";
        const std::wstring path = Folder() + L"ayuda.typ";
        WriteBytes(path, grid);
        TDriveRequest request;
        request.Caption = L"Ayuda";
        request.WhileShown = person;
        TDriveResult drive;
        const auto run = RunDriven(WinePath(TYP_E2E_TYPHOST),
                                   {L"--caption", L"Ayuda", L"--help-file", helpFile,
                                    L"--help-context", L"1234", L"--help-context-var", L"77", path},
                                   request, drive);
        EXPECT_TRUE(run.Started) << "typhost did not start";
        EXPECT_TRUE(drive.Closed) << drive.Problem;
        EXPECT_EQ(run.ExitCode, 0u) << run.Err;
        EXPECT_EQ(Utf16(run.Out), L"Sin cambios: " + path + L"\n");
        EXPECT_EQ(ReadBytes(path), grid);
    }

    static void PressF1(HWND editor) {
        const std::vector<HWND> grids = Descendants(editor, kGridWindowClass);
        ASSERT_FALSE(grids.empty());
        PostMessageW(grids.front(), WM_KEYDOWN, VK_F1, 1);
        PostMessageW(grids.front(), WM_KEYUP, VK_F1, static_cast<LPARAM>(0xC0000001u));
    }

    static void PressVariablesButton(HWND editor) {
        const auto buttons = VisibleDescendants(editor, L"Button", L"&Variables de impresión");
        ASSERT_EQ(buttons.size(), 1u);
        PostMessageW(buttons.front(), BM_CLICK, 0, 0);
    }

    // The error box's text once it shows, the box closed; "" when none showed.
    static std::wstring TakeErrorBox(HWND editor) {
        const HWND box = WaitForDialogOf(editor);
        if (box == nullptr)
            return L"";
        const std::wstring message = DialogMessage(box);
        SendMessageTimeoutW(box, WM_COMMAND, IDOK, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        return message;
    }
};

TEST_F(HelpEndToEnd, WebHelpOpensTheVersionsAndCountrysAddressForEachContext) {
    const std::wstring addresses = Folder() + L"addresses.txt";
    DeleteFileW(addresses.c_str());
    std::vector<std::wstring> opened;
    EditWithHelp(HelpFileOf(kWebInstallation), [&](HWND editor) {
        PressF1(editor);
        WaitForLines(addresses, 1);
        PressVariablesButton(editor);
        opened = WaitForLines(addresses, 2);
    });
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"https://ayuda.velnor.com/20es/ayudas_iva_1234",
                                                 L"https://ayuda.velnor.com/20es/ayudas_iva_77"}));
}

TEST_F(HelpEndToEnd, CompiledHelpCallsTheViewerBesideTheServerWithTheEditorsWindow) {
    const std::wstring log = WinePath(TYP_E2E_RECORDING_SERVER_DIR) + L"\\HtmlHelpW.log";
    DeleteFileW(log.c_str());
    ASSERT_TRUE(RegisterServer(TYP_E2E_RECORDING_SERVER_DIR "/Vn_EditorTyp.exe"));
    const std::wstring helpFile = HelpFileOf(kCompiledInstallation);
    std::vector<std::wstring> calls;
    EditWithHelp(helpFile, [&](HWND editor) {
        PressF1(editor);
        calls = WaitForLines(log, 1);
    });
    ASSERT_TRUE(RegisterServer(TYP_E2E_SERVER));
    EXPECT_EQ(calls, std::vector<std::wstring>{std::wstring(kEditorWindowClass) + L"|" + helpFile +
                                               L"|15|1234"});
}

TEST_F(HelpEndToEnd, CompiledHelpThroughThePlatformsViewerLeavesTheEditorWorking) {
    bool answering = false;
    EditWithHelp(HelpFileOf(kCompiledInstallation), [&](HWND editor) {
        PressF1(editor);
        std::this_thread::sleep_for(1s);
        answering =
            SendMessageTimeoutW(editor, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr) != 0;
        if (const HWND box = WaitForDialogOf(editor, 1s))
            SendMessageTimeoutW(box, WM_COMMAND, IDOK, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    });
    EXPECT_TRUE(answering);
}

TEST_F(HelpEndToEnd, AStoppedServiceIsNamedInTheErrorBox) {
    ASSERT_TRUE(TService().Control(SERVICE_CONTROL_STOP));
    ASSERT_TRUE(TService().Reaches(SERVICE_STOPPED));
    std::wstring message;
    EditWithHelp(HelpFileOf(kWebInstallation), [&](HWND editor) {
        PressF1(editor);
        message = TakeErrorBox(editor);
    });
    EXPECT_EQ(message, L"El Servicio de Informaci\u00f3n del Sistema se encuentra en estado "
                       L"detenido. Es necesario activar el servicio para que esta aplicaci\u00f3n "
                       L"funcione adecuadamente.");
    ASSERT_TRUE(TService().Start());
    EXPECT_TRUE(TService().Reaches(SERVICE_RUNNING));
}

} // namespace
} // namespace typ::win
