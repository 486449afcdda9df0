// CFile: binary files on Win32 file handles.
#include "afx.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

// Throws for the calling thread's last error; a failure that left no error
// code still throws (generic) rather than passing silently.
[[noreturn]] void ThrowLastError(LPCSTR lpszFileName)
{
    DWORD err = ::GetLastError();
    if (err == NO_ERROR)
        AfxThrowFileException(CFileException::generic, -1, lpszFileName);
    CFileException::ThrowOsError((LONG)err, lpszFileName);
    AfxThrowFileException(CFileException::generic, (LONG)err, lpszFileName);
}

CTime FileTimeToTime(const FILETIME& ft)
{
    ULONGLONG ticks = ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    if (ticks == 0)
        return CTime();
    // 100 ns ticks since 1601 to seconds since 1970.
    const LONGLONG kEpochDifference = 116444736000000000LL;
    return CTime((time_t)(((LONGLONG)ticks - kEpochDifference) / 10000000LL));
}

FILETIME TimeToFileTime(const CTime& t)
{
    ULONGLONG ticks = (ULONGLONG)((LONGLONG)t.GetTime() * 10000000LL + 116444736000000000LL);
    FILETIME ft;
    ft.dwLowDateTime = (DWORD)ticks;
    ft.dwHighDateTime = (DWORD)(ticks >> 32);
    return ft;
}

// The attribute bits CFileStatus carries (FILE_ATTRIBUTE_NORMAL is 0x80 and
// means "none of them").
const DWORD kStatusAttributes = 0x3F;

void CopyName(char (&dest)[_MAX_PATH], LPCSTR src)
{
    size_t n = src ? strlen(src) : 0;
    if (n >= _MAX_PATH)
        n = _MAX_PATH - 1;
    if (n)
        memcpy(dest, src, n);
    dest[n] = '\0';
}

