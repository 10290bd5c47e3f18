#include "editor/ViewGeometry.h"

#include "MemoTestSupport.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

using test::MemoWith;

TEST(ViewGeometry, CellsAndOffsetsCountLineBreaksAsTwo) {
    const TMemo memo = MemoWith(u"abcd\r\nef\r\nghij");
    EXPECT_EQ(CellOfOffset(memo, 0), (TCell{0, 0}));
    EXPECT_EQ(CellOfOffset(memo, 4), (TCell{0, 4}));
    EXPECT_EQ(CellOfOffset(memo, 7), (TCell{1, 1}));
    EXPECT_EQ(CellOfOffset(memo, 14), (TCell{2, 4}));
    EXPECT_EQ(OffsetOfCell(memo, {1, 1}), 7);
    EXPECT_EQ(OffsetOfCell(memo, {2, 0}), 10);
}

TEST(ViewGeometry, CellsOutsideTheTextLandOnItsNearestOffset) {
    const TMemo memo = MemoWith(u"abcd\r\nef\r\nghij");
    EXPECT_EQ(OffsetOfCell(memo, {1, 40}), 8);
    EXPECT_EQ(OffsetOfCell(memo, {1, -3}), 6);
    EXPECT_EQ(OffsetOfCell(memo, {-2, 3}), 3);
    EXPECT_EQ(OffsetOfCell(memo, {9, 2}), 12);
    EXPECT_EQ(OffsetOfCell(MemoWith(u""), {3, 3}), 0);
    EXPECT_EQ(CellOfOffset(MemoWith(u""), 0), (TCell{0, 0}));
}

TEST(ViewGeometry, AnchorIsTheEndAwayFromTheCaret) {
    TMemo memo = MemoWith(u"abcdef");
    memo.SetSel(1, 4);
    EXPECT_EQ(SelectionAnchor(memo), 1);
    memo.SetSel(4, 1);
    EXPECT_EQ(SelectionAnchor(memo), 4);
    memo.SetSelStart(2);
    EXPECT_EQ(SelectionAnchor(memo), 2);
}

TEST(ViewGeometry, DoubleClickTakesTheRunAroundTheOffsetWithinItsLine) {
    const TMemo memo = MemoWith(u"ab  cd\u00B3e\r\nxy");
    EXPECT_EQ(WordAt(memo, 0), (TRange{0, 2}));
    EXPECT_EQ(WordAt(memo, 1), (TRange{0, 2}));
    EXPECT_EQ(WordAt(memo, 3), (TRange{2, 4}));
    EXPECT_EQ(WordAt(memo, 5), (TRange{4, 8}));
    EXPECT_EQ(WordAt(memo, 8), (TRange{4, 8}));
    EXPECT_EQ(WordAt(memo, 10), (TRange{10, 12}));
    EXPECT_EQ(WordAt(MemoWith(u"a\r\n\r\nb"), 3), (TRange{3, 3}));
    EXPECT_EQ(WordAt(MemoWith(u""), 0), (TRange{0, 0}));
}

TEST(ViewGeometry, SelectedColumnsOfEachLine) {
    TMemo memo = MemoWith(u"abcd\r\nefgh\r\nijkl");
    memo.SetSel(2, 13);
    EXPECT_EQ(SelectedColumns(memo, 0), (TRange{2, 4}));
    EXPECT_EQ(SelectedColumns(memo, 1), (TRange{0, 4}));
    EXPECT_EQ(SelectedColumns(memo, 2), (TRange{0, 1}));
    memo.SetSel(7, 8);
    EXPECT_EQ(SelectedColumns(memo, 0), (TRange{}));
    EXPECT_EQ(SelectedColumns(memo, 1), (TRange{1, 2}));
    EXPECT_EQ(SelectedColumns(memo, 2), (TRange{}));
    EXPECT_EQ(SelectedColumns(memo, 7), (TRange{}));
    memo.SetSelStart(7);
    EXPECT_EQ(SelectedColumns(memo, 1), (TRange{}));
}

TEST(ViewGeometry, ScrollingShowsTheTargetWithTheLeastMove) {
    EXPECT_EQ(ScrolledToShow(10, 20, 15), 10);
    EXPECT_EQ(ScrolledToShow(10, 20, 29), 10);
    EXPECT_EQ(ScrolledToShow(10, 20, 30), 11);
    EXPECT_EQ(ScrolledToShow(10, 20, 3), 3);
    EXPECT_EQ(ScrolledToShow(10, 0, 12), 12);
    EXPECT_EQ(ClampedScroll(70, 20, 80), 60);
    EXPECT_EQ(ClampedScroll(-4, 20, 80), 0);
    EXPECT_EQ(ClampedScroll(5, 100, 80), 0);
}

TEST(ViewGeometry, DisplayTextMapsFrameCharactersOnlyWhenAsked) {
    const std::u16string line = u"\u00DA\u00C4\u00BF \u00B3x\u00B3";
    EXPECT_EQ(DisplayText(line, 0, 7, true), u"┌─┐ │x│");
    EXPECT_EQ(DisplayText(line, 0, 7, false), line);
    EXPECT_EQ(DisplayText(line, 4, 100, true), u"│x│");
    EXPECT_EQ(DisplayText(line, 9, 3, true), u"");
    EXPECT_EQ(DisplayText(line, -2, 2, false), u"\u00DA\u00C4");
}

} // namespace
} // namespace typ
