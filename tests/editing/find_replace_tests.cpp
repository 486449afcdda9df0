// Find, replace and count in a flow: text forwards and backwards, whole
// words at the flow's ends, case, accented letters, style filters; smart
// blanks, deleting replacements and kept styles.
#include "tests/editing/formatting_test_support.h"
#include "dialogs/CWFndRpl.h"
#include <string.h>
#include <random>

namespace
{
class FindReplace : public FormattingFixture
{
protected:
    void TearDown() override
    {
        Options.SmartCutPaste = savedSmart;
        FormattingFixture::TearDown();
    }
    static CWFndRpl Request(const char* text, BYTE direction = CWFndRpl::kDown, int whole = 0, int matchCase = 0)
    {
        CWFndRpl r;
        r.SetText(text);
        r.direction = direction;
        r.wholeWord = whole;
        r.matchCase = matchCase;
        return r;
    }
    // Every match start found from start on, following the search.
    std::vector<long> AllMatches(CWFndRpl r, long start)
    {
        std::vector<long> found;
        for (int guard = 0; guard < 100; ++guard)
        {
            long s = start, e = 0;
            flow->Find(s, e, &r);
            if (s < 0)
                break;
            EXPECT_EQ(e - s, (long)strlen(r.text));
            found.push_back(s);
            start = r.direction == CWFndRpl::kUp ? s + (long)strlen(r.text) - 1 : s + 1;
        }
        return found;
    }
    // A named character style entry made bold.
    int LoudStyle()
    {
        GStyleItem<GFontStyle> item("(f) Loud", *flow->GetCharFStylePtr(0));
        item.style.SetAttr(GFontStyle::kBold, 1);
        return doc.AddNewFStyle(item);
    }
    LONG savedSmart = Options.SmartCutPaste;
};

TEST_F(FindReplace, TextForwardsAndBackwardsWithWholeWordAndCase)
{
    NewFlow("cat Cat concat cat");
    struct Case
    {
        const char* text;
        BYTE direction;
        int whole, matchCase;
        long from;
        std::vector<long> found;
    } cases[] = {
        {"cat", CWFndRpl::kDown, 0, 0, 0, {0, 4, 11, 15}},
        {"cat", CWFndRpl::kDown, 0, 1, 0, {0, 11, 15}},
        {"cat", CWFndRpl::kDown, 1, 0, 0, {0, 4, 15}},
        {"cat", CWFndRpl::kUp, 0, 0, 18, {15, 11, 4, 0}},
        {"cat", CWFndRpl::kUp, 1, 1, 18, {15, 0}},
        {"t", CWFndRpl::kUp, 0, 0, 18, {17, 13, 6, 2}},
        {"dog", CWFndRpl::kDown, 0, 0, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AllMatches(Request(c.text, c.direction, c.whole, c.matchCase), c.from), c.found)
            << c.text << " direction " << (int)c.direction;
}

TEST_F(FindReplace, WholeWordsAtTheFlowsEndsAndBeforePunctuation)
{
    NewFlow("ab ab.");
    EXPECT_EQ(AllMatches(Request("ab", CWFndRpl::kDown, 1), 0), (std::vector<long>{0, 3}));
    EXPECT_EQ(AllMatches(Request("ab", CWFndRpl::kUp, 1), 6), (std::vector<long>{3, 0}));
    NewFlow("xab");
    EXPECT_TRUE(AllMatches(Request("ab", CWFndRpl::kDown, 1), 0).empty());
    EXPECT_TRUE(AllMatches(Request("xa", CWFndRpl::kDown, 1), 0).empty());
}

TEST_F(FindReplace, ABackwardSearchPastARefusedMatchFindsTheOneRightBeforeIt)
{
    NewFlow("aa");
    flow->SetFontStyle(0, 1, BoldEntry(0));
    CWFndRpl r = Request("a", CWFndRpl::kUp);
    r.matchFontFormat = 1;
    r.fontStyle.style.SetAttr(GFontStyle::kBold, 1);
    long s = 2, e = 0;
    flow->Find(s, e, &r);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(e, 1);
}

TEST_F(FindReplace, AccentedLettersFindThemselvesAndCountAsLetters)
{
    NewFlow("\xc9t\xe9 \xe9t\xe9 x\xe9t\xe9");   // "Été été xété"
    EXPECT_EQ(AllMatches(Request("\xe9t\xe9"), 0), (std::vector<long>{0, 4, 9}));
    EXPECT_EQ(AllMatches(Request("\xe9t\xe9", CWFndRpl::kDown, 1), 0), (std::vector<long>{0, 4}));
    EXPECT_EQ(flow->FindTextA(0, "\xc9T\xc9", 0, NULL, NULL), 0);
    EXPECT_EQ(flow->FindTextA(1, "\xc9T\xc9", 0, NULL, NULL), 4);
    EXPECT_EQ(flow->FindTextA(1, "\xc9T\xc9", 2, NULL, NULL), 4);
    EXPECT_EQ(flow->FindTextA(5, "\xc9T\xc9", 2, NULL, NULL), -1);
    EXPECT_EQ(flow->FindTextA(12, "\xe9t\xe9", 16, NULL, NULL), 9);
    EXPECT_EQ(flow->FindTextA(12, "\xe9t\xe9", 16 | 2, NULL, NULL), 4);
}

TEST_F(FindReplace, CountingTakesMatchesOneAfterAnother)
{
    NewFlow("aaaa abab Abab");
    char aa[] = "aa", ab[] = "ab", none[] = "zz";
    EXPECT_EQ(flow->CountStringInDoc(aa), 2);
    EXPECT_EQ(flow->CountStringInDoc(ab), 3);   // case counts
    EXPECT_EQ(flow->CountStringInDoc(none), 0);
}

TEST_F(FindReplace, StyleOnlySearchFindsTheLongestRun)
{
    NewFlow("one two three four");
    const int loud = LoudStyle();
    flow->SetFontStyle(4, 13, Mint((short)loud, 0));
    CWFndRpl byName = Request("");
    byName.matchFontFormat = 1;
    byName.fontStyle.SetName("(f) Loud");
    CWFndRpl byValue = Request("");
    byValue.matchFontFormat = 1;
    byValue.fontStyle.style.SetAttr(GFontStyle::kBold, 1);
    for (CWFndRpl* r : {&byName, &byValue})
    {
        long s = 0, e = 0;
        flow->Find(s, e, r);
        EXPECT_EQ(s, 4);
        EXPECT_EQ(e, 13);
        r->direction = CWFndRpl::kUp;
        s = 18;
        flow->Find(s, e, r);
        EXPECT_EQ(s, 4);
        EXPECT_EQ(e, 13);
        s = 3;
        flow->Find(s, e, r);
        EXPECT_EQ(s, -1);
        EXPECT_EQ(e, -1);
    }
    CWFndRpl nothing = Request("");
    long s = 0, e = 0;
    flow->Find(s, e, &nothing);
    EXPECT_EQ(s, -1);

    // Text with a style filter: by name and by value.
    CWFndRpl text = byName;
    text.SetText("t");
    text.direction = CWFndRpl::kDown;
    EXPECT_EQ(AllMatches(text, 0), (std::vector<long>{4, 8}));
    text.fontStyle.SetName("(f) Other");
    EXPECT_TRUE(AllMatches(text, 0).empty());
    text = byValue;
    text.SetText("o");
    text.direction = CWFndRpl::kDown;
    EXPECT_EQ(AllMatches(text, 0), (std::vector<long>{6}));

    GFontStyle bold;
    bold.SetAttr(GFontStyle::kBold, 1);
    long fs = 0, fe = 0;
    ASSERT_EQ(flow->FindStyles(&bold, NULL, fs, fe, 0, 18), 1);
    EXPECT_EQ(fs, 4);
    EXPECT_EQ(fe, 13);
    ASSERT_EQ(flow->FindStyles(&bold, NULL, fs, fe, 18, 0), 1);
    EXPECT_EQ(fs, 4);
    EXPECT_EQ(fe, 13);
    EXPECT_EQ(flow->FindStyles(NULL, NULL, fs, fe, 0, 18), 0);
    EXPECT_EQ(flow->FindTextA(0, "o", 0, &bold, NULL), 6);
}

TEST_F(FindReplace, ReplacingKeepsStylesSmartBlanksAndDeletes)
{
    struct Case
    {
        const char* text;
        long start, end;
        const char* replacement;
        int smart;
        const char* expected;
        long newStart, newEnd;
    } cases[] = {
        {"a  word  b", 3, 7, "term", 1, "a term b", 2, 6},
        {"a word b", 2, 6, "", 0, "a  b", 2, 2},
        {"a word b", 2, 6, "", 1, "a b", 2, 2},
        {"a word b", 2, 6, "longer", 0, "a longer b", 2, 8},
        {"a\tword\tb", 2, 6, "x", 1, "a\tx\tb", 2, 3},
        {"abcdef", 2, 4, "XY", 1, "ab XY ef", 3, 5},
    };
    for (const Case& c : cases)
    {
        Options.SmartCutPaste = c.smart;
        NewFlow(c.text);
        const int loud = LoudStyle();
        flow->SetFontStyle(c.start, c.end, Mint((short)loud, 0));
        CWFndRpl r = Request(c.replacement);
        long s = c.start, e = c.end;
        flow->Replace(s, e, &r);
        EXPECT_EQ(FlowText(*flow), c.expected) << c.text;
        EXPECT_EQ(s, c.newStart) << c.text;
        EXPECT_EQ(e, c.newEnd) << c.text;
        if (e > s)
        {
            EXPECT_EQ(flow->GetCharFStyleIdx(s), loud) << c.text;
            EXPECT_EQ(flow->m_nSelFirst, s);
            EXPECT_EQ(flow->m_nSelEnd, e);
            EXPECT_EQ(flow->m_nCaret, e);
        }
        EXPECT_EQ(StructureFault(*flow), "");
    }
}

TEST_F(FindReplace, AReplacementUndoesAsOneStep)
{
    Options.SmartCutPaste = 0;
    NewFlow("one two three");
    CWFndRpl r = Request("2");
    long s = 4, e = 7;
    EXPECT_EQ(Replays([&] { flow->Replace(s, e, &r); }), 1);
    EXPECT_EQ(FlowText(*flow), "one 2 three");
}

TEST_F(FindReplace, AStyleOnlyReplacementKeepsTheText)
{
    NewFlow("one two three");
    const int loud = LoudStyle();
    CWFndRpl r = Request("");
    r.matchFontFormat = 1;
    r.fontStyle.SetName("(f) Loud");
    long s = 4, e = 7;
    flow->Replace(s, e, &r);
    EXPECT_EQ(FlowText(*flow), "one two three");
    EXPECT_EQ(flow->GetCharFStyleIdx(5), loud);
    EXPECT_NE(flow->GetCharFStyleIdx(1), loud);
}

TEST_F(FindReplace, StylesAreSetAndFoundByValue)
{
    NewFlow("one\rtwo\rthree");
    GFontStyle bold;
    bold.SetAttr(GFontStyle::kBold, 1);
    GParaStyle wide(300, 0, 0, 1.0f, 0, GParaStyle::kAlignLeft);
    long s = 4, e = 7;
    flow->ReplaceStyles(NULL, &wide, s, e);
    EXPECT_FALSE(IsBold(5));
    s = 5, e = 6;
    flow->ReplaceStyles(&bold, NULL, s, e);
    EXPECT_TRUE(IsBold(5));
    EXPECT_EQ(flow->GetCharPStylePtr(5)->m_Left.value, 300);
    EXPECT_NE(flow->GetCharPStylePtr(0)->m_Left.value, 300);

    GParaStyle pattern;
    pattern = *flow->GetCharPStylePtr(5);
    long fs = 0, fe = 0;
    ASSERT_EQ(flow->FindStyles(NULL, &pattern, fs, fe, 0, 13), 1);
    EXPECT_EQ(fs, 4);
    EXPECT_EQ(fe, 8);
    ASSERT_EQ(flow->FindStyles(&bold, &pattern, fs, fe, 0, 13), 1);
    EXPECT_EQ(fs, 5);
    EXPECT_EQ(fe, 6);
    EXPECT_EQ(flow->FindStyles(&bold, &pattern, fs, fe, 6, 13), 0);
}

TEST_F(FindReplace, RandomReplacementsAndCaseChangesKeepTheRowsFreshAndUndoExact)
{
    NewFlow("Some text\rwith a\ttab and MORE words. Then\r\rthe end of it");
    std::mt19937 random(170);
    const char* replacements[] = {"", "x", "two words", "UPPER lower", "\xe9t\xe9"};
    for (int round = 0; round < 40; ++round)
    {
        Options.SmartCutPaste = round % 2;
        const long textEnd = flow->m_chars.count - 3;
        const long first = random() % (textEnd + 1);
        const long end = first + random() % std::min(12L, textEnd - first + 1);
        const std::string state = FlowState(*flow);
        const long steps = Stack()->GetUndoLen();
        if (round % 3 == 0)
        {
            flow->Select(first, end);
            flow->ChangeCase((unsigned char)(random() % 5));
        }
        else
        {
            CWFndRpl r = Request(replacements[random() % 5]);
            long s = first, e = end;
            flow->Replace(s, e, &r);
        }
        const std::string where = "round " + std::to_string(round) + ": " + std::to_string(first) + ".." +
                                  std::to_string(end);
        ASSERT_EQ(StructureFault(*flow), "") << where;
        const std::string now = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowEdit, GDoc::kWholeParagraph);
        ASSERT_EQ(FlowState(*flow), now) << "laid out again " << where;
        // A selection made is a step of its own; the change itself is one.
        const long made = Stack()->GetUndoLen() - steps;
        ASSERT_LE(made, 2) << where;
        if (round % 4 == 3 && made > 0)
        {
            for (long i = 0; i < made; ++i)
                ASSERT_TRUE(DocMakeUndo(&doc)) << where;
            ASSERT_EQ(FlowState(*flow), state) << where;
            for (long i = 0; i < made; ++i)
                ASSERT_TRUE(DocMakeRedo(&doc)) << where;
            ASSERT_EQ(FlowState(*flow), now) << where;
        }
    }
}
} // namespace
