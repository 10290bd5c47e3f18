#pragma once

#include "dialogs/FindDialog.h"

namespace typ::win {

// The find dialog in Spanish: the show event first, then, unless its Cancel
// button reads "Cancelar", Spanish captions, a dialog 20 pixels wider, wider
// buttons and the direction group rearranged.
class TFindDialogZV : public TFindDialog {
protected:
    void DoShow() override;
};

// The replace dialog in Spanish: the show event first, then, unless its
// Cancel button reads "Cancelar", Spanish captions, a dialog 15 pixels wider
// and wider buttons and check boxes.
class TReplaceDialogZV : public TReplaceDialog {
protected:
    void DoShow() override;
};

} // namespace typ::win
