#include "server/HostedText.h"

#include "charconv/GridCells.h"
#include "editor/GridEditor.h"

#include <algorithm>

namespace typ {

namespace {

constexpr char16_t kEndOfFile = 26;

// Deleting the lines after `line` one by one from the last leaves `line` with
// its line break; one replacement does the same in a single step.
void DeleteLinesAfter(TMemo& memo, int line) {
    const int next = memo.LineIndex(line + 1);
    if (next < 0)
        return;
    memo.SetSel(next, memo.TextLength());
    memo.ReplaceSel(u"", false);
}

} // namespace

std::u16string NormalizeLineBreaks(std::u16string_view text) {
    return GridCellText(text);
}

void CutAtEndOfFile(TMemo& memo) {
    TMemoLines& lines = memo.Lines();
    for (int i = 0; i < lines.Count(); ++i) {
        const std::u16string& line = lines.Get(i);
        const auto mark = line.find(kEndOfFile);
        if (mark == std::u16string::npos)
            continue;
        TMemoUpdate update(memo);
        lines.Put(i, line.substr(0, mark));
        DeleteLinesAfter(memo, i);
        return;
    }
}

TPageSize HostedPageSize(TMemo& memo) {
    TMemoLines& lines = memo.Lines();
    std::size_t longest = 0;
    for (int i = 0; i < lines.Count(); ++i)
        longest = std::max(longest, lines.Get(i).size());
    const int count = lines.Count();
    return {longest == 0 ? TGridEditor::kDefaultWidth : static_cast<int>(longest),
            count == 0 ? TGridEditor::kDefaultHeight : count};
}

TPageSize PrepareHostedPage(TMemo& memo) {
    CutAtEndOfFile(memo);
    return HostedPageSize(memo);
}

std::u16string WithTrailingDelimiter(std::u16string_view directory) {
    std::u16string result(directory);
    if (result.empty() || result.back() != u'\\')
        result += u'\\';
    return result;
}

bool HostedTextChanged(std::u16string_view received, std::u16string_view edited) {
    return received != edited;
}

} // namespace typ
