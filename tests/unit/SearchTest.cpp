#include "editor/Search.h"

#include "editor/CharLower.h"
#include "editor/GridEditor.h"
#include "editor/ReplaceAll.h"
#include "editor/SearchCommands.h"
#include "editor/WordDelimiters.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace typ {
namespace {

// Answers the wrap question from a script (then No) and counts the questions.
struct TScriptedAnswers {
    std::vector<bool> Answers;
    int Asked = 0;
    TConfirm Confirm() {
        return [this](std::u16string_view question) {
            EXPECT_EQ(question, u"Se llegó al final del documento. ¿Desea recomenzar?");
            const std::size_t index = static_cast<std::size_t>(Asked++);
            return index < Answers.size() && Answers[index];
        };
    }
};

void Load(TMemo& memo, std::u16string_view text, int selStart, int selLength = 0) {
    memo.SetText(text);
    memo.SetSel(selStart, selStart + selLength);
}

// Where Find leaves the selection: start and length.
std::pair<int, int> Selection(const TMemo& memo) {
    return {memo.SelStart(), memo.SelLength()};
}

const TFindOptions kUp = 0;
const TFindOptions kDown = frDown;

TEST(Find, RunsOutOfTextSilentlyWhenItStartedAtTheEdge) {
    TScriptedAnswers answers{{true}};
    TMemo memo;
    Load(memo, u"abc\r\ndef", 0);
    EXPECT_FALSE(Find(memo, u"x", kDown, answers.Confirm()));
    memo.SetSelStart(8);
    EXPECT_FALSE(Find(memo, u"x", kUp, answers.Confirm()));
    EXPECT_FALSE(Find(memo, u"", kDown, answers.Confirm()));
    TMemo empty;
    EXPECT_FALSE(Find(empty, u"a", kDown, answers.Confirm()));
    EXPECT_EQ(answers.Asked, 0);
    EXPECT_EQ(Selection(memo), std::make_pair(8, 0));
}

TEST(Find, OffersToStartAgainFromTheOtherEnd) {
    TScriptedAnswers yes{{true}};
    TMemo memo;
    Load(memo, u"abc\r\ndef", 6);
    EXPECT_TRUE(Find(memo, u"b", kDown, yes.Confirm()));
    EXPECT_EQ(yes.Asked, 1);
    EXPECT_EQ(Selection(memo), std::make_pair(1, 1));

    TScriptedAnswers no{{false}};
    memo.SetSelStart(6);
    EXPECT_FALSE(Find(memo, u"b", kDown, no.Confirm()));
    EXPECT_EQ(no.Asked, 1);
    EXPECT_EQ(Selection(memo), std::make_pair(6, 0));

    TScriptedAnswers up{{true}};
    memo.SetSelStart(2);
    EXPECT_TRUE(Find(memo, u"\r\nd", kUp, up.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(3, 3)); // a line break counts two

    // After Yes the second run starts at the edge and cannot ask again.
    TScriptedAnswers always{{true, true, true}};
    memo.SetSelStart(4);
    EXPECT_FALSE(Find(memo, u"zz", kDown, always.Confirm()));
    EXPECT_EQ(always.Asked, 1);
    EXPECT_EQ(Selection(memo), std::make_pair(0, 0));
}

TEST(Find, SkipsTheMatchThatIsAlreadySelected) {
    TScriptedAnswers none;
    TMemo memo;
    Load(memo, u"ab ab ab", 3, 2);
    EXPECT_TRUE(Find(memo, u"ab", kDown, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(6, 2));
    memo.SetSel(3, 5);
    EXPECT_TRUE(Find(memo, u"ab", kUp, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(0, 2));
    // Backwards a match must end at or before the selection start.
    memo.SetSel(4, 4);
    EXPECT_TRUE(Find(memo, u"ab", kUp, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(0, 2));
    EXPECT_EQ(none.Asked, 0);
}

TEST(Find, CaseIsIgnoredUnlessAsked) {
    TScriptedAnswers none;
    TMemo memo;
    Load(memo, u"xx Total TOTAL \u00C0", 0);
    EXPECT_TRUE(Find(memo, u"TOTAL", kDown, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(3, 5));
    memo.SetSelStart(0);
    EXPECT_TRUE(Find(memo, u"TOTAL", kDown | frMatchCase, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(9, 5));
    memo.SetSelStart(0);
    EXPECT_TRUE(Find(memo, u"total", kDown, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(3, 5));
    memo.SetSelStart(0);
    EXPECT_TRUE(Find(memo, u"\u00E0", kDown, none.Confirm())); // Windows lower-casing of À
    EXPECT_EQ(Selection(memo), std::make_pair(15, 1));
    memo.SetSelStart(0);
    EXPECT_FALSE(Find(memo, u"total", kDown | frMatchCase, none.Confirm()));
}

TEST(Find, WholeWordsEndAtADelimiterAndStartAtOrPastTheWordAtTheCaret) {
    TScriptedAnswers none;
    const TFindOptions whole = kDown | frWholeWord | frMatchCase;
    TMemo memo;
    Load(memo, u"- xab ab,abx ab", 0);
    EXPECT_TRUE(Find(memo, u"ab", whole, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(6, 2));
    EXPECT_TRUE(Find(memo, u"ab", whole, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(13, 2)); // "abx" is not the word
    // A word starting at the caret is found; the rest of a word is skipped.
    memo.SetSelStart(6);
    EXPECT_TRUE(Find(memo, u"ab", whole, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(6, 2));
    memo.SetSelStart(7);
    EXPECT_TRUE(Find(memo, u"ab", whole, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(13, 2));

    const TFindOptions wholeUp = frWholeWord | frMatchCase;
    memo.SetSelStart(15);
    EXPECT_TRUE(Find(memo, u"ab", wholeUp, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(13, 2)); // the text's end delimits
    EXPECT_TRUE(Find(memo, u"ab", wholeUp, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(6, 2));

    Load(memo, u"ab ab", 0); // the page's first word
    EXPECT_TRUE(Find(memo, u"ab", whole, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(0, 2));
    EXPECT_EQ(none.Asked, 0);
}

// Found by scanning from the end of a word into text that starts with
// delimiters: the scan must end, and never find text after the caret.
TEST(Find, BackwardWholeWordScanEndsAtTheTextStart) {
    TScriptedAnswers none;
    const TFindOptions wholeUp = frWholeWord | frMatchCase;
    TMemo memo;
    Load(memo, u" a", 2);
    EXPECT_FALSE(Find(memo, u"b", wholeUp, none.Confirm()));
    memo.SetSelStart(1);
    EXPECT_FALSE(Find(memo, u"a", wholeUp, none.Confirm()));
    Load(memo, u"  ab", 4);
    EXPECT_TRUE(Find(memo, u"ab", wholeUp, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(2, 2));
    EXPECT_FALSE(Find(memo, u"ab", wholeUp, none.Confirm()));
    EXPECT_EQ(ScanText(u" ab", 3, 0, u"ab", wholeUp), 1);
}

TEST(Find, FramesAndPunctuationDelimitWordsDosLettersDoNot) {
    const TWordDelimiters& delimiters = WordDelimiters();
    for (char16_t c : {u' ', u'\r', u'\n', u'\0', u',', u'.', u'-', u'\u00B3', u'\u00DA', u'\u00C4',
                       u'\u00B0', u'\u00DB', u'\u0085'})
        EXPECT_TRUE(IsWordDelimiter(delimiters, c)) << static_cast<int>(c);
    // Letters and digits, also in their DOS form: ñ (U+00A4), á (U+00A0),
    // Ó (U+00E0), ü (U+0081), and characters above 255 (é is U+201A).
    for (char16_t c :
         {u'a', u'Z', u'7', u'\u00A4', u'\u00A0', u'\u00E0', u'\u0081', u'\u201A', u'\u4E2D'})
        EXPECT_FALSE(IsWordDelimiter(delimiters, c)) << static_cast<int>(c);

    TScriptedAnswers none;
    const TFindOptions whole = kDown | frWholeWord | frMatchCase;
    TMemo memo;
    Load(memo, u" \u00B3TOTAL\u00B3 A\u00A4O", 0);
    EXPECT_TRUE(Find(memo, u"TOTAL", whole, none.Confirm()));
    EXPECT_EQ(Selection(memo), std::make_pair(2, 5));
    memo.SetSelStart(0);
    EXPECT_FALSE(Find(memo, u"A", whole, none.Confirm())); // AÑO is one word
}

TEST(CharLower, LowersTheLettersOfTheCommonScriptsOnly) {
    EXPECT_EQ(WinLowerText(u"AZaz09\u00C0\u00D6\u00D7\u00DE\u00DF\u0178\u0160\u0152\u017D"),
              u"azaz09\u00E0\u00F6\u00D7\u00FE\u00DF\u00FF\u0161\u0153\u017E");
    EXPECT_EQ(WinLowerText(u"\u0130\u0391\u03A3\u0386\u0401\u0416\u04C0"),
              u"i\u03B1\u03C3\u03AC\u0451\u0436\u04CF");
    EXPECT_EQ(WinLowerText(u"\u00B3\u2500\u4E2D\xD800"), u"\u00B3\u2500\u4E2D\xD800");
}

// The Replace All loop as described: Find, replace the selection, repeat.
// Each Find copies and lower-cases the whole text, so this is quadratic. With
// the same two guards as the real one.
void ReferenceReplaceAll(TMemo& memo, std::u16string_view find, std::u16string_view replace,
                         TFindOptions options, const TConfirm& confirm, int maxLength) {
    for (;;) {
        const std::pair<int, int> before = Selection(memo);
        if (!Find(memo, find, options, confirm))
            return;
        const int grown = memo.TextLength() - memo.SelLength() + static_cast<int>(replace.size());
        if (grown > maxLength && grown > memo.TextLength())
            return;
        const std::u16string oldText = memo.Text();
        memo.ReplaceSel(replace, false);
        if (memo.Text() == oldText && Selection(memo) == before)
            return;
    }
}

struct TReplaceCase {
    std::u16string Text;
    int SelStart;
    int SelLength;
    std::u16string Find;
    std::u16string Replace;
    TFindOptions Options;
    std::vector<bool> Answers;
};

std::u16string RandomText(std::mt19937& random, int length) {
    static constexpr std::u16string_view kAlphabet = u"aAb .\u00C0\u00E0";
    std::u16string text;
    for (int i = 0; i < length; ++i) {
        if (random() % 9 == 0)
            text += u"\r\n";
        else
            text += kAlphabet[random() % kAlphabet.size()];
    }
    return text;
}

TReplaceCase RandomCase(std::mt19937& random) {
    TReplaceCase c;
    c.Text = RandomText(random, static_cast<int>(random() % 40));
    const int length = static_cast<int>(c.Text.size());
    c.SelStart = length == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(length + 1));
    c.SelLength = static_cast<int>(random() % 3);
    c.Find = RandomText(random, 1 + static_cast<int>(random() % 3));
    // Often a replacement that holds the search text, to keep the loop going.
    c.Replace = random() % 3 == 0 ? c.Find + RandomText(random, static_cast<int>(random() % 2))
                                  : RandomText(random, static_cast<int>(random() % 4));
    c.Options = frReplaceAll | (random() % 2 ? frDown : 0u) | (random() % 2 ? frMatchCase : 0u) |
                (random() % 3 == 0 ? frWholeWord : 0u);
    for (unsigned i = random() % 4; i > 0; --i)
        c.Answers.push_back(random() % 4 != 0);
    return c;
}

TEST(ReplaceAll, GivesTheSameResultAsTheFindAndReplaceLoop) {
    std::mt19937 random(20240611);
    constexpr int kMaxLength = 120;
    for (int round = 0; round < 4000; ++round) {
        const TReplaceCase c = RandomCase(random);
        TMemo reference;
        Load(reference, c.Text, c.SelStart, c.SelLength);
        TMemo fast;
        Load(fast, c.Text, c.SelStart, c.SelLength);
        TScriptedAnswers referenceAnswers{c.Answers};
        TScriptedAnswers fastAnswers{c.Answers};
        ReferenceReplaceAll(reference, c.Find, c.Replace, c.Options, referenceAnswers.Confirm(),
                            kMaxLength);
        MemoReplaceAll(fast, c.Find, c.Replace, c.Options, fastAnswers.Confirm(), kMaxLength);
        ASSERT_EQ(fast.Text(), reference.Text()) << round;
        ASSERT_EQ(Selection(fast), Selection(reference)) << round;
        ASSERT_EQ(fast.CaretOffset(), reference.CaretOffset()) << round;
        ASSERT_EQ(fast.Modified(), reference.Modified()) << round;
        ASSERT_EQ(fastAnswers.Asked, referenceAnswers.Asked) << round;
    }
}

TEST(ReplaceAll, LengthensALineByTheGrowthOfEachReplacement) {
    TGridEditor grid;
    grid.Editor().SetText(u"a b c\r\nabcde");
    grid.SetPageSize(5, 2);
    TScriptedAnswers none;
    MemoReplaceAll(grid.Editor(), u" ", u"---", kDown, none.Confirm());
    EXPECT_EQ(grid.Editor().Text(), u"a---b---c\r\nabcde");
    EXPECT_EQ(Selection(grid.Editor()), std::make_pair(8, 0));
    EXPECT_TRUE(grid.Editor().Modified());
    EXPECT_FALSE(grid.Editor().CanUndo());
    EXPECT_EQ(none.Asked, 1); // at the end, answered No
}

TEST(ReplaceAll, AReplacementHoldingTheTextGoesOnAfterEachWrapUntilNo) {
    TScriptedAnswers answers{{true, true, false}};
    TMemo memo;
    Load(memo, u"xa", 0);
    MemoReplaceAll(memo, u"a", u"aa", kDown, answers.Confirm());
    EXPECT_EQ(memo.Text(), u"xaaaaaaaa"); // doubled on each of three passes
    EXPECT_EQ(answers.Asked, 3);
}

TEST(ReplaceAll, StopsWhereTheLoopWouldNeverEnd) {
    // Backwards the search finds its own replacement again at once.
    TScriptedAnswers none;
    TMemo same;
    Load(same, u"xax", 3);
    MemoReplaceAll(same, u"a", u"a", kUp, none.Confirm());
    EXPECT_EQ(same.Text(), u"xax");
    EXPECT_EQ(Selection(same), std::make_pair(2, 0));

    TMemo growing;
    Load(growing, u"xa", 2);
    MemoReplaceAll(growing, u"a", u"ba", kUp, none.Confirm(), 10);
    EXPECT_EQ(growing.Text(), u"xbbbbbbbba");
    EXPECT_EQ(Selection(growing), std::make_pair(9, 1)); // the next one, left selected

    TMemo shrinking; // a text already over the limit may still shrink
    Load(shrinking, u"aaaa", 0);
    MemoReplaceAll(shrinking, u"a", u"", kDown, none.Confirm(), 2);
    EXPECT_EQ(shrinking.Text(), u"");
    EXPECT_EQ(none.Asked, 0);
}

class SearchCommandsTest : public ::testing::Test {
protected:
    TMemo memo;
    TScriptedAnswers answers;
    std::vector<std::u16string> asked;
    bool askAnswer = false;
    TSearchCommands commands{memo, answers.Confirm(),
                             [this](const std::u16string& message, int buttons,
                                    char16_t defaultAnswer, int helpContext) {
                                 EXPECT_EQ(buttons, 12);
                                 EXPECT_EQ(defaultAnswer, u'N');
                                 EXPECT_EQ(helpContext, 0);
                                 asked.push_back(message);
                                 return askAnswer;
                             }};
};

TEST_F(SearchCommandsTest, OnlyASuccessfulFindIsRememberedForF3) {
    memo.SetText(u"uno dos uno");
    commands.actBuscarSiguienteExecute(); // nothing searched yet
    EXPECT_EQ(Selection(memo), std::make_pair(0, 0));
    EXPECT_EQ(commands.LastFindText(), u"");
    EXPECT_EQ(commands.LastFindOptions(), kDefaultFindOptions);

    EXPECT_FALSE(commands.FindDialogZV1Find(u"tres", kDown | frMatchCase));
    EXPECT_EQ(commands.LastFindText(), u"");
    EXPECT_TRUE(commands.FindDialogZV1Find(u"UNO", kDown));
    EXPECT_EQ(commands.LastFindText(), u"UNO");
    EXPECT_EQ(Selection(memo), std::make_pair(0, 3));
    commands.actBuscarSiguienteExecute();
    EXPECT_EQ(Selection(memo), std::make_pair(8, 3));
    EXPECT_EQ(answers.Asked, 0);
}

// "a" by "ba" backwards finds its own replacement's "a" for ever.
TEST_F(SearchCommandsTest, ReplaceAllGrowsAPageOnlyToAFewTimesItsCells) {
    TGridEditor grid;
    grid.Editor().SetText(u"aaaa\r\naaaa");
    grid.SetPageSize(4, 2);
    TSearchCommands page{grid.Editor(), answers.Confirm(), nullptr};
    const int cells = grid.Editor().TextLength();
    grid.Editor().SetSelStart(cells);
    page.DoReplace(u"a", u"ba", kUp | frReplaceAll);
    EXPECT_GT(grid.Editor().TextLength(), 2 * cells);
    EXPECT_LE(grid.Editor().TextLength(), 4 * cells);
    grid.Editor().SetText(u"a");
    page.DoReplace(u"a", std::u16string(100, u'b'), kDown | frReplaceAll); // one pass is never cut
    EXPECT_EQ(grid.Editor().Text(), std::u16string(100, u'b'));
}

TEST_F(SearchCommandsTest, AReplacementBeyondTheBasicPlaneTakesOneCell) {
    memo.SetText(u"ab ab");
    commands.DoReplace(u"ab", u"\U0001F600", kDown | frReplaceAll);
    EXPECT_EQ(memo.Text(), u"? ?");
}

TEST_F(SearchCommandsTest, ReplaceAsksAboutTheSelectionAndReplacesOnlyOnYes) {
    memo.SetText(u"ab ab ab");
    commands.DoReplace(u"ab", u"X", kDown | frReplace); // nothing selected: finds
    EXPECT_EQ(Selection(memo), std::make_pair(0, 2));
    EXPECT_TRUE(asked.empty());

    commands.DoReplace(u"ab", u"X", kDown | frReplace); // no: on to the next
    EXPECT_EQ(asked, std::vector<std::u16string>{u"Reemplazar esta ocurrencia de ab?"});
    EXPECT_EQ(memo.Text(), u"ab ab ab");
    EXPECT_EQ(Selection(memo), std::make_pair(3, 2));

    askAnswer = true;
    commands.DoReplace(u"ab", u"X", kDown | frReplace);
    EXPECT_EQ(memo.Text(), u"ab X ab");
    EXPECT_EQ(Selection(memo), std::make_pair(4, 0));

    commands.DoReplace(u"ab", u"Y", kDown | frReplaceAll);
    EXPECT_EQ(memo.Text(), u"ab X Y");
    EXPECT_EQ(answers.Asked, 1);            // the run through the end, answered No
    commands.DoReplace(u"ab", u"Y", kDown); // neither button: nothing
    EXPECT_EQ(memo.Text(), u"ab X Y");
}

} // namespace
} // namespace typ
