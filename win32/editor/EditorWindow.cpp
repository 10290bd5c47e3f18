#include "editor/EditorWindow.h"

#include "editor/EditorWindowImpl.h"
#include "platform/WideText.h"

namespace typ::win {

using enum TCommandId;

TfrmEditorTYP::TfrmEditorTYP() : FImpl(std::make_unique<TImpl>(*this)) {}

TfrmEditorTYP::~TfrmEditorTYP() = default;

HWND TfrmEditorTYP::Handle() {
    return FImpl->Window();
}

TGridEditor& TfrmEditorTYP::Grid() {
    return FImpl->Grid;
}

const std::u16string& TfrmEditorTYP::TypInMemo() const {
    return FImpl->TypInMemo;
}

void TfrmEditorTYP::SetTypInMemo(std::u16string text) {
    FImpl->TypInMemo = std::move(text);
}

const std::u16string& TfrmEditorTYP::DirComunes() const {
    return FImpl->DirComunes;
}

void TfrmEditorTYP::SetDirComunes(std::u16string directory) {
    FImpl->DirComunes = std::move(directory);
}

std::uint8_t TfrmEditorTYP::TypeEdition() const {
    return FImpl->Grid.TypeEdition();
}

void TfrmEditorTYP::SetTypeEdition(std::uint8_t mode) {
    FImpl->Grid.SetTypeEdition(mode);
}

void TfrmEditorTYP::SetPageSize(int width, int height) {
    FImpl->Window();
    FImpl->Grid.SetPageSize(width, height);
}

void TfrmEditorTYP::NormalizeGrid() {
    FImpl->Grid.NormalizeGrid();
}

void TfrmEditorTYP::SetCaption(const std::u16string& caption) {
    SetWindowTextW(FImpl->Window(), Wide(caption).c_str());
}

void TfrmEditorTYP::HideHostedFileCommands() {
    FImpl->Window();
    for (const TCommandId command : {actAbrir, actGuardar})
        FImpl->Bars->Hide(command);
    FImpl->Bars->HideImportExportButton();
    for (const TCommandId command : {actAbrir, actGuardar, actGuardarComo})
        FImpl->Menus->Remove(command);
    DrawMenuBar(FImpl->Form);
    FImpl->Layout();
}

void TfrmEditorTYP::SetImportExportBarBounds(int left, int width) {
    FImpl->Window();
    FImpl->Bars->SetImportExportBounds(left, width);
    FImpl->Layout();
}

int TfrmEditorTYP::ImportExportBarLeft() const {
    FImpl->Window();
    return FImpl->Bars->ImportExportLeft();
}

int TfrmEditorTYP::HelpButtonWidth() const {
    FImpl->Window();
    return FImpl->Bars->HelpButtonWidth();
}

void TfrmEditorTYP::LeaveDrawingMode() {
    FImpl->Window();
    FImpl->LeaveDrawingMode();
}

void TfrmEditorTYP::SetMaximized() {
    FImpl->Maximized = true;
    if (IsWindowVisible(FImpl->Window()))
        ShowWindow(FImpl->Form, SW_MAXIMIZE);
}

void TfrmEditorTYP::HideHelpButtons() {
    FImpl->Window();
    FImpl->Bars->Hide(actAyuda);
    FImpl->Bars->HideVariablesButton();
    FImpl->Layout();
}

bool TfrmEditorTYP::HelpButtonsVisible() const {
    FImpl->Window();
    return !FImpl->Bars->Hidden(actAyuda) && FImpl->Bars->VariablesButtonVisible();
}

void TfrmEditorTYP::LoadText(std::u16string_view text) {
    FImpl->Window();
    FImpl->Grid.Editor().SetText(text);
    FImpl->View->CaretMoved();
}

void TfrmEditorTYP::ShowModal() {
    FImpl->ShowModal();
}

bool TfrmEditorTYP::AskHook(const std::u16string&, int, char16_t, int) {
    return false;
}

void TfrmEditorTYP::CloseQueryHook(bool&) {}

} // namespace typ::win
