#pragma once

#include "editor/Keys.h"
#include "editor/UndoHistory.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace typ {

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

class TMemo;

// The memo's lines as a string list: a final empty line after a closing line
// break is not counted, so "" has no lines and "ab\r\n" has one. Changes go
// through the memo's selection, as a list over an edit control does, and are
// not undoable.
class TMemoLines {
public:
    explicit TMemoLines(TMemo& memo) : FMemo(memo) {}

    int Count() const;
    const std::u16string& Get(int index) const;
    void Put(int index, std::u16string_view text);
    void Insert(int index, std::u16string_view text);
    void Add(std::u16string_view text) { Insert(Count(), text); }
    void Delete(int index);
    void BeginUpdate();
    void EndUpdate();

private:
    TMemo& FMemo;
};

// The grid's text control: text, selection, caret, line list, modified flag and
// one-level undo with the behaviour of a multi-line edit control. Offsets count
// each line break (CR LF) as two characters; only CR LF breaks a line, a lone
// CR or LF is an ordinary character. Lines are always text lines: word wrap is a
// matter of the view, never of the offsets.
class TMemo {
public:
    TMemo();

    std::u16string Text() const;
    // Replaces the whole text, as setting a control's text does: the text ends
    // at its first NUL, the caret goes to the start, undo and modified clear.
    void SetText(std::u16string_view text);
    int TextLength() const { return FLength; }
    std::u16string SubText(int start, int length) const;
    char16_t CharAt(int offset) const;

    int SelStart() const;
    int SelLength() const;
    int CaretOffset() const { return FCaret; }
    void SetSelStart(int offset) { SetSel(offset, offset); }
    void SetSelLength(int length);
    void SetSel(int anchor, int caret);
    void SelectAll() { SetSel(0, FLength); }
    std::u16string SelText() const { return SubText(SelStart(), SelLength()); }
    // Replaces the selection and leaves the caret after the new text. An
    // undoable change becomes the undo record; any other change empties it.
    void ReplaceSel(std::u16string_view text, bool canUndo);
    // Caret position with the control's semantics: X from the selection end,
    // counted from the start of the caret's line; Y the line of the selection end.
    TPoint CaretPos() const;

    int LineCount() const { return static_cast<int>(FLines.size()); }
    int LineIndex(int line) const;
    int LineFromChar(int offset) const;
    int LineLength(int line) const;
    const std::u16string& Line(int line) const;
    TMemoLines& Lines() { return FLinesList; }

    bool CanUndo() const { return FUndo.Valid; }
    // Undoes the last undoable change and selects the restored text; the undone
    // change becomes the undo record, so a second Undo redoes it.
    void Undo();

    // The editor's many-level history, above the control's one-level record.
    // Every change made inside a unit is recorded in it; a change made outside
    // any (loading a text, fitting the page to it) starts the history afresh.
    const TUndoHistory& History() const { return FHistory; }
    void BeginUnit(TUndoKind kind, std::optional<TPageSize> page = std::nullopt);
    void EndUnit(std::optional<TPageSize> page = std::nullopt);
    // The next typed character starts a unit of its own.
    void BreakTypingRun() { FHistory.BreakRun(); }
    // Takes back or makes again one unit of the history; the page size the
    // text then has, when the unit changed it. Nothing happens, and nullopt is
    // returned, when there is no unit to take.
    std::optional<TUndoStep> UndoUnit();
    std::optional<TUndoStep> RedoUnit();

    bool Modified() const { return FModified; }
    void SetModified(bool value);

    // Lines moved by Page Up and Page Down; the view sets it from its height.
    void SetPageLines(int lines) { FPageLines = lines < 1 ? 1 : lines; }

    // Default handling of a key that the editor's filters let through.
    void KeyDown(int key, TShiftState shift);
    void KeyPress(char16_t character);

    // Batch update: OnChange fires once when the outermost batch ends.
    void BeginUpdate() { ++FUpdateDepth; }
    void EndUpdate();
    std::function<void()> OnChange;

private:
    struct TUndoRecord {
        bool Valid = false;
        int Start = 0;
        std::u16string Removed;
        std::u16string Inserted;
    };

    void Replace(int start, int length, std::u16string_view text, bool canUndo = false);
    void Apply(const std::optional<TUndoStep>& step);
    void Changed();
    int ClampOffset(int offset) const;
    void EnsureStarts(int line) const;
    int ColumnOf(int offset) const { return offset - LineIndex(LineFromChar(offset)); }
    int NextOffset(int offset) const;
    int PreviousOffset(int offset) const;
    int VerticalMove(int offset, int lines) const;
    int WordRight(int offset) const;
    int WordLeft(int offset) const;
    int MovedCaret(int key, TShiftState shift) const;
    void DeleteForward();
    void DeleteBackward();

    std::vector<std::u16string> FLines;
    mutable std::vector<int> FStarts;
    mutable int FValidStarts = 1;
    int FLength = 0;
    int FAnchor = 0;
    int FCaret = 0;
    bool FModified = false;
    int FPageLines = 20;
    int FUpdateDepth = 0;
    bool FChangedInUpdate = false;
    TUndoRecord FUndo;
    TUndoHistory FHistory;
    bool FApplying = false;
    TMemoLines FLinesList{*this};
};

// Keeps an undo unit open for the life of a scope, even when it throws.
class TMemoUnit {
public:
    explicit TMemoUnit(TMemo& memo, TUndoKind kind = TUndoKind::Action) : FMemo(memo) {
        FMemo.BeginUnit(kind);
    }
    ~TMemoUnit() { FMemo.EndUnit(); }
    TMemoUnit(const TMemoUnit&) = delete;
    TMemoUnit& operator=(const TMemoUnit&) = delete;

private:
    TMemo& FMemo;
};

// Keeps a batch update open for the life of a scope, even when it throws.
class TMemoUpdate {
public:
    explicit TMemoUpdate(TMemo& memo) : FMemo(memo) { FMemo.BeginUpdate(); }
    ~TMemoUpdate() { FMemo.EndUpdate(); }
    TMemoUpdate(const TMemoUpdate&) = delete;
    TMemoUpdate& operator=(const TMemoUpdate&) = delete;

private:
    TMemo& FMemo;
};

} // namespace typ
