#include "dialogs/PrintDialogZv.h"

#include "dialogs/Relabel.h"
#include "dialogs/RelabelTables.h"

namespace typ::win {

void TPrintDialogZv::DoShow() {
    TPrintDialog::DoShow();
    RelabelUnlessSpanish(Handle(), dialogs::PrintRelabelling());
}

void TPrinterSetupDialogZV::DoShow() {
    TPrinterSetupDialog::DoShow();
    RelabelUnlessSpanish(Handle(), dialogs::PrinterSetupRelabelling());
}

} // namespace typ::win
