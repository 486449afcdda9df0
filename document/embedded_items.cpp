// The document as an OLE document: its server item hears of changes, and
// its client items go when the document is emptied.
#include "document/CWDocument.h"

namespace
{
// NotifyClient's parameter for every aspect.
const DWORD kAllAspects = (DWORD)-1;
} // namespace

void CWDocument::UpdateServerItem()
{
    COleServerItem* item = m_pEmbeddedItem;
    if (item && (item->m_lpDataAdviseHolder || item->m_lpOleAdviseHolder))
        item->NotifyClient(OLE_CHANGED, kAllAspects);
}

void CWDocument::OnDeactivateUI(BOOL undoable)
{
    CZTDoc::OnDeactivateUI(undoable);
    UpdateServerItem();
}

// Each Delete takes the item out of the list, so the walk starts over.
void CWDocument::DeleteUnusedSite()
{
    POSITION pos = GetStartPosition();
    while (COleClientItem* item = GetNextClientItem(pos))
    {
        item->Delete(TRUE);
        pos = GetStartPosition();
    }
}
