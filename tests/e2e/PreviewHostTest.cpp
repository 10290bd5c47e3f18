// The print preview of the hosted editor, opened with a real Ctrl+F2 as a
// person types it: without any printer, then with the PostScript test printer
// as the default. Each preview is kept as a PNG beside the tests.
#include "EditorHost.h"
#include "PngWriter.h"
#include "ProcessRunner.h"
#include "TestPrinter.h"
#include "WindowCapture.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <winspool.h>

namespace typ::win {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kPreviewClass[] = L"TfrmVistaPreliminar";
constexpr wchar_t kPrinter[] = L"Typ Preview Test";
// Pixels of the frame's top line at least, drawn gray across the sheet.
constexpr int kFrameRun = 200;

// A frame 120 cells wide and 40 lines high, wider than an A4 sheet holds.
std::wstring Frame() {
    const auto row = [](wchar_t left, wchar_t middle, wchar_t right) {
        return left + std::wstring(118, middle) + right;
    };
    std::wstring text = row(L'\u00DA', L'\u00C4', L'\u00BF');
    for (int line = 1; line < 39; ++line)
        text += L"\r\n" + row(L'\u00B3', L' ', L'\u00B3');
    return text + L"\r\n" + row(L'\u00C0', L'\u00C4', L'\u00D9');
}

void Press(std::initializer_list<std::pair<WORD, bool>> keys) {
    std::vector<INPUT> inputs;
    for (const auto& [key, up] : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A status panel's text from the editor's process: the text is read into
// memory of that process, then copied out.
std::wstring RemoteStatusText(HWND statusBar, int part) {
    DWORD processId = 0;
    GetWindowThreadProcessId(statusBar, &processId);
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr)
        return L"(no process)";
    wchar_t text[256] = {};
    void* remote = VirtualAllocEx(process, nullptr, sizeof(text), MEM_COMMIT, PAGE_READWRITE);
    if (remote != nullptr) {
        SendMessageTimeoutW(statusBar, SB_GETTEXTW, static_cast<WPARAM>(part),
                            reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 5000, nullptr);
        ReadProcessMemory(process, remote, text, sizeof(text) - sizeof(wchar_t), nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

// The longest run of the frames' gray along a row of a part of a picture.
int LongestGrayRun(const TRgbImage& image, const RECT& part) {
    int longest = 0;
    for (int y = std::max(0, static_cast<int>(part.top));
         y < std::min(image.Height, static_cast<int>(part.bottom)); ++y) {
        int run = 0;
        for (int x = std::max(0, static_cast<int>(part.left));
             x < std::min(image.Width, static_cast<int>(part.right)); ++x) {
            const auto at = (static_cast<std::size_t>(y) * image.Width + x) * 3;
            const bool gray =
                image.Rgb[at] == 128 && image.Rgb[at + 1] == 128 && image.Rgb[at + 2] == 128;
            run = gray ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

// Where a child lies in its top-level window's picture.
RECT PartOf(HWND window, HWND child) {
    RECT outer{};
    RECT inner{};
    GetWindowRect(window, &outer);
    GetWindowRect(child, &inner);
    OffsetRect(&inner, -outer.left, -outer.top);
    return inner;
}

template <typename TCondition> bool WaitFor(TCondition condition, std::chrono::milliseconds limit) {
    for (auto waited = 0ms; waited < limit; waited += 20ms) {
        if (condition())
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return condition();
}

// What the person saw of the preview between Ctrl+F2 and Escape.
struct TSeen {
    bool Opened = false;
    bool OwnedByEditor = false;
    bool EditorDisabled = false;
    std::wstring Printer;
    std::wstring Cut;
    int GrayRun = 0;
    std::wstring Problem;
    bool Closed = false;
    bool EditorEnabledAgain = false;
};

TSeen OpenPreview(HWND editor, const std::wstring& caption, const std::wstring& picture) {
    TSeen seen;
    // Keys go to the foreground window: the editor is brought there first.
    WaitFor(
        [&] {
            SetForegroundWindow(editor);
            return GetForegroundWindow() == editor;
        },
        5s);
    Press({{VK_CONTROL, false}, {VK_F2, false}, {VK_F2, true}, {VK_CONTROL, true}});
    HWND preview = nullptr;
    seen.Opened = WaitFor(
        [&] {
            preview = FindWindowW(kPreviewClass, (L"Vista preliminar - " + caption).c_str());
            return preview != nullptr && IsWindowVisible(preview);
        },
        10s);
    if (!seen.Opened)
        return seen;
    seen.OwnedByEditor = GetWindow(preview, GW_OWNER) == editor;
    seen.EditorDisabled = !IsWindowEnabled(editor);
    const auto status = Descendants(preview, STATUSCLASSNAMEW);
    const auto sheet = Descendants(preview, L"TPreviewSheetView");
    if (status.empty() || sheet.empty()) {
        seen.Problem = L"no status bar or sheet";
        return seen;
    }
    seen.Printer = RemoteStatusText(status.front(), 1);
    seen.Cut = RemoteStatusText(status.front(), 3);
    // The picture is the screen's: on a loaded machine the first paint may
    // come late, or a window of another test may lie over it for a while.
    try {
        TRgbImage image;
        WaitFor(
            [&] {
                image = CaptureWindow(preview);
                seen.GrayRun = LongestGrayRun(image, PartOf(preview, sheet.front()));
                return seen.GrayRun > kFrameRun;
            },
            5s);
        WriteFileBytes(picture, EncodePng(image));
    } catch (const std::exception& error) {
        const std::string what = error.what();
        seen.Problem = L"capture failed: " + std::wstring(what.begin(), what.end());
    }
    PostMessageW(sheet.front(), WM_KEYDOWN, VK_ESCAPE, 0);
    seen.Closed = WaitFor([&] { return !IsWindow(preview) || !IsWindowVisible(preview); }, 10s);
    seen.EditorEnabledAgain = IsWindowEnabled(editor) != 0;
    return seen;
}

class PreviewHostTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitialize(nullptr);
        ASSERT_TRUE(RegisterServerOnce(WinePath(TYP_E2E_SERVER)));
        FHost = std::make_unique<TEditorHost>();
    }
    static void TearDownTestSuite() {
        FHost.reset();
        CoUninitialize();
    }

    // Opens the preview with Ctrl+F2, closes it with Escape, then the editor.
    static TSeen PreviewOnce(const std::wstring& caption, const std::wstring& picture) {
        TSeen seen;
        TShowCall call;
        call.Caption = caption;
        call.WhileShown = [&](HWND editor) { seen = OpenPreview(editor, caption, picture); };
        const TShowResult result = FHost->Show(call, Frame());
        EXPECT_TRUE(result.Drive.Closed) << result.Drive.Problem;
        EXPECT_EQ(result.Hr, S_OK);
        EXPECT_EQ(result.Value, VARIANT_FALSE) << "the preview changes nothing";
        EXPECT_EQ(result.Text, Frame());
        return seen;
    }

    static void ExpectPreviewed(const TSeen& seen) {
        ASSERT_TRUE(seen.Opened) << "Ctrl+F2 opened no preview";
        EXPECT_TRUE(seen.Problem.empty()) << std::string(seen.Problem.begin(), seen.Problem.end());
        EXPECT_TRUE(seen.OwnedByEditor);
        EXPECT_TRUE(seen.EditorDisabled) << "modal over the editor";
        EXPECT_GT(seen.GrayRun, kFrameRun) << "the frame's top line, gray across the sheet";
        EXPECT_EQ(seen.Cut.rfind(L"Columnas fuera de la hoja: ", 0), 0u)
            << std::string(seen.Cut.begin(), seen.Cut.end());
        EXPECT_TRUE(seen.Closed) << "Escape closes the preview";
        EXPECT_TRUE(seen.EditorEnabledAgain);
    }

    static std::unique_ptr<TEditorHost> FHost;
};

std::unique_ptr<TEditorHost> PreviewHostTest::FHost;

std::wstring Picture(const char* name) {
    return WinePath(std::string(TYP_E2E_ARTIFACTS) + "/" + name);
}

// The test printer of an earlier run goes first: it was made the default.
void RemoveTestPrinter() {
    PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(kPrinter), &printer, &access))
        return;
    DeletePrinter(printer);
    ClosePrinter(printer);
}

TEST_F(PreviewHostTest, WithoutAnyPrinterShowsAnA4Sheet) {
    RemoveTestPrinter();
    DWORD size = 0;
    if (GetDefaultPrinterW(nullptr, &size) || size != 0)
        GTEST_SKIP() << "the system offers a default printer (one of the host's, through Wine)";
    const TSeen seen = PreviewOnce(L"e2e vista sin impresora", Picture("vista-sin-impresora.png"));
    ExpectPreviewed(seen);
    EXPECT_EQ(seen.Printer, L"Sin impresora: hoja A4");
}

TEST_F(PreviewHostTest, WithTheTestPrinterShowsItsSheet) {
    test::EnsureTestPrinter(kPrinter, L"FILE:");
    ASSERT_TRUE(SetDefaultPrinterW(kPrinter));
    const TSeen seen = PreviewOnce(L"e2e vista con impresora", Picture("vista-con-impresora.png"));
    ExpectPreviewed(seen);
    EXPECT_EQ(seen.Printer, kPrinter);
}

} // namespace
} // namespace typ::win
