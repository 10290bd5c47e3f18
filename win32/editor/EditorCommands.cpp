#include "CommandIds.h"
#include "EditorWindowImpl.h"
#include "ErrorBox.h"
#include "StatusPanels.h"
#include "editor/DrawingFlag.h"
#include "editor/DrawingMode.h"
#include "editor/LineCommands.h"

namespace typ::win {

namespace {

using enum TCommandId;

// The commands that drawing mode disables and leaving it enables again.
constexpr std::array<TCommandId, 6> kDrawingBlocked = {actCortar, actCopiar, actPegar,
                                                       actBorrar, actBuscar, actReemplazar};

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT) ||
           IsClipboardFormatAvailable(CF_OEMTEXT);
}

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
    case actBorrar:
        return &TImpl::actBorrarExecute;
    case actSeleccionarTodo:
        return &TImpl::actSeleccionarTodoExecute;
    case actInsertarLinea:
        return &TImpl::actInsertarLineaExecute;
    case actBorrarLinea:
        return &TImpl::actBorrarLineaExecute;
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
    if (handler != nullptr)
        RunGuarded(Form, [this, handler] { (this->*handler)(); });
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

void TfrmEditorTYP::TImpl::actDeshacerExecute() {
    typ::actDeshacerExecute(Grid);
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

// A command without a handler stays disabled whatever the rules say.
void TfrmEditorTYP::TImpl::SetCommandEnabled(TCommandId command, bool enabled) {
    enabled = enabled && Command(command).HasHandler;
    Menus->Enable(command, enabled);
    Bars->Enable(command, enabled);
}

void TfrmEditorTYP::TImpl::ApplyEnabling(std::span<const TCommandEnabling> changes) {
    for (const TCommandEnabling& item : changes) {
        if (item.Change != TEnabling::Leave)
            SetCommandEnabled(item.Command, item.Change == TEnabling::Enable);
    }
}

void TfrmEditorTYP::TImpl::ApplyEditMenuRule() {
    const TEditMenuState state{Grid.TypeEdition(), DrawingFlag(), ClipboardHasText(),
                               Grid.Editor().SelLength()};
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
    Menus->Check(actDibujar, Grid.DrawingChecked());
    Bars->Check(actDibujar, Grid.DrawingChecked());
    Grid.UpdateStatus();
    RefreshStatus();
}

void TfrmEditorTYP::TImpl::RefreshStatus() {
    ShowStatusTexts(StatusBar, Grid);
}

} // namespace typ::win
