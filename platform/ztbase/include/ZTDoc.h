// The base library's document and item list, and its module state: what
// the word processor's fields, frames' undo and mail merge rely on.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"
#include "afxole.h"
#include <vector>

class CZTDoc;

// An item of a document's item list (embedded objects, cells, values),
// found again by the 32-bit handle that fields store.
class CZTItem : public CObject
{
public:
    CZTItem() : m_hHandle(0), m_pDoc(NULL) {}
    virtual ~CZTItem() {}
    unsigned long GetHandle() const { return m_hHandle; }
    // The item's own record in its document's stored item list (the handle
    // and class are the list's); a kind stores what it adds after its base.
    CZTDoc* GetDocument() const { return m_pDoc; }

protected:
    friend class CZTDoc;
    unsigned long m_hHandle;   // unique within its document, never 0
    CZTDoc* m_pDoc;
};

// The document base of the family's applications: an OLE server document
// (title, modified state, views, embedded items) with the item list.
// Its calculation guard and mail-merge data source are least ones (below).
class CZTDoc : public COleServerDoc
{
public:
    // The runtime class is defined here, not in the library, so that the
    // framework library's items can make documents without linking it.
    static CRuntimeClass classCZTDoc;
    CRuntimeClass* GetRuntimeClass() const override { return &classCZTDoc; }

    // Inline, so that the framework library's items can use the list
    // without linking this library.
    CZTDoc() : m_nNextHandle(1) {}
    virtual ~CZTDoc()
    {
        for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
            delete m_items[i];
    }

    // Adds item (the document owns it from then on) and gives it a handle.
    unsigned long AddItem(CZTItem* item)
    {
        if (!item)
            return 0;
        item->m_hHandle = m_nNextHandle++;
        item->m_pDoc = this;
        m_items.Add(item);
        return item->m_hHandle;
    }
    // The item with the handle, or null.
    CZTItem* GetItem(unsigned long handle) const
    {
        for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
            if (m_items[i]->GetHandle() == handle)
                return m_items[i];
        return NULL;
    }
    // Takes item out of the list without deleting it.
    void RemoveItem(CZTItem* item)
    {
        for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
            if (m_items[i] == item)
            {
                m_items.RemoveAt(i);
                item->m_pDoc = NULL;
                return;
            }
    }
    int GetItemCount() const { return (int)m_items.GetSize(); }
    // A new item of kind (a dynamically creatable item class) in the list,
    // or null for any other class. Still missing: a field item's own
    // embedding (its storage and server); the item is a plain list entry.
    CZTItem* CreateFieldItem(CRuntimeClass* kind)
    {
        CObject* made = kind && kind->m_pfnCreateObject ? kind->CreateObject() : NULL;
        CZTItem* item = dynamic_cast<CZTItem*>(made);
        if (!item)
        {
            delete made;
            return NULL;
        }
        AddItem(item);
        return item;
    }

    // The item list's stored form, read back by the same call on a loading
    // archive: the next handle to give, the number of items, then each item
    // as its class name (the item classes are dynamically creatable), its
    // handle and its own record (CZTItem::Serialize). A read adds to the
    // items already listed; an item of an unknown class, a handle given
    // twice or a count larger than the stream is refused as damaged.
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << (DWORD)m_nNextHandle << (DWORD)m_items.GetSize();
            for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
            {
                CZTItem* item = m_items[i];
                ar << CString(item->GetRuntimeClass()->m_lpszClassName) << (DWORD)item->m_hHandle;
                item->Serialize(ar);
            }
            return;
        }
        DWORD next, count;
        ar >> next >> count;
        // Every item takes more than a byte.
        if (ar.GetFile() && count > ar.GetFile()->GetLength())
            AfxThrowArchiveException(CArchiveException::badIndex);
        for (DWORD i = 0; i < count; ++i)
        {
            CString name;
            DWORD handle;
            ar >> name >> handle;
            CRuntimeClass* kind = CRuntimeClass::FromName(name);
            CObject* made = kind && kind->m_pfnCreateObject ? kind->CreateObject() : NULL;
            CZTItem* item = dynamic_cast<CZTItem*>(made);
            if (!item || handle == 0 || GetItem(handle))
            {
                delete made;
                AfxThrowArchiveException(CArchiveException::badClass);
            }
            item->m_hHandle = handle;
            item->m_pDoc = this;
            m_items.Add(item);
            item->Serialize(ar);
            if (handle >= m_nNextHandle)
                m_nNextHandle = handle + 1;
        }
        if (next > m_nNextHandle)
            m_nNextHandle = next;
    }

    // ---- The mail-merge data source and the calculation guard. Still
    // missing: reading a data source from a file or a database; its field
    // names and records are filled by whoever holds the document.
    // Records are numbered from 1; ActiveDataSourceDoRecord makes one
    // current and answers FALSE (the current record staying) for a record
    // that does not exist. Every record asked for is noted in order.
    void SetMergeFieldNames(const std::vector<CString>& names) { m_mergeNames = names; }
    void AddMergeRecord(const std::vector<CString>& values) { m_mergeRecords.push_back(values); }
    virtual BOOL ActiveDataSourceDoRecord(long record)
    {
        m_askedRecords.push_back(record);
        if (record < 1 || record > (long)m_mergeRecords.size())
            return FALSE;
        m_nActiveRecord = record;
        return TRUE;
    }
    long GetActiveRecord() const { return m_nActiveRecord; }
    const std::vector<long>& GetAskedRecords() const { return m_askedRecords; }
    // The current record's value of a field (names compare without case);
    // empty without a current record or such a field.
    CString GetMergeValue(const CString& name) const
    {
        if (m_nActiveRecord < 1 || m_nActiveRecord > (long)m_mergeRecords.size())
            return CString();
        const std::vector<CString>& values = m_mergeRecords[m_nActiveRecord - 1];
        for (size_t i = 0; i < m_mergeNames.size() && i < values.size(); ++i)
            if (m_mergeNames[i].CompareNoCase(name) == 0)
                return values[i];
        return CString();
    }
    // Makes doc the module state's current document for a scope and puts
    // the one before back.
    class CCalcEngine
    {
    public:
        explicit CCalcEngine(CZTDoc* doc);
        ~CCalcEngine();
        CCalcEngine(const CCalcEngine&) = delete;
        CCalcEngine& operator=(const CCalcEngine&) = delete;

    private:
        CZTDoc* m_pSaved;
    };

private:
    std::vector<CString> m_mergeNames;
    std::vector<std::vector<CString>> m_mergeRecords;
    std::vector<long> m_askedRecords;
    long m_nActiveRecord = 0;

private:
    unsigned long m_nNextHandle;
    CTypedPtrArray<CPtrArray, CZTItem*> m_items;
};

inline CRuntimeClass CZTDoc::classCZTDoc = {"CZTDoc", (int)sizeof(CZTDoc), 0xFFFF, nullptr,
                                            RUNTIME_CLASS(COleServerDoc), nullptr};

// The library's module state; mail merge points the current document at
// the merge source while it evaluates merged values.
struct ZTModuleState
{
    CZTDoc* m_pCurrentDoc = NULL;
};

ZTModuleState* ZTGetModuleState();

inline CZTDoc::CCalcEngine::CCalcEngine(CZTDoc* doc) : m_pSaved(ZTGetModuleState()->m_pCurrentDoc)
{
    ZTGetModuleState()->m_pCurrentDoc = doc;
}

inline CZTDoc::CCalcEngine::~CCalcEngine()
{
    ZTGetModuleState()->m_pCurrentDoc = m_pSaved;
}
