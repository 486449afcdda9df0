// The class-library layer end to end: an MDI application whose scripted
// steps run from a timer inside its own message loop. It checks command
// routing (menu commands and accelerators), idle updates of menus and
// status panes, untitled numbering, the painting of a scroll view, profile
// settings in the registry, the recent-file list, and that closing the last
// frame ends the loop with the exit code while every document, view and
// frame is destroyed exactly once.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "tests/platform/mfc42app/resource.h"
#include "tests/support/screenshot.h"
#include <algorithm>
#include <stdlib.h>
#include <string>
#include <vector>

namespace {

const int kExitCodeOffset = 7;            // ExitInstance adds it to WM_QUIT's code
const UINT_PTR kStepTimer = 1;
const char kRegistryKey[] = "ZentavoLayerTest";
const char kAppName[] = "ZtAppTest";

std::vector<std::string> g_log;
int g_docsMade, g_docsGone, g_viewsMade, g_viewsGone, g_childrenMade, g_childrenGone, g_mainMade, g_mainGone;
bool g_exitSawNoMainWindow;
int g_idlePassesSinceStep;   // steps wait for an idle pass between them
int g_ticks;
CString g_savedPath;

// ---------------------------------------------------------------------------
// Document, view and frames

class CAppDoc : public CDocument
{
    DECLARE_DYNCREATE(CAppDoc)
public:
    CAppDoc() { g_docsMade++; }
    ~CAppDoc() override { g_docsGone++; }
    LONG m_value = 1234;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    void OnTestDoc() { g_log.push_back("doc"); }
    void OnViewDoc() { g_log.push_back("doc:viewdoc"); }
    void OnDocChild() { g_log.push_back("doc:docchild"); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnChecked() {}
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CAppDoc, CDocument)
BEGIN_MESSAGE_MAP(CAppDoc, CDocument)
    ON_COMMAND(ID_TEST_DOC, OnTestDoc)
    ON_COMMAND(ID_TEST_VIEWDOC, OnViewDoc)
    ON_COMMAND(ID_TEST_DOCCHILD, OnDocChild)
    ON_COMMAND(ID_TEST_CHECKED, OnChecked)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
END_MESSAGE_MAP()

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kBlock = RGB(200, 0, 0);
const CRect kBlockRect(20, 20, 120, 70);   // logical units (pixels: MM_TEXT)

class CAppView : public CScrollView
{
    DECLARE_DYNCREATE(CAppView)
public:
    CAppView() { g_viewsMade++; }
    ~CAppView() override { g_viewsGone++; }
    void OnInitialUpdate() override
    {
        SetScrollSizes(MM_TEXT, CSize(1500, 2000));
        CScrollView::OnInitialUpdate();
    }
    void OnDraw(CDC* pDC) override
    {
        pDC->FillSolidRect(CRect(0, 0, 1500, 2000), kPaper);
        pDC->FillSolidRect(kBlockRect, kBlock);
    }
    void OnTestView() { g_log.push_back("view"); }
    void OnViewDoc() { g_log.push_back("view:viewdoc"); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnDisabled() { g_log.push_back("disabled ran"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CAppView, CScrollView)
BEGIN_MESSAGE_MAP(CAppView, CScrollView)
    ON_COMMAND(ID_TEST_VIEW, OnTestView)
    ON_COMMAND(ID_TEST_VIEWDOC, OnViewDoc)
    ON_COMMAND(ID_TEST_DISABLED, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

class CChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame() { g_childrenMade++; }
    ~CChildFrame() override { g_childrenGone++; }
    void OnDocChild() { g_log.push_back("child:docchild"); }
    void OnChildMain() { g_log.push_back("child:childmain"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
    ON_COMMAND(ID_TEST_DOCCHILD, OnDocChild)
    ON_COMMAND(ID_TEST_CHILDMAIN, OnChildMain)
END_MESSAGE_MAP()

class CMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame() { g_mainMade++; }
    ~CMainFrame() override { g_mainGone++; }
    CStatusBar m_wndStatusBar;
    int step = 0;

    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        static const UINT indicators[] = { ID_SEPARATOR, ID_INDICATOR_DOCS, ID_INDICATOR_CAPS, ID_INDICATOR_NUM };
        if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4))
            return -1;
        return 0;
    }
    void OnChildMain() { g_log.push_back("main:childmain"); }
    void OnMainApp() { g_log.push_back("main:mainapp"); }
    void OnUpdateDocs(CCmdUI* pCmdUI)
    {
        CString text;
        text.Format("%d documents", AfxGetApp()->GetOpenDocumentCount());
        pCmdUI->SetText(text);
    }
    void OnTimer(UINT nIDEvent);
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_COMMAND(ID_TEST_CHILDMAIN, OnChildMain)
    ON_COMMAND(ID_TEST_MAINAPP, OnMainApp)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_DOCS, OnUpdateDocs)
END_MESSAGE_MAP()

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(kAppName) {}
    BOOL InitInstance() override;
    int ExitInstance() override
    {
        g_exitSawNoMainWindow = m_pMainWnd == nullptr;
        return CWinApp::ExitInstance() + kExitCodeOffset;
    }
    BOOL OnIdle(LONG lCount) override
    {
        BOOL more = CWinApp::OnIdle(lCount);
        if (lCount == 0)
            g_idlePassesSinceStep++;
        return more;
    }
    void OnTestApp() { g_log.push_back("app"); }
    void OnMainApp() { g_log.push_back("app:mainapp"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
    ON_COMMAND(ID_TEST_APP, OnTestApp)
    ON_COMMAND(ID_TEST_MAINAPP, OnMainApp)
END_MESSAGE_MAP()

CTestApp theApp;

BOOL CTestApp::InitInstance()
{
    SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(4);
    AddDocTemplate(new CMultiDocTemplate(IDR_DOCTYPE, RUNTIME_CLASS(CAppDoc), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CAppView)));
    CMainFrame* pMainFrame = new CMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME))
        return FALSE;
    m_pMainWnd = pMainFrame;
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))   // no arguments: a new document
        return FALSE;
    pMainFrame->ShowWindow(SW_SHOWNORMAL);
    pMainFrame->UpdateWindow();
    pMainFrame->SetTimer(kStepTimer, 100, nullptr);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Helpers of the steps

std::vector<CMDIChildWnd*> ChildFrames(CMDIFrameWnd* pFrame)
{
    std::vector<CMDIChildWnd*> children;
    for (HWND h = ::GetWindow(pFrame->m_hWndMDIClient, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(h);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
            children.push_back((CMDIChildWnd*)pWnd);
    }
    return children;
}

// Paints the view through WM_PRINTCLIENT into a memory bitmap.
struct Capture
{
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
    int width = 0, height = 0;
    explicit Capture(CWnd* pWnd)
    {
        CRect client;
        pWnd->GetClientRect(&client);
        width = client.Width();
        height = client.Height();
        CClientDC screen((CWnd*)nullptr);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, width, height);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, RGB(0, 255, 0));
    }
    ~Capture() { dc.SelectObject(old); }
};

// ---------------------------------------------------------------------------
// The steps, one per timer tick: idle processing runs between them.

void CMainFrame::OnTimer(UINT)
{
    // A slow step can leave the next tick due at once; the checks of a step
    // need the idle pass after the previous one.
    if (++g_ticks > 200)
    {
        ADD_FAILURE() << "no idle pass before step " << step;
        KillTimer(kStepTimer);
        ::PostQuitMessage(91);
        return;
    }
    if (g_idlePassesSinceStep == 0)
        return;
    g_idlePassesSinceStep = 0;
    CWinApp* app = AfxGetApp();
    switch (step++)
    {
    case 0:
    {
        // ProcessShellCommand opened the first document; File New the second.
        EXPECT_EQ(ChildFrames(this).size(), 1u);
        PostMessage(WM_COMMAND, ID_FILE_NEW);
        break;
    }
    case 1:
    {
        std::vector<CMDIChildWnd*> children = ChildFrames(this);
        EXPECT_EQ(children.size(), 2u);
        EXPECT_EQ(app->GetOpenDocumentCount(), 2);
        std::vector<std::string> titles;
        for (CMDIChildWnd* child : children)
        {
            CDocument* doc = child->GetActiveDocument();
            ASSERT_NE(doc, nullptr);
            titles.push_back((LPCSTR)doc->GetTitle());
            CView* view = child->GetActiveView();
            ASSERT_NE(view, nullptr);
            EXPECT_TRUE(view->IsKindOf(RUNTIME_CLASS(CScrollView)));
            EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);
            EXPECT_TRUE(view->GetStyle() & WS_HSCROLL);
        }
        std::sort(titles.begin(), titles.end());
        EXPECT_EQ(titles, (std::vector<std::string>{ "ZtDoc1", "ZtDoc2" }));
        CMDIChildWnd* active = MDIGetActive();
        ASSERT_NE(active, nullptr);
        EXPECT_STREQ(active->GetActiveDocument()->GetTitle(), "ZtDoc2");
        CString caption;
        active->GetWindowText(caption);
        EXPECT_STREQ(caption, "ZtDoc2");

        // Commands posted as the menu would send them.
        g_log.clear();
        static const UINT commands[] = { ID_TEST_VIEW, ID_TEST_DOC, ID_TEST_APP, ID_TEST_DISABLED,
                                         ID_TEST_VIEWDOC, ID_TEST_DOCCHILD, ID_TEST_CHILDMAIN, ID_TEST_MAINAPP };
        for (UINT id : commands)
            PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
        // Keys through the accelerators: the child template's, then the frame's.
        CView* activeView = active->GetActiveView();
        activeView->PostMessage(WM_KEYDOWN, VK_F5, 1);
        activeView->PostMessage(WM_KEYDOWN, VK_F6, 1);
        break;
    }
    case 2:
    {
        // The route: view, document, child frame, application, then main
        // frame: with a child active, a command both the application and
        // the main frame handle reaches the application.
        EXPECT_EQ(g_log, (std::vector<std::string>{ "view", "doc", "app", "view:viewdoc", "doc:docchild",
                                                     "child:childmain", "app:mainapp", "view", "app" }));
        // The idle pass set the menu of the active document and the panes.
        HMENU menu = ::GetMenu(m_hWnd);
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(::GetMenuState(menu, ID_TEST_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_TRUE(::GetMenuState(menu, ID_TEST_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_FALSE(::GetMenuState(menu, ID_TEST_VIEW, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_TRUE(::GetMenuState(menu, ID_WINDOW_CASCADE, MF_BYCOMMAND) != (UINT)-1);
        int docsPane = m_wndStatusBar.CommandToIndex(ID_INDICATOR_DOCS);
        EXPECT_STREQ(m_wndStatusBar.GetPaneText(docsPane), "2 documents");

        // The view's painting, scrolled, captured into a bitmap.
        CView* view = GetActiveFrame()->GetActiveView();
        ASSERT_NE(view, nullptr);
        ((CScrollView*)view)->ScrollToPosition(CPoint(10, 15));
        Capture capture(view);
        view->SendMessage(WM_PRINTCLIENT, (WPARAM)capture.dc.m_hDC, PRF_CLIENT);
        struct { int x, y; COLORREF expected; } pixels[] = {
            { 5, 2, kPaper },                     // above the block
            { 15, 10, kBlock },                   // block's top-left corner moved by the scroll
            { 109, 54, kBlock },                  // its bottom-right corner
            { 111, 56, kPaper },
        };
        for (const auto& p : pixels)
            EXPECT_EQ(capture.dc.GetPixel(p.x, p.y), p.expected) << p.x << "," << p.y;
        ((CScrollView*)view)->ScrollToPosition(CPoint(0, 0));

        // Profile values through the registry.
        EXPECT_TRUE(app->WriteProfileInt("Test", "Count", 42));
        EXPECT_TRUE(app->WriteProfileString("Test", "Name", "zentavo"));
        EXPECT_EQ(app->GetProfileInt("Test", "Count", 0), 42u);
        EXPECT_STREQ(app->GetProfileString("Test", "Name"), "zentavo");
        HKEY key = nullptr;
        std::string keyPath = std::string("Software\\") + kRegistryKey + "\\" + kAppName + "\\Test";
        ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
        DWORD value = 0, size = sizeof(value), type = 0;
        EXPECT_EQ(::RegQueryValueExA(key, "Count", nullptr, &type, (LPBYTE)&value, &size), ERROR_SUCCESS);
        EXPECT_EQ(type, (DWORD)REG_DWORD);
        EXPECT_EQ(value, 42u);
        ::RegCloseKey(key);
        EXPECT_TRUE(app->WriteProfileString("Test", "Name", nullptr));
        EXPECT_STREQ(app->GetProfileString("Test", "Name", "gone"), "gone");
        EXPECT_EQ(app->GetProfileInt("Test", "Missing", -3), (UINT)-3);

        // Saving puts the file on the recent-file list, shown at idle.
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        g_savedPath = CString(temp) + "zt_layer_app_test.ztt";
        CDocument* doc = view->GetDocument();
        EXPECT_TRUE(doc->DoSave(g_savedPath));
        EXPECT_STREQ(doc->GetTitle(), "zt_layer_app_test.ztt");
        EXPECT_EQ(app->m_pRecentFileList->GetCount(), 1);

        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        std::string shot = ScreenshotPath("mfc42_app_screenshot.bmp");
        EXPECT_TRUE(SaveScreenshot(this, shot.c_str())) << shot;
        break;
    }
    case 3:
    {
        HMENU menu = ::GetMenu(m_hWnd);
        EXPECT_FALSE(::GetMenuState(menu, ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);
        char text[MAX_PATH] = "";
        ::GetMenuStringA(menu, ID_FILE_MRU_FILE1, text, sizeof(text), MF_BYCOMMAND);
        EXPECT_TRUE(strstr(text, "zt_layer_app_test.ztt") != nullptr) << text;
        // Closing one child frame closes its document.
        std::vector<CMDIChildWnd*> children = ChildFrames(this);
        ASSERT_EQ(children.size(), 2u);
        children[0]->PostMessage(WM_CLOSE);
        break;
    }
    case 4:
        EXPECT_EQ(ChildFrames(this).size(), 1u);
        EXPECT_EQ(g_docsGone, 1);
        EXPECT_EQ(AfxGetApp()->GetOpenDocumentCount(), 1);
        // Closing the main frame closes the rest and ends the loop.
        PostMessage(WM_CLOSE);
        break;
    default:
        // Something kept the loop alive: end it with a code the test rejects.
        ADD_FAILURE() << "the loop did not end after step " << step;
        KillTimer(kStepTimer);
        ::PostQuitMessage(90);
        break;
    }
}

TEST(LayerApplication, RunsDocumentsViewsAndFramesEndToEnd)
{
    const char* display = getenv("DISPLAY");
    if (!display || !*display)
        GTEST_SKIP() << "no X display";
    int result = AfxWinMain(::GetModuleHandleA(nullptr), nullptr, (LPSTR)"", SW_SHOWNORMAL);
    EXPECT_EQ(result, kExitCodeOffset);
    EXPECT_TRUE(g_exitSawNoMainWindow);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);

    // Every object made was destroyed exactly once.
    EXPECT_EQ(g_docsMade, 2);
    EXPECT_EQ(g_viewsMade, 2);
    EXPECT_EQ(g_childrenMade, 2);
    EXPECT_EQ(g_mainMade, 1);
    EXPECT_EQ(g_docsGone, g_docsMade);
    EXPECT_EQ(g_viewsGone, g_viewsMade);
    EXPECT_EQ(g_childrenGone, g_childrenMade);
    EXPECT_EQ(g_mainGone, g_mainMade);

    // ExitInstance kept the recent-file list in the profile.
    CString first = theApp.GetProfileString("Recent File List", "File1");
    EXPECT_TRUE(first.Find("zt_layer_app_test.ztt") >= 0) << (LPCSTR)first;
    theApp.WriteProfileString("Recent File List", nullptr, nullptr);
    theApp.WriteProfileString("Test", nullptr, nullptr);
    EXPECT_STREQ(theApp.GetProfileString("Recent File List", "File1", "none"), "none");
    if (!g_savedPath.IsEmpty())
        ::DeleteFileA(g_savedPath);
}

}  // namespace
