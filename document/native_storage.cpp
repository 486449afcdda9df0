// The native document as a compound file: which stream holds the main
// stream, the text effects' stream beside it, and saving so that the file
// already there survives every failure.
#include "document/native_storage.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"

// The class id the document template is registered under; the open
// dispatch knows a native file by it.
const CLSID CWDocument::kNativeClassId = {
    0x379CA680, 0x093A, 0x11CF, {0x85, 0xAA, 0x00, 0x60, 0x8C, 0xF6, 0x71, 0x1A}};

namespace
{
const char kMainStream[] = "Contents";
const char kEffectsStream[] = "Lumifex";
const char kUserStorage[] = "UserStorage";
const char kUserMainStream[] = "ZV";
const int kArchiveBuffer = 4096;

[[noreturn]] void ThrowStreamFailure(const CFileException& cause)
{
    if (cause.m_cause == CFileException::fileNotFound)
        AfxThrowArchiveException(CArchiveException::badSchema);
    AfxThrowFileException(cause.m_cause, cause.m_lOsError);
}

// Sets the storage being read or written for one scope.
class StorageInUse
{
public:
    StorageInUse(CWDocument& doc, LPSTORAGE storage) : m_doc(doc), m_before(doc.m_lpNativeStg)
    {
        m_doc.m_lpNativeStg = storage;
    }
    ~StorageInUse() { m_doc.m_lpNativeStg = m_before; }

private:
    CWDocument& m_doc;
    LPSTORAGE m_before;
};

// Reads the document from the first non-empty main stream; FALSE when the
// stream is empty (nothing read).
BOOL SerializeFrom(CWDocument& doc, COleStreamFile& file)
{
    if (file.GetLength() == 0)
        return FALSE;
    CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBuffer);
    ar.m_pDocument = &doc;
    doc.Serialize(ar);
    ar.Close();
    return TRUE;
}

// The older place of the main stream: "ZV" in "UserStorage". Missing
// storage or stream: nothing is read.
void LoadFromUserStorage(CWDocument& doc, LPSTORAGE root)
{
    LPSTORAGE user = NULL;
    WCHAR name[sizeof kUserStorage];
    MultiByteToWideChar(CP_ACP, 0, kUserStorage, -1, name, sizeof kUserStorage);
    // A file kept for reading only opens its sub-storages for reading too.
    if ((FAILED(root->OpenStorage(name, NULL, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, NULL, 0, &user)) || !user)
        && (FAILED(root->OpenStorage(name, NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, NULL, 0, &user)) || !user))
        return;
    COleStreamFile file;
    const BOOL opened = file.OpenStream(user, kUserMainStream, CFile::modeRead | CFile::shareExclusive);
    if (opened)
    {
        try
        {
            SerializeFrom(doc, file);
        }
        catch (...)
        {
            file.Abort();
            user->Release();
            throw;
        }
        file.Close();
    }
    user->Release();
}
} // namespace

void CWDocument::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        SaveZVW(ar);
        SaveBackground(ar);
        return;
    }
    // A read that did not complete (a newer file, a refused salvage, a
    // damaged stream) must not open: a later save would write the empty
    // document over the file.
    if (OpenZVW(ar) != 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ReadBackground(ar);
    // The first view was made for the empty document: it shows the pages,
    // paper and zoom of the one read, and the style box lists its styles.
    FitFirstView();
    m_bStylesChanged = TRUE;
}

void CWDocument::LoadFromStorage()
{
    LPSTORAGE root = m_lpNativeStg ? m_lpNativeStg : m_rootStorage.GetStorage();
    if (!root)
        AfxThrowArchiveException(CArchiveException::badSchema);
    StorageInUse use(*this, root);
    COleStreamFile file;
    CFileException cause;
    if (!file.OpenStream(root, kMainStream, CFile::modeRead | CFile::shareExclusive, &cause)
        && !file.CreateStream(root, kMainStream, CFile::modeReadWrite | CFile::shareExclusive | CFile::modeCreate,
                              &cause))
        ThrowStreamFailure(cause);
    try
    {
        if (!SerializeFrom(*this, file))
            LoadFromUserStorage(*this, root);
    }
    catch (...)
    {
        file.Abort();
        DeleteContents();
        throw;
    }
    file.Close();
}

