// The document's client items of embedded objects.
#include "app/CWRectItem.h"
#include "document/CWDocument.h"

// Known to the run-time class tree as a client item.
IMPLEMENT_DYNAMIC(CWRectItem, COleClientItem)

CWRectItem* CWDocument::NewClientItem()
{
    return new CWRectItem;
}

CZTOleRectItem* CWDocument::CreateOleItem()
{
    CZTOleRectItem* item = new CZTOleRectItem;
    item->SetOleItem(NewClientItem());
    return item;
}
