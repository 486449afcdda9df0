// COleStreamFile: CFile's interface on an IStream, so that archives read
// and write the named streams of a compound file.
#include "afxolestg.h"

IMPLEMENT_DYNAMIC(COleStreamFile, CFile)

namespace {

// CFile's mode and share bits are the storage's own (modeRead STGM_READ,
// shareExclusive STGM_SHARE_EXCLUSIVE, modeCreate STGM_CREATE, ...); the
// rest have no meaning for a stream.
const DWORD kStgmBits = CFile::modeRead | CFile::modeWrite | CFile::modeReadWrite | CFile::modeCreate;

DWORD StreamMode(DWORD nOpenFlags)
{
    return (nOpenFlags & kStgmBits) | STGM_SHARE_EXCLUSIVE;
}

// A stream's name as the storage takes it: at most 31 characters, a
// longer one is refused there. (WCHAR is two bytes while the C++ library's
// wchar_t strings are built for four, hence the plain array.)
struct WideName
{
    explicit WideName(LPCSTR psz)
    {
        if (!::MultiByteToWideChar(CP_ACP, 0, psz ? psz : "", -1, text, MAX_PATH))
            text[0] = 0;
    }
    WCHAR text[MAX_PATH];
};

void CheckStream(LPSTREAM lpStream)
{
    if (lpStream == NULL)
        AfxThrowFileException(CFileException::invalidFile);
}

void ChangeLock(LPSTREAM lpStream, const CString& name, DWORD dwPos, DWORD dwCount, bool lock)
{
    CheckStream(lpStream);
    ULARGE_INTEGER pos, count;
    pos.QuadPart = dwPos;
    count.QuadPart = dwCount;
    SCODE sc = lock ? lpStream->LockRegion(pos, count, LOCK_EXCLUSIVE) : lpStream->UnlockRegion(pos, count, LOCK_EXCLUSIVE);
    if (FAILED(sc))
        AfxThrowStorageException(sc, name);
}

} // namespace

COleStreamFile::COleStreamFile(LPSTREAM lpStream) : m_lpStream(lpStream)
{
}

COleStreamFile::~COleStreamFile()
{
    Abort();
}

void COleStreamFile::Attach(LPSTREAM lpStream)
{
    Abort();
    m_lpStream = lpStream;
}

LPSTREAM COleStreamFile::Detach()
{
    LPSTREAM lpStream = m_lpStream;
    m_lpStream = NULL;
    m_strFileName.Empty();
    return lpStream;
}

BOOL COleStreamFile::OpenStream(LPSTORAGE lpStorage, LPCSTR lpszStreamName, DWORD nOpenFlags,
    CFileException* pError)
{
    Abort();
    if (lpStorage == NULL)
    {
        AfxFillStorageException(pError, STG_E_INVALIDPOINTER, lpszStreamName);
        return FALSE;
    }
    LPSTREAM lpStream = NULL;
    SCODE sc = lpStorage->OpenStream(WideName(lpszStreamName).text, NULL,
        StreamMode(nOpenFlags) & ~(DWORD)STGM_CREATE, 0, &lpStream);
    if (FAILED(sc))
    {
        AfxFillStorageException(pError, sc, lpszStreamName);
        return FALSE;
    }
    m_lpStream = lpStream;
    m_strFileName = lpszStreamName;
    return TRUE;
}

BOOL COleStreamFile::CreateStream(LPSTORAGE lpStorage, LPCSTR lpszStreamName, DWORD nOpenFlags,
    CFileException* pError)
{
    if ((nOpenFlags & modeNoTruncate)
        && OpenStream(lpStorage, lpszStreamName, nOpenFlags & ~(DWORD)modeNoTruncate, NULL))
        return TRUE;
    Abort();
    if (lpStorage == NULL)
    {
        AfxFillStorageException(pError, STG_E_INVALIDPOINTER, lpszStreamName);
        return FALSE;
    }
    LPSTREAM lpStream = NULL;
    SCODE sc = lpStorage->CreateStream(WideName(lpszStreamName).text, StreamMode(nOpenFlags), 0, 0,
        &lpStream);
    if (FAILED(sc))
    {
        AfxFillStorageException(pError, sc, lpszStreamName);
        return FALSE;
    }
    m_lpStream = lpStream;
    m_strFileName = lpszStreamName;
    return TRUE;
}

