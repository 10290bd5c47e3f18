#include "dialogs/SaveDialogZv.h"

#include "dialogs/CaptionMatch.h"
#include "dialogs/Relabel.h"
#include "dialogs/RelabelTables.h"

namespace typ::win {

void TSaveDialogZv::DoShow() {
    TOpenDialogZv::DoShow();
    const HWND dialog = DialogWindow();
    SetWindowTextW(dialog,
                   Title().empty() ? WideCopy(dialogs::kSaveTitle).c_str() : Title().c_str());
    ApplyRelabelSteps(dialog, dialogs::SaveSteps());
    if (dialogs::SameCaption(ControlCaption(dialog, dialogs::kSaveFileNameLabelId),
                             dialogs::kSaveFileNameLabel))
        return;
    ApplyRelabelSteps(dialog, dialogs::SaveFallbackSteps());
}

} // namespace typ::win
