#pragma once

#include "editor/EditorFace.h"

#include <windows.h>

namespace typ::win {

// The face the grid and the rulers use, among those installed here.
TEditorFace InstalledEditorFace();

// A fixed-pitch font of the face, `pixels` high (character height).
HFONT CreateEditorFont(const TEditorFace& face, int pixels, bool bold);
// The grid's font size, 10 points on the screen.
int GridFontPixels();

// The 8-point sans-serif font of the window's and the dialogs' labels and
// buttons.
HFONT CreateUiFont();

// The size of the character "L" in a font: the grid's cell.
SIZE MeasureCell(HFONT font);

} // namespace typ::win
