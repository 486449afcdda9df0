// Start-up and shut-down of the application object.
#include "app/CWApp.h"
#include "layout/shading.h"
#include "app/CWOptions.h"

CWApp App;

CWApp::CWApp() = default;

BOOL CWApp::InitInstance()
{
    TRACE("ztwrite: InitInstance, command line \"%s\"\n", m_lpCmdLine ? m_lpCmdLine : "");
    Options.Load();
    InitFonts();
    // Still to come: the framework, OLE, the document template and the main
    // frame. Without a main frame there is nothing to run, so start-up ends
    // here as it does when a step fails.
    return FALSE;
}

int CWApp::ExitInstance()
{
    // The main frame's creation loads the shading patterns.
    DeleteBrushes();
    ReleasePrinterDC();
    ReleaseScreenDC();
    return CWinApp::ExitInstance();
}
