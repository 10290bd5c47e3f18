#pragma once

#include "editor/BoxDrawing.h"
#include "editor/Clipboard.h"
#include "editor/GridEditor.h"
#include "editor/ViewGeometry.h"

#include <string>
#include <string_view>
#include <vector>

// Rectangular blocks of the grid: their cells as rows of text, blanking,
// overlaying rows at a cell, and the frame Marco draws on a block's border.
// None of them changes a line's length: the grid keeps its shape.
namespace typ {

// The block's rows, each as wide as the block (blanks where a line is short).
std::vector<std::u16string> BlockRows(const TGridEditor& grid, const TBlock& block);
// The rows joined by CR LF, as the clipboard holds a block.
std::u16string BlockText(const TGridEditor& grid, const TBlock& block);
void BlankBlock(TGridEditor& grid, const TBlock& block);

// Writes the rows over the cells from `at` on, row by row, dropping what falls
// outside the page or beyond a line's end. Returns the cells written, if any.
std::optional<TBlock> OverlayRows(TGridEditor& grid, const std::vector<std::u16string>& rows,
                                  TPoint at);
// The rows of a text as the clipboard gives it: GridCellText's form, split at
// its line breaks. Only what a page of `maxRows` by `maxColumns` can show is
// kept, so a huge text costs one pass over it.
std::vector<std::u16string> TextRows(std::u16string_view text, int maxRows, int maxColumns);

// Marco: a frame on the block's border in the style, whose cells join the
// lines that reach them from either side with the junction of the drawing
// table (corners, tees, crossings).
void DrawFrame(TGridEditor& grid, const TBlock& block, TLineStyle style);

// The clipboard commands on a selected block. Copiar and Cortar put its rows
// on the clipboard marked as rectangular; Cortar and Borrar blank its cells.
void CopyBlock(const TGridEditor& grid, TClipboard& clipboard);
void CutBlock(TGridEditor& grid, TClipboard& clipboard);
void ClearBlock(TGridEditor& grid);
// Pegar as rows over the cells, at the block's top left corner or else at the
// caret; the pasted cells become the block.
void PasteRows(TGridEditor& grid, std::u16string_view text);

// What the clipboard commands would take: the block's cells while one is
// selected, or else the selection's characters.
int SelectedCells(const TGridEditor& grid);

// The columns of a line the view shows selected: the block's, while one is
// selected, or else the text selection's.
TRange ShownSelection(const TGridEditor& grid, int line);

// Marco (the command): the frame on the selected block in the drawing mode's
// style, single lines when drawing is off. Nothing without a block.
void actMarcoExecute(TGridEditor& grid);

} // namespace typ
