#include "editor/LineCommands.h"

#include "charconv/GridCells.h"
#include "editor/Blocks.h"

#include <string>

namespace typ {

void actDeshacerExecute(TGridEditor& grid) {
    grid.Undo();
}

void actRehacerExecute(TGridEditor& grid) {
    grid.Redo();
}

void actCortarExecute(TGridEditor& grid, TClipboard& clipboard) {
    const TEditUnit unit(grid);
    if (grid.Block()) {
        CutBlock(grid, clipboard);
        return;
    }
    TMemo& memo = grid.Editor();
    if (memo.SelLength() > 0) {
        clipboard.SetText(memo.SelText());
        memo.ReplaceSel(u"", true);
    }
    grid.NormalizeGrid();
}

void actCopiarExecute(const TGridEditor& grid, TClipboard& clipboard) {
    if (grid.Block()) {
        CopyBlock(grid, clipboard);
        return;
    }
    if (grid.Editor().SelLength() > 0)
        clipboard.SetText(grid.Editor().SelText());
}

void actPegarExecute(TGridEditor& grid, const TClipboard& clipboard, bool altHeld) {
    const TEditUnit unit(grid);
    const auto text = clipboard.Text();
    const bool multiLine = text && text->find_first_of(u"\r\n") != std::u16string::npos;
    if (text && (clipboard.HoldsRectangularText() || ((grid.Block() || altHeld) && multiLine))) {
        PasteRows(grid, *text);
        return;
    }
    grid.EndBlock();
    if (text)
        grid.Editor().ReplaceSel(GridCellText(*text), true);
    grid.NormalizeGrid();
}

void actBorrarExecute(TGridEditor& grid) {
    const TEditUnit unit(grid);
    if (grid.Block()) {
        ClearBlock(grid);
        return;
    }
    if (grid.Editor().SelLength() > 0)
        grid.Editor().ReplaceSel(u"", true);
}

void actSeleccionarTodoExecute(TGridEditor& grid) {
    grid.Editor().SelectAll();
}

void actInsertarLineaExecute(TGridEditor& grid) {
    const TEditUnit unit(grid);
    const std::u16string blank(static_cast<std::size_t>(grid.AnchoPagina()), u' ');
    grid.Editor().Lines().Insert(grid.Editor().CaretPos().Y, blank);
    grid.NormalizeGrid();
}

void actBorrarLineaExecute(TGridEditor& grid) {
    const TEditUnit unit(grid);
    grid.Editor().Lines().Delete(grid.Editor().CaretPos().Y);
    grid.NormalizeGrid();
}

} // namespace typ
