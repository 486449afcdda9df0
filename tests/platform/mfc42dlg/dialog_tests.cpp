// Dialogs of the class-library layer on real dialog templates: modal runs
// ended by posted commands, data exchange both ways with its refusals (the
// prompts are caught by the test application's DoMessageBox), property
// sheets whose pages are made only when shown, an owner-drawn combo box,
// the common controls, and the help-aware bases of the tools library.
// Windows need an X display (DISPLAY); without one these tests skip.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "afxcdlg.h"
#include "afxdlgs.h"
#include "afxprint.h"
#include "zttools.h"
#include "tests/platform/mfc42dlg/dlg_resource.h"
#include <stdlib.h>
#include <algorithm>
#include <functional>
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

// Prompts and help requests are recorded instead of shown.
class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("ZtDialogTest") {}
    std::vector<std::string> prompts;
    std::vector<DWORD_PTR> helpTopics;
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override
    {
        prompts.push_back(lpszPrompt);
        return IDOK;
    }
    void WinHelp(DWORD_PTR dwData, UINT) override { helpTopics.push_back(dwData); }
    // A menu command only the application handles.
    static const UINT kAppCommand = 0x8123;
    int appCommands = 0;
    void OnAppCommand() { ++appCommands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(CTestApp::kAppCommand, OnAppCommand)
END_MESSAGE_MAP()

CTestApp theApp;

TEST(ApplicationHelp, AMessageBoxOnScreenGivesItsTopicElseTheContents)
{
    theApp.helpTopics.clear();
    theApp.m_dwPromptContext = CWinApp::kHelpPromptBase + 0x42;
    theApp.OnHelp();
    theApp.m_dwPromptContext = 0;
    theApp.OnHelp();   // no window has the focus here
    EXPECT_EQ(theApp.helpTopics, (std::vector<DWORD_PTR>{ CWinApp::kHelpPromptBase + 0x42, 0 }));
}

// An application whose documents open without files.
class CPrintingApp : public CTestApp
{
public:
    CDocument document;
    CDocument* OpenDocumentFile(LPCSTR) override { return &document; }
};

TEST(ApplicationCommandLine, PrintingWithNothingToPrintSaysSo)
{
    CPrintingApp app;
    app.document.m_bAutoDelete = FALSE;
    CWnd mainWnd;   // no window: nothing handles direct printing
    app.m_pMainWnd = &mainWnd;
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FilePrint;
    info.m_strFileName = "C:\\letter.zvw";
    EXPECT_FALSE(app.ProcessShellCommand(info));   // printing ends the program
    ASSERT_EQ(app.prompts.size(), 1u);
    app.m_pMainWnd = nullptr;
}

TEST(DialogCommands, MenuCommandsTheDialogLacksGoOnToTheApplication)
{
    CDialog dlg;
    theApp.appCommands = 0;
    EXPECT_TRUE(dlg.OnCmdMsg(CTestApp::kAppCommand, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(theApp.appCommands, 1);
    // A control's id is the dialog's own business.
    EXPECT_FALSE(dlg.OnCmdMsg(1000, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(theApp.appCommands, 1);
}

const UINT_PTR kProbeTimer = 7;

// ---------------------------------------------------------------------------
// Owner-drawn combo: items are colours kept as item data, ordered from the
// largest value down by CompareItem, each as tall as its value's last digit
// plus 12, painted as a solid block.

class COwnerCombo : public CComboBox
{
public:
    std::vector<DWORD_PTR> measured;
    std::vector<std::pair<UINT, DWORD_PTR>> drawn;   // item index, item data
    int compares = 0;
    CRect lastRect;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        measured.push_back(mis->itemData);
        mis->itemHeight = 12 + (UINT)(mis->itemData % 10);
    }
    int CompareItem(LPCOMPAREITEMSTRUCT cis) override
    {
        compares++;
        if (cis->itemData1 == cis->itemData2)
            return 0;
        return cis->itemData1 > cis->itemData2 ? -1 : 1;
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        if (dis->itemID == (UINT)-1)
            return;
        drawn.push_back({ dis->itemID, dis->itemData });
        lastRect = dis->rcItem;
        CDC dc;
        dc.Attach(dis->hDC);
        dc.FillSolidRect(&dis->rcItem, (COLORREF)dis->itemData);
        dc.Detach();
    }
};

// ---------------------------------------------------------------------------
// The values dialog: every kind of exchange on one template. A test gives
// it a script run at the end of OnInitDialog and a probe run from a timer
// once the dialog is showing.

class CValuesDlg : public CDialog
{
public:
    CValuesDlg() : CDialog(IDD_VALUES) {}

    CString m_name = "Init";
    int m_number = 7;
    UINT m_count = 3;
    int m_radio = 1;
    int m_check = 2;
    int m_comboIndex = 1;
    CString m_comboText = "Gam";
    COwnerCombo m_owner;

    std::function<void(CValuesDlg&)> script;
    std::function<void(CValuesDlg&)> probe;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_OWNERCOMBO, m_owner);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, 10);
        DDX_Text(pDX, IDC_NUMBER, m_number);
        DDV_MinMaxInt(pDX, m_number, 0, 999);
        DDX_Text(pDX, IDC_COUNT, m_count);
        DDX_Radio(pDX, IDC_RADIO1, m_radio);
        DDX_Check(pDX, IDC_CHECK3, m_check);
        DDX_CBIndex(pDX, IDC_COMBO, m_comboIndex);
        DDX_CBString(pDX, IDC_COMBOEDIT, m_comboText);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (script)
            script(*this);
        if (probe)
            SetTimer(kProbeTimer, 20);
        return TRUE;
    }
    void OnTimer(UINT nIDEvent)
    {
        if (nIDEvent != kProbeTimer)
            return;
        KillTimer(kProbeTimer);
        probe(*this);
    }
    void Post(UINT nID) { PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CValuesDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveDisplay())
            GTEST_SKIP() << "no X display";
        theApp.prompts.clear();
        theApp.helpTopics.clear();
    }
    void TearDown() override { CWnd::DeleteTempMap(); }
};

