#include "editor/Commands.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace typ {
namespace {

using enum TCommandId;

std::vector<std::u16string> Captions(std::span<const TMenuEntry> items) {
    std::vector<std::u16string> captions;
    for (const TMenuEntry& item : items)
        captions.emplace_back(item.IsSeparator() ? u"-" : Command(*item.Command).Caption);
    return captions;
}

TEST(Commands, EachIdentifierFindsItsOwnRow) {
    const auto table = CommandTable();
    ASSERT_EQ(table.size(), 28u);
    std::set<std::string_view> names;
    for (const TCommand& command : table) {
        EXPECT_EQ(&Command(command.Id), &command) << command.Name;
        EXPECT_TRUE(command.Name.starts_with("act")) << command.Name;
        names.insert(command.Name);
    }
    EXPECT_EQ(names.size(), table.size());
    EXPECT_EQ(Command(actAbrir).Name, "actAbrir");
    EXPECT_EQ(Command(actAyuda).Name, "actAyuda");
}

TEST(Commands, EntriesCarryTheirExactTexts) {
    const TCommand& pagina = Command(actConfigPagina);
    EXPECT_EQ(pagina.Category, u"Archivo");
    EXPECT_EQ(pagina.Caption, u"Configurar &página...");
    EXPECT_EQ(pagina.Hint, u"Configuración de la página");
    EXPECT_EQ(pagina.Shortcut.Key, 0);

    const TCommand& insertar = Command(actInsertarLinea);
    EXPECT_EQ(insertar.Category, u"Edicion");
    EXPECT_EQ(insertar.Caption, u"&Insertar línea");
    EXPECT_EQ(insertar.Hint, u"");
    EXPECT_EQ(insertar.Shortcut.Key, 'I');
    EXPECT_EQ(insertar.Shortcut.Shift, ssCtrl);

    EXPECT_EQ(Command(actGuardarComo).Caption, u"G&uardar como...");
    EXPECT_EQ(Command(actConfigImpresora).Hint, u"Configurar impresora...");
    EXPECT_EQ(Command(actReemplazar).Caption, u"Reempla&zar...");
    EXPECT_EQ(Command(actCortarPalabras).Category, u"Formato");
    EXPECT_EQ(Command(actAyuda).Category, u"Ayuda");
}

TEST(Commands, ShortcutsAreUniqueAndShownAsTheyAreTyped) {
    std::set<std::pair<int, TShiftState>> keys;
    int withShortcut = 0;
    for (const TCommand& command : CommandTable()) {
        const TShortcut& shortcut = command.Shortcut;
        if (shortcut.Key == 0) {
            EXPECT_EQ(shortcut.Text, u"") << command.Name;
            continue;
        }
        ++withShortcut;
        EXPECT_TRUE(keys.emplace(shortcut.Key, shortcut.Shift).second) << command.Name;
        const bool function = shortcut.Key >= vk::F1 && shortcut.Key <= vk::F1 + 8;
        const std::u16string key =
            function ? u"F" + std::u16string(1, char16_t(u'1' + shortcut.Key - vk::F1))
                     : std::u16string(1, char16_t(shortcut.Key));
        const std::u16string modifier = shortcut.Shift == ssCtrl    ? u"Ctrl+"
                                        : shortcut.Shift == ssShift ? u"Shift+"
                                                                    : u"";
        EXPECT_EQ(shortcut.Text, modifier + key) << command.Name;
    }
    EXPECT_EQ(withShortcut, 20);
    EXPECT_EQ(Command(actVistaPreliminar).Shortcut.Key, vk::F1 + 1);
    EXPECT_EQ(Command(actVistaPreliminar).Shortcut.Shift, ssCtrl);
    EXPECT_EQ(Command(actDibujarDoble).Shortcut.Text, u"Shift+F6");
    EXPECT_EQ(Command(actBuscarSiguiente).Shortcut.Key, vk::F1 + 2);
    EXPECT_EQ(Command(actDibujar).Shortcut.Text, u"F6");
    EXPECT_EQ(Command(actAyuda).Shortcut.Key, vk::F1);
}

// Abrir, Guardar and Guardar como have no handler in this editor.
TEST(Commands, OnlyTheWiredCommandsHaveHandlers) {
    std::vector<std::string_view> handled;
    for (const TCommand& command : CommandTable()) {
        if (command.HasHandler)
            handled.push_back(command.Name);
    }
    EXPECT_EQ(
        handled,
        (std::vector<std::string_view>{
            "actImprimir",     "actVistaPreliminar", "actConfigPagina",   "actConfigImpresora",
            "actCerrar",       "actImportarTyp",     "actExportarTyp",    "actDeshacer",
            "actRehacer",      "actCortar",          "actCopiar",         "actPegar",
            "actBorrar",       "actInsertarLinea",   "actBorrarLinea",    "actSeleccionarTodo",
            "actBuscar",       "actBuscarSiguiente", "actReemplazar",     "actDibujar",
            "actDibujarDoble", "actMarco",           "actCortarPalabras", "actFuente",
            "actAyuda"}));
}

TEST(Commands, MenuAndButtonTexts) {
    EXPECT_EQ(MenuItemText(Command(actAbrir)), u"&Abrir\tCtrl+A");
    EXPECT_EQ(MenuItemText(Command(actBuscarSiguiente)), u"B&uscar siguiente\tF3");
    EXPECT_EQ(MenuItemText(Command(actGuardarComo)), u"G&uardar como...");
    EXPECT_EQ(MenuItemText(Command(actVistaPreliminar)), u"&Vista preliminar\tCtrl+F2");
    EXPECT_EQ(Command(actVistaPreliminar).Hint, u"Vista preliminar");
    EXPECT_EQ(ButtonText(Command(actBuscar)), u"Buscar");
    EXPECT_EQ(ButtonText(Command(actDeshacer)), u"Deshacer");
    TCommand odd = Command(actAbrir);
    odd.Caption = u"A&&B &x&";
    EXPECT_EQ(ButtonText(odd), u"A&B x");
}

TEST(Commands, MenusListTheirItemsInOrder) {
    const auto menu = MainMenu();
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0].Caption, u"&Archivo");
    EXPECT_EQ(Captions(menu[0].Items),
              (std::vector<std::u16string>{
                  u"&Abrir", u"&Guardar", u"G&uardar como...", u"&Imprimir", u"&Vista preliminar",
                  u"Configurar &página...", u"C&onfigurar impresora...", u"-", u"&Cerrar"}));
    EXPECT_EQ(menu[1].Caption, u"&Edición");
    EXPECT_EQ(Captions(menu[1].Items), (std::vector<std::u16string>{u"Des&hacer",
                                                                    u"&Rehacer",
                                                                    u"-",
                                                                    u"Cor&tar",
                                                                    u"&Copiar",
                                                                    u"&Pegar",
                                                                    u"Borr&ar",
                                                                    u"-",
                                                                    u"&Insertar línea",
                                                                    u"B&orrar línea",
                                                                    u"-",
                                                                    u"&Seleccionar todo",
                                                                    u"-",
                                                                    u"&Buscar...",
                                                                    u"B&uscar siguiente",
                                                                    u"Reempla&zar...",
                                                                    u"-",
                                                                    u"&Dibujar",
                                                                    u"Dibujar &doble",
                                                                    u"&Marco"}));
    EXPECT_EQ(menu[2].Caption, u"&Formato");
    EXPECT_EQ(Captions(menu[2].Items),
              (std::vector<std::u16string>{u"Cortar &palabras", u"-", u"F&uente..."}));
    EXPECT_TRUE(menu[2].Items[0].CheckItem);
    EXPECT_FALSE(menu[2].Items[2].CheckItem);
    EXPECT_TRUE(menu[3].Items.empty());
    EXPECT_EQ(menu[3].Command, actAyuda);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_FALSE(menu[i].Command.has_value());
    EXPECT_EQ(Captions(PopupMenu()),
              (std::vector<std::u16string>{u"Cor&tar", u"&Copiar", u"&Pegar", u"-", u"&Buscar...",
                                           u"B&uscar siguiente", u"Reempla&zar...", u"-",
                                           u"&Rehacer", u"&Marco"}));
}

