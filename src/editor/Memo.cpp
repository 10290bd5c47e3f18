#include "editor/Memo.h"

#include <algorithm>
#include <iterator>

namespace typ {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    for (;;) {
        const auto pos = text.find(kLineBreak);
        if (pos == std::u16string_view::npos) {
            lines.emplace_back(text);
            return lines;
        }
        lines.emplace_back(text.substr(0, pos));
        text.remove_prefix(pos + kLineBreak.size());
    }
}

int Length(const std::u16string& s) {
    return static_cast<int>(s.size());
}

} // namespace

TMemo::TMemo() : FLines(1), FStarts(1, 0) {}

std::u16string TMemo::Text() const {
    return SubText(0, FLength);
}

void TMemo::SetText(std::u16string_view text) {
    text = text.substr(0, text.find(u'\0'));
    Replace(0, FLength, text);
    FAnchor = FCaret = 0;
    FUndo = {};
    SetModified(false);
}

int TMemo::ClampOffset(int offset) const {
    return std::clamp(offset, 0, FLength);
}

void TMemo::EnsureStarts(int line) const {
    for (; FValidStarts <= line; ++FValidStarts) {
        const auto previous = static_cast<std::size_t>(FValidStarts - 1);
        FStarts[previous + 1] = FStarts[previous] + Length(FLines[previous]) + 2;
    }
}

int TMemo::LineIndex(int line) const {
    if (line < 0 || line >= LineCount())
        return -1;
    EnsureStarts(line);
    return FStarts[static_cast<std::size_t>(line)];
}

int TMemo::LineLength(int line) const {
    return line < 0 || line >= LineCount() ? 0 : Length(FLines[static_cast<std::size_t>(line)]);
}

const std::u16string& TMemo::Line(int line) const {
    static const std::u16string empty;
    return line < 0 || line >= LineCount() ? empty : FLines[static_cast<std::size_t>(line)];
}

int TMemo::LineFromChar(int offset) const {
    offset = ClampOffset(offset);
    // Extend the known line starts only as far as the offset needs.
    while (FValidStarts < LineCount() &&
           FStarts[static_cast<std::size_t>(FValidStarts - 1)] + LineLength(FValidStarts - 1) + 2 <=
               offset)
        EnsureStarts(FValidStarts);
    const auto begin = FStarts.begin();
    const auto found = std::upper_bound(begin, begin + FValidStarts, offset);
    return static_cast<int>(std::distance(begin, found)) - 1;
}

