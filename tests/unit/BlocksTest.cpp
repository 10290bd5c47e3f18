#include "editor/Blocks.h"

#include "editor/Commands.h"
#include "editor/DrawingFlag.h"
#include "editor/DrawingMode.h"
#include "editor/LineCommands.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace typ {
namespace {

// A fake clipboard that keeps the rectangular mark: the platform's clipboard
// is not available here.
class FakeClipboard : public TClipboard {
public:
    std::optional<std::u16string> Held;
    bool Rectangular = false;
    std::optional<std::u16string> Text() const override { return Held; }
    void SetText(std::u16string_view text) override {
        Held = std::u16string(text);
        Rectangular = false;
    }
    void SetRectangularText(std::u16string_view text) override {
        Held = std::u16string(text);
        Rectangular = true;
    }
    bool HoldsRectangularText() const override { return Rectangular; }
};

constexpr TShiftState kSelect = ssAlt | ssShift;
constexpr TShiftState kMove = ssAlt | ssShift | ssCtrl;

class BlocksTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDrawingFlag(false);
        grid.SetTypeEdition(kHostedEdition);
    }
    void TearDown() override { SetDrawingFlag(false); }

    void Page(std::initializer_list<std::u16string_view> lines) {
        std::u16string text;
        for (const auto line : lines)
            text.append(text.empty() ? u"" : u"\r\n").append(line);
        grid.Editor().SetText(text);
        grid.SetPageSize(static_cast<int>(lines.begin()->size()), static_cast<int>(lines.size()));
    }
    // As a click puts the caret: it ends any block.
    void Caret(int column, int line) {
        grid.EndBlock();
        grid.Editor().SetSelStart(line * (grid.AnchoPagina() + 2) + column);
    }
    void Press(int key, TShiftState shift, int times = 1) {
        for (int i = 0; i < times; ++i) {
            grid.KeyDown(key, shift);
            grid.KeyUp(key, shift);
        }
    }
    // Selects from the caret cell to `width` by `height` cells, as the keys do.
    void SelectFrom(int column, int line, int width, int height) {
        Caret(column, line);
        Press(vk::Right, kSelect, width - 1);
        Press(vk::Down, kSelect, height - 1);
    }
    std::u16string Line(int line) const { return grid.Editor().Line(line); }
    bool InShape() const {
        const TMemo& memo = grid.Editor();
        if (memo.LineCount() != grid.AltoPagina())
            return false;
        for (int i = 0; i < memo.LineCount(); ++i)
            if (memo.LineLength(i) != grid.AnchoPagina())
                return false;
        return true;
    }

    TGridEditor grid;
    FakeClipboard clipboard;
};

// ┌─┐ │ │ └─┘ as DOS bytes in DOS-as-ANSI text.
const std::u16string kTop = u"\u00DA\u00C4\u00BF";
const std::u16string kSide = u"\u00B3 \u00B3";
const std::u16string kBottom = u"\u00C0\u00C4\u00D9";

TEST_F(BlocksTest, AFrameCopiedAsABlockPastesCellForCellWithoutReshapingLines) {
    Page({u"..........", u"." + kTop + u"......", u"." + kSide + u"......",
          u"." + kBottom + u"......", u".........."});
    SelectFrom(1, 1, 3, 3);
    EXPECT_EQ(grid.Block(), (TBlock{1, 1, 3, 3}));
    grid.UpdateStatus();
    EXPECT_EQ(grid.StatusText(2), u"Bloque: 3 x 3");
    actCopiarExecute(grid, clipboard);
    EXPECT_EQ(clipboard.Held, kTop + u"\r\n" + kSide + u"\r\n" + kBottom);
    EXPECT_TRUE(clipboard.Rectangular);

    Press(vk::Right, 0); // a normal caret move ends the block
    EXPECT_FALSE(grid.Block());
    Caret(5, 0);
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Line(0), u"....." + kTop + u"..");
    EXPECT_EQ(Line(1), u"." + kTop + u"." + kSide + u"..");
    EXPECT_EQ(Line(2), u"." + kSide + u"." + kBottom + u"..");
    EXPECT_EQ(grid.Block(), (TBlock{5, 0, 3, 3})) << "the pasted cells are the block";

    // Clipped at the right and bottom edges, in insert mode too.
    Press(vk::Insert, 0);
    Caret(8, 3);
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Line(3), u"." + kBottom + u"...." + kTop.substr(0, 2));
    EXPECT_EQ(Line(4), u"........" + kSide.substr(0, 2));
    EXPECT_TRUE(InShape());
}

