#include "editor/Commands.h"
#include "editor/DrawingFlag.h"
#include "editor/FindOptions.h"
#include "editor/GridEditor.h"
#include "editor/LineCommands.h"
#include "editor/ReplaceAll.h"
#include "editor/SearchCommands.h"
#include "editor/TemplateFiles.h"
#include "editor/TypCommands.h"
#include "editor/TypFile.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>

namespace typ {
namespace {

namespace fs = std::filesystem;

// A fake clipboard: the platform's clipboard is not available here.
class FakeClipboard : public TClipboard {
public:
    std::optional<std::u16string> Held;
    std::optional<std::u16string> Text() const override { return Held; }
    void SetText(std::u16string_view text) override { Held = std::u16string(text); }
};

class UndoHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDrawingFlag(false);
        grid.SetTypeEdition(kHostedEdition);
    }
    void TearDown() override { SetDrawingFlag(false); }

    void Page(std::u16string_view text, int width, int height) {
        grid.Editor().SetText(text);
        grid.SetPageSize(width, height);
        grid.Editor().SetModified(false);
    }
    void Caret(int column, int line) {
        grid.Editor().SetSelStart(line * (grid.AnchoPagina() + 2) + column);
    }
    void Select(int column, int line, int length) {
        const int at = line * (grid.AnchoPagina() + 2) + column;
        grid.Editor().SetSel(at, at + length);
    }
    void Type(std::u16string_view text) {
        for (const char16_t c : text) {
            const int key = c == u'\b' ? vk::Back : 'A';
            grid.KeyDown(key, 0);
            grid.KeyPress(c);
            grid.KeyUp(key, 0);
        }
    }
    void Press(int key) {
        grid.KeyDown(key, 0);
        grid.KeyUp(key, 0);
    }
    std::u16string Text() const { return grid.Editor().Text(); }
    std::size_t Units() const { return grid.Editor().History().UndoCount(); }

    TGridEditor grid;
    FakeClipboard clipboard;
};

TEST_F(UndoHistoryTest, MixedActionsUndoOneByOneBackToTheShownTextAndRedoAgain) {
    Page(u"abcdef\r\nghijkl\r\nmnopqr", 6, 3);
    const TPageSize shown = grid.PageSize();
    std::vector<std::u16string> texts{Text()};
    const auto done = [&] { texts.push_back(Text()); };
    Caret(1, 0);
    Type(u"XYZ"); // one run of typing
    done();
    SetDrawingFlag(true);
    Caret(2, 1);
    Press(vk::Down); // one drawing step
    done();
    SetDrawingFlag(false);
    Select(0, 2, 2);
    actBorrarExecute(grid);
    done();
    clipboard.Held = u"12";
    Caret(3, 1);
    actPegarExecute(grid, clipboard);
    done();
    actInsertarLineaExecute(grid);
    done();
    TSearchCommands search(
        grid.Editor(), [](std::u16string_view) { return false; }, nullptr);
    Caret(0, 0);
    search.DoReplace(u"Z", u"zz", frDown | frReplaceAll);
    done();
    grid.ChangePageSize(4, 2);
    done();
    ASSERT_EQ(Units(), texts.size() - 1);

    for (std::size_t i = texts.size() - 1; i > 0; --i) {
        actDeshacerExecute(grid);
        EXPECT_EQ(Text(), texts[i - 1]) << "undo to " << i - 1;
    }
    EXPECT_EQ(grid.PageSize(), shown);
    EXPECT_FALSE(grid.Editor().Modified()); // the text is the one shown
    actDeshacerExecute(grid);               // nothing is left to undo
    EXPECT_EQ(Text(), texts[0]);

    for (std::size_t i = 1; i < texts.size(); ++i) {
        actRehacerExecute(grid);
        EXPECT_EQ(Text(), texts[i]) << "redo to " << i;
        EXPECT_TRUE(grid.Editor().Modified());
    }
    EXPECT_EQ(grid.PageSize(), (TPageSize{4, 2}));
}

