// The redraw tracker: dirty state, merging of row ranges, rows coming and
// going, positions turned into rows, and its runtime class.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GDoc.h"
#include "document/CWDocument.h"

namespace {

TEST(GRedrawTest, DirtyOnlyWhenSomethingMovedSinceTheReset)
{
    GRedraw r;
    EXPECT_EQ(r.m_nFirstRow, -1);
    EXPECT_EQ(r.m_nEndRow, -1);
    EXPECT_EQ(r.IsDirty(), 0);
    r.Reset(5, 9);
    EXPECT_EQ(r.IsDirty(), 0);
    r.Select(5, 9);
    EXPECT_EQ(r.IsDirty(), 0);
    r.Select(5, 10);
    EXPECT_EQ(r.IsDirty(), 1);

    struct Case
    {
        const char* what;
        void (*change)(GRedraw&);
    } cases[] = {
        {"rows", [](GRedraw& g) { g.InvalByRow(2, 3); }},
        {"first moved", [](GRedraw& g) { g.Select(4, 9); }},
        {"caret", [](GRedraw& g) { g.NewPos(0); }},
        {"extra flag", [](GRedraw& g) { g.m_bExtraDirty = 1; }},
    };
    for (const Case& c : cases)
    {
        r.Reset(5, 9);
        c.change(r);
        EXPECT_EQ(r.IsDirty(), 1) << c.what;
        r.Reset(5, 9);
        EXPECT_EQ(r.IsDirty(), 0) << c.what;
    }
}

TEST(GRedrawTest, SelectFromAnEmptySelectionStartsAtTheNewFirst)
{
    GRedraw r;
    r.Reset(3, 3);
    r.Select(6, 8);
    EXPECT_EQ(r.m_nOldSelFirst, 6);
    EXPECT_EQ(r.m_nOldSelEnd, 6);
    EXPECT_EQ(r.m_nSelFirst, 6);
    EXPECT_EQ(r.m_nSelEnd, 8);
    r.Reset(3, 5);
    r.Select(7, 9);   // a selection that was not empty stays the old one
    EXPECT_EQ(r.m_nOldSelFirst, 3);
    EXPECT_EQ(r.m_nOldSelEnd, 5);
    EXPECT_EQ(r.m_nSelFirst, 7);
    EXPECT_EQ(r.m_nSelEnd, 9);
}

TEST(GRedrawTest, RowRangesMerge)
{
    struct Step
    {
        long first, end;
        LONG wantFirst, wantEnd;
    } steps[] = {
        {3, 3, 3, 4},     // an equal end counts as one row
        {1, 2, 1, 4},
        {2, 3, 1, 4},     // inside: no change
        {6, 9, 1, 9},     // apart: the range covers the gap too
    };
    GRedraw r;
    for (const Step& s : steps)
    {
        r.InvalByRow(s.first, s.end);
        EXPECT_EQ(r.m_nFirstRow, s.wantFirst) << s.first << ".." << s.end;
        EXPECT_EQ(r.m_nEndRow, s.wantEnd) << s.first << ".." << s.end;
    }
}

TEST(GRedrawTest, InsertedAndRemovedRowsShiftTheRange)
{
    struct Case
    {
        bool insert;
        long row;
        LONG first, end;
    } cases[] = {
        {true, 3, 4, 6},
        {true, 2, 4, 6},
        {true, 4, 3, 6},
        {true, 5, 3, 5},
        {false, 3, 3, 4},
        {false, 2, 2, 4},
        {false, 5, 3, 5},
    };
    for (const Case& c : cases)
    {
        GRedraw r;
        r.InvalByRow(3, 5);
        if (c.insert)
            r.InsRowItem(c.row);
        else
            r.DelRowItem(c.row);
        EXPECT_EQ(r.m_nFirstRow, c.first) << (c.insert ? "insert " : "delete ") << c.row;
        EXPECT_EQ(r.m_nEndRow, c.end) << (c.insert ? "insert " : "delete ") << c.row;
    }
}

// A flow with rows starting at 0, 10, 20 and the closing row at 30.
class RedrawFlowTest : public testing::Test
{
protected:
    CWDocument doc;
    GDoc flow{&doc, 0};

    void SetUp() override
    {
        flow.m_chars.InsertAt(0, NULL, 28);
        flow.m_rows[1].first = 30;
        for (LONG first : {10, 20})
        {
            GRow row;
            row.first = first;
            row.holes = GRow::NewHoles();
            flow.m_rows.AddAt(row, flow.m_rows.count - 1);
        }
        flow.m_redraw.Reset(0, 0);
    }
};

TEST_F(RedrawFlowTest, PositionsBecomeTheRowsThatHoldThem)
{
    struct Case
    {
        long from, to;
        LONG first, end;
    } cases[] = {
        {0, 1, 0, 1},
        {0, 10, 0, 1},
        {0, 11, 0, 2},
        {12, 12, 1, 2},   // empty range: the row of from
        {15, 25, 1, 3},
        {29, 31, 2, 4},   // past the text: the closing row
        {-3, 1, 0, 1},
    };
    for (const Case& c : cases)
    {
        flow.m_redraw.Reset(0, 0);
        flow.m_redraw.InvalByPos(c.from, c.to);
        EXPECT_EQ(flow.m_redraw.m_nFirstRow, c.first) << c.from << ".." << c.to;
        EXPECT_EQ(flow.m_redraw.m_nEndRow, c.end) << c.from << ".." << c.to;
    }
}

TEST(GRedrawTest, IsADynamicallyCreatableObject)
{
    CObject* made = RUNTIME_CLASS(GRedraw)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(GRedraw)));
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, "GRedraw");
    EXPECT_EQ(static_cast<GRedraw*>(made)->IsDirty(), 0);
    delete made;
    EXPECT_EQ(CRuntimeClass::FromName("GRedraw"), RUNTIME_CLASS(GRedraw));
}

}  // namespace
