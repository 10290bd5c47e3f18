#pragma once

#include "dialogs/OpenDialogZv.h"

namespace typ::win {

// The open dialog relabelled for saving (it stays an open dialog). After the
// open wrapper's work and the show event, always: retitled ("Guardar como"
// unless the wrapper has a title), "&Guardar", "G&uardar en:" and a wider
// "Guardar c&omo tipo:"; then, unless the file name label reads
// "&Nombre de archivo:", the name and type fields move right again and Cancel
// and Help are captioned once more.
class TSaveDialogZv : public TOpenDialogZv {
protected:
    void DoShow() override;
};

} // namespace typ::win
