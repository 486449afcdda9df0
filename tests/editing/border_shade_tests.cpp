// Paragraph borders and shading: splitting, joining and toggling border
// runs, column gaps, the space borders take, shading runs and the cell
// patterns; each change undone and redone on the whole stored flow.
#include "tests/editing/formatting_test_support.h"
#include "editing/CWOpFormats.h"
#include "controls/LineStyles.h"
#include "editing/shading_cells.h"
#include "editing/border_runs.h"

namespace {

// Five paragraphs; each begins 3 characters after the one before.
const char* const kFive = "p1\rp2\rp3\rp4\rp5";
long Para(int n)
{
    return 3 * (n - 1);
}

CBorderStyle Line(COLORREF colour)
{
    CBorderStyle s;
    s.colour = colour;
    s.lineStyle = 1;
    return s;
}

struct Sides
{
    CBorderStyle s[4];
    explicit Sides(COLORREF c) { s[0] = s[1] = s[2] = s[3] = Line(c); }
    Sides(COLORREF l, COLORREF r, COLORREF t, COLORREF b)
    {
        s[0] = Line(l);
        s[1] = Line(r);
        s[2] = Line(t);
        s[3] = Line(b);
    }
};

class Borders : public FormattingFixture
{
protected:
    void SetUp() override
    {
        FormattingFixture::SetUp();
        NewFlow(kFive);
    }
    // first, sides of each run.
    std::vector<std::pair<long, long>> Runs() const
    {
        std::vector<std::pair<long, long>> runs;
        for (LONG i = 0; i < flow->m_borders.count; ++i)
            runs.push_back({flow->m_borders[i].first, flow->m_borders[i].sides});
        return runs;
    }
    void Box(Sides sides, int first, int last, long mask = kBorderBox, int distance = 20)
    {
        flow->SetBorder(mask, sides.s, distance, Para(first), Para(last) + 2);
    }
};

TEST_F(Borders, ABoxCoversExactlyItsParagraphsAndTwiceChangesNothing)
{
    EXPECT_EQ(Replays([&] { Box(Sides(RGB(1, 0, 0)), 2, 4); }), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set Border"));
    ASSERT_EQ(flow->m_borders.count, 1);
    EXPECT_EQ(flow->m_borders[0].first, Para(2));
    EXPECT_EQ(flow->m_borders[0].end, Para(5));
    // The flow told its views.
    EXPECT_FALSE(flow->m_redraw.IsDirty());
    const std::string once = FlowState(*flow);
    Box(Sides(RGB(1, 0, 0)), 2, 4);
    EXPECT_EQ(FlowState(*flow), once);
}

TEST_F(Borders, ABoxInsideARunSplitsItInThree)
{
    Box(Sides(RGB(1, 0, 0)), 1, 5);
    EXPECT_EQ(Replays([&] { Box(Sides(RGB(0, 0, 1)), 3, 3); }), 1);
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(1), 15}, {Para(3), 15}, {Para(4), 15}}));
    EXPECT_EQ(flow->m_borders[0].end, Para(3));
    EXPECT_EQ(flow->m_borders[1].top.colour, RGB(0, 0, 1));
    EXPECT_EQ(flow->m_borders[2].top.colour, RGB(1, 0, 0));
}

TEST_F(Borders, EqualBoxesJoinButOtherBordersDoNot)
{
    Box(Sides(RGB(1, 0, 0)), 1, 1);
    EXPECT_EQ(Replays([&] { Box(Sides(RGB(1, 0, 0)), 2, 2); }), 1);
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(1), 15}}));
    EXPECT_EQ(flow->m_borders[0].end, Para(3));

    NewFlow(kFive);
    Box(Sides(RGB(1, 0, 0)), 1, 1, kExactSides + kBorderTop);
    Box(Sides(RGB(1, 0, 0)), 2, 2, kExactSides + kBorderTop);
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(1), 4}, {Para(2), 4}}));
}

