#include "DialogExpectations.h"
#include "dialogs/FindDialogZv.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace typ::win::test {
namespace {

constexpr int kFindEdit = 1152;
constexpr int kReplaceEdit = 1153;
constexpr int kReplaceButton = 1024;
constexpr int kReplaceAllButton = 1025;
constexpr int kWholeWord = 1040;

// Opens the dialog, takes its picture and closes it again; its show event
// may first change the dialog.
TDialogShot ShotOfOpened(TFindDialog& dialog, HWND owner,
                         const std::function<void(HWND)>& atShow = nullptr) {
    if (atShow)
        dialog.OnShow = [&dialog, &atShow] { atShow(dialog.Handle()); };
    EXPECT_TRUE(dialog.Execute(owner));
    Pump();
    TDialogShot shot = ShotOf(dialog.Handle());
    dialog.CloseDialog();
    dialog.OnShow = nullptr;
    Pump();
    return shot;
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    Pump();
}

TEST(FindDialogZv, ShowsThenRelabelsAnEnglishDialog) {
    const TOwnerWindow owner;
    TFindDialog plainDialog;
    const TDialogShot plain = ShotOfOpened(plainDialog, owner.Handle());
    ASSERT_EQ(plain.Caption(IDCANCEL), L"Cancel");

    TFindDialogZV dialog;
    std::wstring cancelAtShow;
    dialog.OnShow = [&] { cancelAtShow = ShotOf(dialog.Handle()).Caption(IDCANCEL); };
    ASSERT_TRUE(dialog.Execute(owner.Handle()));
    Pump();
    const TDialogShot shot = ShotOf(dialog.Handle());
    SaveScreenshot(dialog.Handle(), L"find-dialog-relabelled.png");
    dialog.CloseDialog();

    EXPECT_EQ(cancelAtShow, L"Cancel");
    EXPECT_EQ(shot.Title, L"Buscar");
    ExpectWindowWider(plain, shot, 20);
    ExpectCaptions(shot,
                   {{IDOK, L"Bu&scar siguiente"}, {IDCANCEL, L"Cancelar"}, {1038, L"Ay&uda"}});
    EXPECT_NE(shot.Captioned(L"&Buscar"), nullptr);
    ASSERT_NE(plain.Captioned(L"Fi&nd What:"), nullptr);
    EXPECT_EQ(shot.Captioned(L"Fi&nd What:"), nullptr);
    ExpectCaptions(shot, {{1040, L"Sólo palabra &completa"},
                          {1041, L"&Mayúsculas y minúsculas"},
                          {1072, L"Dirección"},
                          {1056, L"A&rriba"},
                          {1057, L"Abaj&o"}});
    for (const int button : {IDOK, IDCANCEL, 1038})
        ExpectMoved(plain, shot, button, 0, 15);
    ExpectMoved(plain, shot, 1040, 0, 0);
    ExpectMoved(plain, shot, 1041, 0, 42);
    ExpectMoved(plain, shot, 1072, -6, 6);
    ExpectMoved(plain, shot, 1056, -6, 7);
    ExpectMoved(plain, shot, 1057, 5, -4);
}

TEST(ReplaceDialogZv, ShowsThenRelabelsAnEnglishDialog) {
    const TOwnerWindow owner;
    TReplaceDialog plainDialog;
    const TDialogShot plain = ShotOfOpened(plainDialog, owner.Handle());
    ASSERT_EQ(plain.Caption(IDCANCEL), L"Cancel");

    TReplaceDialogZV dialog;
    std::wstring titleAtShow;
    const TDialogShot shot = ShotOfOpened(dialog, owner.Handle(), [&titleAtShow](HWND window) {
        titleAtShow = ShotOf(window).Title;
    });

    EXPECT_EQ(titleAtShow, plain.Title);
    EXPECT_EQ(shot.Title, L"Reemplazar");
    ExpectWindowWider(plain, shot, 15);
    ExpectCaptions(shot, {{IDOK, L"Bu&scar siguiente"},
                          {kReplaceButton, L"&Reemplazar"},
                          {kReplaceAllButton, L"Reempla&zar todo"},
                          {IDCANCEL, L"Cancelar"},
                          {1038, L"Ay&uda"}});
    EXPECT_NE(shot.Captioned(L"&Buscar"), nullptr);
    EXPECT_NE(shot.Captioned(L"R&eemplazar por:"), nullptr);
    EXPECT_EQ(shot.Caption(1040), L"Sólo palabra &completa");
    EXPECT_EQ(shot.Caption(1041), L"&Mayúsculas y minúsculas");
    for (const int button : {IDOK, kReplaceButton, kReplaceAllButton, IDCANCEL, 1038})
        ExpectMoved(plain, shot, button, 0, 15);
    ExpectMoved(plain, shot, 1040, 0, 50);
    ExpectMoved(plain, shot, 1041, 0, 50);
}

TEST(FindDialogZv, ACancelarButtonInAnyCaseKeepsTheDialogsAsTheyAre) {
    const TOwnerWindow owner;
    const auto cancelar = [](HWND window) { SetDlgItemTextW(window, IDCANCEL, L"cAnCeLaR"); };
    TFindDialog plainFind;
    TFindDialogZV find;
    const TDialogShot plainFindShot = ShotOfOpened(plainFind, owner.Handle(), cancelar);
    ExpectUnchanged(plainFindShot, ShotOfOpened(find, owner.Handle(), cancelar));

    TReplaceDialog plainReplace;
    TReplaceDialogZV replace;
    const TDialogShot plainReplaceShot = ShotOfOpened(plainReplace, owner.Handle(), cancelar);
    ExpectUnchanged(plainReplaceShot, ShotOfOpened(replace, owner.Handle(), cancelar));
}

TEST(FindDialog, TellsItsWrapperWhatToFind) {
    const TOwnerWindow owner;
    TFindDialogZV dialog;
    dialog.SetFindText(u"hola");
    dialog.SetOptions(frDown | frMatchCase);
    int finds = 0;
    dialog.OnFind = [&finds] { ++finds; };
    ASSERT_TRUE(dialog.Execute(owner.Handle()));
    const HWND window = dialog.Handle();
    EXPECT_EQ(ShotOf(window).Caption(kFindEdit), L"hola");

    SetDlgItemTextW(window, kFindEdit, L"adiós");
    SendDlgItemMessageW(window, kWholeWord, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(kWholeWord, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kWholeWord)));
    Click(window, IDOK);
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(dialog.FindText(), u"adiós");
    EXPECT_EQ(dialog.Options(), frDown | frMatchCase | frWholeWord);
    dialog.CloseDialog();
}

