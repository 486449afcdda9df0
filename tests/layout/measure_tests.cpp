// Measuring on the layout context: empty rows, trailing blanks, measuring
// from inside a row with tabs, and the x a view shows for aligned rows.
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_fixture.h"
#include "model/GFontStyle.h"
#include <vector>

using namespace layout_test;

namespace {

class MeasureTest : public LayoutTest
{
};

TEST(LayoutContext, IsOneContextInTenthsOfAMillimetre)
{
    CDC* dc = GetCalcDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc, GetCalcDC());
    EXPECT_EQ(dc->GetMapMode(), MM_LOMETRIC);
}

TEST_F(MeasureTest, EmptyParagraphIsAsHighAsABlankInItsFont)
{
    CDC* dc = GetCalcDC();
    CFont* old = dc->SelectObject(FallbackFontStyle().GetFont());
    CSize blank = dc->GetTextExtent(" ", 1);
    dc->SelectObject(old);

    int ascent = -1;
    CSize size = flow.CalcTextSizeSimple(0, 1, 1, ascent);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, blank.cy);
    EXPECT_GT(ascent, 0);
    EXPECT_EQ(flow.CalcTextSizeSimple(0, 0, 0, ascent), size);
}

TEST_F(MeasureTest, TrailingBlanksCountOnlyWhenKept)
{
    SetText(flow, "ab   ");
    int ascent = 0;
    long kept = flow.CalcTextSizeSimple(0, 5, 1, ascent).cx;
    long dropped = flow.CalcTextSizeSimple(0, 5, 0, ascent).cx;
    long word = flow.CalcTextSizeSimple(0, 2, 1, ascent).cx;
    EXPECT_GT(kept, dropped);
    EXPECT_EQ(dropped, word);
    EXPECT_EQ(kept, Width(flow, 0, 5));
}

// Dropped blanks leave nothing to measure: no width and no height. Kept,
// they are text as high as a blank.
TEST_F(MeasureTest, BlanksOnlyMeasureNothingWhenDropped)
{
    SetText(flow, "   ");
    int ascent = -1;
    CSize dropped = flow.CalcTextSizeSimple(0, 3, 0, ascent);
    EXPECT_EQ(dropped, CSize(0, 0));
    EXPECT_EQ(ascent, 0);
    CSize kept = flow.CalcTextSizeSimple(0, 3, 1, ascent);
    EXPECT_GT(kept.cx, 0);
    EXPECT_GT(kept.cy, 0);
}

TEST_F(MeasureTest, PartOfARowWithTabsIsTheDifferenceOfTwoMeasurements)
{
    SetText(flow, "ab\tcd\tef gh");
    flow.CalcRow(NULL, 0);
    const long end = 11;
    const long whole = Width(flow, 0, end);
    for (long from : {1L, 2L, 3L, 5L, 6L, 8L})
    {
        SCOPED_TRACE(from);
        EXPECT_EQ(Width(flow, from, end), whole - Width(flow, 0, from));
    }
    // The text after a tab starts at the tab's x plus its width.
    EXPECT_EQ(Width(flow, 0, 3), flow.m_tabs[0].x + flow.m_tabs[0].width - flow.GetRowLeftMargin(0));
}

TEST_F(MeasureTest, ViewMeasuringPlacesAlignedRowsInTheirRow)
{
    SetText(flow, "abc def");
    SetColumnWidth(flow, 1500);
    struct Case
    {
        unsigned char align;
    } cases[] = {{GParaStyle::kAlignLeft}, {GParaStyle::kAlignCentre}, {GParaStyle::kAlignRight}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE((int)c.align);
        style.m_Align = c.align;
        flow.CalcRow(NULL, 0);
        const long text = Width(flow, 0, 7);
        const long row = flow.GetRowWidth(0);
        int ascent = 0;
        long x = flow.CalcTextSizeForView(0, 7, 1, ascent).cx;
        if (c.align == GParaStyle::kAlignLeft)
            EXPECT_EQ(x, text);
        else if (c.align == GParaStyle::kAlignRight)
        {
            EXPECT_EQ(x, row);
            EXPECT_EQ(CalcSizeToMove, row - text);
        }
        else
            EXPECT_EQ(x, (row - text) / 2 + text);
    }
}

