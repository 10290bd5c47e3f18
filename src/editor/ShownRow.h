#pragma once

#include "editor/ViewGeometry.h"

#include <string>
#include <string_view>

// What one row of the grid view shows, kept so that after a key only the
// cells whose look changed are repainted.
namespace typ {

struct TShownRow {
    std::u16string Text; // the characters drawn, from the row's first column
    TRange Selected;     // columns of Text drawn highlighted, within Text
    bool operator==(const TShownRow&) const = default;
};

// A row showing `count` cells of a line from column `first`, with the line's
// selected columns `selected`.
TShownRow ShownRowOf(std::u16string_view line, int first, int count, TRange selected,
                     bool mapGlyphs);

// The columns [Start, End) whose character or highlight differ between two
// showings of a row (a cell past a row's text is blank); empty when none do.
TRange ChangedColumns(const TShownRow& before, const TShownRow& after);

} // namespace typ