TEST(FindDialog, EnterInTheDialogFindsThroughTheOwnersMessageLoop) {
    const TOwnerWindow owner;
    TFindDialogZV dialog;
    dialog.SetFindText(u"hola");
    int finds = 0;
    dialog.OnFind = [&finds] { ++finds; };
    ASSERT_TRUE(dialog.Execute(owner.Handle()));
    const HWND edit = GetDlgItem(dialog.Handle(), kFindEdit);
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    EXPECT_TRUE(PumpUntil([&finds] { return finds == 1; }));
    EXPECT_EQ(dialog.FindText(), u"hola");
    dialog.CloseDialog();
}

TEST(ReplaceDialog, TellsReplaceFromReplaceAll) {
    const TOwnerWindow owner;
    TReplaceDialogZV dialog;
    dialog.SetFindText(u"uno");
    dialog.SetReplaceText(u"dos");
    std::vector<TFindOptions> replaces;
    int finds = 0;
    dialog.OnReplace = [&] { replaces.push_back(dialog.Options()); };
    dialog.OnFind = [&finds] { ++finds; };
    ASSERT_TRUE(dialog.Execute(owner.Handle()));
    const HWND window = dialog.Handle();
    SetDlgItemTextW(window, kReplaceEdit, L"tres");

    Click(window, kReplaceButton);
    Click(window, kReplaceAllButton);
    Click(window, IDOK);
    ASSERT_EQ(replaces.size(), 2u);
    EXPECT_NE(replaces[0] & frReplace, 0u);
    EXPECT_EQ(replaces[0] & frReplaceAll, 0u);
    EXPECT_NE(replaces[1] & frReplaceAll, 0u);
    EXPECT_EQ(replaces[1] & frReplace, 0u);
    EXPECT_EQ(finds, 1);
    EXPECT_EQ(dialog.FindText(), u"uno");
    EXPECT_EQ(dialog.ReplaceText(), u"tres");
    dialog.CloseDialog();
}

