// Text columns and pages: balancing a block's rows into its columns,
// joining equal blocks, page breaks and overflowing pages that add page
// frames to the body, and the page areas and border allowances.
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_fixture.h"
#include "tests/layout/reflow_test_support.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GPageInfo.h"

using namespace layout_test;

namespace {

class ColumnTest : public LayoutTest
{
protected:
    static std::vector<std::string> Lines(int n)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < n; ++i)
            texts.push_back("line " + std::to_string(i));
        return texts;
    }

    static void SetColumns(GDoc& f, long block, int count)
    {
        tagColumnData data[kMostTextColumns];
        for (int i = 0; i < count; ++i)
        {
            data[i].width = 700;
            data[i].gap = 50;
        }
        GColumn c(f.m_columns[block].first, (signed char)count, data, f.m_columns[block].startRows[0]);
        f.m_columns[block] = c;
    }
};

TEST_F(ColumnTest, RowsAreBalancedIntoTheColumnsOfABlock)
{
    struct Case
    {
        int rows, columns;
        std::vector<long> starts;
    } cases[] = {
        {10, 2, {0, 5}},
        {11, 2, {0, 6}},
        {10, 1, {0}},
        {9, 3, {0, 3, 6}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.rows << " rows in " << c.columns);
        GDoc f(NULL, kFirstContentFlow);
        SetParagraphs(f, Lines(c.rows));
        SetColumns(f, 0, c.columns);
        f.ReColumn(0);
        const GColumn& block = f.m_columns[0];
        for (size_t k = 0; k < c.starts.size(); ++k)
            EXPECT_EQ(c.starts[k], block.startRows[k]);
        for (size_t k = c.starts.size(); k < kMostTextColumns; ++k)
            EXPECT_EQ(-1, block.startRows[k]);
        // The block after starts below the tallest column.
        const long rowHeight = f.m_rows[0].height;
        const long tallest = (c.starts.size() > 1 ? c.starts[1] : c.rows) * rowHeight;
        EXPECT_EQ(block.position + tallest, f.m_columns[1].position);
        EXPECT_EQ(f.m_columns.Last().position, f.m_nClosingColumnPos);
    }
}

TEST_F(ColumnTest, AParagraphThatGrowsMovesRowsIntoTheNextColumn)
{
    SetParagraphs(flow, Lines(10));
    SetColumns(flow, 0, 2);
    flow.ReColumn(0);
    ASSERT_EQ(5, flow.m_columns[0].startRows[1]);

    // The first paragraph grows by rows: the second column starts later.
    const long end = flow.m_rows[1].first - 1;
    const std::string more = " " + Words(30);
    Type(flow, end, more);
    flow.ReRowByPos(end, end + (long)more.size(), GDoc::kUntilRowsStay);
    const long rows = flow.m_rows.GetCount() - 1;
    ASSERT_GT(rows, 10);
    EXPECT_EQ((rows + 1) / 2, flow.m_columns[0].startRows[1]);

    // And shrinks back.
    flow.DelCharItem(end, end + (long)more.size());
    flow.ReRowByPos(end, end + 1, GDoc::kUntilRowsStay);
    EXPECT_EQ(10, flow.m_rows.GetCount() - 1);
    EXPECT_EQ(5, flow.m_columns[0].startRows[1]);
}

TEST_F(ColumnTest, EqualBlocksJoinUnlessAPageBreakSeparatesThem)
{
    for (bool pageBreak : {false, true})
    {
        SCOPED_TRACE(pageBreak);
        GDoc f(NULL, kFirstContentFlow);
        std::vector<std::string> texts = Lines(4);
        if (pageBreak)
            texts[1] += '\f';
        SetParagraphs(f, texts);
        GColumn second = f.m_columns[0];
        second.first = f.m_rows[2].first;
        for (LONG& r : second.startRows)
            r = -1;
        second.startRows[0] = 2;
        f.m_columns.AddAt(second, 1);
        f.m_pages.Last().block = 2;
        f.ReColumn(1);
        EXPECT_EQ(pageBreak ? 3 : 2, f.m_columns.GetCount());
        EXPECT_EQ(pageBreak ? 3 : 2, f.m_pages.GetCount());
        EXPECT_EQ(f.m_columns.GetCount() - 1, f.m_pages.Last().block);
    }
}

class PageTest : public ColumnTest
{
protected:
    CWDocument doc;
    GDoc* body = NULL;

    void SetUp() override
    {
        ColumnTest::SetUp();
        doc.CreateFrames();
        body = doc.m_flows[kBodyFlow];
    }
};

TEST_F(PageTest, APageBreakMakesANewPageFrame)
{
    ASSERT_EQ(1, body->m_pFirstFrame->GetCols());
    std::vector<std::string> texts = {"first page\f", "second page"};
    SetParagraphs(*body, texts);
    GColumn second = body->m_columns[0];
    second.first = body->m_rows[1].first;
    for (LONG& r : second.startRows)
        r = -1;
    second.startRows[0] = 1;
    body->m_columns.AddAt(second, 1);
    body->m_pages.Last().block = 2;
    body->ReColumn(0);
    EXPECT_EQ(3, body->m_pages.GetCount());
    EXPECT_EQ(1, body->m_pages[1].block);
    EXPECT_EQ(2, body->m_pFirstFrame->GetCols());
    EXPECT_EQ(1, body->GetRowPage(1));
}

