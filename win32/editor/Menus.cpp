#include "editor/Menus.h"

#include "editor/CommandIds.h"
#include "platform/WideText.h"

#include <string>
#include <vector>

namespace typ::win {

namespace {

UINT ItemFlags(const TCommand& command, bool checkItem) {
    UINT flags = MF_STRING | (command.HasHandler ? MF_ENABLED : MF_GRAYED);
    if (checkItem)
        flags |= MF_UNCHECKED;
    return flags;
}

void AppendCommand(HMENU menu, TCommandId id, bool checkItem) {
    const TCommand& command = Command(id);
    const std::wstring text = Wide(MenuItemText(command));
    AppendMenuW(menu, ItemFlags(command, checkItem), CommandMessageId(id), text.c_str());
}

// A command on the menu bar itself shows its caption alone: the bar has no
// column for shortcut text, which would leave a gap; the key still works.
void AppendBarCommand(HMENU bar, TCommandId id) {
    const TCommand& command = Command(id);
    const std::wstring text = Wide(command.Caption);
    AppendMenuW(bar, ItemFlags(command, false), CommandMessageId(id), text.c_str());
}

HMENU BuildMenu(std::span<const TMenuEntry> items, HMENU menu) {
    for (const TMenuEntry& item : items)
        if (item.IsSeparator())
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendCommand(menu, *item.Command, item.CheckItem);
    return menu;
}

bool HoldsCommand(std::span<const TMenuEntry> items, TCommandId command) {
    for (const TMenuEntry& item : items)
        if (item.Command == command)
            return true;
    return false;
}

BYTE AcceleratorFlags(TShiftState shift) {
    BYTE flags = FVIRTKEY;
    if ((shift & ssCtrl) != 0)
        flags |= FCONTROL;
    if ((shift & ssShift) != 0)
        flags |= FSHIFT;
    if ((shift & ssAlt) != 0)
        flags |= FALT;
    return flags;
}

HACCEL BuildAccelerators() {
    std::vector<ACCEL> table;
    for (const TCommand& command : CommandTable()) {
        if (command.Shortcut.Key == 0)
            continue;
        table.push_back({AcceleratorFlags(command.Shortcut.Shift),
                         static_cast<WORD>(command.Shortcut.Key),
                         static_cast<WORD>(CommandMessageId(command.Id))});
    }
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

} // namespace

TMenus::TMenus() : FBar(CreateMenu()), FPopup(BuildMenu(PopupMenu(), CreatePopupMenu())) {
    for (const TMainMenuItem& item : MainMenu()) {
        if (item.Command) {
            AppendBarCommand(FBar.Get(), *item.Command);
            continue;
        }
        const HMENU menu = BuildMenu(item.Items, CreatePopupMenu());
        if (HoldsCommand(item.Items, TCommandId::actPegar))
            FEdit = menu;
        const std::wstring caption = Wide(item.Caption);
        AppendMenuW(FBar.Get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu),
                    caption.c_str());
    }
    FAccelerators.Reset(BuildAccelerators());
}

void TMenus::Enable(TCommandId command, bool enabled) {
    const UINT flags = MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(FBar.Get(), CommandMessageId(command), flags);
    EnableMenuItem(FPopup.Get(), CommandMessageId(command), flags);
}

void TMenus::Check(TCommandId command, bool checked) {
    CheckMenuItem(FBar.Get(), CommandMessageId(command),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMenus::Remove(TCommandId command) {
    DeleteMenu(FBar.Get(), CommandMessageId(command), MF_BYCOMMAND);
}

} // namespace typ::win
