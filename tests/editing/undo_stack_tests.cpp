// The undo ring and grouped steps: ownership of recorded operations,
// wrapping, resizing with the setting, refusing while replaying, recovering
// from a throwing operation, and groups that name, remove and nest.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "editing/CWUndoRedoStack.h"
#include "editing/CWOpBigUndo.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "app/CWOptions.h"
#include <string>
#include <vector>

namespace {

// An operation that logs its actions and its deletion.
struct Log
{
    std::vector<std::string> events;
    int deleted = 0;
};

class TestOp : public CWOperationItem
{
public:
    TestOp(Log& log, const char* name, CWUndoRedoStack* recordInto = NULL)
        : m_log(log), m_name(name), m_recordInto(recordInto) {}
    ~TestOp() override { ++m_log.deleted; }
    BOOL ActionUndo() override { return Act("undo "); }
    BOOL ActionRedo() override { return Act("redo "); }
    BOOL Merge(CWOperationItem*) override { return FALSE; }
    CString GetName() override { return m_name.c_str(); }

    bool throwNext = false;
    BOOL nestedAccepted = -1;

private:
    BOOL Act(const char* what)
    {
        if (throwNext)
        {
            throwNext = false;
            throw 7;
        }
        m_log.events.push_back(what + m_name);
        // An editing call made while replaying tries to record again.
        if (m_recordInto)
        {
            TestOp* again = new TestOp(m_log, "nested");
            nestedAccepted = m_recordInto->AddOperator(again);
            if (!nestedAccepted)
                delete again;
        }
        return TRUE;
    }
    Log& m_log;
    std::string m_name;
    CWUndoRedoStack* m_recordInto;
};

class UndoStack : public ::testing::Test
{
protected:
    void SetUp() override { saved = Options.UndoSteps; }
    void TearDown() override { Options.UndoSteps = saved; }
    // Names from the next undo back to the oldest.
    std::vector<std::string> UndoNames(CWUndoRedoStack& s)
    {
        std::vector<std::string> names;
        for (long i = 0; i < s.GetUndoLen(); ++i)
            names.push_back((const char*)s.GetUndoName(i));
        return names;
    }
    LONG saved = 0;
    Log log;
};

typedef std::vector<std::string> Names;

TEST_F(UndoStack, CapacityZeroRecordsNothing)
{
    Options.UndoSteps = 0;
    CWUndoRedoStack s;
    TestOp* op = new TestOp(log, "a");
    EXPECT_FALSE(s.AddOperator(op));
    delete op;
    EXPECT_FALSE(s.CanUndo());
    EXPECT_TRUE(UndoText.IsEmpty());
    EXPECT_FALSE(s.Undo());
}

TEST_F(UndoStack, FullRingDropsAndFreesTheOldest)
{
    Options.UndoSteps = 3;
    {
        CWUndoRedoStack s;
        for (const char* n : {"a", "b", "c", "d"})
            ASSERT_TRUE(s.AddOperator(new TestOp(log, n)));
        EXPECT_EQ(log.deleted, 1);
        EXPECT_EQ(s.GetUndoLen(), 3);
        EXPECT_EQ(UndoNames(s), (Names{"d", "c", "b"}));
        EXPECT_TRUE(s.CanUndo());
        EXPECT_STREQ((const char*)UndoText, "d");
    }
    EXPECT_EQ(log.deleted, 4);   // the stack frees what it holds
}

TEST_F(UndoStack, UndoRedoAndANewRecordingDropsTheRedos)
{
    Options.UndoSteps = 5;
    CWUndoRedoStack s;
    for (const char* n : {"a", "b", "c"})
        s.AddOperator(new TestOp(log, n));
    EXPECT_EQ(s.GetUndoName(4), CString());   // a slot never filled
    EXPECT_TRUE(s.Undo());
    EXPECT_TRUE(s.Undo());
    EXPECT_EQ(s.GetRedoLen(), 2);
    EXPECT_EQ(s.GetRedoName(0), CString("b"));
    EXPECT_TRUE(s.Redo());
    EXPECT_EQ(log.events, (Names{"undo c", "undo b", "redo b"}));
    EXPECT_EQ(s.GetTop(), 1);
    EXPECT_EQ(s.GetUndoLen(), 2);
    EXPECT_EQ(s.GetRedoLen(), 1);

    s.Undo();
    s.AddOperator(new TestOp(log, "x"));   // takes the slot of the undone b
    EXPECT_EQ(log.deleted, 1);
    EXPECT_FALSE(s.CanRedo());
    EXPECT_TRUE(RedoText.IsEmpty());
    EXPECT_EQ(UndoNames(s), (Names{"x", "a"}));
}

TEST_F(UndoStack, RecordingsWhileReplayingAreRefused)
{
    Options.UndoSteps = 4;
    CWUndoRedoStack s;
    TestOp* op = new TestOp(log, "a", &s);
    s.AddOperator(op);
    s.Undo();
    EXPECT_FALSE(op->nestedAccepted);
    EXPECT_EQ(s.GetState(), CWUndoRedoStack::kIdle);
    s.Redo();
    EXPECT_FALSE(op->nestedAccepted);
    EXPECT_EQ(log.deleted, 2);   // both refused records were deleted by their callers
}

TEST_F(UndoStack, AThrowingOperationLeavesTheStackUsable)
{
    Options.UndoSteps = 4;
    CWUndoRedoStack s;
    TestOp* op = new TestOp(log, "a");
    s.AddOperator(op);
    op->throwNext = true;
    EXPECT_THROW(s.Undo(), int);
    EXPECT_EQ(s.GetState(), CWUndoRedoStack::kIdle);
    EXPECT_EQ(s.GetUndoLen(), 1);   // still there to retry
    TestOp* next = new TestOp(log, "b");
    EXPECT_TRUE(s.AddOperator(next));
    s.Undo();
    ASSERT_TRUE(s.CanRedo());
    next->throwNext = true;
    EXPECT_THROW(s.Redo(), int);
    EXPECT_TRUE(s.Redo());   // fails once, then redoes
    EXPECT_EQ(log.events, (Names{"undo b", "redo b"}));
}

TEST_F(UndoStack, ResizingFollowsTheSetting)
{
    struct Case
    {
        LONG from, to;
        int recorded;
        Names names;     // undoable after the change, newest first
        int deleted;     // operations freed so far
    };
    const Case cases[] = {
        {3, 5, 4, {"d", "c", "b"}, 1},   // grows a wrapped ring in order
        {5, 2, 4, {"d", "c"}, 2},        // shrinks to the newest
        {5, 2, 1, {"a"}, 0},
        {4, 2, 6, {"f", "e"}, 4},        // wrapped: shrinks from both ends
    };
    for (const Case& c : cases)
    {
        Log local;
        Options.UndoSteps = c.from;
        CWUndoRedoStack s;
        const char* names[] = {"a", "b", "c", "d", "e", "f"};
        for (int i = 0; i < c.recorded; ++i)
            s.AddOperator(new TestOp(local, names[i]));
        Options.UndoSteps = c.to;
        s.CorrectSize();
        EXPECT_EQ(s.GetCapacity(), c.to);
        EXPECT_EQ(UndoNames(s), c.names) << c.from << "->" << c.to;
        EXPECT_EQ(local.deleted, c.deleted) << c.from << "->" << c.to;
    }
    // After growing, new entries go after the newest and the ring fills up
    // before the oldest is dropped.
    Log local;
    Options.UndoSteps = 3;
    CWUndoRedoStack s;
    for (const char* n : {"a", "b", "c", "d"})
        s.AddOperator(new TestOp(local, n));
    Options.UndoSteps = 5;
    s.AddOperator(new TestOp(local, "e"));
    s.AddOperator(new TestOp(local, "f"));
    EXPECT_EQ(UndoNames(s), (Names{"f", "e", "d", "c", "b"}));
    EXPECT_EQ(local.deleted, 1);
}

TEST_F(UndoStack, AResizeDropsThePendingRedo)
{
    Options.UndoSteps = 5;
    CWUndoRedoStack s;
    for (const char* n : {"a", "b"})
        s.AddOperator(new TestOp(log, n));
    s.Undo();
    Options.UndoSteps = 6;
    EXPECT_EQ(s.GetRedoLen(), 0);
    EXPECT_EQ(UndoNames(s), (Names{"a"}));
}

// ---- Grouped steps

class Groups : public UndoStack
{
protected:
    void SetUp() override
    {
        UndoStack::SetUp();
        Options.UndoSteps = 10;
    }
    void TearDown() override
    {
        ReleaseDocEditing(&doc);
        UndoStack::TearDown();
    }
    CWUndoRedoStack* Stack() { return GetDocUndoStack(&doc); }
    // Records op into the document's current stack, as editing code does.
    void Record(const char* name)
    {
        TestOp* op = new TestOp(log, name);
        if (!Stack()->AddOperator(op))
            delete op;
    }
    CWOpBigUndo* Open(const char* name)
    {
        CWOpBigUndo* group = new CWOpBigUndo(&doc, CString(name));
        if (!Stack()->AddOperator(group))
        {
            delete group;
            return NULL;
        }
        group->Start();
        return group;
    }
    CWDocument doc;
};

TEST_F(Groups, AnUnnamedGroupTakesItsFirstOperationsName)
{
    Record("before");
    CWOpBigUndo* g = Open("");
    Record("first");
    Record("second");
    g->End();
    EXPECT_EQ(Stack()->GetUndoName(0), CString("first"));
    EXPECT_EQ(Stack()->GetUndoLen(), 2);
    EXPECT_TRUE(DocMakeUndo(&doc));
    EXPECT_EQ(log.events, (Names{"undo second", "undo first"}));
    EXPECT_TRUE(DocMakeRedo(&doc));
    EXPECT_EQ(log.events, (Names{"undo second", "undo first", "redo first", "redo second"}));
    EXPECT_EQ(doc.m_nViewNotify, 0);
}

TEST_F(Groups, AnEmptyGroupRemovesItself)
{
    Record("before");
    CWOpBigUndo* g = Open("named");
    g->End();
    EXPECT_EQ(Stack()->GetUndoLen(), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("before"));
    EXPECT_EQ(log.deleted, 0);
}

TEST_F(Groups, NestedGroupsAreOneStep)
{
    CWOpBigUndo* outer = Open("outer");
    Record("a");
    CWOpBigUndo* inner = Open("inner");
    Record("b");
    inner->End();
    Record("c");
    outer->End();
    EXPECT_EQ(Stack()->GetUndoLen(), 1);
    EXPECT_EQ(outer->GetInner()->GetUndoLen(), 3);
    DocMakeUndo(&doc);
    EXPECT_EQ(log.events, (Names{"undo c", "undo b", "undo a"}));
}

TEST_F(Groups, AGroupKeepsEveryStepWhateverTheRingSize)
{
    Options.UndoSteps = 3;
    CWOpBigUndo* g = Open("");
    for (int i = 0; i < 25; ++i)
        Record(std::to_string(i).c_str());
    g->End();
    EXPECT_EQ(g->GetInner()->GetUndoLen(), 25);
    EXPECT_EQ(g->GetName(), CString("0"));
    DocMakeUndo(&doc);
    ASSERT_EQ(log.events.size(), 25u);
    EXPECT_EQ(log.events.back(), "undo 0");
}

TEST_F(Groups, ARefusedGroupRecordsNothing)
{
    Options.UndoSteps = 0;
    EXPECT_EQ(Open("x"), nullptr);
    Record("a");
    EXPECT_FALSE(DocCanUndo(&doc));
    EXPECT_EQ(log.deleted, 1);
}

} // namespace