CString ItemText(CWnd& dlg, int nID)
{
    CString text;
    dlg.GetDlgItemText(nID, text);
    return text;
}

TEST_F(DialogTest, PostedOkSavesEveryKindOfValue)
{
    CValuesDlg dlg;
    // What the controls showed when the dialog opened.
    CString shownName, shownNumber, shownComboEdit;
    UINT shownRadio2 = 0, shownCheck = 0;
    int shownComboSel = -2, comboCount = 0, editComboCount = 0;
    dlg.script = [&](CValuesDlg& d) {
        shownName = ItemText(d, IDC_NAME);
        shownNumber = ItemText(d, IDC_NUMBER);
        shownRadio2 = d.IsDlgButtonChecked(IDC_RADIO2);
        shownCheck = d.IsDlgButtonChecked(IDC_CHECK3);
        shownComboSel = (int)d.SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL);
        shownComboEdit = ItemText(d, IDC_COMBOEDIT);
        comboCount = (int)d.SendDlgItemMessage(IDC_COMBO, CB_GETCOUNT);
        editComboCount = (int)d.SendDlgItemMessage(IDC_COMBOEDIT, CB_GETCOUNT);
        // The user's input.
        d.SetDlgItemText(IDC_NAME, "Hello");
        d.SetDlgItemText(IDC_NUMBER, " +42 ");
        d.SetDlgItemText(IDC_COUNT, "65000");
        d.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
        d.CheckDlgButton(IDC_CHECK3, BST_UNCHECKED);
        d.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 2);
        d.SetDlgItemText(IDC_COMBOEDIT, "typed");
        d.Post(IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_hWnd, nullptr);

    EXPECT_STREQ(shownName, "Init");
    EXPECT_STREQ(shownNumber, "7");
    EXPECT_EQ(shownRadio2, (UINT)BST_CHECKED);            // index 1 of the group
    EXPECT_EQ(shownCheck, (UINT)BST_INDETERMINATE);
    EXPECT_EQ(comboCount, 3);                             // from the initialisation data
    EXPECT_EQ(editComboCount, 2);
    EXPECT_EQ(shownComboSel, 1);
    EXPECT_STREQ(shownComboEdit, "Gamma");                // "Gam" selects by prefix

    EXPECT_STREQ(dlg.m_name, "Hello");
    EXPECT_EQ(dlg.m_number, 42);
    EXPECT_EQ(dlg.m_count, 65000u);
    EXPECT_EQ(dlg.m_radio, 2);
    EXPECT_EQ(dlg.m_check, 0);
    EXPECT_EQ(dlg.m_comboIndex, 2);
    EXPECT_STREQ(dlg.m_comboText, "typed");
    EXPECT_TRUE(theApp.prompts.empty());
}

