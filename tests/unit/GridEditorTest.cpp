#include "editor/GridEditor.h"

#include "editor/LineCommands.h"

#include <gtest/gtest.h>
#include <string>

namespace typ {
namespace {

// Drives the grid the way the keyboard does: key down, the character, key up.
class GridEditorTest : public ::testing::Test {
protected:
    void Page(std::u16string_view text, int width, int height) {
        grid.Editor().SetText(text);
        grid.SetPageSize(width, height);
    }
    void Caret(int column, int line) {
        grid.Editor().SetSelStart(line * (grid.AnchoPagina() + 2) + column);
    }
    void Type(char16_t c) {
        const int key = c == u'\b' ? vk::Back : 'A';
        grid.KeyDown(key, 0);
        grid.KeyPress(c);
        grid.KeyUp(key, 0);
    }
    void Type(std::u16string_view text) {
        for (char16_t c : text)
            Type(c);
    }
    void Press(int key, TShiftState shift = 0) {
        grid.KeyDown(key, shift);
        grid.KeyUp(key, shift);
    }
    // Key-downs repeated while a key is held, then its one key-up.
    void Hold(int key, int repeats, TShiftState shift = 0) {
        for (int i = 0; i < repeats; ++i)
            grid.KeyDown(key, shift);
        grid.KeyUp(key, shift);
    }
    // Whether the text is the page: H lines of W characters, CR LF between.
    bool InShape() const {
        const TMemo& memo = grid.Editor();
        if (grid.AltoPagina() > 0 && memo.LineCount() != grid.AltoPagina())
            return false;
        for (int i = 0; i < memo.LineCount(); ++i) {
            if (memo.LineLength(i) != grid.AnchoPagina())
                return false;
        }
        return memo.TextLength() == grid.AltoPagina() * (grid.AnchoPagina() + 2) - 2;
    }
    std::u16string Text() const { return grid.Editor().Text(); }
    std::u16string Line(int line) const { return grid.Editor().Line(line); }
    TPoint CaretPos() const { return grid.Editor().CaretPos(); }

