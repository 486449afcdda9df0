// OLE documents: the items a document holds (CDocItem, COleClientItem,
// COleServerItem), the container document COleDocument with its item list,
// the server document COleServerDoc and the application's lock for
// embedding (AfxOleLockApp).
#pragma once
#include "afxwin.h"
#include <ole2.h>

class COleDocument;
class COleServerDoc;

// What a server item tells its clients.
enum OLE_NOTIFICATION
{
    OLE_CHANGED,
    OLE_SAVED,
    OLE_CLOSED,
    OLE_RENAMED,
    OLE_CHANGED_STATE,
    OLE_CHANGED_ASPECT
};

// An item of an OLE document's item list.
class CDocItem : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocItem)
public:
    CDocItem() {}
    // Leaves the document's list.
    virtual ~CDocItem();
    COleDocument* GetDocument() const { return m_pDocument; }

protected:
    friend class COleDocument;
    COleDocument* m_pDocument = nullptr;
};

// The container's side of an embedded object. Still missing: the object
// itself (creation, loading and saving in the document's storage,
// activation, drawing); an item is an empty site in its document's list.
class COleClientItem : public CDocItem
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    enum ItemState { emptyState, loadedState, openState, activeState, activeUIState };

    // Joins pContainerDoc's item list when given.
    explicit COleClientItem(COleDocument* pContainerDoc = nullptr);
    virtual ~COleClientItem();

    // Releases the object, leaves the document and, with bAutoDelete,
    // deletes the item.
    virtual void Delete(BOOL bAutoDelete = TRUE);
    // Lets go of the object; the item stays.
    virtual void Release(OLECLOSE dwCloseOption = OLECLOSE_NOSAVE);
    UINT GetItemState() const { return m_nItemState; }

protected:
    UINT m_nItemState = emptyState;
};

// The server's side of an object a client embeds: one for the whole
// document, or one for what is dragged or copied. Still missing: the data
// object and the OLE object it offers (clipboard, drag and drop, links);
// the advise holders stay empty, so notifications reach no one.
class COleServerItem : public CDocItem
{
    DECLARE_DYNAMIC(COleServerItem)
public:
    // bAutoDelete: the document deletes the item with itself.
    COleServerItem(COleServerDoc* pServerDoc, BOOL bAutoDelete);
    virtual ~COleServerItem();

    COleServerDoc* GetDocument() const { return (COleServerDoc*)m_pDocument; }
    BOOL IsConnected() const;
    // Tells the clients through the advise holders.
    virtual void NotifyClient(OLE_NOTIFICATION nCode, DWORD_PTR dwParam);
    void NotifyChanged(DVASPECT nDrawAspect = DVASPECT_CONTENT) { NotifyClient(OLE_CHANGED, nDrawAspect); }
    // The document changed: the item tells its clients.
    virtual void OnUpdate(COleServerItem* pSender, LPARAM lHint, CObject* pHint, DVASPECT nDrawAspect);
    virtual BOOL OnDraw(CDC* pDC, CSize& rSize) = 0;
    virtual BOOL OnGetExtent(DVASPECT nDrawAspect, CSize& rSize);

    LPDATAADVISEHOLDER m_lpDataAdviseHolder = nullptr;
    LPOLEADVISEHOLDER m_lpOleAdviseHolder = nullptr;
    BOOL m_bAutoDelete;
};

// A document that holds items. Still missing: its storage of embedded
// objects and the clipboard's paste and link commands; the command
// states disable them.
class COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();
    // Deletes the items still in the list.
    virtual ~COleDocument();

    virtual void AddItem(CDocItem* pItem);
    virtual void RemoveItem(CDocItem* pItem);
    POSITION GetStartPosition() const { return m_docItemList.GetHeadPosition(); }
    virtual CDocItem* GetNextItem(POSITION& pos) const;
    // The next client (or server) item from pos, skipping the others; null
    // at the end.
    virtual COleClientItem* GetNextClientItem(POSITION& pos) const;
    virtual COleServerItem* GetNextServerItem(POSITION& pos) const;
    int GetItemCount() const { return (int)m_docItemList.GetCount(); }

    void OnUpdatePasteMenu(CCmdUI* pCmdUI);
    void OnUpdatePasteLinkMenu(CCmdUI* pCmdUI);
    void OnUpdateEditLinksMenu(CCmdUI* pCmdUI);
    void OnUpdateObjectVerbMenu(CCmdUI* pCmdUI);
    void OnEditLinks() {}
    void OnEditConvert() {}

protected:
    CPtrList m_docItemList;
    DECLARE_MESSAGE_MAP()
};

// A document that serves its contents to clients as an embedded object.
// Still missing: the OLE object itself (embedding, linking, in-place
// activation and its frame); the client site stays null.
class COleServerDoc : public COleDocument
{
    DECLARE_DYNAMIC(COleServerDoc)
public:
    COleServerDoc();
    virtual ~COleServerDoc();

    // The item that stands for the whole document, made on first use by
    // OnGetEmbeddedItem; null when it makes none.
    COleServerItem* GetEmbeddedItem();
    BOOL IsEmbedded() const { return m_bEmbedded; }
    LPOLECLIENTSITE GetClientSite() const { return m_lpClientSite; }
    // Every server item but pSender hears of the change.
    void UpdateAllItems(COleServerItem* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr,
                        DVASPECT nDrawAspect = DVASPECT_CONTENT);
    virtual void OnDeactivateUI(BOOL bUndoable) {}
    virtual void OnCloseDocument() override;

protected:
    virtual COleServerItem* OnGetEmbeddedItem() { return nullptr; }
    friend class COleServerItem;
    COleServerItem* m_pEmbeddedItem = nullptr;
    LPOLECLIENTSITE m_lpClientSite = nullptr;
};

// The application stays while documents are embedded or objects are
// locked: each lock pairs with an unlock.
void AFXAPI AfxOleLockApp();
void AFXAPI AfxOleUnlockApp();
// No lock is held.
BOOL AFXAPI AfxOleCanExitApp();
LONG AFXAPI AfxOleGetLockCount();