TEST_F(DialogTest, CancelLeavesTheMembersAsTheyWere)
{
    CValuesDlg dlg;
    dlg.script = [](CValuesDlg& d) {
        d.SetDlgItemText(IDC_NAME, "Changed");
        d.SetDlgItemText(IDC_NUMBER, "500");
        d.Post(IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_STREQ(dlg.m_name, "Init");
    EXPECT_EQ(dlg.m_number, 7);
}

// Keys typed into a control reach the dialog's navigation through the
// modal loop's PreTranslateMessage: Enter presses the default button (OK),
// Escape cancels.
TEST_F(DialogTest, EnterAndEscapeInAnEditEndTheDialog)
{
    struct Case
    {
        WPARAM key;
        INT_PTR result;
        const char* name;
    } cases[] = { { VK_RETURN, IDOK, "Keyed" }, { VK_ESCAPE, IDCANCEL, "Init" } };
    for (const Case& c : cases)
    {
        CValuesDlg dlg;
        dlg.script = [&](CValuesDlg& d) {
            d.SetDlgItemText(IDC_NAME, "Keyed");
            CWnd* edit = d.GetDlgItem(IDC_NAME);
            edit->SetFocus();
            edit->PostMessage(WM_KEYDOWN, c.key, 1);
        };
        EXPECT_EQ(dlg.DoModal(), c.result) << c.key;
        EXPECT_STREQ(dlg.m_name, c.name);
    }
}

TEST_F(DialogTest, TabMovesTheFocusToTheNextControl)
{
    CValuesDlg dlg;
    HWND focused = nullptr, next = nullptr;
    dlg.script = [](CValuesDlg& d) {
        CWnd* edit = d.GetDlgItem(IDC_NAME);
        edit->SetFocus();
        edit->PostMessage(WM_KEYDOWN, VK_TAB, 1);
    };
    dlg.probe = [&](CValuesDlg& d) {
        focused = ::GetFocus();
        next = ::GetDlgItem(d.m_hWnd, IDC_NUMBER);
        d.Post(IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(focused, next);
}

TEST_F(DialogTest, ThreeStateCheckAndEmptyRadioGroupRoundTrip)
{
    struct Case
    {
        int check;      // member before
        int radio;
        UINT shownCheck;
        int radioAfter; // nothing checked in the group answers -1
    } cases[] = {
        { 0, -1, BST_UNCHECKED, -1 },
        { 1, 0, BST_CHECKED, 0 },
        { 2, 2, BST_INDETERMINATE, 2 },
        { 5, 1, BST_UNCHECKED, 1 },   // out of range loads as unchecked
    };
    for (const Case& c : cases)
    {
        CValuesDlg dlg;
        dlg.m_check = c.check;
        dlg.m_radio = c.radio;
        UINT shown = 99;
        dlg.script = [&](CValuesDlg& d) {
            shown = d.IsDlgButtonChecked(IDC_CHECK3);
            // A checked button of the next group does not count for this one.
            d.CheckDlgButton(IDC_AFTERGROUP, BST_CHECKED);
            d.Post(IDOK);
        };
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(shown, c.shownCheck) << c.check;
        EXPECT_EQ(dlg.m_check, (int)c.shownCheck) << c.check;
        EXPECT_EQ(dlg.m_radio, c.radioAfter) << c.radio;
    }
}

// A refused value: the prompt names the problem, the dialog stays open with
// the focus (and the whole text selected) on the refused edit, and the
// dialog ends only when cancelled, its caller's record untouched.
TEST_F(DialogTest, RefusedValueKeepsTheDialogOpenAndWritesNothingBack)
{
    struct Case
    {
        int control;
        const char* text;
        const char* prompt;
    } cases[] = {
        { IDC_NUMBER, "abc", "Please enter an integer." },
        { IDC_NUMBER, "12x", "Please enter an integer." },
        { IDC_NUMBER, "99999999999", "Please enter an integer." },
        { IDC_NUMBER, "1000", "Please enter an integer between 0 and 999." },
        { IDC_NUMBER, "-1", "Please enter an integer between 0 and 999." },
        { IDC_COUNT, "-5", "Please enter a positive integer." },
        { IDC_NAME, "eleven char", "Please enter no more than 10 characters." },
    };
    for (const Case& c : cases)
    {
        theApp.prompts.clear();
        struct Record
        {
            CString name = "Init";
            int number = 7;
            UINT count = 3;
        } record;
        CValuesDlg dlg;
        dlg.m_name = record.name;
        dlg.m_number = record.number;
        dlg.m_count = record.count;
        bool openAfterOk = false;
        HWND focusAfterOk = nullptr, refused = nullptr;
        DWORD selection = 0;
        int textLength = 0;
        dlg.script = [&](CValuesDlg& d) { d.SetDlgItemText(c.control, c.text); };
        dlg.probe = [&](CValuesDlg& d) {
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);   // refused
            openAfterOk = ::IsWindow(d.m_hWnd) && d.ContinueModal();
            refused = ::GetDlgItem(d.m_hWnd, c.control);
            focusAfterOk = ::GetFocus();
            selection = (DWORD)::SendMessageA(refused, EM_GETSEL, 0, 0);
            textLength = ::GetWindowTextLengthA(refused);
            d.Post(IDCANCEL);
        };
        INT_PTR result = dlg.DoModal();
        if (result == IDOK)
        {
            record.name = dlg.m_name;
            record.number = dlg.m_number;
            record.count = dlg.m_count;
        }
        EXPECT_EQ(result, IDCANCEL) << c.text;
        EXPECT_TRUE(openAfterOk) << c.text;
        EXPECT_EQ(focusAfterOk, refused) << c.text;
        EXPECT_EQ(LOWORD(selection), 0) << c.text;
        EXPECT_EQ(HIWORD(selection), textLength) << c.text;
        EXPECT_EQ(theApp.prompts, std::vector<std::string>{ c.prompt }) << c.text;
        EXPECT_STREQ(record.name, "Init");
        EXPECT_EQ(record.number, 7);
        EXPECT_EQ(record.count, 3u);
    }
}

TEST_F(DialogTest, TextThatCannotBeReadLeavesTheMemberUnchanged)
{
    CValuesDlg dlg;
    dlg.script = [](CValuesDlg& d) { d.SetDlgItemText(IDC_NUMBER, "seven"); };
    BOOL saved = TRUE;
    dlg.probe = [&](CValuesDlg& d) {
        saved = d.UpdateData(TRUE);
        d.Post(IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(saved);
    EXPECT_EQ(dlg.m_number, 7);
}

TEST_F(DialogTest, EndDialogFromOnInitDialogEndsWithoutALoop)
{
    CValuesDlg dlg;
    dlg.script = [](CValuesDlg& d) { d.EndDialog(42); };
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, OwnerDrawnComboIsOrderedMeasuredAndDrawnByItsClass)
{
    CValuesDlg dlg;
    const COLORREF red = RGB(200, 0, 0), green = RGB(0, 150, 0), blue = RGB(0, 0, 180);
    std::vector<DWORD_PTR> order;
    std::vector<int> heights;
    COLORREF painted = CLR_INVALID;
    std::vector<std::pair<UINT, DWORD_PTR>> drawn;
    dlg.script = [&](CValuesDlg& d) {
        // Without CBS_HASSTRINGS the "string" is the item data.
        d.m_owner.AddString((LPCSTR)(DWORD_PTR)green);
        d.m_owner.AddString((LPCSTR)(DWORD_PTR)red);
        d.m_owner.AddString((LPCSTR)(DWORD_PTR)blue);
        for (int i = 0; i < d.m_owner.GetCount(); i++)
        {
            order.push_back(d.m_owner.GetItemData(i));
            heights.push_back(d.m_owner.GetItemHeight(i));
        }
        d.m_owner.SetCurSel(1);
    };
    dlg.probe = [&](CValuesDlg& d) {
        d.m_owner.drawn.clear();
        d.m_owner.RedrawWindow();
        drawn = d.m_owner.drawn;
        CClientDC dc(&d.m_owner);
        painted = dc.GetPixel(d.m_owner.lastRect.CenterPoint());
        d.Post(IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // Largest value first: the comparison is the combo's own.
    EXPECT_EQ(order, (std::vector<DWORD_PTR>{ blue, green, red }));
    EXPECT_GT(dlg.m_owner.compares, 0);
    EXPECT_EQ(dlg.m_owner.measured, (std::vector<DWORD_PTR>{ green, red, blue }));
    EXPECT_EQ(heights, (std::vector<int>{ 12 + (int)(blue % 10), 12 + (int)(green % 10), 12 + (int)(red % 10) }));
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back(), (std::pair<UINT, DWORD_PTR>{ 1, green }));
    EXPECT_EQ(painted, green);
}

TEST_F(DialogTest, ComboAndListSearchesByPrefixAndWholeText)
{
    CValuesDlg dlg;
    int prefix = -9, exact = -9, exactCase = -9, partial = -9, after = -9, listExact = -9, listPrefix = -9;
    CString text;
    dlg.script = [&](CValuesDlg& d) {
        CComboBox* combo = (CComboBox*)d.GetDlgItem(IDC_COMBO);
        CComboBox box;
        box.Attach(combo->m_hWnd);
        prefix = box.FindString(-1, "Ga");
        exact = box.FindStringExact(-1, "Delta");
        exactCase = box.FindStringExact(-1, "gamma");
        partial = box.FindStringExact(-1, "Gam");
        after = box.FindString(1, "A");   // wraps round to the first entry
        box.SetItemData(2, 77);
        box.GetLBText(2, text);
        box.Detach();

        CListBox list;
        list.Create(WS_CHILD | LBS_SORT | LBS_HASSTRINGS, CRect(0, 0, 80, 60), &d, 2000);
        list.AddString("pear");
        list.AddString("apple");
        list.AddString("Apricot");
        listExact = list.FindStringExact(-1, "APPLE");
        listPrefix = list.FindString(-1, "apr");
        list.DestroyWindow();
        d.Post(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(prefix, 1);
    EXPECT_EQ(exact, 2);
    EXPECT_EQ(exactCase, 1);
    EXPECT_EQ(partial, CB_ERR);
    EXPECT_EQ(after, 0);
    EXPECT_STREQ(text, "Delta");
    EXPECT_EQ(listExact, 0);
    EXPECT_EQ(listPrefix, 1);
}

// ---------------------------------------------------------------------------
// Property sheets

std::vector<std::string> g_pageLog;

class CLoggingPage : public CXHelpPropertyPage
{
public:
    CLoggingPage(UINT nID, const char* name) : CXHelpPropertyPage(nID), m_name(name) {}
    std::string m_name;
    int m_value = 5;
    std::function<void(CLoggingPage&)> onFirstActive;
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_PAGEVALUE, m_value);
        DDV_MinMaxInt(pDX, m_value, 0, 100);
    }
    BOOL OnInitDialog() override
    {
        g_pageLog.push_back(m_name + ":init");
        return CXHelpPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override
    {
        g_pageLog.push_back(m_name + ":active");
        BOOL result = CXHelpPropertyPage::OnSetActive();
        if (onFirstActive)
        {
            auto run = onFirstActive;
            onFirstActive = nullptr;
            run(*this);
        }
        return result;
    }
    BOOL OnKillActive() override
    {
        BOOL ok = CXHelpPropertyPage::OnKillActive();
        g_pageLog.push_back(m_name + (ok ? ":kill" : ":kill-refused"));
        return ok;
    }
    void OnOK() override { g_pageLog.push_back(m_name + ":ok"); }
    void OnCancel() override { g_pageLog.push_back(m_name + ":cancel"); }
    // Runs probe from the page's own queue, once the sheet is up.
    std::function<void(CLoggingPage&)> probe;
    LRESULT OnProbe(WPARAM, LPARAM)
    {
        probe(*this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingPage, CXHelpPropertyPage)
    ON_MESSAGE(WM_APP, OnProbe)
END_MESSAGE_MAP()

class PropertySheetTest : public DialogTest
{
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        g_pageLog.clear();
    }
    void PostToSheet(CWnd& page, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        ::PostMessageA(::GetParent(page.m_hWnd), message, wParam, lParam);
    }
};

TEST_F(PropertySheetTest, OkReachesOnlyThePagesThatWereShown)
{
    CLoggingPage first(IDD_PAGE_A, "A"), second(IDD_PAGE_B, "B");
    CXHelpPropertySheet sheet("Two pages");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    first.onFirstActive = [&](CLoggingPage& page) { PostToSheet(page, PSM_PRESSBUTTON, PSBTN_OK); };
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(g_pageLog, (std::vector<std::string>{ "A:init", "A:active", "A:kill", "A:ok" }));
    EXPECT_EQ(second.m_hWnd, nullptr);
}

TEST_F(PropertySheetTest, VisitedPagesAllRunOnOkAndKeepTheirValues)
{
    CLoggingPage first(IDD_PAGE_A, "A"), second(IDD_PAGE_B, "B");
    CXHelpPropertySheet sheet("Two pages");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    int activeDuring = -1;
    first.onFirstActive = [&](CLoggingPage& page) {
        page.SetDlgItemText(IDC_PAGEVALUE, "11");
        PostToSheet(page, PSM_SETCURSEL, 1, 0);
    };
    second.onFirstActive = [&](CLoggingPage& page) { page.PostMessage(WM_APP); };
    second.probe = [&](CLoggingPage& page) {
        activeDuring = sheet.GetActiveIndex();
        page.SetDlgItemText(IDC_PAGEVALUE, "22");
        PostToSheet(page, PSM_PRESSBUTTON, PSBTN_OK);
    };
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(activeDuring, 1);
    EXPECT_EQ(g_pageLog, (std::vector<std::string>{ "A:init", "A:active", "A:kill", "B:init", "B:active",
                                                     "B:kill", "A:ok", "B:ok" }));
    EXPECT_EQ(first.m_value, 11);
    EXPECT_EQ(second.m_value, 22);
}

TEST_F(PropertySheetTest, InitialPageAndCancel)
{
    CLoggingPage first(IDD_PAGE_A, "A"), second(IDD_PAGE_B, "B");
    CXHelpPropertySheet sheet("Start on the second", nullptr, 1);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    second.onFirstActive = [&](CLoggingPage& page) {
        page.SetDlgItemText(IDC_PAGEVALUE, "99");
        PostToSheet(page, PSM_PRESSBUTTON, PSBTN_CANCEL);
    };
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(g_pageLog, (std::vector<std::string>{ "B:init", "B:active", "B:cancel" }));
    EXPECT_EQ(second.m_value, 5);
}

TEST_F(PropertySheetTest, RefusedPageKeepsTheSheetOpen)
{
    CLoggingPage first(IDD_PAGE_A, "A"), second(IDD_PAGE_B, "B");
    CXHelpPropertySheet sheet("Refusal");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    bool openAfterOk = false;
    first.onFirstActive = [&](CLoggingPage& page) { page.PostMessage(WM_APP); };
    first.probe = [&](CLoggingPage& page) {
        page.SetDlgItemText(IDC_PAGEVALUE, "500");
        HWND hSheet = ::GetParent(page.m_hWnd);
        ::SendMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);   // refused: out of range
        openAfterOk = ::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0) == (LRESULT)page.m_hWnd;
        // Asking for help on the sheet answers the current page's topic.
        ::SendMessageA(hSheet, WM_COMMAND, ID_HELP, 0);
        ::PostMessageA(hSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    };
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(theApp.prompts, std::vector<std::string>{ "Please enter an integer between 0 and 100." });
    EXPECT_EQ(theApp.helpTopics, std::vector<DWORD_PTR>{ HID_BASE_RESOURCE + IDD_PAGE_A });
    EXPECT_EQ(first.m_value, 500);   // exchanged, then refused by the range check
    EXPECT_EQ(std::count(g_pageLog.begin(), g_pageLog.end(), "A:ok"), 0);
}

// ---------------------------------------------------------------------------
// The tools library's help dialog

class CHelpDlg : public CXHelpDialog
{
public:
    CHelpDlg() : CXHelpDialog(IDD_HELPDLG) {}
    int m_value = 3;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGEVALUE, m_value); }
    BOOL OnInitDialog() override
    {
        CXHelpDialog::OnInitDialog();
        SendMessage(WM_COMMAND, ID_HELP, 0);
        SetDlgItemText(IDC_PAGEVALUE, "8");
        PostMessage(WM_COMMAND, IDOK, 0);
        return TRUE;
    }
};

TEST_F(DialogTest, HelpDialogShowsItsTemplateTopicAndEndsWithOk)
{
    CHelpDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_value, 8);
    EXPECT_EQ(theApp.helpTopics, std::vector<DWORD_PTR>{ HID_BASE_RESOURCE + IDD_HELPDLG });
}

TEST_F(DialogTest, ModelessDialogOnlyHidesOnEndDialog)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPED, 0, 0, 100, 60, nullptr, nullptr));
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_HELPDLG, &owner));
    EXPECT_EQ(::GetWindow(dlg.m_hWnd, GW_OWNER), owner.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());   // a modeless dialog leaves its owner usable
    dlg.ShowWindow(SW_SHOWNA);
    dlg.EndDialog(IDOK);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    owner.DestroyWindow();
}

