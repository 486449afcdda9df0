// The framework library's application.
#include "ZTApp.h"
#include "afxoletemplate.h"

IMPLEMENT_DYNAMIC(CZTApp, CWinApp)

BEGIN_MESSAGE_MAP(CZTApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

CZTApp::CZTApp(LPCSTR lpszAppName) : CWinApp(lpszAppName)
{
}

BOOL CZTApp::InitInstance()
{
    // A program (or test) that chose its key already keeps it.
    if (!m_pszRegistryKey)
        SetRegistryKey(ZT_FAMILY_REGISTRY_KEY);
    return CWinApp::InitInstance();
}

int CZTApp::ExitInstance()
{
    int result = CWinApp::ExitInstance();
    // The templates free their menus while the window system still
    // answers; static destructors run too late for Win32.
    delete m_pDocManager;
    m_pDocManager = nullptr;
    AfxOleTerm();
    return result;
}

int CZTApp::Run()
{
    return CWinApp::Run();
}

BOOL CZTApp::PreTranslateMessage(MSG* pMsg)
{
    return CWinApp::PreTranslateMessage(pMsg);
}

CDocument* CZTApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    return CWinApp::OpenDocumentFile(lpszFileName);
}

void CZTApp::OnFileNew()
{
    POSITION pos = GetFirstDocTemplatePosition();
    CDocTemplate* pTemplate = pos ? GetNextDocTemplate(pos) : nullptr;
    if (pTemplate)
        pTemplate->OpenDocumentFile(nullptr, TRUE);
}
