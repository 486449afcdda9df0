// The items of OLE documents: client sites and server items.
#include "afxole.h"

IMPLEMENT_DYNAMIC(COleClientItem, CDocItem)
IMPLEMENT_DYNAMIC(COleServerItem, CDocItem)

COleClientItem::COleClientItem(COleDocument* pContainerDoc)
{
    if (pContainerDoc)
        pContainerDoc->AddItem(this);
}

COleClientItem::~COleClientItem() = default;

void COleClientItem::Release(OLECLOSE)
{
    m_nItemState = emptyState;
}

void COleClientItem::Delete(BOOL bAutoDelete)
{
    Release();
    if (COleDocument* doc = GetDocument())
        doc->RemoveItem(this);
    if (bAutoDelete)
        delete this;
}

COleServerItem::COleServerItem(COleServerDoc* pServerDoc, BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
    if (pServerDoc)
        pServerDoc->AddItem(this);
}

COleServerItem::~COleServerItem()
{
    if (COleServerDoc* doc = GetDocument())
        if (doc->m_pEmbeddedItem == this)
            doc->m_pEmbeddedItem = nullptr;
    if (m_lpDataAdviseHolder)
        m_lpDataAdviseHolder->Release();
    if (m_lpOleAdviseHolder)
        m_lpOleAdviseHolder->Release();
}

BOOL COleServerItem::IsConnected() const
{
    return m_lpOleAdviseHolder != nullptr;
}

// Without advise holders no client listens.
void COleServerItem::NotifyClient(OLE_NOTIFICATION nCode, DWORD_PTR dwParam)
{
    switch (nCode)
    {
    case OLE_CHANGED:
        if (m_lpDataAdviseHolder)
            m_lpDataAdviseHolder->SendOnDataChange(nullptr, 0, 0);
        break;
    case OLE_SAVED:
        if (m_lpOleAdviseHolder)
            m_lpOleAdviseHolder->SendOnSave();
        break;
    case OLE_CLOSED:
        if (m_lpOleAdviseHolder)
            m_lpOleAdviseHolder->SendOnClose();
        break;
    default:
        break;
    }
}

void COleServerItem::OnUpdate(COleServerItem*, LPARAM, CObject*, DVASPECT nDrawAspect)
{
    NotifyChanged(nDrawAspect);
}

BOOL COleServerItem::OnGetExtent(DVASPECT, CSize&)
{
    return FALSE;
}
