// Saving a compound file through a temporary beside the target, which
// replaces the target only once it is complete on the disk.
#include "afxolestg.h"
#include "ole_memory_bytes.h"
#include <algorithm>

namespace {

const char kTempPrefix[] = "~zt";
// Names tried before giving up on a folder crowded with temporaries.
const int kTempNameTries = 100;
// The most one system call writes.
const size_t kWriteChunk = 1 << 24;

CString FullPath(LPCSTR lpszPath)
{
    char full[MAX_PATH];
    DWORD n = ::GetFullPathNameA(lpszPath, sizeof(full), full, NULL);
    return (n > 0 && n < sizeof(full)) ? CString(full) : CString(lpszPath);
}

CString FolderOf(const CString& fullPath)
{
    int slash = std::max(fullPath.ReverseFind('\\'), fullPath.ReverseFind('/'));
    return slash < 0 ? CString(".") : fullPath.Left(slash + 1);
}

[[noreturn]] void ThrowLastError(LPCSTR lpszName)
{
    DWORD err = ::GetLastError();
    CFileException::ThrowOsError(err != NO_ERROR ? err : ERROR_GEN_FAILURE, lpszName);
    AfxThrowFileException(CFileException::generic, -1, lpszName);
}

// Writes the compound file's bytes into the (empty) temporary and makes them
// durable before the rename publishes them; a crash after the rename must
// not leave a hollow file.
void WriteToDisk(LPCSTR lpszPath, const std::vector<BYTE>& bytes)
{
    HANDLE h = ::CreateFileA(lpszPath, GENERIC_WRITE, 0, NULL, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        ThrowLastError(lpszPath);
    size_t done = 0;
    BOOL ok = TRUE;
    while (ok && done < bytes.size())
    {
        DWORD put = 0;
        const DWORD part = (DWORD)std::min<size_t>(bytes.size() - done, kWriteChunk);
        ok = ::WriteFile(h, bytes.data() + done, part, &put, NULL);
        if (ok && put == 0)
        {
            ::SetLastError(ERROR_DISK_FULL);
            ok = FALSE;
        }
        done += put;
    }
    ok = ok && ::FlushFileBuffers(h);
    DWORD err = ::GetLastError();
    ::CloseHandle(h);
    if (!ok)
    {
        ::SetLastError(err);
        ThrowLastError(lpszPath);
    }
}

// Creates an empty file of a new name in the folder and answers its path.
// (GetTempFileName is no help here: it answers a name even when the
// folder refuses the file.)
CString CreateTempFileIn(const CString& folder, LPCSTR lpszTarget)
{
    DWORD seed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
    for (int i = 0; i < kTempNameTries; ++i)
    {
        char name[32];
        wsprintfA(name, "%s%05lX.tmp", kTempPrefix, (unsigned long)((seed + i) & 0xFFFFF));
        CString path = folder + name;
        HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
        if (h != INVALID_HANDLE_VALUE)
        {
            ::CloseHandle(h);
            return path;
        }
        DWORD err = ::GetLastError();
        if (err != ERROR_FILE_EXISTS && err != ERROR_ALREADY_EXISTS)
            ThrowLastError(lpszTarget);
    }
    AfxThrowFileException(CFileException::directoryFull, -1, lpszTarget);
}

} // namespace

COleSafeSave::COleSafeSave() : m_pBytes(NULL)
{
}

COleSafeSave::~COleSafeSave()
{
    Abandon();
}

void COleSafeSave::Begin(LPCSTR lpszTarget, REFCLSID clsid)
{
    Abandon();
    m_strTarget = FullPath(lpszTarget);
    DWORD attributes = ::GetFileAttributesA(m_strTarget);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        AfxThrowFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, m_strTarget);

    m_strTemp = CreateTempFileIn(FolderOf(m_strTarget), m_strTarget);
    m_pBytes = new CMemoryLockBytes;
    LPSTORAGE lpStorage = NULL;
    SCODE sc = ::StgCreateDocfileOnILockBytes(m_pBytes, STGM_CREATE | COleRootStorage::openMode, 0, &lpStorage);
    if (FAILED(sc))
    {
        Abandon();
        AfxThrowFileException(AfxStorageErrorToCause(sc), sc, m_strTarget);
    }
    m_temp.Attach(lpStorage);
    try
    {
        m_temp.SetClassID(clsid);
    }
    catch (CException*)
    {
        Abandon();
        throw;
    }
}

void COleSafeSave::Finish(COleRootStorage* pRoot, DWORD grfMode)
{
    if (m_temp.GetStorage() == NULL)
        AfxThrowFileException(CFileException::generic, -1, m_strTarget);
    BOOL bRootOnTarget = FALSE;
    try
    {
        m_temp.Commit();
        m_temp.Release();
        WriteToDisk(m_strTemp, m_pBytes->Bytes());
        m_pBytes->Release();
        m_pBytes = NULL;
        // The system refuses to replace a file that is open; the caller's
        // storage on the target lets it go for the moment of the rename.
        bRootOnTarget = pRoot != NULL && pRoot->GetStorage() != NULL
            && pRoot->GetPath().CompareNoCase(m_strTarget) == 0;
        if (bRootOnTarget)
            pRoot->Release();
        if (!::MoveFileExA(m_strTemp, m_strTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            ThrowLastError(m_strTarget);
    }
    catch (CException*)
    {
        Abandon();
        if (bRootOnTarget)
            pRoot->Open(m_strTarget, grfMode);
        throw;
    }
    m_strTemp.Empty();
    if (pRoot != NULL)
        pRoot->Open(m_strTarget, grfMode);
}

void COleSafeSave::Abandon()
{
    m_temp.Release();
    if (m_pBytes != NULL)
        m_pBytes->Release();
    m_pBytes = NULL;
    if (!m_strTemp.IsEmpty())
        ::DeleteFileA(m_strTemp);
    m_strTemp.Empty();
}

BOOL AFXAPI AfxSaveStorageSafely(LPCSTR lpszTarget, REFCLSID clsid,
    const std::function<void(LPSTORAGE)>& write, COleRootStorage* pRoot, CException** ppError)
{
    if (ppError != NULL)
        *ppError = NULL;
    COleSafeSave save;
    try
    {
        save.Begin(lpszTarget, clsid);
        write(save.GetStorage());
        save.Finish(pRoot);
        return TRUE;
    }
    catch (CException* e)
    {
        save.Abandon();
        if (ppError != NULL)
            *ppError = e;
        else
            e->Delete();
        return FALSE;
    }
}