TEST_F(BlocksTest, CutAndBorrarBlankTheCellsAndMultiLineTextOverlaysWhileABlockIsSelected) {
    Page({u"abcdef", u"ghijkl", u"mnopqr"});
    SelectFrom(1, 0, 2, 2);
    actCortarExecute(grid, clipboard);
    EXPECT_EQ(clipboard.Held, u"bc\r\nhi");
    EXPECT_EQ(Line(0), u"a  def");
    EXPECT_EQ(Line(1), u"g  jkl");
    SelectFrom(4, 1, 2, 2);
    actBorrarExecute(grid);
    EXPECT_EQ(Line(2), u"mnop  ");

    clipboard.SetText(u"12\r\n34"); // another program's text, unmarked
    grid.SelectBlock({0, 1}, {0, 1});
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Line(1), u"12 j  ");
    EXPECT_EQ(Line(2), u"34op  ");
    Caret(3, 0);
    actPegarExecute(grid, clipboard, true); // Alt held
    EXPECT_EQ(Line(0), u"a  12f");
    EXPECT_TRUE(InShape());
}

TEST_F(BlocksTest, MovingABlockLeavesBlanksAndLosesWhatLeavesThePage) {
    Page({u"ab....", u"cd....", u"......"});
    Caret(0, 0);
    Press(vk::Left, kSelect, 3); // beyond the page: the corner stays on it
    Press(vk::Up, kSelect);
    Press(vk::Right, kSelect);
    Press(vk::Down, kSelect);
    ASSERT_EQ(grid.Block(), (TBlock{0, 0, 2, 2}));
    Press(vk::Right, kMove);
    Press(vk::Down, kMove);
    EXPECT_EQ(Line(0), u"   ...");
    EXPECT_EQ(Line(1), u" ab...");
    EXPECT_EQ(Line(2), u".cd...");
    EXPECT_EQ(grid.Block(), (TBlock{1, 1, 2, 2}));
    Press(vk::Down, kMove); // the lower row leaves the page
    EXPECT_EQ(Line(1), u"   ...");
    EXPECT_EQ(Line(2), u".ab...");
    EXPECT_EQ(grid.Block(), (TBlock{1, 2, 2, 1}));
    Press(vk::Right, kMove, 4);
    EXPECT_EQ(Line(2), u".    a");
    EXPECT_EQ(grid.Block(), (TBlock{5, 2, 1, 1}));
    Press(vk::Right, kMove);
    EXPECT_EQ(Line(2), u".     ");
    EXPECT_FALSE(grid.Block());
    EXPECT_TRUE(InShape());
}

TEST_F(BlocksTest, MarcoJoinsTheLinesItMeetsWithTeesAndCrossings) {
    // A line across the page and one coming up to the block's lower edge.
    const std::u16string across(9, u'\u00C4');
    Page({u".........", across, u".........", u"....\u00B3....", u"....\u00B3...."});
    SelectFrom(2, 0, 5, 3);
    actMarcoExecute(grid);
    EXPECT_EQ(Line(0), u"..\u00DA\u00C4\u00C4\u00C4\u00BF..");
    EXPECT_EQ(Line(1), u"\u00C4\u00C4\u00C5\u00C4\u00C4\u00C4\u00C5\u00C4\u00C4") << "crossings";
    EXPECT_EQ(Line(2), u"..\u00C0\u00C4\u00C2\u00C4\u00D9..") << "a tee";

    actDibujarDobleExecute(grid); // the frame follows the drawing mode
    actMarcoExecute(grid);
    EXPECT_EQ(Line(0), u"..\u00C9\u00CD\u00CD\u00CD\u00BB..");
    EXPECT_EQ(Line(1), u"\u00C4\u00C4\u00CE\u00C4\u00C4\u00C4\u00CE\u00C4\u00C4");
    EXPECT_EQ(Line(2), u"..\u00C8\u00CD\u00CB\u00CD\u00BC..");
}

TEST_F(BlocksTest, HugeOrOddTextsPasteWithinThePage) {
    Page({u"abcd", u"efgh"});
    std::u16string huge(10'000'000, u'x');
    for (std::size_t i = 7; i < huge.size(); i += 9)
        huge[i] = u'\n';
    clipboard.SetRectangularText(huge);
    Caret(1, 0);
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Line(0), u"axxx");
    EXPECT_EQ(Line(1), u"exxx");
    clipboard.SetRectangularText(std::u16string(u"1\r2\0"
                                                u"3\r\n4",
                                                7));
    Caret(0, 0);
    actPegarExecute(grid, clipboard);
    EXPECT_EQ(Line(0), u"1xxx") << "a lone CR ends a row; the text ends at its NUL";
    EXPECT_EQ(Line(1), u"2xxx");
    EXPECT_TRUE(InShape());
}

} // namespace
} // namespace typ
