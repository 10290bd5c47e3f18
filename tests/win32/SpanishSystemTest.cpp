#include "DialogExpectations.h"
#include "dialogs/FindDialogZv.h"
#include "dialogs/OpenDialogZv.h"
#include "dialogs/PrintDialogZv.h"
#include "dialogs/SaveDialogZv.h"

#include <gtest/gtest.h>

// Run in a process whose dialogs speak Spanish (dialogs_tests_spanish).
namespace typ::win::test {
namespace {

template <class TDialog> TDialogShot ShotOfModal(TDialog& dialog, HWND owner) {
    TDialogShot shot;
    WhileShown([&] { dialog.Execute(owner); }, [&shot](HWND window) { shot = ShotOf(window); });
    return shot;
}

TDialogShot ShotOfModeless(TFindDialog& dialog, HWND owner) {
    EXPECT_TRUE(dialog.Execute(owner));
    Pump();
    TDialogShot shot = ShotOf(dialog.Handle());
    dialog.CloseDialog();
    return shot;
}

class SpanishSystem : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureTestPrinter(); }
    TOwnerWindow FOwner;
};

TEST_F(SpanishSystem, FindAndReplaceDialogsStayAsTheyAre) {
    TFindDialog plainFind;
    const TDialogShot plainFindShot = ShotOfModeless(plainFind, FOwner.Handle());
    ASSERT_EQ(plainFindShot.Caption(IDCANCEL), L"Cancelar");
    int shows = 0;
    TFindDialogZV find;
    find.OnShow = [&shows] { ++shows; };
    ExpectUnchanged(plainFindShot, ShotOfModeless(find, FOwner.Handle()));
    EXPECT_EQ(shows, 1);

    TReplaceDialog plainReplace;
    TReplaceDialogZV replace;
    const TDialogShot plainReplaceShot = ShotOfModeless(plainReplace, FOwner.Handle());
    ExpectUnchanged(plainReplaceShot, ShotOfModeless(replace, FOwner.Handle()));
}

TEST_F(SpanishSystem, PrintDialogsStayAsTheyAre) {
    TPrintDialog plainPrint;
    const TDialogShot plainPrintShot = ShotOfModal(plainPrint, FOwner.Handle());
    ASSERT_EQ(plainPrintShot.Caption(IDOK), L"Aceptar");
    TPrintDialogZv print;
    ExpectUnchanged(plainPrintShot, ShotOfModal(print, FOwner.Handle()));

    TPrinterSetupDialog plainSetup;
    const TDialogShot plainSetupShot = ShotOfModal(plainSetup, FOwner.Handle());
    TPrinterSetupDialogZV setup;
    ExpectUnchanged(plainSetupShot, ShotOfModal(setup, FOwner.Handle()));
}

TEST_F(SpanishSystem, OpenDialogStaysAsItIsButStillGetsTheColumnHeaders) {
    TOpenDialog plainDialog;
    plainDialog.SetFilter(L"Plantillas (*.typ)|*.typ|Todos los archivos (*.*)|*.*");
    const TDialogShot plain = ShotOfModal(plainDialog, FOwner.Handle());
    ASSERT_EQ(plain.Caption(IDCANCEL), L"Cancelar");

    TOpenDialogZv dialog;
    dialog.SetFilter(L"Plantillas (*.typ)|*.typ|Todos los archivos (*.*)|*.*");
    int shows = 0;
    dialog.OnShow = [&shows] { ++shows; };
    TDialogShot shot;
    std::vector<std::wstring> headers;
    WhileShown([&] { dialog.Execute(FOwner.Handle()); },
               [&](HWND window) {
                   shot = ShotOf(window);
                   for (int column = 0; column < 5; ++column)
                       SetColumnHeader(window, column, L"?");
                   PickFileType(window, 1);
                   headers = ColumnHeaders(window);
               });
    ExpectUnchanged(plain, shot);
    EXPECT_EQ(shows, 1);
    headers.resize(5);
    const std::vector<std::wstring> expected = {L"Nombre", L"Tamaño", L"Tipo", L"Modificado",
                                                L"Atributos"};
    EXPECT_EQ(headers, expected);
}

TEST_F(SpanishSystem, SaveDialogIsRelabelledForSavingAllTheSame) {
    TOpenDialog plainDialog;
    const TDialogShot plain = ShotOfModal(plainDialog, FOwner.Handle());
    // This system's file name label is not "&Nombre de archivo:", so the
    // save wrapper's second part acts too.
    ASSERT_NE(plain.Caption(1090), L"&Nombre de archivo:");

    TSaveDialogZv dialog;
    const TDialogShot shot = ShotOfModal(dialog, FOwner.Handle());
    EXPECT_EQ(shot.Title, L"Guardar como");
    ExpectCaptions(shot,
                   {{IDOK, L"&Guardar"}, {1091, L"G&uardar en:"}, {1089, L"Guardar c&omo tipo:"}});
    EXPECT_EQ(shot.Caption(1090), plain.Caption(1090));
    EXPECT_EQ(shot.Caption(IDCANCEL), L"Cancelar");
    EXPECT_EQ(shot.Caption(1038), L"Ay&uda1");
    ExpectMoved(plain, shot, 1089, 0, 30);
    ExpectMoved(plain, shot, 1136, 32, -24);
}

} // namespace
} // namespace typ::win::test
