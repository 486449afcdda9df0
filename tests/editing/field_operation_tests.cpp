// Field operations: inserting, deleting and resizing fields replay through
// undo and redo, a deleted range gives its fields back, and the names.
#include "tests/editing/editing_test_support.h"
#include "tests/support/fixed_clock.h"
#include "editing/CWOpFields.h"
#include "editing/CWOpText.h"
#include "model/GCaption.h"
#include "model/GFootNote.h"
#include "model/GListField.h"
#include "model/GDocTitle.h"
#include "model/GPageNum.h"
#include "tests/model/flow_builders.h"

namespace {

// A picture with a size of its own, as the picture kind keeps it.
class SizedField : public GField
{
public:
    SizedField(GDoc* owner, long pos, BYTE kind, CSize size) : GField(owner, pos), m_size(size) { m_nKind = kind; }
    GField* CreateCopy() override { return new SizedField(*this); }
    CSize GetObjectSize() const override { return m_size; }
    void SetObjectSize(const CSize& size) override { m_size = size; }
    CSize m_size;
};

// A field holding an item: a copy made in the same document does not
// carry the cell's name, and NullOwner tells the item its owner again.
class ItemField : public GField
{
public:
    ItemField(GDoc* owner, long pos, BYTE kind, int* nullOwnerCalls)
        : GField(owner, pos), m_pNullOwnerCalls(nullOwnerCalls)
    {
        m_nKind = kind;
    }
    GField* CreateCopy() override
    {
        ItemField* copy = new ItemField(*this);
        copy->m_name.Empty();
        return copy;
    }
    void NullOwner() override { ++*m_pNullOwnerCalls; }
    CString GetCellName() const override { return m_name; }
    void SetCellName(const CString& name) override { m_name = name; }
    CString m_name;
    int* m_pNullOwnerCalls;
};

GField* PlainField(GDoc* owner, long pos, BYTE kind)
{
    GField* f = new GField(owner, pos);
    f->m_nKind = kind;
    return f;
}

class FieldOperations : public EditingFixture
{
protected:
    // Date fields put back by undo take the clock's time again.
    FixedClock clock{2026, 3, 9, 14, 5, 7};