// A modal dialog disables its owner while it runs; one opened from it is
// owned by it (the main window's last active popup) and disables it in turn.
TEST_F(DialogTest, ModalDialogsDisableTheirOwnersWhileTheyRun)
{
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr));
    theApp.m_pMainWnd = &mainWnd;
    HWND outerOwner = nullptr, innerOwner = nullptr, outer = nullptr;
    BOOL mainEnabledDuring = TRUE, outerEnabledDuringInner = TRUE, outerEnabledAfterInner = FALSE;
    CValuesDlg dlg;
    dlg.probe = [&](CValuesDlg& d) {   // once the dialog shows, active
        outer = d.m_hWnd;
        outerOwner = ::GetWindow(d.m_hWnd, GW_OWNER);
        mainEnabledDuring = mainWnd.IsWindowEnabled();
        CValuesDlg inner;
        inner.script = [&](CValuesDlg& i) {
            innerOwner = ::GetWindow(i.m_hWnd, GW_OWNER);
            outerEnabledDuringInner = ::IsWindowEnabled(outer);
            i.Post(IDCANCEL);
        };
        inner.DoModal();
        outerEnabledAfterInner = ::IsWindowEnabled(outer);
        d.Post(IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(outerOwner, mainWnd.m_hWnd);
    EXPECT_FALSE(mainEnabledDuring);
    EXPECT_EQ(innerOwner, outer);
    EXPECT_FALSE(outerEnabledDuringInner);
    EXPECT_TRUE(outerEnabledAfterInner);
    EXPECT_TRUE(mainWnd.IsWindowEnabled());
    theApp.m_pMainWnd = nullptr;
    mainWnd.DestroyWindow();
}

// A dialog with idle work: three kicks, then it ends itself.
class CIdleDlg : public CValuesDlg
{
public:
    std::vector<LPARAM> kicks;
    LRESULT OnKickIdle(WPARAM, LPARAM count)
    {
        kicks.push_back(count);
        if (kicks.size() < 3)
            return TRUE;   // more to do
        EndDialog(IDOK);
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleDlg, CValuesDlg)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

// An owner that counts the idle notices of its modal dialogs.
class CIdleOwner : public CWnd
{
public:
    int enterIdle = 0;
    LRESULT OnEnterIdle(WPARAM reason, LPARAM)
    {
        if (reason == MSGF_DIALOGBOX)
            ++enterIdle;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleOwner, CWnd)
    ON_MESSAGE(WM_ENTERIDLE, OnEnterIdle)
END_MESSAGE_MAP()

TEST_F(DialogTest, AnIdleModalLoopKicksTheDialogAndTellsItsOwner)
{
    CIdleOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr));
    CIdleDlg dlg;
    dlg.m_pParentWnd = &owner;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(dlg.kicks.size(), 3u);
    EXPECT_EQ(dlg.kicks.front(), 0);   // counted from the last message
    EXPECT_GE(owner.enterIdle, 1);
    owner.DestroyWindow();
}

// ---------------------------------------------------------------------------
// Common controls and the file dialog's list of names

TEST_F(DialogTest, SpinProgressAndToolTipControls)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "controls", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr));
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &parent, 10));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, CRect(60, 0, 75, 20),
                            &parent, 11));
    spin.SetBuddy(&buddy);
    spin.SetRange(0, 999);
    spin.SetPos(1234);   // clamped to the range
    int lower = -1, upper = -1;
    spin.GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 999);
    EXPECT_EQ(LOWORD(spin.GetPos()), 999);
    EXPECT_EQ(spin.GetBuddy(), &buddy);
    CString shown;
    buddy.GetWindowText(shown);
    EXPECT_STREQ(shown, "999");

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD, CRect(0, 30, 100, 40), &parent, 12));
    progress.SetRange(0, 50);
    progress.SetStep(20);
    EXPECT_EQ(progress.StepIt(), 0);   // answers the position before
    EXPECT_EQ(progress.StepIt(), 20);
    EXPECT_EQ(progress.GetPos(), 40);

    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&parent));
    EXPECT_TRUE(tip.AddTool(&buddy, "Buddy tip"));
    EXPECT_EQ(tip.GetToolCount(), 1);
    CString tipText;
    tip.GetText(tipText, &buddy);
    EXPECT_STREQ(tipText, "Buddy tip");
    tip.DestroyWindow();
    parent.DestroyWindow();
}

