#include "editor/BoxDrawing.h"

#include "editor/DrawingFlag.h"
#include "editor/DrawingMode.h"
#include "editor/GridEditor.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <string>

namespace typ {
namespace {

constexpr char16_t V = 179; // │
constexpr char16_t H = 196; // ─
constexpr char16_t TL = 218, TR = 191, BL = 192, BR = 217, X = 197;

// A hosted window (edition mode 2) drawing with the cursor keys. The drawing
// flag is process-wide, so each test starts and ends with it off.
class BoxDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDrawingFlag(false);
        grid.SetTypeEdition(2);
    }
    void TearDown() override { SetDrawingFlag(false); }

    void Blank(int width, int height) {
        grid.Editor().SetText(u"");
        grid.SetPageSize(width, height);
    }
    void Caret(int column, int line) {
        grid.Editor().SetSelStart(line * (grid.AnchoPagina() + 2) + column);
    }
    void Press(std::initializer_list<int> keys) {
        for (int key : keys) {
            grid.KeyDown(key, 0);
            grid.KeyUp(key, 0);
        }
    }
    char16_t Cell(int column, int line) const {
        return grid.Editor()
            .Text()[static_cast<std::size_t>(line * (grid.AnchoPagina() + 2) + column)];
    }
    std::u16string Line(int line) const { return grid.Editor().Line(line); }
    TPoint CaretPos() const { return grid.Editor().CaretPos(); }

    TGridEditor grid;
};

TEST_F(BoxDrawingTest, DownDownRightRightTurnsTheLineIntoACorner) {
    Blank(10, 5);
    actDibujarExecute(grid);
    Press({vk::Down, vk::Down, vk::Right, vk::Right});
    EXPECT_EQ(Cell(0, 0), V);
    EXPECT_EQ(Cell(0, 1), V);
    EXPECT_EQ(Cell(0, 2), BL);
    EXPECT_EQ(Cell(1, 2), H);
    EXPECT_EQ(grid.Editor().Text()[2 * 12 + 1], H); // the cell's offset on the page
    EXPECT_EQ(Cell(2, 2), u' ');                    // the caret's cell is not drawn yet
    EXPECT_EQ(CaretPos(), (TPoint{2, 2}));
    EXPECT_EQ(grid.Drawing().KeyAnt(), vk::Right);
}

TEST_F(BoxDrawingTest, GoingRoundARectangleClosesItsCorners) {
    Blank(6, 4);
    actDibujarExecute(grid);
    Press({vk::Right, vk::Right, vk::Right, vk::Down, vk::Down, vk::Left, vk::Left, vk::Left,
           vk::Up, vk::Up, vk::Up});
    EXPECT_EQ(Line(0), (std::u16string{TL, H, H, TR, u' ', u' '}));
    EXPECT_EQ(Line(1), (std::u16string{V, u' ', u' ', V, u' ', u' '}));
    EXPECT_EQ(Line(2), (std::u16string{BL, H, H, BR, u' ', u' '}));
    EXPECT_EQ(Line(3), std::u16string(6, u' '));
    EXPECT_EQ(CaretPos(), (TPoint{0, 0}));
}

TEST_F(BoxDrawingTest, LeftThenUpMakesACornerAndKeepsTheLine) {
    Blank(10, 5);
    actDibujarExecute(grid);
    Caret(5, 3);
    Press({vk::Left, vk::Up});
    EXPECT_EQ(Cell(5, 3), H);
    EXPECT_EQ(Cell(4, 3), BL);
    EXPECT_EQ(CaretPos(), (TPoint{4, 2}));
}

TEST_F(BoxDrawingTest, CrossingAHorizontalLineMakesACross) {
    grid.Editor().SetText(std::u16string(8, u' ') + u"\r\n" + std::u16string(8, H) + u"\r\n" +
                          std::u16string(8, u' '));
    grid.SetPageSize(8, 3);
    actDibujarExecute(grid);
    Caret(4, 0);
    Press({vk::Down, vk::Down});
    EXPECT_EQ(Cell(4, 0), V);
    EXPECT_EQ(Cell(4, 1), X);
    EXPECT_EQ(Cell(3, 1), H);
    EXPECT_EQ(Cell(5, 1), H);
}

