// Reflow after edits: only the edited paragraph's rows are broken again,
// paragraphs grow and shrink by rows, rows are placed below each other,
// very long paragraphs are laid out whole, and reflow waits while it is
// suspended.
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_fixture.h"
#include "tests/layout/reflow_test_support.h"
#include "tests/support/flow_inspection.h"
#include "document/CWDocument.h"

using namespace layout_test;

namespace {

class ReflowTest : public LayoutTest
{
protected:
    // A fresh flow of the same text gives the rows a full layout would.
    std::vector<long> FreshStarts(const std::vector<std::string>& texts)
    {
        GDoc other(NULL, kFirstContentFlow);
        other.m_columns[0].cols[0].width = flow.m_columns[0].cols[0].width;
        SetParagraphs(other, texts);
        return RowStarts(other);
    }
};

TEST_F(ReflowTest, AWholeLayoutBreaksEachParagraphAsRowBreakingDoes)
{
    const std::string text = Words(60);
    GDoc single(NULL, kFirstContentFlow);
    SetText(single, text);
    std::vector<long> expected = BreakParagraph(single);

    SetParagraphs(flow, {text, "short", text});
    ASSERT_EQ(2 * expected.size() + 2, (size_t)flow.m_rows.GetCount());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], flow.m_rows[(long)i].first);
    // The rows stand on each other, and the paragraphs start on their rows.
    for (long r = 1; r < flow.m_rows.GetCount(); ++r)
        EXPECT_EQ(flow.m_rows[r - 1].y + flow.m_rows[r - 1].height, flow.m_rows[r].y) << r;
    EXPECT_EQ((LONG)expected.size(), flow.m_paras[1].row);
    EXPECT_EQ((LONG)expected.size() + 1, flow.m_paras[2].row);
    EXPECT_EQ(flow.m_rows.GetCount() - 1, flow.m_paras.Last().row);
}

TEST_F(ReflowTest, TypingReBreaksOnlyTheRowsOfThatParagraph)
{
    // The middle paragraph's last row has room to spare.
    std::vector<std::string> texts = {Words(80, "alpha"), Words(70, "beta"), Words(80, "gamma")};
    SetParagraphs(flow, texts);
    const long firstRow = flow.m_paras[1].row, endRow = flow.m_paras[2].row;
    ASSERT_GE(endRow - firstRow, 3);
    const std::vector<long> topsBefore = RowTops(flow);

    // Two letters in a word of the paragraph's middle row.
    const long row = firstRow + 1;
    const long pos = flow.m_rows[row].first + 6;
    flow.m_redraw.Reset(0, 0);
    Type(flow, pos, "xy");
    flow.ReRowByPos(pos, pos + 2, GDoc::kUntilRowsStay);

    EXPECT_GE(flow.m_redraw.m_nFirstRow, firstRow);
    EXPECT_LE(flow.m_redraw.m_nEndRow, endRow);
    // At most: the row before (a word may move up), the typed row, the row
    // a pushed word went to, and the row below it, broken once more to
    // confirm that it stays.
    EXPECT_LE(flow.m_redraw.m_nEndRow - flow.m_redraw.m_nFirstRow, 4);
    // The rows came out as a full layout of the new text would make them.
    ASSERT_EQ(endRow, flow.m_paras[2].row);
    texts[1] = FlowText(flow, flow.m_rows[firstRow].first, flow.m_rows[endRow].first - 1);
    EXPECT_EQ(FreshStarts(texts), RowStarts(flow));
    EXPECT_EQ(topsBefore, RowTops(flow));
}