std::vector<TEnabling> Changes(TEditMenuState state) {
    std::vector<TEnabling> changes;
    for (const TCommandEnabling& item : EditMenuEnabling(state))
        changes.push_back(item.Change);
    return changes;
}

constexpr auto Enable = TEnabling::Enable;
constexpr auto Disable = TEnabling::Disable;
constexpr auto Leave = TEnabling::Leave;

TEST(EditMenuRule, NamesPegarCortarCopiarBorrarInOrder) {
    const auto result = EditMenuEnabling({kHostedEdition, false, false, 0});
    EXPECT_EQ(result[0].Command, actPegar);
    EXPECT_EQ(result[1].Command, actCortar);
    EXPECT_EQ(result[2].Command, actCopiar);
    EXPECT_EQ(result[3].Command, actBorrar);
}

TEST(EditMenuRule, HostedWithoutDrawingFollowsClipboardAndSelection) {
    using V = std::vector<TEnabling>;
    EXPECT_EQ(Changes({kHostedEdition, false, false, 0}), (V{Disable, Disable, Disable, Disable}));
    EXPECT_EQ(Changes({kHostedEdition, false, true, 0}), (V{Enable, Disable, Disable, Disable}));
    EXPECT_EQ(Changes({kHostedEdition, false, false, 1}), (V{Disable, Enable, Enable, Enable}));
    EXPECT_EQ(Changes({kHostedEdition, false, true, 500}), (V{Enable, Enable, Enable, Enable}));
}

