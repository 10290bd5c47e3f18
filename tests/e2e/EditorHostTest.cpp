// A C++ host that calls the registered server through the vtable of
// IEditorTypCom, while a second thread plays the person at the keyboard.
#include "EditorHost.h"

#include "ProcessRunner.h"
#include "editor/CommandIds.h"

#include <commctrl.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace typ::win {
namespace {

using namespace std::chrono_literals;

std::wstring Lines(std::initializer_list<std::wstring> lines) {
    std::wstring text;
    for (const auto& line : lines)
        text += (&line == lines.begin() ? L"" : L"\r\n") + line;
    return text;
}

std::wstring Page(int width, int height) {
    std::wstring text;
    for (int line = 0; line < height; ++line)
        text += (line ? L"\r\n" : L"") + std::wstring(static_cast<std::size_t>(width), L' ');
    return text;
}

// What the person saw of the help buttons while the editor was open.
struct THelpButtons {
    HWND Editor = nullptr;
    bool AyudaFound = false;
    bool AyudaHidden = false;
    bool VariablesHidden = false;
};

THelpButtons SeeHelpButtons(HWND editor) {
    THelpButtons seen;
    seen.Editor = editor;
    const auto id = static_cast<WPARAM>(CommandMessageId(TCommandId::actAyuda));
    for (HWND bar : Descendants(editor, TOOLBARCLASSNAMEW)) {
        if (SendMessageW(bar, TB_COMMANDTOINDEX, id, 0) >= 0) {
            seen.AyudaFound = true;
            seen.AyudaHidden = SendMessageW(bar, TB_ISBUTTONHIDDEN, id, 0) != 0;
        }
    }
    seen.VariablesHidden =
        VisibleDescendants(editor, L"Button", L"&Variables de impresión").empty();
    return seen;
}

std::string Hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

void ExpectShownAndClosed(const TShowResult& result) {
    EXPECT_TRUE(result.Drive.Shown) << result.Drive.Problem;
    EXPECT_TRUE(result.Drive.Closed) << result.Drive.Problem;
    EXPECT_TRUE(result.Drive.Problem.empty()) << result.Drive.Problem;
}

void ExpectChangedTo(const TShowResult& result, const std::wstring& expected) {
    ExpectShownAndClosed(result);
    EXPECT_EQ(result.Hr, S_OK) << Hex(result.Hr);
    EXPECT_EQ(result.Value, VARIANT_TRUE);
    EXPECT_EQ(result.Text, expected);
}

// The registered server, reached from this thread's apartment.
class ServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitialize(nullptr);
        ASSERT_TRUE(RegisterServerOnce(WinePath(TYP_E2E_SERVER)));
    }
    static void TearDownTestSuite() { CoUninitialize(); }
};

// One object for the whole suite: every creation costs a second under Wine, and
// reusing the window is what hosts do.
class EditorHostTest : public ServerTest {
protected:
    static void SetUpTestSuite() {
        ServerTest::SetUpTestSuite();
        FHost = std::make_unique<TEditorHost>();
    }
    static void TearDownTestSuite() {
        FHost.reset();
        ServerTest::TearDownTestSuite();
    }

    static TShowResult Show(const std::wstring& text, const std::wstring& keys = L"",
                            LONG helpContext = 0) {
        TShowCall call;
        call.Caption = L"e2e vtable host";
        call.Keys = keys;
        call.HelpContext = helpContext;
        return FHost->Show(call, text);
    }

    static std::unique_ptr<TEditorHost> FHost;
};

std::unique_ptr<TEditorHost> EditorHostTest::FHost;

TEST_F(EditorHostTest, HandsBackTheNormalisedGrid) {
    struct TCase {
        const char* Name;
        std::wstring Given;
        std::wstring Expected;
    };
    std::wstring ten;
    for (int line = 1; line <= 10; ++line) {
        const std::wstring text = L"line " + std::to_wstring(line) + L" of ten";
        ten += (line > 1 ? L"\r\n" : L"") + (line == 3 ? L"line 3\x1A of ten" : text);
    }
    // Lines 4 to 10 go (with them the longest, "line 10 of ten"), line 3 is cut.
    const std::wstring cut =
        Lines({L"line 1 of ten", L"line 2 of ten", L"line 3" + std::wstring(7, L' ')});
    const TCase cases[] = {
        {"empty text: default page", L"", Page(250, 80)},
        {"short line padded", Lines({L"ab", L"cdef"}), Lines({L"ab  ", L"cdef"})},
        {"lone LF become CR LF", L"abc\ndef\nghi", Lines({L"abc", L"def", L"ghi"})},
        {"end-of-file mark cuts", ten, cut},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ExpectChangedTo(Show(c.Given), c.Expected);
    }
}