TEST_F(BoxDrawingTest, EdgesOfThePageDrawOnlyWhatFits) {
    Blank(4, 3);
    actDibujarExecute(grid);
    Caret(1, 2);
    Press({vk::Down}); // last line: no room below, no neighbour
    EXPECT_EQ(Cell(1, 2), V);
    EXPECT_EQ(CaretPos(), (TPoint{1, 2}));

    Caret(3, 0);
    Press({vk::Right}); // last column: nothing drawn, the caret still moves
    EXPECT_EQ(Line(0), u"    ");
    EXPECT_EQ(CaretPos(), (TPoint{4, 0}));
    Press({vk::Right}); // past the width the key is swallowed
    EXPECT_EQ(Line(0), u"    ");
    EXPECT_EQ(CaretPos(), (TPoint{4, 0}));

    Caret(0, 1);
    Press({vk::Left}); // column 0: swallowed, nothing drawn
    EXPECT_EQ(Line(1), u"    ");
    EXPECT_EQ(CaretPos(), (TPoint{0, 1}));
}

TEST_F(BoxDrawingTest, ThePreviousKeySurvivesLeavingTheModeAndMouseMoves) {
    grid.Editor().SetText(std::u16string{H, V, u' ', u' ', u' ', u' '} + u"\r\n      \r\n      ");
    grid.SetPageSize(6, 3);
    actDibujarExecute(grid);
    Caret(5, 0);
    Press({vk::Down}); // KeyAnt is now Down
    actDibujarExecute(grid);
    Caret(1, 1); // a click, below the vertical line
    actDibujarExecute(grid);
    Press({vk::Right});
    EXPECT_EQ(Cell(1, 1), BL);
    // The cell above is re-shaped as if the caret had come down from it.
    EXPECT_EQ(Cell(1, 0), TR);
}

TEST_F(BoxDrawingTest, OnlyTheArrowsDrawTypingStillWorks) {
    Blank(5, 2);
    actDibujarExecute(grid);
    grid.KeyDown('A', 0);
    grid.KeyPress(u'a');
    grid.KeyUp('A', 0);
    Press({vk::Home, vk::End, vk::Delete});
    EXPECT_EQ(Line(0), u"a    ");
    EXPECT_EQ(grid.Drawing().KeyAnt(), 0);
}

TEST_F(BoxDrawingTest, OutsideEditionModeTwoTheCommandOnlyTogglesItsCheck) {
    grid.SetTypeEdition(0);
    Blank(5, 3);
    const TDrawingCommandStates states = actDibujarExecute(grid);
    EXPECT_TRUE(grid.DrawingChecked());
    EXPECT_FALSE(DrawingFlag());
    for (const TCommandEnabling& state : states)
        EXPECT_EQ(state.Change, TEnabling::Leave);
    Press({vk::Down, vk::Right});
    EXPECT_EQ(grid.Editor().Text(), u"     \r\n     \r\n     ");
    EXPECT_EQ(grid.StatusText(0), u" Modo de Dibujo con teclas del cursor ");
    SetDrawingFlag(true); // even with another window drawing
    Press({vk::Down});
    EXPECT_EQ(grid.Editor().Text(), u"     \r\n     \r\n     ");
}

TEST_F(BoxDrawingTest, SwitchingTheModeDisablesAndEnablesTheSixCommands) {
    Blank(5, 3);
    const TDrawingCommandStates on = actDibujarExecute(grid);
    EXPECT_TRUE(DrawingFlag());
    EXPECT_EQ(on[0].Command, TCommandId::actCortar);
    EXPECT_EQ(on[5].Command, TCommandId::actReemplazar);
    for (const TCommandEnabling& state : on)
        EXPECT_EQ(state.Change, TEnabling::Disable);
    Press({vk::F1 + 5}); // the status follows at the key-up of F6
    EXPECT_EQ(grid.StatusText(0), u" Modo de Dibujo con teclas del cursor ");

    const TDrawingCommandStates off = actDibujarExecute(grid);
    EXPECT_FALSE(DrawingFlag());
    EXPECT_FALSE(grid.DrawingChecked());
    for (const TCommandEnabling& state : off)
        EXPECT_EQ(state.Change, TEnabling::Enable);
    grid.UpdateStatus();
    EXPECT_EQ(grid.StatusText(0), u" Modo de Edición");
}

