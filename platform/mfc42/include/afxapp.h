// The application object and the process entry: CWinThread, CWinApp, the
// global accessors and the message box helpers. The one CWinApp object of
// the process is found by WinMain through AfxGetApp().
#pragma once
#include "afxcmdtarget.h"
#include "afxstring.h"

class CWnd;
class CDocManager;
class CDocTemplate;
class CDocument;
class CRecentFileList;
class CCommandLineInfo;
class CCmdUI;
class CException;

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
    // Whether a message re-arms idle processing (paints and unmoved mouse
    // moves do not).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Pass 0 sends WM_IDLEUPDATECMDUI to the visible frames and their
    // children (menus, bars and panes take their command states); pass 1
    // frees the temporary wrappers made by FromHandle.
    virtual BOOL OnIdle(LONG lCount);
    CWnd* GetMainWnd() { return m_pMainWnd; }
    // A CException that left a message handler: reported (user exceptions
    // were reported already) and freed. Answers the message's result.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    static LRESULT DefaultWndProcException(CException* e, const MSG* pMsg);
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
    DWORD m_dwPromptContext = 0;   // help topic of the message box on screen, 0 none
    // Help topics of message boxes are their prompt ids from here on.
    static const DWORD kHelpPromptBase = 0x30000;
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    // Saves the recent-file list; answers the WM_QUIT code.
    virtual int ExitInstance();
    virtual int Run();

    // Documents and templates (through m_pDocManager, made on first use).
    CDocManager* m_pDocManager = nullptr;
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual void AddToRecentFileList(LPCSTR lpszPathName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount();
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate);
    void OnFileNew();
    void OnFileOpen();
    BOOL OnOpenRecentFile(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    void OnAppExit();
    void OnHelp();
    // The print set-up dialog on the application's printer (m_hDevMode,
    // m_hDevNames), which keeps the choice.
    void OnFilePrintSetup();
    // Makes the given printer the application's; bFreeOld frees the
    // handles it replaces.
    void SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld = TRUE);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    CRecentFileList* m_pRecentFileList = nullptr;

    // Command line (m_lpCmdLine, the arguments after the program name).
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // New document, open file, or nothing; FALSE ends start-up.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    BOOL RunEmbedded() { return m_bRunEmbedded; }
    BOOL RunAutomated() { return m_bRunAutomated; }
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    void EnableShellOpen() {}
    void RegisterShellFileTypes(BOOL bCompat = FALSE) { (void)bCompat; }
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    // Profile settings: in the registry under the current user's key
    // Software/<registry key>/<profile name> once SetRegistryKey ran, else
    // in the initialisation file m_pszProfileName.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR lpszSection);
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // A null lpszValue deletes the entry; a null lpszEntry the whole section.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    // The recent-file list with nMaxMRU entries, read from the profile.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    UINT m_nNumPreviewPages = 0;

    // Wait cursor shared by the whole application: +1 shows it, -1 undoes
    // one show, 0 restores it after something else changed the cursor.
    virtual void DoWaitCursor(int nCode);
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    CWinApp* m_pOuterApp = nullptr;   // the application object in force before this one
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
