#include "dialogs/OpenDialogZv.h"

#include "dialogs/OpenDialogBars.h"
#include "dialogs/Relabel.h"
#include "dialogs/RelabelTables.h"

namespace typ::win {

void TOpenDialogZv::DoShow() {
    const HWND dialog = DialogWindow();
    const dialogs::TDialogRelabelling relabelling = dialogs::OpenRelabelling();
    if (!ReadsSpanish(dialog, relabelling.Test)) {
        SetWindowTextW(dialog,
                       Title().empty() ? WideCopy(dialogs::kOpenTitle).c_str() : Title().c_str());
        ApplyRelabelSteps(dialog, relabelling.Steps);
        RelabelToolTips(dialog);
    }
    TOpenDialog::DoShow();
}

void TOpenDialogZv::DoTypeChange() {
    RelabelColumnHeaders(DialogWindow());
    TOpenDialog::DoTypeChange();
}

} // namespace typ::win