    void ClearStack()
    {
        while (Stack()->RemoveLast())
        {
        }
    }
    // Runs one recorded step and checks that undo and redo give the whole
    // flow back as it was before and after.
    template <class Step>
    void CheckDoUndoRedo(Step step)
    {
        std::string before = FlowState(*flow);
        step();
        std::string after = FlowState(*flow);
        ASSERT_NE(after, before);
        ASSERT_TRUE(DocMakeUndo(&doc));
        EXPECT_EQ(FlowState(*flow), before);
        ASSERT_TRUE(DocMakeRedo(&doc));
        EXPECT_EQ(FlowState(*flow), after);
        ASSERT_TRUE(DocMakeUndo(&doc));
        EXPECT_EQ(FlowState(*flow), before);
    }
};

TEST_F(FieldOperations, InsertingAFieldReplays)
{
    Type(0, "one two|three");
    ClearStack();
    CheckDoUndoRedo([&] { flow->InsertField(PlainField(flow, 4, kFieldDateTime)); });
    ASSERT_TRUE(DocMakeRedo(&doc));
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Insert Date and Time"));
    ASSERT_EQ(flow->m_fields.count, 1);
    EXPECT_EQ(flow->m_fields[0]->m_nPos, 4);
    EXPECT_EQ(flow->m_fields[0]->m_pDoc, flow);
}

TEST_F(FieldOperations, OvertypingAFieldReplacesItInOneStep)
{
    Type(0, "one two|three");
    flow->InsertField(PlainField(flow, 4, kFieldDateTime));
    ClearStack();
    CheckDoUndoRedo([&] { flow->ReplaceChar(4, 'x'); });
    ASSERT_TRUE(DocMakeRedo(&doc));
    EXPECT_EQ(flow->m_fields.count, 0);
    EXPECT_EQ(flow->m_chars[4], (BYTE)'x');
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Replace text"));
    EXPECT_EQ(Stack()->GetUndoLen(), 1);
}

// A deletion that holds a field is undone stretch by stretch; the
// formatting comes back once every stretch and field is in place again,
// so runs that reach past a stretch land where they were.
TEST_F(FieldOperations, ADeletionOverAFieldGivesBackBordersShadingAndStyles)
{
    Type(0, "first paragraph\rsecond one\rthird one\rfourth");
    CBorderStyle line;
    line.lineStyle = 1;
    CBorderStyle sides[4] = {line, line, line, line};
    flow->SetBorder(kBorderBox, sides, 10, 16, 30);
    CShadeStyle shade;
    shade.percent = 25;
    flow->AddShade(shade, 0, 20, 0);
    flow->InsertField(new GDocTitle(flow, 20, 0));
    ClearStack();
    CheckDoUndoRedo([&] { flow->DeleteText(10, 25, 1); });
}

// A field put back arms the pending style; the text after it, put back at
// the end of the flow, must not hand that style to the final mark.
TEST_F(FieldOperations, ADeletionToTheEndOverAFieldLeavesTheFinalMarkItsStyle)
{
    // The text put back at the paragraph start joins the final mark's run.
    Type(0, "abc\rdef gh");
    GFontStyle bold;
    bold.SetAttr(GFontStyle::kBold, 1);
    flow->SetFontStyle(4, 7, bold, 1);
    flow->InsertField(new GDocTitle(flow, 7, 0));
    ClearStack();
    CheckDoUndoRedo([&] { flow->DeleteText(4, flow->m_chars.count - 3, 1); });
}

TEST_F(FieldOperations, AFieldPastTheEndStandsBeforeTheLastParagraphEnd)
{
    Type(0, "abc");
    flow->InsertField(PlainField(flow, 50, kFieldPageNum));
    ASSERT_EQ(flow->m_fields.count, 1);
    EXPECT_EQ(flow->m_fields[0]->m_nPos, 3);
    EXPECT_EQ(flow->m_chars[3], kFieldMark);
}

TEST_F(FieldOperations, ASecondFieldAtOnePositionGoesInFront)
{
    Type(0, "abc");
    GField* first = PlainField(flow, 1, kFieldPageNum);
    GField* second = PlainField(flow, 1, kFieldDocTitle);
    flow->InsertField(first);
    flow->InsertField(second);
    ASSERT_EQ(flow->m_fields.count, 2);
    EXPECT_EQ(flow->m_fields[0], second);
    EXPECT_EQ(flow->m_fields[1], first);
    EXPECT_EQ(first->m_nPos, 2);
    EXPECT_EQ(second->m_nPos, 1);
}

TEST_F(FieldOperations, RedoOfAnInsertedFootnoteBringsItsStateAtUndo)
{
    Type(0, "note here");
    flow->InsertField(new GFootNote(flow, 4, kMarkArabic));
    GFootNote* mark = (GFootNote*)flow->m_fields[0];
    mark->m_nFixed = 7;
    mark->Update();
    // The mark's raising is a step of its own, undone first.
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set font style"));
    ASSERT_TRUE(DocMakeUndo(&doc));
    ASSERT_TRUE(DocMakeUndo(&doc));
    EXPECT_EQ(flow->m_fields.count, 0);
    ASSERT_TRUE(DocMakeRedo(&doc));
    ASSERT_EQ(flow->m_fields.count, 1);
    ASSERT_EQ(flow->m_fields[0]->m_nKind, kFieldFootNote);
    GFootNote* back = (GFootNote*)flow->m_fields[0];
    EXPECT_EQ(back->m_nFixed, 7);
    EXPECT_EQ(back->m_strMark, CString("7"));
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Insert Footnote - '1'"));
}

TEST_F(FieldOperations, DeletingAFieldReplays)
{
    Type(0, "before after");
    GCaption* caption = LabelledCaption(flow, 6, kMarkArabic, "Figure ");
    caption->Update();
    flow->InsertField(caption);
    ClearStack();
    CheckDoUndoRedo([&] { flow->DeleteText(6, 7, 1); });
    ASSERT_EQ(flow->m_fields.count, 1);
    EXPECT_EQ(flow->m_fields[0]->m_nKind, kFieldCaption);
    EXPECT_EQ(((GCaption*)flow->m_fields[0])->m_strLabel, CString("Figure "));

    // The field operation alone, as the view's delete command records it.
    GField* field = flow->m_fields[0];
    CWOpDeleteField op(flow, 6, field);
    EXPECT_EQ(op.GetName(), CString("Delete Caption - 'Figure 1'"));
}

TEST_F(FieldOperations, ADeletedCellFieldComesBackWithItsCellName)
{
    Type(0, "before after");
    int nullOwnerCalls = 0;
    ItemField* cell = new ItemField(flow, 6, kFieldCell, &nullOwnerCalls);
    cell->m_name = "B7";
    flow->InsertField(cell);
    ClearStack();
    flow->DeleteText(6, 7, 1);
    EXPECT_EQ(nullOwnerCalls, 1);   // the kept copy no longer owns the item
    ASSERT_TRUE(DocMakeUndo(&doc));
    ASSERT_EQ(flow->m_fields.count, 1);
    EXPECT_EQ(flow->m_fields[0]->GetCellName(), CString("B7"));
}

TEST_F(FieldOperations, OnlyObjectAndCellCopiesAreToldTheirOwner)
{
    const struct
    {
        BYTE kind;
        int calls;
    } cases[] = {{kFieldOle, 1}, {kFieldCell, 1}, {kFieldImage, 0}, {kFieldDateTime, 0}};
    for (const auto& c : cases)
    {
        int calls = 0;
        ItemField field(flow, 0, c.kind, &calls);
        CWOpDeleteField op(flow, 0, &field);
        EXPECT_EQ(calls, c.calls) << (int)c.kind;
    }
}

TEST_F(FieldOperations, UndoingADeletedRangeBringsItsFieldsBack)
{
    Type(0, "alpha beta|gamma delta");
    flow->InsertField(PlainField(flow, 3, kFieldDateTime));
    flow->InsertField(new GFootNote(flow, 14, kMarkArabic));
    flow->InsertField(PlainField(flow, 20, kFieldPageNum));
    ClearStack();
    std::string text = MarkedFlowText(*flow);
    CheckDoUndoRedo([&] { flow->DeleteText(1, 22, 1); });
    EXPECT_EQ(MarkedFlowText(*flow), text);
    ASSERT_EQ(flow->m_fields.count, 3);
    const BYTE kinds[] = {kFieldDateTime, kFieldFootNote, kFieldPageNum};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(flow->m_fields[i]->m_nKind, kinds[i]);
        EXPECT_EQ(flow->m_chars[flow->m_fields[i]->m_nPos], kFieldMark);
    }
}

