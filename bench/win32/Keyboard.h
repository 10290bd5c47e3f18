#pragma once

#include <windows.h>

namespace typ::bench {

// Keys as the keyboard driver delivers them, to whichever window has the
// focus: through SendInput.
void SendKey(WORD key, bool up);
// Key down and key up, then a pause for the window to take them.
void Press(WORD key);
void PressWithControl(WORD key);

} // namespace typ::bench
