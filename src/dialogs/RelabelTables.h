#pragma once

#include "dialogs/RelabelStep.h"

#include <optional>
#include <span>
#include <string_view>

// The Spanish captions and corrections of the six common-dialog wrappers, by
// the standard control identifiers of the common dialog templates.
namespace typ::dialogs {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kPushButton1 = 1024;
inline constexpr int kPushButton2 = 1025;
inline constexpr int kHelpButton = 1038;
inline constexpr int kCheckBox1 = 1040;
inline constexpr int kCheckBox2 = 1041;
inline constexpr int kRadio1 = 1056;
inline constexpr int kRadio2 = 1057;
inline constexpr int kRadio3 = 1058;
inline constexpr int kGroup1 = 1072;
inline constexpr int kGroup2 = 1073;
inline constexpr int kGroup4 = 1075;
inline constexpr int kStatic2 = 1089;
inline constexpr int kStatic3 = 1090;
inline constexpr int kStatic4 = 1091;
inline constexpr int kFileTypeCombo = 1136;
inline constexpr int kFileNameEdit = 1152;

inline constexpr std::u16string_view kCancelar = u"Cancelar";
inline constexpr std::u16string_view kAceptar = u"Aceptar";

// Open and save: the dialog's title when the wrapper has none of its own.
inline constexpr std::u16string_view kOpenTitle = u"Abrir";
inline constexpr std::u16string_view kSaveTitle = u"Guardar como";

// The open dialog: the language test (on Cancel) and the captions that follow
// the retitling.
TDialogRelabelling OpenRelabelling();

// The save dialog's steps after the open dialog's, whatever the language test
// found; then, unless control 1090 reads kSaveFileNameLabel, the fallback steps.
std::span<const TRelabelStep> SaveSteps();
inline constexpr int kSaveFileNameLabelId = kStatic3;
inline constexpr std::u16string_view kSaveFileNameLabel = u"&Nombre de archivo:";
std::span<const TRelabelStep> SaveFallbackSteps();

TDialogRelabelling PrintRelabelling();
TDialogRelabelling PrinterSetupRelabelling();
TDialogRelabelling FindRelabelling();
TDialogRelabelling ReplaceRelabelling();

// The open dialog's tool bar: the tip that tool `tool` of `toolCount` gets, or
// none when it keeps its own (tool 0, and tools past the five texts).
std::optional<std::u16string_view> OpenToolTip(int tool, int toolCount);

// The open dialog's file list: the five column headers, from column 0.
std::span<const std::u16string_view> OpenColumnHeaders();

} // namespace typ::dialogs
