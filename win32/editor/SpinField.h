#pragma once

#include "editor/PageSizeDialogLayout.h"

#include <windows.h>
#include <string>

namespace typ::win {

// A numeric field with up and down arrows: an edit control of at most
// `maxLength` characters and its up-down control sharing the box, the arrows
// stepping within [minimum, maximum].
struct TSpinRange {
    int Minimum = 0;
    int Maximum = 0;
    int MaxLength = 0;
};

// Creates the field showing `value` as it is (a value outside the range is
// brought into it when read, not hidden); returns the edit control.
HWND CreateSpinField(HWND parent, int id, page_dialog::TBox box, const TSpinRange& range, int value,
                     HFONT font);

// The edit control's text.
std::u16string FieldText(HWND edit);

} // namespace typ::win
