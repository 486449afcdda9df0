// Object graphs in an archive, in the class library's persistent format.
//
// Every pointer is written as a WORD tag:
//   0x0000                 a null pointer
//   0xFFFF                 a class seen for the first time: schema WORD,
//                          name length WORD, name bytes; the object's own
//                          Serialize data follows
//   0x8000 | n             the class with index n, seen before; its object's
//                          data follows
//   n (1..0x7FFE)          the object with index n, written before
//   0x7FFF then a DWORD    a big index; bit 31 of the DWORD marks a class
// Classes and objects share one numbering, from 1, in order of first
// appearance, so the reader rebuilds the same table while it reads.
#include "afx.h"
#include <unordered_map>
#include <vector>

namespace {

const WORD kNullTag = 0;
const WORD kNewClassTag = 0xFFFF;
const WORD kClassTag = 0x8000;
const WORD kBigObjectTag = 0x7FFF;
const DWORD kBigClassTag = 0x80000000;
const DWORD kMaxMapCount = 0x3FFFFFFE;

// Class names longer than this cannot be ours; refuse rather than read a
// damaged length.
const WORD kMaxClassName = 255;

}  // namespace

struct CArchiveMaps
{
    // Storing: object or class to its index.
    std::unordered_map<const void*, DWORD> stored;
    DWORD nextStoreIndex = 1;

    // Loading: index to object or class; entry 0 stands for the null tag.
    struct Entry
    {
        void* p;
        bool isClass;
        UINT schema;
    };
    std::vector<Entry> loaded{Entry{nullptr, false, 0}};
};

CArchiveMaps& CArchive::Maps()
{
    if (!m_pMaps)
        m_pMaps = new CArchiveMaps;
    return *m_pMaps;
}

void CArchive::FreeMaps()
{
    delete m_pMaps;
    m_pMaps = NULL;
}

UINT CArchive::GetObjectSchema()
{
    UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nSchema;
}

void CArchive::SetStoreParams(UINT, UINT)
{
}

void CArchive::SetLoadParams(UINT)
{
}

// ------------------------------------------------------------------- storing

namespace {

void WriteIndex(CArchive& ar, DWORD nIndex, bool isClass)
{
    if (nIndex < kBigObjectTag)
        ar << (WORD)(isClass ? (kClassTag | nIndex) : nIndex);
    else
        ar << kBigObjectTag << (DWORD)(isClass ? (kBigClassTag | nIndex) : nIndex);
}

}  // namespace

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)strlen(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (!pClassRef || pClassRef->m_wSchema == 0xFFFF)
        AfxThrowNotSupportedException();    // not a serial class
    CArchiveMaps& maps = Maps();
    auto it = maps.stored.find(pClassRef);
    if (it != maps.stored.end())
    {
        WriteIndex(*this, it->second, true);
        return;
    }
    if (maps.nextStoreIndex > kMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
    *this << kNewClassTag;
    pClassRef->Store(*this);
    maps.stored[pClassRef] = maps.nextStoreIndex++;
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (!pOb)
    {
        *this << kNullTag;
        return;
    }
    CArchiveMaps& maps = Maps();
    auto it = maps.stored.find(pOb);
    if (it != maps.stored.end())
    {
        WriteIndex(*this, it->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    if (maps.nextStoreIndex > kMaxMapCount)
        ThrowArchive(CArchiveException::badIndex);
    // Known before its data, so pointers back to it inside are references.
    maps.stored[pOb] = maps.nextStoreIndex++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

// ------------------------------------------------------------------- loading

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema, nLen;
    ar >> wSchema >> nLen;
    if (nLen > kMaxClassName)
        return NULL;
    char szClassName[kMaxClassName + 1];
    if (ar.Read(szClassName, nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.GetFile()->GetFilePath());
    szClassName[nLen] = '\0';
    if (pwSchemaNum)
        *pwSchemaNum = wSchema;
    return FromName(szClassName);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    CArchiveMaps& maps = Maps();

    WORD wTag;
    *this >> wTag;

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == kNewClassTag)
    {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (!pClassRef || pClassRef->m_wSchema == 0xFFFF)
            ThrowArchive(CArchiveException::badClass);
        // A versionable class reads every schema; others only their own.
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema &&
            !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            ThrowArchive(CArchiveException::badSchema);
        if (maps.loaded.size() > kMaxMapCount)
            ThrowArchive(CArchiveException::badIndex);
        maps.loaded.push_back({pClassRef, true, nSchema});
    }
    else
    {
        DWORD obTag;
        if (wTag == kBigObjectTag)
            *this >> obTag;
        else
            obTag = ((DWORD)(wTag & kClassTag) << 16) | (wTag & ~kClassTag);

        if (!(obTag & kBigClassTag))
        {
            // An object reference (or null): the caller resolves it.
            if (!pObTag)
                ThrowArchive(CArchiveException::badIndex);
            *pObTag = obTag;
            return NULL;
        }
        DWORD nIndex = obTag & ~kBigClassTag;
        if (nIndex == 0 || nIndex >= maps.loaded.size() || !maps.loaded[nIndex].isClass)
            ThrowArchive(CArchiveException::badIndex);
        pClassRef = (CRuntimeClass*)maps.loaded[nIndex].p;
        nSchema = maps.loaded[nIndex].schema;
    }

    if (pClassRefRequested && !pClassRef->IsDerivedFrom(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);
    if (pSchema)
        *pSchema = nSchema;
    m_nObjectSchema = nSchema;
    return pClassRef;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    CheckLoading();
    // The caller's schema (a Serialize reading its members) is put back
    // when this object is done.
    UINT nSchemaSave = m_nObjectSchema;
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    m_nObjectSchema = nSchemaSave;
    CArchiveMaps& maps = Maps();

    if (!pClassRef)
    {
        if (obTag == kNullTag)
            return NULL;
        if (obTag >= maps.loaded.size() || maps.loaded[obTag].isClass || !maps.loaded[obTag].p)
            ThrowArchive(CArchiveException::badIndex);
        CObject* pOb = (CObject*)maps.loaded[obTag].p;
        if (pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
            ThrowArchive(CArchiveException::badClass);
        return pOb;
    }

    CObject* pOb = pClassRef->CreateObject();
    if (!pOb)
        ThrowArchive(CArchiveException::badClass);
    if (maps.loaded.size() > kMaxMapCount)
    {
        delete pOb;
        ThrowArchive(CArchiveException::badIndex);
    }
    // Known before its data, so references back to it resolve.
    size_t nIndex = maps.loaded.size();
    maps.loaded.push_back({pOb, false, 0});

    m_nObjectSchema = nSchema;
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        // Nobody else holds the half-read object yet; a reference to it
        // read later from this archive is refused as a bad index.
        if (m_pMaps && nIndex < m_pMaps->loaded.size())
            m_pMaps->loaded[nIndex].p = nullptr;
        delete pOb;
        throw;
    }
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (!pOb)
        return;
    CArchiveMaps& maps = Maps();
    if (IsStoring())
    {
        if (maps.stored.count(pOb))
            return;
        if (maps.nextStoreIndex > kMaxMapCount)
            ThrowArchive(CArchiveException::badIndex);
        maps.stored[pOb] = maps.nextStoreIndex++;
    }
    else
    {
        if (maps.loaded.size() > kMaxMapCount)
            ThrowArchive(CArchiveException::badIndex);
        maps.loaded.push_back({const_cast<CObject*>(pOb), false, 0});
    }
}

// ----------------------------------------------------------------- operators

CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(NULL);
    return ar;
}