void ClearStatus(CFileStatus& rStatus)
{
    rStatus.m_ctime = CTime();
    rStatus.m_mtime = CTime();
    rStatus.m_atime = CTime();
    rStatus.m_size = 0;
    rStatus.m_attribute = 0;
    rStatus._m_padding = 0;
    rStatus.m_szFullName[0] = '\0';
}

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();

    auto fail = [&](LONG lOsError) {
        if (pError)
        {
            pError->m_cause = CFileException::OsErrorToException(lOsError);
            pError->m_lOsError = lOsError;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    };

    if (!lpszFileName || !*lpszFileName)
        return fail(ERROR_PATH_NOT_FOUND);

    DWORD access;
    switch (nOpenFlags & 3)
    {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: return fail(ERROR_INVALID_PARAMETER);
    }

    DWORD share;
    switch (nOpenFlags & 0x70)
    {
    case shareCompat:       // compatibility mode has no Win32 meaning: exclusive
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: return fail(ERROR_INVALID_PARAMETER);
    }

    SECURITY_ATTRIBUTES sa;
    sa.nLength = sizeof(sa);
    sa.lpSecurityDescriptor = NULL;
    sa.bInheritHandle = (nOpenFlags & modeNoInherit) == 0;

    DWORD creation;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    else
        creation = OPEN_EXISTING;

    HANDLE h = ::CreateFileA(lpszFileName, access, share, &sa, creation, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
    {
        DWORD err = ::GetLastError();
        return fail(err ? (LONG)err : (LONG)ERROR_GEN_FAILURE);
    }

    char fullPath[_MAX_PATH];
    DWORD n = ::GetFullPathNameA(lpszFileName, sizeof(fullPath), fullPath, NULL);
    m_strFileName = (n > 0 && n < sizeof(fullPath)) ? fullPath : lpszFileName;
    m_hFile = h;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

DWORD CFile::GetPosition() const
{
    LONG high = 0;
    ::SetLastError(NO_ERROR);
    DWORD low = ::SetFilePointer(m_hFile, 0, &high, FILE_CURRENT);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        ThrowLastError(m_strFileName);
    return low;
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    DWORD method;
    switch (nFrom)
    {
    case begin: method = FILE_BEGIN; break;
    case current: method = FILE_CURRENT; break;
    case end: method = FILE_END; break;
    default: AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
    }
    // The high part carries the sign, so a negative offset moves backwards
    // and a target before the start fails instead of wrapping to 4 GiB.
    LONG high = lOff < 0 ? -1 : 0;
    ::SetLastError(NO_ERROR);
    DWORD low = ::SetFilePointer(m_hFile, lOff, &high, method);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
    {
        DWORD err = ::GetLastError();
        if (err == ERROR_NEGATIVE_SEEK || err == ERROR_INVALID_PARAMETER)
            AfxThrowFileException(CFileException::badSeek, (LONG)err, m_strFileName);
        ThrowLastError(m_strFileName);
    }
    return (LONG)low;
}

DWORD CFile::GetLength() const
{
    DWORD high = 0;
    ::SetLastError(NO_ERROR);
    DWORD low = ::GetFileSize(m_hFile, &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        ThrowLastError(m_strFileName);
    return low;
}

void CFile::SetLength(DWORD dwNewLen)
{
    LONG high = 0;
    ::SetLastError(NO_ERROR);
    DWORD low = ::SetFilePointer(m_hFile, (LONG)dwNewLen, &high, FILE_BEGIN);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        ThrowLastError(m_strFileName);
    if (!::SetEndOfFile(m_hFile))
        ThrowLastError(m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD nRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &nRead, NULL))
        ThrowLastError(m_strFileName);
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, NULL))
        ThrowLastError(m_strFileName);
    if (nWritten < nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::LockRange(DWORD dwPos, DWORD dwCount)
{
    if (!::LockFile(m_hFile, dwPos, 0, dwCount, 0))
        ThrowLastError(m_strFileName);
}

void CFile::UnlockRange(DWORD dwPos, DWORD dwCount)
{
    if (!::UnlockFile(m_hFile, dwPos, 0, dwCount, 0))
        ThrowLastError(m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!::FlushFileBuffers(m_hFile))
        ThrowLastError(m_strFileName);
}

void CFile::Close()
{
    BOOL ok = TRUE;
    DWORD err = NO_ERROR;
    if (m_hFile != hFileNull && !::CloseHandle(m_hFile))
    {
        ok = FALSE;
        err = ::GetLastError();
    }
    CString name = m_strFileName;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (!ok)
    {
        ::SetLastError(err);
        ThrowLastError(name);
    }
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CFile::Duplicate() const
{
    if (m_hFile == hFileNull)
        return NULL;
    HANDLE hDup = NULL;
    HANDLE hProcess = ::GetCurrentProcess();
    if (!::DuplicateHandle(hProcess, m_hFile, hProcess, &hDup, 0, FALSE, DUPLICATE_SAME_ACCESS))
        ThrowLastError(m_strFileName);
    CFile* pFile = new CFile(hDup);
    pFile->m_bCloseOnDelete = TRUE;     // the duplicate handle is the copy's own
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

CString CFile::GetFileName() const
{
    int n = m_strFileName.GetLength();
    int start = n;
    while (start > 0)
    {
        char c = m_strFileName[start - 1];
        if (c == '\\' || c == '/' || c == ':')
            break;
        --start;
    }
    return m_strFileName.Mid(start);
}

CString CFile::GetFileTitle() const
{
    // The name without its extension; a name that is only an extension
    // (".profile") stays whole.
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

void CFile::SetFilePath(LPCSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    ClearStatus(rStatus);
    CopyName(rStatus.m_szFullName, m_strFileName);
    if (m_hFile == hFileNull)
        return FALSE;
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    rStatus.m_ctime = FileTimeToTime(info.ftCreationTime);
    rStatus.m_mtime = FileTimeToTime(info.ftLastWriteTime);
    rStatus.m_atime = FileTimeToTime(info.ftLastAccessTime);
    rStatus.m_size = (LONG)info.nFileSizeLow;
    rStatus.m_attribute = (BYTE)(info.dwFileAttributes & kStatusAttributes);
    return TRUE;
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus)
{
    ClearStatus(rStatus);
    if (!lpszFileName || !*lpszFileName)
        return FALSE;
    DWORD n = ::GetFullPathNameA(lpszFileName, _MAX_PATH, rStatus.m_szFullName, NULL);
    if (n == 0 || n >= _MAX_PATH)
    {
        rStatus.m_szFullName[0] = '\0';
        return FALSE;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    rStatus.m_ctime = FileTimeToTime(data.ftCreationTime);
    rStatus.m_mtime = FileTimeToTime(data.ftLastWriteTime);
    rStatus.m_atime = FileTimeToTime(data.ftLastAccessTime);
    rStatus.m_size = (LONG)data.nFileSizeLow;
    rStatus.m_attribute = (BYTE)(data.dwFileAttributes & kStatusAttributes);
    return TRUE;
}

void CFile::SetStatus(LPCSTR lpszFileName, const CFileStatus& rStatus)
{
    DWORD current = ::GetFileAttributesA(lpszFileName);
    if (current == INVALID_FILE_ATTRIBUTES)
        ThrowLastError(lpszFileName);

    const CTime zero;
    if (rStatus.m_ctime != zero || rStatus.m_mtime != zero || rStatus.m_atime != zero)
    {
        // A read-only file refuses new times; lift the flag while setting them.
        if (current & FILE_ATTRIBUTE_READONLY)
            ::SetFileAttributesA(lpszFileName, current & ~FILE_ATTRIBUTE_READONLY);
        HANDLE h = ::CreateFileA(lpszFileName, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 NULL, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
        if (h == INVALID_HANDLE_VALUE)
            ThrowLastError(lpszFileName);
        FILETIME c = TimeToFileTime(rStatus.m_ctime);
        FILETIME a = TimeToFileTime(rStatus.m_atime);
        FILETIME m = TimeToFileTime(rStatus.m_mtime);
        BOOL ok = ::SetFileTime(h, rStatus.m_ctime != zero ? &c : NULL, rStatus.m_atime != zero ? &a : NULL,
                                rStatus.m_mtime != zero ? &m : NULL);
        DWORD err = ::GetLastError();
        ::CloseHandle(h);
        if (!ok)
        {
            ::SetLastError(err);
            ThrowLastError(lpszFileName);
        }
    }

    // Only the bits a caller may set; directory and volume are facts.
    DWORD settable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                     FILE_ATTRIBUTE_ARCHIVE;
    DWORD attributes = rStatus.m_attribute & settable;
    if (!::SetFileAttributesA(lpszFileName, attributes ? attributes : FILE_ATTRIBUTE_NORMAL))
        ThrowLastError(lpszFileName);
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        ThrowLastError(lpszOldName);
}

void CFile::Remove(LPCSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        ThrowLastError(lpszFileName);
}
