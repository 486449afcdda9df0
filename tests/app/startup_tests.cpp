// Start-up and shut-down of the application object: the caption labels in
// the profile and the window placement's absence.
#include "tests/support/zt_gtest.h"
#include "app/CWApp.h"
#include "app/window_placement.h"
#include "model/GCaption.h"
#include <string>
#include <vector>

namespace {

const char kTestRegistryKey[] = "ztwrite tests";
const char kTestProfile[] = "startup";

class CaptionProfileTest : public testing::Test
{
protected:
    LPCSTR savedKey = nullptr;
    LPCSTR savedProfile = nullptr;

    void SetUp() override
    {
        savedKey = App.m_pszRegistryKey ? strdup(App.m_pszRegistryKey) : nullptr;
        savedProfile = App.m_pszProfileName;
        App.SetRegistryKey(kTestRegistryKey);
        App.m_pszProfileName = kTestProfile;
        App.WriteProfileString(kCaptionSection, nullptr, nullptr);
        App.WriteProfileString(szWPTitle, nullptr, nullptr);
    }

    void TearDown() override
    {
        App.WriteProfileString(kCaptionSection, nullptr, nullptr);
        if (savedKey)
        {
            App.SetRegistryKey(savedKey);
            free((void*)savedKey);
        }
        App.m_pszProfileName = savedProfile;
    }

    void Write(int key, const char* value)
    {
        App.WriteProfileString(kCaptionSection, std::to_string(key).c_str(), value);
    }

    std::string Read(int key)
    {
        return (LPCSTR)App.GetProfileString(kCaptionSection, std::to_string(key).c_str(), nullptr);
    }

    static std::vector<std::string> Labels()
    {
        std::vector<std::string> labels;
        for (int i = 0; i < GCaption::Labels.GetSize(); i++)
            labels.push_back((LPCSTR)GCaption::Labels[i]);
        return labels;
    }
};

TEST_F(CaptionProfileTest, LabelsRoundTripThroughTheProfile)
{
    Write(0, "Caption ");
    Write(1, "Figure ");
    // Key 2 missing ends the list; key 3 is never read.
    Write(3, "Unreached ");
    // Stale keys inside the cleared range go, those beyond it stay.
    Write(39, "Stale ");
    Write(40, "Beyond ");
    App.SetCaptions();
    const std::vector<std::string> expected = { "", "", "", "", "Caption ", "Table ", "Picture ", "Label ",
                                                "Figure " };
    EXPECT_EQ(Labels(), expected);

    App.SaveCaptions();
    const char* written[] = { "Caption ", "Table ", "Picture ", "Label ", "Figure " };
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(Read(i), written[i]) << "key " << i;
    EXPECT_EQ(Read(5), "") << "the key after the last written is removed";
    EXPECT_EQ(Read(3), "Label ");
    EXPECT_EQ(Read(39), "");
    EXPECT_EQ(Read(40), "Beyond ");

    // The next start reads the same list back.
    App.SetCaptions();
    EXPECT_EQ(Labels(), expected);
}

TEST_F(CaptionProfileTest, ALongListClearsAsManyKeysAsItHolds)
{
    App.SetCaptions();
    for (int i = 0; i < 40; i++)
        GCaption::Labels.Add(("Mine " + std::to_string(i)).c_str());
    Write(47, "Stale ");
    Write(48, "Beyond ");
    App.SaveCaptions();
    EXPECT_EQ(Read(43), "Mine 39");
    EXPECT_EQ(Read(44), "") << "the key after the last written";
    EXPECT_EQ(Read(47), "") << "inside the 48 cleared keys";
    EXPECT_EQ(Read(48), "Beyond ");
    GCaption::Labels.RemoveAll();
}

TEST_F(CaptionProfileTest, NoPlacementWithoutInit)
{
    WINDOWPLACEMENT wp = {};
    wp.showCmd = 77;
    App.WriteProfileInt(szWPTitle, "Flags", 1);
    App.WriteProfileInt(szWPTitle, "Show Command", 3);
    EXPECT_FALSE(ReadWindowPlacement(szWPTitle, wp));
    EXPECT_EQ(wp.showCmd, 77u);
}

}  // namespace

// ---------------------------------------------------------------------------
// The whole start-up in this process, under the X display.

#include "tests/support/window_test_support.h"
#include "tests/support/application_start.h"
#include "app/CWMainFrame.h"
#include "app/clipboard_document.h"
#include "resources/startup_ids.h"