    TGridEditor grid;
};

TEST_F(GridEditorTest, StartsWithABlankDefaultPageInOverwriteMode) {
    EXPECT_EQ(grid.AnchoPagina(), 250);
    EXPECT_EQ(grid.AltoPagina(), 80);
    EXPECT_EQ(grid.Editor().TextLength(), 80 * 252 - 2);
    EXPECT_EQ(Line(79), std::u16string(250, u' '));
    EXPECT_FALSE(grid.InsertMode());
    EXPECT_EQ(grid.TypeEdition(), 0);
    EXPECT_EQ(grid.StatusText(0), u" Modo de Dibujo con teclas del cursor ");
    EXPECT_EQ(grid.StatusText(1), u"SOB");
}

// A text whose first line is empty asks for a page of width 0.
TEST_F(GridEditorTest, APageOfWidthZeroKeepsAllItsEmptyLines) {
    Page(u"\r\nabc\r\nd", 0, 3);
    EXPECT_EQ(Text(), u"\r\n\r\n");
}

TEST_F(GridEditorTest, SetPageSizeCutsPadsAddsAndDropsLines) {
    Page(u"abcde\r\nf", 3, 2);
    EXPECT_EQ(Text(), u"abc\r\nf  ");
    Page(u"a\r\nb\r\nc\r\nd\r\n", 2, 2);
    EXPECT_EQ(Text(), u"a \r\nb ");
    Page(u"x\r\n", 1, 3);
    EXPECT_EQ(Text(), u"x\r\n \r\n ");
    Page(u"", 0, 2);
    EXPECT_EQ(Text(), u"\r\n"); // two empty lines
    Page(u"abc", 0, 0);
    EXPECT_EQ(Text(), u"");
}

TEST_F(GridEditorTest, SetPageSizeKeepsModifiedRestoresSelectionStartAndNotifies) {
    int notified = 0;
    grid.OnPageSizeChanged = [&] {
        ++notified;
        EXPECT_EQ(grid.AnchoPagina(), 4);
    };
    Page(u"abcd\r\nefgh", 4, 2);
    EXPECT_EQ(notified, 1);
    EXPECT_FALSE(grid.Editor().Modified());
    grid.Editor().SetSel(7, 9);
    grid.SetPageSize(4, 3); // the added line is a change
    EXPECT_EQ(grid.Editor().SelStart(), 7);
    EXPECT_EQ(grid.Editor().SelLength(), 0);
    EXPECT_TRUE(grid.Editor().Modified());
}

TEST_F(GridEditorTest, HostileSizesNeverCrash) {
    Page(u"abc", -5, -1);
    EXPECT_EQ(grid.AnchoPagina(), 0);
    EXPECT_EQ(Text(), u"");
    Page(u"keep", 4, 1);
    EXPECT_THROW(grid.SetPageSize(5'000'000, 2'500'000), EEditorError);
    EXPECT_THROW(grid.SetPageSize(0, 1'000'000'000), EEditorError);
    EXPECT_EQ(grid.AnchoPagina(), 4);
    EXPECT_EQ(Text(), u"keep");
}

TEST_F(GridEditorTest, OverwriteReplacesAtTheCaretAndStopsAtTheWidth) {
    Page(u"abcd\r\nefgh", 4, 2);
    Caret(1, 0);
    Type(u"XY");
    EXPECT_EQ(Line(0), u"aXYd");
    Type(u"Z");
    EXPECT_EQ(Line(0), u"aXYZ");
    EXPECT_EQ(CaretPos(), (TPoint{4, 0}));
    Type(u"W"); // at the page width nothing is typed
    EXPECT_EQ(Text(), u"aXYZ\r\nefgh");
    EXPECT_EQ(CaretPos(), (TPoint{4, 0}));
}

TEST_F(GridEditorTest, InsertModeShiftsTheLineAndLosesItsLastCharacter) {
    Page(u"abcd\r\nefgh", 4, 2);
    Press(vk::Insert);
    EXPECT_TRUE(grid.InsertMode());
    EXPECT_EQ(grid.StatusText(1), u"INS");
    Caret(1, 1);
    Type(u"X");
    EXPECT_EQ(Text(), u"abcd\r\neXfg");
    EXPECT_EQ(CaretPos(), (TPoint{2, 1}));
    Caret(3, 0);
    Type(u"Y");
    EXPECT_EQ(Line(0), u"abcY");
    Press(vk::Insert);
    EXPECT_EQ(grid.StatusText(1), u"SOB");
}

TEST_F(GridEditorTest, TypedCharactersEnterInTheirDosForm) {
    Page(u"    ", 4, 1);
    Type(u"ñÑé?");
    EXPECT_EQ(Text(), u"\u00A4\u00A5\u201A?");
}

TEST_F(GridEditorTest, DeleteRemovesAndPadsButNeverJoinsFromTheLineEnd) {
    Page(u"abcd\r\nefgh", 4, 2);
    Caret(1, 0);
    Press(vk::Delete);
    EXPECT_EQ(Text(), u"acd \r\nefgh");
    Caret(4, 0);
    Press(vk::Delete);
    EXPECT_EQ(Text(), u"acd \r\nefgh");
    EXPECT_TRUE(grid.IgnoreChar());
}

TEST_F(GridEditorTest, HeldDeleteNeverJoinsALineToTheNextWhateverItsLength) {
    for (int shortBy = 0; shortBy < 4; ++shortBy) {
        for (int column = 0; column <= 4 - shortBy; ++column) {
            for (int repeats = 1; repeats <= 6; ++repeats) {
                Page(u"abcd\r\nefgh\r\nijkl", 4, 3);
                grid.Editor().SetSel(4 - shortBy, 4);
                actBorrarExecute(grid);
                Caret(column, 0);
                Hold(vk::Delete, repeats);
                EXPECT_TRUE(InShape()) << shortBy << " " << column << " " << repeats;
                EXPECT_EQ(Line(1), u"efgh");
                EXPECT_EQ(Line(0).substr(0, static_cast<std::size_t>(column)),
                          std::u16string(u"abcd").substr(0, static_cast<std::size_t>(column)));
            }
        }
    }
}

// The line's last character (often a frame's right edge) is kept.
TEST_F(GridEditorTest, BackspaceRemovesTheCharacterBeforeTheCaretAndPads) {
    Page(u"abcd\r\nefg\u00B3", 4, 2);
    Caret(2, 1);
    Type(u'\b');
    EXPECT_EQ(Text(), u"abcd\r\neg\u00B3 ");
    EXPECT_EQ(CaretPos(), (TPoint{1, 1}));
    Caret(4, 0); // at the end of a full line too
    Type(u'\b');
    EXPECT_EQ(Text(), u"abc \r\neg\u00B3 ");
    EXPECT_EQ(CaretPos(), (TPoint{3, 0}));
}

TEST_F(GridEditorTest, BackspaceAtColumnZeroJoinsLinesAndClosesThePageWithBlanks) {
    Page(u"abcd\r\nefgh\r\nijkl", 4, 3);
    Caret(0, 1);
    Type(u'\b');
    EXPECT_EQ(Text(), u"abcd\r\nijkl\r\n    ");
    EXPECT_EQ(CaretPos(), (TPoint{4, 0}));

    Caret(0, 0); // on the first line nothing is lost
    Type(u'\b');
    EXPECT_EQ(Line(0), u"abcd");
}

TEST_F(GridEditorTest, EnterMovesToTheNextLineStartAndInsertsNothing) {
    Page(u"abcd\r\nefgh", 4, 2);
    Caret(2, 0);
    grid.KeyDown(vk::Return, 0);
    grid.KeyPress(u'\r');
    grid.KeyUp(vk::Return, 0);
    EXPECT_EQ(CaretPos(), (TPoint{0, 1}));
    Caret(3, 1);
    Press(vk::Return);
    EXPECT_EQ(CaretPos(), (TPoint{0, 1}));
    EXPECT_EQ(Text(), u"abcd\r\nefgh");
}

TEST_F(GridEditorTest, TabAndControlCharactersChangeNothingEvenInInsertMode) {
    Page(u"abcd", 4, 1);
    Press(vk::Insert);
    Caret(1, 0);
    for (char16_t c : {u'\t', u'\n', u'\v', u'\x11', u'\x1b'}) {
        grid.KeyDown('Q', 0);
        grid.KeyPress(c);
        grid.KeyUp('Q', ssCtrl);
    }
    EXPECT_EQ(Text(), u"abcd");
}

TEST_F(GridEditorTest, CaretStaysInsideThePage) {
    Page(u"abcd\r\nefgh", 4, 2);
    Caret(0, 1);
    Press(vk::Left);
    EXPECT_EQ(CaretPos(), (TPoint{0, 1}));
    Caret(4, 0);
    Press(vk::Right);
    EXPECT_EQ(CaretPos(), (TPoint{4, 0}));
    Press(vk::Right, ssShift);
    EXPECT_EQ(grid.Editor().SelLength(), 0);
    grid.Editor().SetSel(3, 4); // with a selection the memo decides
    Press(vk::Right, ssShift);
    EXPECT_EQ(grid.Editor().SelText(), u"d\r\n");
}

TEST_F(GridEditorTest, EscapeAsksTheWindowToClose) {
    int requests = 0;
    grid.OnCloseRequest = [&] { ++requests; };
    Page(u"ab", 2, 1);
    grid.KeyDown(vk::Escape, 0);
    EXPECT_EQ(requests, 1);
    grid.KeyPress(u'\x1b');
    grid.KeyUp(vk::Escape, 0);
    EXPECT_EQ(requests, 2);
    EXPECT_EQ(Text(), u"ab");
}

TEST_F(GridEditorTest, TypingOverASelectionAcrossLinesRenormalises) {
    Page(u"abcd\r\nefgh\r\nijkl\r\nmnop", 4, 4);
    grid.Editor().SetSel(1, 2 * 6 + 2);
    Type(u"X");
    EXPECT_EQ(Text(), u"aXkl\r\nmnop\r\n    \r\n    ");
    grid.Editor().SetSel(1, 3);
    Press(vk::Delete);
    EXPECT_EQ(Text(), u"al  \r\nmnop\r\n    \r\n    ");
}

TEST_F(GridEditorTest, ShortLinesLeftByUndoKeepTheirLineBreaks) {
    Page(u"abcd\r\nefgh", 4, 2);
    grid.Editor().SetSel(1, 3);
    grid.Editor().KeyDown(vk::Delete, 0); // as the Borrar command leaves it
    ASSERT_EQ(Text(), u"ad\r\nefgh");
    Caret(2, 0);
    Type(u"Z");
    EXPECT_EQ(Text(), u"adZ\r\nefgh");
    Press(vk::Insert);
    grid.Editor().SetSelStart(0);
    Type(u"Y");
    EXPECT_EQ(Text(), u"YadZ\r\nefgh");
}

TEST_F(GridEditorTest, UndoTakesBackTheLastTypedCharacter) {
    Page(u"abcd", 4, 1);
    Caret(1, 0);
    Type(u"X");
    grid.Editor().Undo();
    EXPECT_EQ(Text(), u"abcd");
}

// AltGr is Ctrl+Alt: on a Spanish keyboard it types @ # [ ] { } \\ | ~.
TEST_F(GridEditorTest, ACharacterIsTypedAsOneWhateverModifiersProducedIt) {
    for (TShiftState shift : {ssCtrl | ssAlt, ssCtrl | ssAlt | ssShift, ssAlt, ssCtrl}) {
        Page(u"abcd\r\nefgh\r\nijkl\r\nmnop", 4, 4);
        grid.Editor().SetSel(1, 2 * 6 + 2);
        grid.KeyDown('2', shift);
        grid.KeyPress(u'@');
        grid.KeyUp('2', shift);
        EXPECT_EQ(Text(), u"a@kl\r\nmnop\r\n    \r\n    ") << shift;

        grid.Editor().SetSel(1, 3);
        Press(vk::Shift, ssShift);
        Caret(1, 0); // a click ends the selection
        grid.KeyDown('2', shift);
        grid.KeyPress(u'#');
        grid.KeyUp('2', shift);
        EXPECT_EQ(Line(0), u"a#kl") << shift;
    }
}

TEST_F(GridEditorTest, AHeldKeyKeepsThePageInShapeOverASelection) {
    Page(u"abcd\r\nefgh\r\nijkl", 4, 3);
    grid.Editor().SetSel(1, 8);
    grid.KeyDown('X', 0);
    grid.KeyPress(u'x');
    grid.KeyDown('X', 0);
    grid.KeyPress(u'x');
    grid.KeyUp('X', 0);
    EXPECT_EQ(Text(), u"axxh\r\nijkl\r\n    ");
    grid.Editor().SetSel(1, 8);
    Hold(vk::Delete, 3);
    EXPECT_TRUE(InShape());
    EXPECT_EQ(Line(0), u"a   ");
}

TEST_F(GridEditorTest, CtrlAndAltKeysAreLeftToTheWindow) {
    Page(u"abcd\r\nefgh", 4, 2);
    Caret(4, 0);
    grid.KeyDown(vk::Right, ssCtrl);
    EXPECT_FALSE(grid.IgnoreChar());
    EXPECT_EQ(CaretPos(), (TPoint{0, 1}));
}

TEST_F(GridEditorTest, StatusShowsModesPositionAndSelection) {
    Page(u"abcd\r\nefgh", 4, 2);
    Caret(3, 1);
    Press(vk::Shift);
    EXPECT_EQ(grid.StatusText(0), u" Modo de Edición");
    EXPECT_EQ(grid.StatusText(2), u"Posición: (x, y) = (3, 2)");
    grid.Editor().SetSel(2, 7);
    grid.SetDrawingChecked(true);
    grid.UpdateStatus();
    EXPECT_EQ(grid.StatusText(0), u" Modo de Dibujo con teclas del cursor ");
    EXPECT_EQ(grid.StatusText(2), u"Posición: (x, y) = (2, 1) - Texto seleccionado: 5 caracteres");
}

TEST_F(GridEditorTest, OddTextsAndPagesNeverBreakTheKeys) {
    Page(std::u16string(u"a\0b", 3), 3, 1);
    EXPECT_EQ(Text(), u"a  ");
    Page(u"\u4E2D\U0001F600\rx\ny", 6, 1);
    EXPECT_EQ(Text(), u"\u4E2D\U0001F600\rx\n");
    Type(u"\U0001F600"); // typed as two halves, one character: one cell
    EXPECT_EQ(Line(0), u"?\U0001F600\rx\n");
    Page(u"", 0, 0);
    for (int key : {vk::Left, vk::Right, vk::Up, vk::Down, vk::Delete, vk::Return, vk::Home})
        Press(key);
    Type(u"x\b");
    EXPECT_EQ(Text(), u"");
    EXPECT_EQ(grid.StatusText(2), u"Posición: (x, y) = (0, 1)");
}

} // namespace
} // namespace typ
