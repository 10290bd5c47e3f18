#include "editor/Memo.h"

#include "MemoTestSupport.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using test::MemoWith;

TEST(Memo, LinesAreSeparatedByCrLfOnlyAndOffsetsCountBreaksAsTwo) {
    TMemo memo = MemoWith(u"ab\r\ncde\r\nf");
    EXPECT_EQ(memo.LineCount(), 3);
    EXPECT_EQ(memo.LineIndex(1), 4);
    EXPECT_EQ(memo.LineIndex(2), 9);
    EXPECT_EQ(memo.LineIndex(3), -1);
    EXPECT_EQ(memo.LineFromChar(2), 0); // the CR belongs to its line
    EXPECT_EQ(memo.LineFromChar(3), 0); // and so does the LF
    EXPECT_EQ(memo.LineFromChar(4), 1);
    EXPECT_EQ(memo.LineFromChar(99), 2);
    EXPECT_EQ(memo.TextLength(), 10);
    EXPECT_EQ(memo.SubText(1, 5), u"b\r\ncd");

    TMemo lone = MemoWith(u"a\rb\nc");
    EXPECT_EQ(lone.LineCount(), 1);
    EXPECT_EQ(lone.Text(), u"a\rb\nc");
}

TEST(Memo, LineListDoesNotCountAFinalEmptyLine) {
    EXPECT_EQ(MemoWith(u"").Lines().Count(), 0);
    EXPECT_EQ(MemoWith(u"ab").Lines().Count(), 1);
    EXPECT_EQ(MemoWith(u"ab\r\n").Lines().Count(), 1);
    EXPECT_EQ(MemoWith(u"\r\n").Lines().Count(), 1);
    EXPECT_EQ(MemoWith(u"ab\r\n\r\n").Lines().Count(), 2);
}

TEST(Memo, SetTextEndsAtNulResetsCaretUndoAndModified) {
    TMemo memo = MemoWith(u"xy");
    memo.SetSel(1, 2);
    memo.ReplaceSel(u"z", true);
    ASSERT_TRUE(memo.Modified());
    memo.SetText(std::u16string(u"ab\0cd", 5));
    EXPECT_EQ(memo.Text(), u"ab");
    EXPECT_EQ(memo.SelStart(), 0);
    EXPECT_FALSE(memo.Modified());
    EXPECT_FALSE(memo.CanUndo());
}

TEST(Memo, ReplacementsFindLineBreaksTheyMakeOrBreak) {
    TMemo memo = MemoWith(u"a\r\r\n\nb");
    ASSERT_EQ(memo.LineCount(), 2);
    memo.SetSel(2, 4); // the CR LF between the lone CR and the lone LF
    memo.ReplaceSel(u"", false);
    EXPECT_EQ(memo.Text(), u"a\r\nb");
    EXPECT_EQ(memo.LineCount(), 2);
    EXPECT_EQ(memo.Line(1), u"b");

    memo.SetSel(2, 2); // between CR and LF
    memo.ReplaceSel(u"x", false);
    EXPECT_EQ(memo.Text(), u"a\rx\nb");
    EXPECT_EQ(memo.LineCount(), 1);

    memo.SetSel(1, 3);
    memo.ReplaceSel(u"1\r\n2\r\n3", false);
    EXPECT_EQ(memo.Text(), u"a1\r\n2\r\n3\nb");
    EXPECT_EQ(memo.LineCount(), 3);
    EXPECT_EQ(memo.LineIndex(2), 7);
    EXPECT_EQ(memo.CaretOffset(), 8);
}

TEST(Memo, SelectionKeepsAnchorAndCaretAndClamps) {
    TMemo memo = MemoWith(u"abcdef");
    memo.SetSel(4, 1);
    EXPECT_EQ(memo.SelStart(), 1);
    EXPECT_EQ(memo.SelLength(), 3);
    EXPECT_EQ(memo.SelText(), u"bcd");
    memo.SetSelLength(2);
    EXPECT_EQ(memo.SelText(), u"bc");
    memo.SetSel(-5, 99);
    EXPECT_EQ(memo.SelStart(), 0);
    EXPECT_EQ(memo.SelLength(), 6);
}

