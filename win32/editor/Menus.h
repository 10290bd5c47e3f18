#pragma once

#include "editor/Commands.h"

#include <windows.h>

namespace typ::win {

// The menu bar, the pop-up menu and the accelerators of the editor window,
// built from the command set. Commands without a handler start disabled. The
// window must detach the bar before it is destroyed: the menus own it.
class TMenus {
public:
    TMenus();
    ~TMenus();
    TMenus(const TMenus&) = delete;
    TMenus& operator=(const TMenus&) = delete;

    HMENU Bar() const { return FBar; }
    HMENU Edit() const { return FEdit; }
    HMENU Popup() const { return FPopup; }
    HACCEL Accelerators() const { return FAccelerators; }

    void Enable(TCommandId command, bool enabled);
    void Check(TCommandId command, bool checked);
    // Removes the command's item from the menu bar's menus (the pop-up keeps it).
    void Remove(TCommandId command);

private:
    HMENU FBar = nullptr;
    HMENU FEdit = nullptr;
    HMENU FPopup = nullptr;
    HACCEL FAccelerators = nullptr;
};

} // namespace typ::win
