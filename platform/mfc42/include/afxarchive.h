// CArchive: a buffered binary stream over a CFile that stores or loads
// numbers, strings and whole object graphs in the class library's
// persistent format. Every value is written least significant byte first,
// whatever the host, so files move between machines unchanged.
//
// Errors are thrown as CArchiveException (reading past the end: endOfFile;
// storing into a loading archive: readOnly; loading from a storing one:
// writeOnly) or as the CFileException of the underlying file.
#pragma once
#include "afxobject.h"
#include "afxstring.h"
#include "afxexcept.h"
#include "afxfile.h"

class CDocument;
struct CArchiveMaps;

// The overloads below rely on these Winelib widths: LONG is int and DWORD
// is unsigned int, so one overload serves each pair.
static_assert(sizeof(LONG) == 4 && (LONG)-1 < 0 && sizeof(int) == 4, "LONG must be a 32-bit int");
static_assert(sizeof(DWORD) == 4 && sizeof(UINT) == 4, "DWORD must be a 32-bit unsigned int");

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,   // the destructor drops buffered data instead of writing it
        bNoByteSwap = 4         // accepted and ignored: the byte order is always fixed
    };

    // nBufSize bytes of buffer, in lpBuf when given (it stays the caller's).
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = NULL);
    // Flushes a storing archive unless bNoFlushOnDelete; never throws (a
    // failure here is lost: call Close to see it).
    ~CArchive();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    // Loading: nothing read ahead is left. Storing: nothing waits to be written.
    BOOL IsBufferEmpty() const;
    CFile* GetFile() const { return m_pFile; }

    // Raw bytes. Read answers how many it got: fewer than asked at the end
    // of the file, without throwing.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Storing: writes the buffer to the file. Loading: gives back the bytes
    // read ahead, so the file position is where the reading stopped.
    void Flush();
    // Flushes and detaches from the file (the file stays open).
    void Close();
    // Detaches from the file, dropping buffered data; never throws.
    void Abort();

    // Text lines. ReadString drops the line end ("\n" or "\r\n"); FALSE or
    // NULL at the end of the file with nothing read. The buffer form stops
    // after nMax - 1 characters, leaving the rest of a long line for the
    // next call. WriteString writes the characters only: no terminator and
    // no line end.
    BOOL ReadString(CString& rString);
    LPSTR ReadString(LPSTR lpsz, UINT nMax);
    void WriteString(LPCSTR lpsz);

    // Numbers, little-endian, byte by byte. int and unsigned take 4 bytes
    // (they are LONG and DWORD here); float and double are IEEE images.
    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(short n);
    CArchive& operator<<(LONG l);       // also int
    CArchive& operator<<(DWORD dw);     // also unsigned, UINT
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(char ch);

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(short& n);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(char& ch);

    // Object graphs (archive_objects.cpp). Each object is written once; a
    // later pointer to it becomes a reference, so shared and cyclic graphs
    // come back with the same shape. A loaded object that fails to
    // Serialize is deleted before the exception goes on.
    void WriteObject(const CObject* pOb);
    // NULL for a stored null pointer; badClass when the object is not a
    // pClassRefRequested (when given).
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = NULL, UINT* pSchema = NULL,
                             DWORD* pObTag = NULL);
    void SerializeClass(const CRuntimeClass* pClassRef);
    // Makes pOb known (and referable) without writing or reading it; both
    // sides must map the same objects in the same order.
    void MapObject(const CObject* pOb);

    // The schema stored for the object being loaded, from its Serialize.
    // The first call answers it; later calls answer (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Hints about the size of the object maps; accepted for compatibility.
    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128);
    void SetLoadParams(UINT nGrowBy = 1024);

    CDocument* m_pDocument;     // for objects that need their document while loading
    BOOL m_bForceFlat;

private:
    CArchive(const CArchive&) = delete;
    void operator=(const CArchive&) = delete;

    [[noreturn]] void ThrowArchive(int cause) const;
    void CheckStoring() const;
    void CheckLoading() const;
    // Room for n bytes in the store buffer / n bytes readable from the
    // load buffer (endOfFile otherwise); the pointer to them, consumed.
    BYTE* ReserveStore(UINT n);
    const BYTE* TakeLoad(UINT n);
    // Loading: moves unread bytes to the front and reads until at least
    // nBytesNeeded are buffered or the file ends; FALSE if it ended first.
    BOOL FillBuffer(UINT nBytesNeeded);
    // Storing: writes the buffered bytes to the file.
    void WriteBuffer();
    // The object maps, made on first use (archive_objects.cpp).
    CArchiveMaps& Maps();
    void FreeMaps();

    CFile* m_pFile;
    UINT m_nMode;
    UINT m_nBufSize;
    BOOL m_bUserBuf;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;   // loading: end of the valid bytes; storing: end of the buffer
    UINT m_nObjectSchema;
    CArchiveMaps* m_pMaps;
};

// Strings: a length prefix (one byte below 255; else 0xFF and a WORD below
// 0xFFFE; else 0xFF, 0xFFFF and a DWORD), then the characters. A
// wide-character string marker in a loaded file is refused with badSchema.
CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
CArchive& AFXAPI operator>>(CArchive& ar, CString& string);

// Objects through WriteObject / ReadObject; the class-typed reading form,
// operator>>(CArchive&, T*&), comes with IMPLEMENT_SERIAL.
CArchive& AFXAPI operator<<(CArchive& ar, const CObject* pOb);
CArchive& AFXAPI operator>>(CArchive& ar, CObject*& pOb);
CArchive& AFXAPI operator>>(CArchive& ar, const CObject*& pOb);
