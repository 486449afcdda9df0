// A new text flow: its characters and records for the body and the other
// flows, row heights from measuring, the text width taken from the page
// set-up, ownership through the document's flow list, and the saved caret.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GDoc.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include <string>
#include <vector>

namespace {

class FlowTest : public testing::Test
{
protected:
    CWDocument doc;
};

std::vector<int> Chars(const GDoc& f)
{
    std::vector<int> out;
    for (LONG i = 0; i < f.m_chars.count; ++i)
        out.push_back(f.m_chars[i]);
    return out;
}

TEST_F(FlowTest, NewFlowsHoldTheClosingTextAndOneOfEachRecord)
{
    struct Case
    {
        long index;
        LONG main;
        Mint firstParaStyle;
    } cases[] = {
        {0, 1, Mint(0, 1)},     // the body: master style 0
        {1, 0, Mint(7, 0)},     // a header: paragraph style 7
        {6, 0, Mint(7, 0)},
        {7, 0, Mint(7, 0)},     // a frame's text
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "flow " << c.index);
        GDoc f(&doc, c.index);
        EXPECT_EQ(f.m_pOwner, &doc);
        EXPECT_EQ(f.m_nIndex, c.index);
        EXPECT_EQ(f.m_bMain, c.main);
        EXPECT_EQ(Chars(f), (std::vector<int>{13, 12, 0}));

        ASSERT_EQ(f.m_formats.count, 2);
        EXPECT_EQ(f.m_formats[0].pos, 0);
        EXPECT_EQ(f.m_formats[0].style, Mint(0, 1));
        EXPECT_EQ(f.m_formats[1].pos, 2);
        EXPECT_EQ(f.m_formats[1].style, Mint(kNoStyle, 0));

        ASSERT_EQ(f.m_paras.count, 2);
        EXPECT_EQ(f.m_paras[0].row, 0);
        EXPECT_EQ(f.m_paras[0].style, c.firstParaStyle);
        EXPECT_EQ(f.m_paras[1].row, 1);
        EXPECT_EQ(f.m_paras[1].style, Mint(kNoStyle, 0));

        ASSERT_EQ(f.m_pages.count, 2);
        EXPECT_EQ(f.m_pages[0].block, 0);
        EXPECT_EQ(f.m_pages[1].block, 1);

        EXPECT_EQ(f.m_tabs.count, 0);
        EXPECT_EQ(f.m_fields.count, 0);
        EXPECT_EQ(f.m_borders.count, 0);
        EXPECT_EQ(f.m_shades.count, 0);
        EXPECT_EQ(f.m_frames.count, 0);
        EXPECT_EQ(f.m_pFirstFrame, nullptr);
        EXPECT_EQ(f.m_bDeletable, 1);
        EXPECT_EQ(f.m_bInsertingPara, 0);
        EXPECT_EQ(f.m_nCaret, 0);
        EXPECT_EQ(f.m_nSelFirst, 0);
        EXPECT_EQ(f.m_nSelEnd, 0);
        EXPECT_EQ(f.m_nPasteCount, 0);
        EXPECT_EQ(f.m_nPasteSpaces, 0);
        EXPECT_EQ(f.m_redraw.m_nIndex, c.index);
        EXPECT_EQ(f.m_redraw.m_pDoc, &f);
        EXPECT_EQ(f.m_redraw.IsDirty(), 0);
    }
}

TEST_F(FlowTest, ArraysStartEmptyWithTheirGrowSteps)
{
    GDoc f(&doc, 0);
    EXPECT_EQ(f.m_chars.grow, 256);
    EXPECT_EQ(f.m_chars.capacity, 256);
    EXPECT_EQ(f.m_rows.grow, 128);
    EXPECT_EQ(f.m_tabs.grow, 32);
    EXPECT_EQ(f.m_tabs.capacity, 0);
    EXPECT_EQ(f.m_fields.grow, 32);
    EXPECT_EQ(f.m_formats.grow, 32);
    EXPECT_EQ(f.m_paras.grow, 32);
    EXPECT_EQ(f.m_borders.grow, 32);
    EXPECT_EQ(f.m_shades.grow, 32);
    EXPECT_EQ(f.m_columns.grow, 32);
    EXPECT_EQ(f.m_pages.grow, 32);
    EXPECT_EQ(f.m_frames.grow, 32);
}

TEST_F(FlowTest, RowsHaveTheirHoleMarkAndTheMeasuredHeight)
{
    GDoc f(&doc, 0);
    ASSERT_EQ(f.m_rows.count, 2);
    int ascent = 0;
    CSize blank = f.CalcTextSizeSimple(0, 1, 1, ascent);
    EXPECT_GT(blank.cy, 0);
    EXPECT_GT(ascent, 0);
    EXPECT_LE(ascent, blank.cy);
    const LONG firsts[] = {0, 2};
    const LONG ys[] = {0, blank.cy};
    for (int r = 0; r < 2; ++r)
    {
        SCOPED_TRACE(testing::Message() << "row " << r);
        const GRow& row = f.m_rows[r];
        EXPECT_EQ(row.first, firsts[r]);
        EXPECT_EQ(row.y, ys[r]);
        EXPECT_EQ(row.ascent, ascent);
        EXPECT_EQ(row.height, blank.cy);
        EXPECT_EQ(row.gapAfter, 0);
        EXPECT_EQ(row.reserved, 0);
        ASSERT_NE(row.holes, nullptr);
        ASSERT_EQ(row.holes->count, 1);
        EXPECT_EQ(row.holes->capacity, 1);
        EXPECT_EQ(row.holes->grow, 1);
        const CHole& mark = (*row.holes)[0];
        EXPECT_EQ(mark.x, 0);
        EXPECT_EQ(mark.width, 0);
        EXPECT_EQ(mark.resume, -1);
        EXPECT_EQ(mark.dxWidths, nullptr);
    }
    EXPECT_NE(f.m_rows[0].holes, f.m_rows[1].holes);
}

