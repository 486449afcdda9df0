// The application's commands that need no document: the message map, Save
// All, the about box, the help files, the tip of the day and the tools
// commands still without a tool. File New and File Open have files of their
// own.
#include "app/CWApp.h"
#include "app/CWDocManager.h"
#include "app/CWTipDlg.h"
#include "resources/resource.h"
#include "zttools.h"

BEGIN_MESSAGE_MAP(CWApp, CZTApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_NEW_DEFAULT, OnFileNew)
    ON_COMMAND(ID_FILE_NEW_DLG, OnFileNewDlg)
    ON_COMMAND(ID_FILE_OPEN_ZVW, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE_ALL, OnFileSaveAll)
    ON_COMMAND(ID_HELP_ABOUT, OnHelpAbout)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, OnOpenRecentFileZvw)
    ON_COMMAND(ID_WHELP_USERS_GUIDE, OnWHelpZentavousersgude)
    ON_COMMAND(ID_WHELP_SUPPORT, OnWHelpOnlinesupport)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_COMMAND(ID_TOOLS_MACROS, OnToolsMacros)
    ON_COMMAND(ID_TOOLS_MACRO_EDITOR, OnToolsMacroeditor)
    ON_COMMAND(ID_HELP_TIP_OF_THE_DAY, OnHelpTipoftheday)
    ON_COMMAND(ID_FILE_PRINT_SETUP_ZVW, OnFilePrintSetup)
    ON_COMMAND(ID_TOOLS_FORM_EDITOR, OnToolsFormeditor)
END_MESSAGE_MAP()

void CWApp::OnFileSaveAll()
{
    SaveAllModified();
}

void CWApp::OnHelpAbout()
{
    CXAboutDialog about(AfxGetMainWnd(), IDR_MAINFRAME);
    about.DoModal();
}

BOOL CWApp::OnOpenRecentFileZvw(UINT nID)
{
    return OnOpenRecentFile(nID);
}

void Help(CString name)
{
    CWinApp* app = AfxGetApp();
    CString path = app && app->m_pszHelpFilePath ? app->m_pszHelpFilePath : "";
    path = path.Left(path.ReverseFind('\\') + 1) + name;
    CWnd* main = AfxGetMainWnd();
    ::WinHelpA(main ? main->m_hWnd : nullptr, path, HELP_CONTENTS, 0);
}

void CWApp::OnWHelpZentavousersgude()
{
    CString name;
    name.LoadString(IDS_HELP_USERS_GUIDE_FILE);
    Help(name);
}

void CWApp::OnWHelpOnlinesupport()
{
    CString name;
    name.LoadString(IDS_HELP_SUPPORT_FILE);
    Help(name);
}

void CWApp::OnHelp()
{
    const MSG* current = CWnd::GetCurrentMessage();
    if (m_dwPromptContext == 0 && (!current || current->message != WM_COMMAND))
        WinHelp(0, HELP_FINDER);
    else
        CWinApp::OnHelp();
}

void CWApp::OnHelpTipoftheday()
{
    CWTipDlg tip(nullptr);
    tip.DoModal();
}

void CWApp::OnFileCloseAll()
{
    if (m_pDocManager)
        ((CWDocManager*)m_pDocManager)->SmartCloseAll();
}
