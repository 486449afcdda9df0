// Message maps, command dispatch, CCmdUI, and CWnd: creation with the hook,
// handle maps, subclassing, the window-message entries and notifications.
// Windows need an X display (DISPLAY); without one these tests skip.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include <stdlib.h>
#include <string>
#include <vector>

namespace {

bool HaveDisplay()
{
    const char* display = getenv("DISPLAY");
    return display && *display;
}

#define REQUIRE_DISPLAY() \
    if (!HaveDisplay()) GTEST_SKIP() << "no X display"

const UINT kCmdBaseOnly = 100;
const UINT kCmdBoth = 101;
const UINT kCmdRangeFirst = 110;
const UINT kCmdRangeLast = 119;
const UINT kCmdEx = 120;
const UINT kCmdUpdated = 130;

// A base and a derived target: the derived map is searched first, then the
// base's through the chain.
class BaseTarget : public CCmdTarget
{
public:
    std::vector<std::string> log;
    void OnBaseOnly() { log.push_back("base:only"); }
    void OnBoth() { log.push_back("base:both"); }
    void OnUpdateUpdated(CCmdUI* pCmdUI) { log.push_back("base:update"); pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseTarget, CCmdTarget)
    ON_COMMAND(kCmdBaseOnly, OnBaseOnly)
    ON_COMMAND(kCmdBoth, OnBoth)
    ON_UPDATE_COMMAND_UI(kCmdUpdated, OnUpdateUpdated)
END_MESSAGE_MAP()

class DerivedTarget : public BaseTarget
{
public:
    BOOL exResult = FALSE;
    BOOL continueRouting = FALSE;
    void OnBoth() { log.push_back("derived:both"); }
    void OnRange(UINT nID) { log.push_back("range:" + std::to_string(nID)); }
    BOOL OnEx(UINT nID) { log.push_back("ex:" + std::to_string(nID)); return exResult; }
    void OnUpdateUpdated(CCmdUI* pCmdUI)
    {
        log.push_back("derived:update");
        pCmdUI->SetCheck(1);
        if (continueRouting)
            pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedTarget, BaseTarget)
    ON_COMMAND(kCmdBoth, OnBoth)
    ON_COMMAND_RANGE(kCmdRangeFirst, kCmdRangeLast, OnRange)
    ON_COMMAND_EX(kCmdEx, OnEx)
    ON_UPDATE_COMMAND_UI(kCmdUpdated, OnUpdateUpdated)
END_MESSAGE_MAP()

// Records what an update handler asked for.
class RecordingCmdUI : public CCmdUI
{
public:
    int enabled = -1;
    int checked = -1;
    void Enable(BOOL bOn) override { enabled = bOn; m_bEnableChanged = TRUE; }
    void SetCheck(int nCheck) override { checked = nCheck; }
    void SetRadio(BOOL bOn) override { checked = bOn; }
    void SetText(LPCSTR) override {}
};

TEST(MessageMap, CommandsReachTheMostDerivedHandlerThroughTheChain)
{
    DerivedTarget target;
    struct { UINT id; bool handled; const char* expected; } cases[] = {
        { kCmdBaseOnly, true, "base:only" },
        { kCmdBoth, true, "derived:both" },
        { kCmdRangeFirst, true, "range:110" },
        { kCmdRangeLast, true, "range:119" },
        { kCmdRangeFirst - 1, false, nullptr },
        { 999, false, nullptr },
    };
    for (const auto& c : cases)
    {
        target.log.clear();
        BOOL handled = target.OnCmdMsg(c.id, CN_COMMAND, nullptr, nullptr);
        EXPECT_EQ(handled != FALSE, c.handled) << c.id;
        if (c.expected)
        {
            ASSERT_EQ(target.log.size(), 1u) << c.id;
            EXPECT_EQ(target.log[0], c.expected);
        }
        else
            EXPECT_TRUE(target.log.empty()) << c.id;
    }
}

TEST(MessageMap, CommandExHandlerDecidesWhetherRoutingStops)
{
    DerivedTarget target;
    target.exResult = FALSE;
    EXPECT_FALSE(target.OnCmdMsg(kCmdEx, CN_COMMAND, nullptr, nullptr));
    target.exResult = TRUE;
    EXPECT_TRUE(target.OnCmdMsg(kCmdEx, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(target.log, (std::vector<std::string>{ "ex:120", "ex:120" }));
}

TEST(MessageMap, HandlerInfoQueryFindsTheHandlerWithoutCallingIt)
{
    DerivedTarget target;
    AFX_CMDHANDLERINFO info = { nullptr, nullptr };
    EXPECT_TRUE(target.OnCmdMsg(kCmdBaseOnly, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &target);
    EXPECT_NE(info.pmf, nullptr);
    EXPECT_TRUE(target.log.empty());
    EXPECT_FALSE(target.OnCmdMsg(999, CN_COMMAND, nullptr, &info));
}

TEST(CmdUI, DoUpdateUsesTheUpdateHandlerOrDisablesCommandsWithoutHandler)
{
    DerivedTarget target;
    RecordingCmdUI withHandler;
    withHandler.m_nID = kCmdUpdated;
    EXPECT_TRUE(withHandler.DoUpdate(&target, TRUE));
    EXPECT_EQ(withHandler.checked, 1);
    // The derived handler hid the base one, and only checked the item:
    // nothing stands behind the command, so it is disabled.
    EXPECT_EQ(target.log, (std::vector<std::string>{ "derived:update" }));
    EXPECT_EQ(withHandler.enabled, FALSE);

    RecordingCmdUI noUpdateButCommand;
    noUpdateButCommand.m_nID = kCmdBaseOnly;
    EXPECT_FALSE(noUpdateButCommand.DoUpdate(&target, TRUE));
    EXPECT_EQ(noUpdateButCommand.enabled, TRUE);

    RecordingCmdUI nothing;
    nothing.m_nID = 999;
    nothing.DoUpdate(&target, TRUE);
    EXPECT_EQ(nothing.enabled, FALSE);

    RecordingCmdUI untouched;
    untouched.m_nID = 999;
    untouched.DoUpdate(&target, FALSE);
    EXPECT_EQ(untouched.enabled, -1);
}

TEST(CmdUI, ContinueRoutingMakesTheDispatchReportUnhandled)
{
    DerivedTarget target;
    target.continueRouting = TRUE;
    RecordingCmdUI state;
    state.m_nID = kCmdUpdated;
    EXPECT_FALSE(target.OnCmdMsg(kCmdUpdated, CN_UPDATE_COMMAND_UI, &state, nullptr));
    EXPECT_EQ(state.checked, 1);
}

TEST(CmdUI, MenuItemsTakeEnableCheckRadioAndText)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 200, "First");
    menu.AppendMenu(MF_STRING, 201, "Second");
    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndexMax = 2;

    state.m_nIndex = 0;
    state.m_nID = 200;
    state.Enable(FALSE);
    state.SetCheck(1);
    state.m_nIndex = 1;
    state.m_nID = 201;
    state.SetRadio(TRUE);
    state.SetText("Renamed");

    EXPECT_TRUE(menu.GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(1, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(menu.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED);
    CString text;
    menu.GetMenuString(1, text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Renamed");
    EXPECT_EQ(menu.GetMenuItemID(1), 201u);
    state.m_nIndex = 0;
    state.SetCheck(0);
    EXPECT_FALSE(menu.GetMenuState(0, MF_BYPOSITION) & MF_CHECKED);
}

// ---------------------------------------------------------------------------
// Windows

const UINT kPrivateMessage = WM_APP + 7;
const UINT kThrowMessage = WM_APP + 8;
const UINT kThrowForeignMessage = WM_APP + 9;
const UINT kButtonId = 300;
const UINT kEditId = 301;
const UINT kCmdDisabled = 310;
const UINT kCmdEnabled = 311;
static UINT g_registeredMessage = 0;

class TestWnd : public CWnd
{
public:
    std::vector<std::string> log;
    int* ncDestroyed = nullptr;
    CWnd* boundDuringCreate = nullptr;
    bool deleteSelf = false;

    int OnCreate(LPCREATESTRUCT lpcs)
    {
        boundDuringCreate = CWnd::FromHandlePermanent(m_hWnd);
        log.push_back("create");
        return CWnd::OnCreate(lpcs);
    }
    void OnSize(UINT, int cx, int cy) { log.push_back("size:" + std::to_string(cx) + "x" + std::to_string(cy)); }
    void OnDestroy() { log.push_back("destroy"); CWnd::OnDestroy(); }
    LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) { return (LRESULT)(wParam + lParam); }
    LRESULT OnRegistered(WPARAM wParam, LPARAM) { return (LRESULT)(wParam * 2); }
    LRESULT OnThrow(WPARAM, LPARAM)
    {
        log.push_back("throwing");
        AfxThrowUserException();
    }
    // A reader's own error code, not one of the class library's exceptions.
    LRESULT OnThrowForeign(WPARAM, LPARAM)
    {
        log.push_back("throwing int");
        throw 2;
    }
    void OnButtonClicked() { log.push_back("clicked"); }
    void OnEditChange() { log.push_back("editchange"); }
    void OnDisabled() { log.push_back("disabled-ran"); }
    void OnEnabled() { log.push_back("enabled-ran"); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnLButtonDown(UINT nFlags, CPoint point)
    {
        log.push_back("lbutton:" + std::to_string(point.x) + "," + std::to_string(point.y) + ":" +
                      std::to_string(nFlags & MK_SHIFT ? 1 : 0));
    }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT) { log.push_back("key:" + std::to_string(nChar) + "x" + std::to_string(nRepCnt)); }
    void PostNcDestroy() override
    {
        if (ncDestroyed)
            ++*ncDestroyed;
        if (deleteSelf)
            delete this;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_MESSAGE(kPrivateMessage, OnPrivate)
    ON_MESSAGE(kThrowMessage, OnThrow)
    ON_MESSAGE(kThrowForeignMessage, OnThrowForeign)
    ON_REGISTERED_MESSAGE(g_registeredMessage, OnRegistered)
    ON_BN_CLICKED(kButtonId, OnButtonClicked)
    ON_EN_CHANGE(kEditId, OnEditChange)
    ON_COMMAND(kCmdDisabled, OnDisabled)
    ON_UPDATE_COMMAND_UI(kCmdDisabled, OnUpdateDisabled)
    ON_COMMAND(kCmdEnabled, OnEnabled)
END_MESSAGE_MAP()

// A control that handles its own notification: the parent never sees it.
class ReflectingButton : public CWnd
{
public:
    int reflected = 0;
    void OnClicked() { reflected++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

// A control that answers the colour its parent is asked for.
class ColourControl : public CWnd
{
public:
    HBRUSH brush = (HBRUSH)::GetStockObject(GRAY_BRUSH);
    UINT seen = 0;
    BOOL OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT* pResult) override
    {
        seen = message;
        if (message != WM_CTLCOLORSTATIC)
            return FALSE;
        *pResult = (LRESULT)brush;
        return TRUE;
    }
};

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveDisplay())
            GTEST_SKIP() << "no X display";
        if (!g_registeredMessage)
            g_registeredMessage = ::RegisterWindowMessageA("ZtWindowTestsRegistered");
        wnd.ncDestroyed = &ncDestroyed;
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "test", WS_OVERLAPPED | WS_CLIPCHILDREN, 10, 10, 200, 120,
                                 nullptr, nullptr));
    }
    void TearDown() override
    {
        if (wnd.m_hWnd)
            wnd.DestroyWindow();
        CWnd::DeleteTempMap();
    }
    TestWnd wnd;
    int ncDestroyed = 0;
};

TEST_F(WindowTest, CreationBindsTheObjectBeforeWmCreate)
{
    EXPECT_EQ(wnd.boundDuringCreate, &wnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);
    ASSERT_FALSE(wnd.log.empty());
    EXPECT_EQ(wnd.log[0], "create");
}

TEST_F(WindowTest, WindowMessagesReachTheirHandlersWithDecodedArguments)
{
    wnd.log.clear();
    wnd.SetWindowPos(nullptr, 0, 0, 160, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_SHIFT, MAKELPARAM(12, 34));
    wnd.SendMessage(WM_KEYDOWN, 'A', 3);
    EXPECT_EQ(wnd.SendMessage(kPrivateMessage, 40, 2), 42);
    EXPECT_EQ(wnd.SendMessage(g_registeredMessage, 21, 0), 42);
    CRect client;
    wnd.GetClientRect(&client);
    std::string size = "size:" + std::to_string(client.Width()) + "x" + std::to_string(client.Height());
    EXPECT_EQ(wnd.log, (std::vector<std::string>{ size, "lbutton:12,34:1", "key:65x3" }));
}

TEST_F(WindowTest, AnExceptionFromAHandlerStopsAtTheWindowProcedure)
{
    wnd.log.clear();
    EXPECT_EQ(wnd.SendMessage(kThrowMessage), 0);
    EXPECT_EQ(wnd.SendMessage(kPrivateMessage, 1, 2), 3);   // still serving messages
    EXPECT_EQ(wnd.log, (std::vector<std::string>{ "throwing" }));
}

// Counts the message boxes it is asked to show and keeps the last text.
class BoxCountingApp : public CWinApp
{
public:
    BoxCountingApp() : CWinApp("ZtWindowBoxTest") {}
    int boxes = 0;
    std::string lastText;
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override
    {
        ++boxes;
        lastText = lpszPrompt;
        return IDOK;
    }
};

TEST_F(WindowTest, AForeignExceptionFromAHandlerIsReportedNotLost)
{
    BoxCountingApp app;
    wnd.log.clear();
    EXPECT_EQ(wnd.SendMessage(kThrowForeignMessage), 0);
    EXPECT_EQ(app.boxes, 1);
    EXPECT_FALSE(app.lastText.empty());
    EXPECT_EQ(wnd.SendMessage(kPrivateMessage, 1, 2), 3);   // the application goes on
    // A user exception has been reported by whoever threw it.
    EXPECT_EQ(wnd.SendMessage(kThrowMessage), 0);
    EXPECT_EQ(app.boxes, 1);
}

TEST_F(WindowTest, DestroyRunsOnDestroyThenPostNcDestroyAndUnbinds)
{
    HWND hWnd = wnd.m_hWnd;
    wnd.log.clear();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{ "destroy" }));
    EXPECT_EQ(ncDestroyed, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(WindowTest, ControlNotificationsAndReflection)
{
    HWND button = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 40, 20, wnd.m_hWnd,
                                    (HMENU)(UINT_PTR)kButtonId, nullptr, nullptr);
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 30, 40, 20, wnd.m_hWnd,
                                  (HMENU)(UINT_PTR)kEditId, nullptr, nullptr);
    ASSERT_TRUE(button && edit);
    wnd.log.clear();
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), (LPARAM)button);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kEditId, EN_CHANGE), (LPARAM)edit);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kEditId, EN_KILLFOCUS), (LPARAM)edit);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{ "clicked", "editchange" }));

    // Once the button handles BN_CLICKED itself, the parent's handler is skipped.
    ReflectingButton reflecting;
    ASSERT_TRUE(reflecting.SubclassWindow(button));
    wnd.log.clear();
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), (LPARAM)button);
    EXPECT_EQ(reflecting.reflected, 1);
    EXPECT_TRUE(wnd.log.empty());
    EXPECT_EQ(reflecting.UnsubclassWindow(), button);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), (LPARAM)button);
    EXPECT_EQ(wnd.log, (std::vector<std::string>{ "clicked" }));
}

