// The other operation kinds: a page break and its undo, the names of the
// operations, and an inserted text replayed by redo.
#include "tests/editing/editing_test_support.h"
#include "editing/CWOpBreaks.h"
#include "editing/CWOpText.h"
#include "editing/CWOpFrames.h"
#include "layout/CFrame.h"

namespace {

class Operations : public EditingFixture
{
};

TEST_F(Operations, APageBreakComesAndGoesAsAPair)
{
    Type(0, "first second");
    flow->SetPos(5);
    std::string before = FlowState(*flow);
    CWOpNewPage* op = new CWOpNewPage(flow, 5);
    op->ActionRedo();   // the view's command makes the break this way
    ASSERT_TRUE(Stack()->AddOperator(op));
    EXPECT_EQ(MarkedFlowText(*flow), "first|# second");
    EXPECT_EQ(flow->m_nCaret, 7);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Insert Page Break"));
    std::string after = FlowState(*flow);
    DocMakeUndo(&doc);
    EXPECT_EQ(MarkedFlowText(*flow), "first second");
    EXPECT_EQ(FlowState(*flow), before);
    DocMakeRedo(&doc);
    EXPECT_EQ(MarkedFlowText(*flow), "first|# second");
    EXPECT_EQ(FlowState(*flow), after);
}

TEST_F(Operations, NamesShowAPreviewOfTheirText)
{
    struct Case
    {
        const char* text;
        const char* name;
    };
    const Case cases[] = {
        {"abcdefghijkl", "Delete Text - 'abcdefghij...'"},
        {"abcdefghij", "Delete Text - 'abcdefghij...'"},
        {"abc", "Delete Text - 'abc'"},
        {"ab\rc\t", "Delete Text - 'ab c '"},
        {"\xe9t\xe9", "Delete Text - ' t '"},
        {"", "Delete Text"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameWithPreview("Delete Text", c.text), CString(c.name)) << c.text;
    CWOpSetPos setPos(flow, 1, 0);
    EXPECT_EQ(setPos.GetName(), CString("Set position"));
    CString added("x"), old("y");
    CWOpReplaceText replace(flow, 0, &added, &old);
    EXPECT_EQ(replace.GetName(), CString("Replace text"));
}

TEST_F(Operations, CaretMovesReplay)
{
    Type(0, "abcdef");
    flow->SetPos(1);
    CWOpSetPos op(flow, 4, 1);
    op.ActionRedo();
    EXPECT_EQ(flow->m_nCaret, 4);
    op.ActionUndo();
    EXPECT_EQ(flow->m_nCaret, 1);
}

TEST(FrameOperations, AFrameComesBackAsTheSameObject)
{
    CWDocument doc;
    doc.CreateFrames();
    GDoc* body = doc.m_flows[kBodyFlow];
    LONG flows = doc.m_flows.count;
    GDoc* content = new GDoc(&doc, flows);
    CFrame* frame = new CFrame(&doc, body, content, 100, 100, 600, 400, 0, 0, 0, 0, 0, 0, 20, 20, 1);
    CWOpFrame* op = new CWOpFrame(body, frame, 1);
    op->Insert();
    ASSERT_TRUE(GetDocUndoStack(&doc)->AddOperator(op));
    EXPECT_EQ(GetDocUndoStack(&doc)->GetUndoName(0), CString("Insert Frame/Callout"));
    ASSERT_EQ(body->m_frames.count, 1);
    ASSERT_EQ(doc.m_flows.count, flows + 1);

    DocMakeUndo(&doc);
    EXPECT_EQ(body->m_frames.count, 0);
    EXPECT_EQ(doc.m_flows.count, flows);
    EXPECT_EQ(frame->alive, 1);   // still allocated, ready to return

    DocMakeRedo(&doc);
    ASSERT_EQ(body->m_frames.count, 1);
    EXPECT_EQ(body->m_frames[0], frame);
    EXPECT_EQ(doc.m_flows[flows], content);
    EXPECT_EQ(content->m_nIndex, flows);

    const LONG y0 = frame->y, x0 = frame->x;
    CWOpMoveResizeFrame* move = new CWOpMoveResizeFrame(frame, &doc, -50, -30, 100, 80, 0);   // offsets back, sizes forward
    frame->y += 50;
    frame->x += 30;
    frame->height += 100;
    frame->width += 80;
    ASSERT_TRUE(GetDocUndoStack(&doc)->AddOperator(move));
    DocMakeUndo(&doc);
    EXPECT_EQ(frame->y, y0);
    EXPECT_EQ(frame->x, x0);
    EXPECT_EQ(frame->width, 600);
    EXPECT_EQ(frame->height, 400);
    DocMakeRedo(&doc);
    EXPECT_EQ(frame->width, 680);
    EXPECT_EQ(frame->height, 500);
    EXPECT_EQ(frame->y, y0 + 50);
    ReleaseDocEditing(&doc);
}

} // namespace
