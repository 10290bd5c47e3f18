#pragma once

#include "editor/PageSize.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace typ {

// How a unit that opens joins the history: an action of its own, typing that
// continues the run before it on the same line, or the tail of the action just
// ended (a key-up finishing its key's work).
enum class TUndoKind { Action, Typing, Continue };

// A selection as anchor and caret offsets.
struct TUndoSelection {
    int Anchor = 0;
    int Caret = 0;
    bool operator==(const TUndoSelection&) const = default;
};

// What undoing or redoing a unit does to the text: replace `Length`
// characters at `Start` with `Text`, then select and size the page.
struct TUndoStep {
    int Start = 0;
    int Length = 0;
    std::u16string Text;
    TUndoSelection Selection;
    std::optional<TPageSize> Page;
};

// The undo and redo lists of one text. A unit is one user action; it keeps the
// text's changes, not copies of the text: each replacement as its offset and
// the characters it removed and inserted, trimmed of what both share and packed
// as variable-length numbers. At most kMaxUnits are kept, the oldest dropped
// first; a new change drops the redo list. A change made while no unit is
// open cannot be undone in step with the units, so it empties the history.
class TUndoHistory {
public:
    static constexpr std::size_t kMaxUnits = 1000;
    using TTextReader = std::function<std::u16string(int start, int length)>;
    // A unit whose changes take more than this is kept as its net change when
    // that is smaller (a paste the normalisation mostly cut away).
    static constexpr std::size_t kCompactBytes = 4096;

    bool Recording() const { return FDepth > 0; }
    // Units nest; the outermost one holds all. `line` places a typing run.
    void Begin(TUndoKind kind, int line, TUndoSelection selection, int textLength,
               std::optional<TPageSize> page);
    // `read` and `textLength` give the text as the unit leaves it.
    void End(TUndoSelection selection, std::optional<TPageSize> page, const TTextReader& read,
             int textLength);
    // A replacement of the text of `textLength`, before it is made.
    void Record(int textLength, int start, std::u16string_view removed,
                std::u16string_view inserted, bool canUndo);
    void Clear();
    // The next typed character starts a unit of its own.
    void BreakRun() { FRunBroken = true; }

    bool CanUndo() const { return FDone > 0; }
    bool CanRedo() const { return FDone < FUnits.size(); }
    std::size_t UndoCount() const { return FDone; }
    std::size_t RedoCount() const { return FUnits.size() - FDone; }
    // `read` gives the current text's characters; `textLength` its length.
    std::optional<TUndoStep> Undo(const TTextReader& read, int textLength);
    std::optional<TUndoStep> Redo(const TTextReader& read, int textLength);

    // The modified flag follows the place in the history where the text was
    // last unmodified (loaded or saved), not the count of changes.
    // Marked inside a unit, the clean place is where the unit ends.
    void MarkClean();
    void MarkModified();
    bool AtClean() const { return FCleanSerial == CurrentSerial(); }

    // Bytes held by both lists.
    std::size_t MemoryUsed() const;

private:
    static constexpr std::uint64_t kNoSerial = ~std::uint64_t{0};

    struct TUnit {
        std::uint64_t Serial = 0;
        TUndoKind Kind = TUndoKind::Action;
        int Line = 0;
        int LengthBefore = 0;
        // The changes lie in [Lo, length - Tail) of the text at any time.
        int Lo = 0;
        int Tail = 0;
        bool Empty = true;
        TUndoSelection Before;
        TUndoSelection After;
        std::optional<TPageSize> PageBefore;
        std::optional<TPageSize> PageAfter;
        std::vector<std::uint8_t> Pieces;
    };
    std::uint64_t CurrentSerial() const { return FDone > 0 ? FUnits[FDone - 1].Serial : FBase; }
    bool Joins(TUndoKind kind, int line, TUndoSelection selection) const;
    void Push(TUnit unit);
    static void Append(TUnit& unit, int textLength, int start, std::u16string_view removed,
                       std::u16string_view inserted, bool canUndo);
    static void Compact(TUnit& unit, const TTextReader& read, int textLength);
    bool PlaceSpan(const TUnit& unit, int textLength, TUndoStep& step);

    std::deque<TUnit> FUnits;
    std::size_t FDone = 0; // units [0, FDone) are undoable, the rest redoable
    std::optional<TUnit> FOpen;
    int FDepth = 0;
    bool FRunBroken = true;
    bool FReopened = false; // the open unit is the last one, taken up again
    bool FAdded = false;    // the open unit got changes since it opened
    bool FCleanPending = false;
    std::uint64_t FNextSerial = 0;
    std::uint64_t FBase = 0;      // the serial of the text before the oldest unit
    std::uint64_t FLastEnded = 0; // the unit a Continue may join
    std::uint64_t FCleanSerial = 0;
};

} // namespace typ
