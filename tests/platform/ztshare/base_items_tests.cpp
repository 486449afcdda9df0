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

} // namespace
