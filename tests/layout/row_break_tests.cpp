// Row breaking: where rows end (long words, blanks, tabs), tabs of every
// kind, centred and right-aligned paragraphs, and row heights with line
// spacing and extra height.
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_fixture.h"
#include <math.h>

using namespace layout_test;

namespace {

class RowBreakTest : public LayoutTest
{
};

TEST_F(RowBreakTest, AWordLongerThanTheRowIsCutWhereItStopsFitting)
{
    SetText(flow, "mmmmmmmmmmmmmmmmmmmmmmmm");
    const long letter = Width(flow, 0, 1);
    for (long letters : {1L, 3L, 7L})
    {
        SCOPED_TRACE(letters);
        // Room for the letters and part of one more (none for the tiny row).
        SetColumnWidth(flow, letters == 1 ? letter / 2 : letters * letter + letter / 2);
        std::vector<long> starts = BreakParagraph(flow);
        ASSERT_GT(starts.size(), 1u);
        for (size_t i = 0; i + 1 < starts.size(); ++i)
        {
            long from = starts[i], to = starts[i + 1];
            EXPECT_GE(to - from, 1);   // at least one character a row
            if (letters > 1)
            {
                EXPECT_LE(Width(flow, from, to), flow.GetRowWidth(0));
                EXPECT_GT(Width(flow, from, to + 1), flow.GetRowWidth(0));
            }
        }
    }
}

TEST_F(RowBreakTest, RowsEndAtDividers)
{
    struct Case
    {
        const char* text;
        long fits;       // characters whose width the row has room for
        long next;       // first character of the second row
    } cases[] = {
        {"abc def ghi", 7, 8},     // the blank at the break stays on the row
        {"abc def  ghi", 7, 8},    // a second blank starts the next row
        {"abc def\tghi", 7, 7},    // a tab at the break starts the next row
        {"abc defgh ij", 6, 4},    // a word that does not fit goes down whole
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        GDoc f(NULL, kFirstContentFlow);
        SetText(f, c.text);
        f.CalcRow(NULL, 0);   // lays out the tabs
        SetColumnWidth(f, Width(f, 0, c.fits) + 1);
        std::vector<long> starts = BreakParagraph(f);
        ASSERT_GE(starts.size(), 2u);
        EXPECT_EQ(starts[1], c.next);
    }
}

TEST_F(RowBreakTest, DividersAreBlanksTabsAndFieldMarks)
{
    SetText(flow, "ab cd\tef\001gh");
    EXPECT_EQ(flow.GetLastDivide(0, 10), 8);
    EXPECT_EQ(flow.GetLastDivide(0, 7), 5);
    EXPECT_EQ(flow.GetLastDivide(2, 4), -1);   // from itself never counts
    EXPECT_EQ(flow.GetFirstDivide(0, 10), 3);  // after a blank
    EXPECT_EQ(flow.GetFirstDivide(3, 10), 5);  // at a tab
    EXPECT_EQ(flow.GetFirstDivide(5, 7), -1);  // a tab at from does not count
}

TEST_F(RowBreakTest, TabsEndAtTheirStopByKind)
{
    struct Case
    {
        unsigned char kind;
    } cases[] = {{GTab::kLeft}, {GTab::kCentre}, {GTab::kRight}, {GTab::kDecimal}};
    const long stop = 800;
    for (const Case& c : cases)
    {
        SCOPED_TRACE((int)c.kind);
        SetStops(style, {GTab(c.kind, (short)stop)});
        GDoc f(NULL, kFirstContentFlow);
        SetText(f, "ab\tcd.ef");
        f.CalcRow(NULL, 0);
        const GTabulator& tab = f.m_tabs[0];
        EXPECT_EQ(tab.x, Width(f, 0, 2) + f.GetRowLeftMargin(0));
        const long after = tab.x + tab.width;   // where "cd.ef" begins
        int a = 0;
        const long text = f.CalcTextSizeSimple(3, 8, 1, a).cx;
        const long beforePoint = f.CalcTextSizeSimple(3, 5, 1, a).cx;
        switch (c.kind)
        {
        case GTab::kLeft: EXPECT_EQ(after, stop); break;
        case GTab::kCentre: EXPECT_EQ(after, stop - text / 2); break;
        case GTab::kRight: EXPECT_EQ(after + text, stop); break;
        case GTab::kDecimal: EXPECT_EQ(after + beforePoint, stop); break;
        }
    }
}

TEST_F(RowBreakTest, TabsWithoutAStopOrInCentredRowsAreOneHundredWide)
{
    SetStops(style, {GTab(GTab::kLeft, 300)});
    SetText(flow, "a\tb\tc");
    flow.CalcRow(NULL, 0);
    EXPECT_EQ(flow.m_tabs[0].x + flow.m_tabs[0].width, 300);
    EXPECT_EQ(flow.m_tabs[1].width, 100);   // past the last stop
    EXPECT_EQ(flow.m_tabs[1].x, Width(flow, 0, 3));

    style.m_Align = GParaStyle::kAlignCentre;
    flow.CalcRow(NULL, 0);
    for (long i = 0; i < 2; ++i)
    {
        EXPECT_EQ(flow.m_tabs[i].x, 0);
        EXPECT_EQ(flow.m_tabs[i].width, 100);
    }
}

TEST_F(RowBreakTest, RightAlignedRowPutsTheTextAfterItsLastTabAtTheRightMargin)
{
    style.m_Align = GParaStyle::kAlignRight;
    style.m_Right = Gint(100);
    SetStops(style, {GTab(GTab::kLeft, 200), GTab(GTab::kLeft, 600)});
    SetColumnWidth(flow, 1500);
    SetText(flow, "ab\tcd\tef");
    flow.CalcRow(NULL, 0);
    const GTabulator& last = flow.m_tabs[1];
    EXPECT_EQ(last.x + last.width + Width(flow, 6, 8), 1500 - 100);
    int ascent = 0;
    EXPECT_EQ(flow.CalcTextSizeForView(0, 8, 1, ascent).cx, flow.GetRowWidth(0));
}

// Where the break search stands, with or without the blank after the last
// word, must not move the tab: an edited row then lays out as a fresh one.
TEST_F(RowBreakTest, RightAlignedTabsDoNotDependOnATrailingBlankOfTheSearch)
{
    style.m_Align = GParaStyle::kAlignRight;
    SetStops(style, {GTab(GTab::kLeft, 200)});
    SetColumnWidth(flow, 1500);
    SetText(flow, "ab\tcd ef");
    CDC* dc = GetCalcDC();
    flow.CalcTabsRightText(dc, 2, 5, 0, 0);   // "cd"
    const GTabulator before = flow.m_tabs[0];
    flow.CalcTabsRightText(dc, 2, 6, 0, 0);   // "cd "
    EXPECT_EQ(flow.m_tabs[0].x, before.x);
    EXPECT_EQ(flow.m_tabs[0].width, before.width);
}

TEST_F(RowBreakTest, RowHeightFollowsLineSpacingAndExtraHeight)
{
    SetText(flow, "Line");
    flow.CalcRow(NULL, 0);
    const long single = flow.m_rows[0].height;
    const long ascent = flow.m_rows[0].ascent;
    ASSERT_GT(single, 0);
    struct Case
    {
        float spacing;
        short extra;
    } cases[] = {{1.0f, 0}, {1.5f, 0}, {2.0f, 0}, {2.5f, 0}, {1.2f, 0}, {1.0f, 30}, {1.5f, -10}, {1.0f, -30000}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.spacing << " " << c.extra);
        style.m_Spacing = Gfloat(c.spacing);
        style.m_Extra = Gint(c.extra);
        flow.CalcRow(NULL, 0);
        long expected = (long)ceil(single * (double)c.spacing) + c.extra;
        EXPECT_EQ(flow.m_rows[0].height, expected < 0 ? 0 : expected);
        long lowered = c.extra < 0 ? ascent + c.extra : ascent;
        EXPECT_EQ(flow.m_rows[0].ascent, lowered < 0 ? 0 : lowered);
    }
}