TEST(FileDialog, NamesOfASingleAndOfAMultipleChoice)
{
    struct Case
    {
        const char buffer[64];
        int size;
        std::vector<std::string> names;
    } cases[] = {
        { "C:\\docs\\one.txt\0", 17, { "C:\\docs\\one.txt" } },
        { "C:\\docs\0a.txt\0b.txt\0", 21, { "C:\\docs\\a.txt", "C:\\docs\\b.txt" } },
        { "C:\\\0root.txt\0", 13, { "C:\\root.txt" } },
    };
    for (const Case& c : cases)
    {
        CFileDialog dlg(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_EXPLORER);
        memset(dlg.m_ofn.lpstrFile, 0, dlg.m_ofn.nMaxFile);
        memcpy(dlg.m_ofn.lpstrFile, c.buffer, c.size);
        std::vector<std::string> names;
        for (POSITION pos = dlg.GetStartPosition(); pos;)
            names.push_back((LPCSTR)dlg.GetNextPathName(pos));
        EXPECT_EQ(names, c.names) << c.buffer;
    }
    CFileDialog save(FALSE, "zwt", "letter", OFN_OVERWRITEPROMPT, "Documents (*.zwt)|*.zwt|All files|*.*||");
    EXPECT_STREQ(save.m_ofn.lpstrFile, "letter");
    EXPECT_EQ(memcmp(save.m_ofn.lpstrFilter, "Documents (*.zwt)\0*.zwt\0All files\0*.*\0\0", 40), 0);
    EXPECT_STREQ(save.GetFileName(), "letter");
}

