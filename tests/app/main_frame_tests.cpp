// The main frame under the X display: loaded from resource 5000 it shows
// its menu, toolbars and status panes; toolbar clicks reach command
// handlers; the frame data's panes and progress display; full-screen mode;
// the placement written on closing and the clipboard document's end.
// Without a display these tests skip.
#include "tests/support/zt_gtest.h"
#include "tests/support/screenshot.h"
#include "tests/support/window_test_support.h"
#include "app/CWApp.h"
#include "app/CWInPlaceFrame.h"
#include "app/CWMainFrame.h"
#include "app/clipboard_document.h"
#include "app/window_placement.h"
#include "document/CWDocument.h"
#include "editing/CWUndoRedoStack.h"
#include "resources/resource.h"
#include "view/CWView.h"
#include <commctrl.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

const UINT kTestCommand = 36023;   // Find, on the Standard toolbar
int g_testCommandRuns;

// The main frame with a handler of one toolbar command.
class CTestMainFrame : public CWMainFrame
{
public:
    void OnTestCommand() { g_testCommandRuns++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestMainFrame, CWMainFrame)
    ON_COMMAND(kTestCommand, OnTestCommand)
END_MESSAGE_MAP()

bool HaveDisplay()
{
    return HaveXDisplay();
}

void Pump()
{
    PumpWaitingMessages();
}

struct ClassSearch
{
    const char* name;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND h, LPARAM p)
{
    ((std::vector<HWND>*)p)->push_back(h);
    return TRUE;
}

BOOL CALLBACK CollectOfClass(HWND h, LPARAM p)
{
    ClassSearch* s = (ClassSearch*)p;
    char name[64] = "";
    ::GetClassNameA(h, name, sizeof(name));
    if (lstrcmpiA(name, s->name) == 0)
        s->found.push_back(h);
    return TRUE;
}

// Windows of a class among all windows of this thread: the frame, the
// floating bars' frames and all their children.
std::vector<HWND> WindowsOfClass(const char* className)
{
    ClassSearch search = { className, {} };
    std::vector<HWND> tops;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, (LPARAM)&tops);
    for (HWND h : tops)
    {
        CollectOfClass(h, (LPARAM)&search);
        ::EnumChildWindows(h, CollectOfClass, (LPARAM)&search);
    }
    return search.found;
}

HWND ToolbarWindow(UINT id)
{
    for (HWND h : WindowsOfClass(TOOLBARCLASSNAMEA))
        if ((UINT)::GetDlgCtrlID(h) == id)
            return h;
    return nullptr;
}

std::vector<UINT> ToolbarButtons(HWND bar)
{
    std::vector<UINT> ids;
    int count = (int)::SendMessageA(bar, TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < count; i++)
    {
        TBBUTTON b = {};
        ::SendMessageA(bar, TB_GETBUTTON, i, (LPARAM)&b);
        ids.push_back((b.fsStyle & TBSTYLE_SEP) ? 0 : (UINT)b.idCommand);
    }
    return ids;
}

std::string PaneText(HWND statusBar, int pane)
{
    char text[512] = "";
    ::SendMessageA(statusBar, SB_GETTEXTA, pane, (LPARAM)text);
    return text;
}

class MainFrameTest : public testing::Test
{
protected:
    CTestMainFrame* frame = nullptr;

    void SetUp() override
    {
        if (!HaveDisplay())
            GTEST_SKIP() << "no X display";
        App.SetRegistryKey("ztwrite tests");
        App.m_pszProfileName = "main frame";
        HKEY key;
        if (::RegOpenKeyA(HKEY_CURRENT_USER, "Software\\ztwrite tests\\main frame", &key) == ERROR_SUCCESS)
        {
            ::RegDeleteKeyA(key, szWPTitle);
            ::RegCloseKey(key);
        }
        frame = new CTestMainFrame;
        App.m_pMainWnd = frame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        frame->SetWindowPos(nullptr, 20, 20, 900, 640, SWP_NOZORDER | SWP_NOACTIVATE);
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        Pump();
    }

    void TearDown() override
    {
        if (frame && ::IsWindow(frame->m_hWnd))
            frame->DestroyWindow();
        App.m_pMainWnd = nullptr;
        Pump();
    }

    HWND StatusBar() const { return frame->GetStatusbar()->m_hWnd; }

