// A byte array in memory under a compound file. The storage writes a
// sector at a time and updates its tables with small writes between them;
// on a file each of those is a system call, in memory a copy.
#pragma once
#include "afxolestg.h"
#include <vector>

class CMemoryLockBytes final : public ILockBytes
{
public:
    // The object starts with one reference, the caller's.
    CMemoryLockBytes();

    // The bytes written so far, as a file of them would hold them.
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE ReadAt(ULARGE_INTEGER offset, void* pv, ULONG cb, ULONG* pcbRead) override;
    HRESULT STDMETHODCALLTYPE WriteAt(ULARGE_INTEGER offset, const void* pv, ULONG cb, ULONG* pcbWritten) override;
    HRESULT STDMETHODCALLTYPE Flush() override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER cb) override;
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER cb, DWORD type) override;
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER cb, DWORD type) override;
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;

private:
    ~CMemoryLockBytes() = default;
    HRESULT Resize(ULONGLONG size);

    LONG m_refs;
    std::vector<BYTE> m_bytes;
};
