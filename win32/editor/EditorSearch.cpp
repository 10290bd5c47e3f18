#include "editor/EditorWindowImpl.h"
#include "editor/ErrorBox.h"
#include "editor/MessageBoxes.h"

namespace typ::win {

// The wrap question is a Yes/No box; the single-replace question goes through
// the window's AskHook. The replace dialog's Find Next has no handler.
void TfrmEditorTYP::TImpl::CreateSearch() {
    Search = std::make_unique<TSearchCommands>(
        Grid.Editor(),
        [this](std::u16string_view question) { return AskYesNo(Form, question, MB_ICONQUESTION); },
        [this](const std::u16string& message, int buttons, char16_t defaultAnswer,
               int helpContext) {
            return Owner.AskHook(message, buttons, defaultAnswer, helpContext);
        });
    FindDialogZV1 = std::make_unique<TFindDialogZV>();
    FindDialogZV1->OnFind = [this] { FindDialogZV1Find(); };
    ReplaceDialog1 = std::make_unique<TReplaceDialogZV>();
    ReplaceDialog1->OnReplace = [this] { ReplaceDialog1Replace(); };
}

void TfrmEditorTYP::TImpl::actBuscarExecute() {
    FindDialogZV1->Execute(Form);
}

void TfrmEditorTYP::TImpl::actBuscarSiguienteExecute() {
    Search->actBuscarSiguienteExecute();
}

void TfrmEditorTYP::TImpl::actReemplazarExecute() {
    ReplaceDialog1->Execute(Form);
}

// A successful Find Next closes the dialog and is remembered for F3.
void TfrmEditorTYP::TImpl::FindDialogZV1Find() {
    if (Search->FindDialogZV1Find(FindDialogZV1->FindText(), FindDialogZV1->Options()))
        FindDialogZV1->CloseDialog();
    View->CaretMoved();
}

void TfrmEditorTYP::TImpl::ReplaceDialog1Replace() {
    Search->DoReplace(ReplaceDialog1->FindText(), ReplaceDialog1->ReplaceText(),
                      ReplaceDialog1->Options());
    View->CaretMoved();
}

// The modeless dialogs do not outlive the window's run.
void TfrmEditorTYP::TImpl::CloseSearchDialogs() {
    if (FindDialogZV1 != nullptr)
        FindDialogZV1->CloseDialog();
    if (ReplaceDialog1 != nullptr)
        ReplaceDialog1->CloseDialog();
}

// The dialogs' commands arrive as their registered message; an error of a
// search is shown like any command's.
bool TfrmEditorTYP::TImpl::DispatchSearchMessage(UINT message, LPARAM lParam) {
    bool handled = false;
    RunGuarded(Form, [&] { handled = DispatchFindReplaceMessage(message, lParam); });
    if (handled)
        CommandDone();
    return handled;
}

} // namespace typ::win