BOOL COleStreamFile::CreateMemoryStream(CFileException* pError)
{
    Abort();
    LPSTREAM lpStream = NULL;
    SCODE sc = ::CreateStreamOnHGlobal(NULL, TRUE, &lpStream);
    if (FAILED(sc))
    {
        AfxFillStorageException(pError, sc, NULL);
        return FALSE;
    }
    m_lpStream = lpStream;
    return TRUE;
}

DWORD COleStreamFile::GetPosition() const
{
    CheckStream(m_lpStream);
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    ULARGE_INTEGER pos;
    SCODE sc = m_lpStream->Seek(zero, STREAM_SEEK_CUR, &pos);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strFileName);
    return (DWORD)pos.QuadPart;
}

LONG COleStreamFile::Seek(LONG lOff, UINT nFrom)
{
    CheckStream(m_lpStream);
    static_assert((int)begin == STREAM_SEEK_SET && (int)current == STREAM_SEEK_CUR && (int)end == STREAM_SEEK_END,
        "CFile's seek origins are the stream's");
    LARGE_INTEGER move;
    move.QuadPart = lOff;
    ULARGE_INTEGER pos;
    SCODE sc = m_lpStream->Seek(move, nFrom, &pos);
    if (FAILED(sc))
        AfxThrowFileException(CFileException::badSeek, sc, m_strFileName);
    return (LONG)pos.QuadPart;
}

DWORD COleStreamFile::GetLength() const
{
    CheckStream(m_lpStream);
    STATSTG stat;
    SCODE sc = m_lpStream->Stat(&stat, STATFLAG_NONAME);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strFileName);
    return (DWORD)stat.cbSize.QuadPart;
}

void COleStreamFile::SetLength(DWORD dwNewLen)
{
    CheckStream(m_lpStream);
    ULARGE_INTEGER size;
    size.QuadPart = dwNewLen;
    SCODE sc = m_lpStream->SetSize(size);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strFileName);
    Seek(0, end);
}

UINT COleStreamFile::Read(void* lpBuf, UINT nCount)
{
    CheckStream(m_lpStream);
    ULONG got = 0;
    SCODE sc = m_lpStream->Read(lpBuf, nCount, &got);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strFileName);
    return got;
}

void COleStreamFile::Write(const void* lpBuf, UINT nCount)
{
    CheckStream(m_lpStream);
    ULONG put = 0;
    SCODE sc = m_lpStream->Write(lpBuf, nCount, &put);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strFileName);
    if (put != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void COleStreamFile::LockRange(DWORD dwPos, DWORD dwCount)
{
    ChangeLock(m_lpStream, m_strFileName, dwPos, dwCount, true);
}

void COleStreamFile::UnlockRange(DWORD dwPos, DWORD dwCount)
{
    ChangeLock(m_lpStream, m_strFileName, dwPos, dwCount, false);
}

void COleStreamFile::Flush()
{
    CheckStream(m_lpStream);
    SCODE sc = m_lpStream->Commit(STGC_DEFAULT);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strFileName);
}

void COleStreamFile::Close()
{
    if (m_lpStream == NULL)
        return;
    SCODE sc = m_lpStream->Commit(STGC_DEFAULT);
    CString name = m_strFileName;
    Abort();
    if (FAILED(sc))
        AfxThrowStorageException(sc, name);
}

void COleStreamFile::Abort()
{
    if (m_lpStream != NULL)
        m_lpStream->Release();
    m_lpStream = NULL;
    m_strFileName.Empty();
}

CFile* COleStreamFile::Duplicate() const
{
    CheckStream(m_lpStream);
    LPSTREAM lpClone = NULL;
    SCODE sc = m_lpStream->Clone(&lpClone);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strFileName);
    COleStreamFile* pFile = new COleStreamFile(lpClone);
    pFile->m_strFileName = m_strFileName;
    return pFile;
}
