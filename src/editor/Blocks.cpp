#include "editor/Blocks.h"

#include "charconv/GridCells.h"
#include "editor/DrawingMode.h"

#include <algorithm>

namespace typ {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// Writes cells into a line from a column on, within the line's length.
void WriteCells(TMemo& memo, int line, int column, std::u16string_view cells) {
    if (line < 0 || line >= memo.LineCount())
        return;
    std::u16string text = memo.Line(line);
    const int length = static_cast<int>(text.size());
    bool changed = false;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const int at = column + i;
        if (at < 0 || at >= length)
            continue;
        auto& cell = text[static_cast<std::size_t>(at)];
        changed = changed || cell != cells[static_cast<std::size_t>(i)];
        cell = cells[static_cast<std::size_t>(i)];
    }
    if (changed)
        memo.Lines().Put(line, text);
}

std::optional<char16_t> CellAt(const TMemo& memo, int column, int line) {
    if (line < 0 || line >= memo.LineCount() || column < 0 || column >= memo.LineLength(line))
        return std::nullopt;
    return memo.Line(line)[static_cast<std::size_t>(column)];
}

// The character with exactly these strokes; a lone stroke is a whole line.
int JunctionOf(const TLineTable& linea, bool up, bool down, bool left, bool right) {
    const int value = linea[static_cast<std::size_t>(LineaIndex(up, down, left, right))];
    if (value > 4)
        return value;
    if (up || down)
        return 179;
    return left || right ? 196 : 0;
}

} // namespace

