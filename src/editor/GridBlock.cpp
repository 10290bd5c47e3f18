#include "editor/Blocks.h"
#include "editor/GridEditor.h"

#include <algorithm>

namespace typ {

namespace {

TPoint Step(int key) {
    switch (key) {
    case vk::Left:
        return {-1, 0};
    case vk::Right:
        return {1, 0};
    case vk::Up:
        return {0, -1};
    case vk::Down:
        return {0, 1};
    default:
        return {0, 0};
    }
}

} // namespace

std::optional<TBlock> TGridEditor::Block() const {
    if (!FBlockCorners)
        return std::nullopt;
    const auto& [anchor, caret] = *FBlockCorners;
    const int left = std::min(anchor.X, caret.X);
    const int top = std::min(anchor.Y, caret.Y);
    return TBlock{left, top, std::max(anchor.X, caret.X) - left + 1,
                  std::max(anchor.Y, caret.Y) - top + 1};
}

// Corners beyond the page are brought onto it; a page without cells has no
// block. The caret goes to the caret corner, with no text selection.
void TGridEditor::SelectBlock(TPoint anchor, TPoint caret) {
    if (FAnchoPagina <= 0 || FAltoPagina <= 0) {
        EndBlock();
        return;
    }
    const auto onPage = [this](TPoint p) {
        return TPoint{std::clamp(p.X, 0, FAnchoPagina - 1), std::clamp(p.Y, 0, FAltoPagina - 1)};
    };
    FBlockCorners = {onPage(anchor), onPage(caret)};
    const TPoint at = FBlockCorners->second;
    FEditor.SetSelStart(FEditor.LineIndex(at.Y) + std::min(at.X, FEditor.LineLength(at.Y)));
}

void TGridEditor::ExtendBlock(int key) {
    const int line = FEditor.LineFromChar(FEditor.SelStart());
    const TPoint caretCell{FEditor.SelStart() - FEditor.LineIndex(line), line};
    const auto [anchor, caret] = FBlockCorners.value_or(std::pair{caretCell, caretCell});
    const TPoint step = Step(key);
    SelectBlock(anchor, {caret.X + step.X, caret.Y + step.Y});
}

void TGridEditor::MoveBlock(int key) {
    const auto block = Block();
    const TPoint step = Step(key);
    if (!block || step == TPoint{})
        return;
    const auto rows = BlockRows(*this, *block);
    BlankBlock(*this, *block);
    const auto written = OverlayRows(*this, rows, {block->Left + step.X, block->Top + step.Y});
    if (!written) {
        EndBlock();
        return;
    }
    const auto [anchor, caret] = *FBlockCorners;
    SelectBlock({anchor.X + step.X, anchor.Y + step.Y}, {caret.X + step.X, caret.Y + step.Y});
}

} // namespace typ