TEST_F(ReflowTest, AParagraphGrowsAndShrinksByRows)
{
    SetParagraphs(flow, {"one two three", "tail"});
    ASSERT_EQ(3, flow.m_rows.GetCount());
    const long rowHeight = flow.m_rows[0].height;
    const long tailTop = flow.m_rows[1].y;

    // Enough words at the end of the first paragraph for three more rows.
    const long end = flow.m_rows[1].first - 1;
    const std::string more = " " + Words(40);
    Type(flow, end, more);
    flow.ReRowByPos(end, end + (long)more.size(), GDoc::kUntilRowsStay);
    const long grown = flow.m_paras[1].row;
    ASSERT_GE(grown, 3);
    // The tail moved down by the heights of the new rows, which hold the
    // single zero-width mark.
    EXPECT_EQ(tailTop + (grown - 1) * rowHeight, flow.m_rows[grown].y);
    for (long r = 0; r < grown; ++r)
        EXPECT_EQ(1, flow.m_rows[r].holes->GetCount());
    EXPECT_EQ(FreshStarts({FlowText(flow, 0, flow.m_rows[grown].first - 1), "tail"}), RowStarts(flow));

    // Deleting the words again leaves one row: the first took the rest.
    flow.DelCharItem(end, end + (long)more.size());
    flow.ReRowByPos(end, end + 1, GDoc::kUntilRowsStay);
    EXPECT_EQ(3, flow.m_rows.GetCount());
    EXPECT_EQ(1, flow.m_paras[1].row);
    EXPECT_EQ(tailTop, flow.m_rows[1].y);
    EXPECT_EQ("tail", FlowText(flow, flow.m_rows[1].first, flow.m_rows[1].first + 4));
}

TEST_F(ReflowTest, AShortenedWordMovesBackUpToTheRowBefore)
{
    SetParagraphs(flow, {Words(40, "alpha")});
    const long second = flow.m_rows[1].first;
    // Cutting most of the row before makes room for the second row's first
    // word.
    const long cutFrom = 6, cutTo = second - 7;
    flow.DelCharItem(cutFrom, cutTo);
    flow.ReRowByPos(cutFrom, cutFrom + 1, GDoc::kUntilRowsStay);
    EXPECT_EQ(FreshStarts({FlowText(flow)}), RowStarts(flow));
}

TEST_F(ReflowTest, ParagraphSpacingSeparatesParagraphs)
{
    style.m_Before = Gint(30);
    style.m_After = Gint(20);
    SetParagraphs(flow, {"a", "b", "c"});
    const long h = flow.m_rows[0].height;
    EXPECT_EQ(0, flow.m_rows[0].y);
    EXPECT_EQ(h + 30 + 20, flow.m_rows[1].y);
    EXPECT_EQ(2 * (h + 30 + 20), flow.m_rows[2].y);
}

TEST_F(ReflowTest, AParagraphOfMoreThanFiveThousandRowsIsLaidOutWhole)
{
    GDoc probe(NULL, kFirstContentFlow);
    SetText(probe, "ab ab");
    // One word to a row.
    flow.m_columns[0].cols[0].width = (LONG)Width(probe, 0, 3);
    const int words = 5200;
    SetParagraphs(flow, {Words(words, "ab"), "end"});
    EXPECT_EQ(words, flow.m_paras[1].row);
    EXPECT_EQ(flow.m_chars.GetCount() - 6, flow.m_rows[words].first);
    EXPECT_EQ(flow.m_rows[words - 1].y + flow.m_rows[words - 1].height, flow.m_rows[words].y);

    // A word typed at its start moves every row's end, down to the last.
    Type(flow, 0, "ab ");
    flow.ReRowByPos(0, 3, GDoc::kUntilRowsStay);
    EXPECT_EQ(words + 1, flow.m_paras[1].row);
    EXPECT_EQ(flow.m_chars.GetCount() - 6, flow.m_rows[words + 1].first);
    EXPECT_EQ(flow.m_chars.GetCount() - 9, flow.m_rows[words].first);
}

TEST_F(ReflowTest, NothingIsReBrokenWhileReflowIsSuspended)
{
    CWDocument doc;
    GDoc owned(&doc, kFirstContentFlow);
    SetParagraphs(owned, {"one two"});
    const std::vector<long> before = RowStarts(owned);
    doc.ReRows(0);
    const std::string more = " " + Words(60);
    Type(owned, 7, more);
    owned.ReRowByPos(7, 7 + (long)more.size(), GDoc::kUntilRowsStay);
    EXPECT_EQ(2, owned.m_rows.GetCount());
    doc.ReRows(1);
    owned.ReRowByPos(7, 7 + (long)more.size(), GDoc::kUntilRowsStay);
    EXPECT_GT(owned.m_rows.GetCount(), 2);
}

} // namespace
