#include "editor/Blocks.h"
#include "editor/CommandIds.h"
#include "editor/DrawingFlag.h"
#include "editor/DrawingMode.h"
#include "editor/EditorWindowImpl.h"
#include "editor/ErrorBox.h"
#include "editor/LineCommands.h"
#include "editor/MessageBoxes.h"
#include "editor/StatusPanels.h"
#include "editor/TypFileDialogs.h"
#include "editor/Win32Clipboard.h"
#include "platform/WideText.h"

#include <commdlg.h>
#include <cstdlib>

namespace typ::win {

namespace {

using enum TCommandId;

// The commands that drawing mode disables and leaving it enables again.
constexpr std::array<TCommandId, 6> kDrawingBlocked = {actCortar, actCopiar, actPegar,
                                                       actBorrar, actBuscar, actReemplazar};

} // namespace

// The commands this build can run. A command gets its handler here and
// HasHandler in the command table; all else follows from the table.
TfrmEditorTYP::TImpl::THandler TfrmEditorTYP::TImpl::HandlerOf(TCommandId command) {
    switch (command) {
    case actCerrar:
        return &TImpl::actCerrarExecute;
    case actAyuda:
        return &TImpl::actAyudaExecute;
    case actDibujar:
        return &TImpl::actDibujarExecute;
    case actDeshacer:
        return &TImpl::actDeshacerExecute;
    case actRehacer:
        return &TImpl::actRehacerExecute;
    case actDibujarDoble:
        return &TImpl::actDibujarDobleExecute;
    case actMarco:
        return &TImpl::actMarcoExecute;
    case actBorrar:
        return &TImpl::actBorrarExecute;
    case actSeleccionarTodo:
        return &TImpl::actSeleccionarTodoExecute;
    case actInsertarLinea:
        return &TImpl::actInsertarLineaExecute;
    case actBorrarLinea:
        return &TImpl::actBorrarLineaExecute;
    case actCortar:
        return &TImpl::actCortarExecute;
    case actCopiar:
        return &TImpl::actCopiarExecute;
    case actPegar:
        return &TImpl::actPegarExecute;
    case actBuscar:
        return &TImpl::actBuscarExecute;
    case actBuscarSiguiente:
        return &TImpl::actBuscarSiguienteExecute;
    case actReemplazar:
        return &TImpl::actReemplazarExecute;
    case actImportarTyp:
        return &TImpl::actImportarTypExecute;
    case actExportarTyp:
        return &TImpl::actExportarTypExecute;
    case actConfigPagina:
        return &TImpl::actConfigPaginaExecute;
    case actConfigImpresora:
        return &TImpl::actConfigImpresoraExecute;
    case actImprimir:
        return &TImpl::actImprimirExecute;
    case actVistaPreliminar:
        return &TImpl::actVistaPreliminarExecute;
    case actCortarPalabras:
        return &TImpl::actCortarPalabrasExecute;
    case actFuente:
        return &TImpl::actFuenteExecute;
    default:
        return nullptr;
    }
}

void TfrmEditorTYP::TImpl::Execute(UINT id) {
    if (id == kVariablesButtonId) {
        RunGuarded(Form, [this] { Owner.VariablesHelpHook(); });
        return;
    }
    const auto command = CommandOfMessageId(id);
    const THandler handler = command ? HandlerOf(*command) : nullptr;
    if (handler == nullptr)
        return;
    RunGuarded(Form, [this, handler] { (this->*handler)(); });
    CommandDone();
}

// Commands may move the selection without changing the text, and an
// accelerator swallows the key-up that would refresh the status.
void TfrmEditorTYP::TImpl::CommandDone() {
    View->CaretMoved();
    Grid.UpdateStatus();
    RefreshStatus();
}

void TfrmEditorTYP::TImpl::actCerrarExecute() {
    SendMessageW(Form, WM_CLOSE, 0, 0);
}

void TfrmEditorTYP::TImpl::actAyudaExecute() {
    Owner.HelpHook();
}

void TfrmEditorTYP::TImpl::actDibujarExecute() {
    ApplyEnabling(typ::actDibujarExecute(Grid));
    ShowDrawingState();
}

void TfrmEditorTYP::TImpl::actDibujarDobleExecute() {
    ApplyEnabling(typ::actDibujarDobleExecute(Grid));
    ShowDrawingState();
}

// The tool bar's Dibujar button goes round off, single and double lines.
void TfrmEditorTYP::TImpl::CycleDrawingMode() {
    RunGuarded(Form, [this] {
        ApplyEnabling(typ::CycleDrawingMode(Grid));
        ShowDrawingState();
    });
    CommandDone();
}

void TfrmEditorTYP::TImpl::actDeshacerExecute() {
    typ::actDeshacerExecute(Grid);
}

void TfrmEditorTYP::TImpl::actRehacerExecute() {
    typ::actRehacerExecute(Grid);
}

void TfrmEditorTYP::TImpl::actMarcoExecute() {
    typ::actMarcoExecute(Grid);
}

void TfrmEditorTYP::TImpl::actBorrarExecute() {
    typ::actBorrarExecute(Grid);
}

void TfrmEditorTYP::TImpl::actSeleccionarTodoExecute() {
    typ::actSeleccionarTodoExecute(Grid);
}

void TfrmEditorTYP::TImpl::actInsertarLineaExecute() {
    typ::actInsertarLineaExecute(Grid);
}

void TfrmEditorTYP::TImpl::actBorrarLineaExecute() {
    typ::actBorrarLineaExecute(Grid);
}

void TfrmEditorTYP::TImpl::actCortarExecute() {
    TWin32Clipboard clipboard(Form);
    typ::actCortarExecute(Grid, clipboard);
}

void TfrmEditorTYP::TImpl::actCopiarExecute() {
    TWin32Clipboard clipboard(Form);
    typ::actCopiarExecute(Grid, clipboard);
}

void TfrmEditorTYP::TImpl::actPegarExecute() {
    const TWin32Clipboard clipboard(Form);
    typ::actPegarExecute(Grid, clipboard, GetKeyState(VK_MENU) < 0);
}

void TfrmEditorTYP::TImpl::actImportarTypExecute() {
    const auto folder = TypsFolder(DirComunes);
    EnsureTypsFolder(folder);
    const auto chosen = AskImportFile(Form, Caption(), folder);
    Transfer.actImportarTypExecute(
        Grid, chosen, [this](std::u16string_view message) { ShowNotice(Form, message); });
}

void TfrmEditorTYP::TImpl::actExportarTypExecute() {
    const auto folder = TypsFolder(DirComunes);
    EnsureTypsFolder(folder);
    const auto chosen = AskExportFile(Form, Caption(), folder);
    Transfer.actExportarTypExecute(Grid, chosen, [this](std::u16string_view question) {
        return AskYesNo(Form, question, MB_ICONWARNING);
    });
}

// Word wrap is a matter of display: the grid's lines stay page lines.
void TfrmEditorTYP::TImpl::actCortarPalabrasExecute() {
    View->SetWordWrap(!View->WordWrap());
    Menus->Check(actCortarPalabras, View->WordWrap());
}

// The font dialog lists fixed-pitch faces only, so a chosen font keeps the
// grid's columns; it is applied to the grid.
void TfrmEditorTYP::TImpl::actFuenteExecute() {
    LOGFONTW font = View->FontSpec();
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = Form;
    dialog.lpLogFont = &font;
    dialog.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_NOVERTFONTS;
    if (!ChooseFontW(&dialog))
        return;
    View->SetFont(FaceNamed(Utf16(font.lfFaceName)), std::abs(font.lfHeight));
}

std::u16string TfrmEditorTYP::TImpl::Caption() const {
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(Form)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(Form, caption.data(), static_cast<int>(caption.size()))));
    return Utf16(caption);
}

