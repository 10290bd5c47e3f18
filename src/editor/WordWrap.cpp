#include "editor/WordWrap.h"

#include <algorithm>

namespace typ {

void TWordWrap::Build(const TMemo& memo, int width) {
    FWidth = std::max(width, 1);
    FMostRows = 1;
    const int lines = memo.LineCount();
    FRowStarts.assign(static_cast<std::size_t>(lines) + 1, 0);
    for (int line = 0; line < lines; ++line) {
        const int rows = std::max((memo.LineLength(line) + FWidth - 1) / FWidth, 1);
        FMostRows = std::max(FMostRows, rows);
        FRowStarts[static_cast<std::size_t>(line) + 1] =
            FRowStarts[static_cast<std::size_t>(line)] + rows;
    }
}

int TWordWrap::ClampedLine(int line) const {
    return std::clamp(line, 0, std::max(LineCount() - 1, 0));
}

int TWordWrap::FirstRow(int line) const {
    return FRowStarts[static_cast<std::size_t>(ClampedLine(line))];
}

int TWordWrap::RowsOf(int line) const {
    if (LineCount() == 0)
        return 1;
    const auto at = static_cast<std::size_t>(ClampedLine(line));
    return FRowStarts[at + 1] - FRowStarts[at];
}

int TWordWrap::LineOfRow(int row) const {
    if (LineCount() == 0)
        return 0;
    row = std::clamp(row, 0, RowCount() - 1);
    const auto found = std::upper_bound(FRowStarts.begin(), FRowStarts.end(), row);
    return static_cast<int>(std::distance(FRowStarts.begin(), found)) - 1;
}

TRowCell TWordWrap::RowCellOf(TCell cell) const {
    const int column = std::max(cell.Column, 0);
    const int row = std::min(column / FWidth, RowsOf(cell.Line) - 1);
    return {FirstRow(cell.Line) + row, column - row * FWidth};
}

TCell TWordWrap::CellOf(TRowCell place) const {
    const int line = LineOfRow(place.Row);
    const int row = std::clamp(place.Row, 0, std::max(RowCount() - 1, 0)) - FirstRow(line);
    return {line, row * FWidth + std::clamp(place.Column, 0, FWidth)};
}

} // namespace typ