TEST(Memo, CaretPosTakesSelectionEndAgainstTheCaretLine) {
    TMemo memo = MemoWith(u"abcd\r\nefgh\r\nijkl");
    memo.SetSel(8, 8);
    EXPECT_EQ(memo.CaretPos(), (TPoint{2, 1}));
    memo.SetSel(1, 8); // forward: caret on line 1
    EXPECT_EQ(memo.CaretPos(), (TPoint{2, 1}));
    memo.SetSel(8, 1); // backward: X counts from the start of line 0
    EXPECT_EQ(memo.CaretPos(), (TPoint{8, 1}));
}

TEST(Memo, UndoRestoresSelectsAndRedoesAndNonUndoableChangesEmptyIt) {
    TMemo memo = MemoWith(u"hello world");
    EXPECT_FALSE(memo.CanUndo());
    memo.Undo();
    EXPECT_EQ(memo.Text(), u"hello world");

    memo.SetSel(0, 5);
    memo.ReplaceSel(u"bye", true);
    ASSERT_EQ(memo.Text(), u"bye world");
    memo.Undo();
    EXPECT_EQ(memo.Text(), u"hello world");
    EXPECT_EQ(memo.SelText(), u"hello");
    memo.Undo();
    EXPECT_EQ(memo.Text(), u"bye world");
    EXPECT_EQ(memo.SelText(), u"bye");

    memo.SetSel(0, 0);
    memo.ReplaceSel(u">", false);
    EXPECT_FALSE(memo.CanUndo());
    memo.Undo();
    EXPECT_EQ(memo.Text(), u">bye world");
}

TEST(Memo, LineListChangesGoThroughTheTextLikeAnEditControl) {
    TMemo memo;
    memo.Lines().Add(u"one");
    EXPECT_EQ(memo.Text(), u"one\r\n");
    memo.Lines().Add(u"two");
    EXPECT_EQ(memo.Text(), u"one\r\ntwo\r\n");

    memo.SetText(u"one\r\ntwo");
    memo.Lines().Add(u"three");
    EXPECT_EQ(memo.Text(), u"one\r\ntwo\r\nthree");
    memo.Lines().Insert(1, u"new");
    EXPECT_EQ(memo.Text(), u"one\r\nnew\r\ntwo\r\nthree");
    memo.Lines().Put(2, u"TWO");
    EXPECT_EQ(memo.Lines().Get(2), u"TWO");
    memo.Lines().Delete(0);
    EXPECT_EQ(memo.Text(), u"new\r\nTWO\r\nthree");
    memo.Lines().Delete(2); // the last line loses its characters only
    EXPECT_EQ(memo.Text(), u"new\r\nTWO\r\n");
    EXPECT_EQ(memo.Lines().Count(), 2);
    memo.Lines().Delete(7);
    memo.Lines().Put(-1, u"x");
    EXPECT_EQ(memo.Text(), u"new\r\nTWO\r\n");
    EXPECT_TRUE(memo.Modified());
    EXPECT_FALSE(memo.CanUndo());
}

TEST(Memo, BatchUpdateReportsOneChangeAtItsEnd) {
    TMemo memo;
    int changes = 0;
    memo.OnChange = [&] { ++changes; };
    memo.SetText(u"a");
    EXPECT_EQ(changes, 1);
    {
        TMemoUpdate outer(memo);
        TMemoUpdate inner(memo);
        memo.Lines().Add(u"b");
        memo.Lines().Add(u"c");
    }
    EXPECT_EQ(changes, 2);
    { TMemoUpdate nothing(memo); }
    EXPECT_EQ(changes, 2);
}

