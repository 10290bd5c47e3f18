#pragma once

#include "editor/Keys.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The editor window's command set as data: every command with its caption,
// shortcut and hint, the menus that show them, and the rule that enables the
// clipboard commands when the Edición menu opens.
namespace typ {

enum class TCommandId {
    actAbrir,
    actGuardar,
    actGuardarComo,
    actImprimir,
    actVistaPreliminar,
    actConfigPagina,
    actConfigImpresora,
    actCerrar,
    actImportarTyp,
    actExportarTyp,
    actDeshacer,
    actRehacer,
    actCortar,
    actCopiar,
    actPegar,
    actBorrar,
    actInsertarLinea,
    actBorrarLinea,
    actSeleccionarTodo,
    actBuscar,
    actBuscarSiguiente,
    actReemplazar,
    actDibujar,
    actDibujarDoble,
    actMarco,
    actCortarPalabras,
    actFuente,
    actAyuda,
};

// The edition mode of a window hosted by the automation object, the only one
// in which drawing and the Edit-menu rule take effect.
constexpr std::uint8_t kHostedEdition = 2;

struct TShortcut {
    int Key = 0; // virtual-key code; 0 for none
    TShiftState Shift = 0;
    std::u16string_view Text; // as menus show it, e.g. "Ctrl+A", "Ctrl+F2"
};

struct TCommand {
    TCommandId Id;
    std::string_view Name;
    std::u16string_view Category;
    std::u16string_view Caption;
    TShortcut Shortcut;
    std::u16string_view Hint;
    // Whether this build can run the command; one without a handler stays
    // disabled wherever it is shown.
    bool HasHandler;
};

std::span<const TCommand> CommandTable();
const TCommand& Command(TCommandId id);

// A menu item's text: the caption, then a tab and the shortcut when it has one.
std::u16string MenuItemText(const TCommand& command);
// A tool-bar button's text: the caption without accelerator marks or ellipsis.
std::u16string ButtonText(const TCommand& command);

// One item of a menu: a command, or a separator ("-").
struct TMenuEntry {
    std::optional<TCommandId> Command;
    bool CheckItem = false;
    bool IsSeparator() const { return !Command.has_value(); }
};

// A top-level item of the menu bar: a drop-down menu with a caption, or a
// single command, shown by its caption alone (its shortcut still works).
struct TMainMenuItem {
    std::u16string_view Caption;
    std::span<const TMenuEntry> Items;
    std::optional<TCommandId> Command;
};

std::span<const TMainMenuItem> MainMenu();
std::span<const TMenuEntry> PopupMenu();

enum class TEnabling { Enable, Disable, Leave };

struct TCommandEnabling {
    TCommandId Command;
    TEnabling Change;
};

struct TEditMenuState {
    std::uint8_t TypeEdition = 0;
    bool Drawing = false;
    bool ClipboardHasText = false;
    int SelLength = 0;
};

// What opening the Edición menu (or popping up the pop-up menu) does to
// Pegar, Cortar, Copiar and Borrar, in that order.
std::array<TCommandEnabling, 4> EditMenuEnabling(const TEditMenuState& state);

// The standard edit commands Cortar, Copiar and Pegar, in that order, when
// the window is idle: they follow the selection and the clipboard while the
// grid has the focus and drawing is off, in any edition mode.
std::array<TCommandEnabling, 3> IdleEditEnabling(const TEditMenuState& state, bool gridFocused);

} // namespace typ