// Boxes one character apart join, but not over a one-character paragraph
// that has a border of its own: the joined box would overlap it.
TEST_F(Borders, EqualBoxesDoNotJoinOverAnEmptyParagraphWithItsOwnBorder)
{
    NewFlow("p1\r\rp3");
    Sides red(RGB(1, 0, 0));
    flow->SetBorder(kBorderBox, red.s, 20, 0, 2);
    flow->SetBorder(kExactSides + kBorderTop, red.s, 20, 3, 3);
    EXPECT_EQ(Replays([&] { flow->SetBorder(kBorderBox, red.s, 20, 4, 6); }), 1);
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{0, 15}, {3, 4}, {4, 15}}));
    EXPECT_EQ(flow->m_borders[0].end, 3);
    EXPECT_EQ(flow->m_borders[1].end, 4);
}

TEST_F(Borders, MasksToggleSetOrRemoveSides)
{
    const struct
    {
        long mask, sides;
    } cases[] = {{kBorderTop, kBorderLeft}, {kExactSides + kBorderTop, kBorderTop}, {0, -1}};
    for (const auto& c : cases)
    {
        NewFlow(kFive);
        Box(Sides(RGB(1, 0, 0)), 2, 3, kExactSides + kBorderLeft + kBorderTop);
        EXPECT_EQ(Replays([&] { Box(Sides(RGB(1, 0, 0)), 2, 3, c.mask); }), 1) << c.mask;
        if (c.sides < 0)
            EXPECT_EQ(flow->m_borders.count, 0) << c.mask;
        else
            EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(2), c.sides}})) << c.mask;
    }
}

TEST_F(Borders, SideBordersWidenTheGapOfATwoColumnBlock)
{
    tagColumnData data[kMostTextColumns] = {{800, 20}, {800, 0}};
    flow->SetColumns(0, Para(5) + 2, 2, data, 0);
    const long block = flow->GetCharColumn(Para(2));
    ASSERT_EQ((BYTE)flow->m_columns[block].count, 2);
    Box(Sides(RGB(1, 0, 0)), 2, 3, kExactSides + kBorderLeft + kBorderRight, 30);
    // Twice the side: distance 30, the line of style 1, 2 beside it.
    const long side = flow->GetBorderWidth(0, kBorderLeft);
    EXPECT_EQ(side, 30 + LineStyles[1].width + 2);
    EXPECT_EQ(flow->m_columns[block].cols[0].gap, 2 * side);
    EXPECT_EQ(flow->m_columns[block].cols[0].width + flow->m_columns[block].cols[1].width + 2 * side, 1620);
}

TEST_F(Borders, ARowMakesRoomForTheLinesThatBeginAndEndOnIt)
{
    const long before = flow->m_rows[flow->GetCharRow(Para(3))].y;
    Box(Sides(RGB(1, 0, 0)), 2, 2, kBorderBox, 5);
    const long top = flow->GetBorderWidth(0, kBorderTop), bottom = flow->GetBorderWidth(0, kBorderBottom);
    const long row2 = flow->GetCharRow(Para(2)), row3 = flow->GetCharRow(Para(3));
    // Both lines with 1 mm of space each: the widths plus 2 mm.
    EXPECT_EQ(flow->GetBorderForRow((int)row2) + flow->GetBorderForRow((int)row3), top + bottom + 20);
    EXPECT_EQ(flow->m_rows[row3].y, before + top + bottom + 20);
    EXPECT_EQ(flow->GetBorderForRow((int)flow->GetCharRow(Para(5))), 0);
}

TEST_F(Borders, AChangeOverDifferentlyBorderedParagraphsComesBackSideBySide)
{
    Box(Sides(RGB(1, 0, 0)), 1, 1, kExactSides + kBorderTop);
    Box(Sides(RGB(0, 1, 0), RGB(0, 2, 0), RGB(0, 3, 0), RGB(0, 4, 0)), 2, 2, kBorderBox, 7);
    Box(Sides(RGB(0, 0, 1)), 3, 3, kExactSides + kBorderLeft);
    // Each side its own style: redo must not swap them.
    const Sides four(RGB(9, 0, 1), RGB(9, 0, 2), RGB(9, 0, 3), RGB(9, 0, 4));
    EXPECT_EQ(Replays([&] { Box(four, 1, 3, kExactSides + kBorderBox); }), 1);
    ASSERT_EQ(flow->m_borders.count, 1);
    const GBorder& run = flow->m_borders[0];
    EXPECT_EQ(run.left.colour, RGB(9, 0, 1));
    EXPECT_EQ(run.right.colour, RGB(9, 0, 2));
    EXPECT_EQ(run.top.colour, RGB(9, 0, 3));
    EXPECT_EQ(run.bottom.colour, RGB(9, 0, 4));
}