TEST_F(FieldOperations, AListNumberInADeletedRangeComesBackInPlace)
{
    Type(0, "abcdefgh");
    flow->InsertField(new GList(flow, 2, 0, 0, 1));
    flow->InsertField(PlainField(flow, 6, kFieldDateTime));
    ClearStack();
    flow->DeleteText(1, 8, 1);
    ASSERT_TRUE(DocMakeUndo(&doc));
    EXPECT_EQ(MarkedFlowText(*flow), "ab@cde@fgh");
    ASSERT_EQ(flow->m_fields.count, 2);
    EXPECT_EQ(flow->m_fields[0]->m_nKind, kFieldList);
    EXPECT_EQ(flow->m_fields[0]->m_nPos, 2);
    EXPECT_EQ(flow->m_fields[1]->m_nKind, kFieldDateTime);
    EXPECT_EQ(flow->m_fields[1]->m_nPos, 6);
}

// A style armed on an empty range goes onto the next field's placeholder,
// as onto typed text, and is spent there.
TEST_F(FieldOperations, ThePendingStyleGoesOntoTheFieldAndIsSpent)
{
    Type(0, "plain text");
    GFontStyle bold;
    bold.SetAttr(GFontStyle::kBold, 1);
    flow->SetFontStyle(5, 5, bold, 1);
    ASSERT_TRUE(GetDocEditing(&doc).bPendingStyle);
    flow->InsertField(new GPageNum(flow, 5, 0, 1));
    EXPECT_EQ(flow->GetCharFStylePtr(5)->GetAttr(GFontStyle::kBold), 1);
    EXPECT_FALSE(GetDocEditing(&doc).bPendingStyle);
    EXPECT_EQ(flow->GetCharFStylePtr(4)->GetAttr(GFontStyle::kBold), 0);
    EXPECT_EQ(flow->GetCharFStylePtr(6)->GetAttr(GFontStyle::kBold), 0);
}

// A footnote mark typed into bold text is raised; what is typed after it
// is bold and not raised. Undo takes the mark away with its formatting.
TEST_F(FieldOperations, AFootnoteMarkIsRaisedAndTheTextAfterItIsNot)
{
    Type(0, "bold text");
    GFontStyle bold;
    bold.SetAttr(GFontStyle::kBold, 1);
    flow->SetFontStyle(0, 9, bold, 1);
    ClearStack();
    const std::string before = FlowState(*flow);
    flow->InsertField(new GFootNote(flow, 4, kMarkArabic));
    const GFontStyle* mark = flow->GetCharFStylePtr(4);
    EXPECT_EQ(mark->GetAttr(GFontStyle::kBold), 1);
    EXPECT_EQ(mark->GetAttr(GFontStyle::kSuperscript), 1);
    EXPECT_TRUE(GetDocEditing(&doc).bPendingStyle);

    Type(5, "x");
    const GFontStyle* typed = flow->GetCharFStylePtr(5);
    EXPECT_EQ(typed->GetAttr(GFontStyle::kBold), 1);
    EXPECT_NE(typed->GetAttr(GFontStyle::kSuperscript), 1);
    EXPECT_EQ(flow->GetCharFStylePtr(6)->GetAttr(GFontStyle::kSuperscript), 0) << "the text behind";

    UndoAll();
    EXPECT_EQ(FlowState(*flow), before);
}