TEST_F(UndoHistoryTest, TypingRunsEndAtCaretMovesCommandsAndPauses) {
    Page(u"", 8, 2);
    Type(u"ab");
    Press(vk::Right); // a caret move that is not typing
    Type(u"cd");
    grid.BreakTypingRun(); // a pause the view reports
    Type(u"e");
    Caret(0, 1);
    Type(u"f"); // another line
    EXPECT_EQ(Units(), 4u);
    actDeshacerExecute(grid);
    actDeshacerExecute(grid);
    EXPECT_EQ(grid.Editor().Line(0), u"ab cd   ");
    actDeshacerExecute(grid);
    EXPECT_EQ(grid.Editor().Line(0), u"ab      ");
    // The first Deshacer selects what the control's own undo selected: the
    // cells the typing overwrote.
    EXPECT_EQ(grid.Editor().SelStart(), 3);
    EXPECT_EQ(grid.Editor().SelLength(), 2);
}

TEST_F(UndoHistoryTest, ANewEditDropsTheRedoList) {
    Page(u"abcd", 4, 1);
    Type(u"X");
    Caret(2, 0);
    Type(u"Y");
    actDeshacerExecute(grid);
    ASSERT_TRUE(grid.Editor().History().CanRedo());
    Caret(3, 0);
    Type(u"Z");
    EXPECT_FALSE(grid.Editor().History().CanRedo());
    actRehacerExecute(grid);
    EXPECT_EQ(Text(), u"XbcZ");
    actDeshacerExecute(grid);
    actDeshacerExecute(grid);
    EXPECT_EQ(Text(), u"abcd");
}

TEST_F(UndoHistoryTest, AChangeNoUnitCoversStartsTheHistoryAfresh) {
    Page(u"abcd", 4, 1);
    Type(u"X");
    grid.Editor().SetText(u"new text"); // a text loaded by the host
    EXPECT_FALSE(grid.Editor().History().CanUndo());
    actDeshacerExecute(grid);
    EXPECT_EQ(Text(), u"new text");
}

TEST_F(UndoHistoryTest, TheOldestUnitsAreDroppedBeyondAThousand) {
    Page(u"", 10, 200);
    for (int line = 0; line < 150; ++line)
        for (int column = 0; column < 7; ++column) {
            grid.BreakTypingRun();
            Caret(column, line);
            Type(u"x");
        }
    EXPECT_EQ(Units(), TUndoHistory::kMaxUnits);
    while (grid.Editor().History().CanUndo())
        actDeshacerExecute(grid);
    // 1,050 units were made: the first 50 (7 lines and a bit) stay done.
    EXPECT_EQ(grid.Editor().Line(6), u"xxxxxxx   ");
    EXPECT_EQ(grid.Editor().Line(7), u"x         ");
    EXPECT_EQ(grid.Editor().Line(8), u"          ");
    EXPECT_TRUE(grid.Editor().Modified());
}

