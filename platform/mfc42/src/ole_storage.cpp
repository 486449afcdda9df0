// Storage errors as file errors, and the root storage of a compound file.
#include "afxolestg.h"
#include <vector>

namespace {

// WCHAR is two bytes while the C++ library's wchar_t strings are built for
// four, so wide text lives in plain WCHAR vectors here.
std::vector<WCHAR> Wide(LPCSTR psz)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    std::vector<WCHAR> w(n > 0 ? n : 1, 0);
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, psz, -1, w.data(), n);
    return w;
}

CString FullPath(LPCSTR lpszPath)
{
    char full[MAX_PATH];
    DWORD n = ::GetFullPathNameA(lpszPath, sizeof(full), full, NULL);
    return (n > 0 && n < sizeof(full)) ? CString(full) : CString(lpszPath);
}

} // namespace

int AFXAPI AfxStorageErrorToCause(SCODE sc)
{
    if (SUCCEEDED(sc))
        return CFileException::none;
    switch (sc)
    {
    case STG_E_INVALIDHEADER:
    case STG_E_INVALIDNAME:
    case STG_E_UNKNOWN:
    case STG_E_UNIMPLEMENTEDFUNCTION:
    case STG_E_INVALIDFLAG:
    case STG_E_OLDFORMAT:
    case STG_E_OLDDLL:
    case STG_E_DOCFILECORRUPT:
    case STG_E_FILEALREADYEXISTS:   // what opening a file that is no compound file answers
        return CFileException::invalidFile;
    case STG_E_REVERTED:
    case STG_E_NOTCURRENT:
        return CFileException::generic;
    case E_OUTOFMEMORY:
        return CFileException::generic;
    }
    // The storage facility's low codes, like Win32's, are the system's
    // error numbers (STG_E_FILENOTFOUND is ERROR_FILE_NOT_FOUND, ...).
    if (HRESULT_FACILITY(sc) == FACILITY_STORAGE || HRESULT_FACILITY(sc) == FACILITY_WIN32)
    {
        int cause = CFileException::OsErrorToException(HRESULT_CODE(sc));
        if (cause != CFileException::none)
            return cause;
    }
    return CFileException::generic;
}

void AFXAPI AfxFillStorageException(CFileException* pError, SCODE sc, LPCSTR lpszName)
{
    if (pError == NULL)
        return;
    pError->m_cause = AfxStorageErrorToCause(sc);
    pError->m_lOsError = sc;
    pError->m_strFileName = lpszName ? lpszName : "";
}

void AFXAPI AfxThrowStorageException(SCODE sc, LPCSTR lpszName)
{
    AfxThrowFileException(AfxStorageErrorToCause(sc), sc, lpszName);
}

COleRootStorage::COleRootStorage() : m_lpStorage(NULL)
{
}

COleRootStorage::~COleRootStorage()
{
    Release();
}

BOOL COleRootStorage::Create(LPCSTR lpszPath, CFileException* pError)
{
    Release();
    CString path = FullPath(lpszPath);
    LPSTORAGE lpStorage = NULL;
    SCODE sc = ::StgCreateDocfile(Wide(path).data(), STGM_CREATE | openMode, 0, &lpStorage);
    if (FAILED(sc))
    {
        AfxFillStorageException(pError, sc, lpszPath);
        return FALSE;
    }
    Attach(lpStorage, path);
    return TRUE;
}

BOOL COleRootStorage::CreateTemporary(CFileException* pError)
{
    Release();
    LPSTORAGE lpStorage = NULL;
    SCODE sc = ::StgCreateDocfile(NULL, STGM_CREATE | openMode | STGM_DELETEONRELEASE, 0, &lpStorage);
    if (FAILED(sc))
    {
        AfxFillStorageException(pError, sc, NULL);
        return FALSE;
    }
    Attach(lpStorage);
    return TRUE;
}

BOOL COleRootStorage::Open(LPCSTR lpszPath, DWORD grfMode, CFileException* pError)
{
    Release();
    CString path = FullPath(lpszPath);
    LPSTORAGE lpStorage = NULL;
    SCODE sc = ::StgOpenStorage(Wide(path).data(), NULL, grfMode, NULL, 0, &lpStorage);
    if (FAILED(sc))
    {
        AfxFillStorageException(pError, sc, lpszPath);
        return FALSE;
    }
    Attach(lpStorage, path);
    return TRUE;
}

void COleRootStorage::Attach(LPSTORAGE lpStorage, LPCSTR lpszPath)
{
    Release();
    m_lpStorage = lpStorage;
    m_strPath = lpszPath ? FullPath(lpszPath) : CString();
}

LPSTORAGE COleRootStorage::Detach()
{
    LPSTORAGE lpStorage = m_lpStorage;
    m_lpStorage = NULL;
    m_strPath.Empty();
    return lpStorage;
}

void COleRootStorage::SetClassID(REFCLSID clsid)
{
    if (m_lpStorage == NULL)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strPath);
    SCODE sc = m_lpStorage->SetClass(clsid);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strPath);
}

void COleRootStorage::Commit()
{
    if (m_lpStorage == NULL)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strPath);
    SCODE sc = m_lpStorage->Commit(STGC_DEFAULT);
    if (FAILED(sc))
        AfxThrowStorageException(sc, m_strPath);
}

BOOL COleRootStorage::GetClassID(CLSID& clsid) const
{
    STATSTG stat;
    if (m_lpStorage == NULL || FAILED(m_lpStorage->Stat(&stat, STATFLAG_NONAME)))
        return FALSE;
    clsid = stat.clsid;
    return TRUE;
}

void COleRootStorage::Release()
{
    if (m_lpStorage != NULL)
        m_lpStorage->Release();
    m_lpStorage = NULL;
    m_strPath.Empty();
}

BOOL COleRootStorage::ReadClassID(LPCSTR lpszPath, CLSID& clsid)
{
    COleRootStorage root;
    return (root.Open(lpszPath, openMode) || root.Open(lpszPath, readOnlyMode)) && root.GetClassID(clsid);
}
