#include "EditorWindowTestSupport.h"
#include "editor/CommandIds.h"

#include <commctrl.h>
#include <dlgs.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

// The clipboard, import and export commands as the menus send them, with the
// platform's clipboard and the platform's file dialogs and message boxes
// answered the way a person would.
namespace typ::win::test {
namespace {

namespace fs = std::filesystem;
using enum TCommandId;

void RunCommand(TfrmEditorTYP& form, TCommandId command) {
    SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(command), 0);
}

void PutClipboardText(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str());
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

std::wstring ClipboardText(HWND owner) {
    if (!OpenClipboard(owner))
        return L"<closed>";
    std::wstring text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// Answers the next dialog box of this thread once it is up: `answer` gets
// it and does what a person would.
void WhenDialogShows(std::function<void(HWND)> answer, int attempts = 100) {
    RunLater([answer = std::move(answer), attempts]() mutable {
        for (const HWND box : ThreadWindows(L"#32770")) {
            if (IsWindowVisible(box)) {
                answer(box);
                return;
            }
        }
        if (attempts > 0)
            WhenDialogShows(std::move(answer), attempts - 1);
    });
}

// Types a file name into an open or save dialog and accepts it.
void ChooseFile(HWND dialog, const fs::path& file) {
    const std::wstring name = file.wstring();
    if (!SetDlgItemTextW(dialog, cmb13, name.c_str()))
        SetDlgItemTextW(dialog, edt1, name.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

std::string FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

class TTemplateFolder : public ::testing::Test {
protected:
    void SetUp() override {
        Root =
            fs::temp_directory_path() / ("typ-commands-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(Root);
        fs::create_directories(Root);
        Form.SetCaption(u"FACTURA");
        Form.SetTypeEdition(2);
        Form.SetDirComunes(Root.u16string() + u"\\");
        ShowPlain(Form);
    }
    void TearDown() override { fs::remove_all(Root); }

    fs::path Typs() const { return Root / "TYPS"; }

    fs::path Root;
    TfrmEditorTYP Form;
};

TEST(EditorWindowClipboard, CopiarCortarAndPegarMoveTheGridTextUnconverted) {
    TfrmEditorTYP form;
    form.LoadText(u"\u00DA\u00C4\u00BFab\r\n\u00B3xy  \r\n     ");
    form.SetPageSize(5, 3);
    form.Grid().Editor().SetSel(0, 3);
    RunCommand(form, actCopiar);
    EXPECT_EQ(ClipboardText(form.Handle()), L"\u00DA\u00C4\u00BF");

    form.Grid().Editor().SetSel(8, 10);
    RunCommand(form, actCortar);
    EXPECT_EQ(ClipboardText(form.Handle()), L"xy");
    EXPECT_EQ(form.Grid().Editor().Text(), u"\u00DA\u00C4\u00BFab\r\n\u00B3    \r\n     ");

    PutClipboardText(form.Handle(), L"12\r\n34");
    form.Grid().Editor().SetSel(1, 1);
    RunCommand(form, actPegar);
    EXPECT_EQ(form.Grid().Editor().Text(), u"\u00DA12  \r\n34\u00C4\u00BFa\r\n\u00B3    ");
}

// Runs `then` with whether `condition` came to hold on the thread's message
// loop within about two seconds.
void WhenTrue(std::function<bool()> condition, std::function<void(bool)> then, int attempts = 40) {
    RunLater([condition = std::move(condition), then = std::move(then), attempts]() mutable {
        if (condition() || attempts == 0)
            then(condition());
        else
            WhenTrue(std::move(condition), std::move(then), attempts - 1);
    });
}

TEST(EditorWindowClipboard, IdleWindowEnablesCortarCopiarPegarFromSelectionAndClipboard) {
    TfrmEditorTYP form;
    form.LoadText(u"abcdef");
    form.SetPageSize(6, 1);
    ASSERT_TRUE(OpenClipboard(form.Handle()));
    EmptyClipboard();
    CloseClipboard();
    const HWND toolBar = ToolBarOf(form);
    const auto enabled = [toolBar](TCommandId command) {
        return SendMessageW(toolBar, TB_ISBUTTONENABLED, CommandMessageId(command), 0) != 0;
    };
    bool disabledWhileNothing = false;
    bool enabledWithSelectionAndText = false;
    WhenTrue([&] { return !enabled(actCortar) && !enabled(actCopiar) && !enabled(actPegar); },
             [&](bool disabled) {
                 disabledWhileNothing = disabled;
                 form.Grid().Editor().SetSel(1, 2);
                 PutClipboardText(form.Handle(), L"z");
                 WhenTrue(
                     [&] { return enabled(actCortar) && enabled(actCopiar) && enabled(actPegar); },
                     [&](bool enabledNow) {
                         enabledWithSelectionAndText = enabledNow;
                         SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
                     });
             });
    form.ShowModal();
    EXPECT_TRUE(disabledWhileNothing);
    EXPECT_TRUE(enabledWithSelectionAndText);
}

TEST_F(TTemplateFolder, ExportarWritesTheGridIntoTheTypsFolderAndAsksBeforeOverwriting) {
    Form.LoadText(u"AB\u00C4");
    Form.SetPageSize(5, 3);
    const fs::path target = Typs() / "FACTURA.TYP";
    std::wstring title;
    std::wstring proposed;
    WhenDialogShows([&](HWND dialog) {
        title = TextOf(dialog);
        wchar_t name[MAX_PATH] = {};
        if (!GetDlgItemTextW(dialog, cmb13, name, MAX_PATH))
            GetDlgItemTextW(dialog, edt1, name, MAX_PATH);
        proposed = name;
        ChooseFile(dialog, target);
    });
    RunCommand(Form, actExportarTyp);
    EXPECT_TRUE(fs::is_directory(Typs()));
    EXPECT_EQ(title, L"Exportando FACTURA.TYP");
    EXPECT_EQ(proposed, L"FACTURA.TYP");
    EXPECT_EQ(FileBytes(target), "AB\xC4  \r\n     \r\n     ");

    Form.LoadText(u"xyz");
    std::wstring question;
    WhenDialogShows([&](HWND dialog) {
        ChooseFile(dialog, target);
        WhenDialogShows([&](HWND box) {
            question = TextOf(GetDlgItem(box, 0xFFFF));
            PostMessageW(box, WM_COMMAND, IDNO, 0);
        });
    });
    RunCommand(Form, actExportarTyp);
    EXPECT_EQ(question, L"El archivo ya existe, desea sobreescribirlo?");
    EXPECT_EQ(FileBytes(target), "AB\xC4  \r\n     \r\n     ") << "No keeps the file";
}

TEST_F(TTemplateFolder, ImportarLoadsTheFileAndTakesItsPageSize) {
    fs::create_directories(Typs());
    const fs::path source = Typs() / "OTRA.TYP";
    WriteBytes(source, "\xDA\xC4\xBF\r\n\xB3 \xB3 extra\r\n\xC0");
    std::wstring title;
    WhenDialogShows([&](HWND dialog) {
        title = TextOf(dialog);
        ChooseFile(dialog, source);
    });
    RunCommand(Form, actImportarTyp);
    EXPECT_EQ(title, L"Importando FACTURA.TYP");
    EXPECT_EQ(Form.Grid().AnchoPagina(), 3);
    EXPECT_EQ(Form.Grid().AltoPagina(), 3);
    EXPECT_EQ(Form.Grid().Editor().Text(), u"\u00DA\u00C4\u00BF\r\n\u00B3 \u00B3\r\n\u00C0  ");
}

TEST_F(TTemplateFolder, ACancelledImportKeepsTheTextAndItsPage) {
    Form.LoadText(u"abc\r\ndef");
    Form.SetPageSize(3, 2);
    WhenDialogShows([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    RunCommand(Form, actImportarTyp);
    EXPECT_EQ(Form.Grid().Editor().Text(), u"abc\r\ndef");
    EXPECT_EQ(Form.Grid().AnchoPagina(), 3);
    EXPECT_EQ(Form.Grid().AltoPagina(), 2);
}

HWND VisibleDialogOtherThan(HWND known) {
    for (const HWND box : ThreadWindows(L"#32770"))
        if (box != known && IsWindowVisible(box))
            return box;
    return nullptr;
}

// Answers the next message box (a dialog other than `known`) with `button`,
// noting its text.
void AnswerMessageBox(HWND known, int button, std::wstring& text, int attempts = 100) {
    RunLater([known, button, &text, attempts] {
        if (const HWND box = VisibleDialogOtherThan(known)) {
            text = TextOf(GetDlgItem(box, 0xFFFF));
            PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        } else if (attempts > 0) {
            AnswerMessageBox(known, button, text, attempts - 1);
        }
    });
}

// Buscar opens the modeless find dialog; the editor stays usable meanwhile.
HWND OpenSearchDialog(TfrmEditorTYP& form, TCommandId command) {
    RunCommand(form, command);
    return VisibleDialogOtherThan(nullptr);
}

TEST(EditorWindowSearch, FindNextSelectsTheMatchClosesTheDialogAndF3GoesOnAndWraps) {
    TfrmEditorTYP form;
    form.LoadText(u"uno dos\r\ntres dos");
    ShowPlain(form);
    const HWND dialog = OpenSearchDialog(form, actBuscar);
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextW(dialog, edt1, L"DOS");
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(form.Grid().Editor().SelStart(), 4);
    EXPECT_EQ(form.Grid().Editor().SelLength(), 3);
    EXPECT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "a successful find closes it";

    RunCommand(form, actBuscarSiguiente);
    EXPECT_EQ(form.Grid().Editor().SelStart(), 14);
    std::wstring question;
    AnswerMessageBox(nullptr, IDYES, question);
    RunCommand(form, actBuscarSiguiente);
    EXPECT_EQ(question, L"Se llegó al final del documento. ¿Desea recomenzar?");
    EXPECT_EQ(form.Grid().Editor().SelStart(), 4) << "Yes starts again from the top";
}

TEST(EditorWindowSearch, ReplaceAllReplacesUntilTheUserStopsAtTheEnd) {
    TfrmEditorTYP form;
    form.LoadText(u"a-b-c");
    ShowPlain(form);
    const HWND dialog = OpenSearchDialog(form, actReemplazar);
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextW(dialog, edt1, L"-");
    SetDlgItemTextW(dialog, edt2, L"+=");
    std::wstring question;
    AnswerMessageBox(dialog, IDNO, question);
    SendMessageW(dialog, WM_COMMAND, psh2, 0);
    EXPECT_EQ(form.Grid().Editor().Text(), u"a+=b+=c");
    EXPECT_EQ(question, L"Se llegó al final del documento. ¿Desea recomenzar?");
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// The window's AskHook says no without asking, so Replace only moves on.
TEST(EditorWindowSearch, SingleReplaceMovesFromOccurrenceToOccurrence) {
    TfrmEditorTYP form;
    form.LoadText(u"x-y-z");
    ShowPlain(form);
    const HWND dialog = OpenSearchDialog(form, actReemplazar);
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextW(dialog, edt1, L"-");
    SetDlgItemTextW(dialog, edt2, L"+");
    SendMessageW(dialog, WM_COMMAND, psh1, 0);
    EXPECT_EQ(form.Grid().Editor().SelStart(), 1);
    SendMessageW(dialog, WM_COMMAND, psh1, 0);
    EXPECT_EQ(form.Grid().Editor().SelStart(), 3);
    EXPECT_EQ(form.Grid().Editor().Text(), u"x-y-z");
    RunCommand(form, actCerrar);
    EXPECT_FALSE(IsWindow(dialog) && IsWindowVisible(dialog)) << "closing the editor closes it";
}

TEST(EditorWindowSearch, AnOpenDialogClosesWithTheWindow) {
    HWND dialog = nullptr;
    {
        TfrmEditorTYP form;
        ShowPlain(form);
        dialog = OpenSearchDialog(form, actBuscar);
        ASSERT_NE(dialog, nullptr);
    }
    Pump();
    EXPECT_FALSE(IsWindow(dialog));
}

TEST(EditorWindowSearch, BuscarSiguienteDoesNothingBeforeAFirstSearch) {
    TfrmEditorTYP form;
    form.LoadText(u"uno dos uno");
    form.Grid().Editor().SetSel(0, 0);
    RunCommand(form, actBuscarSiguiente);
    EXPECT_EQ(form.Grid().Editor().SelStart(), 0);
    EXPECT_EQ(form.Grid().Editor().SelLength(), 0);
}

} // namespace
} // namespace typ::win::test
