// Words, sentences and the selection a command applies to, as tables of
// positions in one text.
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_fixture.h"

using namespace layout_test;

namespace {

// Positions: "Don't" 0-5, "stop" 6-10, two blanks, "now" 12-15, '.' 15,
// "Go" 17-19, "on" 20-22, '!' 22, paragraph end 23, "End" 24-27, "of"
// 28-30, "it" 31-33, end of the text 33.
const char* const kText = "Don't stop  now. Go on!\rEnd of it";

struct WordCase
{
    long pos, s, e;
};

// Word queries read the text alone: nothing is laid out.
class WordTest : public FallbackFlowTest
{
};

TEST_F(WordTest, CurrentWordAtPositions)
{
    SetText(flow, kText);
    const long end = flow.m_chars.GetCount() - 3;
    const WordCase cases[] = {
        {0, 0, 5},      // start of the text, apostrophe inside the word
        {3, 0, 5},      // middle of a word
        {5, 0, 5},      // just after a word
        {11, -1, -1},   // between two blanks
        {15, 12, 15},   // on the full stop after a word
        {23, -1, -1},   // at the paragraph end, after punctuation
        {24, 24, 27},   // first word of the next paragraph
        {end, end, end} // the end of the text
    };
    for (const WordCase& c : cases)
    {
        SCOPED_TRACE(c.pos);
        long s = 0, e = 0;
        long answer = flow.GetCurrentWord(c.pos, s, e);
        EXPECT_EQ(c.s, s);
        EXPECT_EQ(c.e, e);
        EXPECT_EQ(e, answer);
    }
}

TEST_F(WordTest, FirstWordAndSentenceAfterPositions)
{
    SetText(flow, kText);
    const WordCase words[] = {
        {0, 0, 5},     // at a word's start: that word
        {2, 6, 10},    // inside a word: the next one
        {10, 12, 15},  // over blanks
        {15, 17, 19},  // over punctuation
        {21, 24, 27},  // over "!" and the paragraph end
        {31, 31, 33},
        {33, -1, -1},  // nothing after the last word
    };
    for (const WordCase& c : words)
    {
        SCOPED_TRACE(c.pos);
        long s = 0, e = 0;
        flow.GetFirstWord(c.pos, s, e);
        EXPECT_EQ(c.s, s);
        EXPECT_EQ(c.e, e);
    }
    const WordCase sentences[] = {
        {0, 0, 16},    // the first sentence
        {8, 0, 16},    // from its middle
        {15, 17, 23},  // from its full stop: the next one
        {20, 17, 23},
        {26, -1, 33},  // not closed before the end of the text
    };
    for (const WordCase& c : sentences)
    {
        SCOPED_TRACE(c.pos);
        long s = 0, e = 0;
        flow.GetFirstSentence(c.pos, s, e);
        EXPECT_EQ(c.s, s);
        EXPECT_EQ(c.e, e);
    }
    EXPECT_EQ(8, flow.CountWordsInDoc());
}

TEST_F(WordTest, SelectionsFallBackToTheCaretOrItsWord)
{
    SetText(flow, kText);
    long s, e;
    flow.m_nCaret = 7;
    flow.m_nSelFirst = flow.m_nSelEnd = 7;
    flow.GetSelectionC(s, e);
    EXPECT_EQ(7, s);
    EXPECT_EQ(7, e);
    flow.GetSelectionW(s, e);
    EXPECT_EQ(6, s);
    EXPECT_EQ(10, e);
    flow.GetSelection(s, e);
    EXPECT_EQ(6, s);
    EXPECT_EQ(10, e);
    // Between two blanks there is no word: the caret alone.
    flow.m_nCaret = flow.m_nSelFirst = flow.m_nSelEnd = 11;
    flow.GetSelection(s, e);
    EXPECT_EQ(11, s);
    EXPECT_EQ(11, e);
    // A selection wins.
    flow.m_nSelFirst = 2;
    flow.m_nSelEnd = 9;
    flow.GetSelection(s, e);
    EXPECT_EQ(2, s);
    EXPECT_EQ(9, e);

    EXPECT_EQ(1, flow.IsWordUpper(24, 25));
    EXPECT_EQ(0, flow.IsWordUpper(24, 27));
    EXPECT_EQ(1, flow.IsWordUpper(5, 5));
    EXPECT_EQ(1, flow.IsDivider(5));
    EXPECT_EQ(1, flow.IsDivider(23));
    EXPECT_EQ(0, flow.IsDivider(4));
}

} // namespace