TEST_F(EditorHostTest, LeavesAnUnchangedGridUntouched) {
    const std::wstring grid = Lines({L"abcd", L"efgh"});
    const TShowResult result = Show(grid);
    ExpectShownAndClosed(result);
    EXPECT_EQ(result.Hr, S_OK) << Hex(result.Hr);
    EXPECT_EQ(result.Value, VARIANT_FALSE);
    EXPECT_EQ(result.Text, grid);
    EXPECT_TRUE(result.SameBstr);
    HWND editor = FHost->Window();
    EXPECT_TRUE(IsWindow(editor));
    EXPECT_FALSE(IsWindowVisible(editor)) << "closing hides the window";
}

TEST_F(EditorHostTest, TypesAsAPersonDoes) {
    const std::wstring grid = Lines({L"abcd", L"efgh"});
    SCOPED_TRACE("overwrite, the caret at the start");
    ExpectChangedTo(Show(grid, L"XY"), Lines({L"XYcd", L"efgh"}));
    SCOPED_TRACE("insert drops the line's last character");
    ExpectChangedTo(Show(grid, L"{INS}Z"), Lines({L"Zabc", L"efgh"}));
    SCOPED_TRACE("insert mode lasts into the next run; Insert brings overwrite back");
    ExpectChangedTo(Show(grid, L"Q{INS}"), Lines({L"Qabc", L"efgh"}));
    SCOPED_TRACE("Backspace and Delete pull the line left and pad it");
    ExpectChangedTo(Show(grid, L"{RIGHT}{BS}{DEL}"), Lines({L"cd  ", L"efgh"}));
    SCOPED_TRACE("a typed n with tilde is held as its DOS character");
    ExpectChangedTo(Show(grid, L"\u00F1"), Lines({L"\u00A4bcd", L"efgh"}));
}

