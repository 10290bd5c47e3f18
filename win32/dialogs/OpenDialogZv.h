#pragma once

#include "dialogs/OpenDialog.h"

namespace typ::win {

// The open dialog in Spanish. When the dialog is about to appear and its
// Cancel button does not read "Cancelar", it is retitled ("Abrir" unless the
// wrapper has a title), its controls get Spanish captions and the file name
// and type fields move right; its tool-bar tips follow. The show event comes
// after all that. Every change of file type sets the Spanish column headers.
class TOpenDialogZv : public TOpenDialog {
protected:
    void DoShow() override;
    void DoTypeChange() override;
};

} // namespace typ::win
