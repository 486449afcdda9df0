// Document templates, the document manager, the recent-file list and the
// command-line parser.
#include "afxwin.h"
#include <commdlg.h>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CDocManager, CObject)

// ---------------------------------------------------------------------------
// CDocTemplate

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass)
{
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    return AfxExtractSubString(rString, m_strDocStrings, (int)index, '\n');
}

void CDocTemplate::SetServerInfo(UINT nIDOleEmbedding, UINT nIDOleInPlaceServer,
                                 CRuntimeClass* pOleFrameClass, CRuntimeClass* pOleViewClass)
{
    m_nIDEmbeddingResource = nIDOleEmbedding;
    m_nIDServerResource = nIDOleInPlaceServer;
    m_pOleFrameClass = pOleFrameClass;
    m_pOleViewClass = pOleViewClass;
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (!m_pDocClass)
        return nullptr;
    CObject* object = m_pDocClass->CreateObject();
    if (!object || !object->IsKindOf(RUNTIME_CLASS(CDocument)))
    {
        delete object;
        return nullptr;
    }
    CDocument* pDocument = (CDocument*)object;
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (!m_pFrameClass)
        return nullptr;
    CObject* object = m_pFrameClass->CreateObject();
    if (!object || !object->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    {
        delete object;
        return nullptr;
    }
    CFrameWnd* pFrame = (CFrameWnd*)object;
    // A frame that fails deletes itself (PostNcDestroy).
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos;)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    // The next position is taken before each close: closing may remove the
    // document from the list, or keep it there (a document that is not
    // deleted on close), and either way the walk goes on past it.
    POSITION pos = GetFirstDocPosition();
    while (pos)
    {
        CDocument* pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument();
    }
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    for (POSITION pos = GetFirstDocPosition(); pos;)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty() && lstrcmpiA(pDoc->GetPathName(), lpszPathName) == 0)
        {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString ext;
    if (GetDocString(ext, filterExt) && !ext.IsEmpty())
    {
        int len = lstrlenA(lpszPathName);
        if (len >= ext.GetLength() && lstrcmpiA(lpszPathName + len - ext.GetLength(), ext) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

// ---------------------------------------------------------------------------
// CMultiDocTemplate

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // Documents still open lose their template rather than point at a dead one.
    while (!m_docList.IsEmpty())
        ((CDocument*)m_docList.RemoveHead())->m_pDocTemplate = nullptr;
    if (m_hMenuShared)
        ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    HINSTANCE instance = AfxGetResourceHandle();
    if (!m_hMenuShared && ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDResource), (LPCSTR)RT_MENU))
        m_hMenuShared = ::LoadMenuA(instance, MAKEINTRESOURCEA(m_nIDResource));
    if (!m_hAccelTable)
        m_hAccelTable = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(m_nIDResource));
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return (CDocument*)m_docList.GetNext(rPos);
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc))
        m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString title;
    if (GetDocString(title, docName) && !title.IsEmpty())
    {
        CString number;
        number.Format("%u", m_nUntitledCount + 1);
        title += number;
    }
    else if (!title.LoadString(AFX_IDS_UNTITLED))
        title = "Untitled";
    pDocument->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (!pDocument)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    // Kept alive while its frame is made, whatever happens to the views.
    BOOL autoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = autoDelete;
    if (!pFrame)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        delete pDocument;
        return nullptr;
    }
    if (!lpszPathName)
    {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible)
            pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument())
        {
            pFrame->DestroyWindow();   // takes the document with its view
            return nullptr;
        }
        m_nUntitledCount++;
    }
    else
    {
        CWaitCursor wait;
        if (!pDocument->OnOpenDocument(lpszPathName))
        {
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

// ---------------------------------------------------------------------------
// CDocManager

CDocManager::CDocManager() = default;

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
    {
        CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.RemoveHead();
        if (pTemplate->m_bAutoDelete)
            delete pTemplate;
    }
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const
{
    return (CDocTemplate*)m_templateList.GetNext(pos);
}

int CDocManager::GetOpenDocumentCount()
{
    int count = 0;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        for (POSITION docPos = pTemplate->GetFirstDocPosition(); docPos; count++)
            pTemplate->GetNextDoc(docPos);
    }
    return count;
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName)
{
    char full[MAX_PATH];
    if (::GetFullPathNameA(lpszFileName, MAX_PATH, full, nullptr) == 0)
        lstrcpynA(full, lpszFileName, MAX_PATH);
    CDocTemplate* pBest = nullptr;
    CDocTemplate::Confidence best = CDocTemplate::noAttempt;
    CDocument* pOpen = nullptr;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pMatch = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(full, pMatch);
        if (match > best)
        {
            best = match;
            pBest = pTemplate;
            pOpen = pMatch;
        }
        if (match == CDocTemplate::yesAlreadyOpen)
            break;
    }
    if (pOpen)
    {
        // Already open: bring its first frame forward.
        POSITION viewPos = pOpen->GetFirstViewPosition();
        if (viewPos)
        {
            CView* pView = pOpen->GetNextView(viewPos);
            if (CFrameWnd* pFrame = pView->GetParentFrame())
                pFrame->ActivateFrame();
        }
        return pOpen;
    }
    if (!pBest)
        return nullptr;
    return pBest->OpenDocumentFile(full);
}