// List numbers are recorded by the list operations, never here; every
// other kind with a class is.
TEST_F(FieldOperations, AListNumberRecordsNoFieldInsertion)
{
    Type(0, "item");
    ClearStack();
    flow->InsertField(new GList(flow, 0, 0, 0, 1));
    EXPECT_EQ(Stack()->GetUndoLen(), 0);
    EXPECT_EQ(flow->m_fields.count, 1);
    flow->InsertField(new GDocTitle(flow, 3, 0));
    EXPECT_EQ(Stack()->GetUndoLen(), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Insert Document Title"));
}

// The modified state is the base library's document's: what editing sets
// is what the framework asks before closing.
TEST_F(FieldOperations, InsertingAFieldMarksTheFrameworkDocumentModified)
{
    Type(0, "abc");
    CDocument* framework = &doc;
    framework->SetModifiedFlag(FALSE);
    flow->InsertField(new GDocTitle(flow, 1, 0));
    EXPECT_TRUE(framework->IsModified());
}

TEST_F(FieldOperations, ResizingAPictureSwapsTheSizes)
{
    Type(0, "pic");
    SizedField* picture = new SizedField(flow, 1, kFieldImage, CSize(300, 200));
    flow->InsertField(picture);
    ClearStack();
    CWOpResize* op = new CWOpResize(flow, picture, 1);
    picture->m_size = CSize(600, 100);
    ASSERT_TRUE(Stack()->AddOperator(op));
    EXPECT_EQ(op->GetName(), CString("Resize Picture"));
    ASSERT_TRUE(DocMakeUndo(&doc));
    EXPECT_EQ(picture->m_size, CSize(300, 200));
    ASSERT_TRUE(DocMakeRedo(&doc));
    EXPECT_EQ(picture->m_size, CSize(600, 100));

    SizedField object(flow, 0, kFieldOle, CSize(1, 1));
    EXPECT_EQ(CWOpResize(flow, &object, 0).GetName(), CString("Resize OLE Object"));
}

TEST_F(FieldOperations, NamesComeFromTheStringTable)
{
    struct Case
    {
        BYTE kind;
        const char* insertName;
        const char* deleteName;
    };
    const Case cases[] = {
        {kFieldOle, "Insert OLE Object", "Delete OLE Object"},
        {kFieldDateTime, "Insert Date and Time", "Delete Date and Time"},
        {kFieldPageNum, "Insert Page Number", "Delete Page Number"},
        {kFieldDocTitle, "Insert Document Title", "Delete Document Title"},
        {kFieldImage, "Insert Picture", "Delete Picture"},
        {kFieldCell, "Insert Field", "Delete Field"},
        {kFieldLumifex, "Insert Lumifex", "Delete Lumifex"},
        {kFieldList, "", ""},
    };
    for (const Case& c : cases)
    {
        GField field(flow, 0);
        field.m_nKind = c.kind;
        EXPECT_EQ(CWOpInsertField(flow, 0, &field).GetName(), CString(c.insertName)) << (int)c.kind;
        EXPECT_EQ(CWOpDeleteField(flow, 0, &field).GetName(), CString(c.deleteName)) << (int)c.kind;
    }
    GFootNote note(flow, 0, kMarkRomanLower);
    note.m_strMark = "IV";
    EXPECT_EQ(CWOpInsertField(flow, 0, &note).GetName(), CString("Insert Footnote - 'IV'"));
    EXPECT_EQ(CWOpDeleteField(flow, 0, &note).GetName(), CString("Delete Footnote - 'IV'"));
}

TEST_F(FieldOperations, ListNumbersAreNotRecorded)
{
    Type(0, "abc");
    long recorded = Stack()->GetUndoLen();
    flow->InsertField(new GList(flow, 0, 0, 0, 1));
    EXPECT_EQ(flow->m_fields.count, 1);
    EXPECT_EQ(Stack()->GetUndoLen(), recorded);
}

}  // namespace
