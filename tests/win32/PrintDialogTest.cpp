#include "DialogExpectations.h"
#include "dialogs/PrintDialogZv.h"

#include <gtest/gtest.h>
#include <string>

namespace typ::win::test {
namespace {

struct TPrintRun {
    TDialogShot Shot;
    int Shows = 0;
    std::wstring OkAtShow;
    std::wstring TitleAtShow;
};

// Shows the dialog; its show event may first change the dialog.
TPrintRun RunOnce(TPrinterDialogBase& dialog, HWND owner,
                  const std::function<void(HWND)>& atShow = nullptr) {
    TPrintRun run;
    dialog.OnShow = [&] {
        ++run.Shows;
        run.OkAtShow = ShotOf(dialog.Handle()).Caption(IDOK);
        run.TitleAtShow = ShotOf(dialog.Handle()).Title;
        if (atShow)
            atShow(dialog.Handle());
    };
    WhileShown([&] { dialog.Execute(owner); }, [&run](HWND window) { run.Shot = ShotOf(window); });
    return run;
}

class PrintDialogs : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureTestPrinter(); }
    TOwnerWindow FOwner;
};

TEST_F(PrintDialogs, PrintDialogShowsThenRelabels) {
    TPrintDialog plainDialog;
    const TDialogShot plain = RunOnce(plainDialog, FOwner.Handle()).Shot;
    ASSERT_EQ(plain.Caption(IDOK), L"OK");

    TPrintDialogZv dialog;
    const TPrintRun run = RunOnce(dialog, FOwner.Handle());
    EXPECT_EQ(run.Shows, 1);
    EXPECT_EQ(run.OkAtShow, L"OK");
    EXPECT_EQ(run.TitleAtShow, plain.Title);

    const TDialogShot& shot = run.Shot;
    EXPECT_EQ(shot.Title, L"Imprimir");
    ExpectWindowWider(plain, shot, 50);
    ExpectCaptions(shot, {{IDOK, L"Aceptar"},
                          {IDCANCEL, L"Cancelar"},
                          {1072, L"Imprimir"},
                          {1073, L"Copias"},
                          {1075, L"Impresora"},
                          {1092, L"Número de &copias:"},
                          {1093, L"&Nombre:"},
                          {1094, L"Tipo:"},
                          {1095, L"Estado:"},
                          {1096, L"Comentario:"},
                          {1097, L"Ubicación:"},
                          {1056, L"&Todo"},
                          {1057, L"&Selección"},
                          {1058, L"&Páginas"},
                          {1089, L"&de la"},
                          {1090, L"a &la"},
                          {1025, L"P&ropiedades"},
                          {1040, L"Imprimir en un &archivo"},
                          {1041, L"&Organizar"}});
    ExpectMoved(plain, shot, 1073, 0, 50);
    ExpectMoved(plain, shot, 1075, 0, 50);
    for (const int value : {1098, 1099, 1100, 1101})
        ExpectMoved(plain, shot, value, 5, 0);
    ExpectMoved(plain, shot, 1040, 0, 30);
    ExpectMoved(plain, shot, 1041, 0, 10);
    // The printer's name stays as the platform wrote it.
    EXPECT_EQ(shot.Caption(1098), plain.Caption(1098));
}

