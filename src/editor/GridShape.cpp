#include "editor/GridEditor.h"

#include <algorithm>
#include <string>

namespace typ {

namespace {

std::string PageTooLargeMessage(int width, int height) {
    return "El tamaño de página " + std::to_string(width) + " x " + std::to_string(height) +
           " es demasiado grande.";
}

std::u16string FittedLine(std::u16string_view line, int width) {
    std::u16string fitted(line.substr(0, static_cast<std::size_t>(width)));
    fitted.resize(static_cast<std::size_t>(width), u' ');
    return fitted;
}

} // namespace

void TGridEditor::CheckPageSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if ((static_cast<std::int64_t>(width) + 2) * height > kMaxPageCells)
        throw EEditorError(PageTooLargeMessage(width, height));
}

void TGridEditor::SetPageSize(int width, int height) {
    CheckPageSize(width, height);
    width = std::max(width, 0);
    height = std::max(height, 0);
    FAnchoPagina = width;
    FAltoPagina = height;
    NormalizeGrid();
    const bool modified = FEditor.Modified();
    if (OnPageSizeChanged)
        OnPageSizeChanged();
    FEditor.SetModified(modified);
}

// The page as the normalisation leaves it: the first H lines (as the line list
// counts them) cut or padded to W, lines of blanks up to H, CR LF between them.
// Built in one pass, so any text normalises in time linear in its size.
std::u16string TGridEditor::PageText() {
    const int kept = std::min(FEditor.Lines().Count(), FAltoPagina);
    const auto width = static_cast<std::size_t>(FAnchoPagina);
    std::u16string page;
    page.reserve((width + 2) * static_cast<std::size_t>(FAltoPagina));
    for (int i = 0; i < FAltoPagina; ++i) {
        if (i > 0)
            page += u"\r\n";
        const std::u16string_view line = i < kept
                                             ? std::u16string_view(FEditor.Line(i)).substr(0, width)
                                             : std::u16string_view();
        page.append(line).append(width - line.size(), u' ');
    }
    return page;
}

// Only the span that differs is replaced, so a text already in shape keeps its
// undo record and its modified flag.
void TGridEditor::NormalizeGrid() {
    TMemoUpdate update(FEditor);
    const int selStart = FEditor.SelStart();
    const std::u16string page = PageText();
    const std::u16string text = FEditor.Text();
    const auto head = static_cast<std::size_t>(
        std::mismatch(text.begin(), text.end(), page.begin(), page.end()).first - text.begin());
    if (head < text.size() || head < page.size()) {
        const std::size_t room = std::min(text.size(), page.size()) - head;
        const auto tail = static_cast<std::size_t>(
            std::mismatch(text.rbegin(), text.rbegin() + static_cast<std::ptrdiff_t>(room),
                          page.rbegin())
                .first -
            text.rbegin());
        FEditor.SetSel(static_cast<int>(head), static_cast<int>(text.size() - tail));
        FEditor.ReplaceSel(std::u16string_view(page).substr(head, page.size() - head - tail),
                           false);
    }
    FEditor.SetSelStart(selStart);
}

void TGridEditor::PadCurrentLine() {
    const int line = FEditor.CaretPos().Y;
    if (static_cast<int>(FEditor.Lines().Get(line).size()) == FAnchoPagina)
        return;
    TMemoUpdate update(FEditor);
    const int selStart = FEditor.SelStart();
    FEditor.Lines().Put(line, FittedLine(FEditor.Lines().Get(line), FAnchoPagina));
    FEditor.SetSelStart(selStart);
}

} // namespace typ