// ---------------------------------------------------------------------------
// The view's print loop, printing into a memory DC the view supplies

class CPrintView : public CView
{
public:
    std::vector<std::string> log;
    UINT maxPage = 0xFFFF;
    UINT from = 0, to = 0;   // a page range chosen by the user, if non-zero
    BOOL prepare = TRUE;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        log.push_back("prepare");
        pInfo->SetMaxPage(maxPage);
        if (from)
        {
            pInfo->m_pPD->m_pd.Flags |= PD_PAGENUMS;
            pInfo->m_pPD->m_pd.nFromPage = (WORD)from;
            pInfo->m_pPD->m_pd.nToPage = (WORD)to;
        }
        pInfo->m_pPD->m_pd.hDC = ::CreateCompatibleDC(nullptr);
        return prepare;
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo*) override { log.push_back(pDC->IsPrinting() ? "begin" : "begin?"); }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override
    {
        CView::OnPrepareDC(pDC, pInfo);
        log.push_back("dc:" + std::to_string(pInfo->m_nCurPage) + (pInfo->m_bContinuePrinting ? "" : ":stop"));
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        log.push_back("print:" + std::to_string(pInfo->m_nCurPage));
        CView::OnPrint(pDC, pInfo);
    }
    void OnDraw(CDC*) override { log.push_back("draw"); }
    void OnEndPrinting(CDC*, CPrintInfo*) override { log.push_back("end"); }
};

