// CWinApp's document commands, recent files, command line and profile
// settings.
#include "afxwin.h"
#include <stdlib.h>
#include <string.h>

// ---------------------------------------------------------------------------
// Documents

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (!m_pDocManager)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return m_pDocManager->GetNextDocTemplate(pos);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    return m_pDocManager ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager ? m_pDocManager->SaveAllModified() : TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount()
{
    return m_pDocManager ? m_pDocManager->GetOpenDocumentCount() : 0;
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate)
{
    if (!m_pDocManager)
        m_pDocManager = new CDocManager;
    return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog, pTemplate);
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (!m_pDocManager)
        m_pDocManager = new CDocManager;
    m_pDocManager->OnFileOpen();
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return FALSE;
    int index = (int)(nID - ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[index].IsEmpty())
        return FALSE;
    CString path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path))
        m_pRecentFileList->Remove(index);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (!m_pRecentFileList)
    {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnHelp()
{
    // A message box on screen knows its topic.
    if (m_dwPromptContext != 0)
    {
        WinHelp(m_dwPromptContext, HELP_CONTEXT);
        return;
    }
    // Else the window with the focus, or one of its parents, may know the
    // context it is in: each is asked until one gives help.
    for (HWND hWnd = ::GetFocus(); hWnd; hWnd = ::GetParent(hWnd))
        if (::SendMessageA(hWnd, WM_COMMANDHELP, 0, 0))
            return;
    WinHelp(0, HELP_CONTENTS);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (m_pszHelpFilePath && m_pMainWnd)
        ::WinHelpA(m_pMainWnd->m_hWnd, m_pszHelpFilePath, nCmd, dwData);
}

// ---------------------------------------------------------------------------
// Command line

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    // Arguments split on blanks, double quotes grouping; a leading '-' or
    // '/' marks a flag.
    const char* p = m_lpCmdLine ? m_lpCmdLine : "";
    CStringArray args;
    while (*p)
    {
        while (*p == ' ' || *p == '\t')
            p++;
        if (!*p)
            break;
        CString arg;
        BOOL quoted = FALSE;
        while (*p && (quoted || (*p != ' ' && *p != '\t')))
        {
            if (*p == '"')
                quoted = !quoted;
            else
                arg += *p;
            p++;
        }
        args.Add(arg);
    }
    for (int i = 0; i < args.GetSize(); i++)
    {
        CString arg = args[i];
        BOOL flag = arg.GetLength() > 1 && (arg[0] == '-' || arg[0] == '/');
        rCmdInfo.ParseParam(flag ? (LPCSTR)arg + 1 : (LPCSTR)arg, flag, i == args.GetSize() - 1);
    }
    m_bRunEmbedded = rCmdInfo.m_bRunEmbedded;
    m_bRunAutomated = rCmdInfo.m_bRunAutomated;
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        // A handler of ID_FILE_NEW in the application's map takes precedence.
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
    {
        // Printing from the command line opens the document, prints it
        // through the main window's direct-print command and ends.
        if (!OpenDocumentFile(rCmdInfo.m_strFileName))
            return FALSE;
        AFX_CMDHANDLERINFO info = { nullptr, nullptr };
        if (m_pMainWnd && m_pMainWnd->OnCmdMsg(ID_FILE_PRINT_DIRECT, CN_COMMAND, nullptr, &info))
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        else
            AfxMessageBox("This document cannot be printed from the command line yet; it was opened instead.",
                          MB_ICONINFORMATION);
        return FALSE;
    }
    case CCommandLineInfo::AppUnregister:
        if (m_pDocManager)
            m_pDocManager->UnregisterShellFileTypes();
        return FALSE;
    case CCommandLineInfo::FileDDE:
    case CCommandLineInfo::FileNothing:
        return TRUE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// Profile settings

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = strdup(lpszRegistryKey ? lpszRegistryKey : "");
    m_pszProfileName = m_pszAppName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (!m_pszRegistryKey || !m_pszProfileName)
        return nullptr;
    HKEY software = nullptr, vendor = nullptr, app = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &software) == ERROR_SUCCESS)
    {
        DWORD disposition;
        if (::RegCreateKeyExA(software, m_pszRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, nullptr, &vendor, &disposition) == ERROR_SUCCESS)
        {
            ::RegCreateKeyExA(vendor, m_pszProfileName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, nullptr, &app, &disposition);
            ::RegCloseKey(vendor);
        }
        ::RegCloseKey(software);
    }
    return app;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    HKEY app = GetAppRegistryKey();
    if (!app)
        return nullptr;
    HKEY section = nullptr;
    DWORD disposition;
    ::RegCreateKeyExA(app, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, nullptr,
                      &section, &disposition);
    ::RegCloseKey(app);
    return section;
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey)
    {
        HKEY section = GetSectionKey(lpszSection);
        if (!section)
            return (UINT)nDefault;
        DWORD value = 0, type = 0, size = sizeof(value);
        LONG status = ::RegQueryValueExA(section, lpszEntry, nullptr, &type, (LPBYTE)&value, &size);
        ::RegCloseKey(section);
        if (status != ERROR_SUCCESS || type != REG_DWORD)
            return (UINT)nDefault;
        return (UINT)value;
    }
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey)
    {
        HKEY section = GetSectionKey(lpszSection);
        if (!section)
            return FALSE;
        DWORD value = (DWORD)nValue;
        LONG status = ::RegSetValueExA(section, lpszEntry, 0, REG_DWORD, (const BYTE*)&value, sizeof(value));
        ::RegCloseKey(section);
        return status == ERROR_SUCCESS;
    }
    char text[16];
    wsprintfA(text, "%d", nValue);
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    if (m_pszRegistryKey)
    {
        HKEY section = GetSectionKey(lpszSection);
        if (!section)
            return CString(lpszDefault);
        DWORD type = 0, size = 0;
        CString value;
        LONG status = ::RegQueryValueExA(section, lpszEntry, nullptr, &type, nullptr, &size);
        if (status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ))
        {
            LPSTR buffer = value.GetBuffer((int)size + 1);
            status = ::RegQueryValueExA(section, lpszEntry, nullptr, &type, (LPBYTE)buffer, &size);
            buffer[size] = 0;
            value.ReleaseBuffer();
        }
        ::RegCloseKey(section);
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return CString(lpszDefault);
        return value;
    }
    char buffer[4096];
    ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault ? lpszDefault : "", buffer, sizeof(buffer),
                               m_pszProfileName);
    return CString(buffer);
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (m_pszRegistryKey)
    {
        if (!lpszEntry)
        {
            // No entry: the whole section goes.
            HKEY app = GetAppRegistryKey();
            if (!app)
                return FALSE;
            LONG status = ::RegDeleteKeyA(app, lpszSection);
            ::RegCloseKey(app);
            return status == ERROR_SUCCESS;
        }
        HKEY section = GetSectionKey(lpszSection);
        if (!section)
            return FALSE;
        LONG status;
        if (!lpszValue)
            status = ::RegDeleteValueA(section, lpszEntry);
        else
            status = ::RegSetValueExA(section, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                      (DWORD)strlen(lpszValue) + 1);
        ::RegCloseKey(section);
        return status == ERROR_SUCCESS || (!lpszValue && status == ERROR_FILE_NOT_FOUND);
    }
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU > 0)
    {
        if (nMaxMRU > ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1)
            nMaxMRU = ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1;
        m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", (int)nMaxMRU);
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
}
