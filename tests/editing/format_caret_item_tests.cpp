// Formatting what the caret is on: which field the selection is, the date
// and page-number dialogs cancelled, and a field put in place of another
// (or its text) as one undo step.
#include "tests/editing/formatting_test_support.h"
#include "model/GDateTime.h"
#include "model/GPageNum.h"

namespace
{
class FormatCaretItem : public FormattingFixture
{
protected:
    // "ab@cd@ef": a date field at 2 and a page number at 5.
    void FieldFlow()
    {
        NewFlow("abcdef");
        flow->InsertField(new GDateTime(flow, 2));
        flow->InsertField(new GPageNum(flow, 5, 0, 1));
        ReleaseDocEditing(&doc);
    }
    void SetSelection(long first, long end, long caret)
    {
        flow->m_nSelFirst = (LONG)first;
        flow->m_nSelEnd = (LONG)end;
        flow->m_nCaret = (LONG)caret;
    }
};

TEST_F(FormatCaretItem, TheSelectionNamesAFieldOnlyWhenItIsOneMark)
{
    FieldFlow();
    ASSERT_EQ(MarkedFlowText(*flow), "ab@cd@ef");
    struct Case
    {
        long first, end, caret;
        unsigned char kind;
    } cases[] = {
        {2, 2, 2, kFieldDateTime}, {2, 3, 3, kFieldDateTime}, {5, 6, 6, kFieldPageNum}, {2, 4, 4, 0},
        {1, 3, 3, 0},              {0, 0, 0, 0},              {3, 3, 3, 0},
    };
    for (const Case& c : cases)
    {
        SetSelection(c.first, c.end, c.caret);
        EXPECT_EQ(flow->FormatXXXXType(), c.kind) << c.first << ".." << c.end;
    }
}

TEST_F(FormatCaretItem, CancelledDialogsChangeNothing)
{
    FieldFlow();
    const std::string before = FlowState(*flow);
    const long steps = Stack()->GetUndoLen();
    for (long at : {2L, 5L})
    {
        SetSelection(at, at + 1, at + 1);
        flow->FormatXXXX(NULL, 1);
    }
    EXPECT_EQ(FlowState(*flow), before);
    EXPECT_EQ(Stack()->GetUndoLen(), steps);
}

TEST_F(FormatCaretItem, OnTextTheWordAtTheCaretIsSelected)
{
    NewFlow("one two");
    SetSelection(4, 4, 4);
    flow->FormatXXXX(NULL, 0);
    EXPECT_EQ(flow->m_nSelFirst, 4);
    EXPECT_EQ(flow->m_nSelEnd, 7);
}

TEST_F(FormatCaretItem, AFieldPutInPlaceOfADateComesBackWholeWithOneUndo)
{
    FieldFlow();
    GDateTime* old = (GDateTime*)flow->m_fields[0];
    const GDateTime::Group date = old->m_date;
    // A new field, as the dialog's OK gives one.
    EXPECT_EQ(Replays([&] {
                  GDateTime* made = new GDateTime(*old);
                  made->m_date.format = date.format + 1;
                  flow->ReplaceFieldAt(2, made, NULL);
              }),
              1);
    ASSERT_EQ(flow->m_fields[0]->m_nKind, kFieldDateTime);
    EXPECT_EQ(((GDateTime*)flow->m_fields[0])->m_date.format, date.format + 1);
    ASSERT_TRUE(DocMakeUndo(&doc));
    ASSERT_EQ(flow->m_fields[0]->m_nKind, kFieldDateTime);
    EXPECT_TRUE(((GDateTime*)flow->m_fields[0])->m_date == date);

    // Its text instead of a field.
    EXPECT_EQ(Replays([&] { flow->ReplaceFieldAt(2, NULL, "11.12.2026"); }), 1);
    EXPECT_EQ(MarkedFlowText(*flow), "ab11.12.2026cd@ef");
    EXPECT_EQ(flow->m_fields.count, 1);
    EXPECT_TRUE(doc.IsModified());
}
} // namespace
