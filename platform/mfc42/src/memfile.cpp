// CMemFile and CSharedFile: files held in memory.
#include "afx.h"
#include <stdlib.h>

IMPLEMENT_DYNAMIC(CMemFile, CFile)
IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

// ------------------------------------------------------------------ CMemFile

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    // Runs CMemFile's own Close and Free; CSharedFile has closed itself by now.
    Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = lpBuffer;
    m_nGrowBytes = nGrowBytes;
    m_nBufferSize = lpBuffer ? nBufferSize : 0;
    m_nFileSize = nGrowBytes == 0 ? m_nBufferSize : 0;
    m_nPosition = 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = NULL;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;   // whatever block comes next is ours again
    return lpBuffer;
}

BOOL CMemFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus.m_ctime = CTime();
    rStatus.m_mtime = CTime();
    rStatus.m_atime = CTime();
    rStatus.m_size = (LONG)m_nFileSize;
    rStatus.m_attribute = normal;
    rStatus._m_padding = 0;
    rStatus.m_szFullName[0] = '\0';
    return TRUE;
}

BYTE* CMemFile::Alloc(DWORD nBytes)
{
    return (BYTE*)malloc(nBytes);
}

BYTE* CMemFile::Realloc(BYTE* lpMem, DWORD nBytes)
{
    return (BYTE*)realloc(lpMem, nBytes);
}

BYTE* CMemFile::Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, UINT nBytes)
{
    return (BYTE*)memcpy(lpMemTarget, lpMemSource, nBytes);
}

void CMemFile::Free(BYTE* lpMem)
{
    free(lpMem);
}

void CMemFile::GrowFile(DWORD dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    ULONGLONG steps = ((ULONGLONG)dwNewLen - m_nBufferSize + m_nGrowBytes - 1) / m_nGrowBytes;
    ULONGLONG newSize = m_nBufferSize + steps * m_nGrowBytes;
    if (newSize > 0xFFFFFFFFull)
        newSize = dwNewLen;     // the last step would not fit in 32 bits
    BYTE* p = m_lpBuffer ? Realloc(m_lpBuffer, (DWORD)newSize) : Alloc((DWORD)newSize);
    if (!p)
        AfxThrowMemoryException();
    m_lpBuffer = p;
    m_nBufferSize = (DWORD)newSize;
}

DWORD CMemFile::GetPosition() const
{
    return m_nPosition;
}

LONG CMemFile::Seek(LONG lOff, UINT nFrom)
{
    LONGLONG base;
    switch (nFrom)
    {
    case begin: base = 0; break;
    case current: base = m_nPosition; break;
    case end: base = m_nFileSize; break;
    default: AfxThrowFileException(CFileException::badSeek);
    }
    LONGLONG target = base + lOff;
    if (target < 0 || target > 0xFFFFFFFFll)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = (DWORD)target;
    return (LONG)m_nPosition;
}

DWORD CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(DWORD dwNewLen)
{
    if (dwNewLen > m_nBufferSize)
        GrowFile(dwNewLen);
    if (dwNewLen > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = dwNewLen;
    m_nFileSize = dwNewLen;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    UINT nRead = nCount;
    if (nRead > m_nFileSize - m_nPosition)
        nRead = m_nFileSize - m_nPosition;
    Memcpy((BYTE*)lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    ULONGLONG newEnd = (ULONGLONG)m_nPosition + nCount;
    if (newEnd > 0xFFFFFFFFull)
        AfxThrowMemoryException();
    if (newEnd > m_nBufferSize)
        GrowFile((DWORD)newEnd);
    // A seek past the end left a gap: it reads back as zeros.
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    Memcpy(m_lpBuffer + m_nPosition, (const BYTE*)lpBuf, nCount);
    m_nPosition = (DWORD)newEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

void CMemFile::LockRange(DWORD, DWORD)
{
    AfxThrowNotSupportedException();
}

void CMemFile::UnlockRange(DWORD, DWORD)
{
    AfxThrowNotSupportedException();
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    Detach();
}

void CMemFile::Abort()
{
    Close();
}

CFile* CMemFile::Duplicate() const
{
    AfxThrowNotSupportedException();
}

// --------------------------------------------------------------- CSharedFile

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(NULL), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    // Here, while Free still means GlobalFree.
    Close();
}

BYTE* CSharedFile::Alloc(DWORD nBytes)
{
    HGLOBAL h = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (!h)
        return NULL;
    BYTE* p = (BYTE*)::GlobalLock(h);
    if (!p)
    {
        ::GlobalFree(h);
        return NULL;
    }
    m_hGlobalMemory = h;
    return p;
}

BYTE* CSharedFile::Realloc(BYTE*, DWORD nBytes)
{
    if (!m_bAllowGrow || !m_hGlobalMemory)
        return NULL;
    ::GlobalUnlock(m_hGlobalMemory);
    HGLOBAL h = ::GlobalReAlloc(m_hGlobalMemory, nBytes, m_nAllocFlags | GMEM_MOVEABLE);
    if (!h)
    {
        // The old block is intact; lock it again so the file stays usable.
        ::GlobalLock(m_hGlobalMemory);
        return NULL;
    }
    m_hGlobalMemory = h;
    return (BYTE*)::GlobalLock(h);
}

void CSharedFile::Free(BYTE*)
{
    if (!m_hGlobalMemory)
        return;
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = NULL;
}

void CSharedFile::Close()
{
    // A caller's block (SetHandle) is only unlocked, never freed.
    if (m_hGlobalMemory && !m_bAutoDelete)
    {
        ::GlobalUnlock(m_hGlobalMemory);
        m_hGlobalMemory = NULL;
        m_lpBuffer = NULL;
    }
    CMemFile::Close();
    m_bAllowGrow = TRUE;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL h = m_hGlobalMemory;
    if (h)
        ::GlobalUnlock(h);
    m_hGlobalMemory = NULL;
    CMemFile::Detach();
    m_bAllowGrow = TRUE;
    return h;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    Close();
    if (!hGlobalMemory)
        return;
    BYTE* p = (BYTE*)::GlobalLock(hGlobalMemory);
    if (!p)
        AfxThrowMemoryException();
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = p;
    m_nBufferSize = m_nFileSize = (DWORD)::GlobalSize(hGlobalMemory);
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
    m_bAutoDelete = FALSE;
}
