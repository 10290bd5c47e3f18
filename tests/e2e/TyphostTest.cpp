// typhost, the host for a person at a terminal, run as a separate program on
// real files while the test types into the editor it opens.
#include "DrivenRun.h"
#include "EditorHost.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <thread>

namespace typ::win {
namespace {

using namespace std::chrono_literals;

std::wstring Typhost() {
    return WinePath(TYP_E2E_TYPHOST);
}

// A folder of its own under the temporary folder, emptied of earlier runs' files.
class TyphostTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterServerOnce(WinePath(TYP_E2E_SERVER))); }

    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        FFolder = std::wstring(temp) + L"typ-e2e-typhost\\";
        CreateDirectoryW(FFolder.c_str(), nullptr);
    }

    std::wstring WriteTemplate(const std::wstring& name, const std::string& bytes) {
        const std::wstring path = FFolder + name;
        std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }

    static std::string ReadBytes(const std::wstring& path) {
        std::ifstream file(std::filesystem::path(path), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // Runs typhost on the file while the person types the keys and closes the editor.
    static TProcessResult EditWithTyphost(const std::wstring& caption,
                                          const std::vector<std::wstring>& args,
                                          const std::wstring& keys, TDriveResult& drive) {
        TDriveRequest request;
        request.Caption = caption;
        request.Keys = keys;
        return RunDriven(Typhost(), args, request, drive);
    }

    std::wstring FFolder;
};

TEST_F(TyphostTest, SavesTheEditedTemplateAsDosBytes) {
    const std::wstring path = WriteTemplate(L"edited.typ", "ab\ncdef");
    TDriveResult drive;
    const auto run = EditWithTyphost(L"Editor TYP - edited.typ", {path}, L"\u00F1", drive);
    EXPECT_TRUE(drive.Closed) << drive.Problem;
    EXPECT_EQ(run.ExitCode, 0u) << run.Err;
    EXPECT_EQ(Utf16(run.Out), L"Plantilla guardada: " + path + L"\n");
    EXPECT_EQ(ReadBytes(path), "\xA4"
                               "b  \r\ncdef")
        << "typed, padded, CR LF, no end mark";
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((FFolder + L"*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file is left behind";
    FindClose(search);
}

TEST_F(TyphostTest, LeavesAnUnchangedTemplateAlone) {
    const std::string grid = "ab\xDA\xC4\r\ncd\xB3\xA4";
    const std::wstring path = WriteTemplate(L"unchanged.typ", grid);
    TDriveResult drive;
    const auto run = EditWithTyphost(L"Plantilla de prueba",
                                     {L"--caption", L"Plantilla de prueba", L"--dir", FFolder,
                                      L"--help-context", L"12", L"--help-context-var", L"13", path},
                                     L"", drive);
    EXPECT_TRUE(drive.Closed) << drive.Problem;
    EXPECT_EQ(run.ExitCode, 0u) << run.Err;
    EXPECT_EQ(Utf16(run.Out), L"Sin cambios: " + path + L"\n");
    EXPECT_EQ(ReadBytes(path), grid);
}

TEST_F(TyphostTest, HelpWithoutAnInstallationSaysSoAndKeepsTheEditorAndText) {
    const std::string grid = "ab\r\ncd";
    const std::wstring path = WriteTemplate(L"help.typ", grid);
    CreateDirectoryW((FFolder + L"sin-llave").c_str(), nullptr);
    TDriveRequest request;
    request.Caption = L"Ayuda sin llave";
    std::wstring message;
    bool openAfterBox = false;
    request.WhileShown = [&](HWND editor) {
        const std::vector<HWND> grids = Descendants(editor, kGridWindowClass);
        if (grids.empty())
            return;
        PostMessageW(grids.front(), WM_KEYDOWN, VK_F1, 1);
        PostMessageW(grids.front(), WM_KEYUP, VK_F1, static_cast<LPARAM>(0xC0000001u));
        const HWND box = WaitForDialogOf(editor);
        if (box == nullptr)
            return;
        message = DialogMessage(box);
        SendMessageTimeoutW(box, WM_COMMAND, IDOK, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        std::this_thread::sleep_for(300ms);
        openAfterBox = IsWindowVisible(editor) != FALSE;
    };
    TDriveResult drive;
    const TProcessResult run =
        RunDriven(Typhost(),
                  {L"--caption", L"Ayuda sin llave", L"--help-file",
                   FFolder + L"sin-llave\\IV_.CHM", L"--help-context", L"1234", path},
                  request, drive);
    EXPECT_EQ(message, L"No fue posible mostrar la ayuda.");
    EXPECT_TRUE(openAfterBox);
    EXPECT_TRUE(drive.Closed) << drive.Problem;
    EXPECT_EQ(run.ExitCode, 0u) << run.Err;
    EXPECT_EQ(ReadBytes(path), grid);
}

TEST_F(TyphostTest, ExitCodesTellFailuresApart) {
    const auto missing = RunProcess(Typhost(), {FFolder + L"missing.typ"}, 30s);
    EXPECT_EQ(missing.ExitCode, 2u);
    EXPECT_NE(Utf16(missing.Err).find(L"No se puede leer el archivo"), std::wstring::npos)
        << missing.Err;
    const auto usage = RunProcess(Typhost(), {L"--help-context", L"x", L"a.typ"}, 30s);
    EXPECT_EQ(usage.ExitCode, 1u);
    EXPECT_NE(usage.Err.find("Uso: typhost"), std::string::npos) << usage.Err;
}

TEST_F(TyphostTest, PrintsTheBundledSampleWithItsFrames) {
    const auto run = RunProcess(Typhost(), {L"--print", WinePath(TYP_E2E_SAMPLE)}, 30s);
    ASSERT_EQ(run.ExitCode, 0u) << run.Err;
    const std::wstring shown = Utf16(run.Out);
    std::vector<std::wstring> lines;
    for (std::size_t start = 0, end; (end = shown.find(L'\n', start)) != std::wstring::npos;
         start = end + 1) {
        lines.push_back(shown.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 40u) << "40 lines, a line break after each";
    for (const auto& line : lines) {
        EXPECT_EQ(line.size(), 80u) << "every line 80 wide: " << line;
    }
    EXPECT_EQ(lines.front().front(), L'\u250C') << "the first frame's corner";
    EXPECT_NE(shown.find(L"Descripci\u00F3n"), std::wstring::npos);
    EXPECT_NE(shown.find(L"Tel\u00E9fono"), std::wstring::npos);
    EXPECT_NE(shown.find(L"N\u00BA factura"), std::wstring::npos);
}

} // namespace
} // namespace typ::win
