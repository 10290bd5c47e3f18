#include "dialogs/RelabelTables.h"

#include <array>

namespace typ::dialogs {
namespace {

// Printer information: labels 1093 to 1097, the values beside them 1098 to 1101.
constexpr int kNameLabel = 1093;
constexpr int kTypeLabel = 1094;
constexpr int kStatusLabel = 1095;
constexpr int kCommentLabel = 1096;
constexpr int kWhereLabel = 1097;
constexpr int kTypeValue = 1098;
constexpr int kStatusValue = 1099;
constexpr int kCommentValue = 1100;
constexpr int kWhereValue = 1101;
constexpr int kCopiesLabel = 1092;

constexpr TRelabelStep kOpenSteps[] = {
    Control(kIdOk, u"&Abrir"),
    Control(kIdCancel, kCancelar),
    Control(kHelpButton, u"Ay&uda"),
    Control(kCheckBox1, u"Abrir como &sólo lectura"),
    Control(kStatic4, u"&Buscar en:"),
    Control(kStatic3, u"&Nombre:"),
    Control(kStatic2, u"Archivos de &tipo:", Wider(30)),
    Moved(kFileNameEdit, Right(36, -23)),
    Moved(kFileTypeCombo, Right(36, -23)),
};

constexpr TRelabelStep kSaveSteps[] = {
    Control(kIdOk, u"&Guardar"),
    Control(kStatic4, u"G&uardar en:"),
    Control(kStatic2, u"Guardar c&omo tipo:", Wider(30)),
};

constexpr TRelabelStep kSaveFallbackSteps[] = {
    Moved(kFileNameEdit, Right(32, -24)),
    Moved(kFileTypeCombo, Right(32, -24)),
    Control(kIdCancel, kCancelar),
    Control(kHelpButton, u"Ay&uda1"),
};

constexpr TRelabelStep kPrintSteps[] = {
    DialogWindow(u"Imprimir", Wider(50)),
    Control(kIdOk, kAceptar),
    Control(kIdCancel, kCancelar),
    Control(kGroup1, u"Imprimir"),
    Control(kGroup2, u"Copias", Wider(50)),
    Control(kGroup4, u"Impresora", Wider(50)),
    Control(kCopiesLabel, u"Número de &copias:"),
    Control(kNameLabel, u"&Nombre:"),
    Moved(kTypeValue, Right(5)),
    Control(kTypeLabel, u"Tipo:"),
    Moved(kStatusValue, Right(5)),
    Control(kStatusLabel, u"Estado:"),
    Moved(kCommentValue, Right(5)),
    Control(kCommentLabel, u"Comentario:"),
    Moved(kWhereValue, Right(5)),
    Control(kWhereLabel, u"Ubicación:"),
    Control(kRadio1, u"&Todo"),
    Control(kRadio2, u"&Selección"),
    Control(kRadio3, u"&Páginas"),
    Control(kStatic2, u"&de la"),
    Control(kStatic3, u"a &la"),
    Control(kPushButton2, u"P&ropiedades"),
    Control(kCheckBox1, u"Imprimir en un &archivo", Wider(30)),
    Control(kCheckBox2, u"&Organizar", Wider(10)),
};

constexpr TRelabelStep kPrinterSetupSteps[] = {
    DialogWindow(u"Configuración de impresión"),
    Control(kIdOk, kAceptar),
    Control(kIdCancel, kCancelar),
    Control(kGroup1, u"Orientación"),
    Control(kGroup2, u"Papel"),
    Control(kGroup4, u"Impresora"),
    Control(kNameLabel, u"&Nombre:"),
    Moved(kTypeValue, Right(5)),
    Control(kTypeLabel, u"Tipo:"),
    Moved(kStatusValue, Right(5)),
    Control(kStatusLabel, u"Estado:"),
    Moved(kCommentValue, Right(5)),
    Control(kCommentLabel, u"Comentario:"),
    Moved(kWhereValue, Right(5)),
    Control(kWhereLabel, u"Ubicación:"),
    Control(kRadio1, u"&Vertical"),
    Control(kRadio2, u"&Horizontal"),
    Control(kStatic2, u"Ta&maño:"),
    Control(kStatic3, u"&Origen:"),
    Control(kPushButton2, u"P&ropiedades"),
    ChildCaptioned(u"Net&work...", u"Red"),
};

constexpr TRelabelStep kFindSteps[] = {
    DialogWindow(u"Buscar", Wider(20)),
    Control(kIdOk, u"Bu&scar siguiente", Wider(15)),
    Control(kIdCancel, kCancelar, Wider(15)),
    Control(kHelpButton, u"Ay&uda", Wider(15)),
    ChildCaptioned(u"Fi&nd what:", u"&Buscar"),
    Control(kCheckBox1, u"Sólo palabra &completa"),
    Control(kCheckBox2, u"&Mayúsculas y minúsculas", Wider(42)),
    Control(kGroup1, u"Dirección", Left(6, 6)),
    Control(kRadio1, u"A&rriba", Left(6, 7)),
    Control(kRadio2, u"Abaj&o", Right(5, -4)),
};

constexpr TRelabelStep kReplaceSteps[] = {
    DialogWindow(u"Reemplazar", Wider(15)),
    Control(kIdOk, u"Bu&scar siguiente", Wider(15)),
    Control(kPushButton1, u"&Reemplazar", Wider(15)),
    Control(kPushButton2, u"Reempla&zar todo", Wider(15)),
    Control(kIdCancel, kCancelar, Wider(15)),
    Control(kHelpButton, u"Ay&uda", Wider(15)),
    ChildCaptioned(u"Fi&nd what:", u"&Buscar"),
    ChildCaptioned(u"Re&place with:", u"R&eemplazar por:"),
    Control(kCheckBox1, u"Sólo palabra &completa", Wider(50)),
    Control(kCheckBox2, u"&Mayúsculas y minúsculas", Wider(50)),
};

constexpr std::array<std::u16string_view, 5> kToolTips = {
    u"Subir un nivel", u"Ver escritotio", u"Crear nueva carpeta", u"Lista", u"Detalles",
};

constexpr std::array<std::u16string_view, 5> kColumnHeaders = {
    u"Nombre", u"Tamaño", u"Tipo", u"Modificado", u"Atributos",
};

constexpr TLanguageTest kCancelTest{kIdCancel, kCancelar};
constexpr TLanguageTest kOkTest{kIdOk, kAceptar};

} // namespace

TDialogRelabelling OpenRelabelling() {
    return {kCancelTest, kOpenSteps};
}
std::span<const TRelabelStep> SaveSteps() {
    return kSaveSteps;
}
std::span<const TRelabelStep> SaveFallbackSteps() {
    return kSaveFallbackSteps;
}
TDialogRelabelling PrintRelabelling() {
    return {kOkTest, kPrintSteps};
}
TDialogRelabelling PrinterSetupRelabelling() {
    return {kOkTest, kPrinterSetupSteps};
}
TDialogRelabelling FindRelabelling() {
    return {kCancelTest, kFindSteps};
}
TDialogRelabelling ReplaceRelabelling() {
    return {kCancelTest, kReplaceSteps};
}

std::optional<std::u16string_view> OpenToolTip(int tool, int toolCount) {
    if (tool < 1 || tool >= toolCount)
        return std::nullopt;
    // With five tools the desktop tip has no tool: tools 2 to 4 take tips 3 to 5.
    const int number = toolCount == 5 && tool >= 2 ? tool + 1 : tool;
    if (number > static_cast<int>(kToolTips.size()))
        return std::nullopt;
    return kToolTips[static_cast<std::size_t>(number - 1)];
}

std::span<const std::u16string_view> OpenColumnHeaders() {
    return kColumnHeaders;
}

} // namespace typ::dialogs
