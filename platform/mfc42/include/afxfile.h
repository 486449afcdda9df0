// Files of the class library: CFile on a Win32 file handle, CMemFile on a
// block of memory and CSharedFile on a global memory handle (clipboard).
// Errors are thrown as CFileException (see afxexcept.h), except by Open,
// which reports them through its optional exception argument.
#pragma once
#include "afxobject.h"
#include "afxstring.h"
#include "afxexcept.h"
#include "afxtime.h"

// The C runtime's name for the longest path; Winelib builds against glibc,
// which lacks it.
#ifndef _MAX_PATH
#define _MAX_PATH 260    // spelled as the C runtime headers spell it, so both may be seen
#endif

struct CFileStatus
{
    CTime m_ctime;          // creation; 0 when the file system does not keep it
    CTime m_mtime;          // last write
    CTime m_atime;          // last access
    LONG m_size;            // bytes (low 32 bits)
    BYTE m_attribute;       // CFile::Attribute bits
    BYTE _m_padding;
    char m_szFullName[_MAX_PATH];
};

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,      // only meaningful to text-file classes
        typeBinary = (int)0x8000
    };

    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };

    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    // The value of m_hFile while no file is open.
    static inline const HANDLE hFileNull = INVALID_HANDLE_VALUE;

    CFile();
    // Wraps an open handle; the object does not close it on destruction.
    explicit CFile(HANDLE hFile);
    // Opens or throws the CFileException that Open would have reported.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    // Closes an open file, ignoring errors (call Close to see them).
    virtual ~CFile();

    operator HANDLE() const { return m_hFile; }

    // FALSE on failure, with the cause, system error and name in *pError.
    // Sharing: shareCompat and shareExclusive share nothing, shareDenyWrite
    // lets others read, shareDenyRead lets others write, shareDenyNone both.
    // modeCreate truncates an existing file unless modeNoTruncate is given;
    // without modeCreate the file must exist.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    virtual DWORD GetPosition() const;
    // New position from begin; a target before the start throws badSeek.
    virtual LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return (DWORD)Seek(0, end); }
    virtual DWORD GetLength() const;
    // Leaves the position at the new end.
    virtual void SetLength(DWORD dwNewLen);

    // Bytes read; fewer than asked at the end of the file, 0 there.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Writes everything or throws (diskFull when the system writes less).
    virtual void Write(const void* lpBuf, UINT nCount);

    virtual void LockRange(DWORD dwPos, DWORD dwCount);
    virtual void UnlockRange(DWORD dwPos, DWORD dwCount);

    virtual void Flush();
    // Closes and throws if the system reports an error.
    virtual void Close();
    // Closes and ignores every error.
    virtual void Abort();
    // A second object on a duplicated handle with the same position; NULL
    // when nothing is open. File kinds without handles throw not-supported.
    virtual CFile* Duplicate() const;

    // "report.doc", "report" and "C:\docs\report.doc" for that full path.
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual CString GetFilePath() const;
    virtual void SetFilePath(LPCSTR lpszNewName);

    BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
    // Applies the attributes and the non-zero times of rStatus.
    static void SetStatus(LPCSTR lpszFileName, const CFileStatus& rStatus);
    static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void Remove(LPCSTR lpszFileName);

    HANDLE m_hFile;

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// A file in one block of memory that grows in steps of nGrowBytes. The
// block comes from Alloc/Realloc/Free (malloc and friends), which derived
// classes may replace.
class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    // Uses a caller's block: with nGrowBytes 0 its contents are the file
    // and it cannot grow; otherwise the file starts empty and may grow by
    // reallocation, so the block must then come from malloc. The block
    // stays the caller's: it is never freed here; Detach hands it back
    // (possibly moved by a reallocation).
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    virtual ~CMemFile();

    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Gives the block (free it with free() unless it was attached) and
    // leaves the file empty.
    BYTE* Detach();

    BOOL GetStatus(CFileStatus& rStatus) const;

    virtual DWORD GetPosition() const;
    // Seeking past the end is allowed; a later write fills the gap with 0.
    virtual LONG Seek(LONG lOff, UINT nFrom);
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD dwNewLen);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void LockRange(DWORD dwPos, DWORD dwCount);     // not supported
    virtual void UnlockRange(DWORD dwPos, DWORD dwCount);   // not supported
    virtual void Flush();
    virtual void Close();
    virtual void Abort();
    virtual CFile* Duplicate() const;                       // not supported

protected:
    virtual BYTE* Alloc(DWORD nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, DWORD nBytes);
    virtual BYTE* Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, UINT nBytes);
    virtual void Free(BYTE* lpMem);
    // Makes the block hold at least dwNewLen bytes, growing by whole steps;
    // throws CMemoryException when the file may not grow or memory is out.
    virtual void GrowFile(DWORD dwNewLen);

    UINT m_nGrowBytes;
    DWORD m_nPosition;
    DWORD m_nBufferSize;
    DWORD m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;     // the block is ours to free
};

// A memory file on a global memory handle, for the clipboard and drag and
// drop.
class CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)
public:
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    virtual ~CSharedFile();

    // Gives the handle (unlocked; its size may exceed the data, which ends
    // at GetLength() before the call) and leaves the file empty.
    HGLOBAL Detach();
    // Reads and writes a caller's global block (for instance clipboard
    // data): the whole block is the file and it is never freed here. It
    // grows only when bAllowGrow is TRUE, by reallocation, after which
    // Detach gives the handle that is current.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);

    virtual void Close();

protected:
    virtual BYTE* Alloc(DWORD nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, DWORD nBytes);
    virtual void Free(BYTE* lpMem);

    UINT m_nAllocFlags;
    HGLOBAL m_hGlobalMemory;
    BOOL m_bAllowGrow;
};
