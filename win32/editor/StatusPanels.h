#pragma once

#include "editor/GridEditor.h"

#include <windows.h>

namespace typ::win {

// The status bar of the editor window: drawing state, insert state and caret
// position, from the grid editor's status texts.
HWND CreateStatusPanels(HWND form, HFONT font);
// Sets each panel whose text differs from the grid editor's.
void ShowStatusTexts(HWND statusBar, const TGridEditor& grid);

} // namespace typ::win