TEST_F(PrintDialogs, SetupDialogShowsThenRelabels) {
    TPrinterSetupDialog plainDialog;
    const TDialogShot plain = RunOnce(plainDialog, FOwner.Handle()).Shot;
    ASSERT_EQ(plain.Caption(IDOK), L"OK");

    TPrinterSetupDialogZV dialog;
    const TPrintRun run = RunOnce(dialog, FOwner.Handle());
    EXPECT_EQ(run.Shows, 1);
    EXPECT_EQ(run.OkAtShow, L"OK");

    const TDialogShot& shot = run.Shot;
    EXPECT_EQ(shot.Title, L"Configuración de impresión");
    EXPECT_TRUE(EqualRect(&shot.Window, &plain.Window));
    ExpectCaptions(shot, {{IDOK, L"Aceptar"},
                          {IDCANCEL, L"Cancelar"},
                          {1072, L"Orientación"},
                          {1073, L"Papel"},
                          {1075, L"Impresora"},
                          {1093, L"&Nombre:"},
                          {1094, L"Tipo:"},
                          {1095, L"Estado:"},
                          {1096, L"Comentario:"},
                          {1097, L"Ubicación:"},
                          {1056, L"&Vertical"},
                          {1057, L"&Horizontal"},
                          {1089, L"Ta&maño:"},
                          {1090, L"&Origen:"},
                          {1025, L"P&ropiedades"}});
    for (const int value : {1098, 1099, 1100, 1101})
        ExpectMoved(plain, shot, value, 5, 0);
    // This dialog has no "Net&work..." button: skipped without error.
    EXPECT_EQ(plain.Captioned(L"Net&work..."), nullptr);
    EXPECT_EQ(shot.Captioned(L"Red"), nullptr);
}

TEST_F(PrintDialogs, AnAceptarButtonInAnyCaseKeepsThemAsTheyAre) {
    const auto aceptar = [](HWND window) { SetDlgItemTextW(window, IDOK, L"ACEPTAR"); };
    TPrintDialog plainPrint;
    const TDialogShot plainPrintShot = RunOnce(plainPrint, FOwner.Handle(), aceptar).Shot;
    TPrintDialogZv print;
    ExpectUnchanged(plainPrintShot, RunOnce(print, FOwner.Handle(), aceptar).Shot);

    TPrinterSetupDialog plainSetup;
    const TDialogShot plainSetupShot = RunOnce(plainSetup, FOwner.Handle(), aceptar).Shot;
    TPrinterSetupDialogZV setup;
    ExpectUnchanged(plainSetupShot, RunOnce(setup, FOwner.Handle(), aceptar).Shot);
}

TEST_F(PrintDialogs, SetupDialogHandsOverTheChosenPrinter) {
    TPrinterSetupDialogZV dialog;
    EXPECT_TRUE(dialog.Printer().Empty());
    bool confirmed = false;
    WhileShown([&] { confirmed = dialog.Execute(FOwner.Handle()); }, [](HWND) {}, IDOK);
    ASSERT_TRUE(confirmed);
    const TPrinterChoice printer = dialog.Printer();
    EXPECT_EQ(printer.Device, kTestPrinter);
    EXPECT_EQ(printer.Port, L"FILE:");
    ASSERT_NE(printer.DevModeData(), nullptr);
    EXPECT_EQ(std::wstring(printer.DevModeData()->dmDeviceName), kTestPrinter);
    EXPECT_NE(dialog.DevMode(), nullptr);
    EXPECT_NE(dialog.DevNames(), nullptr);

    const HDC printerDc =
        CreateDCW(printer.Driver.c_str(), printer.Device.c_str(), nullptr, printer.DevModeData());
    EXPECT_NE(printerDc, nullptr);
    DeleteDC(printerDc);

    dialog.StartFrom(nullptr, nullptr);
    EXPECT_TRUE(dialog.Printer().Empty());
}

TEST_F(PrintDialogs, PrintDialogReturnsCopiesAndRange) {
    TPrintDialogZv dialog;
    dialog.SetCopies(2);
    dialog.SetMinPage(1);
    dialog.SetMaxPage(9);
    dialog.SetFromPage(3);
    dialog.SetToPage(4);
    dialog.SetOptions(PD_PAGENUMS | PD_NOSELECTION);
    bool confirmed = false;
    WhileShown([&] { confirmed = dialog.Execute(FOwner.Handle()); }, [](HWND) {}, IDOK);
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(dialog.Copies(), 2);
    EXPECT_EQ(dialog.FromPage(), 3);
    EXPECT_EQ(dialog.ToPage(), 4);
    EXPECT_NE(dialog.Options() & PD_PAGENUMS, 0u);
    EXPECT_EQ(dialog.Printer().Device, kTestPrinter);
}

} // namespace
} // namespace typ::win::test
