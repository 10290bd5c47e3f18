#include "editor/ShownRow.h"

#include <algorithm>

namespace typ {

namespace {

// A cell's look: its character (none past the text) and its highlight.
struct TCellLook {
    int Character;
    bool Selected;
    bool operator==(const TCellLook&) const = default;
};

TCellLook LookOf(const TShownRow& row, int column) {
    const bool inText = column < static_cast<int>(row.Text.size());
    return {inText ? row.Text[static_cast<std::size_t>(column)] : -1,
            inText && column >= row.Selected.Start && column < row.Selected.End};
}

} // namespace

TShownRow ShownRowOf(std::u16string_view line, int first, int count, TRange selected,
                     bool mapGlyphs) {
    TShownRow row{DisplayText(line, first, count, mapGlyphs), {}};
    const int length = static_cast<int>(row.Text.size());
    row.Selected.Start = std::clamp(selected.Start - first, 0, length);
    row.Selected.End = std::clamp(selected.End - first, row.Selected.Start, length);
    return row;
}

TRange ChangedColumns(const TShownRow& before, const TShownRow& after) {
    const int length = static_cast<int>(std::max(before.Text.size(), after.Text.size()));
    const auto differs = [&](int column) {
        return LookOf(before, column) != LookOf(after, column);
    };
    int start = 0;
    while (start < length && !differs(start))
        ++start;
    if (start == length)
        return {};
    int end = length;
    while (!differs(end - 1))
        --end;
    return {start, end};
}

} // namespace typ
