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

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    // The windows from the message's own up to the main window get a look
    // first (frames translate their accelerators there).
    HWND hWndStop = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    return CWnd::WalkPreTranslateTree(hWndStop, pMsg);
}

// The command-state update of one top-level frame and its children.
static BOOL CALLBACK IdleUpdateWindow(HWND hWnd, LPARAM)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) || !::IsWindowVisible(hWnd))
        return TRUE;
    AfxCallWndProc(pWnd, hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    if (::IsWindow(hWnd))
        pWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    return TRUE;
}

// First idle pass: menus, bars and panes take their command states from
// the update handlers; second: free the temporary wrappers made by
// FromHandle (GDI objects, device contexts, windows and menus).
BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), IdleUpdateWindow, 0);
        return TRUE;
    }
    if (lCount == 1)
    {
        AfxLockTempMaps();
        AfxUnlockTempMaps(TRUE);
    }
    return FALSE;
}

static int g_tempMapLocks = 0;

void AFXAPI AfxLockTempMaps()
{
    g_tempMapLocks++;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    if (g_tempMapLocks > 0)
        g_tempMapLocks--;
    if (g_tempMapLocks != 0 || !bDeleteTemps)
        return FALSE;
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    return TRUE;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR, LPCSTR)
{
    return AfxGetResourceHandle();
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

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return DefaultWndProcException(e, pMsg);
}

LRESULT CWinThread::DefaultWndProcException(CException* e, const MSG* pMsg)
{
    if (!e)
    {
        // Something other than our exceptions (a reader's error code):
        // the user hears that the action failed; nothing is dropped silently.
        CString text;
        if (!text.LoadString(AFX_IDP_INTERNAL_FAILURE))
            text = "An unexpected error stopped the last action. Your documents are still open.";
        AfxMessageBox(text, MB_ICONEXCLAMATION);
    }
    else if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONEXCLAMATION);
    if (e)
        e->Delete();
    // A window that failed to create is not made; a failed paint must not
    // come back for ever.
    if (pMsg->message == WM_CREATE)
        return -1;
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);
    return 0;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Paints, the caret's system timer and a mouse that did not move change
    // nothing the idle pass shows.
    static POINT lastPoint = { -1, -1 };
    static UINT lastMessage = 0;
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        bool same = pMsg->message == lastMessage && pMsg->pt.x == lastPoint.x && pMsg->pt.y == lastPoint.y;
        lastPoint = pMsg->pt;
        lastMessage = pMsg->message;
        return !same;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;   // WM_SYSTIMER
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
            if (IsIdleMessage(&m_msgCur))
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
    m_pOuterApp = g_app;
    g_app = this;
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    m_pDocManager = nullptr;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = nullptr;
    // An application object made for a while inside another (a test's)
    // hands the place back to the one it stood in for.
    if (g_app == this)
        g_app = m_pOuterApp;
}

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, OnOpenRecentFile)
END_MESSAGE_MAP()

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
    SaveStdProfileSettings();
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

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    // Owned by the main window's active popup, so the box stays in front.
    HWND owner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    if (owner)
        owner = ::GetLastActivePopup(owner);
    // While the box is up, help (F1) asks for the prompt's own topic.
    const DWORD savedContext = m_dwPromptContext;
    if (nIDPrompt && nIDPrompt != (UINT)-1)
        m_dwPromptContext = kHelpPromptBase + nIDPrompt;
    const int answer = ::MessageBoxA(owner, lpszPrompt, m_pszAppName, nType);
    m_dwPromptContext = savedContext;
    return answer;
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
        // A failed start-up destroys a half-made main window and still runs
        // ExitInstance so that it can clean up.
        if (app->InitInstance())
            result = app->Run();
        else
        {
            if (app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
                app->m_pMainWnd->DestroyWindow();
            result = app->ExitInstance();
        }
    }
    AfxWinTerm();
    return result;
}
