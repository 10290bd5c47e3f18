#include "editor/Commands.h"

namespace typ {

namespace {

using enum TCommandId;

constexpr TShortcut Ctrl(char letter, std::u16string_view text) {
    return {letter, ssCtrl, text};
}

// A function key without modifiers, F1 to F12.
constexpr TShortcut Function(int number, std::u16string_view text) {
    return {vk::F1 + number - 1, 0, text};
}

constexpr TShortcut CtrlFunction(int number, std::u16string_view text) {
    return {vk::F1 + number - 1, ssCtrl, text};
}

constexpr TShortcut kNone{};
constexpr TShortcut kShiftF6{vk::F1 + 5, ssShift, u"Shift+F6"};

// In the order of TCommandId, so that an identifier indexes its row.
constexpr std::array<TCommand, 28> kCommands = {{
    {actAbrir, "actAbrir", u"Archivo", u"&Abrir", Ctrl('A', u"Ctrl+A"), u"Abrir", false},
    {actGuardar, "actGuardar", u"Archivo", u"&Guardar", Ctrl('G', u"Ctrl+G"), u"Guardar", false},
    {actGuardarComo, "actGuardarComo", u"Archivo", u"G&uardar como...", kNone, u"Guardar como...",
     false},
    {actImprimir, "actImprimir", u"Archivo", u"&Imprimir", Ctrl('P', u"Ctrl+P"), u"Imprimir", true},
    {actVistaPreliminar, "actVistaPreliminar", u"Archivo", u"&Vista preliminar",
     CtrlFunction(2, u"Ctrl+F2"), u"Vista preliminar", true},
    {actConfigPagina, "actConfigPagina", u"Archivo", u"Configurar &página...", kNone,
     u"Configuración de la página", true},
    {actConfigImpresora, "actConfigImpresora", u"Archivo", u"C&onfigurar impresora...", kNone,
     u"Configurar impresora...", true},
    {actCerrar, "actCerrar", u"Archivo", u"&Cerrar", kNone, u"Cerrar", true},
    {actImportarTyp, "actImportarTyp", u"Archivo", u"&Importar TYP", kNone, u"", true},
    {actExportarTyp, "actExportarTyp", u"Archivo", u"&Exportar TYP", kNone, u"", true},
    {actDeshacer, "actDeshacer", u"Edicion", u"Des&hacer", Ctrl('Z', u"Ctrl+Z"), u"Deshacer", true},
    {actRehacer, "actRehacer", u"Edicion", u"&Rehacer", Ctrl('Y', u"Ctrl+Y"), u"Rehacer", true},
    {actCortar, "actCortar", u"Edicion", u"Cor&tar", Ctrl('X', u"Ctrl+X"), u"Cortar", true},
    {actCopiar, "actCopiar", u"Edicion", u"&Copiar", Ctrl('C', u"Ctrl+C"), u"Copiar", true},
    {actPegar, "actPegar", u"Edicion", u"&Pegar", Ctrl('V', u"Ctrl+V"), u"Pegar", true},
    {actBorrar, "actBorrar", u"Edicion", u"Borr&ar", Ctrl('D', u"Ctrl+D"), u"Borrar", true},
    {actInsertarLinea, "actInsertarLinea", u"Edicion", u"&Insertar línea", Ctrl('I', u"Ctrl+I"),
     u"", true},
    {actBorrarLinea, "actBorrarLinea", u"Edicion", u"B&orrar línea", Ctrl('N', u"Ctrl+N"), u"",
     true},
    {actSeleccionarTodo, "actSeleccionarTodo", u"Edicion", u"&Seleccionar todo",
     Ctrl('E', u"Ctrl+E"), u"Seleccionar todo", true},
    {actBuscar, "actBuscar", u"Edicion", u"&Buscar...", Ctrl('B', u"Ctrl+B"), u"Buscar", true},
    {actBuscarSiguiente, "actBuscarSiguiente", u"Edicion", u"B&uscar siguiente", Function(3, u"F3"),
     u"Buscar siguiente", true},
    {actReemplazar, "actReemplazar", u"Edicion", u"Reempla&zar...", Ctrl('L', u"Ctrl+L"),
     u"Reemplazar", true},
    {actDibujar, "actDibujar", u"Edicion", u"&Dibujar", Function(6, u"F6"), u"Dibujar", true},
    {actDibujarDoble, "actDibujarDoble", u"Edicion", u"Dibujar &doble", kShiftF6, u"Dibujar doble",
     true},
    {actMarco, "actMarco", u"Edicion", u"&Marco", Ctrl('M', u"Ctrl+M"), u"Marco", true},
    {actCortarPalabras, "actCortarPalabras", u"Formato", u"Cortar &palabras", kNone, u"", true},
    {actFuente, "actFuente", u"Formato", u"F&uente...", kNone, u"", true},
    {actAyuda, "actAyuda", u"Ayuda", u"&Ayuda", Function(1, u"F1"), u"Ayuda", true},
}};

constexpr TMenuEntry kSeparator{};

constexpr TMenuEntry Item(TCommandId id) {
    return {id, false};
}

constexpr std::array<TMenuEntry, 9> kArchivo = {
    Item(actAbrir),           Item(actGuardar),      Item(actGuardarComo),     Item(actImprimir),
    Item(actVistaPreliminar), Item(actConfigPagina), Item(actConfigImpresora), kSeparator,
    Item(actCerrar),
};

constexpr std::array<TMenuEntry, 20> kEdicion = {
    Item(actDeshacer),
    Item(actRehacer),
    kSeparator,
    Item(actCortar),
    Item(actCopiar),
    Item(actPegar),
    Item(actBorrar),
    kSeparator,
    Item(actInsertarLinea),
    Item(actBorrarLinea),
    kSeparator,
    Item(actSeleccionarTodo),
    kSeparator,
    Item(actBuscar),
    Item(actBuscarSiguiente),
    Item(actReemplazar),
    kSeparator,
    Item(actDibujar),
    Item(actDibujarDoble),
    Item(actMarco),
};

constexpr std::array<TMenuEntry, 3> kFormato = {
    TMenuEntry{actCortarPalabras, true},
    kSeparator,
    Item(actFuente),
};

constexpr std::array<TMenuEntry, 10> kPopup = {
    Item(actCortar),  Item(actCopiar),          Item(actPegar),      kSeparator,
    Item(actBuscar),  Item(actBuscarSiguiente), Item(actReemplazar), kSeparator,
    Item(actRehacer), Item(actMarco),
};

constexpr std::array<TMainMenuItem, 4> kMainMenu = {{
    {u"&Archivo", kArchivo, std::nullopt},
    {u"&Edición", kEdicion, std::nullopt},
    {u"&Formato", kFormato, std::nullopt},
    {u"", {}, actAyuda},
}};

TEnabling EnabledWhen(bool condition) {
    return condition ? TEnabling::Enable : TEnabling::Disable;
}

} // namespace

// Checked as the table compiles: a row out of place, missing or extra fails
// the build.
constexpr bool InIdentifierOrder() {
    for (std::size_t row = 0; row < kCommands.size(); ++row)
        if (static_cast<std::size_t>(kCommands[row].Id) != row)
            return false;
    return kCommands.size() == static_cast<std::size_t>(actAyuda) + 1;
}
static_assert(InIdentifierOrder(),
              "kCommands lists every command once, in the order of TCommandId");

std::span<const TCommand> CommandTable() {
    return kCommands;
}

const TCommand& Command(TCommandId id) {
    return kCommands.at(static_cast<std::size_t>(id));
}

std::u16string MenuItemText(const TCommand& command) {
    std::u16string text(command.Caption);
    if (!command.Shortcut.Text.empty())
        text.append(u"\t").append(command.Shortcut.Text);
    return text;
}

std::u16string ButtonText(const TCommand& command) {
    std::u16string_view caption = command.Caption;
    if (caption.ends_with(u"..."))
        caption.remove_suffix(3);
    std::u16string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // "&&" stands for one "&"; a single "&" only marks the accelerator.
        if (caption[i] == u'&' && ++i >= caption.size())
            break;
        text += caption[i];
    }
    return text;
}

