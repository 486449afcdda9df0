// The document template and the clipboard document's frame.
#include "app/CWMultiDocTemplate.h"
#include "document/CWDocument.h"
#include "resources/resource.h"
#include "resources/startup_ids.h"

int MakeVisible = 0;
CDocument* JustCreatedDoc = nullptr;
int IsNewDocumentTemplate = 0;

namespace {
// The file-type code of a template.
const LONG kTemplateFileType = 201;
}

IMPLEMENT_DYNAMIC(CWMultiDocTemplate, CZTMultiDocTemplate)

CWMultiDocTemplate::CWMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CZTMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CFrameWnd* CWMultiDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    JustCreatedDoc = pDoc;
    return CZTMultiDocTemplate::CreateNewFrame(pDoc, pOther);
}

CDocument* CWMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    MakeVisible = bMakeVisible;
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

    if (lpszPathName)
    {
        CWaitCursor wait;
        if (!pDocument->OnOpenDocument(lpszPathName))
        {
            RemoveDocument(pDocument);
            // The view goes with the frame and takes the document along.
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName, TRUE);
    }
    else
    {
        if (IsNewDocumentTemplate)
        {
            if (pDocument->IsKindOf(RUNTIME_CLASS(CWDocument)))
                ((CWDocument*)pDocument)->m_nFileType = kTemplateFileType;
            m_nTemplateCount++;
            CString name;
            name.LoadString(IDS_TEMPLATE_TITLE);
            CString title;
            title.Format("%s%d", (LPCSTR)name, m_nTemplateCount);
            pDocument->SetTitle(title);
            IsNewDocumentTemplate = 0;
        }
        else
        {
            SetDefaultTitle(pDocument);
            m_nUntitledCount++;
        }
        if (!bMakeVisible)
            pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument())
        {
            pFrame->DestroyWindow();
            return nullptr;
        }
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

CDocument* CWMultiDocTemplate::CreateMyNewDocument()
{
    if (!m_pDocClass)
        return nullptr;
    CObject* object = m_pDocClass->CreateObject();
    if (!object)
        return nullptr;
    if (!object->IsKindOf(RUNTIME_CLASS(CDocument)))
    {
        delete object;
        return nullptr;
    }
    CDocument* pDocument = (CDocument*)object;
    // Joined to the template (which sets its template pointer), then taken
    // out of the list so that no window list shows it and closing all
    // documents leaves it.
    AddDocument(pDocument);
    POSITION pos = m_docList.Find(pDocument);
    if (pos)
        m_docList.RemoveAt(pos);
    return pDocument;
}

CDocument* CWMultiDocTemplate::OpenDocFile()
{
    CDocument* pDocument = CreateMyNewDocument();
    if (!pDocument)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    CRuntimeClass* frameClass = m_pFrameClass;
    m_pFrameClass = RUNTIME_CLASS(CWClipboardFrame);
    MakeVisible = 0;
    BOOL autoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = autoDelete;
    m_pFrameClass = frameClass;
    if (!pFrame)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        delete pDocument;
        return nullptr;
    }
    CString name;
    name.LoadString(IDS_CLIPBOARD_TITLE);
    CString title;
    title.Format("%s %d", (LPCSTR)name, (int)::GetTickCount());
    pDocument->SetTitle(title);
    pFrame->ShowWindow(SW_HIDE);
    pDocument->m_bEmbedded = FALSE;
    if (!pDocument->OnNewDocument())
    {
        pFrame->DestroyWindow();
        return nullptr;
    }
    return pDocument;
}

void CWMultiDocTemplate::SmartCloseAll()
{
    // Each close may take the document out of the list: the next one is
    // found before.
    POSITION pos = GetFirstDocPosition();
    while (pos)
    {
        CDocument* pDocument = GetNextDoc(pos);
        pDocument->OnFileClose();
    }
}

// ---------------------------------------------------------------------------
// CWClipboardFrame

IMPLEMENT_DYNCREATE(CWClipboardFrame, CFrameWnd)

CWClipboardFrame::CWClipboardFrame()
{
    EnableAutomation();
}
