// Opening a file of any type as a document and saving a document as any
// type: the reader or writer is chosen by the file-type code, and a failed
// open or save leaves the document's name, type and modified state and the
// file on the disk as they were.
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "app/filter_index.h"
#include "convert/conversion_services.h"
#include "document/file_types.h"
#include "document/path_parts.h"
#include "document/safe_file_write.h"
#include "html/html_services.h"
#include "model/GDoc.h"
#include "resources/resource.h"
#include "view/CWView.h"

namespace
{
const int kArchiveBuffer = 4096;
// A title becomes a file name up to the first of these.
const char kNameStops[] = " #%;/\\";
const unsigned char kImportDirection = 'F';
const unsigned char kExportDirection = 'T';
const int kConversionDone = 0;
const int kDosImportDone = 0;

// What an open or a save may change and its failure puts back.
struct Identity
{
    LONG type;
    CString fileName;
    CString pathName;
    CString title;
};

Identity KeepIdentity(const CWDocument& doc)
{
    return Identity{doc.m_nFileType, doc.m_strFileName, doc.m_strPathName, doc.m_strTitle};
}

void RestoreIdentity(CWDocument& doc, const Identity& kept)
{
    doc.m_nFileType = kept.type;
    doc.m_strFileName = kept.fileName;
    doc.m_strPathName = kept.pathName;
    if (doc.m_strTitle != kept.title)
        doc.SetTitle(kept.title);
}

bool IsNativeType(LONG type)
{
    return type == kFileNative || type == kFileTemplate || type == kFileBackup;
}

bool IsPlainTextType(LONG type)
{
    return type == kFilePlainText || type == kFileOwnText || type == kFileUserDictionary || type == kFileOther;
}

CString NameFromTitle(const CString& title)
{
    const int stop = title.FindOneOf(kNameStops);
    return stop < 0 ? title : title.Left(stop);
}

// The name without its extension: scanning back from the last character,
// the first '.' or '\\' above index 0 ends the scan; a '.' is cut there.
void DropExtension(CString& name)
{
    for (int i = name.GetLength() - 1; i > 0; --i)
    {
        if (name[i] == '\\')
            return;
        if (name[i] == '.')
        {
            name = name.Left(i);
            return;
        }
    }
}

// The system dialog puts a dot before the default extension and takes no
// pattern: ".txt" and "*.lex" are given as "txt" and "lex".
CString DialogExtension(const CString& ext)
{
    CString bare = ext;
    bare.TrimLeft("*.");
    return bare;
}

void ShowPathMessage(UINT id, LPCSTR path)
{
    CString format, text;
    format.LoadString(id);
    text.Format(format, path);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}
} // namespace

BOOL CWDocument::OnOpenDocument(LPCSTR path)
{
    const Identity before = KeepIdentity(*this);
    if (!path || !*path)
    {
        m_nFileType = kFileNative;
        return FALSE;
    }
    const int type = ZtWriteGetFileType(path);
    m_nFileType = type;
    m_strFileName = path;
    BOOL opened = FALSE;
    if (IsNativeType(type))
        opened = OpenNativeDocument(path);
    else if (IsPlainTextType(type) || type == kFileOemText)
        opened = OpenTextDocument(path, type == kFileOemText);
    else if (type == kFileHtml)
        opened = OpenHtmlDocument(path);
    else if (type == kFileDos)
        opened = OpenDosDocument(path);
    else if (type == kFileEmpty)
    {
        // An empty file is an empty document bearing its name, of the type
        // its extension names: saved, it goes back the way it came.
        OnNewDocument();
        SetPathName(path, FALSE);
        m_nFileType = RecognizeExtension(path);
        return TRUE;
    }
    else if (type == kFileUnopenable)
        ShowPathMessage(IDS_OPEN_NO_SUCH_FILE, path);
    else if (type == kFileSharingViolation)
        ShowPathMessage(IDS_OPEN_FILE_IN_USE, path);
    else
        opened = OpenConvertedDocument(path);
    if (!opened)
        RestoreIdentity(*this, before);
    return opened;
}