// Keystrokes, commands and page changes in a seeded random order: undoing
// every unit passes through each text the units left, and redoing comes back.
TEST_F(UndoHistoryTest, RandomEditingUndoesAndRedoesThroughEveryState) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const auto below = [&random](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        Page(u"\u00DA\u00C4\u00BFtext\r\nline two", 9, 4);
        SetDrawingFlag(false);
        std::map<std::size_t, std::u16string> texts{{0, Text()}};
        for (int step = 0; step < 120; ++step) {
            Caret(below(grid.AnchoPagina() + 1), below(grid.AltoPagina()));
            switch (below(9)) {
            case 0:
                Type(std::u16string(1, static_cast<char16_t>(u'a' + below(26))));
                break;
            case 1:
                Type(u"\b");
                break;
            case 2:
                Press(vk::Delete);
                break;
            case 3:
                SetDrawingFlag(true);
                Press(vk::Left + below(4));
                SetDrawingFlag(false);
                break;
            case 4:
                Press(vk::Insert);
                break;
            case 5:
                grid.Editor().SetSelLength(below(12));
                actBorrarExecute(grid);
                break;
            case 6:
                clipboard.Held = below(2) ? u"p\r\nq" : u"pq";
                actPegarExecute(grid, clipboard);
                break;
            case 7:
                below(2) ? actInsertarLineaExecute(grid) : actBorrarLineaExecute(grid);
                break;
            default:
                grid.ChangePageSize(1 + below(12), 1 + below(6));
                break;
            }
            texts[Units()] = Text();
        }
        const std::size_t last = Units();
        const std::u16string final = Text();
        const TPageSize size = grid.PageSize();
        while (grid.Editor().History().CanUndo()) {
            actDeshacerExecute(grid);
            ASSERT_EQ(Text(), texts[Units()]) << "seed " << seed << " unit " << Units();
        }
        while (grid.Editor().History().CanRedo())
            actRehacerExecute(grid);
        ASSERT_EQ(Units(), last);
        EXPECT_EQ(Text(), final) << "seed " << seed;
        EXPECT_EQ(grid.PageSize(), size) << "seed " << seed;
    }
}

TEST_F(UndoHistoryTest, UndoOfAnImportTakesBackTheOtherPageSize) {
    const fs::path folder =
        fs::temp_directory_path() /
        ("undo-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(folder);
    const fs::path file = folder / "OTRA.TYP";
    WriteFileBytes(file, "wide line here\r\nsecond");
    Page(u"ab\r\ncd", 2, 2);
    TTypTransfer transfer;
    transfer.actImportarTypExecute(grid, file, [](std::u16string_view) {});
    ASSERT_EQ(grid.PageSize(), (TPageSize{14, 2}));
    actDeshacerExecute(grid);
    EXPECT_EQ(Text(), u"ab\r\ncd");
    EXPECT_EQ(grid.PageSize(), (TPageSize{2, 2}));
    actRehacerExecute(grid);
    EXPECT_EQ(grid.Editor().Line(0), u"wide line here");
    EXPECT_EQ(grid.PageSize(), (TPageSize{14, 2}));
    fs::remove_all(folder);
}

// Ten megabytes pasted on a page the normalisation then cuts: the unit keeps
// the page's net change, and takes it back and makes it again exactly.
TEST_F(UndoHistoryTest, AHugePasteKeepsItsNetChangeOnly) {
    Page(u"", 250, 500);
    const std::u16string before = Text();
    clipboard.Held = std::u16string(10'000'000, u'x');
    for (std::size_t i = 98; i + 1 < clipboard.Held->size(); i += 100)
        clipboard.Held->replace(i, 2, u"\r\n");
    Caret(5, 3);
    actPegarExecute(grid, clipboard);
    const std::u16string pasted = Text();
    EXPECT_LT(grid.Editor().History().MemoryUsed(), 2 * pasted.size() * sizeof(char16_t));
    actDeshacerExecute(grid);
    EXPECT_EQ(Text(), before);
    actRehacerExecute(grid);
    EXPECT_EQ(Text(), pasted);
}

// The figures the bench reports, held to their bounds.
TEST_F(UndoHistoryTest, HistoriesOfAFullPageStayWithinTheirMemory) {
    Page(u"", 250, 500);
    for (int i = 0; i < 1000; ++i) {
        grid.BreakTypingRun();
        Caret(i % 250, i / 4);
        Type(u"k");
    }
    EXPECT_EQ(Units(), 1000u);
    EXPECT_LT(grid.Editor().History().MemoryUsed(), 1'000'000u);

    Page(u"", 250, 500);
    TSearchCommands search(
        grid.Editor(), [](std::u16string_view) { return false; }, nullptr);
    search.DoReplace(u" ", u"-+-", frDown | frReplaceAll);
    ASSERT_EQ(grid.Editor().Line(499).size(), 750u);
    EXPECT_EQ(Units(), 1u);
    EXPECT_LT(grid.Editor().History().MemoryUsed(), 2'000'000u);
}

} // namespace
} // namespace typ
