// The application object and the process entry: CWinThread, CWinApp, the
// global accessors and the message box helpers. The one CWinApp object of
// the process is found by WinMain through AfxGetApp().
#pragma once
#include "afxcmdtarget.h"
#include "afxstring.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();

    CWnd* m_pMainWnd = nullptr;
    MSG m_msgCur = {};

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Runs the message loop until WM_QUIT; answers ExitInstance()'s result.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
};

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Registers itself as the process's application object. Runs from a
    // static constructor, so it must not call Win32.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();

    LPCSTR m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    HINSTANCE m_hPrevInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszExeName = nullptr;
    LPCSTR m_pszHelpFilePath = nullptr;
    LPCSTR m_pszProfileName = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;
    DWORD m_dwPromptContext = 0;
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();

    // Wait cursor shared by the whole application: +1 shows it, -1 undoes
    // one show, 0 restores it after something else changed the cursor.
    virtual void DoWaitCursor(int nCode);
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;
};

CWinApp* AFXAPI AfxGetApp();
CWinThread* AFXAPI AfxGetThread();
CWnd* AFXAPI AfxGetMainWnd();
HINSTANCE AFXAPI AfxGetInstanceHandle();
// The module whose resources LoadString, dialogs and menus read: the
// module handle WinMain received (ztwrite's), or the program's own.
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Binds the application object to the module and command line it runs with.
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
void AFXAPI AfxWinTerm();
// The body of the exported WinMain.
extern "C" int WINAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

// WinMain's answer when the process holds no application object.
const int kAfxNoApplicationExitCode = -1;