    void IdleUpdate()
    {
        frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        for (int i = 0; i < frame->GetToolBarManager()->GetToolBarCount(); i++)
            frame->GetToolBarManager()->GetToolBarAt(i)->OnUpdateCmdUI(frame, TRUE);
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// What the frame shows

TEST_F(MainFrameTest, MenuToolbarsAndStatusPanesAreThere)
{
    EXPECT_EQ(GetCustomFrameData(), static_cast<CWCustomFrameData*>(frame));

    HMENU menu = ::GetMenu(frame->m_hWnd);
    ASSERT_NE(menu, nullptr);
    const char* popups[] = { "&File", "&View", "&Tools", "&Help" };
    ASSERT_EQ(::GetMenuItemCount(menu), 4);
    for (int i = 0; i < 4; i++)
    {
        char text[64] = "";
        ::GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ(text, popups[i]);
    }
    char item[64] = "";
    ::GetMenuStringA(menu, ID_VIEW_FULLSCREEN, item, sizeof(item), MF_BYCOMMAND);
    EXPECT_STREQ(item, "F&ull Screen");

    struct Expected
    {
        UINT id;
        std::vector<UINT> buttons;
        bool visible;
    };
    const Expected bars[] = {
        { IDW_TOOLBAR_STANDARD, { 36000, 36002, 57603, 0, 36004, 36005, 36134, 0, 36021, 36020, 36026, 0, 36032,
                                  36029, 0, 36023, 36030, 37096, 36450, 36451, 0, 57669 }, true },
        { IDW_TOOLBAR_FORMAT, { 37080, 37032, 37048, 37016, 0, 36090, 36100, 36115, 36112, 0, 36105, 36103, 36106,
                                36104, 0, 36096, 0, 36093, 36101, 0, 36111, 36097 }, true },
        { IDW_TOOLBAR_BORDERS, { 33919, 33935, 37000, 0, 37064, 33933, 33934 }, true },
        { IDW_TOOLBAR_LAUNCH, { 36200, 36201, 36203, 36202, 33949 }, false },
        { IDW_TOOLBAR_INSERT, { 36073, 36062, 0, 36074, 36064, 36077, 36067, 36070, 36060, 0, 36079, 36066, 36075 },
          false },
        { IDW_TOOLBAR_FULLSCREEN, { 36042 }, false },
        { IDW_TOOLBAR_HEADFOOT, { 36074, 36063, 36078, 36065, 36660, 36303, 36302, 36040 }, false },
    };
    for (const Expected& bar : bars)
    {
        HWND h = ToolbarWindow(bar.id);
        ASSERT_NE(h, nullptr) << bar.id;
        EXPECT_EQ(ToolbarButtons(h), bar.buttons) << bar.id;
        EXPECT_EQ(::IsWindowVisible(h) != 0, bar.visible) << bar.id;
    }
    EXPECT_EQ(frame->GetFullScreenBar()->m_hWnd, ToolbarWindow(IDW_TOOLBAR_FULLSCREEN));
    EXPECT_EQ(frame->GetHeaderFooterBar()->m_hWnd, ToolbarWindow(IDW_TOOLBAR_HEADFOOT));
    // Every button but the gaps has a picture of its own strip.
    for (UINT id : bars[0].buttons)
        if (id)
            EXPECT_GE(frame->GetToolBarManager()->GetImageIndex(id), 0) << id;

    std::vector<HWND> statusBars = WindowsOfClass(STATUSCLASSNAMEA);
    ASSERT_EQ(statusBars.size(), 1u);
    EXPECT_EQ(::GetDlgCtrlID(statusBars[0]), AFX_IDW_STATUS_BAR);
    EXPECT_EQ(::SendMessageA(statusBars[0], SB_GETPARTS, 0, 0), 6);
    const char* indicators[] = { "Page:", "Line:", "Pos:", "Insert", "Modified" };
    for (int pane = 1; pane <= 5; pane++)
        EXPECT_EQ(PaneText(statusBars[0], pane), indicators[pane - 1]) << pane;

    IdleUpdate();
    Pump();
    std::string shot = ScreenshotPath("ztwrite_main_frame.bmp");
    EXPECT_TRUE(SaveScreenshot(frame, shot.c_str())) << shot;
}

TEST_F(MainFrameTest, ToolbarClickReachesTheCommandHandler)
{
    HWND bar = ToolbarWindow(IDW_TOOLBAR_STANDARD);
    ASSERT_NE(bar, nullptr);
    IdleUpdate();
    int index = (int)::SendMessageA(bar, TB_COMMANDTOINDEX, kTestCommand, 0);
    ASSERT_GE(index, 0);
    EXPECT_TRUE(::SendMessageA(bar, TB_ISBUTTONENABLED, kTestCommand, 0));
    // A button whose command nobody handles is greyed.
    EXPECT_FALSE(::SendMessageA(bar, TB_ISBUTTONENABLED, 36004, 0));

    RECT rect;
    ::SendMessageA(bar, TB_GETITEMRECT, index, (LPARAM)&rect);
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    g_testCommandRuns = 0;
    ::SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(bar, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(g_testCommandRuns, 1);
}

TEST_F(MainFrameTest, ToolbarControlsAreEnabledOnlyWithACurrentView)
{
    const UINT controls[] = { ID_COMBO_ZOOM, ID_COMBO_STYLE, ID_COMBO_FONT, ID_COMBO_FONT_SIZE,
                              ID_COMBO_LINE_STYLE, ID_COMBO_SHADE_STYLE, ID_BTN_SHADING_FORE, ID_BTN_SHADING_BACK,
                              ID_BTN_BORDER_COLOR };
    auto enabled = [this](UINT id) {
        CTestCmdUI state;
        state.m_nID = id;
        state.DoUpdate(frame, TRUE);
        return state.m_bEnabled;
    };
    for (UINT id : controls)
        EXPECT_FALSE(enabled(id)) << id;
    CWView view;
    CWView::sZoomCache = "100%";
    frame->SetCurrentView(&view);
    EXPECT_EQ(CWView::sZoomCache, "GGG");
    EXPECT_EQ(frame->GetCurrentView(), &view);
    for (UINT id : controls)
        EXPECT_TRUE(enabled(id)) << id;
    IdleUpdate();
    EXPECT_TRUE(::SendMessageA(ToolbarWindow(IDW_TOOLBAR_STANDARD), TB_ISBUTTONENABLED, ID_COMBO_ZOOM, 0));
    frame->SetCurrentView(nullptr);
    for (UINT id : controls)
        EXPECT_FALSE(enabled(id)) << id;
}

// ---------------------------------------------------------------------------
// Status panes and the progress display

TEST_F(MainFrameTest, PaneTextsOfTheSetters)
{
    struct Case
    {
        void (*set)(CWCustomFrameData&);
        int pane;
        const char* text;
    };
    const Case cases[] = {
        { [](CWCustomFrameData& d) { d.SetStatusBarPage(2, 7); }, 1, "Page: 2/7" },
        { [](CWCustomFrameData& d) { d.SetStatusBarLine(12, 40); }, 2, "Line: 12/40" },
        { [](CWCustomFrameData& d) { d.SetStatusBarPos(3, 17); }, 3, "Pos: 3/17" },
        { [](CWCustomFrameData& d) { d.SetStatusBarInsert(1); }, 4, "Insert" },
        { [](CWCustomFrameData& d) { d.SetStatusBarInsert(0); }, 4, "Overwrite" },
        { [](CWCustomFrameData& d) { d.SetStatusBarModify(1); }, 5, "Modified" },
        { [](CWCustomFrameData& d) { d.SetStatusBarModify(0); }, 5, "Saved" },
    };
    for (const Case& c : cases)
    {
        c.set(*frame);
        EXPECT_EQ(PaneText(StatusBar(), c.pane), c.text) << c.text;
        EXPECT_EQ(frame->GetStatusBarObject().GetPaneText(c.pane), c.text);
    }
}

TEST_F(MainFrameTest, PanesWidenButNeverNarrowUntilRedivided)
{
    CStatusBar& bar = frame->GetStatusBarObject();
    auto width = [&bar](int pane) {
        UINT id, style;
        int cx;
        bar.GetPaneInfo(pane, id, style, cx);
        return cx;
    };
    frame->SetStatusBarSize();
    CRect client;
    bar.GetClientRect(&client);
    for (int pane = 1; pane <= 5; pane++)
    {
        EXPECT_EQ(width(pane), client.Width() / 10) << pane;
        UINT id, style;
        int cx;
        bar.GetPaneInfo(pane, id, style, cx);
        EXPECT_TRUE(style & SBPS_POPOUT) << pane;
        EXPECT_EQ(bar.GetItemID(pane), (UINT)(pane == 1 ? ID_INDICATOR_PAGE : pane == 2 ? ID_INDICATOR_LINE
                                             : pane == 3 ? ID_INDICATOR_POS : pane == 4 ? ID_INDICATOR_INSERT
                                             : ID_INDICATOR_MODIFIED));
    }
    frame->SetStatusBarPage(123456, 7654321);   // "Page: 123456/7654321", 20 characters
    EXPECT_EQ(width(1), std::max(client.Width() / 10, 7 * 20));
    int wide = width(1);
    frame->SetStatusBarPage(1, 1);
    EXPECT_EQ(width(1), wide);
    frame->SetStatusBarSize();
    EXPECT_EQ(width(1), client.Width() / 10);
}

TEST_F(MainFrameTest, ProgressDisplayInTheMessagePane)
{
    CStatusBar& bar = frame->GetStatusBarObject();
    bar.SetPaneText(0, "Ready");
    CProgressCtrl& progress = frame->GetProgressControl();
    auto paneText = [&bar]() { return std::string((LPCSTR)bar.GetPaneText(0)); };
    auto endsWith = [](const std::string& s, const std::string& end) {
        return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
    };

    frame->InitStatusBarPercent(IDS_PROGRESS_OPENING, 10);
    ASSERT_TRUE(::IsWindow(progress.m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(progress.m_hWnd));
    EXPECT_EQ(::GetParent(progress.m_hWnd), bar.m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(progress.m_hWnd), 1001);
    EXPECT_EQ(progress.SendMessage(PBM_GETRANGE, FALSE, 0), 10);
    std::string started = paneText();
    EXPECT_EQ(started.rfind("Opening...", 0), 0u) << started;
    EXPECT_TRUE(endsWith(started, "   0% Completed")) << started;
    EXPECT_EQ(frame->GetProgressPosition(), 1);

    frame->SetStatusBarPercent(0);
    EXPECT_EQ(paneText(), started);
    EXPECT_EQ(progress.GetPos(), 0);
    EXPECT_EQ(frame->GetProgressPosition(), 0);
    frame->SetStatusBarPercent(10);
    EXPECT_EQ(progress.GetPos(), 10);
    EXPECT_TRUE(endsWith(paneText(), "   100% Completed")) << paneText();
    frame->SetStatusBarPercent(5);   // lower: shows it, moves nothing
    EXPECT_TRUE(endsWith(paneText(), "   50% Completed")) << paneText();
    EXPECT_EQ(progress.GetPos(), 10);
    frame->DoneStatusBarPercent();
    EXPECT_EQ(paneText(), "Ready");
    EXPECT_FALSE(::IsWindow(progress.m_hWnd));

    // The bar starts empty while the position starts at 1: a first step to
    // p fills p - 1 units; a third of 3 steps truncates to 33.
    frame->InitStatusBarPercent((char*)"Saving", 3);
    frame->SetStatusBarPercent(1);
    EXPECT_TRUE(endsWith(paneText(), "   33% Completed")) << paneText();
    EXPECT_EQ(progress.GetPos(), 0);
    frame->SetStatusBarPercent(2);
    EXPECT_EQ(progress.GetPos(), 1);
    frame->DoneStatusBarPercent();
    EXPECT_EQ(paneText(), "Ready");

    // No steps at all: nothing to divide by, the display shows 0.
    frame->InitStatusBarPercent((char*)"Empty", 0);
    frame->SetStatusBarPercent(0);
    EXPECT_TRUE(endsWith(paneText(), "   0% Completed")) << paneText();
    frame->DoneStatusBarPercent();
    EXPECT_EQ(paneText(), "Ready");
}

TEST_F(MainFrameTest, NothingChangesWithTheStatusBarDisabled)
{
    CStatusBar& bar = frame->GetStatusBarObject();
    bar.SetPaneText(0, "Ready");
    frame->SetStatusBarPage(1, 1);
    frame->EnableStatusBar(0);
    EXPECT_EQ(frame->isStatusBArEnable(), 0);
    frame->SetStatusBarPage(2, 7);
    frame->SetStatusBarLine(3, 4);
    frame->SetStatusBarPos(5, 6);
    frame->SetStatusBarInsert(0);
    frame->SetStatusBarModify(0);
    frame->InitStatusBarPercent(IDS_PROGRESS_SAVING, 16);
    frame->SetStatusBarPercent(8);
    EXPECT_FALSE(::IsWindow(frame->GetProgressControl().m_hWnd));
    frame->DoneStatusBarPercent();
    const char* unchanged[] = { "Ready", "Page: 1/1", "Line:", "Pos:", "Insert", "Modified" };
    for (int pane = 0; pane <= 5; pane++)
        EXPECT_EQ(std::string((LPCSTR)bar.GetPaneText(pane)), unchanged[pane]) << pane;
    frame->EnableStatusBar(1);
}

// ---------------------------------------------------------------------------
// Full screen

TEST_F(MainFrameTest, FullScreenTwiceRestoresTheRectangle)
{
    CRect before;
    frame->GetWindowRect(&before);
    int above = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYMENU) + 2 * ::GetSystemMetrics(SM_CYBORDER);
    CRect full(0, -above, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));

    frame->SendMessage(WM_COMMAND, ID_VIEW_FULLSCREEN);
    Pump();
    EXPECT_TRUE(frame->IsFullScreen());
    EXPECT_EQ(CRect(frame->GetRestoreRect()), before);
    CRect on;
    frame->GetWindowRect(&on);
    EXPECT_EQ(on, full);
    ASSERT_NE(frame->GetFullScreenBar(), nullptr);
    EXPECT_TRUE(frame->GetFullScreenBar()->IsFloating());

    // While on, moves and sizes keep the place and size.
    frame->MoveWindow(40, 60, 300, 200);
    CRect moved;
    frame->GetWindowRect(&moved);
    EXPECT_EQ(moved, full);
    frame->SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    frame->GetWindowRect(&moved);
    EXPECT_EQ(moved, full);

    frame->SendMessage(WM_COMMAND, ID_VIEW_FULLSCREEN);
    Pump();
    EXPECT_FALSE(frame->IsFullScreen());
    CRect after;
    frame->GetWindowRect(&after);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(frame->GetFullScreenBar()->IsFloating());
    frame->MoveWindow(30, 30, 500, 400);
    frame->GetWindowRect(&after);
    EXPECT_EQ(after, CRect(30, 30, 530, 430));
}

// ---------------------------------------------------------------------------
// Tips, starters

TEST_F(MainFrameTest, UndoAndRedoTipsNameTheOperation)
{
    UndoText = " Typing";
    RedoText = " Delete";
    NMTTDISPINFOA narrow = {};
    narrow.hdr.hwndFrom = frame->m_hWnd;
    narrow.hdr.idFrom = ID_TIP_UNDO;
    narrow.hdr.code = TTN_NEEDTEXTA;
    frame->SendMessage(WM_NOTIFY, ID_TIP_UNDO, (LPARAM)&narrow);
    ASSERT_NE(narrow.lpszText, nullptr);
    EXPECT_STREQ(narrow.lpszText, "Undo Typing");

    NMTTDISPINFOW wide = {};
    wide.hdr.hwndFrom = frame->m_hWnd;
    wide.hdr.idFrom = ID_TIP_REDO;
    wide.hdr.code = TTN_NEEDTEXTW;
    frame->SendMessage(WM_NOTIFY, ID_TIP_REDO, (LPARAM)&wide);
    ASSERT_NE(wide.lpszText, nullptr);
    char back[64] = "";
    ::WideCharToMultiByte(CP_ACP, 0, wide.lpszText, -1, back, sizeof(back), nullptr, nullptr);
    EXPECT_STREQ(back, "Redo Delete");

    // Other buttons' tips are the tip part of their command's string.
    NMTTDISPINFOA other = {};
    other.hdr.hwndFrom = frame->m_hWnd;
    other.hdr.idFrom = 36000;
    other.hdr.code = TTN_NEEDTEXTA;
    frame->SendMessage(WM_NOTIFY, 36000, (LPARAM)&other);
    ASSERT_NE(other.lpszText, nullptr);
    EXPECT_STREQ(other.lpszText, "New");
    UndoText.Empty();
    RedoText.Empty();
}

namespace {

std::vector<std::string> g_boxTexts;

BOOL CALLBACK CollectText(HWND h, LPARAM)
{
    char text[256] = "";
    ::GetWindowTextA(h, text, sizeof(text));
    g_boxTexts.push_back(text);
    return TRUE;
}

// Reads the open message box's texts and closes it.
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    for (HWND box : WindowsOfClass("#32770"))
    {
        ::EnumChildWindows(box, CollectText, 0);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        ::KillTimer(nullptr, timer);
    }
}

}  // namespace

TEST_F(MainFrameTest, StarterThatFailsShowsItsMessage)
{
    struct Case
    {
        UINT command;
        const char* message;
    };
    const Case cases[] = {
        { ID_RUN_LAUNCHER, "Failed to load Zentavo Launcher." },
        { ID_RUN_DATABASE, "Failed to load Zentavo Database." },
        { ID_RUN_DRAW, "Failed to load Zentavo Draw." },
        { ID_RUN_SPREADSHEET, "Failed to load Zentavo Spreadsheet." },
        { ID_RUN_PAINT, "Failed to load Zentavo Paint." },
    };
    for (const Case& c : cases)
    {
        g_boxTexts.clear();
        ::SetTimer(nullptr, 0, 100, CloseMessageBox);
        frame->SendMessage(WM_COMMAND, c.command);
        EXPECT_NE(std::find(g_boxTexts.begin(), g_boxTexts.end(), c.message), g_boxTexts.end()) << c.message;
    }
}

// ---------------------------------------------------------------------------
// Closing

TEST(WindowPlacementTest, NeverWrittenLeavesTheRecordUntouched)
{
    App.SetRegistryKey("ztwrite tests");
    App.m_pszProfileName = "never written";
    WINDOWPLACEMENT wp;
    memset(&wp, 0x5A, sizeof(wp));
    WINDOWPLACEMENT copy = wp;
    EXPECT_FALSE(ReadWindowPlacement(szWPTitle, wp));
    EXPECT_EQ(memcmp(&wp, &copy, sizeof(wp)), 0);

    App.m_pszProfileName = "written";
    WINDOWPLACEMENT stored = {};
    stored.flags = 2;
    stored.showCmd = SW_SHOWMAXIMIZED;
    stored.ptMinPosition = { -1, -2 };
    stored.ptMaxPosition = { 3, 4 };
    stored.rcNormalPosition = { 10, 20, 810, 620 };
    WriteWindowPlacement(szWPTitle, stored);
    WINDOWPLACEMENT read = {};
    read.length = 99;
    EXPECT_TRUE(ReadWindowPlacement(szWPTitle, read));
    EXPECT_EQ(read.length, 99u);   // the caller sets it
    read.length = stored.length;
    EXPECT_EQ(memcmp(&read, &stored, sizeof(read)), 0);
}

TEST_F(MainFrameTest, ClosingMaximisedWritesThePlacementAndEndsTheClipboard)
{
    frame->ShowWindow(SW_MAXIMIZE);
    Pump();
    Clipboard = new CWDocument;
    App.QuitWrite = 0;
    frame->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(App.m_pMainWnd, nullptr);
    frame = nullptr;
    EXPECT_TRUE(App.QuitWrite);
    EXPECT_EQ(Clipboard, nullptr);
    WINDOWPLACEMENT wp = {};
    ASSERT_TRUE(ReadWindowPlacement(szWPTitle, wp));
    EXPECT_EQ(wp.flags, (UINT)WPF_RESTORETOMAXIMIZED);
    EXPECT_EQ(wp.showCmd, (UINT)SW_SHOWMAXIMIZED);
}

namespace {

int g_previewCloses;

void CALLBACK PreviewClose(CFrameWnd*)
{
    g_previewCloses++;
}

}  // namespace

TEST_F(MainFrameTest, CloseThatStopsBeforeTheQuestionKeepsTheClipboard)
{
    // Print preview takes the frame's close for itself: the close stops
    // before anything asks about documents.
    g_previewCloses = 0;
    frame->m_lpfnCloseProc = PreviewClose;
    CWDocument* clipboard = new CWDocument;
    Clipboard = clipboard;
    App.QuitWrite = 1;   // left by an earlier Save All
    frame->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(g_previewCloses, 1);
    EXPECT_TRUE(::IsWindow(frame->m_hWnd));
    EXPECT_EQ(Clipboard, clipboard);
    // The placement was written before the close stopped.
    WINDOWPLACEMENT wp = {};
    EXPECT_TRUE(ReadWindowPlacement(szWPTitle, wp));

    frame->m_lpfnCloseProc = nullptr;
    frame->SendMessage(WM_CLOSE);
    Pump();
    frame = nullptr;
    EXPECT_EQ(Clipboard, nullptr);
}

// ---------------------------------------------------------------------------
// The frame data in use, the current view, toolbar choice, customize
// groups and the accelerator tables

namespace {

class CPlainView : public CView
{
    DECLARE_DYNCREATE(CPlainView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CPlainView, CView)

class CPlainDoc : public CDocument
{
    DECLARE_DYNCREATE(CPlainDoc)
};
IMPLEMENT_DYNCREATE(CPlainDoc, CDocument)

}  // namespace

TEST_F(MainFrameTest, ActiveChildWithAnotherViewLeavesTheStoredView)
{
    CPlainDoc* doc = new CPlainDoc;
    doc->m_bAutoDelete = FALSE;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CPlainView);
    context.m_pCurrentDoc = doc;
    CMDIChildWnd* child = new CMDIChildWnd;
    ASSERT_TRUE(child->Create(nullptr, "plain", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                              CFrameWnd::rectDefault, frame, &context));
    child->InitialUpdateFrame(doc, TRUE);
    frame->MDIActivate(child);
    Pump();
    ASSERT_EQ(frame->MDIGetActive(), child);
    ASSERT_NE(child->GetActiveView(), nullptr);