TEST_F(FlowTest, ColumnBlocksSpanTheTextWidthAndClose)
{
    GPageInfo* page = doc.GetCurPageInfo();
    ASSERT_NE(page, nullptr);
    page->textLeft = 300;
    page->textRight = 1800;
    GDoc f(&doc, 0);
    ASSERT_EQ(f.m_columns.count, 2);
    const GColumn& block = f.m_columns[0];
    EXPECT_EQ(block.first, 0);
    EXPECT_EQ(block.count, 1);
    EXPECT_EQ(block.cols[0].width, 1500);
    EXPECT_EQ(block.cols[0].gap, 0);
    EXPECT_EQ(block.flags[0], 1);
    EXPECT_EQ(block.flags[1], 1);
    EXPECT_EQ(block.startRows[0], 0);
    for (int k = 1; k < kMostTextColumns; ++k)
        EXPECT_EQ(block.startRows[k], -1);
    EXPECT_EQ(block.position, 0);

    const GColumn& closing = f.m_columns[1];
    EXPECT_EQ(closing.first, 2);
    EXPECT_EQ((BYTE)closing.count, 255);
    EXPECT_EQ(closing.startRows[0], 1);
    EXPECT_EQ(closing.position, 50);
    EXPECT_EQ(f.m_nClosingColumnPos, 50);
}

TEST_F(FlowTest, MeasuringDropsClosingCodesAndTrailingBlanksUnlessKept)
{
    // The characters go in without runs, so the blank past the first run
    // measures in the fallback face of measuring: the default face here.
    const CWOptions saved = Options;
    lstrcpyA(Options.FontName, "Times New Roman");
    CWDocument timesDoc;
    Options = saved;
    GDoc f(&timesDoc, 0);
    const char typed[] = "Ab  ";
    f.m_chars.InsertAt(0, (const GChar*)typed, 4);   // "Ab  " 13 12 0
    int ascent = 0;
    CSize word = f.CalcTextSizeSimple(0, 2, 0, ascent);
    CSize dropped = f.CalcTextSizeSimple(0, 6, 0, ascent);
    CSize kept = f.CalcTextSizeSimple(0, 6, 1, ascent);
    CSize empty = f.CalcTextSizeSimple(3, 3, 1, ascent);
    EXPECT_GT(word.cx, 0);
    EXPECT_EQ(dropped.cx, word.cx);
    EXPECT_GT(kept.cx, word.cx);
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(empty.cy, f.m_rows[0].height);
    EXPECT_GT(word.cy, 0);
}

TEST_F(FlowTest, SavedPositionComesBack)
{
    GDoc f(&doc, 0);
    f.m_nCaret = 4;
    f.m_nSelFirst = 2;
    f.m_nSelEnd = 6;
    f.SavePosition();
    f.m_nCaret = f.m_nSelFirst = f.m_nSelEnd = 0;
    f.LoadPosition();
    EXPECT_EQ(f.m_nCaret, 4);
    EXPECT_EQ(f.m_nSelFirst, 2);
    EXPECT_EQ(f.m_nSelEnd, 6);
    f.Debug(1);
}

TEST_F(FlowTest, AFlowThatIsNotDeletableOutlivesItsRemovalFromTheFlowList)
{
    GDoc* kept = new GDoc(&doc, 7);
    GDoc* dropped = new GDoc(&doc, 8);
    doc.m_flows.Add(kept);
    doc.m_flows.Add(dropped);
    kept->m_bDeletable = 0;
    doc.m_flows.Destroy(0, 2);
    EXPECT_EQ(doc.m_flows.count, 0);
    // Still whole: the flow can be handed to another owner.
    EXPECT_EQ(Chars(*kept), (std::vector<int>{13, 12, 0}));
    kept->Destroy();
    EXPECT_EQ(kept->m_rows.count, 2);
    kept->m_bDeletable = 1;
    doc.m_flows.Add(kept);   // the document deletes it with itself
}

TEST(FlowDocumentTest, DocumentStartsWithOnePageSetUp)
{
    CWDocument doc;
    EXPECT_EQ(doc.m_pageInfos.count, 1);
    EXPECT_EQ(doc.GetCurPageInfo(), &doc.m_pageInfos[0]);
    EXPECT_EQ(doc.GetCurPageInfo()->GetTextWidth(), 2100 - 2 * 254);
    EXPECT_EQ(doc.m_flows.count, 0);
    EXPECT_EQ(doc.m_nViewNotify, 0);
    EXPECT_EQ(doc.m_nReRows, 0);
    EXPECT_FALSE(doc.IsModified());
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