TEST_F(WindowTest, UnhandledColourMessagesAreHandedBackToTheControl)
{
    HWND label = ::CreateWindowExA(0, "STATIC", "s", WS_CHILD, 0, 0, 40, 20, wnd.m_hWnd, (HMENU)9, nullptr, nullptr);
    ColourControl control;
    ASSERT_TRUE(control.SubclassWindow(label));
    HDC hdc = ::GetDC(label);
    EXPECT_EQ((HBRUSH)wnd.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)label), control.brush);
    EXPECT_EQ(control.seen, (UINT)WM_CTLCOLORSTATIC);
    ::ReleaseDC(label, hdc);
    control.UnsubclassWindow();
}

TEST_F(WindowTest, MenuCommandDisabledByItsUpdateHandlerIsDropped)
{
    wnd.log.clear();
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kCmdDisabled, 0), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kCmdEnabled, 1), 0);   // from an accelerator
    EXPECT_EQ(wnd.log, (std::vector<std::string>{ "enabled-ran" }));
}

// Notes when it was bound to its window, as controls set themselves up.
class PreparedWnd : public CWnd
{
public:
    HWND boundTo = nullptr;
    void PreSubclassWindow() override { boundTo = m_hWnd; }
};

TEST_F(WindowTest, SubclassedControlKeepsItsOwnBehaviourThroughDefault)
{
    HWND check = ::CreateWindowExA(0, "BUTTON", "c", WS_CHILD | BS_CHECKBOX, 0, 0, 40, 20, wnd.m_hWnd,
                                   (HMENU)(UINT_PTR)kButtonId, nullptr, nullptr);
    PreparedWnd control;
    ASSERT_TRUE(control.SubclassDlgItem(kButtonId, &wnd));
    EXPECT_EQ(control.boundTo, check);
    wnd.CheckDlgButton(kButtonId, BST_CHECKED);
    EXPECT_EQ(wnd.IsDlgButtonChecked(kButtonId), (UINT)BST_CHECKED);
    wnd.SetDlgItemText(kButtonId, "via parent");
    CString viaParent;
    EXPECT_EQ(wnd.GetDlgItemText(kButtonId, viaParent), 10);
    EXPECT_STREQ(viaParent, "via parent");
    EXPECT_EQ(control.m_hWnd, check);
    EXPECT_EQ(wnd.GetDlgItem(kButtonId), &control);
    control.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(control.SendMessage(BM_GETCHECK), BST_CHECKED);
    control.SetWindowText("renamed");
    CString text;
    control.GetWindowText(text);
    EXPECT_STREQ(text, "renamed");
    control.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandlePermanent(check), nullptr);
}

