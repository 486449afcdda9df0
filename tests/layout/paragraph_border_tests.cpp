// The widths of a paragraph border run's sides, and how a row's shading
// grows over the border of its run.
#include "tests/editing/editing_test_support.h"
#include "layout/paragraph_borders.h"
#include "controls/LineStyles.h"
#include "tests/support/dib_canvas.h"

namespace {

class BorderWidths : public EditingFixture
{
protected:
    // "one|two|three" in one run: rows 0, 1 and 2, one per paragraph.
    void ThreeParagraphsInOneRun(LONG sides)
    {
        Type(0, "one\rtwo\rthree");
        GBorder run;
        run.first = 0;
        run.end = flow->m_chars.count - 2;
        run.distance = 20;
        run.sides = sides;
        run.top.lineStyle = 1;      // 5 wide
        run.bottom.lineStyle = 3;   // 10
        run.left.lineStyle = 4;     // 12
        run.right.lineStyle = 0;    // 2
        flow->InsBorderItem(run, 0);
        ASSERT_EQ(flow->GetBorderRow1(0), 0);
        ASSERT_EQ(flow->GetBorderRow2(0), 3);
    }
};

TEST_F(BorderWidths, TheRoomOfASideAndItsLineAreTwoThings)
{
    ThreeParagraphsInOneRun(kBorderLeft | kBorderTop);
    const struct
    {
        int side;
        long room;   // GDoc::GetBorderWidth: distance + line + 2, else -4
        int line;    // the painters': the line, else minus the distance
    } cases[] = {
        {kBorderLeft, 20 + 12 + 2, 12},
        {kBorderTop, 20 + 5 + 2, 5},
        {kBorderRight, -4, -20},
        {kBorderBottom, -4, -20},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.side);
        EXPECT_EQ(flow->GetBorderWidth(0, c.side), c.room);
        EXPECT_EQ(GetBorderWidth(*flow, 0, c.side), c.line);
        EXPECT_EQ(GetBorderWidth((CDC*)NULL, *flow, 0, c.side), c.line);
    }
    // Asked for two sides at once, the painters' width has no one line.
    EXPECT_EQ(GetBorderWidth(*flow, 0, kBorderLeft | kBorderTop), -20);
    EXPECT_EQ(GetBorderWidth(*flow, 0, kBorderLeft | kBorderRight), 12);
}

TEST_F(BorderWidths, ALineStyleOutsideTheTableIsTheLineOfNoWidth)
{
    ThreeParagraphsInOneRun(kBorderBox);
    for (LONG damaged : {10, -1, 1000000, (LONG)0x80000000})
    {
        SCOPED_TRACE(damaged);
        flow->m_borders[0].left.lineStyle = damaged;
        EXPECT_EQ(GetBorderWidth(*flow, 0, kBorderLeft), 0);
        EXPECT_EQ(flow->GetBorderWidth(0, kBorderLeft), 20 + 0 + 2);
        EXPECT_EQ(LineStyleRow(damaged).number, kNoLineStyle);
    }
    for (int i = 0; i < kLineStyleCount; ++i)
        EXPECT_EQ(LineStyleRow(i).number, i);
}

TEST_F(BorderWidths, AddJustShadeGrowsTheTopOnTheFirstRowAndTheBottomOnTheLast)
{
    ThreeParagraphsInOneRun(kBorderBox);
    const CRect text(100, 100, 500, 140);
    const struct
    {
        int row;
        CRect want;
    } cases[] = {
        {0, CRect(100 - 32, 100 - 25, 500 + 22, 140)},
        {1, CRect(100 - 32, 100, 500 + 22, 140)},
        {2, CRect(100 - 32, 100, 500 + 22, 140 + 30)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.row);
        CRect r = text;
        flow->AddJustShade(c.row, r);
        EXPECT_EQ(RectText(r), RectText(c.want));
    }
}

TEST_F(BorderWidths, AddJustShadeLeavesSidesTheRunLacksAndRowsOutsideIt)
{
    ThreeParagraphsInOneRun(kBorderLeft);
    CRect r(100, 100, 500, 140);
    flow->AddJustShade(0, r);
    EXPECT_EQ(RectText(r), RectText(CRect(68, 100, 500, 140)));
    flow->m_borders[0].end = 4;   // the first paragraph only
    r = CRect(100, 100, 500, 140);
    flow->AddJustShade(1, r);
    EXPECT_EQ(RectText(r), RectText(CRect(100, 100, 500, 140)));
}

} // namespace