BOOL CDocManager::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                   CDocTemplate* pTemplate)
{
    // Filter "<name>\0*<ext>\0All Files (*.*)\0*.*\0\0" from the template.
    char filter[512];
    int used = 0;
    auto append = [&](LPCSTR text) {
        int n = lstrlenA(text);
        if (used + n + 2 >= (int)sizeof(filter))
            return;
        memcpy(filter + used, text, n);
        used += n;
        filter[used++] = 0;
    };
    CString filterName, filterExt;
    if (!pTemplate && !m_templateList.IsEmpty())
        pTemplate = (CDocTemplate*)m_templateList.GetHead();
    if (pTemplate && pTemplate->GetDocString(filterName, CDocTemplate::filterName) && !filterName.IsEmpty() &&
        pTemplate->GetDocString(filterExt, CDocTemplate::filterExt) && !filterExt.IsEmpty())
    {
        append(filterName);
        append(CString("*") + filterExt);
    }
    append("All Files (*.*)");
    append("*.*");
    filter[used] = 0;

    CString title;
    if (!title.LoadString(nIDSTitle))
        title = bOpenFileDialog ? "Open" : "Save As";
    char path[MAX_PATH];
    lstrcpynA(path, fileName, MAX_PATH);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    CWnd* pMain = AfxGetMainWnd();
    ofn.hwndOwner = pMain ? pMain->m_hWnd : nullptr;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title;
    ofn.Flags = lFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!filterExt.IsEmpty() && filterExt[0] == '.')
        ofn.lpstrDefExt = (LPCSTR)filterExt + 1;
    BOOL ok = bOpenFileDialog ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
    if (ok)
        fileName = path;
    return ok;
}

void CDocManager::OnFileNew()
{
    if (m_templateList.IsEmpty())
        return;
    // With several templates the class library asks which; the first serves.
    CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.GetHead();
    pTemplate->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    CString fileName;
    if (!DoPromptFileName(fileName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr))
        return;
    if (CWinApp* app = AfxGetApp())
        app->OpenDocumentFile(fileName);
}

// ---------------------------------------------------------------------------
// CRecentFileList

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nSize(nSize), m_arrNames(new CString[nSize > 0 ? nSize : 1]), m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat), m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen)
{
}

CRecentFileList::~CRecentFileList()
{
    delete[] m_arrNames;
}

int CRecentFileList::GetCount() const
{
    int count = 0;
    while (count < m_nSize && !m_arrNames[count].IsEmpty())
        count++;
    return count;
}

void CRecentFileList::Add(LPCSTR lpszPathName)
{
    if (!lpszPathName || !*lpszPathName || m_nSize <= 0)
        return;
    CString path = lpszPathName;
    // The slot to free: where the path already is, else the last.
    int slot = m_nSize - 1;
    for (int i = 0; i < m_nSize; i++)
        if (m_arrNames[i].CompareNoCase(path) == 0)
        {
            slot = i;
            break;
        }
    for (int i = slot; i > 0; i--)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = path;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int i = nIndex; i < m_nSize - 1; i++)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
}

void CRecentFileList::ReadList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    for (int i = 0; i < m_nSize; i++)
    {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        m_arrNames[i] = app->GetProfileString(m_strSectionName, entry, "");
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    for (int i = 0; i < m_nSize; i++)
    {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        if (m_arrNames[i].IsEmpty())
            app->WriteProfileString(m_strSectionName, entry, nullptr);
        else
            app->WriteProfileString(m_strSectionName, entry, m_arrNames[i]);
    }
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (!pMenu)
        return;
    UINT firstID = ID_FILE_MRU_FILE1 + m_nStart;
    if (m_strOriginal.IsEmpty())
        pMenu->GetMenuString(pCmdUI->m_nIndex, m_strOriginal, MF_BYPOSITION);
    int count = GetCount();
    if (count == 0)
    {
        // An empty list keeps the one greyed placeholder item.
        for (int i = 1; i < m_nSize; i++)
            pMenu->DeleteMenu(firstID + i, MF_BYCOMMAND);
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    // Replace the items of the list by the current entries.
    for (int i = 0; i < m_nSize; i++)
        pMenu->DeleteMenu(firstID + i, MF_BYCOMMAND);
    for (int i = 0; i < count; i++)
    {
        CString name = m_arrNames[i];
        if (name.GetLength() > m_nMaxDisplayLength)
        {
            int slash = name.ReverseFind('\\');
            if (slash >= 0)
                name = name.Mid(slash + 1);
        }
        CString text;
        text.Format("&%d %s", i + 1, (LPCSTR)name);
        pMenu->InsertMenu(pCmdUI->m_nIndex + i, MF_BYPOSITION | MF_STRING, firstID + i, text);
    }
    // The caller's loop goes on after the inserted items.
    pCmdUI->m_nIndex += count - 1;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

// ---------------------------------------------------------------------------
// CCommandLineInfo

CCommandLineInfo::CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
    {
        if (lstrcmpiA(lpszParam, "pt") == 0)
            m_nShellCommand = FilePrintTo;
        else if (lstrcmpiA(lpszParam, "p") == 0)
            m_nShellCommand = FilePrint;
        else if (lstrcmpiA(lpszParam, "Unregister") == 0 || lstrcmpiA(lpszParam, "Unregserver") == 0)
            m_nShellCommand = AppUnregister;
        else if (lstrcmpiA(lpszParam, "dde") == 0)
            m_nShellCommand = FileDDE;
        else if (lstrcmpiA(lpszParam, "Embedding") == 0)
        {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        }
        else if (lstrcmpiA(lpszParam, "Automation") == 0)
        {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        }
    }
    else
    {
        // A file, then for /pt the printer, driver and port.
        if (m_strFileName.IsEmpty())
            m_strFileName = lpszParam;
        else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
            m_strPrinterName = lpszParam;
        else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
            m_strDriverName = lpszParam;
        else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
            m_strPortName = lpszParam;
    }
    if (bLast)
    {
        if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
            m_nShellCommand = FileOpen;
        m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
    }
}