    CWView stored;
    frame->SetCurrentView(&stored);
    EXPECT_EQ(frame->GetCurrentView(), &stored);
    frame->SetCurrentView(nullptr);
    EXPECT_EQ(frame->GetCurrentView(), nullptr);

    child->DestroyWindow();
    delete doc;
    Pump();
}

TEST_F(MainFrameTest, FrameDataInUseFollowsTheMainWindow)
{
    EXPECT_EQ(GetCustomFrameData(), static_cast<CWCustomFrameData*>(frame));
    CWInPlaceFrame inPlace;
    App.m_pMainWnd = &inPlace;
    EXPECT_EQ(GetCustomFrameData(), static_cast<CWCustomFrameData*>(&inPlace));
    EXPECT_EQ(inPlace.isStatusBArEnable(), 0);
    EXPECT_EQ(inPlace.GetCurrentView(), nullptr);
    CFrameWnd other;
    App.m_pMainWnd = &other;
    EXPECT_EQ(GetCustomFrameData(), nullptr);
    App.m_pMainWnd = nullptr;
    EXPECT_EQ(GetCustomFrameData(), nullptr);
    App.m_pMainWnd = frame;
}

TEST_F(MainFrameTest, ToolbarChoiceShowsAndHidesEachToolbar)
{
    CXCToolBarManager* manager = frame->GetToolBarManager();
    ASSERT_EQ(manager->GetToolBarCount(), 7);
    const char* names[] = { "Standard", "Format", "Borders and shading", "Launch", "Insert", "Full screen",
                            "Header and Footer" };
    for (int i = 0; i < 7; i++)
    {
        EXPECT_EQ(std::string((LPCSTR)manager->GetToolBarName(i)), names[i]);
        CToolBar* bar = manager->GetToolBarAt(i);
        UINT id = (UINT)bar->GetDlgCtrlID();
        BOOL shown = bar->IsVisible();
        manager->ShowToolBar(id, !shown);
        EXPECT_EQ(bar->IsVisible(), !shown) << names[i];
        manager->ShowToolBar(id, shown);
        EXPECT_EQ(bar->IsVisible(), shown) << names[i];
    }
    // A shown docked bar takes its room from the client area.
    CToolBar* launch = manager->GetToolBar(IDW_TOOLBAR_LAUNCH);
    CRect before;
    ::GetWindowRect(frame->m_hWndMDIClient, &before);
    manager->ShowToolBar(IDW_TOOLBAR_LAUNCH, TRUE);
    CRect after;
    ::GetWindowRect(frame->m_hWndMDIClient, &after);
    CRect barRect;
    launch->GetWindowRect(&barRect);
    EXPECT_EQ(after.top, before.top + barRect.Height());
}

TEST_F(MainFrameTest, CustomizeOffersFiveButtonGroups)
{
    frame->SendMessage(WM_COMMAND, ID_TOOLS_CUSTOMIZE);
    const CXCToolBarCmdPage& page = frame->GetLastCustomizePage();
    ASSERT_EQ(page.GetGroupCount(), 5);
    const char* names[] = { "Standard", "Format", "Borders & Shading", "Launch", "Insert" };
    const int counts[] = { 22, 22, 8, 5, 13 };
    for (int i = 0; i < 5; i++)
    {
        EXPECT_EQ(std::string((LPCSTR)page.GetGroupName(i)), names[i]);
        EXPECT_EQ(page.GetGroupButtons(i).GetSize(), counts[i]) << names[i];
    }
    EXPECT_EQ(page.GetGroupButtons(2)[3], 33936u);   // the border-offset box
    EXPECT_EQ(frame->GetCustomizeID(), (UINT)ID_TOOLS_CUSTOMIZE);
}

TEST(AcceleratorTest, TablesFollowTheMenusShortcuts)
{
    struct Key
    {
        UINT table;
        BYTE flags;
        WORD key;
        WORD command;
    };
    const Key keys[] = {
        { IDR_MAINFRAME, FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW_DLG },
        { IDR_MAINFRAME, FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN_ZVW },
        { IDR_MAINFRAME, FVIRTKEY, VK_F1, ID_WHELP_FINDER },
        { IDR_ZTWRITETYPE, FVIRTKEY | FCONTROL, 'Z', 36032 },
        { IDR_ZTWRITETYPE, FVIRTKEY, VK_F4, 36029 },
        { IDR_ZTWRITETYPE, FVIRTKEY | FCONTROL, VK_RETURN, 36073 },
        { IDR_ZTWRITETYPE, FVIRTKEY | FSHIFT | FALT, 'P', 36074 },
        { IDR_ZTWRITETYPE, FVIRTKEY | FSHIFT, VK_F7, 36135 },
        { IDR_ZTWRITETYPE, FVIRTKEY, VK_ESCAPE, ID_CANCEL_EDIT_CNTR },
    };
    CXAcceleratorManager manager;
    ASSERT_TRUE(manager.AddAccelTable(IDR_MAINFRAME));
    ASSERT_TRUE(manager.AddAccelTable(IDR_ZTWRITETYPE));
    EXPECT_EQ(manager.GetTableCount(), 2);
    for (const Key& k : keys)
    {
        HACCEL table = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(k.table));
        ACCEL entries[64];
        int count = ::CopyAcceleratorTableA(table, entries, 64);
        bool found = false;
        for (int i = 0; i < count; i++)
            found |= (entries[i].fVirt & ~0x80) == k.flags && entries[i].key == k.key && entries[i].cmd == k.command;
        EXPECT_TRUE(found) << k.table << " " << k.command;
    }
    // Escape cancels in-place editing only where a document is open.
    HACCEL noDocument = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ACCEL entries[64];
    int count = ::CopyAcceleratorTableA(noDocument, entries, 64);
    for (int i = 0; i < count; i++)
        EXPECT_NE(entries[i].cmd, ID_CANCEL_EDIT_CNTR);
}