char16_t TMemo::CharAt(int offset) const {
    if (offset < 0 || offset >= FLength)
        return u'\0';
    const int line = LineFromChar(offset);
    const int column = offset - LineIndex(line);
    if (column < LineLength(line))
        return FLines[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
    return kLineBreak[static_cast<std::size_t>(column - LineLength(line))];
}

std::u16string TMemo::SubText(int start, int length) const {
    start = ClampOffset(start);
    const int end = ClampOffset(start + std::max(length, 0));
    std::u16string result;
    result.reserve(static_cast<std::size_t>(end - start));
    int line = LineFromChar(start);
    int column = start - LineIndex(line);
    for (int offset = start; offset < end; ++line, column = 0) {
        const std::u16string full = Line(line) + (line + 1 < LineCount() ? u"\r\n" : u"");
        const int take = std::min(Length(full) - column, end - offset);
        result.append(full, static_cast<std::size_t>(column), static_cast<std::size_t>(take));
        offset += take;
    }
    return result;
}

int TMemo::SelStart() const {
    return std::min(FAnchor, FCaret);
}

int TMemo::SelLength() const {
    return std::abs(FCaret - FAnchor);
}

void TMemo::SetSelLength(int length) {
    const int start = SelStart();
    SetSel(start, start + length);
}

void TMemo::SetSel(int anchor, int caret) {
    FAnchor = ClampOffset(anchor);
    FCaret = ClampOffset(caret);
}

TPoint TMemo::CaretPos() const {
    const int selEnd = std::max(FAnchor, FCaret);
    return {selEnd - LineIndex(LineFromChar(FCaret)), LineFromChar(selEnd)};
}

void TMemo::ReplaceSel(std::u16string_view text, bool canUndo) {
    const int start = SelStart();
    const int length = SelLength();
    if (canUndo)
        FUndo = {true, start, SubText(start, length), std::u16string(text)};
    else
        FUndo = {};
    Replace(start, length, text, canUndo);
    FAnchor = FCaret = start + static_cast<int>(text.size());
}

void TMemo::Undo() {
    if (!FUndo.Valid)
        return;
    const TUndoRecord done = FUndo;
    Replace(done.Start, Length(done.Inserted), done.Removed);
    FUndo = {true, done.Start, done.Inserted, done.Removed};
    SetSel(done.Start, done.Start + Length(done.Removed));
}

// Rebuilds the lines touched by the change from their joined text, so that line
// breaks made or broken by the change are found again.
void TMemo::Replace(int start, int length, std::u16string_view text, bool canUndo) {
    start = ClampOffset(start);
    const int end = ClampOffset(start + length);
    if (!FApplying && FHistory.Recording())
        FHistory.Record(FLength, start, SubText(start, end - start), text, canUndo);
    else if (!FApplying)
        FHistory.Clear();
    const int first = LineFromChar(start);
    int last = LineFromChar(end);
    const int headColumn = start - LineIndex(first);
    int tailColumn = end - LineIndex(last);
    std::u16string joined = SubText(LineIndex(first), headColumn);
    joined.append(text);
    if (tailColumn > LineLength(last)) {
        // The change ends between CR and LF: the LF joins the following line.
        joined += u'\n';
        ++last;
        tailColumn = 0;
    }
    joined.append(Line(last), static_cast<std::size_t>(tailColumn));
    auto pieces = SplitLines(joined);
    // The lines the change keeps are overwritten in place, so that putting one
    // line costs that line and not the lines after it: a normalisation that
    // puts every line stays linear in the text's size.
    const auto removed = static_cast<std::size_t>(last - first + 1);
    const std::size_t kept = std::min(pieces.size(), removed);
    const auto keptEnd = pieces.begin() + static_cast<std::ptrdiff_t>(kept);
    const auto firstIt = FLines.begin() + first;
    std::move(pieces.begin(), keptEnd, firstIt);
    const auto tailIt = firstIt + static_cast<std::ptrdiff_t>(kept);
    if (pieces.size() > removed)
        FLines.insert(tailIt, std::make_move_iterator(keptEnd),
                      std::make_move_iterator(pieces.end()));
    else
        FLines.erase(tailIt, FLines.begin() + last + 1);
    FStarts.resize(FLines.size());
    FValidStarts = std::min(FValidStarts, first + 1);
    FLength += static_cast<int>(text.size()) - (end - start);
    FModified = true;
    Changed();
}

void TMemo::SetModified(bool value) {
    FModified = value;
    if (value)
        FHistory.MarkModified();
    else
        FHistory.MarkClean();
}

void TMemo::BeginUnit(TUndoKind kind, std::optional<TPageSize> page) {
    FHistory.Begin(kind, LineFromChar(FCaret), {FAnchor, FCaret}, FLength, page);
}

void TMemo::EndUnit(std::optional<TPageSize> page) {
    FHistory.End(
        {FAnchor, FCaret}, page, [this](int start, int length) { return SubText(start, length); },
        FLength);
}

std::optional<TUndoStep> TMemo::UndoUnit() {
    auto step =
        FHistory.Undo([this](int start, int length) { return SubText(start, length); }, FLength);
    Apply(step);
    return step;
}

std::optional<TUndoStep> TMemo::RedoUnit() {
    auto step =
        FHistory.Redo([this](int start, int length) { return SubText(start, length); }, FLength);
    Apply(step);
    return step;
}

// The control's own record refers to the text before the step: it is dropped,
// as any change it did not make drops it.
void TMemo::Apply(const std::optional<TUndoStep>& step) {
    if (!step)
        return;
    {
        struct TApplying {
            bool& Flag;
            explicit TApplying(bool& flag) : Flag(flag) { Flag = true; }
            ~TApplying() { Flag = false; }
        } applying(FApplying);
        if (step->Length > 0 || !step->Text.empty())
            Replace(step->Start, step->Length, step->Text);
    }
    FUndo = {};
    FModified = !FHistory.AtClean();
    SetSel(step->Selection.Anchor, step->Selection.Caret);
}

void TMemo::Changed() {
    if (FUpdateDepth > 0)
        FChangedInUpdate = true;
    else if (OnChange)
        OnChange();
}

void TMemo::EndUpdate() {
    if (FUpdateDepth == 0 || --FUpdateDepth > 0)
        return;
    if (FChangedInUpdate && OnChange)
        OnChange();
    FChangedInUpdate = false;
}

} // namespace typ
