#include "editor/ShownRow.h"

#include <gtest/gtest.h>
#include <random>

namespace typ {
namespace {

TShownRow Row(std::u16string text, TRange selected = {}) {
    return {std::move(text), selected};
}

TEST(ShownRow, ChangedColumnsSpanOnlyTheCellsThatLookDifferent) {
    struct TCase {
        TShownRow Before, After;
        TRange Changed;
    };
    const TCase cases[] = {
        {Row(u"abcdef"), Row(u"abcdef"), {}},
        {Row(u"abcdef"), Row(u"abXdef"), {2, 3}},                 // overwrite: the typed cell
        {Row(u"abcdef"), Row(u"abXcde"), {2, 6}},                 // insert: the rest of the row
        {Row(u"abcdef"), Row(u"abc"), {3, 6}},                    // shorter: the cells left blank
        {Row(u""), Row(u"ab"), {0, 2}},                           // a row coming into sight
        {Row(u"abcdef"), Row(u"abcdef", {1, 3}), {1, 3}},         // a selection drawn
        {Row(u"abcdef", {1, 3}), Row(u"abcdef", {1, 4}), {3, 4}}, // and grown by one
        {Row(u"abcdef", {0, 6}), Row(u"abc", {0, 3}), {3, 6}},
    };
    for (const TCase& test : cases) {
        EXPECT_EQ(ChangedColumns(test.Before, test.After), test.Changed)
            << std::string(test.Before.Text.begin(), test.Before.Text.end()) << " -> "
            << std::string(test.After.Text.begin(), test.After.Text.end());
    }
}

TEST(ShownRow, ARowShowsItsStretchOfTheLineWithTheSelectionWithinIt) {
    EXPECT_EQ(ShownRowOf(u"abcdefgh", 2, 4, {0, 4}, false), Row(u"cdef", {0, 2}));
    EXPECT_EQ(ShownRowOf(u"abcdefgh", 6, 10, {3, 7}, false), Row(u"gh", {0, 1}));
    EXPECT_EQ(ShownRowOf(u"abc", 5, 4, {0, 9}, false), Row(u"", {0, 0}));
}

// Seeded rows: every cell outside the changed columns looks the same before
// and after, and the columns' first and last cells differ.
TEST(ShownRow, CellsOutsideTheChangedColumnsAreAlike) {
    std::mt19937 random(1309);
    const auto randomRow = [&] {
        std::u16string text(random() % 8, u'a');
        for (char16_t& character : text)
            character = static_cast<char16_t>(u'a' + random() % 3);
        const int start = static_cast<int>(random() % (text.size() + 1));
        const int end = start + static_cast<int>(random() % (text.size() + 1 - start));
        return Row(text, {start, end});
    };
    const auto look = [](const TShownRow& row, int column) {
        const bool inText = column < static_cast<int>(row.Text.size());
        return std::pair(inText ? static_cast<int>(row.Text[column]) : -1,
                         inText && column >= row.Selected.Start && column < row.Selected.End);
    };
    for (int round = 0; round < 2000; ++round) {
        const TShownRow before = randomRow();
        const TShownRow after = randomRow();
        const TRange changed = ChangedColumns(before, after);
        for (int column = 0; column < 10; ++column) {
            if (column < changed.Start || column >= changed.End) {
                ASSERT_EQ(look(before, column), look(after, column)) << round;
            }
        }
        if (changed.Start < changed.End) {
            ASSERT_NE(look(before, changed.Start), look(after, changed.Start)) << round;
            ASSERT_NE(look(before, changed.End - 1), look(after, changed.End - 1)) << round;
        }
    }
}

} // namespace
} // namespace typ
