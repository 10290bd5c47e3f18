#pragma once

#include "editor/EditorWindow.h"

#include <windows.h>
#include <cstdint>
#include <exception>
#include <string>

namespace typ::win {

// The editor window as the automation object shows it: it keeps the process's
// own window off the task bar, sizes the page to the text it is shown with and
// keeps the host's help values.
class TFrmEditorTypNoTaskBar : public TfrmEditorTYP {
public:
    // `applicationWindow` is the process's hidden main window.
    explicit TFrmEditorTypNoTaskBar(HWND applicationWindow);

    std::int32_t HelpContext() const { return FHelpContext; }
    void SetHelpContext(std::int32_t context) { FHelpContext = context; }
    std::int32_t HelpContextVar() const { return FHelpContextVar; }
    void SetHelpContextVar(std::int32_t context) { FHelpContextVar = context; }
    const std::u16string& HelpFile() const { return FHelpFile; }
    void SetHelpFile(std::u16string file) { FHelpFile = std::move(file); }

    // Runs the window modally. The window cannot be used without its page, so
    // an error of the show hook closes it and is raised here.
    void ShowModalHosted();

protected:
    void ShowHook() override;
    // Help on the editor and on the print variables, each only when the host
    // gave its context.
    void HelpHook() override;
    void VariablesHelpHook() override;

private:
    void PrepareShownText();

    HWND FApplicationWindow;
    std::int32_t FHelpContext = 0;
    std::int32_t FHelpContextVar = 0;
    std::u16string FHelpFile;
    std::exception_ptr FShowError;
};

} // namespace typ::win
