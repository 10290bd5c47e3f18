#include "editor/UndoHistory.h"

#include "editor/GapText.h"

#include <algorithm>
#include <climits>

namespace typ {

namespace {

void PutNumber(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    while (value >= 0x80) {
        bytes.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    bytes.push_back(static_cast<std::uint8_t>(value));
}

void PutText(std::vector<std::uint8_t>& bytes, std::u16string_view text) {
    for (const char16_t c : text)
        PutNumber(bytes, c);
}

class TPieceReader {
public:
    explicit TPieceReader(const std::vector<std::uint8_t>& bytes) : FBytes(bytes) {}
    bool AtEnd() const { return FAt >= FBytes.size(); }
    std::uint32_t Number() {
        std::uint32_t value = 0;
        for (int shift = 0; FAt < FBytes.size(); shift += 7) {
            const std::uint8_t byte = FBytes[FAt++];
            value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                break;
        }
        return value;
    }
    std::u16string Text(std::uint32_t length) {
        std::u16string text(length, u'\0');
        for (char16_t& c : text)
            c = static_cast<char16_t>(Number());
        return text;
    }

private:
    const std::vector<std::uint8_t>& FBytes;
    std::size_t FAt = 0;
};

// A range of the text, moved by a replacement of `count` characters at `at`
// with `inserted` characters; a replacement that overlaps it widens it.
struct TRange {
    int Begin = 0;
    int End = 0;

    void Replaced(int at, int count, int inserted) {
        const int delta = inserted - count;
        if (at >= End)
            return;
        if (at + count <= Begin) {
            Begin += delta;
            End += delta;
            return;
        }
        Begin = std::min(Begin, at);
        End = std::max(End, at + count) + delta;
    }
    void Join(int begin, int end) {
        Begin = std::min(Begin, begin);
        End = std::max(End, end);
    }
};

int Size(const std::u16string& text) {
    return static_cast<int>(text.size());
}

struct TPiece {
    int Start = 0;
    bool CanUndo = false;
    std::u16string Removed;
    std::u16string Inserted;
};

std::vector<TPiece> Decode(const std::vector<std::uint8_t>& bytes) {
    std::vector<TPiece> pieces;
    TPieceReader reader(bytes);
    while (!reader.AtEnd()) {
        TPiece piece;
        piece.Start = static_cast<int>(reader.Number());
        const std::uint32_t removed = reader.Number();
        piece.CanUndo = (removed & 1) != 0;
        const std::uint32_t inserted = reader.Number();
        piece.Removed = reader.Text(removed >> 1);
        piece.Inserted = reader.Text(inserted);
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

struct TRestored {
    std::u16string Text;
    std::optional<TRange> Selected; // what the undoable replacements removed
};

// The span's text before the pieces, from its text after them, the pieces
// taken back last first.
TRestored Restore(const std::vector<TPiece>& pieces, int lo, std::u16string after) {
    TGapText span(std::move(after));
    std::optional<TRange> restored;
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        const int at = piece->Start - lo;
        span.Replace(at, Size(piece->Inserted), piece->Removed);
        if (restored)
            restored->Replaced(at, Size(piece->Inserted), Size(piece->Removed));
        if (!piece->CanUndo)
            continue;
        if (restored)
            restored->Join(at, at + Size(piece->Removed));
        else
            restored = TRange{at, at + Size(piece->Removed)};
    }
    return {span.Text(), restored};
}

} // namespace

bool TUndoHistory::Joins(TUndoKind kind, int line, TUndoSelection selection) const {
    if (FDone == 0 || FDone != FUnits.size())
        return false;
    const TUnit& top = FUnits.back();
    if (kind == TUndoKind::Continue)
        return top.Serial == FLastEnded;
    return kind == TUndoKind::Typing && !FRunBroken && top.Kind == TUndoKind::Typing &&
           top.Line == line && top.After == selection;
}

void TUndoHistory::Begin(TUndoKind kind, int line, TUndoSelection selection, int textLength,
                         std::optional<TPageSize> page) {
    if (FDepth++ > 0)
        return;
    FAdded = false;
    FReopened = kind != TUndoKind::Action && Joins(kind, line, selection);
    if (FReopened) {
        FOpen = std::move(FUnits.back());
        FUnits.pop_back();
        --FDone;
        return;
    }
    TUnit unit;
    unit.Serial = ++FNextSerial;
    unit.Kind = kind == TUndoKind::Typing ? kind : TUndoKind::Action;
    unit.Line = line;
    unit.LengthBefore = textLength;
    unit.Lo = INT_MAX;
    unit.Tail = INT_MAX;
    unit.Before = selection;
    unit.PageBefore = page;
    FOpen = std::move(unit);
}

void TUndoHistory::Record(int textLength, int start, std::u16string_view removed,
                          std::u16string_view inserted, bool canUndo) {
    if (!FOpen)
        return;
    std::size_t same = 0;
    const std::size_t shorter = std::min(removed.size(), inserted.size());
    while (same < shorter && removed[same] == inserted[same])
        ++same;
    std::size_t sameTail = 0;
    while (sameTail < shorter - same &&
           removed[removed.size() - 1 - sameTail] == inserted[inserted.size() - 1 - sameTail])
        ++sameTail;
    removed = removed.substr(same, removed.size() - same - sameTail);
    inserted = inserted.substr(same, inserted.size() - same - sameTail);
    if (removed.empty() && inserted.empty())
        return;
    if (FReopened && !FAdded)
        FOpen->Serial = ++FNextSerial;
    FAdded = true;
    Append(*FOpen, textLength, start + static_cast<int>(same), removed, inserted, canUndo);
}

void TUndoHistory::Append(TUnit& unit, int textLength, int start, std::u16string_view removed,
                          std::u16string_view inserted, bool canUndo) {
    unit.Empty = false;
    unit.Lo = std::min(unit.Lo, start);
    unit.Tail = std::min(unit.Tail, textLength - start - static_cast<int>(removed.size()));
    PutNumber(unit.Pieces, static_cast<std::uint32_t>(start));
    PutNumber(unit.Pieces, static_cast<std::uint32_t>(removed.size() << 1 | (canUndo ? 1 : 0)));
    PutNumber(unit.Pieces, static_cast<std::uint32_t>(inserted.size()));
    PutText(unit.Pieces, removed);
    PutText(unit.Pieces, inserted);
}

// The net change: the span's text before and after, less what they share.
void TUndoHistory::Compact(TUnit& unit, const TTextReader& read, int textLength) {
    if (unit.Empty || unit.Pieces.size() < kCompactBytes)
        return;
    const int lengthAfter = textLength - unit.Tail - unit.Lo;
    const int lengthBefore = unit.LengthBefore - unit.Tail - unit.Lo;
    if (unit.Pieces.size() <= 4 * static_cast<std::size_t>(lengthBefore + lengthAfter))
        return;
    const auto pieces = Decode(unit.Pieces);
    const bool canUndo = std::any_of(pieces.begin(), pieces.end(),
                                     [](const TPiece& piece) { return piece.CanUndo; });
    const std::u16string after = read(unit.Lo, lengthAfter);
    const std::u16string before = Restore(pieces, unit.Lo, after).Text;
    std::u16string_view removed = before;
    std::u16string_view inserted = after;
    while (!removed.empty() && !inserted.empty() && removed.front() == inserted.front()) {
        removed.remove_prefix(1);
        inserted.remove_prefix(1);
    }
    const int start = unit.Lo + static_cast<int>(before.size() - removed.size());
    while (!removed.empty() && !inserted.empty() && removed.back() == inserted.back()) {
        removed.remove_suffix(1);
        inserted.remove_suffix(1);
    }
    unit.Pieces.clear();
    unit.Lo = INT_MAX;
    unit.Tail = INT_MAX;
    unit.Empty = true;
    if (!removed.empty() || !inserted.empty())
        Append(unit, unit.LengthBefore, start, removed, inserted, canUndo);
}

void TUndoHistory::End(TUndoSelection selection, std::optional<TPageSize> page,
                       const TTextReader& read, int textLength) {
    if (FDepth == 0 || --FDepth > 0)
        return;
    TUnit unit = std::move(*FOpen);
    FOpen.reset();
    Compact(unit, read, textLength);
    const bool pageChanged = unit.PageBefore && page && *unit.PageBefore != *page;
    // A unit whose changes cancel out is dropped, unless it changed the page.
    if ((FAdded && !unit.Empty) || pageChanged) {
        unit.After = selection;
        unit.PageAfter = page;
        if (!pageChanged && unit.PageBefore == unit.PageAfter) {
            unit.PageBefore.reset();
            unit.PageAfter.reset();
        }
        unit.Pieces.shrink_to_fit();
        FRunBroken = unit.Kind != TUndoKind::Typing;
        Push(std::move(unit));
    } else if (FReopened && !FAdded) {
        FUnits.push_back(std::move(unit));
        ++FDone;
    }
    if (FCleanPending) {
        FCleanPending = false;
        FCleanSerial = CurrentSerial();
    }
}

void TUndoHistory::Push(TUnit unit) {
    FUnits.erase(FUnits.begin() + static_cast<std::ptrdiff_t>(FDone), FUnits.end());
    FLastEnded = unit.Serial;
    FUnits.push_back(std::move(unit));
    FDone = FUnits.size();
    if (FUnits.size() > kMaxUnits) {
        FBase = FUnits.front().Serial;
        FUnits.pop_front();
        --FDone;
    }
}

void TUndoHistory::Clear() {
    FUnits.clear();
    FDone = 0;
    FBase = ++FNextSerial;
    FCleanSerial = kNoSerial;
    FRunBroken = true;
}

void TUndoHistory::MarkClean() {
    if (Recording())
        FCleanPending = true;
    else
        FCleanSerial = CurrentSerial();
}

// Inside a unit the unit's own changes make the text modified; the clean
// place before it stays reachable by undo.
void TUndoHistory::MarkModified() {
    FCleanPending = false;
    if (!Recording() && AtClean())
        FCleanSerial = kNoSerial;
}

// The step covers the unit's span in today's text. A text too short to hold it
// was changed behind the history's back, which then starts afresh.
bool TUndoHistory::PlaceSpan(const TUnit& unit, int textLength, TUndoStep& step) {
    step.Start = unit.Lo;
    step.Length = textLength - unit.Tail - unit.Lo;
    if (step.Length >= 0)
        return true;
    Clear();
    return false;
}

// The pieces are taken back last first over the span they touched; the text
// the control's own undo would have selected (what the undoable replacements
// removed) is selected again, or else the selection the action started from.
std::optional<TUndoStep> TUndoHistory::Undo(const TTextReader& read, int textLength) {
    if (Recording() || !CanUndo())
        return std::nullopt;
    const TUnit& unit = FUnits[FDone - 1];
    TUndoStep step{0, 0, u"", unit.Before, unit.PageBefore};
    if (!unit.Empty) {
        if (!PlaceSpan(unit, textLength, step))
            return std::nullopt;
        TRestored restored = Restore(Decode(unit.Pieces), unit.Lo, read(step.Start, step.Length));
        step.Text = std::move(restored.Text);
        if (restored.Selected)
            step.Selection = {unit.Lo + restored.Selected->Begin, unit.Lo + restored.Selected->End};
    }
    --FDone;
    FRunBroken = true;
    return step;
}

std::optional<TUndoStep> TUndoHistory::Redo(const TTextReader& read, int textLength) {
    if (Recording() || !CanRedo())
        return std::nullopt;
    const TUnit& unit = FUnits[FDone];
    TUndoStep step{0, 0, u"", unit.After, unit.PageAfter};
    if (!unit.Empty) {
        if (!PlaceSpan(unit, textLength, step))
            return std::nullopt;
        TGapText span(read(step.Start, step.Length));
        for (const TPiece& piece : Decode(unit.Pieces))
            span.Replace(piece.Start - unit.Lo, Size(piece.Removed), piece.Inserted);
        step.Text = span.Text();
    }
    ++FDone;
    FRunBroken = true;
    return step;
}

std::size_t TUndoHistory::MemoryUsed() const {
    std::size_t bytes = sizeof(*this);
    for (const TUnit& unit : FUnits)
        bytes += sizeof(TUnit) + unit.Pieces.capacity();
    return bytes;
}

} // namespace typ
