// The four border painters on a memory DC, one logical unit to the pixel:
// where each side's band or line lies, how far the top and bottom lines
// reach over the sides, and when a side line has no room.
#include "tests/editing/editing_test_support.h"
#include "tests/support/dib_canvas.h"
#include "view/CWView.h"
#include "model/GPageInfo.h"
#include <functional>

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kInk = RGB(200, 0, 0);
const CRect kText(400, 500, 1000, 600);

class BorderPainters : public EditingFixture
{
protected:
    void SetUp() override
    {
        EditingFixture::SetUp();
        Type(0, "one\rtwo\rthree");
        frameFlow = new GDoc(&doc, kFirstContentFlow);
        doc.m_flows.Add(frameFlow);
    }
    // Two text columns on the first paragraph.
    void TwoColumnsOnTheFirstParagraph()
    {
        tagColumnData data[kMostTextColumns] = {{800, 40}, {800, 0}};
        flow->SetColumns(0, 1, 2, data, 0);
        ASSERT_EQ((BYTE)flow->m_columns[flow->GetCharColumn(0)].count, 2);
    }
    // One run over the first paragraph of f, every side in lineStyle.
    void Run(GDoc& f, LONG sides, LONG distance, LONG lineStyle, LONG penStyle = PS_SOLID)
    {
        GBorder run;
        run.first = 0;
        run.end = 4;
        run.distance = distance;
        run.sides = sides;
        for (CBorderStyle* s : {&run.top, &run.bottom, &run.left, &run.right})
        {
            s->colour = kInk;
            s->lineStyle = lineStyle;
            s->penStyle = penStyle;
        }
        f.InsBorderItem(run, 0);
    }
    GDoc* frameFlow = NULL;
    CWView view;
};

TEST_F(BorderPainters, EachSideLandsWhereItsDistanceAndWidthSay)
{
    struct Case
    {
        const char* what;
        bool frame;         // draw the frame text's run, else the body's
        bool columns;       // the body's first paragraph in two columns
        LONG sides, distance, lineStyle, penStyle;
        std::function<void(CWView&, const GDoc&, CDC*)> paint;
        CRect box;          // the ink's bounding box (empty: nothing drawn)
        int count;          // its pixels; 0: the whole box
    };
    auto up = [](CWView& v, const GDoc& f, CDC* dc) { v.DrawUpLine(f, dc, 0, kText); };
    auto bottom = [](CWView& v, const GDoc& f, CDC* dc) { v.DrawBottomLine(f, dc, 0, kText); };
    auto left = [](int room, int joinTop, int first) {
        return [=](CWView& v, const GDoc& f, CDC* dc) { v.DrawLeftLine(f, dc, 0, kText, joinTop, 0, room, first); };
    };
    auto right = [](int room) {
        return [=](CWView& v, const GDoc& f, CDC* dc) { v.DrawRightLine(f, dc, 0, kText, 0, 0, room, 1); };
    };
    const LONG marginLeft = CWDocument::PageSetupOf(&doc).textLeft;
    ASSERT_LT(marginLeft, 310);
    const Case cases[] = {
        {"a box's top band spans the text and both side extensions", false, false, kBorderBox, 20, 3, PS_SOLID, up,
         CRect(370, 470, 1030, 480), 0},
        {"without side lines the top stays over the text", false, false, kBorderTop, 20, 3, PS_SOLID, up,
         CRect(400, 470, 1000, 480), 0},
        {"in the first of two columns it stops at the left page margin", false, true, kBorderBox, 300, 3, PS_SOLID,
         up, CRect(400 - marginLeft, 190, 1310, 200), 0},
        {"a bottom band lies below the text", false, false, kBorderBox, 20, 3, PS_SOLID, bottom,
         CRect(370, 620, 1030, 630), 0},
        {"row 7 draws a one-pixel dotted line at the band's outer edge", false, false, kBorderBox, 20, 7, PS_DOT, up,
         CRect(378, 478, 1022, 479), -1},
        {"a left band beside the text", false, false, kBorderBox, 20, 3, PS_SOLID, left(-1, 0, 1),
         CRect(370, 500, 380, 600), 0},
        {"off the run's first row and joined to the top line it reaches up", false, false, kBorderBox, 20, 3,
         PS_SOLID, left(-1, 1, 0), CRect(370, 460, 380, 600), 0},
        {"no room beyond the distance: no left line in the body", false, false, kBorderBox, 20, 3, PS_SOLID,
         left(10, 0, 1), CRect(), 0},
        {"room of exactly the distance: none either", false, false, kBorderBox, 20, 3, PS_SOLID, left(20, 0, 1),
         CRect(), 0},
        {"in a text frame the line is drawn whatever the room", true, false, kBorderBox, 20, 3, PS_SOLID,
         left(10, 0, 1), CRect(370, 500, 380, 600), 0},
        {"room short of the line: the band starts at the room", false, false, kBorderBox, 20, 3, PS_SOLID,
         left(25, 0, 1), CRect(375, 500, 380, 600), 0},
        {"a right band beside the text", false, false, kBorderBox, 20, 3, PS_SOLID, right(-1),
         CRect(1020, 500, 1030, 600), 0},
        {"a right thin line at the band's outer edge", false, false, kBorderBox, 20, 0, PS_SOLID, right(-1),
         CRect(1022, 501, 1023, 601), 0},
        {"a painter draws nothing for a side the run lacks", false, false, kBorderTop, 20, 3, PS_SOLID, left(-1, 0, 1),
         CRect(), 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        if (c.columns)
            TwoColumnsOnTheFirstParagraph();
        GDoc& f = c.frame ? *frameFlow : *flow;
        Run(f, c.sides, c.distance, c.lineStyle, c.penStyle);
        DibCanvas canvas(1400, 700, kPaper);
        c.paint(view, f, &canvas.dc);
        int count = 0;
        const CRect ink = canvas.Ink(kPaper, &count);
        EXPECT_EQ(RectText(ink), RectText(c.box));
        if (c.count == 0)
            EXPECT_EQ(count, c.box.Width() * c.box.Height()) << "a solid band";
        else
        {
            EXPECT_GT(count, c.box.Width() / 4) << "dots";
            EXPECT_LT(count, c.box.Width() * 3 / 4) << "dots, not a line";
        }
        EXPECT_EQ(canvas.Count(canvas.Whole(), [](COLORREF p) { return p != kPaper && p != kInk; }), 0);
    }
}

} // namespace
