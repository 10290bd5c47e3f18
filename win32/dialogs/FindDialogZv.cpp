#include "dialogs/FindDialogZv.h"

#include "dialogs/Relabel.h"
#include "dialogs/RelabelTables.h"

namespace typ::win {

void TFindDialogZV::DoShow() {
    TFindDialog::DoShow();
    RelabelUnlessSpanish(Handle(), dialogs::FindRelabelling());
}

void TReplaceDialogZV::DoShow() {
    TReplaceDialog::DoShow();
    RelabelUnlessSpanish(Handle(), dialogs::ReplaceRelabelling());
}

} // namespace typ::win
