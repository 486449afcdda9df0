// The base-library items fields rely on: items found again by handle,
// objects copied into another document, cell names and merged values.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "ZTItems.h"

namespace {

TEST(BaseItems, ObjectsAreFoundByHandleAndCopiedIntoAnotherDocument)
{
    CZTDoc source, target;
    CZTOleRectItem* object = new CZTOleRectItem(CSize(300, 200));
    unsigned long handle = source.AddItem(object);
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(source.GetItem(handle), object);
    EXPECT_EQ(source.GetItem(handle + 1), nullptr);

    CZTOleRectItem* copy = object->Clone(NULL, &target, 0);
    EXPECT_EQ(copy->GetSize(), CSize(300, 200));
    EXPECT_EQ(target.GetItem(copy->GetHandle()), copy);
    copy->Release();
    EXPECT_EQ(target.GetItemCount(), 0);
}

TEST(BaseItems, CellsKeepNameAndValue)
{
    CZTCell cell;
    cell.SetName("B7");
    cell.SetFieldValue("42");
    CZTFieldItem* item = &cell;
    EXPECT_EQ(item->GetFieldValueAsText(), CString("42"));
    EXPECT_EQ(cell.GetName(), CString("B7"));

    CZTDoc doc;
    doc.SetTitle("Letter");
    doc.SetModifiedFlag(1);
    EXPECT_TRUE(doc.IsModified());
    ZTGetModuleState()->m_pCurrentDoc = &doc;
    EXPECT_EQ(ZTGetModuleState()->m_pCurrentDoc->GetTitle(), CString("Letter"));
    ZTGetModuleState()->m_pCurrentDoc = NULL;
}

TEST(BaseItems, CellsAreObjectItemsAndCopyAsCellsWithTheirClientItem)
{
    CZTDoc source, target;
    CZTCell* cell = new CZTCell;
    cell->SetName("C3");
    cell->SetFieldValue("7");
    cell->SetPatternStyle(4);
    source.AddItem(cell);
    CZTOleRectItem* asObject = cell;
    ASSERT_NE(asObject->GetOleItem(), nullptr);
    EXPECT_EQ(asObject->GetOleItem()->GetItemState(), CZTOleClientItem::loadedState);

    CZTOleClientItem* client = new CZTOleClientItem;
    CZTOleRectItem* copy = asObject->Clone(reinterpret_cast<CWRectItem*>(client), &target, 0);
    CZTCell* copiedCell = dynamic_cast<CZTCell*>(copy);
    ASSERT_NE(copiedCell, nullptr);
    EXPECT_EQ(copy->GetOleItem(), client) << "the given client item joins the copy";
    EXPECT_EQ(copiedCell->GetFieldValueAsText(), CString("7"));
    EXPECT_EQ(copiedCell->GetPatternStyle(), 4);
    EXPECT_EQ(copiedCell->GetName(), CString()) << "the name comes from whoever places the copy";
    EXPECT_EQ(target.GetItem(copy->GetHandle()), copy);

    // Holders: the last to let go says so.
    copy->Hold();
    copy->Hold();
    EXPECT_FALSE(copy->Unhold());
    EXPECT_TRUE(copy->Unhold());
}

} // namespace