std::vector<std::u16string> BlockRows(const TGridEditor& grid, const TBlock& block) {
    std::vector<std::u16string> rows;
    const TMemo& memo = grid.Editor();
    for (int line = block.Top; line < block.Top + block.Height; ++line) {
        std::u16string row(static_cast<std::size_t>(block.Width), u' ');
        for (int i = 0; i < block.Width; ++i)
            if (const auto c = CellAt(memo, block.Left + i, line))
                row[static_cast<std::size_t>(i)] = *c;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::u16string BlockText(const TGridEditor& grid, const TBlock& block) {
    std::u16string text;
    bool first = true;
    for (const std::u16string& row : BlockRows(grid, block)) {
        if (!first)
            text.append(kLineBreak);
        text.append(row);
        first = false;
    }
    return text;
}

void BlankBlock(TGridEditor& grid, const TBlock& block) {
    const std::u16string blanks(static_cast<std::size_t>(block.Width), u' ');
    for (int line = block.Top; line < block.Top + block.Height; ++line)
        WriteCells(grid.Editor(), line, block.Left, blanks);
}

std::optional<TBlock> OverlayRows(TGridEditor& grid, const std::vector<std::u16string>& rows,
                                  TPoint at) {
    int width = 0;
    for (const std::u16string& row : rows)
        width = std::max(width, static_cast<int>(row.size()));
    const int left = std::max(at.X, 0);
    const int top = std::max(at.Y, 0);
    const int right = std::min(at.X + width, grid.AnchoPagina());
    const int bottom = std::min(at.Y + static_cast<int>(rows.size()), grid.AltoPagina());
    if (left >= right || top >= bottom)
        return std::nullopt;
    for (int line = top; line < bottom; ++line) {
        const std::u16string& row = rows[static_cast<std::size_t>(line - at.Y)];
        const int first = left - at.X;
        const int count = std::min(static_cast<int>(row.size()) - first, right - left);
        if (count > 0)
            WriteCells(grid.Editor(), line, left,
                       std::u16string_view(row).substr(static_cast<std::size_t>(first),
                                                       static_cast<std::size_t>(count)));
    }
    return TBlock{left, top, right - left, bottom - top};
}

std::vector<std::u16string> TextRows(std::u16string_view text, int maxRows, int maxColumns) {
    std::vector<std::u16string> rows;
    const std::u16string cells = GridCellText(text);
    std::u16string_view rest = cells;
    while (static_cast<int>(rows.size()) < maxRows) {
        const std::size_t end = rest.find(kLineBreak);
        const std::u16string_view row = rest.substr(0, end);
        rows.emplace_back(row.substr(0, static_cast<std::size_t>(std::max(maxColumns, 0))));
        if (end == std::u16string_view::npos)
            break;
        rest.remove_prefix(end + kLineBreak.size());
    }
    return rows;
}

void DrawFrame(TGridEditor& grid, const TBlock& block, TLineStyle style) {
    const TMemo& memo = grid.Editor();
    const TLineTable linea = InitLineTable();
    const int right = block.Left + block.Width - 1;
    const int bottom = block.Top + block.Height - 1;
    // Read before any cell is written, so each cell joins what was there.
    std::vector<std::pair<TPoint, int>> cells;
    for (int line = block.Top; line <= bottom; ++line) {
        for (int column = block.Left; column <= right; ++column) {
            const bool across = line == block.Top || line == bottom;
            const bool down = column == block.Left || column == right;
            if (!across && !down)
                continue;
            const auto joins = [&](int dx, int dy, TDirection back) {
                return HasStroke(CellAt(memo, column + dx, line + dy), back);
            };
            const bool up = (down && line > block.Top) || joins(0, -1, TDirection::Down);
            const bool under = (down && line < bottom) || joins(0, 1, TDirection::Up);
            const bool leftward =
                (across && column > block.Left) || joins(-1, 0, TDirection::Right);
            const bool rightward = (across && column < right) || joins(1, 0, TDirection::Left);
            const int code = JunctionOf(linea, up, under, leftward, rightward);
            if (code != 0)
                cells.push_back({{column, line}, InStyle(code, style)});
        }
    }
    for (const auto& [cell, code] : cells)
        WriteCells(grid.Editor(), cell.Y, cell.X, std::u16string(1, static_cast<char16_t>(code)));
}

void CopyBlock(const TGridEditor& grid, TClipboard& clipboard) {
    if (const auto block = grid.Block())
        clipboard.SetRectangularText(BlockText(grid, *block));
}

void CutBlock(TGridEditor& grid, TClipboard& clipboard) {
    if (const auto block = grid.Block()) {
        clipboard.SetRectangularText(BlockText(grid, *block));
        BlankBlock(grid, *block);
    }
}

void ClearBlock(TGridEditor& grid) {
    if (const auto block = grid.Block())
        BlankBlock(grid, *block);
}

void PasteRows(TGridEditor& grid, std::u16string_view text) {
    const TMemo& memo = grid.Editor();
    const auto block = grid.Block();
    const int line = memo.LineFromChar(memo.SelStart());
    const TPoint at = block ? TPoint{block->Left, block->Top}
                            : TPoint{memo.SelStart() - memo.LineIndex(line), line};
    const auto rows = TextRows(text, grid.AltoPagina() - at.Y, grid.AnchoPagina() - at.X);
    const auto written = OverlayRows(grid, rows, at);
    if (written)
        grid.SelectBlock({written->Left, written->Top},
                         {written->Left + written->Width - 1, written->Top + written->Height - 1});
}

int SelectedCells(const TGridEditor& grid) {
    const auto block = grid.Block();
    return block ? block->Width * block->Height : grid.Editor().SelLength();
}

TRange ShownSelection(const TGridEditor& grid, int line) {
    const auto block = grid.Block();
    if (!block)
        return SelectedColumns(grid.Editor(), line);
    if (line < block->Top || line >= block->Top + block->Height)
        return {};
    return {block->Left, block->Left + block->Width};
}

void actMarcoExecute(TGridEditor& grid) {
    const auto block = grid.Block();
    if (!block)
        return;
    const TEditUnit unit(grid);
    DrawFrame(grid, *block, DrawingDouble(grid) ? TLineStyle::Double : TLineStyle::Single);
}

} // namespace typ