TEST_F(RowBreakTest, RowPlaceInParagraphAndMargins)
{
    style.m_FirstLine = Gint(150);
    style.m_Left = Gint(50);
    style.m_Right = Gint(70);
    SetColumnWidth(flow, 600);
    SetText(flow, "aa bb cc dd ee ff gg hh ii jj kk ll mm nn oo pp qq rr ss tt uu vv ww xx yy zz aa bb cc dd ee ff");
    std::vector<long> starts = BreakParagraph(flow);
    ASSERT_GE(starts.size(), 3u);
    const long last = (long)starts.size() - 1;
    EXPECT_EQ(flow.RowInParaIs(0), 1);
    EXPECT_EQ(flow.RowInParaIs(1), 2);
    EXPECT_EQ(flow.RowInParaIs(last), 4);
    EXPECT_EQ(flow.GetRowLeftMargin(0), 150);
    EXPECT_EQ(flow.GetRowLeftMargin(1), 50);
    EXPECT_EQ(flow.GetRowWidth(0), 600 - 70 - 150);
    EXPECT_EQ(flow.GetRowWidth(1), 600 - 70 - 50);
    int a = 0;
    for (long r : {0L, 1L, last})
    {
        const long to = r == last ? flow.m_chars.GetCount() - 1 : starts[r + 1];
        EXPECT_EQ(flow.MaxFreeSpace(r), flow.GetRowWidth(r) - flow.CalcTextSizeSimple(starts[r], to, 0, a).cx);
    }
}

} // namespace
