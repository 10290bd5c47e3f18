#pragma once

#include "editor/Commands.h"
#include "platform/HandleOwners.h"

#include <windows.h>

namespace typ::win {

// The menu bar, the pop-up menu and the accelerators of the editor window,
// built from the command set. Commands without a handler start disabled. The
// window must detach the bar before it is destroyed: the menus own it.
class TMenus {
public:
    TMenus();

    HMENU Bar() const { return FBar.Get(); }
    HMENU Edit() const { return FEdit; }
    HMENU Popup() const { return FPopup.Get(); }
    HACCEL Accelerators() const { return FAccelerators.Get(); }

    void Enable(TCommandId command, bool enabled);
    void Check(TCommandId command, bool checked);
    // Removes the command's item from the menu bar's menus (the pop-up keeps it).
    void Remove(TCommandId command);

private:
    TOwnedMenu FBar;
    // A submenu of the bar, freed with it.
    HMENU FEdit = nullptr;
    TOwnedMenu FPopup;
    TOwnedAccelerators FAccelerators;
};

} // namespace typ::win