TEST_F(PageTest, RowsThatOverflowAPageGoOnNewPagesWithTheirOwnFrames)
{
    SetParagraphs(*body, Lines(200));
    const long pages = body->m_pages.GetCount() - 1;
    ASSERT_GE(pages, 3);
    EXPECT_EQ(pages, body->m_pFirstFrame->GetCols());
    // Every page holds what fits on it, and the next row would not have.
    const long room = body->m_pFirstFrame->GetMaxHeight();
    for (long p = 0; p < pages; ++p)
    {
        const long first = body->GetPageRow(p);
        const long end = p + 1 < pages ? body->GetPageRow(p + 1) : body->m_rows.GetCount() - 1;
        EXPECT_LE(body->RowHi(first, end), room + 10) << p;
        if (p + 1 < pages)
        {
            EXPECT_GT(body->RowHi(first, end + 1), room + 10) << p;
        }
    }
    // Each page shows the body through its own frame.
    for (long p = 0; p < pages; ++p)
        EXPECT_EQ(body->m_pFirstFrame->GetFrameByCol(p)->GetPage(), p);
}

// Rows asked for in order, with the cache drawing passes along, and in
// reverse, which starts again from the chain's first frame: each row gets
// its page's frame and that page's first row as the text's start.
TEST_F(PageTest, EachRowFindsTheFrameOfItsPageWithOrWithoutTheCache)
{
    SetParagraphs(*body, Lines(200));
    const long rows = body->m_rows.GetCount() - 1;
    ASSERT_GE(body->m_pages.GetCount() - 1, 3);
    auto check = [&](long row, SLastFrameParams* cache) {
        const long page = body->GetRowPage(row);
        long offset = -1;
        CFrame* frame = body->m_pFirstFrame->GetFrameByRow(row, &offset, cache);
        EXPECT_EQ(frame, body->m_pFirstFrame->GetFrameByCol(page)) << row;
        EXPECT_EQ(offset, body->m_rows[body->GetPageRow(page)].y) << row;
    };
    SLastFrameParams forward;
    for (long row = 0; row < rows; ++row)
        check(row, &forward);
    SLastFrameParams backward;
    for (long row = rows - 1; row >= 0; --row)
        check(row, &backward);
    for (long row = 0; row < rows; row += 7)
        check(row, NULL);
}

// A frame at the top of a page that text does not flow around pushes the
// page's first row below it; placing the rows again must not push again.
TEST_F(PageTest, PlacingRowsTwiceUnderAFrameGivesWhatPlacingThemOnceGives)
{
    SetParagraphs(*body, Lines(200));
    ASSERT_GE(body->m_pages.GetCount() - 1, 2);
    const long r = body->GetPageRow(1);
    CFrame* frame = new CFrame(&doc, body, NULL, 0, 0, 500, 300, 0, 0, kHFromPage, kVPageTop, kSizeFixedHeight,
                               kSizeFixedWidth, 0, 0, 0);
    frame->vAnchor = 1;   // on the second page
    body->m_frames.Add(frame);
    frame->y = (LONG)(body->m_rows[r].y - frame->GetVPos());   // its top on the row's top
    ASSERT_EQ(frame->GetVPos(), body->m_rows[r].y);

    body->PlaceRows(r, body->m_rows[r].y, 0, -1);
    const GRow once = body->m_rows[r];
    const long nextY = body->m_rows[r + 1].y;
    EXPECT_GT(once.gapAfter, 0);   // pushed below the frame
    EXPECT_GE(nextY, frame->GetVPos() + 300);
    body->PlaceRows(r, body->m_rows[r].y, 0, -1);
    EXPECT_EQ(body->m_rows[r].ascent, once.ascent);
    EXPECT_EQ(body->m_rows[r].gapAfter, once.gapAfter);
    EXPECT_EQ(body->m_rows[r + 1].y, nextY);

    // Re-breaking the row starts from its text again and is pushed once.
    body->ReRowByRow(r, r + 1, GDoc::kReRowEdit, GDoc::kUntilRowsStay);
    EXPECT_EQ(body->m_rows[r].ascent, once.ascent);
    EXPECT_EQ(body->m_rows[r + 1].y, nextY);
}

TEST_F(PageTest, PageAreasAndBorderAllowances)
{
    SetParagraphs(*body, Lines(3));
    const GPageInfo& info = *doc.GetCurPageInfo();
    CRect page = body->GetAreaByPage(0, 0, 0);
    CRect margin = body->GetAreaByMargin(0, 0, 0);
    EXPECT_EQ(page.left - info.textLeft, margin.left);
    EXPECT_EQ(page.top - info.textTop, margin.top);
    EXPECT_EQ(page.Width(), margin.Width());
    // No frame for a second page: empty.
    EXPECT_TRUE(body->GetAreaByPage(0, 0, 1) == CRect(0, 0, 0, 0));

    CRect rect(100, 100, 200, 200);
    body->GetMaxBorderRect(rect);
    body->GetPageBorderRect(rect, 0);
    EXPECT_TRUE(rect == CRect(100, 100, 200, 200));
    EXPECT_EQ(0, body->GetPageTextOffset(0));

    // A boxed first paragraph: its distance and line (style 0, 2 wide) on
    // every side that it has.
    GBorder run;
    run.first = 0;
    run.end = body->m_rows[1].first;
    run.distance = 40;
    run.sides = kBorderTop | kBorderLeft;
    body->m_borders.Add(run);
    body->GetMaxBorderRect(rect);
    EXPECT_TRUE(rect == CRect(58, 58, 200, 200));
    EXPECT_EQ(42, body->GetPageTextOffset(0));
}

} // namespace
