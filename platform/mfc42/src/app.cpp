// The application object, its message loop and the process entry that the
// launcher calls as the exported WinMain.
#include "afxwin.h"
#include <stdio.h>
#include <stdlib.h>

// Process-wide state of the layer. Constant-initialised: the application
// object registers itself from a static constructor of another module.
static CWinApp* g_app = nullptr;
static HINSTANCE g_resourceHandle = nullptr;
static char* g_appNameCopy = nullptr;

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinThread::CWinThread() = default;

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

BOOL CWinThread::PreTranslateMessage(MSG*)
{
    return FALSE;
}

// First idle pass: command-state updates (they join with the window
// classes); second: free the temporary GDI wrappers made by FromHandle.
BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        return TRUE;
    if (lCount == 1)
    {
        CGdiObject::DeleteTempMap();
        CDC::DeleteTempMap();
    }
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    // Idle processing runs while the queue is empty and OnIdle asks for more;
    // any message re-arms it.
    BOOL idle = TRUE;
    LONG idleCount = 0;
    for (;;)
    {
        while (idle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(idleCount++))
                idle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (m_msgCur.message != WM_TIMER && m_msgCur.message != WM_PAINT)
            {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    m_pszAppName = lpszAppName;
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

int CWinApp::Run()
{
    // Without a main window there is nothing to wait for.
    if (!m_pMainWnd)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount < 0)
        m_nWaitCursorCount = 0;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == nCode)
            m_hcurWaitCursorRestore = previous;
    }
    else if (nCode != 0)
    {
        ::SetCursor(m_hcurWaitCursorRestore ? m_hcurWaitCursorRestore
                                            : ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW));
        m_hcurWaitCursorRestore = nullptr;
    }
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    // The owner window joins with the window classes; until then boxes are
    // top-level.
    return ::MessageBoxA(nullptr, lpszPrompt, m_pszAppName, nType);
}

CWinApp* AFXAPI AfxGetApp()
{
    return g_app;
}

CWinThread* AFXAPI AfxGetThread()
{
    return g_app;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    if (g_app && g_app->m_hInstance)
        return g_app->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_resourceHandle ? g_resourceHandle : ::GetModuleHandleA(nullptr);
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_resourceHandle = hInstResource;
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (g_app)
        return g_app->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(nullptr, lpszText, nullptr, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
        text.Format("Message %u", nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

// The application's title: string 0xE000 of its resources when present,
// else the base name of its module file.
static LPCSTR DefaultAppName(HINSTANCE hInstance)
{
    char name[MAX_PATH] = "";
    if (::LoadStringA(hInstance, 0xE000, name, sizeof(name)) <= 0)
    {
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(hInstance, path, sizeof(path));
        const char* base = strrchr(path, '\\');
        base = base ? base + 1 : path;
        lstrcpynA(name, base, sizeof(name));
        if (char* dot = strchr(name, '.'))
            *dot = 0;
    }
    free(g_appNameCopy);
    g_appNameCopy = strdup(name);
    return g_appNameCopy;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    g_resourceHandle = hInstance;
    if (g_app)
    {
        g_app->m_hInstance = hInstance;
        g_app->m_hPrevInstance = hPrevInstance;
        g_app->m_lpCmdLine = lpCmdLine;
        g_app->m_nCmdShow = nCmdShow;
        if (!g_app->m_pszAppName)
            g_app->m_pszAppName = DefaultAppName(hInstance);
        if (!g_app->m_pszExeName)
            g_app->m_pszExeName = g_app->m_pszAppName;
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
}

int WINAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = g_app;
    if (!app)
    {
        fputs("mfc42: WinMain found no application object; nothing to run\n", stderr);
        fflush(stderr);
        return kAfxNoApplicationExitCode;
    }
    int result = kAfxNoApplicationExitCode;
    if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && app->InitApplication())
    {
        // A failed start-up still runs ExitInstance so that it can clean up;
        // destroying a half-made main window joins with the window classes.
        if (app->InitInstance())
            result = app->Run();
        else
            result = app->ExitInstance();
    }
    AfxWinTerm();
    return result;
}
