#include "editor/LineCommands.h"

#include "editor/TypFile.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace typ {
namespace {

// A fake clipboard: the platform's clipboard is not available here.
class FakeClipboard : public TClipboard {
public:
    std::optional<std::u16string> Held;
    std::optional<std::u16string> Text() const override { return Held; }
    void SetText(std::u16string_view text) override { Held = std::u16string(text); }
};

class LineCommandsTest : public ::testing::Test {
protected:
    void Page(std::u16string_view text, int width, int height) {
        grid.Editor().SetText(text);
        grid.SetPageSize(width, height);
    }
    int Offset(int column, int line) const { return line * (grid.AnchoPagina() + 2) + column; }
    void Caret(int column, int line) { grid.Editor().SetSelStart(Offset(column, line)); }
    void Select(int column, int line, int length) {
        grid.Editor().SetSel(Offset(column, line), Offset(column, line) + length);
    }
    std::u16string Text() const { return grid.Editor().Text(); }

    TGridEditor grid;
    FakeClipboard clipboard;
};

TEST_F(LineCommandsTest, InsertingALineLosesThePagesLastLine) {
    Page(u"aaa\r\nbbb\r\nccc", 3, 3);
    Caret(2, 1);
    actInsertarLineaExecute(grid);
    EXPECT_EQ(Text(), u"aaa\r\n   \r\nbbb");
    EXPECT_EQ(grid.Editor().CaretPos(), (TPoint{0, 2})); // the start of its own line

    Caret(1, 2); // on the last line: the new blank line ends the page
    actInsertarLineaExecute(grid);
    EXPECT_EQ(Text(), u"aaa\r\n   \r\n   ");
}

TEST_F(LineCommandsTest, DeletingALineClosesThePageWithBlanks) {
    Page(u"aaa\r\nbbb\r\nccc", 3, 3);
    Caret(1, 0);
    actBorrarLineaExecute(grid);
    EXPECT_EQ(Text(), u"bbb\r\nccc\r\n   ");
    EXPECT_EQ(grid.Editor().CaretPos(), (TPoint{0, 0}));

    Page(u"aaa\r\nbbb\r\nccc", 3, 3);
    Caret(2, 2); // the last line is emptied, then padded
    actBorrarLineaExecute(grid);
    EXPECT_EQ(Text(), u"aaa\r\nbbb\r\n   ");
}

TEST_F(LineCommandsTest, PasteInsertsWhateverTheModeAndTheGridDropsTheOverflow) {
    Page(u"abcdefgh\r\n12345678", 8, 2);
    clipboard.Held = u"XYZ";
    Caret(5, 0);
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Text(), u"abcdeXYZ\r\n12345678");
    EXPECT_EQ(grid.Editor().CaretPos(), (TPoint{8, 0}));
    EXPECT_EQ(clipboard.Held, u"XYZ");

    // Two lines split the caret's line; the page keeps its height.
    Page(u"abcdefgh\r\n12345678", 8, 2);
    clipboard.Held = u"P\r\nQ";
    Caret(3, 0);
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Text(), u"abcP    \r\nQdefgh  ");

    // Over a selection, and a clipboard text ends at its first NUL.
    clipboard.Held = std::u16string(u"R\0S", 3);
    Select(1, 1, 3);
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Text(), u"abcP    \r\nQRgh    ");
}

// Each cell must be one byte of the exported file, so the file imports as the
// same page.
TEST_F(LineCommandsTest, PasteBreaksLinesAtLoneBreaksAndGivesAWideCharacterOneCell) {
    Page(u"", 4, 3);
    clipboard.Held = u"a\nb\rc\U0001F600d";
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Text(), u"a   \r\nb   \r\nc?d ");
    const std::string file = EncodeTyp(Text(), TTypEncoding::Windows1252);
    EXPECT_EQ(file, "a   \r\nb   \r\nc?d ");
    EXPECT_EQ(DecodeTyp(file).Text, Text());
}

TEST_F(LineCommandsTest, PasteWithoutTextStillNormalises) {
    Page(u"abcd\r\nefgh", 4, 2);
    Select(1, 0, 2);
    actBorrarExecute(grid); // Borrar leaves the line short
    ASSERT_EQ(Text(), u"ad\r\nefgh");
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Text(), u"ad  \r\nefgh");
    EXPECT_EQ(clipboard.Held, std::nullopt);
}

// The first paste's caret, after the cut "z", would sit inside the line break.
TEST_F(LineCommandsTest, APasteAfterAPasteCutAtTheEdgeKeepsLineBreaksWhole) {
    Page(u"aaa\r\nbbb\r\nccc", 3, 3);
    clipboard.Held = u"wxyz";
    actPegarExecute(grid, clipboard);
    clipboard.Held = u"1\r\n2";
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Text(), u"wxy\r\n2  \r\nbbb");
}

TEST_F(LineCommandsTest, CutAcrossALineBreakJoinsTheLinesAndPadsThePage) {
    Page(u"abcd\r\nefgh\r\nijkl", 4, 3);
    Select(2, 0, 5); // "cd", the line break, "e"
    actCortarExecute(grid, clipboard);
    EXPECT_EQ(clipboard.Held, u"cd\r\ne");
    EXPECT_EQ(Text(), u"abfg\r\nijkl\r\n    ");

    clipboard.Held = u"kept";
    Caret(1, 0); // nothing selected: the clipboard is left alone
    actCortarExecute(grid, clipboard);
    actCopiarExecute(grid, clipboard);
    EXPECT_EQ(clipboard.Held, u"kept");
    EXPECT_EQ(Text(), u"abfg\r\nijkl\r\n    ");
}

TEST_F(LineCommandsTest, DeleteLeavesTheLineShortAndUndoBringsItBack) {
    Page(u"abcdef\r\nghijkl", 6, 2);
    Select(1, 0, 3);
    actBorrarExecute(grid);
    EXPECT_EQ(Text(), u"aef\r\nghijkl");
    actDeshacerExecute(grid);
    EXPECT_EQ(Text(), u"abcdef\r\nghijkl");
    EXPECT_EQ(grid.Editor().SelText(), u"bcd");
    actDeshacerExecute(grid); // nothing older: a second Deshacer no longer redoes
    EXPECT_EQ(Text(), u"abcdef\r\nghijkl");
    actRehacerExecute(grid);
    EXPECT_EQ(Text(), u"aef\r\nghijkl");

    Caret(0, 1);
    actBorrarExecute(grid); // nothing selected: nothing deleted
    EXPECT_EQ(Text(), u"aef\r\nghijkl");
}

TEST_F(LineCommandsTest, TheClipboardCarriesTheGridsTextUnconverted) {
    Page(u"\u00DA\u00C4\u00BF\r\n\u00B3a\u00B3", 3, 2);
    Select(0, 1, 1);
    actCopiarExecute(grid, clipboard);
    EXPECT_EQ(clipboard.Held, u"\u00B3"); // the DOS │, as the Windows character of code 179
    actSeleccionarTodoExecute(grid);
    EXPECT_EQ(grid.Editor().SelLength(), 8);
    actCopiarExecute(grid, clipboard);
    EXPECT_EQ(clipboard.Held, u"\u00DA\u00C4\u00BF\r\n\u00B3a\u00B3");
}

} // namespace
} // namespace typ
