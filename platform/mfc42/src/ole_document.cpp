// OLE documents and their item list: container and server documents, the
// items they hold, and the application's embedding lock.
#include "afxole.h"

IMPLEMENT_DYNAMIC(CDocItem, CCmdTarget)
IMPLEMENT_DYNAMIC(COleDocument, CDocument)
IMPLEMENT_DYNAMIC(COleServerDoc, COleDocument)

// Paste, paste link, links and the object verbs need embedding, which the
// layer does not carry: their command states stay disabled.
BEGIN_MESSAGE_MAP(COleDocument, CDocument)
END_MESSAGE_MAP()

CDocItem::~CDocItem()
{
    if (m_pDocument)
        m_pDocument->RemoveItem(this);
}

COleDocument::COleDocument() = default;

// Items remove themselves from the list as they go; a server item that
// is not the document's to delete is only let go.
COleDocument::~COleDocument()
{
    while (!m_docItemList.IsEmpty())
    {
        CDocItem* item = (CDocItem*)m_docItemList.GetHead();
        if (item->IsKindOf(RUNTIME_CLASS(COleServerItem)) && !((COleServerItem*)item)->m_bAutoDelete)
            RemoveItem(item);
        else
            delete item;
    }
}

void COleDocument::AddItem(CDocItem* pItem)
{
    if (!pItem || pItem->m_pDocument == this)
        return;
    if (pItem->m_pDocument)
        pItem->m_pDocument->RemoveItem(pItem);
    m_docItemList.AddTail(pItem);
    pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(CDocItem* pItem)
{
    if (!pItem)
        return;
    if (POSITION pos = m_docItemList.Find(pItem))
        m_docItemList.RemoveAt(pos);
    if (pItem->m_pDocument == this)
        pItem->m_pDocument = nullptr;
}

CDocItem* COleDocument::GetNextItem(POSITION& pos) const
{
    return pos ? (CDocItem*)m_docItemList.GetNext(pos) : nullptr;
}

// The next item of the class from pos; null at the end.
static CDocItem* NextItemOfClass(const COleDocument& doc, POSITION& pos, CRuntimeClass* kind)
{
    while (pos)
        if (CDocItem* item = doc.GetNextItem(pos))
            if (item->IsKindOf(kind))
                return item;
    return nullptr;
}

COleClientItem* COleDocument::GetNextClientItem(POSITION& pos) const
{
    return (COleClientItem*)NextItemOfClass(*this, pos, RUNTIME_CLASS(COleClientItem));
}

COleServerItem* COleDocument::GetNextServerItem(POSITION& pos) const
{
    return (COleServerItem*)NextItemOfClass(*this, pos, RUNTIME_CLASS(COleServerItem));
}

void COleDocument::OnUpdatePasteMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void COleDocument::OnUpdatePasteLinkMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void COleDocument::OnUpdateEditLinksMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void COleDocument::OnUpdateObjectVerbMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

COleServerDoc::COleServerDoc() = default;

// The embedded item goes with the items of the list.
COleServerDoc::~COleServerDoc()
{
    m_pEmbeddedItem = nullptr;
}

COleServerItem* COleServerDoc::GetEmbeddedItem()
{
    if (!m_pEmbeddedItem)
        m_pEmbeddedItem = OnGetEmbeddedItem();
    return m_pEmbeddedItem;
}

void COleServerDoc::UpdateAllItems(COleServerItem* pSender, LPARAM lHint, CObject* pHint, DVASPECT nDrawAspect)
{
    POSITION pos = GetStartPosition();
    while (COleServerItem* item = GetNextServerItem(pos))
        if (item != pSender)
            item->OnUpdate(pSender, lHint, pHint, nDrawAspect);
}

// The clients are told that the object closes.
void COleServerDoc::OnCloseDocument()
{
    POSITION pos = GetStartPosition();
    while (COleServerItem* item = GetNextServerItem(pos))
        item->NotifyClient(OLE_CLOSED, 0);
    CDocument::OnCloseDocument();
}

namespace
{
LONG lockCount = 0;
} // namespace

void AFXAPI AfxOleLockApp()
{
    InterlockedIncrement(&lockCount);
}

void AFXAPI AfxOleUnlockApp()
{
    InterlockedDecrement(&lockCount);
}

BOOL AFXAPI AfxOleCanExitApp()
{
    return lockCount <= 0;
}

LONG AFXAPI AfxOleGetLockCount()
{
    return lockCount;
}