TEST_F(MainFrameTest, ToolbarTipsComeFromTheFrameAlsoWhileFloating)
{
    struct Case
    {
        UINT bar;
        UINT command;
        const char* tip;
    };
    const Case cases[] = {
        { IDW_TOOLBAR_STANDARD, 36023, "Find" },
        { IDW_TOOLBAR_FORMAT, 36090, "Bold" },
        { IDW_TOOLBAR_HEADFOOT, 36063, "Insert Date" },   // floating
    };
    for (const Case& c : cases)
    {
        HWND bar = ToolbarWindow(c.bar);
        ASSERT_NE(bar, nullptr);
        HWND tips = (HWND)::SendMessageA(bar, TB_GETTOOLTIPS, 0, 0);
        ASSERT_NE(tips, nullptr);
        // What the bar's tool-tip control asks when the pointer rests on
        // the button.
        NMTTDISPINFOW request = {};
        request.hdr.hwndFrom = tips;
        request.hdr.idFrom = c.command;
        request.hdr.code = TTN_GETDISPINFOW;
        request.lpszText = request.szText;   // as the tip control hands it over
        ::SendMessageW(bar, WM_NOTIFY, c.command, (LPARAM)&request);
        char text[128] = "";
        ::WideCharToMultiByte(CP_ACP, 0, request.lpszText, -1, text,
                              sizeof(text), nullptr, nullptr);
        EXPECT_STREQ(text, c.tip) << c.command;
    }
}
