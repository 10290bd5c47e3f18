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

void TGridEditor::NormalizeGrid() {
    TMemoUpdate update(FEditor);
    TMemoLines& lines = FEditor.Lines();
    const int selStart = FEditor.SelStart();
    FEditor.SetSelStart(FEditor.TextLength());
    while (lines.Count() > FAltoPagina)
        lines.Delete(lines.Count() - 1);
    const std::u16string blank(static_cast<std::size_t>(FAnchoPagina), u' ');
    while (lines.Count() < FAltoPagina)
        lines.Add(blank);
    for (int i = 0; i < FAltoPagina; ++i)
        if (static_cast<int>(lines.Get(i).size()) != FAnchoPagina)
            lines.Put(i, FittedLine(lines.Get(i), FAnchoPagina));
    // The line list does not count an empty last line, so on a page of width
    // 0 the break before it is one of the page's own.
    const int length = FEditor.TextLength();
    if (FEditor.LineCount() > FAltoPagina && length >= 2 &&
        FEditor.SubText(length - 2, 2) == u"\r\n") {
        FEditor.SetSel(length - 2, length);
        FEditor.ReplaceSel(u"", false);
    }
    PutSelStartBack(selStart);
}

// An offset remembered before the lines changed may now fall between the CR
// and the LF of a line break, where the next insertion would leave both inside
// lines: it goes back to the end of that line instead.
void TGridEditor::PutSelStartBack(int offset) {
    const int line = FEditor.LineFromChar(offset);
    FEditor.SetSelStart(std::min(offset, FEditor.LineIndex(line) + FEditor.LineLength(line)));
}

void TGridEditor::PadCurrentLine() {
    const int line = FEditor.CaretPos().Y;
    if (static_cast<int>(FEditor.Lines().Get(line).size()) == FAnchoPagina)
        return;
    TMemoUpdate update(FEditor);
    const int selStart = FEditor.SelStart();
    FEditor.Lines().Put(line, FittedLine(FEditor.Lines().Get(line), FAnchoPagina));
    PutSelStartBack(selStart);
}

} // namespace typ