// While the grid has the focus, the standard edit commands follow the
// selection and the clipboard. It runs whenever the queue empties, after
// every key: the clipboard is asked only when it announced a change.
void TfrmEditorTYP::TImpl::IdleUpdate() {
    if (View == nullptr)
        return;
    if (ClipboardChanged) {
        ClipboardHasText = TWin32Clipboard::HasText();
        ClipboardChanged = false;
    }
    const TEditMenuState state{Grid.TypeEdition(), DrawingFlag(), ClipboardHasText,
                               SelectedCells(Grid)};
    ApplyEnabling(IdleEditEnabling(state, GetFocus() == View->Handle()));
}

// A command without a handler stays disabled whatever the rules say.
void TfrmEditorTYP::TImpl::SetCommandEnabled(TCommandId command, bool enabled) {
    enabled = enabled && Command(command).HasHandler;
    Menus->Enable(command, enabled);
    Bars->Enable(command, enabled);
}

void TfrmEditorTYP::TImpl::ApplyEnabling(std::span<const TCommandEnabling> changes) {
    for (const TCommandEnabling& item : changes)
        if (item.Change != TEnabling::Leave)
            SetCommandEnabled(item.Command, item.Change == TEnabling::Enable);
}

void TfrmEditorTYP::TImpl::ApplyEditMenuRule() {
    const TEditMenuState state{Grid.TypeEdition(), DrawingFlag(), TWin32Clipboard::HasText(),
                               SelectedCells(Grid)};
    ApplyEnabling(EditMenuEnabling(state));
}

// The grid's context menu, at the mouse or, from the keyboard, at the caret.
bool TfrmEditorTYP::TImpl::ShowPopupMenu(HWND source, LPARAM position) {
    if (View == nullptr || source != View->Handle())
        return false;
    POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (at.x == -1 && at.y == -1) {
        GetCaretPos(&at);
        ClientToScreen(source, &at);
    }
    TrackPopupMenu(Menus->Popup(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Form, nullptr);
    return true;
}

void TfrmEditorTYP::TImpl::LeaveDrawingMode() {
    ApplyEnabling(typ::LeaveDrawingMode(Grid));
    ShowDrawingState();
}

// The check mark of Dibujar in the menu and the tool bar, and status panel 0.
void TfrmEditorTYP::TImpl::ShowDrawingState() {
    Menus->Check(actDibujar, Grid.DrawingChecked() && !DrawingDouble(Grid));
    Menus->Check(actDibujarDoble, DrawingDouble(Grid));
    Bars->Check(actDibujar, Grid.DrawingChecked());
    Grid.UpdateStatus();
    RefreshStatus();
}

void TfrmEditorTYP::TImpl::RefreshStatus() {
    ShowStatusTexts(StatusBar, Grid);
}

} // namespace typ::win