TEST_F(BoxDrawingTest, LeavingDrawingModeChangesNothingWhenItIsOff) {
    Blank(5, 3);
    for (const TCommandEnabling& state : LeaveDrawingMode(grid))
        EXPECT_EQ(state.Change, TEnabling::Leave);
    EXPECT_FALSE(grid.DrawingChecked());

    actDibujarExecute(grid);
    for (const TCommandEnabling& state : LeaveDrawingMode(grid))
        EXPECT_EQ(state.Change, TEnabling::Enable);
    EXPECT_FALSE(grid.DrawingChecked());
    EXPECT_FALSE(DrawingFlag());
}

// ═ ║ ╔ ╗ ╚ ╝ ╬ ╩, the double-line characters as DOS bytes.
constexpr char16_t DH = 205, DV = 186, DTL = 201, DTR = 187, DBL = 200, DBR = 188, DX = 206,
                   DTU = 202;

TEST_F(BoxDrawingTest, DoubleDrawingClosesItsFrameAndKeepsItWhenDrawnOverAgain) {
    Blank(6, 4);
    actDibujarDobleExecute(grid);
    const std::initializer_list<int> round = {vk::Right, vk::Right, vk::Right, vk::Down,
                                              vk::Down,  vk::Left,  vk::Left,  vk::Left,
                                              vk::Up,    vk::Up,    vk::Up};
    Press(round);
    const std::u16string frame = grid.Editor().Text();
    EXPECT_EQ(Line(0), (std::u16string{DTL, DH, DH, DTR, u' ', u' '}));
    EXPECT_EQ(Line(1), (std::u16string{DV, u' ', u' ', DV, u' ', u' '}));
    EXPECT_EQ(Line(2), (std::u16string{DBL, DH, DH, DBR, u' ', u' '}));
    Press(round); // over its own corners
    EXPECT_EQ(grid.Editor().Text(), frame);
}

// Where the lines meet, the cell takes the junction of the line being drawn;
// the other line's strokes keep their place in it.
TEST_F(BoxDrawingTest, ALineCrossingTheOtherStyleTakesItsOwnJunction) {
    grid.Editor().SetText(std::u16string(8, u' ') + u"\r\n" + std::u16string(8, H) + u"\r\n" +
                          std::u16string(8, u' ') + u"\r\n" + std::u16string(8, DH));
    grid.SetPageSize(8, 4);
    actDibujarDobleExecute(grid);
    Caret(2, 0);
    Press({vk::Down, vk::Down}); // double across the single line, stopping below it
    EXPECT_EQ(Cell(2, 0), DV);
    EXPECT_EQ(Cell(2, 1), DX);
    EXPECT_EQ(Cell(1, 1), H) << "the single line itself is left as it is";
    actDibujarExecute(grid); // off
    actDibujarExecute(grid); // single
    Caret(5, 2);
    Press({vk::Down}); // a single line coming down onto the double one
    EXPECT_EQ(Cell(5, 2), V);
    Press({vk::Right});
    EXPECT_EQ(Cell(5, 3), 193) << "┴: the double line's strokes, drawn single";
    actDibujarDobleExecute(grid);
    Caret(6, 2);
    Press({vk::Down, vk::Left});
    EXPECT_EQ(Cell(6, 3), DTU) << "╩ beside the ┴ the single line made";
    EXPECT_EQ(Cell(5, 3), 193);
}

