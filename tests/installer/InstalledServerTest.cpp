// A host reaches the server that the package installed: the registry written
// by Windows Installer alone must lead activation to the installed program,
// and the call must come back with the edited text.
#include "EditorHost.h"

#include <gtest/gtest.h>
#include <string>

namespace typ::win {
namespace {

std::wstring ProcessImageOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) {
        return L"";
    }
    wchar_t name[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const bool named = QueryFullProcessImageNameW(process, 0, name, &size) != 0;
    CloseHandle(process);
    return named ? std::wstring(name, size) : L"";
}

std::wstring LongPathOf(const std::wstring& path) {
    wchar_t name[MAX_PATH] = {};
    const DWORD length = GetLongPathNameW(path.c_str(), name, MAX_PATH);
    return std::wstring(name, length);
}

std::wstring InstalledServer() {
    wchar_t folder[MAX_PATH] = {};
    ExpandEnvironmentStringsW(L"%ProgramFiles%", folder, MAX_PATH);
    return std::wstring(folder) + L"\\Velnor\\Editor TYP\\Vn_EditorTyp.exe";
}

TEST(InstalledServer, ShowExFromTheInstalledProgramReturnsTheEditedText) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        TEditorHost host;
        const HWND editor = host.Window();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(LongPathOf(ProcessImageOf(editor)), InstalledServer());

        TShowCall call;
        call.Caption = L"installed server";
        call.Keys = L"{INS}Z";
        const TShowResult result = host.Show(call, L"abcd\r\nefgh");
        EXPECT_TRUE(result.Drive.Problem.empty()) << result.Drive.Problem;
        EXPECT_EQ(result.Hr, S_OK);
        EXPECT_EQ(result.Value, VARIANT_TRUE);
        EXPECT_EQ(result.Text, L"Zabc\r\nefgh");
    }
    CoUninitialize();
}

} // namespace
} // namespace typ::win
