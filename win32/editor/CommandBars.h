#pragma once

#include "editor/Commands.h"
#include "editor/Panel.h"
#include "editor/ToolBarPictures.h"

#include <windows.h>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace typ::win {

// The control bar across the top of the editor window with its two tool bars:
// the standard one (command buttons and the "&Variables de impresión" button)
// and the import/export one. The command buttons show the pictures of the
// window's own 16-pixel image list; their hints are their tool tips.
class TCommandBars {
public:
    TCommandBars(HWND form, HFONT font);
    TCommandBars(const TCommandBars&) = delete;
    TCommandBars& operator=(const TCommandBars&) = delete;

    // Places the bars across `width` pixels and returns the height they take.
    int Layout(int width);

    // The standard tool bar, whose clicks arrive as commands from it.
    HWND ToolBar() const { return FStandardBar; }
    void Enable(TCommandId command, bool enabled);
    void Check(TCommandId command, bool checked);
    void Hide(TCommandId command);
    bool Hidden(TCommandId command) const;
    void HideImportExportButton();
    void HideVariablesButton();
    bool VariablesButtonVisible() const;

    void SetImportExportBounds(int left, int width);
    int ImportExportLeft() const;
    int HelpButtonWidth() const { return FHelpButtonWidth; }

    // Paints an import or export button; false for any other control.
    bool DrawItem(const DRAWITEMSTRUCT& item) const;
    HIMAGELIST Pictures() const { return FPictures->Handle(); }

    // The hint of a command button, for its tool tip; null for other buttons.
    const std::wstring* Hint(UINT id) const;

private:
    void CreateStandardBar(HFONT font);
    void AddStandardButtons();
    void CreateVariablesButton(HFONT font);
    void CreateImportExportBar(HFONT font);
    void PlaceVariablesButton();
    void PlaceImportExportButtons();
    SIZE StandardBarSize() const;

    TPanel FControlBar;
    std::unique_ptr<TWinImageList> FPictures;
    TImportExportPictures FImportExportPictures;
    HWND FStandardBar = nullptr;
    HWND FVariablesButton = nullptr;
    std::unique_ptr<TPanel> FImportExportBar;
    std::array<HWND, 3> FImportExportButtons{};
    std::map<UINT, std::wstring> FTexts;
    std::map<UINT, std::wstring> FHints;
    std::wstring FVariablesHint;
    std::optional<int> FImportExportLeft;
    int FImportExportWidth = 0;
    int FHelpButtonWidth = 0;
};

} // namespace typ::win
