#pragma once

#include "editor/Memo.h"
#include "editor/ViewGeometry.h"

#include <vector>

// Word wrap is display only: the text, its offsets and the grid operations
// keep page lines, and the view shows each line over as many screen rows as
// it needs. Lines break at any character so that grid columns stay aligned:
// row k of a line shows its columns [k * width, (k + 1) * width) and an empty
// line takes one row.
namespace typ {

// A place on screen in character cells: the row and the column within it.
struct TRowCell {
    int Row = 0;
    int Column = 0;
    bool operator==(const TRowCell&) const = default;
};

// The screen rows of a memo's lines at a width, worked out once per change of
// text or width (one row start per line), so that mapping rows and lines costs
// a look-up or a binary search however long the text is.
class TWordWrap {
public:
    // Rows for the memo's lines as they are now; a width below 1 counts as 1.
    void Build(const TMemo& memo, int width);

    int Width() const { return FWidth; }
    int LineCount() const { return static_cast<int>(FRowStarts.size()) - 1; }
    int RowCount() const { return FRowStarts.back(); }
    // The most rows any one line takes (1 when there are no lines).
    int MostRows() const { return FMostRows; }

    // The first row of a line, the line clamped to the lines.
    int FirstRow(int line) const;
    int RowsOf(int line) const;
    // The line shown on a row, the row clamped to the rows.
    int LineOfRow(int row) const;

    // Where a cell of the text is shown: column c of a line on row
    // min(c / width, rows - 1) of it, so a caret at the end of a line that
    // fills its last row rests just right of the last character.
    TRowCell RowCellOf(TCell cell) const;
    // The cell of the text that a place on screen stands for; the row is
    // clamped to the rows and the column to [0, width].
    TCell CellOf(TRowCell place) const;

private:
    int ClampedLine(int line) const;

    int FWidth = 1;
    int FMostRows = 1;
    // FRowStarts[i] is the first row of line i; the last entry is the total.
    std::vector<int> FRowStarts{0};
};

} // namespace typ