TEST_F(Borders, SelectionQueriesFindTheRunUnderTheSelection)
{
    Box(Sides(RGB(1, 0, 0)), 2, 3, kExactSides + kBorderTop + kBorderLeft);
    flow->Select(Para(2) + 1, Para(2) + 1);
    flow->SetPos(Para(2) + 1);
    EXPECT_EQ(flow->GetBorderSel(), 0);
    EXPECT_EQ(flow->GetShadeSel(), -1);
    flow->SetPos(Para(5));
    EXPECT_EQ(flow->GetBorderSel(), -1);
}

class Shading : public Borders
{
protected:
    static CShadeStyle Shade(COLORREF back, long percent = 50)
    {
        CShadeStyle s;
        s.back = back;
        s.percent = percent;
        return s;
    }
    std::vector<std::pair<long, long>> Runs() const
    {
        std::vector<std::pair<long, long>> runs;
        for (LONG i = 0; i < flow->m_shades.count; ++i)
            runs.push_back({flow->m_shades[i].first, flow->m_shades[i].end});
        return runs;
    }
};

TEST_F(Shading, ARangeEndingAfterAParagraphMarkShadesOnlyItsParagraph)
{
    EXPECT_EQ(Replays([&] { flow->AddShade(Shade(RGB(1, 0, 0)), Para(1), Para(2), 1); }), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set Shade"));
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(1), Para(2)}}));
    // The same again changes and repaints nothing.
    flow->m_redraw.Reset(0, 0);
    const std::string once = FlowState(*flow);
    flow->AddShade(Shade(RGB(1, 0, 0)), Para(1), Para(2), 1);
    EXPECT_EQ(FlowState(*flow), once);
    EXPECT_FALSE(flow->m_redraw.IsDirty());
}

TEST_F(Shading, TheMiddleParagraphOfARunGetsItsOwnAndUndoJoinsThemAgain)
{
    flow->AddShade(Shade(RGB(1, 0, 0)), Para(1), Para(3) + 1, 1);
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(1), Para(4)}}));
    EXPECT_EQ(Replays([&] { flow->AddShade(Shade(RGB(0, 1, 0)), Para(2), Para(2) + 1, 1); }), 1);
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(1), Para(2)}, {Para(2), Para(3)}, {Para(3), Para(4)}}));
}

TEST_F(Shading, UndoTakesShadingOffOnlyTheParagraphsThatHadNone)
{
    flow->AddShade(Shade(RGB(1, 0, 0)), Para(1), Para(1) + 1, 1);
    // The new shading joins the equal run before it; undo leaves that run.
    EXPECT_EQ(Replays([&] { flow->AddShade(Shade(RGB(1, 0, 0)), Para(2), Para(3) + 1, 1); }), 1);
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(1), Para(4)}}));
    DocMakeUndo(&doc);
    EXPECT_EQ(Runs(), (std::vector<std::pair<long, long>>{{Para(1), Para(2)}}));
}

TEST(ShadingCells, EachShadingStyleHasItsCellPattern)
{
    const int expected[kShadingStyleCount] = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 7, 4, 3, 5, 6};
    for (int i = 0; i < kShadingStyleCount; ++i)
        EXPECT_EQ(CellPatternOfShadingStyle(i), expected[i]) << i;
    EXPECT_EQ(CellPatternOfShadingStyle(-1), kNoCellPattern);
    EXPECT_EQ(CellPatternOfShadingStyle(kShadingStyleCount), kNoCellPattern);
}

