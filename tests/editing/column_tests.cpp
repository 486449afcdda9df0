// Text columns set on whole paragraphs: how the column blocks split and
// join, how gaps make room for side borders, and the column break with its
// undo and redo.
#include "tests/editing/editing_test_support.h"
#include "editing/CWOpBreaks.h"
#include "controls/LineStyles.h"
#include "model/GPageInfo.h"

namespace {

struct Pair
{
    LONG width, gap;
};

class Columns : public EditingFixture
{
protected:
    // "one|two|three": the paragraphs start at 0, 4 and 8.
    void ThreeParagraphs() { Type(0, "one\rtwo\rthree"); }
    void Set(long from, long to, std::vector<Pair> pairs, int equal = 0)
    {
        for (int k = 0; k < kMostTextColumns; ++k)
            data[k] = k < (int)pairs.size() ? tagColumnData{pairs[k].width, pairs[k].gap} : tagColumnData{};
        flow->SetColumns(from, to, (int)pairs.size(), data, equal);
    }
    // First character and count of each block but the closing one.
    std::string Blocks()
    {
        std::string s;
        for (LONG b = 0; b + 1 < flow->m_columns.count; ++b)
            s += (b ? " " : "") + std::to_string(flow->m_columns[b].first) + ":" +
                 std::to_string((int)flow->m_columns[b].count);
        return s;
    }
    tagColumnData data[kMostTextColumns];
};

TEST_F(Columns, TwoColumnsOnTheMiddleParagraphGiveThreeBlocks)
{
    ThreeParagraphs();
    const GColumn outer = flow->m_columns[0];
    flow->Select(5, 6);
    Set(5, 6, {{800, 20}, {800, 20}});
    EXPECT_EQ(Blocks(), "0:1 4:2 8:1");
    const GColumn& middle = flow->m_columns[1];
    EXPECT_EQ(middle.cols[0].width, 800);
    EXPECT_EQ(middle.cols[0].gap, 20);
    EXPECT_EQ(middle.cols[1].gap, 0) << "the last used gap is always 0";
    EXPECT_EQ(middle.startRows[0], flow->GetCharRow(4));
    EXPECT_TRUE(flow->m_columns[2] == outer) << "the text after keeps the old layout";
    EXPECT_EQ(flow->m_columns[2].startRows[0], flow->GetCharRow(8));
    EXPECT_EQ(flow->m_nSelFirst, flow->m_nSelEnd) << "the selection collapses to its end";
    EXPECT_TRUE(doc.IsModified());

    // The same layout again changes no block.
    Set(4, 7, {{800, 20}, {800, 20}});
    EXPECT_EQ(Blocks(), "0:1 4:2 8:1");
}

TEST_F(Columns, OneColumnOverSeveralBlocksLeavesOneBlock)
{
    Type(0, "a\rb\rc\rd\re");   // paragraphs at 0, 2, 4, 6, 8
    Set(2, 3, {{700, 30}, {700, 0}});
    Set(4, 5, {{400, 30}, {400, 30}, {400, 0}});
    Set(6, 7, {{600, 40}, {600, 0}});
    ASSERT_EQ(Blocks(), "0:1 2:2 4:3 6:2 8:1");
    Set(2, 7, {{1500, 0}});
    EXPECT_EQ(Blocks(), "0:1 2:1 8:1");
    EXPECT_EQ(flow->m_columns[1].cols[0].width, 1500);
    EXPECT_EQ(flow->m_columns[1].startRows[0], flow->GetCharRow(2));
    EXPECT_EQ(flow->m_columns[2].startRows[0], flow->GetCharRow(8));

    // The last paragraph reaches the closing block: nothing follows it.
    Set(8, 9, {{500, 20}, {500, 0}});
    EXPECT_EQ(Blocks(), "0:1 2:1 8:2");
    EXPECT_EQ(flow->m_columns.Last().first, flow->m_chars.count - 1);
}

TEST_F(Columns, PositionsOutsideTheFlowAreClamped)
{
    ThreeParagraphs();
    Set(-10, 1000, {{700, 20}, {700, 0}});
    EXPECT_EQ(Blocks(), "0:2");
    Set(1000, 1000, {{500, 20}, {500, 0}});
    EXPECT_EQ(Blocks(), "0:2 8:2");
    Set(6, 1, {{400, 20}, {400, 20}, {400, 0}});
    EXPECT_EQ(Blocks(), "0:3 8:2") << "a range given backwards";
}

// Deleting from one paragraph into the next joins them in the layout of the
// first; the layout of the second goes on with the paragraph after, or goes
// when another layout begins there; undo gives the layouts back.
TEST_F(Columns, AJoinedParagraphKeepsTheLayoutOfTheFirst)
{
    struct Case
    {
        const char* what;
        long setFrom, setTo;
        const char* blocks;
        long from, to;
        const char* text;
        const char* joined;
    };
    // "aaa|bbb|ccc|ddd": paragraphs at 0, 4, 8 and 12.
    const Case cases[] = {
        {"a layout of the third alone goes", 8, 9, "0:1 8:2 12:1", 6, 10, "aaa|bbc|ddd", "0:1"},
        {"a layout over the third and fourth goes on with the fourth", 8, 15, "0:1 8:2", 6, 10, "aaa|bbc|ddd",
         "0:1 8:2"},
        {"from a paragraph start the joined paragraph takes the layout where the deletion ends", 8, 9,
         "0:1 8:2 12:1", 4, 10, "aaa|c|ddd", "0:1 4:2 6:1"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        Type(0, "aaa\rbbb\rccc\rddd");
        Set(c.setFrom, c.setTo, {{700, 30}, {700, 0}});
        ASSERT_EQ(Blocks(), c.blocks);
        while (Stack()->RemoveLast())
            ;
        const std::string before = FlowState(*flow);
        flow->DeleteText(c.from, c.to, 1);
        ASSERT_EQ(MarkedFlowText(*flow), c.text);
        EXPECT_EQ(Blocks(), c.joined);
        EXPECT_EQ(StructureFault(*flow), "");
        // Undo begins the layouts where they began.
        DocMakeUndo(&doc);
        EXPECT_EQ(Blocks(), c.blocks);
        EXPECT_EQ(FlowState(*flow), before);
    }
}

// Gaps against a border run over the middle paragraph: sides 3 are left and
// right, 4 the top only; with a distance of 28 a side of line style 0 takes
// 32 (distance, line 2 wide, 2), one of line style 1 takes 35 (line 5 wide).
TEST_F(Columns, GapsMakeRoomForSideBorders)
{
    struct Case
    {
        const char* what;
        std::vector<Pair> in;
        int equal;
        LONG sides;
        std::vector<Pair> out;
        LONG distance;
        LONG lineStyle = 0;
    };
    const Case cases[] = {
        {"the gap widens to twice the side, both columns pay half", {{800, 20}, {800, 0}}, 0, 3, {{778, 64}, {778, 0}}, 28},
        {"a gap already wide enough stays", {{800, 70}, {800, 0}}, 0, 3, {{800, 70}, {800, 0}}, 28},
        {"narrow columns shrink the border instead", {{60, 10}, {60, 0}}, 0, 3, {{50, 30}, {50, 0}}, 11},
        {"inner gaps rise to the border, the column before pays",
         {{500, 60}, {500, 20}, {500, 0}}, 0, 3, {{498, 64}, {456, 64}, {498, 0}}, 28},
        {"equal columns share the widened gap", {{800, 20}, {800, 0}}, 1, 3, {{778, 64}, {778, 0}}, 28},
        {"equal columns too narrow for the border shrink it",
         {{100, 10}, {100, 10}, {100, 0}}, 1, 3, {{100, 10}, {100, 10}, {100, 0}}, 1},
        {"a run with no side keeps its distance", {{800, 20}, {800, 0}}, 0, 4, {{800, 20}, {800, 0}}, 28},
        {"a style-1 side (5 wide) widens the gap to its real width",
         {{800, 20}, {800, 0}}, 0, 3, {{775, 70}, {775, 0}}, 28, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        ThreeParagraphs();
        GBorder run;
        run.first = 4;
        run.end = 8;
        run.sides = c.sides;
        run.distance = 28;
        run.left.lineStyle = run.right.lineStyle = run.top.lineStyle = c.lineStyle;
        flow->InsBorderItem(run, 0);
        Set(4, 5, c.in, c.equal);
        const GColumn& block = flow->m_columns[1];
        ASSERT_EQ(block.first, 4);
        for (size_t k = 0; k < c.out.size(); ++k)
        {
            EXPECT_EQ(data[k].width, c.out[k].width) << "caller's data, column " << k;
            EXPECT_EQ(data[k].gap, c.out[k].gap) << "caller's data, column " << k;
            EXPECT_EQ(block.cols[k].width, c.out[k].width) << "block, column " << k;
            EXPECT_EQ(block.cols[k].gap, c.out[k].gap) << "block, column " << k;
        }
        EXPECT_EQ(flow->m_borders[0].distance, c.distance);
    }
}

// Columns too narrow for the widest side border bring every run of the
// block to one side width, the narrower runs too: side 32 (distance 28)
// and side 9 (distance 5), lines of style 0, both become 15.
TEST_F(Columns, NarrowColumnsGiveEveryRunOfTheBlockOneSideWidth)
{
    ThreeParagraphs();
    GBorder wide;
    wide.first = 4;
    wide.end = 8;
    wide.sides = 3;
    wide.distance = 28;
    flow->InsBorderItem(wide, 0);
    GBorder narrow = wide;
    narrow.first = 8;
    narrow.end = 13;
    narrow.distance = 5;
    flow->InsBorderItem(narrow, 1);
    Set(4, 9, {{60, 10}, {60, 0}});
    ASSERT_EQ(flow->m_borders.count, 2);
    for (LONG i = 0; i < 2; ++i)
    {
        EXPECT_EQ(flow->GetBorderWidth((int)i, kBorderLeft), 15) << "run " << i;
        EXPECT_EQ(flow->m_borders[i].distance, 15 - LineStyles[0].width - 2) << "run " << i;
    }
}

// The column break as the view's command makes it, in a flow set in two
// columns: paragraph ends typed in front of and for the break, then the
// operation replays the rest. Undo takes the paragraph ends out again and
// sets the caret's paragraph in one column, so the text before the break
// may stay in one column after a redo; the text and the break itself come
// back exactly.
TEST_F(Columns, AColumnBreakComesAndGoesWithItsParagraphEnds)
{
    struct Case
    {
        const char* text;
        long pos;
        LONG flags;
        const char* broken;
        long breakAt;
    };
    const Case cases[] = {
        {"abc\rdef", 1, CWOpNewColumn::kParaEndBefore | CWOpNewColumn::kParaEndForms, "a||bc|def", 2},
        {"abc\rdef", 4, CWOpNewColumn::kParaEndForms, "abc||def", 4},
        {"abc\r\rdef", 4, 0, "abc||def", 4},
        {"abc\rdef", 3, CWOpNewColumn::kParaEndBefore, "abc||def", 4},
    };
    const LONG textWidth = CWDocument::PageSetupOf(&doc).GetTextWidth();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text + std::string(" at ") + std::to_string(c.pos));
        TearDown();
        SetUp();
        Type(0, c.text);
        Set(0, flow->m_chars.count, {{800, 40}, {800, 0}});
        ASSERT_EQ(Blocks(), "0:2");
        flow->SetPos(c.pos);
        const std::string textBefore = MarkedFlowText(*flow);

        CWOpNewColumn* op = new CWOpNewColumn(flow, c.pos, 26, c.flags);
        op->ActionRedo();
        ASSERT_TRUE(Stack()->AddOperator(op));
        EXPECT_EQ(Stack()->GetUndoName(0), CString("Insert Column Break"));
        EXPECT_EQ(MarkedFlowText(*flow), c.broken);
        const long breakBlock = flow->GetCharColumn(c.breakAt);
        EXPECT_EQ(flow->m_columns[breakBlock].first, c.breakAt);
        EXPECT_EQ(flow->m_columns[breakBlock].count, 1);
        EXPECT_EQ(flow->m_columns[breakBlock].cols[0].width, textWidth);
        EXPECT_EQ(flow->m_columns[breakBlock + 1].count, 2) << "the text after the break keeps its columns";
        const std::string after = ArrayState("chars", flow->m_chars) + ArrayState("paras", flow->m_paras) +
                                  ArrayState("formats", flow->m_formats);

        DocMakeUndo(&doc);
        EXPECT_EQ(MarkedFlowText(*flow), textBefore);
        const long caretBlock = flow->GetCharColumn(flow->m_nCaret);
        EXPECT_EQ(flow->m_columns[caretBlock].count, 1);
        EXPECT_EQ(flow->m_columns[caretBlock].cols[0].width, textWidth);
        const std::string undone = FlowState(*flow);
        DocMakeRedo(&doc);
        EXPECT_EQ(ArrayState("chars", flow->m_chars) + ArrayState("paras", flow->m_paras) +
                      ArrayState("formats", flow->m_formats),
                  after);
        EXPECT_EQ(flow->m_columns[flow->GetCharColumn(c.breakAt)].count, 1);
        DocMakeUndo(&doc);
        EXPECT_EQ(FlowState(*flow), undone) << "the position stays right over repeated undo and redo";
    }
}

} // namespace