TEST_F(BoxDrawingTest, TheButtonCyclesOffSingleDoubleAndShiftF6SwitchesStyle) {
    Blank(5, 3);
    const auto changes = [](const TDrawingCommandStates& states) { return states[0].Change; };
    EXPECT_EQ(changes(CycleDrawingMode(grid)), TEnabling::Disable);
    EXPECT_FALSE(DrawingDouble(grid));
    EXPECT_EQ(changes(CycleDrawingMode(grid)), TEnabling::Leave);
    EXPECT_TRUE(DrawingDouble(grid));
    grid.UpdateStatus();
    EXPECT_EQ(grid.StatusText(0), u" Modo de Dibujo doble con teclas del cursor ");
    EXPECT_EQ(changes(CycleDrawingMode(grid)), TEnabling::Enable);
    EXPECT_FALSE(grid.DrawingChecked());
    EXPECT_FALSE(DrawingFlag());

    actDibujarExecute(grid);
    EXPECT_EQ(changes(actDibujarDobleExecute(grid)), TEnabling::Leave);
    EXPECT_TRUE(DrawingDouble(grid));
    EXPECT_EQ(changes(actDibujarExecute(grid)), TEnabling::Enable) << "F6 leaves either style";
    EXPECT_EQ(changes(actDibujarDobleExecute(grid)), TEnabling::Disable);
    EXPECT_EQ(changes(actDibujarDobleExecute(grid)), TEnabling::Enable);
}

// Every junction in the table must be the character whose strokes are exactly
// the junction's directions, and the lone strokes must be markers.
TEST(BoxDrawing, JunctionTableAgreesWithTheStrokesOfItsCharacters) {
    // No stroke, then the lone up, down, left and right strokes.
    const std::map<int, int> kMarkers = {{0, 0}, {8, 1}, {4, 2}, {2, 3}, {1, 4}};
    const TLineTable linea = InitLineTable();
    for (int index = 0; index < 16; ++index) {
        const bool flags[4] = {(index & 8) != 0, (index & 4) != 0, (index & 2) != 0,
                               (index & 1) != 0};
        const int strokes = flags[0] + flags[1] + flags[2] + flags[3];
        const int value = linea[static_cast<std::size_t>(index)];
        if (strokes < 2) {
            EXPECT_EQ(value, kMarkers.at(index)) << index;
            continue;
        }
        const auto c = static_cast<char16_t>(value);
        EXPECT_EQ(HasStroke(c, TDirection::Up), flags[0]) << index;
        EXPECT_EQ(HasStroke(c, TDirection::Down), flags[1]) << index;
        EXPECT_EQ(HasStroke(c, TDirection::Left), flags[2]) << index;
        EXPECT_EQ(HasStroke(c, TDirection::Right), flags[3]) << index;
    }
    EXPECT_FALSE(HasStroke(std::nullopt, TDirection::Up));
    EXPECT_FALSE(HasStroke(u'|', TDirection::Up));
    EXPECT_FALSE(HasStroke(u'\u2502', TDirection::Up)); // the Unicode line is not a DOS byte
}

TEST(BoxDrawing, CellsAreWrittenOnlyInsideTheirLine) {
    TMemo memo;
    memo.SetText(u"abcd\r\nef\r\nghij");
    PutCell(memo, 4, 2, 0, 196);
    EXPECT_EQ(memo.Line(0), u"a\u00C4cd");
    PutCell(memo, 4, 3, 1, 196); // beyond the end of a short line
    EXPECT_EQ(memo.Line(1), u"ef");
    PutCell(memo, 4, 1, 2, 0); // no character: removes it
    EXPECT_EQ(memo.Line(2), u"hij");
    PutCell(memo, 2, 1, 0, 179); // the line is cut to the width
    EXPECT_EQ(memo.Line(0), u"\u00B3\u00C4");

    // A key that is not an arrow adds no stroke of its own.
    const TLineTable linea = InitLineTable();
    const TCellInfo below = ComputeCell(memo, linea, 1, 1, 'A');
    EXPECT_FALSE(below.CursorKey);
    EXPECT_EQ(below.Character, u'e');
    EXPECT_TRUE(below.Up); // the │ above points down at it
    EXPECT_EQ(below.NewChar, 179);
    const TCellInfo alone = ComputeCell(memo, linea, 2, 1, 'A');
    EXPECT_FALSE(alone.Up || alone.Down || alone.Left || alone.Right);
    EXPECT_EQ(alone.NewChar, 0);
    EXPECT_EQ(ComputeCell(memo, linea, 3, 1, vk::Up).Character, std::nullopt);
}

} // namespace
} // namespace typ
