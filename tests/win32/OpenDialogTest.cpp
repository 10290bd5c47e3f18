#include "DialogExpectations.h"
#include "dialogs/OpenDialogZv.h"
#include "dialogs/SaveDialogZv.h"

#include <commdlg.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>

namespace typ::win::test {
namespace {

constexpr int kHelp = 1038;
constexpr int kReadOnly = 1040;
constexpr int kTypeLabel = 1089;
constexpr int kNameLabel = 1090;
constexpr int kLookInLabel = 1091;
constexpr int kFileType = 1136;
constexpr int kFileNameEdit = 1152;
// The explorer dialog's file name field (a combo box, not edt1).
constexpr int kFileNameCombo = 1148;

const std::vector<std::wstring> kSpanishHeaders = {L"Nombre", L"Tamaño", L"Tipo", L"Modificado",
                                                   L"Atributos"};

struct TOpenRun {
    TDialogShot Shot;
    std::vector<std::wstring> Tips;
    int Shows = 0;
    // What the dialog showed when its show event came.
    std::wstring TitleAtShow;
    std::wstring OkAtShow;
    std::wstring CancelAtShow;
};

void Prepare(TOpenDialog& dialog, TOpenRun& run) {
    dialog.SetFilter(L"Plantillas (*.typ)|*.typ|Todos los archivos (*.*)|*.*");
    dialog.OnShow = [&dialog, &run] {
        const HWND window = GetParent(dialog.Handle());
        const TDialogShot shot = ShotOf(window);
        ++run.Shows;
        run.TitleAtShow = shot.Title;
        run.OkAtShow = shot.Caption(IDOK);
        run.CancelAtShow = shot.Caption(IDCANCEL);
    };
}

TOpenRun RunOnce(TOpenDialog& dialog, HWND owner) {
    TOpenRun run;
    Prepare(dialog, run);
    WhileShown([&] { dialog.Execute(owner); },
               [&run](HWND window) {
                   run.Shot = ShotOf(window);
                   run.Tips = ToolTips(window);
               });
    return run;
}

TOpenRun RunPlain(HWND owner) {
    TOpenDialog plain;
    return RunOnce(plain, owner);
}

TEST(OpenDialogZv, RelabelsAnEnglishDialogBeforeItsShowEvent) {
    const TOwnerWindow owner;
    const TOpenRun plain = RunPlain(owner.Handle());
    ASSERT_EQ(plain.Shot.Caption(IDCANCEL), L"Cancel");

    TOpenDialogZv dialog;
    const TOpenRun run = RunOnce(dialog, owner.Handle());
    const TDialogShot& shot = run.Shot;
    EXPECT_EQ(shot.Title, L"Abrir");
    ExpectCaptions(shot, {{IDOK, L"&Abrir"},
                          {IDCANCEL, L"Cancelar"},
                          {kHelp, L"Ay&uda"},
                          {kReadOnly, L"Abrir como &sólo lectura"},
                          {kLookInLabel, L"&Buscar en:"},
                          {kNameLabel, L"&Nombre:"},
                          {kTypeLabel, L"Archivos de &tipo:"}});
    ExpectMoved(plain.Shot, shot, kTypeLabel, 0, 30);
    ExpectMoved(plain.Shot, shot, kFileType, 36, -23);
    // This dialog has no edt1: skipped without error.
    EXPECT_EQ(shot.Control(kFileNameEdit), nullptr);

    EXPECT_EQ(run.Shows, 1);
    EXPECT_EQ(run.TitleAtShow, L"Abrir");
    EXPECT_EQ(run.CancelAtShow, L"Cancelar");
}

TEST(OpenDialogZv, KeepsItsTitleAndGivesTheToolBarSpanishTipsByPosition) {
    const TOwnerWindow owner;
    const TOpenRun plain = RunPlain(owner.Handle());
    ASSERT_EQ(plain.Tips.size(), 5u);

    TOpenDialogZv dialog;
    dialog.SetTitle(L"Importar plantilla");
    const TOpenRun run = RunOnce(dialog, owner.Handle());
    EXPECT_EQ(run.Shot.Title, L"Importar plantilla");
    const std::vector<std::wstring> expected = {plain.Tips[0], L"Subir un nivel",
                                                L"Crear nueva carpeta", L"Lista", L"Detalles"};
    EXPECT_EQ(run.Tips, expected);
}

TEST(OpenDialogZv, SetsTheColumnHeadersAtEveryChangeOfFileType) {
    const TOwnerWindow owner;
    TOpenDialogZv dialog;
    dialog.SetFilter(L"Plantillas (*.typ)|*.typ|Todos los archivos (*.*)|*.*");
    int typeChanges = 0;
    dialog.OnTypeChange = [&typeChanges] { ++typeChanges; };
    std::vector<std::wstring> atShow, afterChange, afterSecondChange;
    WhileShown([&] { dialog.Execute(owner.Handle()); },
               [&](HWND window) {
                   atShow = ColumnHeaders(window);
                   PickFileType(window, 1);
                   afterChange = ColumnHeaders(window);
                   SetColumnHeader(window, 0, L"Name");
                   PickFileType(window, 0);
                   afterSecondChange = ColumnHeaders(window);
               });
    ASSERT_GE(atShow.size(), 5u);
    EXPECT_NE(atShow[0], L"Nombre");
    EXPECT_EQ(typeChanges, 2);
    afterChange.resize(5);
    afterSecondChange.resize(5);
    EXPECT_EQ(afterChange, kSpanishHeaders);
    EXPECT_EQ(afterSecondChange, kSpanishHeaders);
}

TEST(OpenDialog, ReturnsTheChosenFile) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / L"typ-dialogs-open.typ";
    std::ofstream(file) << "x";
    const TOwnerWindow owner;
    TOpenDialogZv dialog;
    dialog.SetFilter(L"Plantillas (*.typ)|*.typ|Todos los archivos (*.*)|*.*");
    dialog.SetFilterIndex(2);
    dialog.SetOptions(OFN_FILEMUSTEXIST);
    bool chosen = false;
    WhileShown([&] { chosen = dialog.Execute(owner.Handle()); },
               [&](HWND window) { SetDlgItemTextW(window, kFileNameCombo, file.c_str()); }, IDOK);
    EXPECT_TRUE(chosen);
    EXPECT_TRUE(std::filesystem::equivalent(dialog.FileName(), file));
    ASSERT_EQ(dialog.Files().size(), 1u);
    EXPECT_EQ(dialog.FilterIndex(), 2);
    EXPECT_EQ(dialog.Handle(), nullptr);
    std::filesystem::remove(file);
}

TEST(OpenDialog, CancelledByWhatItsShowEventRaised) {
    const TOwnerWindow owner;
    TOpenDialogZv dialog;
    int closes = 0;
    dialog.OnShow = [] { throw std::runtime_error("sin diálogo"); };
    dialog.OnClose = [&closes] { ++closes; };
    EXPECT_THROW(dialog.Execute(owner.Handle()), std::runtime_error);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(SaveDialogZv, RelabelsForSavingAfterTheOpenWrapperAndItsShowEvent) {
    const TOwnerWindow owner;
    const TOpenRun plain = RunPlain(owner.Handle());
    TSaveDialogZv dialog;
    const TOpenRun run = RunOnce(dialog, owner.Handle());
    const TDialogShot& shot = run.Shot;

    EXPECT_EQ(run.TitleAtShow, L"Abrir");
    EXPECT_EQ(run.OkAtShow, L"&Abrir");
    EXPECT_EQ(shot.Title, L"Guardar como");
    ExpectCaptions(shot, {{IDOK, L"&Guardar"},
                          {kLookInLabel, L"G&uardar en:"},
                          {kTypeLabel, L"Guardar c&omo tipo:"},
                          {kNameLabel, L"&Nombre:"},
                          {IDCANCEL, L"Cancelar"},
                          {kHelp, L"Ay&uda1"}});
    // Both wrappers' corrections add up.
    ExpectMoved(plain.Shot, shot, kTypeLabel, 0, 60);
    ExpectMoved(plain.Shot, shot, kFileType, 68, -47);
}

TEST(SaveDialogZv, StopsAfterTheSaveCaptionsWhenTheNameLabelIsSpanish) {
    const TOwnerWindow owner;
    const TOpenRun plain = RunPlain(owner.Handle());
    TSaveDialogZv dialog;
    dialog.SetTitle(L"Exportar plantilla");
    TDialogShot shot;
    dialog.OnShow = [&dialog] {
        SetDlgItemTextW(GetParent(dialog.Handle()), kNameLabel, L"&Nombre de archivo:");
    };
    WhileShown([&] { dialog.Execute(owner.Handle()); },
               [&shot](HWND window) { shot = ShotOf(window); });

    EXPECT_EQ(shot.Title, L"Exportar plantilla");
    ExpectCaptions(shot,
                   {{IDOK, L"&Guardar"}, {kTypeLabel, L"Guardar c&omo tipo:"}, {kHelp, L"Ay&uda"}});
    ExpectMoved(plain.Shot, shot, kTypeLabel, 0, 60);
    ExpectMoved(plain.Shot, shot, kFileType, 36, -23);
}

} // namespace
} // namespace typ::win::test
