// Structured storage for OLE documents, on the system's compound files:
// COleStreamFile (a CFile over an IStream, so a CArchive reads and writes a
// named stream), COleRootStorage (the root storage of a compound file, with
// its class id) and COleSafeSave (writing a compound file in place of
// another without ever losing the one that was there).
//
// Storage errors are reported as CFileException, like every file error:
// the cause is the nearest file cause (AfxStorageErrorToCause) and
// m_lOsError holds the storage's own SCODE.
#pragma once
#include "afx.h"
#include <objbase.h>
#include <functional>

int AFXAPI AfxStorageErrorToCause(SCODE sc);
// Fills *pError (when given) with the cause, the code and the name.
void AFXAPI AfxFillStorageException(CFileException* pError, SCODE sc, LPCSTR lpszName);
[[noreturn]] void AFXAPI AfxThrowStorageException(SCODE sc, LPCSTR lpszName = NULL);

class COleStreamFile : public CFile
{
    DECLARE_DYNAMIC(COleStreamFile)
public:
    // Takes over the caller's reference to lpStream, when given.
    explicit COleStreamFile(LPSTREAM lpStream = NULL);
    // Releases the stream; never throws.
    virtual ~COleStreamFile();

    void Attach(LPSTREAM lpStream);
    // Gives the stream and its reference back to the caller.
    LPSTREAM Detach();
    LPSTREAM GetStream() const { return m_lpStream; }

    // nOpenFlags are CFile's mode and share flags. A stream inside a
    // storage is always opened share-exclusive (the only sharing the
    // system allows there). FALSE on failure, with the cause in *pError.
    BOOL OpenStream(LPSTORAGE lpStorage, LPCSTR lpszStreamName,
        DWORD nOpenFlags = modeReadWrite | shareExclusive, CFileException* pError = NULL);
    // modeCreate replaces an existing stream; with modeNoTruncate an
    // existing stream is opened as it is instead.
    BOOL CreateStream(LPSTORAGE lpStorage, LPCSTR lpszStreamName,
        DWORD nOpenFlags = modeReadWrite | shareExclusive | modeCreate, CFileException* pError = NULL);
    // A stream on growable global memory.
    BOOL CreateMemoryStream(CFileException* pError = NULL);

    virtual DWORD GetPosition() const;
    virtual LONG Seek(LONG lOff, UINT nFrom);
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD dwNewLen);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void LockRange(DWORD dwPos, DWORD dwCount);
    virtual void UnlockRange(DWORD dwPos, DWORD dwCount);
    // Commits the stream (a no-op unless it is transacted).
    virtual void Flush();
    // Releases the stream; throws when the commit fails.
    virtual void Close();
    virtual void Abort();
    // A clone with its own position.
    virtual CFile* Duplicate() const;

protected:
    LPSTREAM m_lpStream;
};

// The root storage of a compound file. The object owns one reference and
// releases it when destroyed.
class COleRootStorage
{
public:
    // How a document keeps its file: readable and writable, by nobody else.
    static const DWORD openMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    // How a file that may not be written is kept: readable, by nobody else.
    static const DWORD readOnlyMode = STGM_READ | STGM_SHARE_EXCLUSIVE;

    COleRootStorage();
    ~COleRootStorage();

    // A new compound file at lpszPath, replacing a file there.
    BOOL Create(LPCSTR lpszPath, CFileException* pError = NULL);
    // A nameless compound file that the system deletes on release, for
    // documents that came from no compound file.
    BOOL CreateTemporary(CFileException* pError = NULL);
    BOOL Open(LPCSTR lpszPath, DWORD grfMode = openMode, CFileException* pError = NULL);

    // Takes over the caller's reference; lpszPath names its file, if any.
    void Attach(LPSTORAGE lpStorage, LPCSTR lpszPath = NULL);
    LPSTORAGE Detach();
    LPSTORAGE GetStorage() const { return m_lpStorage; }
    // The full path of the file, empty for a temporary one.
    const CString& GetPath() const { return m_strPath; }

    // Both throw CFileException.
    void SetClassID(REFCLSID clsid);
    void Commit();
    // FALSE when nothing is open or the storage cannot tell.
    BOOL GetClassID(CLSID& clsid) const;
    void Release();

    // The class id of the compound file at lpszPath, opened share-exclusive
    // for the look (read-write, or read-only when the file may not be
    // written); FALSE when it cannot be opened so.
    static BOOL ReadClassID(LPCSTR lpszPath, CLSID& clsid);

private:
    LPSTORAGE m_lpStorage;
    CString m_strPath;
    COleRootStorage(const COleRootStorage&) = delete;
    void operator=(const COleRootStorage&) = delete;
};

// Saving a compound file so that the file already at the target survives
// every failure: the compound file is made in memory (the storage's many
// small writes cost a copy each there, a system call each on a file), then
// written in one go into a temporary file in the target's folder (so the
// last step is a rename on one file system), which takes the target's place
// only after it was written, committed and flushed to the disk. Until then the old file is untouched; on failure the
// temporary is deleted. A process killed in between leaves the old file
// whole (and at worst a stray temporary "~zt*.tmp" beside it).
class CMemoryLockBytes;

class COleSafeSave
{
public:
    COleSafeSave();
    // Abandons an unfinished save.
    ~COleSafeSave();

    // Creates the (empty) temporary file beside lpszTarget and the compound
    // file in memory, carrying clsid. Refuses a read-only target. Throws CFileException, leaving nothing behind.
    void Begin(LPCSTR lpszTarget, REFCLSID clsid);
    // Where the caller writes its streams and sub-storages.
    LPSTORAGE GetStorage() const { return m_temp.GetStorage(); }
    const CString& GetTempPath() const { return m_strTemp; }
    const CString& GetTargetPath() const { return m_strTarget; }

    // Commits and releases the compound file, writes it into the temporary
    // and puts that in the target's place.
    // pRoot, when given, is the caller's root storage: an open storage on
    // the target keeps the file from being replaced, so it is released
    // first and opened again with grfMode afterwards, on the new file after
    // success and on the untouched old one after a failure. A root storage
    // on another file (or a temporary one) is replaced by the target only
    // after success. Should the new file not open again after a successful
    // replacement, pRoot is left empty. Throws CFileException after a
    // failure, the temporary gone.
    void Finish(COleRootStorage* pRoot = NULL, DWORD grfMode = COleRootStorage::openMode);
    // Releases and deletes the temporary; never throws.
    void Abandon();

private:
    COleRootStorage m_temp;
    CMemoryLockBytes* m_pBytes;
    CString m_strTemp;
    CString m_strTarget;
};

// The whole safe save: Begin, write(storage), Finish. Any exception of the
// class library on the way abandons the save and makes the answer FALSE;
// the exception goes to *ppError (the caller deletes it) or is deleted.
BOOL AFXAPI AfxSaveStorageSafely(LPCSTR lpszTarget, REFCLSID clsid,
    const std::function<void(LPSTORAGE)>& write, COleRootStorage* pRoot = NULL,
    CException** ppError = NULL);