TEST(FindDialog, ClosesAndOpensAgain) {
    const TOwnerWindow owner;
    TFindDialogZV dialog;
    int closes = 0;
    dialog.OnClose = [&closes] { ++closes; };
    ASSERT_TRUE(dialog.Execute(owner.Handle()));
    const HWND first = dialog.Handle();
    EXPECT_TRUE(dialog.Execute(owner.Handle()));
    EXPECT_EQ(dialog.Handle(), first);

    dialog.CloseDialog();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(first));

    ASSERT_TRUE(dialog.Execute(owner.Handle()));
    EXPECT_EQ(ShotOf(dialog.Handle()).Title, L"Buscar");
    Click(dialog.Handle(), IDCANCEL);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(FindDialog, EachOfTwoDialogsHearsItsOwnCommands) {
    const TOwnerWindow owner;
    TFindDialogZV find;
    TReplaceDialogZV replace;
    int findFinds = 0;
    int replaceFinds = 0;
    find.OnFind = [&findFinds] { ++findFinds; };
    replace.OnFind = [&replaceFinds] { ++replaceFinds; };
    ASSERT_TRUE(find.Execute(owner.Handle()));
    ASSERT_TRUE(replace.Execute(owner.Handle()));
    SetDlgItemTextW(find.Handle(), kFindEdit, L"a");
    SetDlgItemTextW(replace.Handle(), kFindEdit, L"b");
    Click(replace.Handle(), IDOK);
    EXPECT_EQ(replaceFinds, 1);
    EXPECT_EQ(findFinds, 0);
    EXPECT_EQ(replace.FindText(), u"b");
    find.CloseDialog();
    replace.CloseDialog();
}

TEST(FindDialog, AWrapperThatGoesTakesItsDialogAlong) {
    const TOwnerWindow owner;
    int closes = 0;
    auto dialog = std::make_unique<TReplaceDialogZV>();
    dialog->OnClose = [&closes] { ++closes; };
    ASSERT_TRUE(dialog->Execute(owner.Handle()));
    const HWND window = dialog->Handle();
    dialog.reset();
    Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(closes, 0);
}

TEST(FindDialog, NotCreatedWhenItsShowEventRaises) {
    const TOwnerWindow owner;
    TFindDialogZV dialog;
    int closes = 0;
    dialog.OnShow = [] { throw std::runtime_error("sin diálogo"); };
    dialog.OnClose = [&closes] { ++closes; };
    EXPECT_THROW(dialog.Execute(owner.Handle()), std::runtime_error);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(closes, 0);
    Pump();
}

TEST(FindDialog, IgnoresNotificationsItDoesNotKnow) {
    const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
    FINDREPLACEW stranger{};
    stranger.Flags = FR_FINDNEXT;
    EXPECT_FALSE(DispatchFindReplaceMessage(message, reinterpret_cast<LPARAM>(&stranger)));
    EXPECT_FALSE(DispatchFindReplaceMessage(WM_USER, 0));
}

} // namespace
} // namespace typ::win::test
