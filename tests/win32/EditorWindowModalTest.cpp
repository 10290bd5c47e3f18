#include "EditorWindowTestSupport.h"
#include "editor/CommandIds.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

namespace typ::win::test {
namespace {

constexpr char16_t kPage[] = u"abcdefghij\r\nklmnopqrst\r\nuvwxyz0123";

class TModalForm : public TfrmEditorTYP {
public:
    int Shows = 0;
    int Refusals = 0;
    bool ModifiedAtShow = true;
    int Helps = 0;
    std::u16string TextAtClose;

protected:
    void HelpHook() override { ++Helps; }
    void ShowHook() override {
        ++Shows;
        ModifiedAtShow = Grid().Editor().Modified();
    }
    void CloseQueryHook(bool& canClose) override {
        if (Refusals > 0) {
            --Refusals;
            canClose = false;
        }
    }
    void CloseHook() override { TextAtClose = TypInMemo(); }
};

TEST(EditorWindowModal, EscapeEndsTheModalRunWithTheTextInTypInMemo) {
    TModalForm form;
    form.LoadText(kPage);
    form.SetPageSize(10, 3);
    form.Grid().Editor().SetModified(true);
    const HWND other = CreateWindowExW(0, L"STATIC", L"otra", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50,
                                       50, nullptr, nullptr, nullptr, nullptr);
    bool otherDisabledMeanwhile = false;
    RunLater([&] {
        otherDisabledMeanwhile = !IsWindowEnabled(other);
        PostKey(GridOf(form), 'Q');
    });
    // The character the loop makes of the key is queued after the key-up.
    RunLater([&] { PostKey(GridOf(form), VK_ESCAPE); }, 150);
    form.ShowModal();
    EXPECT_TRUE(otherDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(other));
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(form.Shows, 1);
    EXPECT_FALSE(form.ModifiedAtShow);
    // The modal loop translated the key into its character.
    EXPECT_EQ(form.TypInMemo(), u"qbcdefghij\r\nklmnopqrst\r\nuvwxyz0123");
    EXPECT_EQ(form.TextAtClose, form.TypInMemo());
    DestroyWindow(other);

    // The Escape key-up left behind does not close the next run at once.
    RunLater(
        [&] {
            EXPECT_TRUE(IsWindowVisible(form.Handle()));
            SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
        },
        200);
    form.ShowModal();
    EXPECT_EQ(form.Shows, 2);
}

TEST(EditorWindowModal, CerrarClosesOnlyWhenTheCloseQueryAllows) {
    TModalForm form;
    form.Refusals = 1;
    bool openAfterRefusal = false;
    RunLater([&] {
        SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(TCommandId::actCerrar), 0);
        openAfterRefusal = IsWindowVisible(form.Handle()) != FALSE;
        PostMessageW(form.Handle(), WM_COMMAND, CommandMessageId(TCommandId::actCerrar), 0);
    });
    form.ShowModal();
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(form.TypInMemo().size(), 80u * 252u - 2u);
}

TEST(EditorWindowModal, AcceleratorsWorkInTheModalRunOfAMaximizedWindow) {
    TModalForm form;
    form.SetMaximized();
    bool zoomed = false;
    RunLater([&] {
        zoomed = IsZoomed(form.Handle()) != FALSE;
        PostKey(GridOf(form), VK_F1);
    });
    RunLater([&] { PostMessageW(form.Handle(), WM_CLOSE, 0, 0); }, 150);
    form.ShowModal();
    EXPECT_TRUE(zoomed);
    EXPECT_EQ(form.Helps, 1);
}

// The accelerator takes F3's key-down, so the grid never sees the key-up that
// refreshes the status: the command itself has to.
TEST(EditorWindowModal, TheCaretPositionPanelFollowsAShortcutCommand) {
    TModalForm form;
    form.LoadText(u"uno dos\r\ntres dos");
    std::wstring afterF3;
    RunLater([&] {
        SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(TCommandId::actBuscar), 0);
        const std::vector<HWND> dialogs = ThreadWindows(L"#32770");
        ASSERT_FALSE(dialogs.empty());
        SetDlgItemTextW(dialogs.front(), edt1, L"dos");
        SendMessageW(dialogs.front(), WM_COMMAND, IDOK, 0);
        PostKey(GridOf(form), VK_F3);
    });
    RunLater(
        [&] {
            afterF3 = StatusText(StatusBarOf(form), 2);
            PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
        },
        200);
    form.ShowModal();
    EXPECT_EQ(form.Grid().Editor().SelStart(), 14);
    EXPECT_EQ(afterF3, L"Posición: (x, y) = (5, 2) - Texto seleccionado: 3 caracteres");
}

} // namespace
} // namespace typ::win::test
