// What the tests that need the application's main frame share: the one
// document template (made on first use) and a main frame of the test's own
// on the X display, closed with its documents after each test. Without a
// display the tests skip.
#pragma once
#include "tests/support/zt_gtest.h"
#include "tests/support/window_test_support.h"
#include "app/CWApp.h"
#include "app/CWMainFrame.h"
#include "app/CWMultiDocTemplate.h"
#include "resources/resource.h"

inline CWMultiDocTemplate* ApplicationTemplate()
{
    POSITION pos = App.GetFirstDocTemplatePosition();
    if (pos)
        return (CWMultiDocTemplate*)App.GetNextDocTemplate(pos);
    return App.CreateDocumentTemplate();
}

class FrameWindowTest : public testing::Test
{
protected:
    CWMainFrame* frame = nullptr;

    // Skips without a display; the profile goes under the tests' key.
    void OpenFrame(const char* profileName)
    {
        if (!HaveXDisplay())
            GTEST_SKIP() << "no X display";
        App.SetRegistryKey("ztwrite tests");
        App.m_pszProfileName = profileName;
        frame = new CWMainFrame;
        App.m_pMainWnd = frame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        frame->SetWindowPos(nullptr, 20, 20, 900, 640, SWP_NOZORDER | SWP_NOACTIVATE);
        frame->ShowWindow(SW_SHOW);
        PumpWaitingMessages();
    }

    void TearDown() override
    {
        if (frame && ::IsWindow(frame->m_hWnd))
        {
            App.CloseAllDocuments(FALSE);
            frame->DestroyWindow();
        }
        App.m_pMainWnd = nullptr;
        PumpWaitingMessages();
    }
};
