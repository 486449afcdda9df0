// The base library's document and item list, and its module state: what
// the word processor's fields, frames' undo and mail merge rely on.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"
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
    CZTDoc* GetDocument() const { return m_pDoc; }

protected:
    friend class CZTDoc;
    unsigned long m_hHandle;   // unique within its document, never 0
    CZTDoc* m_pDoc;
};

// The document base of the family's applications: a framework document
// (title, modified state, views) with the item list. Still missing: the
// embedding server, the calculation engine and the mail-merge data source.
class CZTDoc : public CDocument
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

    // The item list's stored form, read back by the same call on a loading
    // archive: the next handle to give and the number of items stored.
    // Still missing: the items' own records; none is written yet (the count
    // is 0) and a stored list that holds any is refused as damaged.
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << (DWORD)m_nNextHandle << (DWORD)0;
            return;
        }
        DWORD next, count;
        ar >> next >> count;
        if (count != 0)
            AfxThrowArchiveException(CArchiveException::badIndex);
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
                                            RUNTIME_CLASS(CDocument), nullptr};

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
