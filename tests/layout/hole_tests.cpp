// Holes in rows: adding, widening, merging, splitting and cutting them;
// the frame-hole height floor; the advance widths of a segment and the
// boundaries drawing asks for; justified rows measured for the view.
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_fixture.h"
#include <utility>

using namespace layout_test;

namespace {

typedef std::vector<std::pair<long, long>> Spans;

Spans HolesOf(const GRow& row)
{
    Spans out;
    for (long i = 0; i < row.holes->GetCount(); ++i)
        out.push_back({(*row.holes)[i].x, (*row.holes)[i].width});
    return out;
}

CHole Hole(long x, long width)
{
    CHole h;
    h.x = (LONG)x;
    h.width = (LONG)width;
    return h;
}

TEST(RowHoles, AddingAndDeletingKeepsThemSortedAndApart)
{
    struct Step
    {
        bool add;
        long x, width;
        Spans after;
    } steps[] = {
        {true, 100, 50, {{0, 0}, {100, 50}}},
        {true, 300, 50, {{0, 0}, {100, 50}, {300, 50}}},
        {true, 120, 100, {{0, 0}, {100, 120}, {300, 50}}},     // widens the hole it starts in
        {true, 90, 300, {{0, 0}, {90, 300}}},                  // swallows the holes it covers
        {true, 50, 60, {{0, 0}, {50, 340}}},                   // joins the hole it reaches into
        {false, 100, 20, {{0, 0}, {50, 50}, {120, 270}}},      // a span inside a hole splits it
        {false, 40, 20, {{0, 0}, {60, 40}, {120, 270}}},       // cuts a hole's left part
        {false, 80, 60, {{0, 0}, {60, 20}, {140, 250}}},       // cuts across two holes
        {false, -10, 1000, {{0, 0}}},                          // the margin mark stays
    };
    GRow row;
    row.holes = GRow::NewHoles();
    for (const Step& s : steps)
    {
        SCOPED_TRACE(testing::Message() << (s.add ? "add " : "delete ") << s.x << " " << s.width);
        CHole h = Hole(s.x, s.width);
        if (s.add)
            row.AddHole(h);
        else
            row.DeleteHole(h);
        EXPECT_EQ(HolesOf(row), s.after);
    }
    row.DeleteHole(0);   // the last hole is never removed
    EXPECT_EQ(row.holes->GetCount(), 1);
    ReleaseRecord(row);
}

class SegmentTest : public LayoutTest
{
};

TEST_F(SegmentTest, AdvanceWidthsAddUpToTheSegmentsText)
{
    SetText(flow, "Wide words\tand tabs");
    flow.CalcRow(NULL, 0);
    const long end = 19;
    flow.CalcHoleDxWidths(0, 0, end, NULL);
    LONG* dx = flow.m_rows[0].GetCharDxWidths(0);
    ASSERT_NE(dx, nullptr);
    long sum = 0;
    for (long i = 0; i < end; ++i)
        sum += dx[i];
    EXPECT_EQ(sum, Width(flow, 0, end));
    EXPECT_EQ(flow.m_rows[0].GetCharDxWidths(4), dx + 4);
}

// Each cell is what its character adds to the measured width of the text
// before it, so the cells keep the rounding of the measured prefixes.
TEST_F(SegmentTest, EachAdvanceWidthIsWhatItsCharacterAddsToTheText)
{
    const std::string text = "AVATAR To, fa\xe7" "ade W\xf6rter \xff i l m";
    SetText(flow, text);
    flow.CalcRow(NULL, 0);
    const long end = (long)text.size();
    flow.CalcHoleDxWidths(0, 0, end, NULL);
    LONG* dx = flow.m_rows[0].GetCharDxWidths(0);
    ASSERT_NE(dx, nullptr);
    for (long i = 0; i < end; ++i)
        EXPECT_EQ(dx[i], Width(flow, 0, i + 1) - Width(flow, 0, i)) << "at " << i;
}

TEST_F(SegmentTest, SegmentBoundariesLeaveOutEndsAndBlanks)
{
    SetText(flow, "ab cd  ");
    flow.CalcRow(NULL, 0);
    long x = -1, width = -1, last = -1;
    flow.GetHoleCoordsAndLastCharPos(0, 1, x, width, last, 777);
    EXPECT_EQ(x, 777);       // past the last hole: the default edge
    EXPECT_EQ(width, 0);
    EXPECT_EQ(last, 5);      // blanks, paragraph end and flow end taken off
}

TEST_F(SegmentTest, JustifiedRowsFillTheirWidthButTheLast)
{
    style.m_Align = GParaStyle::kAlignJustify;
    SetText(flow, "one two three four five six seven eight nine ten eleven twelve");
    SetColumnWidth(flow, Width(flow, 0, 20));
    std::vector<long> starts = BreakParagraph(flow);
    ASSERT_GE(starts.size(), 3u);
    int a = 0;
    long end = starts[1];
    while (flow.m_chars[end - 1] == ' ')
        --end;
    EXPECT_EQ(flow.CalcTextSizeForView(starts[0], end, 0, a).cx, flow.GetRowWidth(0));
    EXPECT_EQ(CalcSizeToMove, 0);
    EXPECT_EQ(_justPosAfter, -1);   // the pending justification is put back

    const long lastRow = (long)starts.size() - 1;
    const long textEnd = flow.m_chars.GetCount() - 3;
    EXPECT_EQ(flow.CalcTextSizeForView(starts[lastRow], textEnd, 0, a).cx, Width(flow, starts[lastRow], textEnd));
}

} // namespace
