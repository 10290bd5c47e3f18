#pragma once

#include "editor/Clipboard.h"
#include "editor/GridEditor.h"

// The Edición commands that are not search or drawing. Those that can change
// the page's shape end with NormalizeGrid; Borrar does not, and may leave a line
// short until a later normalisation. Each command that changes the text is one
// undo unit.
namespace typ {

// One unit of the history back, and forward again.
void actDeshacerExecute(TGridEditor& grid);
void actRehacerExecute(TGridEditor& grid);
// With a block selected, Cortar, Copiar and Borrar work on its cells
// (Blocks.h). Moves the selection to the clipboard (undoable, as the control's
// cut).
void actCortarExecute(TGridEditor& grid, TClipboard& clipboard);
void actCopiarExecute(const TGridEditor& grid, TClipboard& clipboard);
// Inserts the clipboard's text, as GridCellText makes it, over the selection
// whatever the insert mode; the normalisation then drops what went past the
// right edge or the last line. Rectangular text (marked so, or any text of
// several lines while a block is selected or Alt is held) is laid over the
// cells instead, row by row, and no line changes its length.
void actPegarExecute(TGridEditor& grid, const TClipboard& clipboard, bool altHeld = false);
void actBorrarExecute(TGridEditor& grid);
void actSeleccionarTodoExecute(TGridEditor& grid);
// A line of blanks before the caret's line; the page's last line is lost.
void actInsertarLineaExecute(TGridEditor& grid);
// Removes the caret's line; a line of blanks closes the page.
void actBorrarLineaExecute(TGridEditor& grid);

} // namespace typ