TEST(PrintLoop, PagesFromTheRangeOrUntilTheViewStops)
{
    struct Case
    {
        UINT maxPage, from, to;
        BOOL prepare;
        std::vector<std::string> log;
    } cases[] = {
        { 2, 0, 0, TRUE,
          { "prepare", "begin", "dc:1", "dc:1", "print:1", "draw", "dc:2", "dc:2", "print:2", "draw", "end" } },
        // An unknown length prints the first page only.
        { 0xFFFF, 0, 0, TRUE, { "prepare", "begin", "dc:1", "dc:1", "print:1", "draw", "dc:2:stop", "end" } },
        { 9, 3, 3, TRUE, { "prepare", "begin", "dc:3", "dc:3", "print:3", "draw", "end" } },
        { 9, 0, 0, FALSE, { "prepare" } },
    };
    for (const Case& c : cases)
    {
        CPrintView view;
        view.maxPage = c.maxPage;
        view.from = c.from;
        view.to = c.to;
        view.prepare = c.prepare;
        view.OnFilePrint();
        EXPECT_EQ(view.log, c.log) << c.maxPage << " " << c.from;
    }
}

TEST(PrintDialog, ChoicesComeFromItsRecord)
{
    CPrintDialog dlg(FALSE);
    EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CCommonDialog)));
    EXPECT_TRUE(dlg.PrintAll());
    EXPECT_EQ(dlg.GetFromPage(), -1);   // no range chosen
    dlg.m_pd.Flags = (dlg.m_pd.Flags & ~PD_USEDEVMODECOPIES) | PD_PAGENUMS | PD_COLLATE;
    dlg.m_pd.nFromPage = 2;
    dlg.m_pd.nToPage = 5;
    dlg.m_pd.nCopies = 3;
    EXPECT_TRUE(dlg.PrintRange());
    EXPECT_FALSE(dlg.PrintAll());
    EXPECT_TRUE(dlg.PrintCollate());
    EXPECT_EQ(dlg.GetFromPage(), 2);
    EXPECT_EQ(dlg.GetToPage(), 5);
    EXPECT_EQ(dlg.GetCopies(), 3);

    CPageSetupDialog setup;
    setup.m_psd.rtMargin = CRect(1, 2, 3, 4);
    setup.m_psd.rtMinMargin = CRect(5, 6, 7, 8);
    CRect margins, least;
    setup.GetMargins(&margins, &least);
    EXPECT_EQ(margins, CRect(1, 2, 3, 4));
    EXPECT_EQ(least, CRect(5, 6, 7, 8));
}

}  // namespace
