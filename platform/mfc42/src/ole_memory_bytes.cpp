#include "ole_memory_bytes.h"
#include <string.h>
#include <new>

namespace {

// Beyond what a 32-bit stream length can address, a save is refused
// rather than half made.
const ULONGLONG kMaxBytes = 0xFFFFFFFFull;

// The interfaces' ids, here so that the layer needs no id library.
const IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIidLockBytes = {0x0000000A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

} // namespace

CMemoryLockBytes::CMemoryLockBytes() : m_refs(1)
{
}

HRESULT STDMETHODCALLTYPE CMemoryLockBytes::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (IsEqualIID(riid, kIidUnknown) || IsEqualIID(riid, kIidLockBytes))
    {
        *ppv = static_cast<ILockBytes*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CMemoryLockBytes::AddRef()
{
    return (ULONG)InterlockedIncrement(&m_refs);
}

ULONG STDMETHODCALLTYPE CMemoryLockBytes::Release()
{
    const LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return (ULONG)refs;
}

HRESULT CMemoryLockBytes::Resize(ULONGLONG size)
{
    if (size > kMaxBytes)
        return STG_E_MEDIUMFULL;
    try
    {
        // The vector grows geometrically, so a file made sector by sector
        // is copied a few times, not once per sector.
        m_bytes.resize((size_t)size);
    }
    catch (const std::bad_alloc&)
    {
        return STG_E_INSUFFICIENTMEMORY;
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CMemoryLockBytes::ReadAt(ULARGE_INTEGER offset, void* pv, ULONG cb, ULONG* pcbRead)
{
    if (pv == NULL)
        return STG_E_INVALIDPOINTER;
    ULONG got = 0;
    if (offset.QuadPart < m_bytes.size())
    {
        const ULONGLONG left = m_bytes.size() - offset.QuadPart;
        got = (ULONG)(left < cb ? left : cb);
        memcpy(pv, m_bytes.data() + offset.QuadPart, got);
    }
    if (pcbRead)
        *pcbRead = got;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CMemoryLockBytes::WriteAt(ULARGE_INTEGER offset, const void* pv, ULONG cb,
    ULONG* pcbWritten)
{
    if (pcbWritten)
        *pcbWritten = 0;
    if (pv == NULL)
        return STG_E_INVALIDPOINTER;
    const ULONGLONG end = offset.QuadPart + cb;
    if (end > m_bytes.size())
    {
        HRESULT hr = Resize(end);
        if (FAILED(hr))
            return hr;
    }
    memcpy(m_bytes.data() + offset.QuadPart, pv, cb);
    if (pcbWritten)
        *pcbWritten = cb;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CMemoryLockBytes::Flush()
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CMemoryLockBytes::SetSize(ULARGE_INTEGER cb)
{
    return Resize(cb.QuadPart);
}

// Nobody else sees these bytes: there is nothing to lock against.
HRESULT STDMETHODCALLTYPE CMemoryLockBytes::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

HRESULT STDMETHODCALLTYPE CMemoryLockBytes::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

HRESULT STDMETHODCALLTYPE CMemoryLockBytes::Stat(STATSTG* stat, DWORD)
{
    if (stat == NULL)
        return STG_E_INVALIDPOINTER;
    memset(stat, 0, sizeof *stat);
    stat->type = STGTY_LOCKBYTES;
    stat->cbSize.QuadPart = m_bytes.size();
    stat->grfLocksSupported = 0;
    return S_OK;
}