BOOL CWDocument::OpenNativeDocument(LPCSTR path)
{
    CException* error = NULL;
    if (OpenNativeFile(path, &error))
        return TRUE;
    ReportSaveLoadException(path, error, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    if (error)
        error->Delete();
    return FALSE;
}

BOOL CWDocument::OpenTextDocument(LPCSTR path, BOOL oem)
{
    CreateSummary();
    CFileException cause;
    CFile* file = GetFile(path, CFile::modeRead | CFile::shareDenyWrite, &cause);
    if (!file)
    {
        ReportSaveLoadException(path, &cause, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE);
    try
    {
        CArchive ar(file, CArchive::load | CArchive::bNoFlushOnDelete, kArchiveBuffer);
        ar.m_pDocument = this;
        m_bUndoEnabled = FALSE;
        OnNewDocument();
        SetPathName(path, FALSE);
        if (oem)
            OpenASC(ar);
        else
            OpenTXT(ar);
        m_bUndoEnabled = TRUE;
        ar.Close();
    }
    catch (CException* e)
    {
        m_bUndoEnabled = TRUE;
        ReleaseFile(file, TRUE);
        ClearAllDocument();
        ReportSaveLoadException(path, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    ReleaseFile(file, FALSE);
    return UseTemporaryRootStorage();
}

BOOL CWDocument::OpenHtmlDocument(LPCSTR path)
{
    {
        CChangeBracket bracket(this);
        if (!HtmlImportFile(path, this))
        {
            ClearAllDocument();
            return FALSE;
        }
        SetModifiedFlag(FALSE);
    }
    return UseTemporaryRootStorage();
}

BOOL CWDocument::OpenDosDocument(LPCSTR path)
{
    CChangeBracket bracket(this);
    m_bUndoEnabled = FALSE;
    if (!UseTemporaryRootStorage())
    {
        m_bUndoEnabled = TRUE;
        return FALSE;
    }
    OnNewDocument();
    SetPathName(path, FALSE);
    const int result = OpenXTX();
    m_bUndoEnabled = TRUE;
    // A document the importer did not read must not open: saved, the
    // empty document would replace nothing the user wanted.
    if (result != kDosImportDone)
    {
        ClearAllDocument();
        return FALSE;
    }
    FitFirstView();
    return TRUE;
}

BOOL CWDocument::OpenConvertedDocument(LPCSTR path)
{
    CreateSummary();
    m_bUndoEnabled = FALSE;
    OnNewDocument();
    SetPathName(path, FALSE);
    const int result = MainConversion(kImportDirection, this);
    m_bUndoEnabled = TRUE;
    if (result != kConversionDone)
        return FALSE;
    FitFirstView();
    return UseTemporaryRootStorage();
}

// The document read replaced the one the first view was made for: its
// pages, paper and zoom follow the new body and page setup.
void CWDocument::FitFirstView()
{
    POSITION pos = GetFirstViewPosition();
    CView* first = pos ? GetNextView(pos) : NULL;
    if (!first || !first->IsKindOf(RUNTIME_CLASS(CWView)) || m_pageInfos.GetCount() == 0)
        return;
    CWView* view = (CWView*)first;
    // The body's page list ends with a closing record.
    const GDoc* body = m_flows.GetCount() > kBodyFlow ? m_flows[kBodyFlow] : NULL;
    if (body && body->m_pages.GetCount() > 1)
        view->m_nPages = body->m_pages.GetCount() - 1;
    view->m_nPageWidth = m_pageInfos[0].paperWidth;
    view->m_nPageHeight = m_pageInfos[0].paperHeight;
    view->ZoomPage(1);
}

// Embedded objects need a storage even in a document that came from no
// compound file: a nameless one that goes when released.
BOOL CWDocument::UseTemporaryRootStorage()
{
    m_rootStorage.Release();
    return m_rootStorage.CreateTemporary();
}

BOOL CWDocument::OnOpenDocumentFromTemplate(LPCSTR path)
{
    OpenNativeFile(path);
    // The new document is not the template: nothing of it may write there.
    m_rootStorage.Release();
    SetModifiedFlag(TRUE);
    UpdateAllViews(NULL);
    return TRUE;
}

BOOL CWDocument::OnSaveDocument(LPCSTR path)
{
    if (Options.MakeBackup)
        BackupReplacedFile(path);
    const LONG before = m_nFileType;
    if (m_nFileType == kFileOther)
        m_nFileType = kFileNative;
    BOOL saved = FALSE;
    if (m_nFileType == kFileNative || m_nFileType == kFileTemplate)
    {
        CException* error = NULL;
        saved = SaveNativeFile(path, &error);
        if (!saved)
        {
            ReportSaveLoadException(path, error, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
            if (error)
                error->Delete();
        }
    }
    else if (m_nFileType == kFilePlainText || m_nFileType == kFileOwnText || m_nFileType == kFileUserDictionary)
    {
        saved = SaveTextFile(path);
        if (!saved)
            ReportSaveLoadException(path, NULL, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    }
    else if (m_nFileType == kFileHtml)
        saved = SaveByName(path, [this] { return HtmlExportFile(this); });
    else
        saved = SaveByName(path, [this] { return MainConversion(kExportDirection, this) == kConversionDone; });
    if (!saved)
    {
        m_nFileType = before;
        return FALSE;
    }
    if (m_nFileType != kFileNative && m_nFileType != kFileTemplate)
        SetPathName(path, FALSE);
    SetModifiedFlag(FALSE);
    return TRUE;
}

// The HTML exporter and the conversion filters write the file the
// document's path names: for the time of the call that is a temporary
// beside path, which replaces it when whole. A writer that fails has told
// the user; a temporary that could not be made or moved is told here.
BOOL CWDocument::SaveByName(LPCSTR path, const std::function<BOOL()>& write)
{
    BOOL writerFailed = FALSE;
    const BOOL saved = WriteFileSafely(path, [&](LPCSTR temp) {
        const CString kept = m_strPathName;
        m_strPathName = temp;
        BOOL written = FALSE;
        try
        {
            written = write();
        }
        catch (...)
        {
            m_strPathName = kept;
            writerFailed = TRUE;
            throw;
        }
        m_strPathName = kept;
        writerFailed = !written;
        return written;
    });
    if (!saved && !writerFailed)
        ReportSaveLoadException(path, NULL, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    return saved;
}

BOOL CWDocument::DoSave(LPCSTR path, BOOL replace)
{
    return SaveAs(path, replace, m_nFileType);
}

// dialogType: the type the dialog offers (its default extension, first
// filter and folder); the document's type and name change only when the
// file was written.
BOOL CWDocument::SaveAs(LPCSTR path, BOOL replace, LONG dialogType)
{
    CString newName = path ? path : "";
    LONG newType = m_nFileType;
    if (newName.IsEmpty() || m_nFileType == kFileDos)
    {
        newName = GetPathName();
        if (replace && newName.IsEmpty())
            newName = NameFromTitle(GetTitle());
        const CString ext = DialogExtension(DefaultExtensionOf(dialogType));
        DropExtension(newName);
        CString filter;
        filter.LoadString(IDS_SAVE_FILTERS);
        CFileDialog dialog(FALSE, ext.IsEmpty() ? NULL : (LPCSTR)ext, newName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                           filter);
        if (dialogType == kFileTemplate && Options.TemplatePath[0])
            dialog.m_ofn.lpstrInitialDir = Options.TemplatePath;
        dialog.m_ofn.nFilterIndex = GetFilterIndex((int)dialogType);
        if (dialog.DoModal() != IDOK)
        {
            bChangeNameFlag = 0;
            return FALSE;
        }
        newName = dialog.GetPathName();
        newType = SaveTypeOfFilter((int)dialog.m_ofn.nFilterIndex);
    }
    // The flag only says the save came from File Save; the path stays.
    bChangeNameFlag = 0;
    const Identity before = KeepIdentity(*this);
    m_nFileType = newType;
    m_strFileName = newName;
    CWaitCursor wait;
    if (!OnSaveDocument(newName))
    {
        RestoreIdentity(*this, before);
        return FALSE;
    }
    if (replace)
        SetPathName(newName);
    return TRUE;
}

// Save on a document read from another format asks where to write it as a
// native document.
BOOL CWDocument::SaveAsNative()
{
    bChangeNameFlag = 1;
    return SaveAs(NULL, TRUE, kFileNative);
}

void CWDocument::OnFileSave()
{
    if (m_nFileType == kFileNative || m_nFileType == kFileTemplate)
        CZTDoc::DoFileSave();
    else
        SaveAsNative();
}

// The close prompt's save: a backup and OEM text have no writer of their
// own and are saved as File Save saves them; other formats keep theirs.
BOOL CWDocument::DoFileSave()
{
    if (m_nFileType == kFileBackup || m_nFileType == kFileOemText)
        return SaveAsNative();
    return CZTDoc::DoFileSave();
}

void CWDocument::AddExt(CString& name, CDocTemplate* t)
{
    if (!name.IsEmpty())
        return;
    name = NameFromTitle(GetTitle());
    CString ext;
    if (t && t->GetDocString(ext, CDocTemplate::filterExt) && !ext.IsEmpty())
        name += ext;
}

BOOL CWDocument::CheckTemplateName()
{
    PathParts parts;
    const CString path = GetPathName();
    if (SplitPath(path, parts))
    {
        CString folder = CString(parts.drive) + parts.dir;
        CString templates = Options.TemplatePath;
        folder.TrimRight("\\");
        templates.TrimRight("\\");
        if (CString(parts.ext).CompareNoCase(".ZVP") == 0 && folder.CompareNoCase(templates) == 0)
            return TRUE;
    }
    switch (AfxMessageBox(IDS_NOT_A_TEMPLATE, MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
    {
        CString moved = Options.TemplatePath;
        if (moved.IsEmpty() || moved[moved.GetLength() - 1] != '\\')
            moved += '\\';
        if (SplitPath(path, parts))
            moved += CString(parts.name) + parts.ext;
        SetPathName(moved, FALSE);
        return TRUE;
    }
    default:
        return TRUE;
    }
}
