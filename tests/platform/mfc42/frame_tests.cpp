// Frames with views, documents and control bars: creation through a
// context, command routing, layout, the idle updates of menus and status
// panes, the splitter, floating bars, and the scroll view. Windows need an
// X display (DISPLAY); without one these tests skip.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include <commctrl.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace {

const UINT kCmdView = 400;
const UINT kCmdDoc = 401;
const UINT kCmdFrame = 402;
const UINT kCmdViewAndDoc = 403;
const UINT kCmdDocAndFrame = 404;
const UINT kCmdNoHandler = 405;
const UINT kCmdChecked = 406;
const UINT kIndicatorText = 0xE7F0;   // a status pane set by an update handler
const UINT kIndicatorOff = 0xE7F1;    // a status pane its handler disables

std::vector<std::string> g_log;
int g_docsMade, g_docsGone, g_viewsMade, g_viewsGone, g_initialUpdates;

class FrameTestDoc : public CDocument
{
    DECLARE_DYNCREATE(FrameTestDoc)
public:
    FrameTestDoc() { g_docsMade++; }
    ~FrameTestDoc() override { g_docsGone++; }
    int value = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << (LONG)value;
        else
        {
            LONG v;
            ar >> v;
            value = (int)v;
        }
    }
    void OnDoc() { g_log.push_back("doc"); }
    void OnViewAndDoc() { g_log.push_back("doc:viewanddoc"); }
    void OnDocAndFrame() { g_log.push_back("doc:docandframe"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(FrameTestDoc, CDocument)
BEGIN_MESSAGE_MAP(FrameTestDoc, CDocument)
    ON_COMMAND(kCmdDoc, OnDoc)
    ON_COMMAND(kCmdViewAndDoc, OnViewAndDoc)
    ON_COMMAND(kCmdDocAndFrame, OnDocAndFrame)
END_MESSAGE_MAP()

class FrameTestView : public CScrollView
{
    DECLARE_DYNCREATE(FrameTestView)
public:
    FrameTestView() { g_viewsMade++; }
    ~FrameTestView() override { g_viewsGone++; }
    int updates = 0;
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        g_initialUpdates++;
        SetScrollSizes(MM_TEXT, CSize(1000, 2000), CSize(100, 200), CSize(10, 20));
        CScrollView::OnInitialUpdate();
    }
    void OnUpdate(CView*, LPARAM, CObject*) override { updates++; }
    void OnView() { g_log.push_back("view"); }
    void OnViewAndDoc() { g_log.push_back("view:viewanddoc"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(FrameTestView, CScrollView)
BEGIN_MESSAGE_MAP(FrameTestView, CScrollView)
    ON_COMMAND(kCmdView, OnView)
    ON_COMMAND(kCmdViewAndDoc, OnViewAndDoc)
END_MESSAGE_MAP()

class TestFrame : public CFrameWnd
{
public:
    CStatusBar statusBar;
    CSplitterWnd splitter;
    bool useSplitter = false;
    bool dynamicSplitter = false;
    int* gone = nullptr;
    ~TestFrame() override
    {
        if (gone)
            ++*gone;
    }
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override
    {
        if (dynamicSplitter)
            return splitter.Create(this, 2, 1, CSize(10, 10), pContext,
                                   WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT);
        if (!useSplitter)
            return CFrameWnd::OnCreateClient(lpcs, pContext);
        if (!splitter.CreateStatic(this, 2, 1))
            return FALSE;
        return splitter.CreateView(0, 0, pContext->m_pNewViewClass, CSize(0, 50), pContext) &&
               splitter.CreateView(1, 0, pContext->m_pNewViewClass, CSize(0, 0), pContext);
    }
    void OnFrame() { g_log.push_back("frame"); }
    void OnDocAndFrame() { g_log.push_back("frame:docandframe"); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnUpdateIndicatorText(CCmdUI* pCmdUI) { pCmdUI->SetText("busy"); }
    void OnUpdateIndicatorOff(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnChecked() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_COMMAND(kCmdFrame, OnFrame)
    ON_COMMAND(kCmdDocAndFrame, OnDocAndFrame)
    ON_COMMAND(kCmdChecked, OnChecked)
    ON_UPDATE_COMMAND_UI(kCmdChecked, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(kIndicatorText, OnUpdateIndicatorText)
    ON_UPDATE_COMMAND_UI(kIndicatorOff, OnUpdateIndicatorOff)
END_MESSAGE_MAP()

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* display = getenv("DISPLAY");
        if (!display || !*display)
            GTEST_SKIP() << "no X display";
        g_log.clear();
        g_docsMade = g_docsGone = g_viewsMade = g_viewsGone = g_initialUpdates = 0;
    }

    // A frame showing a new document through one view (or the splitter).
    void MakeFrame(bool splitter = false, bool dynamicSplitter = false)
    {
        doc = new FrameTestDoc;
        CCreateContext context;
        context.m_pCurrentDoc = doc;
        context.m_pNewViewClass = RUNTIME_CLASS(FrameTestView);
        frame = new TestFrame;
        frame->gone = &framesGone;
        frame->useSplitter = splitter;
        frame->dynamicSplitter = dynamicSplitter;
        ASSERT_TRUE(frame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr,
                                  nullptr, 0, &context));
        // Hidden: showing and hiding top-level windows is slow without a
        // window manager, and nothing here needs them on screen.
        frame->InitialUpdateFrame(doc, FALSE);
    }

    void TearDown() override
    {
        if (frame && framesGone == 0)
            frame->DestroyWindow();
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
    }

    FrameTestDoc* doc = nullptr;
    TestFrame* frame = nullptr;
    int framesGone = 0;
};

TEST_F(FrameTest, ContextViewJoinsTheDocumentAndBecomesActive)
{
    MakeFrame();
    FrameTestView* view = (FrameTestView*)frame->GetActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->IsKindOf(RUNTIME_CLASS(FrameTestView)));
    EXPECT_EQ(view->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(view->GetDocument(), doc);
    EXPECT_EQ(view->GetParentFrame(), frame);
    EXPECT_EQ(frame->GetActiveDocument(), doc);
    EXPECT_EQ(g_initialUpdates, 1);
    POSITION pos = doc->GetFirstViewPosition();
    EXPECT_EQ(doc->GetNextView(pos), view);
    EXPECT_EQ(pos, nullptr);
}

TEST_F(FrameTest, CommandsRouteViewThenDocumentThenFrame)
{
    MakeFrame();
    struct { UINT id; const char* expected; } cases[] = {
        { kCmdView, "view" },
        { kCmdDoc, "doc" },
        { kCmdFrame, "frame" },
        { kCmdViewAndDoc, "view:viewanddoc" },
        { kCmdDocAndFrame, "doc:docandframe" },
    };
    for (const auto& c : cases)
    {
        g_log.clear();
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(c.id, 0), 0);
        ASSERT_EQ(g_log.size(), 1u) << c.id;
        EXPECT_EQ(g_log[0], c.expected);
    }
}

TEST_F(FrameTest, DestroyingTheFrameDeletesFrameViewAndAutoDeleteDocumentOnce)
{
    MakeFrame();
    frame->DestroyWindow();
    EXPECT_EQ(framesGone, 1);
    EXPECT_EQ(g_viewsGone, g_viewsMade);
    EXPECT_EQ(g_docsGone, 1);
}

TEST_F(FrameTest, UpdateAllViewsSkipsTheSender)
{
    MakeFrame(true);
    FrameTestView* top = (FrameTestView*)frame->splitter.GetPane(0, 0);
    FrameTestView* bottom = (FrameTestView*)frame->splitter.GetPane(1, 0);
    ASSERT_TRUE(top && bottom);
    int topBefore = top->updates, bottomBefore = bottom->updates;
    doc->UpdateAllViews(top);
    EXPECT_EQ(top->updates, topBefore);
    EXPECT_EQ(bottom->updates, bottomBefore + 1);
}

TEST_F(FrameTest, StaticSplitterStacksTwoPanesOnOneDocument)
{
    MakeFrame(true);
    CSplitterWnd& splitter = frame->splitter;
    EXPECT_EQ(splitter.GetRowCount(), 2);
    CWnd* top = splitter.GetPane(0, 0);
    CWnd* bottom = splitter.GetPane(1, 0);
    ASSERT_TRUE(top && bottom);
    EXPECT_TRUE(top->IsKindOf(RUNTIME_CLASS(CView)));
    EXPECT_EQ(((CView*)bottom)->GetDocument(), doc);
    CRect rectTop, rectBottom, rectSplitter;
    top->GetWindowRect(&rectTop);
    bottom->GetWindowRect(&rectBottom);
    splitter.GetWindowRect(&rectSplitter);
    EXPECT_EQ(rectTop.Height(), 50);
    EXPECT_EQ(rectBottom.top, rectTop.bottom + splitter.m_cySplitter);
    EXPECT_EQ(rectBottom.bottom, rectSplitter.bottom);

    splitter.SetRowInfo(0, 80, 10);
    splitter.RecalcLayout();
    top->GetWindowRect(&rectTop);
    EXPECT_EQ(rectTop.Height(), 80);
    int cur = 0, min = 0;
    splitter.GetRowInfo(0, cur, min);
    EXPECT_EQ(cur, 80);
    EXPECT_EQ(min, 10);
}

TEST_F(FrameTest, DynamicSplitterAddsAndRemovesTheSecondRow)
{
    MakeFrame(false, true);
    CSplitterWnd& splitter = frame->splitter;
    // Asked for scroll bars, the splitter leaves them to its panes: bars on
    // its own window would be a second, dead pair.
    EXPECT_EQ(splitter.GetStyle() & (WS_HSCROLL | WS_VSCROLL), 0u);
    EXPECT_EQ(splitter.GetRowCount(), 1);
    CWnd* first = splitter.GetPane(0, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(frame->GetActiveView(), first);   // the pane counts as the frame's view
    EXPECT_EQ(splitter.GetPane(1, 0), nullptr);

    ASSERT_TRUE(splitter.SplitRow(60));
    EXPECT_EQ(splitter.GetRowCount(), 2);
    CWnd* second = splitter.GetPane(1, 0);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->IsKindOf(RUNTIME_CLASS(FrameTestView)));
    EXPECT_EQ(((CView*)second)->GetDocument(), doc);
    EXPECT_EQ(g_viewsMade, 2);
    EXPECT_FALSE(splitter.SplitRow(30));        // two rows at most

    splitter.DeleteRow(1);
    EXPECT_EQ(splitter.GetRowCount(), 1);
    EXPECT_EQ(g_viewsGone, 1);
    POSITION pos = doc->GetFirstViewPosition();
    EXPECT_EQ(doc->GetNextView(pos), first);
    EXPECT_EQ(pos, nullptr);
}

// A pane shows its text only while enabled (lit).
static bool PaneLit(CStatusBar& bar, int index)
{
    UINT id, style;
    int width;
    bar.GetPaneInfo(index, id, style, width);
    return !(style & SBPS_DISABLED);
}

TEST_F(FrameTest, KeyIndicatorsFollowTheKeyboardsToggles)
{
    MakeFrame();
    CStatusBar& bar = frame->statusBar;
    ASSERT_TRUE(bar.Create(frame));
    static const UINT ids[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL };
    bar.SetIndicators(ids, 4);
    static const int keys[] = { VK_CAPITAL, VK_NUMLOCK, VK_SCROLL };
    for (int round = 0; round < 2; ++round)
    {
        bar.OnUpdateCmdUI(frame, TRUE);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(PaneLit(bar, i + 1), (::GetKeyState(keys[i]) & 1) != 0) << "pane " << i + 1;
        // Caps lock toggled in this thread's key state: the pane follows.
        BYTE state[256];
        ::GetKeyboardState(state);
        state[VK_CAPITAL] ^= 1;
        ::SetKeyboardState(state);
    }
}

TEST_F(FrameTest, StatusBarSitsAtTheBottomAndPanesAnswerByIdAndIndex)
{
    MakeFrame();
    CStatusBar& bar = frame->statusBar;
    ASSERT_TRUE(bar.Create(frame));
    static const UINT ids[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, kIndicatorText };
    bar.SetIndicators(ids, 3);
    frame->RecalcLayout();

    EXPECT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(bar.CommandToIndex(ID_INDICATOR_CAPS), 1);
    EXPECT_EQ(bar.CommandToIndex(0xBEEF), -1);
    EXPECT_EQ(bar.GetItemID(2), kIndicatorText);
    EXPECT_STREQ(bar.GetPaneText(1), "CAP");
    UINT id, style;
    int width;
    bar.GetPaneInfo(0, id, style, width);
    EXPECT_EQ(id, (UINT)ID_SEPARATOR);
    EXPECT_TRUE(style & SBPS_STRETCH);

    bar.SetPaneInfo(1, ID_INDICATOR_CAPS, SBPS_NORMAL, 70);
    bar.GetPaneInfo(1, id, style, width);
    EXPECT_EQ(width, 70);
    CRect pane1, pane2;
    bar.GetItemRect(1, &pane1);
    bar.GetItemRect(2, &pane2);
    EXPECT_GT(pane1.Width(), 70);
    EXPECT_LE(pane1.right, pane2.left + 2);

    EXPECT_TRUE(bar.SetPaneText(0, "Ready"));
    EXPECT_STREQ(bar.GetPaneText(0), "Ready");
    char shown[32] = "";
    bar.SendMessage(SB_GETTEXTA, 0, (LPARAM)shown);
    EXPECT_STREQ(shown, "Ready");

    // The bar along the client bottom, the view in all the rest.
    CRect client, barRect, viewRect;
    frame->GetClientRect(&client);
    bar.GetWindowRect(&barRect);
    frame->ScreenToClient(&barRect);
    frame->GetActiveView()->GetWindowRect(&viewRect);
    frame->ScreenToClient(&viewRect);
    EXPECT_EQ(barRect.bottom, client.bottom);
    EXPECT_GT(barRect.Height(), 10);
    EXPECT_EQ(viewRect.top, 0);
    EXPECT_EQ(viewRect.bottom, barRect.top);
    EXPECT_EQ(viewRect.Width(), client.Width());
}

TEST_F(FrameTest, IdlePassUpdatesStatusPanesAndMenuItems)
{
    MakeFrame();
    CStatusBar& bar = frame->statusBar;
    ASSERT_TRUE(bar.Create(frame));
    static const UINT ids[] = { ID_SEPARATOR, kIndicatorText, kIndicatorOff };
    bar.SetIndicators(ids, 3);
    CMenu menu, popup;
    ASSERT_TRUE(menu.CreateMenu());
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, kCmdView, "View");
    popup.AppendMenu(MF_STRING, kCmdNoHandler, "Nothing");
    popup.AppendMenu(MF_STRING, kCmdChecked, "Checked");
    menu.AppendMenu(MF_POPUP, (UINT_PTR)popup.Detach(), "File");
    frame->SetMenu(&menu);
    HMENU hPopup = ::GetSubMenu(menu.m_hMenu, 0);
    menu.Detach();   // the window owns it now

    frame->ShowWindow(SW_SHOWNA);   // idle updates serve visible frames only
    CWinThread thread;
    thread.OnIdle(0);

    EXPECT_STREQ(bar.GetPaneText(1), "busy");
    EXPECT_TRUE(bar.GetPaneStyle(2) & SBPS_DISABLED);
    EXPECT_FALSE(::GetMenuState(hPopup, 0, MF_BYPOSITION) & MF_GRAYED);   // the view handles it
    EXPECT_TRUE(::GetMenuState(hPopup, 1, MF_BYPOSITION) & MF_GRAYED);    // nobody does
    EXPECT_TRUE(::GetMenuState(hPopup, 2, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(FrameTest, FloatingBarLivesInAMiniFrameAndClosingItHidesTheBar)
{
    MakeFrame();
    CStatusBar& bar = frame->statusBar;
    ASSERT_TRUE(bar.Create(frame));
    static const UINT ids[] = { ID_SEPARATOR };
    bar.SetIndicators(ids, 1);
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(frame->GetControlBar(AFX_IDW_STATUS_BAR), &bar);
    frame->FloatControlBar(&bar, CPoint(50, 50));
    EXPECT_TRUE(bar.IsFloating());
    CWnd* mini = bar.GetParent();
    ASSERT_NE(mini, nullptr);
    EXPECT_TRUE(mini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    mini->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(bar.m_hWnd));
    EXPECT_FALSE(bar.IsWindowVisible());
    frame->DockControlBar(&bar);
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(bar.GetParent(), frame);
}

TEST_F(FrameTest, ScrollViewBarsPositionsAndClamping)
{
    MakeFrame();
    FrameTestView* view = (FrameTestView*)frame->GetActiveView();
    ASSERT_NE(view, nullptr);
    CRect client;
    view->GetClientRect(&client);
    EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);
    EXPECT_EQ(view->GetScrollLimit(SB_VERT), 2000 - client.Height());

    view->ScrollToPosition(CPoint(30, 150));
    EXPECT_EQ(view->GetScrollPosition(), CPoint(30, 150));
    EXPECT_EQ(view->GetDeviceScrollPosition(), CPoint(30, 150));

    EXPECT_TRUE(view->OnScrollBy(CSize(0, 100000)));
    EXPECT_EQ(view->GetScrollPosition().y, view->GetScrollLimit(SB_VERT));
    EXPECT_FALSE(view->OnScrollBy(CSize(0, 10)));   // already at the end

    view->ScrollToPosition(CPoint(0, 400));
    struct { UINT code; int expected; } cases[] = {
        { SB_LINEDOWN, 420 }, { SB_LINEUP, 400 }, { SB_PAGEDOWN, 600 }, { SB_PAGEUP, 400 }, { SB_TOP, 0 },
    };
    for (const auto& c : cases)
    {
        view->SendMessage(WM_VSCROLL, MAKEWPARAM(c.code, 0), 0);
        EXPECT_EQ(view->GetScrollPosition().y, c.expected) << c.code;
    }

    // Prepared DCs put the scroll position at the window's origin.
    CClientDC dc(view);
    view->OnPrepareDC(&dc);
    view->ScrollToPosition(CPoint(0, 0));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
}

TEST_F(FrameTest, ScrollViewInMetricModeConvertsLogicalPositions)
{
    MakeFrame();
    FrameTestView* view = (FrameTestView*)frame->GetActiveView();
    view->SetScrollSizes(MM_LOMETRIC, CSize(3000, 5000));
    CSize total = view->m_totalDev;
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    EXPECT_NEAR(total.cy, 5000 * dpi / 254, 5);
    EXPECT_EQ(view->GetTotalSize(), CSize(3000, 5000));
    view->ScrollToPosition(CPoint(0, -1000));   // a tenth of a metre down
    EXPECT_NEAR(view->GetDeviceScrollPosition().y, 1000 * dpi / 254, 3);
    EXPECT_NEAR(view->GetScrollPosition().y, -1000, 3);
}

}  // namespace