TEST_F(Borders, ColumnLayoutsReplayWithTheirName)
{
    tagColumnData data[kMostTextColumns] = {{800, 20}, {800, 0}};
    EXPECT_EQ(Replays([&] {
                  const long from = Para(2), to = Para(3) + 2;
                  GetDocUndoStack(&doc)->AddOperator(new CWOpFormatColumns(flow, from, to));
                  flow->SetColumns(from, to, 2, data, 0);
              }),
              1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Format Columns"));
}

} // namespace

namespace {

// Redo makes the change the first run made: a range that stops after a
// paragraph end stops before it again, and a range without characters
// changes what it changed, not its paragraph alone.
TEST_F(Borders, RedoChangesTheParagraphsTheChangeChanged)
{
    NewFlow("ab\r\rcd\ref");
    // The range stops after the empty paragraph's end.
    EXPECT_EQ(Replays([&] { flow->SetBorder(kBorderBox, Sides(RGB(1, 0, 0)).s, 10, 0, 4); }), 1);
    CShadeStyle shade;
    shade.percent = 50;
    EXPECT_EQ(Replays([&] { flow->AddShade(shade, 0, 4, 0); }), 1);
    // At a caret inside a run of three paragraphs the whole run changes.
    flow->SetBorder(kBorderBox, Sides(RGB(1, 0, 0)).s, 10, 0, 9);
    EXPECT_EQ(Replays([&] { flow->SetBorder(kExactSides + kBorderTop, Sides(RGB(0, 0, 1)).s, 10, 1, 1); }), 1);
}

// What border changes leave is what a fresh layout of the flow gives.
TEST_F(Borders, BorderChangesLeaveTheLayoutAFreshLayoutGives)
{
    NewFlow("first paragraph\rsecond\rthird one\rfourth\rfifth and last\rsixth\rseventh");
    const struct
    {
        long mask, from, to;
    } changes[] = {{kBorderBox, 16, 20},   {kBorderTop, 0, 3},      {kBorderBox, 23, 40},
                   {kBorderBottom, 5, 30}, {0, 16, 20},             {kExactSides + kBorderTop, 41, 60},
                   {kBorderBox, 0, 70},    {kExactSides, 30, 45}};
    for (const auto& c : changes)
    {
        flow->SetBorder(c.mask, Sides(RGB(1, 0, 0)).s, 10, c.from, c.to);
        const std::string edited = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        ASSERT_EQ(FlowState(*flow), edited) << c.mask << " " << c.from << ".." << c.to;
    }
    // And so does undoing them.
    while (DocMakeUndo(&doc))
    {
        const std::string undone = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        ASSERT_EQ(FlowState(*flow), undone) << "undo " << Stack()->GetUndoLen();
    }
    EXPECT_EQ(flow->m_borders.count, 0);
}

// Deleting text out of bordered paragraphs takes their border lines, and
// the space the lines took, with it: what is left lays out as fresh.
TEST_F(Borders, DeletionsAcrossBordersLeaveTheLayoutAFreshLayoutGives)
{
    // Rows that go before a box: the rows before them keep their places.
    NewFlow("aa\rbb\rcc\rdd\ree\rff\rgg");
    flow->SetBorder(kBorderBox, Sides(RGB(1, 0, 0)).s, 10, 15, 17);
    flow->DeleteText(9, 14, 1);
    const std::string closedUp = FlowState(*flow);
    flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
    ASSERT_EQ(FlowState(*flow), closedUp);

    NewFlow("first paragraph\rsecond\rthird one\rfourth\rfifth and last\rsixth\rseventh");
    flow->SetBorder(kBorderBox, Sides(RGB(1, 0, 0)).s, 10, 16, 20);
    flow->SetBorder(kBorderBox, Sides(RGB(0, 0, 1)).s, 10, 33, 45);
    const struct
    {
        long from, to;
    } deletions[] = {{10, 18}, {20, 30}, {3, 5}, {0, 12}};
    for (const auto& d : deletions)
    {
        flow->DeleteText(d.from, d.to, 1);
        const std::string edited = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        ASSERT_EQ(FlowState(*flow), edited) << d.from << ".." << d.to;
    }
    while (DocMakeUndo(&doc))
    {
        const std::string undone = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        ASSERT_EQ(FlowState(*flow), undone) << "undo " << Stack()->GetUndoLen();
    }
}

} // namespace
