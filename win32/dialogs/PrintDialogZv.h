#pragma once

#include "dialogs/PrintDialog.h"

namespace typ::win {

// The print dialog in Spanish: the show event first, then, unless its OK
// button reads "Aceptar", Spanish captions, a dialog 50 pixels wider and
// wider groups and check boxes.
class TPrintDialogZv : public TPrintDialog {
protected:
    void DoShow() override;
};

// The printer set-up dialog in Spanish: the show event first, then, unless
// its OK button reads "Aceptar", Spanish captions.
class TPrinterSetupDialogZV : public TPrinterSetupDialog {
protected:
    void DoShow() override;
};

} // namespace typ::win
