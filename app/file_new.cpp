// File New: a new document filled from the default template, or from the
// template the New dialog chose.
#include "app/CWApp.h"
#include "app/CWCustomFrameData.h"
#include "app/CWMultiDocTemplate.h"
#include "app/CWNewFileDlg.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "resources/resource.h"
#include "view/CWView.h"

namespace {

const char kTemplateExtension[] = ".zvp";

CDocTemplate* FirstTemplate(const CWinApp& app)
{
    POSITION pos = app.GetFirstDocTemplatePosition();
    return pos ? app.GetNextDocTemplate(pos) : nullptr;
}

CWView* FirstView(CWDocument* doc)
{
    POSITION pos = doc ? doc->GetFirstViewPosition() : nullptr;
    CView* view = pos ? doc->GetNextView(pos) : nullptr;
    return view && view->IsKindOf(RUNTIME_CLASS(CWView)) ? (CWView*)view : nullptr;
}

void MakeCurrent(CWView* view)
{
    if (CWCustomFrameData* data = GetCustomFrameData())
        data->SetCurrentView(view);
}

// Keeps the recent-file list out of a document open for a scope.
class CRecentFilesPaused
{
public:
    explicit CRecentFilesPaused(CRecentFileList*& list) : m_list(list), m_kept(list) { m_list = nullptr; }
    ~CRecentFilesPaused() { m_list = m_kept; }

private:
    CRecentFileList*& m_list;
    CRecentFileList* m_kept;
};

}  // namespace

CString DefaultTemplatePath()
{
    CString path = Options.TemplatePath;
    if (path.Right(1) != "\\")
        path += '\\';
    CString name;
    name.LoadString(IDS_DEFAULT_TEMPLATE_NAME);
    return path + name + kTemplateExtension;
}

CWDocument* CWApp::OpenTemplateFile(CDocTemplate* docTemplate, const char* path)
{
    // Every File New would otherwise push one of the user's own files off
    // the list.
    CRecentFilesPaused paused(m_pRecentFileList);
    CDocument* doc = docTemplate->OpenDocumentFile(path, TRUE);
    return doc && doc->IsKindOf(RUNTIME_CLASS(CWDocument)) ? (CWDocument*)doc : nullptr;
}

void CWApp::FillFromTemplate(CWDocument* newDoc, CWDocument* templateDoc, bool fromDialog)
{
    CWView* view = FirstView(newDoc);
    // Nothing of the paste goes on the undo stack: undo stops at the
    // template's content.
    templateDoc->m_bUndoEnabled = FALSE;
    newDoc->m_bUndoEnabled = FALSE;
    templateDoc->ViewNotify(0);
    newDoc->ViewNotify(0);
    MakeCurrent(view);
    newDoc->PasteAll(templateDoc);
    MakeCurrent(view);
    templateDoc->OnCloseDocument();
    newDoc->SetModifiedFlag(TRUE);
    if (CFrameWnd* frame = view->GetParentFrame())
        frame->ActivateFrame(-1);
    if (m_pMainWnd && m_pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        ((CFrameWnd*)m_pMainWnd)->ActivateFrame(-1);
    newDoc->m_flows[0]->SetPos(0);
    if (!fromDialog)
    {
        view->SetFocus();
        view->SetCaret(0);
    }
    newDoc->m_bUndoEnabled = TRUE;
    if (fromDialog)
    {
        DoWaitCursor(-1);
        view->InvalidateView();
    }
    newDoc->ViewNotify(1);
    if (fromDialog)
    {
        view->SetFocus();
        view->SetCaret(0);
    }
}

void CWApp::OnFileNew()
{
    CDocTemplate* docTemplate = FirstTemplate(*this);
    if (!docTemplate)
        return;
    const CString path = DefaultTemplatePath();
    CFileStatus status;
    if (!CFile::GetStatus(path, status))
    {
        CZTApp::OnFileNew();
        return;
    }
    CWDocument* templateDoc = OpenTemplateFile(docTemplate, path);
    CDocument* created = docTemplate->OpenDocumentFile(nullptr, TRUE);
    CWDocument* newDoc = created && created->IsKindOf(RUNTIME_CLASS(CWDocument)) ? (CWDocument*)created : nullptr;
    if (!newDoc)
        return;
    DoWaitCursor(1);
    if (FirstView(newDoc) && templateDoc)
        FillFromTemplate(newDoc, templateDoc, false);
    DoWaitCursor(-1);
}

CWDocument* CWApp::DoFileNew(const char* path, int isTemplate)
{
    IsNewDocumentTemplate = isTemplate;
    CString upper = path ? path : "";
    upper.MakeUpper();
    CFileStatus status;
    const bool exists = !upper.IsEmpty() && CFile::GetStatus(upper, status);
    CDocTemplate* docTemplate = FirstTemplate(*this);
    if (!docTemplate)
        return nullptr;
    CDocument* created = docTemplate->OpenDocumentFile(nullptr, TRUE);
    CWDocument* newDoc = created && created->IsKindOf(RUNTIME_CLASS(CWDocument)) ? (CWDocument*)created : nullptr;
    if (exists)
    {
        CWDocument* templateDoc = OpenTemplateFile(docTemplate, path);
        const BOOL smart = Options.SmartCutPaste;
        Options.SmartCutPaste = 0;
        if (newDoc && templateDoc && FirstView(newDoc))
        {
            DoWaitCursor(1);
            FillFromTemplate(newDoc, templateDoc, true);
        }
        Options.SmartCutPaste = smart;
    }
    return newDoc;
}

void CWApp::OnFileNewDlg()
{
    CWNewFileDlg dlg(nullptr);
    if (dlg.DoModal() == IDOK)
        DoFileNew(dlg.GetTemplate(), dlg.IsTemplate());
}