TEST(EditMenuRule, ChangesNothingWhenDrawingOrNotHosted) {
    const std::vector<TEnabling> none{Leave, Leave, Leave, Leave};
    EXPECT_EQ(Changes({kHostedEdition, true, true, 3}), none);
    EXPECT_EQ(Changes({kHostedEdition, true, false, 0}), none);
    EXPECT_EQ(Changes({0, false, true, 3}), none);
    EXPECT_EQ(Changes({1, false, false, 0}), none);
}

std::vector<TEnabling> IdleChanges(TEditMenuState state, bool focused) {
    std::vector<TEnabling> changes;
    for (const TCommandEnabling& item : IdleEditEnabling(state, focused))
        changes.push_back(item.Change);
    return changes;
}

// Cortar, Copiar, Pegar follow selection and clipboard in any edition mode,
// but only while the grid has the focus and drawing is off.
TEST(IdleEditRule, FollowsSelectionAndClipboardWhileTheGridHasTheFocus) {
    using V = std::vector<TEnabling>;
    const auto result = IdleEditEnabling({0, false, true, 2}, true);
    EXPECT_EQ(result[0].Command, actCortar);
    EXPECT_EQ(result[1].Command, actCopiar);
    EXPECT_EQ(result[2].Command, actPegar);
    EXPECT_EQ(IdleChanges({0, false, true, 2}, true), (V{Enable, Enable, Enable}));
    EXPECT_EQ(IdleChanges({kHostedEdition, false, false, 0}, true), (V{Disable, Disable, Disable}));
    EXPECT_EQ(IdleChanges({kHostedEdition, false, true, 0}, true), (V{Disable, Disable, Enable}));
    EXPECT_EQ(IdleChanges({kHostedEdition, false, true, 4}, false), (V{Leave, Leave, Leave}));
    EXPECT_EQ(IdleChanges({kHostedEdition, true, true, 4}, true), (V{Leave, Leave, Leave}));
}

} // namespace
} // namespace typ