TEST_F(WindowTest, ForeignWindowsGetTemporaryWrappersUntilTheTempMapIsFreed)
{
    HWND child = ::CreateWindowExA(0, "STATIC", "s", WS_CHILD, 0, 0, 10, 10, wnd.m_hWnd, (HMENU)5, nullptr, nullptr);
    CWnd* temp = CWnd::FromHandle(child);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, child);
    EXPECT_EQ(CWnd::FromHandle(child), temp);   // the same wrapper until freed
    EXPECT_EQ(CWnd::FromHandlePermanent(child), nullptr);
    EXPECT_EQ(temp->GetParent(), &wnd);
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(child));             // freeing a wrapper leaves the window

    CWnd attached;
    ASSERT_TRUE(attached.Attach(child));
    EXPECT_EQ(CWnd::FromHandle(child), &attached);
    EXPECT_EQ(attached.Detach(), child);
    EXPECT_EQ(CWnd::FromHandlePermanent(child), nullptr);
}

TEST_F(WindowTest, ChildWindowFamilyAndDescendantSearch)
{
    TestWnd* child = new TestWnd;
    child->deleteSelf = true;
    int childGone = 0;
    child->ncDestroyed = &childGone;
    ASSERT_TRUE(child->Create(nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &wnd, 77));
    HWND grand = ::CreateWindowExA(0, "STATIC", "g", WS_CHILD, 0, 0, 5, 5, child->m_hWnd, (HMENU)78, nullptr, nullptr);
    EXPECT_EQ(child->GetParent(), &wnd);
    EXPECT_EQ(child->GetDlgCtrlID(), 77);
    EXPECT_EQ(wnd.GetDescendantWindow(77), child);
    EXPECT_EQ(wnd.GetDescendantWindow(78)->m_hWnd, grand);
    EXPECT_EQ(wnd.GetDescendantWindow(78, TRUE), nullptr);   // only windows with objects
    EXPECT_EQ(child->GetTopLevelParent(), &wnd);
    wnd.DestroyWindow();                                     // takes the child along
    EXPECT_EQ(childGone, 1);
}

TEST_F(WindowTest, CreatingAControlOfASystemClassSubclassesIt)
{
    PreparedWnd button;
    ASSERT_TRUE(button.CreateEx(0, "BUTTON", "x", WS_CHILD | BS_CHECKBOX, CRect(0, 0, 40, 20), &wnd, 12));
    EXPECT_EQ(button.boundTo, button.m_hWnd);
    EXPECT_NE(button.m_pfnSuper, nullptr);   // the button's own procedure does the rest
    button.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(button.SendMessage(BM_GETCHECK), BST_CHECKED);
    button.DestroyWindow();
    EXPECT_EQ(button.m_hWnd, nullptr);
}

TEST(WindowClass, RegisterWndClassAnswersOneNamePerAttributeSet)
{
    REQUIRE_DISPLAY();
    CString a = AfxRegisterWndClass(CS_DBLCLKS);
    CString b = AfxRegisterWndClass(CS_DBLCLKS);
    CString c = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, (LPCSTR)IDC_CROSS));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    WNDCLASSA wc = {};
    EXPECT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), c, &wc));
    EXPECT_EQ(wc.style, (UINT)CS_DBLCLKS);
}

}  // namespace
