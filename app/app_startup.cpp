// Start-up of the application object.
#include "app/CWApp.h"
#include "app/CWChildFrame.h"
#include "app/CWDocManager.h"
#include "app/CWInPlaceFrame.h"
#include "app/CWMainFrame.h"
#include "app/CWMultiDocTemplate.h"
#include "app/CWOptions.h"
#include "app/clipboard_document.h"
#include "app/window_placement.h"
#include "document/CWDocument.h"
#include "model/GCaption.h"
#include "model/GImage.h"
#include "model/GOle.h"
#include "model/GPageInfo.h"
#include "model/utilities.h"
#include "view/CWView.h"
#include "resources/resource.h"
#include "resources/startup_ids.h"
#include <stdio.h>
#include <unistd.h>

CWApp App;

const CLSID clsid = { 0x379CA680, 0x093A, 0x11CF, { 0x85, 0xAA, 0x00, 0x60, 0x8C, 0xF6, 0x71, 0x1A } };
char OpenPath[_MAX_PATH] = "";
const char kCaptionSection[] = "Caption";

namespace {

const int kRecentFiles = 4;
// Main window: overlapped, titled with the active document.
const DWORD kMainFrameStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
// The built-in caption labels that follow the four empty entries.
const UINT kBuiltInCaptionLabels[] = { IDS_CAPTION_PREFIX, IDS_CAPTION_LABEL_TABLE, IDS_CAPTION_LABEL_PICTURE,
                                       IDS_CAPTION_LABEL_LABEL };
const int kEmptyCaptionLabels = 4;

CString ResourceString(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

}  // namespace

CWApp::CWApp()
{
    EnableAutomation();
}

BOOL CWApp::InitInstance()
{
    // The class library's constructor would read these; here the imports
    // are bound.
    InitSystemMetrics();
    m_hDevMode = nullptr;
    m_hDevNames = nullptr;
    if (!CZTApp::InitInstance())
        return FALSE;

    static CXLogoWnd splash;
    static bool splashMade = false;
    if (!splashMade)
    {
        splash.Create(IDB_SPLASH);
        splashMade = true;
    }

    if (!getcwd(OpenPath, sizeof(OpenPath)))
        OpenPath[0] = 0;
    GImage::CaptionLabel = ResourceString(IDS_CAPTION_LABEL_IMAGE);
    GOle::CaptionLabel = ResourceString(IDS_CAPTION_LABEL_OBJECT);
    GCell::CaptionFieldLabel = ResourceString(IDS_CAPTION_LABEL_FIELD);

    CCommandLineInfo cmdInfo;
    Options.Load();
    InitFonts();
    InitInputCharSet();
    if (!AfxOleInit())
    {
        AfxMessageBox(IDS_OLE_INIT_FAILED, MB_OK, (UINT)-1);
        return FALSE;
    }
    GetMemIC();
    Enable3dControls();

    ParseCommandLine(cmdInfo);
    cmdInfo.m_strFileName.TrimRight();
    if (cmdInfo.m_bShowSplash)
        splash.BeginLogo();
    LoadStdProfileSettings(kRecentFiles);
    IsPageInfoFindPrinter = 1;

    CreateDocumentTemplate();

    CWMainFrame* pMainFrame = new CWMainFrame;
    m_pMainWnd = pMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, kMainFrameStyle, nullptr, nullptr))
    {
        // A frame that fails deletes itself.
        m_pMainWnd = nullptr;
        splash.EndLogo();
        return FALSE;
    }
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);
    SetCaptions();
    CreateInternalClipboard();

    // Started for embedding or automation: the window stays hidden.
    if (RunEmbedded() || RunAutomated())
    {
        splash.EndLogo();
        return TRUE;
    }

    m_server.UpdateRegistry(OAT_DOC_OBJECT_SERVER, nullptr, nullptr);
    COleObjectFactory::UpdateRegistryAll(TRUE);
    pMainFrame->DragAcceptFiles(TRUE);

    bool newOrOpen = cmdInfo.m_nShellCommand == CCommandLineInfo::FileNew ||
                     cmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen;
    if (newOrOpen)
    {
        // The window stands at its stored place before the first document
        // is made in it.
        WINDOWPLACEMENT wp = {};
        if (ReadWindowPlacement(szWPTitle, wp))
        {
            wp.length = sizeof(WINDOWPLACEMENT);
            pMainFrame->SetWindowPlacement(&wp);
            pMainFrame->ShowWindow(wp.showCmd);
        }
        else
        {
            m_nCmdShow = SW_SHOW;
            pMainFrame->ShowWindow(m_nCmdShow);
        }
    }
    // A file that cannot be opened was reported by the document; the
    // program goes on with the window open.
    ProcessShellCommand(cmdInfo);
    if (!newOrOpen && m_pMainWnd)
        pMainFrame->ShowWindow(m_nCmdShow);

    if (!m_pMainWnd)
    {
        splash.EndLogo();
        return FALSE;
    }
    pMainFrame->UpdateWindow();
    pMainFrame->SetMainMenu();
    splash.EndLogo();
    pMainFrame->GetAcceleratorManager()->AddAccelTable(IDR_MAINFRAME);
    pMainFrame->GetAcceleratorManager()->AddAccelTable(IDR_ZTWRITETYPE);
    return TRUE;
}

CWMultiDocTemplate* CWApp::CreateDocumentTemplate()
{
    // The manager that keeps the template is ours: it also makes the
    // clipboard document.
    if (!m_pDocManager)
        m_pDocManager = new CWDocManager;
    CWMultiDocTemplate* pTemplate = new CWMultiDocTemplate(IDR_ZTWRITETYPE, RUNTIME_CLASS(CWDocument),
                                                           RUNTIME_CLASS(CWChildFrame), RUNTIME_CLASS(CWView));
    pTemplate->SetContainerInfo(IDR_CONTAINER_INPLACE);
    pTemplate->SetServerInfo(IDR_SERVER_EMBEDDING, IDR_SERVER_INPLACE, RUNTIME_CLASS(CWInPlaceFrame), nullptr);
    AddDocTemplate(pTemplate);
    m_server.ConnectTemplate(clsid, pTemplate, FALSE);
    COleObjectFactory::RegisterAll();
    return pTemplate;
}

void CWApp::SetCaptions()
{
    CStringArray& labels = GCaption::Labels;
    labels.SetSize(kEmptyCaptionLabels, kEmptyCaptionLabels);
    for (int i = 0; i < kEmptyCaptionLabels; i++)
        labels[i].Empty();
    for (UINT id : kBuiltInCaptionLabels)
        labels.Add(ResourceString(id));
    for (int n = 0;; n++)
    {
        char key[16];
        sprintf(key, "%d", n);
        CString label = GetProfileString(kCaptionSection, key, nullptr);
        if (label.IsEmpty())
            break;
        bool known = false;
        for (int i = 0; i < labels.GetSize() && !known; i++)
            known = labels[i] == label;
        if (!known)
            labels.Add(label);
    }
}
