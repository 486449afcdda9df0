// CDocument: views, title and path, the new/open/save/close roads through
// CArchive, and the save prompts.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // A document deleted with views still open would leave them dangling.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;)
    {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        pView->m_pDocument = nullptr;
    }
    m_viewList.RemoveAll();
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    char full[MAX_PATH];
    LPSTR filePart = nullptr;
    if (::GetFullPathNameA(lpszPathName, MAX_PATH, full, &filePart) == 0)
        lstrcpynA(full, lpszPathName, MAX_PATH);
    m_strPathName = full;
    // The title is the file's name.
    const char* name = full;
    for (const char* p = full; *p; p++)
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    SetTitle(name);
    if (bAddToMRU)
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(m_strPathName);
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.GetHeadPosition();
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return (CView*)m_viewList.GetNext(rPosition);
}

void CDocument::AddView(CView* pView)
{
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (!pos)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    // Frames showing this document, each counted once, numbered ":1", ":2"
    // when there are several.
    CPtrList frames;
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;)
    {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        if (!pView->m_hWnd || !(pView->GetStyle() & WS_VISIBLE))
            continue;
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame && !frames.Find(pFrame))
            frames.AddTail(pFrame);
    }
    int count = (int)frames.GetCount();
    int n = 1;
    for (POSITION pos = frames.GetHeadPosition(); pos;)
    {
        CFrameWnd* pFrame = (CFrameWnd*)frames.GetNext(pos);
        pFrame->m_nWindow = count > 1 ? n++ : 0;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
    if (CWinApp* app = AfxGetApp())
        if (app->m_pMainWnd && app->m_pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            ((CFrameWnd*)app->m_pMainWnd)->DelayUpdateFrameTitle();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;)
    {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::DeleteContents()
{
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
    {
        delete pFile;
        return nullptr;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (!pFile)
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE);   // dirty while half read
    try
    {
        CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        loadArchive.m_pDocument = this;
        loadArchive.m_bForceFlat = FALSE;
        CWaitCursor wait;
        if (pFile->GetLength() != 0)
            Serialize(loadArchive);
        loadArchive.Close();
        ReleaseFile(pFile, FALSE);
    }
    catch (CException* e)
    {
        ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (!pFile)
    {
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_INVALID_FILENAME);
        return FALSE;
    }
    try
    {
        CArchive saveArchive(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
        saveArchive.m_pDocument = this;
        saveArchive.m_bForceFlat = FALSE;
        CWaitCursor wait;
        Serialize(saveArchive);
        saveArchive.Close();
        ReleaseFile(pFile, FALSE);
    }
    catch (CException* e)
    {
        ReleaseFile(pFile, TRUE);
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views; the document must not
    // delete itself on the way.
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        else
            pView->DestroyWindow();
        // A view that outlived its window still leaves the list.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    // Whoever threw a user exception has told the user already.
    if (e && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return;
    char text[512] = "";
    if (!e || !e->GetErrorMessage(text, sizeof(text)) || !text[0])
    {
        CString fallback;
        if (nIDPDefault && fallback.LoadString(nIDPDefault))
            fallback.Replace("%1", lpszPathName ? lpszPathName : "");
        else
            fallback.Format(bSaving ? "Failed to save document %s." : "Failed to open document %s.",
                            lpszPathName ? lpszPathName : "");
        lstrcpynA(text, fallback, sizeof(text));
    }
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Another frame still shows the document: closing this one loses nothing.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;)
    {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString prompt;
    if (prompt.LoadString(AFX_IDP_ASK_TO_SAVE))
        prompt.Replace("%1", name);
    else
        prompt.Format("Save changes to %s?", (LPCSTR)name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    CString newName = lpszPathName;
    if (newName.IsEmpty())
    {
        CDocTemplate* pTemplate = GetDocTemplate();
        newName = m_strPathName;
        if (bReplace && newName.IsEmpty())
        {
            // The title, made a file name, with the template's extension.
            newName = m_strTitle;
            static const char bad[] = " #%;/\\";
            for (const char* c = bad; *c; c++)
                newName.Remove(*c);
            CString ext;
            if (pTemplate && pTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.IsEmpty())
                newName += ext;
        }
        CWinApp* app = AfxGetApp();
        if (!app || !app->DoPromptFileName(newName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                           OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, pTemplate))
            return FALSE;
    }
    CWaitCursor wait;
    if (!OnSaveDocument(newName))
    {
        if (!lpszPathName)
            ::DeleteFileA(newName);   // no half-written file under a new name
        return FALSE;
    }
    if (bReplace)
        SetPathName(newName);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    DWORD attributes = ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_READONLY))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