namespace {

const CRect kStoredPlace(70, 50, 870, 650);

struct CreationSeen
{
    bool childSeen = false;
    bool mainVisible = false;
    CRect mainRect;
};
CreationSeen g_seen;
HHOOK g_hook = nullptr;

// The first document window's creation: where the main window stands.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && !g_seen.childSeen)
    {
        CBT_CREATEWNDA* create = (CBT_CREATEWNDA*)lParam;
        if ((create->lpcs->dwExStyle & WS_EX_MDICHILD) && App.m_pMainWnd)
        {
            g_seen.childSeen = true;
            g_seen.mainVisible = ::IsWindowVisible(App.m_pMainWnd->m_hWnd) != FALSE;
            ::GetWindowRect(App.m_pMainWnd->m_hWnd, &g_seen.mainRect);
        }
    }
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

class StartUpTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveXDisplay())
            GTEST_SKIP() << "no X display";
        App.SetRegistryKey(kTestRegistryKey);
        App.m_pszProfileName = "startup placement";
        App.WriteProfileString(szWPTitle, nullptr, nullptr);
    }

    void TearDown() override
    {
        if (App.m_pMainWnd && ::IsWindow(App.m_pMainWnd->m_hWnd))
            App.m_pMainWnd->SendMessage(WM_CLOSE);
        PumpWaitingMessages();
        App.m_pMainWnd = nullptr;
        App.m_lpCmdLine = nullptr;
        App.m_bRunEmbedded = FALSE;
        App.m_bRunAutomated = FALSE;
        // The settings as the other tests expect them.
        StartLikeTheApplication();
    }

    BOOL Start(const char* commandLine)
    {
        static char line[64];
        lstrcpynA(line, commandLine, sizeof(line));
        App.m_lpCmdLine = line;
        BOOL started = App.InitInstance();
        PumpWaitingMessages();
        return started;
    }
};

TEST_F(StartUpTest, StoredPlacementIsAppliedBeforeTheFirstDocument)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = kStoredPlace;
    WriteWindowPlacement(szWPTitle, wp);

    g_seen = CreationSeen();
    g_hook = ::SetWindowsHookExA(WH_CBT, WatchCreation, nullptr, ::GetCurrentThreadId());
    BOOL started = Start("");
    ::UnhookWindowsHookEx(g_hook);
    ASSERT_TRUE(started);

    ASSERT_TRUE(g_seen.childSeen) << "File New made a document window";
    EXPECT_TRUE(g_seen.mainVisible);
    EXPECT_EQ(g_seen.mainRect, kStoredPlace);
    ASSERT_NE(App.m_pMainWnd, nullptr);
    EXPECT_TRUE(App.m_pMainWnd->IsKindOf(RUNTIME_CLASS(CWMainFrame)));
    EXPECT_NE(Clipboard, nullptr);
    EXPECT_EQ(App.GetOpenDocumentCount(), 1);
    EXPECT_EQ(((CWMainFrame*)App.m_pMainWnd)->GetAcceleratorManager()->GetTableCount(), 2);

    // Closing the window asks about every document (none is modified) and
    // then ends the clipboard document.
    App.QuitWrite = 0;
    App.m_pMainWnd->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    EXPECT_TRUE(App.QuitWrite);
    EXPECT_EQ(App.m_pMainWnd, nullptr);
    EXPECT_EQ(Clipboard, nullptr);
    EXPECT_EQ(App.GetOpenDocumentCount(), 0);
}

TEST_F(StartUpTest, WithoutAPlacementTheWindowShowsWithTheShowCommand)
{
    App.m_nCmdShow = SW_SHOWNORMAL;
    ASSERT_TRUE(Start(""));
    EXPECT_EQ(App.m_nCmdShow, SW_SHOW) << "kept for later uses";
    ASSERT_NE(App.m_pMainWnd, nullptr);
    EXPECT_TRUE(App.m_pMainWnd->IsWindowVisible());
}

TEST_F(StartUpTest, EmbeddedOrAutomatedStartStopsBeforeShowingAnything)
{
    for (const char* flag : { "/Embedding", "-Automation" })
    {
        const int updatesBefore = App.m_server.m_nRegistryUpdates;
        const int documentsBefore = App.GetOpenDocumentCount();
        ASSERT_TRUE(Start(flag)) << flag;
        EXPECT_TRUE(App.RunEmbedded() || App.RunAutomated()) << flag;
        ASSERT_NE(App.m_pMainWnd, nullptr);
        EXPECT_FALSE(App.m_pMainWnd->IsWindowVisible()) << flag;
        EXPECT_NE(Clipboard, nullptr) << flag;
        EXPECT_EQ(App.GetOpenDocumentCount(), documentsBefore) << flag;
        EXPECT_EQ(App.m_server.m_nRegistryUpdates, updatesBefore) << flag << ": the registry is not refreshed";
        EXPECT_TRUE(IsEqualGUID(App.m_server.GetClassID(), clsid));
        App.m_pMainWnd->SendMessage(WM_CLOSE);
        PumpWaitingMessages();
    }
}

TEST_F(StartUpTest, SplashShowsItsBitmapCentredUntilEnded)
{
    CXLogoWnd splash;
    splash.Create(IDB_SPLASH);
    EXPECT_FALSE(splash.IsShowing()) << "nothing before BeginLogo";
    splash.BeginLogo();
    ASSERT_TRUE(splash.IsShowing());
    CRect rect;
    splash.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(360, 200));
    EXPECT_EQ(rect.CenterPoint().x, ::GetSystemMetrics(SM_CXSCREEN) / 2);
    splash.EndLogo();
    EXPECT_FALSE(splash.IsShowing());

    CXLogoWnd missing;
    missing.Create(1);   // no such bitmap
    missing.BeginLogo();
    EXPECT_FALSE(missing.IsShowing());
}

}  // namespace
