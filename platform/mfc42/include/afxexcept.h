// Exceptions of the class library: CException and its kinds, the AfxThrow
// helpers and the TRY/CATCH macros.
//
// Exceptions travel as heap pointers, exactly as in the class library:
// `throw new CFileException(...)`, caught as `catch (CException* e)`.
// Ownership follows the class library too:
// - with the macros, the exception is freed when its CATCH block ends; a
//   handler that passes it on uses THROW_LAST() and must not free it, and
//   a handler never calls e->Delete() itself;
// - with a plain `catch (CException* e)`, the handler that finishes with the
//   exception calls `e->Delete()` (never `delete e`: the shared
//   out-of-memory exception is a static object that Delete leaves alone).
//
//     TRY
//     {
//         file.Open(...);
//     }
//     CATCH(CFileException, e)
//     {
//         ... e->m_cause ...
//     }
//     AND_CATCH(CMemoryException, e)
//     {
//         THROW_LAST();
//     }
//     END_CATCH
//
// CATCH matches on the static type of the thrown pointer (it is a plain C++
// catch clause), so throw the most derived pointer type, as AfxThrow* do.
#pragma once
#include "afxobject.h"
#include <exception>
#include "afxstring.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    // bAutoDelete: the object lives on the heap and Delete() frees it.
    CException();
    explicit CException(BOOL bAutoDelete);
    virtual ~CException();

    // Frees the exception if it was allocated on the heap; call it instead
    // of delete when a handler is done with an exception.
    void Delete();

    // Copies a readable text into lpszError (at most nMaxError bytes with
    // the terminator); FALSE when the exception has no text to give.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
    // Shows the text in a message box; when there is none, the string
    // resource nMessageID, or a generic text when that is 0.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;
};

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() {}
    explicit CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) {}
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() {}
    explicit CNotSupportedException(BOOL bAutoDelete) : CException(bAutoDelete) {}
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

// Thrown to stop an operation after the user has already been told why;
// handlers usually just swallow it.
class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() {}
    explicit CUserException(BOOL bAutoDelete) : CException(bAutoDelete) {}
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    CFileException(int cause = CFileException::none, LONG lOsError = -1, LPCSTR lpszFileName = NULL);

    // Win32 error code (GetLastError) or C errno to a cause of this class.
    static int OsErrorToException(LONG lOsError);
    static int ErrnoToException(int nErrno);
    // Throw a CFileException for the error; nothing happens for 0.
    static void ThrowOsError(LONG lOsError, LPCSTR lpszFileName = NULL);
    static void ThrowErrno(int nErrno, LPCSTR lpszFileName = NULL);

    // "Access to C:\x.doc was denied." and the like.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

    int m_cause;
    LONG m_lOsError;        // -1 when no system error is known
    CString m_strFileName;
};

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        generic,
        readOnly,       // tried to store into an archive that is loading
        endOfFile,
        writeOnly,      // tried to load from an archive that is storing
        badIndex,
        badClass,
        badSchema
    };

    CArchiveException(int cause = CArchiveException::none, LPCSTR lpszArchiveName = NULL);

    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

    int m_cause;
    CString m_strFileName;
};

// The out-of-memory exception is one static object (allocating at that
// moment could fail too); its Delete() does nothing.
[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowUserException();
[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCSTR lpszFileName = NULL);
[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = NULL);

// Frees the exception a CATCH block received when the block is left. An
// exception leaving the block (THROW_LAST, or THROW of the same object) is
// not freed: it is still on its way to an outer handler.
class AfxCatchScope
{
public:
    explicit AfxCatchScope(CException* e) : m_pException(e), m_nUncaught(std::uncaught_exceptions()) {}
    ~AfxCatchScope()
    {
        if (m_pException && std::uncaught_exceptions() == m_nUncaught)
            m_pException->Delete();
    }
    void Release() { m_pException = nullptr; }

private:
    CException* m_pException;
    int m_nUncaught;
    AfxCatchScope(const AfxCatchScope&) = delete;
    void operator=(const AfxCatchScope&) = delete;
};

// The class library's exception macros on C++ exceptions (see the top of
// this file for who frees what).
#define TRY try {
#define CATCH(class_name, e) } catch (class_name* e) { AfxCatchScope _afxCatchScope(e); (void)e;
#define AND_CATCH(class_name, e) } catch (class_name* e) { AfxCatchScope _afxCatchScope(e); (void)e;
#define END_CATCH }
#define CATCH_ALL(e) } catch (CException* e) { AfxCatchScope _afxCatchScope(e); (void)e;
#define AND_CATCH_ALL(e) } catch (CException* e) { AfxCatchScope _afxCatchScope(e); (void)e;
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST() do { _afxCatchScope.Release(); throw; } while (0)