TEST_F(EditorHostTest, DrawsFramesWithTheCursorKeysAfterF6) {
    std::wstring expected = Page(250, 80);
    const std::size_t line = 250 + 2;
    expected[0] = L'\u00B3';
    expected[line] = L'\u00B3';
    expected[2 * line] = L'\u00C0';
    expected[2 * line + 1] = L'\u00C4';
    ExpectChangedTo(Show(L"", L"{F6}{DOWN}{DOWN}{RIGHT}{RIGHT}"), expected);
    SCOPED_TRACE("the next run starts out of drawing mode");
    ExpectChangedTo(Show(Lines({L"ab", L"cd"}), L"{DOWN}X"), Lines({L"ab", L"Xd"}));
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Real keystrokes with their modifiers: a double frame drawn with Shift+F6,
// selected as a block with Alt+Shift+arrows, copied, moved a cell right with
// Alt+Shift+Ctrl+Right; three Deshacer take back the move and the last two
// drawing steps, one Rehacer makes the last but one again. This program then
// reads the block from the clipboard as any other program would.
TEST_F(EditorHostTest, MovesADoubleFrameAsABlockAndUndoesStepByStep) {
    const std::wstring keys = L"{+F6}{RIGHT}{RIGHT}{DOWN}{LEFT}{LEFT}{UP}{RIGHT}{+F6}{LEFT}"
                              L"{%+RIGHT}{%+RIGHT}{%+DOWN}{^C}{^%+RIGHT}{^Z}{^Z}{^Z}{^Y}";
    ExpectChangedTo(
        Show(Page(6, 4), keys),
        Lines({L"\u00CD\u00CD\u00BB   ", L"\u00C8\u00CD\u00BC   ", L"      ", L"      "}));
    EXPECT_EQ(ClipboardText(), L"\u00C9\u00CD\u00BB\r\n\u00C8\u00CD\u00BC");
    EXPECT_TRUE(
        IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Vn_EditorTyp.BloqueRectangular")))
        << "the rows are marked as a block";
}

TEST_F(EditorHostTest, HelpButtonsStayHiddenOnceHidden) {
    THelpButtons first;
    THelpButtons second;
    TShowCall call;
    call.Caption = L"e2e vtable host help";
    call.WhileShown = [&](HWND editor) { first = SeeHelpButtons(editor); };
    ExpectShownAndClosed(FHost->Show(call, L"ab"));
    call.HelpContext = 7;
    call.HelpContextVar = 8;
    call.WhileShown = [&](HWND editor) { second = SeeHelpButtons(editor); };
    ExpectShownAndClosed(FHost->Show(call, L"ab"));
    EXPECT_TRUE(first.AyudaFound);
    EXPECT_TRUE(first.AyudaHidden);
    EXPECT_TRUE(first.VariablesHidden);
    EXPECT_TRUE(second.AyudaHidden) << "a positive context does not bring Ayuda back";
    EXPECT_TRUE(second.VariablesHidden);
}

TEST_F(EditorHostTest, TextEndsAtItsFirstNul) {
    ExpectChangedTo(Show(std::wstring(L"AB\0CD", 5)), L"AB");
}

// Its cell holds the byte the file and the paper get for it.
TEST_F(EditorHostTest, GivesAnUnpairedSurrogateTheCellOfAQuestionMark) {
    ExpectChangedTo(Show(Lines({L"A\xD800"
                                L"B",
                                L"C"})),
                    Lines({L"A?B", L"C  "}));
}

TEST_F(EditorHostTest, CarriesATenMegabyteTemplate) {
    const std::wstring line(100, L'x');
    std::wstring text;
    text.reserve(100'000 * 102);
    for (int i = 0; i < 100'000; ++i)
        text += (i ? L"\r\n" : L"") + line;
    text.pop_back(); // the last line one short: normalisation pads it
    TShowCall call;
    call.Caption = L"e2e vtable host large";
    call.Timeout = 60s;
    const TShowResult result = FHost->Show(call, text);
    ExpectShownAndClosed(result);
    EXPECT_EQ(result.Value, VARIANT_TRUE);
    EXPECT_EQ(result.Text.size(), text.size() + 1);
    EXPECT_TRUE(result.Text == text + L" ") << "the padded text comes back whole";
    EXPECT_LT(result.Elapsed, 30s);
}

// The common directory's trailing delimiter is not tested here: the window only
// uses the directory to place its TYPS folder, which adds a delimiter itself,
// so nothing outside the server shows whether one was stored.

using FreshEditorTest = ServerTest;

TEST_F(FreshEditorTest, HandleBeforeAnyShowAndHelpShownWithAContext) {
    TEditorHost fresh;
    VARIANT handle;
    ASSERT_EQ(fresh.Handle(handle), S_OK);
    ASSERT_EQ(handle.vt, VT_I4);
    HWND editor = reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle.lVal));
    EXPECT_TRUE(IsWindow(editor));
    EXPECT_FALSE(IsWindowVisible(editor));
    THelpButtons seen;
    TShowCall call;
    call.Caption = L"e2e vtable host fresh";
    call.HelpContext = 7;
    call.HelpContextVar = 8;
    call.WhileShown = [&](HWND shown) { seen = SeeHelpButtons(shown); };
    ExpectShownAndClosed(fresh.Show(call, L"ab"));
    EXPECT_EQ(seen.Editor, editor) << "Handle is the window that shows";
    EXPECT_TRUE(seen.AyudaFound);
    EXPECT_FALSE(seen.AyudaHidden);
    EXPECT_FALSE(seen.VariablesHidden);
}

// A host may close the editor through the handle it got from Handle.
TEST_F(FreshEditorTest, ReturnsWhenTheHostSendsWmClose) {
    TEditorHost fresh;
    TShowCall call;
    call.Caption = L"e2e vtable host closed by the host";
    call.Keys = L"Z";
    call.CloseWith = TCloseWith::SentWmClose;
    call.Timeout = 10s;
    ExpectChangedTo(fresh.Show(call, L"ab"), L"Zb");
}

} // namespace
} // namespace typ::win
