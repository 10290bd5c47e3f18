#pragma once

#include "editor/GridEditor.h"

#include <windows.h>
#include <cstdint>
#include <memory>
#include <string>

namespace typ::win {

// The editor window: tool bars, menus, rulers, the grid view over the grid
// editor and the status bar, with the command set. Created hidden; closing
// hides it (the text is copied first), so it can be shown again.
class TfrmEditorTYP {
public:
    TfrmEditorTYP();
    virtual ~TfrmEditorTYP();
    TfrmEditorTYP(const TfrmEditorTYP&) = delete;
    TfrmEditorTYP& operator=(const TfrmEditorTYP&) = delete;

    // The platform window, created on first use (the window stays hidden).
    HWND Handle();
    TGridEditor& Grid();

    const std::u16string& TypInMemo() const;
    void SetTypInMemo(std::u16string text);
    const std::u16string& DirComunes() const;
    void SetDirComunes(std::u16string directory);
    std::uint8_t TypeEdition() const;
    void SetTypeEdition(std::uint8_t mode);

    void SetPageSize(int width, int height);
    void NormalizeGrid();

    // What the automation object does to the window before a hosted run.
    void SetCaption(const std::u16string& caption);
    // Hides the Abrir and Guardar buttons, the "&Importar / Exportar TYP"
    // button and the Archivo items Abrir, Guardar and "G&uardar como...".
    void HideHostedFileCommands();
    void SetImportExportBarBounds(int left, int width);
    int ImportExportBarLeft() const;
    int HelpButtonWidth() const;
    // Leaves drawing mode as the Dibujar command does when switching it off.
    void LeaveDrawingMode();
    void SetMaximized();
    // Hides the Ayuda tool-bar button and the "&Variables de impresión" button.
    void HideHelpButtons();
    bool HelpButtonsVisible() const;
    // Replaces the grid's whole text (no normalisation: the show hook does it).
    void LoadText(std::u16string_view text);
    // Shows the window modally; returns when it is closed (Escape, Cerrar, the
    // close box). Other windows of the thread are disabled meanwhile.
    void ShowModal();

protected:
    virtual void HelpHook() {}
    virtual void VariablesHelpHook() {}
    virtual bool AskHook(const std::u16string& message, int buttons, char16_t defaultAnswer,
                         int helpContext);
    virtual void CloseQueryHook(bool& canClose);
    virtual void CloseHook() {}
    virtual void ShowHook() {}

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

} // namespace typ::win