BOOL CWDocument::OpenNativeFile(LPCSTR path, CException** error)
{
    if (error)
        *error = NULL;
    m_rootStorage.Release();
    m_bReadOnlyFile = FALSE;
    // A file marked read-only, or one the user may read but not write,
    // opens for reading only.
    CFileException* cause = new CFileException;
    const DWORD attributes = GetFileAttributesA(path);
    const bool marked = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    BOOL opened = !marked && m_rootStorage.Open(path, COleRootStorage::openMode, cause);
    if (!opened && (marked || cause->m_cause == CFileException::accessDenied))
    {
        opened = m_rootStorage.Open(path, COleRootStorage::readOnlyMode, cause);
        m_bReadOnlyFile = opened;
    }
    if (!opened)
    {
        if (error)
            *error = cause;
        else
            cause->Delete();
        return FALSE;
    }
    cause->Delete();
    try
    {
        LoadFromStorage();
    }
    catch (CException* e)
    {
        m_rootStorage.Release();
        if (error)
            *error = e;
        else
            e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CWDocument::SaveNativeFile(LPCSTR path, CException** error)
{
    const BOOL saved = AfxSaveStorageSafely(
        path, kNativeClassId,
        [&](LPSTORAGE storage) {
            StorageInUse use(*this, storage);
            COleStreamFile file;
            CFileException cause;
            if (!file.CreateStream(storage, kMainStream,
                                   CFile::modeReadWrite | CFile::shareExclusive | CFile::modeCreate, &cause))
                ThrowStreamFailure(cause);
            try
            {
                CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete, kArchiveBuffer);
                ar.m_pDocument = this;
                Serialize(ar);
                ar.Close();
            }
            catch (...)
            {
                file.Abort();
                throw;
            }
            file.Close();
        },
        &m_rootStorage, error);
    if (saved)
    {
        SetModifiedFlag(FALSE);
        m_bReadOnlyFile = FALSE;
    }
    return saved;
}

// The text effects of every flow, in flow order, in their own stream: an
// older reader that knows only the main stream finds their pictures there.
void SaveEffectsStream(CWDocument& doc)
{
    if (!doc.m_lpNativeStg)
        return;
    COleStreamFile file;
    CFileException cause;
    if (!file.OpenStream(doc.m_lpNativeStg, kEffectsStream, CFile::modeReadWrite | CFile::shareExclusive, &cause)
        && !file.CreateStream(doc.m_lpNativeStg, kEffectsStream,
                              CFile::modeReadWrite | CFile::shareExclusive | CFile::modeCreate, &cause))
        ThrowStreamFailure(cause);
    try
    {
        file.SetLength(0);
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete, kArchiveBuffer);
        ar.m_pDocument = &doc;
        for (long i = 0; i < doc.m_flows.GetCount(); ++i)
            doc.m_flows[i]->SaveNewFields(ar);
        ar.Close();
    }
    catch (...)
    {
        file.Abort();
        throw;
    }
    file.Close();
}

// A missing stream is skipped: the effects stay the pictures the main
// stream holds for them.
void ReadEffectsStream(CWDocument& doc)
{
    if (!doc.m_lpNativeStg)
        return;
    COleStreamFile file;
    if (!file.OpenStream(doc.m_lpNativeStg, kEffectsStream, CFile::modeRead | CFile::shareExclusive))
        return;
    try
    {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBuffer);
        ar.m_pDocument = &doc;
        for (long i = 0; i < doc.m_flows.GetCount(); ++i)
            doc.m_flows[i]->ReadNewFields(ar);
        ar.Close();
    }
    catch (...)
    {
        file.Abort();
        throw;
    }
    file.Close();
}