TEST(Memo, MovementKeysStepOverLineBreaksAndExtendWithShift) {
    TMemo memo = MemoWith(u"abc\r\nde\r\nfghij");
    memo.SetSelStart(3);
    memo.KeyDown(vk::Right, 0);
    EXPECT_EQ(memo.CaretOffset(), 5);
    memo.KeyDown(vk::Left, 0);
    EXPECT_EQ(memo.CaretOffset(), 3);
    memo.KeyDown(vk::Down, 0); // column 3 does not exist on "de"
    EXPECT_EQ(memo.CaretOffset(), 7);
    memo.KeyDown(vk::Down, 0);
    EXPECT_EQ(memo.CaretOffset(), 11);
    memo.KeyDown(vk::Down, 0); // already on the last line
    EXPECT_EQ(memo.CaretOffset(), 11);
    memo.KeyDown(vk::Home, ssShift);
    EXPECT_EQ(memo.SelText(), u"fg");
    memo.KeyDown(vk::End, 0);
    EXPECT_EQ(memo.CaretOffset(), 14);
    memo.KeyDown(vk::Home, ssCtrl | ssShift);
    EXPECT_EQ(memo.SelLength(), 14);
    memo.KeyDown(vk::End, ssCtrl);
    EXPECT_EQ(memo.SelLength(), 0);
    EXPECT_EQ(memo.CaretOffset(), 14);
    memo.SetPageLines(5);
    memo.KeyDown(vk::Prior, 0);
    EXPECT_EQ(memo.CaretOffset(), 3);
    memo.KeyDown(vk::Next, 0);
    EXPECT_EQ(memo.CaretOffset(), 12);
}

TEST(Memo, WordMovesSkipBlanks) {
    TMemo memo = MemoWith(u"uno dos\r\ntres");
    memo.KeyDown(vk::Right, ssCtrl);
    EXPECT_EQ(memo.CaretOffset(), 4);
    memo.KeyDown(vk::Right, ssCtrl);
    EXPECT_EQ(memo.CaretOffset(), 9);
    memo.KeyDown(vk::Left, ssCtrl);
    EXPECT_EQ(memo.CaretOffset(), 4);
}

TEST(Memo, DeleteAndBackspaceJoinLinesAndAreUndoable) {
    TMemo memo = MemoWith(u"ab\r\ncd");
    memo.SetSelStart(2);
    memo.KeyDown(vk::Delete, 0);
    EXPECT_EQ(memo.Text(), u"abcd");
    memo.Undo();
    EXPECT_EQ(memo.Text(), u"ab\r\ncd");
    memo.SetSelStart(4);
    memo.KeyPress(u'\b');
    EXPECT_EQ(memo.Text(), u"abcd");
    EXPECT_EQ(memo.CaretOffset(), 2);
    memo.SetSel(1, 3);
    memo.KeyDown(vk::Delete, 0);
    EXPECT_EQ(memo.Text(), u"ad");
    memo.SetSelStart(0);
    memo.KeyPress(u'\b');
    memo.SetSelStart(2);
    memo.KeyDown(vk::Delete, 0);
    EXPECT_EQ(memo.Text(), u"ad");
}

TEST(Memo, TypedCharactersReplaceTheSelectionButBreaksTabsAndControlsInsertNothing) {
    TMemo memo = MemoWith(u"abc");
    memo.SetSel(1, 2);
    memo.KeyPress(u'X');
    EXPECT_EQ(memo.Text(), u"aXc");
    EXPECT_EQ(memo.CaretOffset(), 2);
    for (char16_t c : {u'\r', u'\n', u'\t', u'\x01', u'\x1b', u'\x7f'})
        memo.KeyPress(c);
    EXPECT_EQ(memo.Text(), u"aXc");
    memo.KeyPress(u'\u2502');
    EXPECT_EQ(memo.Text(), u"aX\u2502c");
}

} // namespace
} // namespace typ
