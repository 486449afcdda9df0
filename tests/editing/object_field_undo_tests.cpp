// Object and cell fields through deleting, undo and redo: the live field
// and the copies undo keeps share one item, which stays alive while any of
// them may show it and is released once when the last goes.
#include "tests/editing/editing_test_support.h"
#include "model/GOle.h"

namespace {

class ObjectFieldUndo : public EditingFixture
{
};

TEST_F(ObjectFieldUndo, AnItemSurvivesEveryReplayAndIsReleasedOnce)
{
    Type(0, "before after");
    CZTCell* cell = new CZTCell;
    cell->SetFieldValue("42");
    doc.AddItem(cell);
    flow->InsertField(new GCell(flow, 6, cell));
    for (int round = 0; round < 2; ++round)
    {
        flow->DeleteText(6, 7, 1);
        EXPECT_EQ(flow->m_fields.count, 0);
        EXPECT_EQ(doc.GetItemCount(), 1) << "the kept copy holds the item";
        ASSERT_TRUE(DocMakeUndo(&doc));
        ASSERT_EQ(flow->m_fields.count, 1);
        EXPECT_EQ(static_cast<GCell*>(flow->m_fields[0])->m_pItem, cell);
        ASSERT_TRUE(DocMakeRedo(&doc));
        EXPECT_EQ(doc.GetItemCount(), 1);
        ASSERT_TRUE(DocMakeUndo(&doc));
        ASSERT_EQ(flow->m_fields.count, 1);
        EXPECT_EQ(std::string(flow->m_fields[0]->AsText(1)), "42");
    }
    // Undo of the insertion keeps a copy; redo brings the field back, and
    // the deletion after it takes it away again.
    while (DocMakeUndo(&doc))
    {
    }
    EXPECT_EQ(flow->m_fields.count, 0);
    EXPECT_EQ(doc.GetItemCount(), 1);
    while (DocMakeRedo(&doc))
    {
    }
    EXPECT_EQ(flow->m_fields.count, 0);
    EXPECT_EQ(doc.GetItemCount(), 1) << "the records still hold the item";
    ReleaseDocEditing(&doc);
    EXPECT_EQ(doc.GetItemCount(), 0) << "released once the last holder goes";
}

} // namespace
