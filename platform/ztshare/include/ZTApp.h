// The framework library's application: the class library's application
// object with the family's start-up (the profile under the family's
// registry key, OLE released at the end), its message loop, File New on
// the first template and the starters of the family's other programs.
#pragma once
#include "afxwin.h"
#include "zttools.h"

// The family's registry key under HKEY_CURRENT_USER\Software.
#define ZT_FAMILY_REGISTRY_KEY "Zentavo"

class CZTApp : public CWinApp
{
    DECLARE_DYNAMIC(CZTApp)
public:
    // Runs from a static constructor: no Win32.
    explicit CZTApp(LPCSTR lpszAppName = nullptr);

    // Keeps the profile under Software\Zentavo\<application title>.
    virtual BOOL InitInstance() override;
    // Ends OLE when start-up began it; answers the class library's result.
    virtual int ExitInstance() override;
    // The message loop: the main frame's accelerator tables are tried
    // before a message is dispatched (PreTranslateMessage).
    virtual int Run() override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    // A document opened through the document manager, which activates one
    // already open under the path.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName) override;

    // A new document on the first template, shown.
    void OnFileNew();

    CXRunApplication m_runApplication;

    DECLARE_MESSAGE_MAP()
};
