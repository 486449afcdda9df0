// A view in a hidden window on a document made as the template makes one
// (seven flows, page frames), for the view's geometry, caret, hit-test and
// painting tests; used by tests/view.
#pragma once
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GPageInfo.h"
#include "view/CWView.h"
#include <string>

inline bool HaveDisplay()
{
    const char* display = getenv("DISPLAY");
    return display && *display;
}

inline void PumpMessages()
{
    MSG msg;
    for (int round = 0; round < 3; round++)
    {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
}

// Inserts text into a flow of doc inside one change bracket.
inline void TypeInto(CWDocument* doc, GDoc* flow, long pos, const std::string& text)
{
    CChangeBracket bracket(doc);
    std::string buffer(text);
    flow->InsertText(pos, &buffer[0], 1);
}

// The client point of a point of a page: x from the pages' left edge, y
// from the top of page.
inline CPoint ClientPointOf(CWView* view, long x, long y, long page)
{
    y += view->CalcPageToY(page);
    view->PageToScreen(x, y);
    return CPoint((int)x, (int)y);
}

class ViewWindowFixture : public ::testing::Test
{
protected:
    static const int kClientWidth = 800;
    static const int kClientHeight = 600;

    void SetUp() override
    {
        if (!HaveDisplay())
            GTEST_SKIP() << "no X display";
        savedMode = Options.ZoomMode;
        savedPercent = Options.Percent;
        savedSmart = Options.SmartCutPaste;
        Options.ZoomMode = 4;
        Options.Percent = 100;
        doc = (CWDocument*)RUNTIME_CLASS(CWDocument)->CreateObject();
        doc->m_bUndoEnabled = FALSE;
        doc->m_bAutoDelete = FALSE;   // the fixture deletes it after the view
        body = doc->GetFlow(kBodyFlow);
    }

    // Makes the view's window (hidden unless shown) of the given client size.
    void MakeView(int width = kClientWidth, int height = kClientHeight, bool visible = false)
    {
        parent = new CWnd;
        parent->CreateEx(0, AfxWndClassName(), "view test", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, width + 40,
                         height + 40, NULL, NULL);
        CCreateContext context;
        context.m_pCurrentDoc = doc;
        view = new CWView;
        view->Create(NULL, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, width, height), parent,
                     AFX_IDW_PANE_FIRST, &context);
        // The client area without scroll bars: the view's geometry then
        // does not depend on which bars show.
        view->ShowScrollBar(SB_BOTH, FALSE);
        view->SetWindowPos(NULL, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        view->OnInitialUpdate();
    }

    void TearDown() override
    {
        if (parent)
        {
            parent->DestroyWindow();   // the view deletes itself with its window
            delete parent;
        }
        view = NULL;
        if (doc)
        {
            doc->m_bUndoEnabled = FALSE;
            delete doc;
        }
        Options.ZoomMode = savedMode;
        Options.Percent = savedPercent;
        Options.SmartCutPaste = savedSmart;
        PumpMessages();
    }

    void Type(GDoc* flow, long pos, const std::string& text) { TypeInto(doc, flow, pos, text); }

    // Body text that fills pages: each page ends with a page break.
    void MakePages(int pages)
    {
        std::string text;
        for (int p = 1; p < pages; ++p)
            text += "Page text " + std::to_string(p) + "\r\f";
        text += "Last page";
        Type(body, 0, text);
    }

    void SetZoom(int mode, int percent)
    {
        view->m_nZoomMode = (short)mode;
        view->m_nZoomPercent = (short)percent;
        view->ZoomPage(0);
    }

    CPoint At(long x, long y, long page = 0) { return ClientPointOf(view, x, y, page); }

    CWDocument* doc = NULL;
    GDoc* body = NULL;
    CWnd* parent = NULL;
    CWView* view = NULL;
    short savedMode = 4, savedPercent = 100;
    BOOL savedSmart = FALSE;
};
