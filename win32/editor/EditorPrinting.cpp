#include "editor/CurrentPrinter.h"
#include "editor/EditorWindowImpl.h"
#include "editor/PageSizeDialog.h"
#include "editor/PrintPreview.h"
#include "editor/PrintTemplate.h"

namespace typ::win {

// The page dialog's size is adopted even when unchanged: SetPageSize then
// normalises the grid again.
void TfrmEditorTYP::TImpl::actConfigPaginaExecute() {
    int width = Grid.AnchoPagina();
    int height = Grid.AltoPagina();
    if (ShowPageSizeDialog(Form, width, height))
        Grid.ChangePageSize(width, height);
}

// The printer chosen here stays current for the process.
void TfrmEditorTYP::TImpl::actConfigImpresoraExecute() {
    PrinterSetupDialog1.StartFrom(CopyCurrentDevMode(), CopyCurrentDevNames());
    if (PrinterSetupDialog1.Execute(Form))
        SetCurrentPrinter(PrinterSetupDialog1.DevMode(), PrinterSetupDialog1.DevNames());
}

// Printing reports nothing: a failed print leaves the editor as it was.
void TfrmEditorTYP::TImpl::actImprimirExecute() {
    PrintTemplate(Grid.Editor());
}

// The preview's Imprimir prints as the Imprimir command does; the grid has
// the keyboard again once the preview is gone.
void TfrmEditorTYP::TImpl::actVistaPreliminarExecute() {
    const TPreviewChoice choice = ShowPrintPreview(Form, Caption(), Grid.Editor());
    SetFocus(View->Handle());
    if (choice == TPreviewChoice::Print)
        actImprimirExecute();
}

} // namespace typ::win
