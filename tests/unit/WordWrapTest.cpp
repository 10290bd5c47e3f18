#include "editor/WordWrap.h"

#include "MemoTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

using test::MemoWith;

// Lines of 10, 0, 4 and 8 characters.
const TMemo& SampleMemo() {
    static const TMemo memo = MemoWith(u"abcdefghij\r\n\r\nklmn\r\nopqrstuv");
    return memo;
}

TWordWrap WrapOf(const TMemo& memo, int width) {
    TWordWrap wrap;
    wrap.Build(memo, width);
    return wrap;
}

TEST(WordWrap, EachLineTakesTheRowsItNeedsAndAnEmptyLineOne) {
    const TWordWrap wrap = WrapOf(SampleMemo(), 4);
    ASSERT_EQ(wrap.LineCount(), 4);
    EXPECT_EQ(wrap.RowCount(), 7);
    EXPECT_EQ(wrap.MostRows(), 3);
    const int rows[] = {3, 1, 1, 2};
    const int firstRows[] = {0, 3, 4, 5};
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(wrap.RowsOf(line), rows[line]) << line;
        EXPECT_EQ(wrap.FirstRow(line), firstRows[line]) << line;
    }
    const int lineOfRow[] = {0, 0, 0, 1, 2, 3, 3};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(wrap.LineOfRow(row), lineOfRow[row]) << row;
    EXPECT_EQ(wrap.LineOfRow(-5), 0);
    EXPECT_EQ(wrap.LineOfRow(99), 3);
}

TEST(WordWrap, AWidthWideEnoughGivesOneRowPerLineAndBelowOneCountsAsOne) {
    EXPECT_EQ(WrapOf(SampleMemo(), 10).RowCount(), 4);
    EXPECT_EQ(WrapOf(SampleMemo(), 9).RowCount(), 5);
    const TWordWrap narrow = WrapOf(SampleMemo(), 0);
    EXPECT_EQ(narrow.Width(), 1);
    EXPECT_EQ(narrow.RowCount(), 10 + 1 + 4 + 8);
}

TEST(WordWrap, TheCaretSitsOnTheRowOfItsColumnAndRestsAfterAFullLastRow) {
    const TWordWrap wrap = WrapOf(SampleMemo(), 4);
    EXPECT_EQ(wrap.RowCellOf({0, 0}), (TRowCell{0, 0}));
    EXPECT_EQ(wrap.RowCellOf({0, 3}), (TRowCell{0, 3}));
    EXPECT_EQ(wrap.RowCellOf({0, 4}), (TRowCell{1, 0}));
    EXPECT_EQ(wrap.RowCellOf({0, 10}), (TRowCell{2, 2}));
    EXPECT_EQ(wrap.RowCellOf({1, 0}), (TRowCell{3, 0}));
    // Lines of 4 and 8 fill their last rows exactly.
    EXPECT_EQ(wrap.RowCellOf({2, 4}), (TRowCell{4, 4}));
    EXPECT_EQ(wrap.RowCellOf({3, 8}), (TRowCell{6, 4}));
}

TEST(WordWrap, APlaceOnScreenStandsForTheCellOfItsRow) {
    const TWordWrap wrap = WrapOf(SampleMemo(), 4);
    EXPECT_EQ(wrap.CellOf({1, 2}), (TCell{0, 6}));
    EXPECT_EQ(wrap.CellOf({2, 0}), (TCell{0, 8}));
    EXPECT_EQ(wrap.CellOf({6, 1}), (TCell{3, 5}));
    // Past the right edge of a row lands at its end, left of it at its start.
    EXPECT_EQ(wrap.CellOf({1, 9}), (TCell{0, 8}));
    EXPECT_EQ(wrap.CellOf({1, -3}), (TCell{0, 4}));
    // Above and below the text land on its first and last rows.
    EXPECT_EQ(wrap.CellOf({-2, 1}), (TCell{0, 1}));
    EXPECT_EQ(wrap.CellOf({40, 2}), (TCell{3, 6}));
    // A place past a short last row is the line's end once made an offset.
    EXPECT_EQ(OffsetOfCell(SampleMemo(), wrap.CellOf({2, 3})), 10);
}

TEST(WordWrap, EveryOffsetGoesToScreenAndBackUnchanged) {
    const TMemo& memo = SampleMemo();
    for (int width = 1; width <= 11; ++width) {
        const TWordWrap wrap = WrapOf(memo, width);
        for (int line = 0; line < memo.LineCount(); ++line) {
            for (int column = 0; column <= memo.LineLength(line); ++column) {
                const TRowCell place = wrap.RowCellOf({line, column});
                EXPECT_LT(place.Row, wrap.RowCount());
                EXPECT_LE(place.Column, width);
                EXPECT_EQ(wrap.CellOf(place), (TCell{line, column}))
                    << "width " << width << " line " << line << " column " << column;
            }
        }
    }
}

TEST(WordWrap, RebuildingFollowsTheTextAndAnEmptyTextHasOneRow) {
    TMemo memo = MemoWith(u"abcdefgh\r\nij");
    TWordWrap wrap = WrapOf(memo, 3);
    EXPECT_EQ(wrap.RowCount(), 4);
    memo.SetText(u"ab");
    wrap.Build(memo, 3);
    EXPECT_EQ(wrap.LineCount(), 1);
    EXPECT_EQ(wrap.RowCount(), 1);
    EXPECT_EQ(wrap.LineOfRow(3), 0);
    memo.SetText(u"");
    wrap.Build(memo, 3);
    EXPECT_EQ(wrap.RowCount(), 1);
    EXPECT_EQ(wrap.RowCellOf({0, 0}), (TRowCell{0, 0}));
    EXPECT_EQ(wrap.CellOf({2, 2}), (TCell{0, 2}));
}

} // namespace
} // namespace typ
