// Exceptions: the class hierarchy, readable messages and the throw helpers.
#include "afxwin.h"
#include <errno.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

namespace {

// Copies text into a caller's buffer, cut to fit; TRUE when anything fits.
BOOL CopyMessage(LPCSTR text, LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    size_t n = strlen(text);
    if (n >= nMaxError)
        n = nMaxError - 1;
    memcpy(lpszError, text, n);
    lpszError[n] = '\0';
    return TRUE;
}

// Message with the file's name in place of %s; an exception without a name
// still reads as a sentence.
BOOL FormatNamedMessage(LPCSTR format, const CString& fileName, LPSTR lpszError, UINT nMaxError,
                        PUINT pnHelpContext)
{
    CString text;
    text.Format(format, fileName.IsEmpty() ? "the file" : (LPCSTR)fileName);
    return CopyMessage(text, lpszError, nMaxError, pnHelpContext);
}

}  // namespace

// ---------------------------------------------------------------- CException

CException::CException() : m_bAutoDelete(TRUE)
{
}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char text[512];
    if (GetErrorMessage(text, sizeof(text)))
        return AfxMessageBox(text, nType);
    if (nMessageID != 0)
        return AfxMessageBox(nMessageID, nType);
    return AfxMessageBox("No error message is available.", nType);
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return CopyMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return CopyMessage("An unsupported operation was attempted.", lpszError, nMaxError, pnHelpContext);
}

// ------------------------------------------------------------ CFileException

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
    case ERROR_OPEN_FAILED:
    case ERROR_MOD_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_SAME_DEVICE:
    case ERROR_WRONG_DISK:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
    case ERROR_SHARING_BUFFER_EXCEEDED:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_ACCESS:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
    case ERROR_INVALID_PASSWORD:
    case ERROR_NETWORK_ACCESS_DENIED:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
    case ERROR_BAD_FORMAT:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
        return badSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_BAD_COMMAND:
    case ERROR_CRC:
    case ERROR_BAD_LENGTH:
    case ERROR_NOT_DOS_DISK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
    case ERROR_LOCK_FAILED:
    case ERROR_NOT_LOCKED:
        return lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return generic;
    }
}

int CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno)
    {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EXDEV:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EEXIST:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case EBUSY:
        return sharingViolation;
    case EDEADLK:
        return lockViolation;
    case ENOSPC:
        return diskFull;
    default:
        return generic;
    }
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName)
{
    if (nErrno != 0)
        AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    static const char* const kMessages[] = {
        "No error occurred while accessing %s.",                     // none
        "An unknown error occurred while accessing %s.",             // generic
        "Could not find %s.",                                        // fileNotFound
        "The path of %s is not valid.",                              // badPath
        "Could not open %s because too many files are open.",        // tooManyOpenFiles
        "Access to %s was denied.",                                  // accessDenied
        "An invalid file handle was used with %s.",                  // invalidFile
        "Could not remove %s because it is the current folder.",     // removeCurrentDir
        "Could not create %s because the folder is full.",           // directoryFull
        "Could not move to the requested position in %s.",           // badSeek
        "A hardware error occurred while accessing %s.",             // hardIO
        "Could not access %s because another program is using it.", // sharingViolation
        "Could not access %s because part of it is locked.",         // lockViolation
        "The disk is full; could not write %s.",                     // diskFull
        "Tried to read past the end of %s.",                         // endOfFile
    };
    int cause = (m_cause >= 0 && m_cause < (int)_countof(kMessages)) ? m_cause : (int)generic;
    return FormatNamedMessage(kMessages[cause], m_strFileName, lpszError, nMaxError, pnHelpContext);
}

// --------------------------------------------------------- CArchiveException

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    static const char* const kMessages[] = {
        "No error occurred while reading %s.",                   // none
        "%s has an unexpected format.",                          // generic
        "Tried to write to %s while reading it.",                // readOnly
        "Unexpected end of file in %s.",                         // endOfFile
        "Tried to read from %s while writing it.",               // writeOnly
        "%s contains a bad object reference.",                   // badIndex
        "%s contains an unexpected kind of object.",             // badClass
        "%s contains an unsupported version of an object.",      // badSchema
    };
    int cause = (m_cause >= 0 && m_cause < (int)_countof(kMessages)) ? m_cause : (int)generic;
    CString name = m_strFileName.IsEmpty() ? CString("The document") : m_strFileName;
    if (m_strFileName.IsEmpty() && strncmp(kMessages[cause], "%s", 2) != 0)
        name = "the document";
    CString text;
    text.Format(kMessages[cause], (LPCSTR)name);
    return CopyMessage(text, lpszError, nMaxError, pnHelpContext);
}

// ------------------------------------------------------------- throw helpers

// Never freed: Delete() on it does nothing because bAutoDelete is FALSE.
static CMemoryException g_memoryException(FALSE);

void AFXAPI AfxThrowMemoryException()
{
    throw &g_memoryException;
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