std::span<const TMainMenuItem> MainMenu() {
    return kMainMenu;
}

std::span<const TMenuEntry> PopupMenu() {
    return kPopup;
}

std::array<TCommandEnabling, 4> EditMenuEnabling(const TEditMenuState& state) {
    if (state.TypeEdition != kHostedEdition || state.Drawing) {
        return {{{actPegar, TEnabling::Leave},
                 {actCortar, TEnabling::Leave},
                 {actCopiar, TEnabling::Leave},
                 {actBorrar, TEnabling::Leave}}};
    }
    const TEnabling selection = EnabledWhen(state.SelLength >= 1);
    return {{{actPegar, EnabledWhen(state.ClipboardHasText)},
             {actCortar, selection},
             {actCopiar, selection},
             {actBorrar, selection}}};
}

std::array<TCommandEnabling, 3> IdleEditEnabling(const TEditMenuState& state, bool gridFocused) {
    if (!gridFocused || state.Drawing) {
        return {{{actCortar, TEnabling::Leave},
                 {actCopiar, TEnabling::Leave},
                 {actPegar, TEnabling::Leave}}};
    }
    const TEnabling selection = EnabledWhen(state.SelLength >= 1);
    return {{{actCortar, selection},
             {actCopiar, selection},
             {actPegar, EnabledWhen(state.ClipboardHasText)}}};
}

} // namespace typ