TEST_F(MeasureTest, LastTabIndexFindsTheLastTabInside)
{
    SetText(flow, "a\tb\tc");
    EXPECT_EQ(flow.GetLastTabIndex(0, 5), 3);
    EXPECT_EQ(flow.GetLastTabIndex(0, 3), 1);
    EXPECT_EQ(flow.GetLastTabIndex(1, 3), 1);   // from itself never counts
    EXPECT_EQ(flow.CountSpaces(0, 5, 1), 0);
}

} // namespace

// Row breaking takes the width of a text less its last character from the
// width of the text and the width of that character alone: on the layout
// context the widths are sums of whole device advances, each text rounded
// once, so the two may differ by a unit at most.
TEST(LayoutContext, TextWidthsAddUpWithinAUnit)
{
    CDC* dc = GetCalcDC();
    const char* const faces[] = {"Times New Roman", "Arial", "Courier New"};
    const int heights[] = {-28, -35, -42, -56, -85, -127};
    const std::string text = "The quick brown fox, jumping over 13 lazy dogs; WAVY Ttype ffi 0123456789 (x) ... ";
    for (const char* face : faces)
        for (int height : heights)
        {
            CFont font;
            ASSERT_TRUE(font.CreateFont(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face));
            CFont* old = dc->SelectObject(&font);
            for (size_t k = 1; k < text.size(); ++k)
            {
                const long upTo = dc->GetTextExtent(text.c_str(), (int)k).cx;
                const long withNext = dc->GetTextExtent(text.c_str(), (int)k + 1).cx;
                const long next = dc->GetTextExtent(text.c_str() + k, 1).cx;
                EXPECT_LE(upTo, withNext - next + 1) << face << " " << height << " at " << k;
                EXPECT_GE(upTo, withNext - next - 1) << face << " " << height << " at " << k;
            }
            dc->SelectObject(old);
        }
}

// Row breaking takes the width of every prefix of a row's text, and how
// many characters fit, from one GetTextExtentExPoint call: each partial
// extent must be the width of that prefix measured alone, and the fit the
// number of prefixes within the extent asked for.
TEST(LayoutContext, PartialExtentsAreThePrefixWidths)
{
    CDC* dc = GetCalcDC();
    const HDC attrib = dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
    const char* const faces[] = {"Times New Roman", "Arial", "Courier New"};
    const int heights[] = {-28, -35, -42, -56, -85, -127};
    const std::string text = "The quick brown fox, jumping over 13 lazy dogs; WAVY Ttype ffi 0123456789 (x) ... "
                             "Wo Ve AT fi fl ij -- \"quoted\" 'single' ~!@#$%^&*_+=|<>? end";
    const int n = (int)text.size();
    for (const char* face : faces)
        for (int height : heights)
            for (int weight : {FW_NORMAL, FW_BOLD})
            {
                CFont font;
                ASSERT_TRUE(font.CreateFont(height, 0, 0, 0, weight, weight == FW_BOLD, 0, 0, DEFAULT_CHARSET, 0, 0,
                                            0, 0, face));
                CFont* old = dc->SelectObject(&font);
                std::vector<INT> prefix(n);
                const int widest = dc->GetTextExtent(text.c_str(), n).cx;
                for (int limit : {widest / 7, widest / 3, widest / 2 + 1, widest - 1})
                {
                    INT fit = -1;
                    SIZE extent;
                    ASSERT_TRUE(::GetTextExtentExPointA(attrib, text.c_str(), n, limit, &fit, prefix.data(), &extent));
                    int within = 0;
                    for (int k = 1; k <= n; ++k)
                    {
                        const long alone = dc->GetTextExtent(text.c_str(), k).cx;
                        if (alone <= limit)
                            within = k;
                        if (k <= fit)
                        {
                            EXPECT_EQ(prefix[k - 1], alone) << face << " " << height << " " << weight << " at " << k;
                        }
                    }
                    EXPECT_EQ(fit, within) << face << " " << height << " " << weight << " within " << limit;
                }
                dc->SelectObject(old);
            }
}
