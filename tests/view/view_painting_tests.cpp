// The view on screen: a document shown through the main frame and a
// document template, checked pixel by pixel and kept as a screenshot; the
// status panes after SetCaret; a 200-page document scrolled through the bar
// with the page counter; and the partial repaint of a GRedraw hint against
// a full repaint.
#include "tests/view/view_window.h"
#include "tests/support/screenshot.h"
#include "tests/support/dib_canvas.h"
#include "app/CWApp.h"
#include "app/CWMainFrame.h"
#include "resources/resource.h"
#include "view/page_counter.h"
#include <commctrl.h>
#include <vector>

namespace {

// What the window shows now, client pixels.
class Capture
{
public:
    explicit Capture(CWnd* wnd) : canvas(ClientSize(wnd).cx, ClientSize(wnd).cy)
    {
        width = canvas.Width();
        height = canvas.Height();
        HDC from = ::GetDC(wnd->m_hWnd);
        ::BitBlt(canvas.dc.m_hDC, 0, 0, width, height, from, 0, 0, SRCCOPY);
        ::ReleaseDC(wnd->m_hWnd, from);
        pixels = canvas.Snapshot();
    }
    COLORREF At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return CLR_INVALID;
        return canvas.Pixel(x, y);
    }
    bool Has(const CRect& r, COLORREF colour) const
    {
        CRect inside;
        inside.IntersectRect(&r, CRect(0, 0, width, height));
        return canvas.Count(inside, colour) > 0;
    }
    bool HasDark(const CRect& r) const
    {
        CRect inside;
        inside.IntersectRect(&r, CRect(0, 0, width, height));
        return canvas.Count(inside, [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 160; })
               > 0;
    }
    static CSize ClientSize(CWnd* wnd)
    {
        CRect client;
        wnd->GetClientRect(&client);
        return client.Size();
    }
    DibCanvas canvas;
    int width = 0, height = 0;
    std::vector<DWORD> pixels;
};

// Repaints the whole view now, without the blinking caret in the picture.
void PaintNow(CWView* view)
{
    view->InvalidateView();
    view->UpdateWindow();
    view->HideCaret();
}

// Repaints what the hint names onto the window, then the whole view, and
// compares the two pictures.
bool PartialMatchesFull(CWView* view, GRedraw& hint)
{
    view->OnUpdate(NULL, 0, &hint);
    view->ValidateRect(NULL);
    view->HideCaret();
    Capture partial(view);
    PaintNow(view);
    Capture full(view);
    return partial.pixels == full.pixels;
}

std::string PaneText(CStatusBar& bar, UINT id)
{
    char text[256] = "";
    ::SendMessageA(bar.m_hWnd, SB_GETTEXTA, bar.CommandToIndex(id), (LPARAM)text);
    return text;
}

class ShownDocument : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveDisplay())
            GTEST_SKIP() << "no X display";
        savedMode = Options.ZoomMode;
        savedPercent = Options.Percent;
        Options.ZoomMode = 4;
        Options.Percent = 100;
        frame = new CWMainFrame;
        App.m_pMainWnd = frame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        frame->SetWindowPos(nullptr, 0, 0, 1000, 900, SWP_NOZORDER);
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        docTemplate = new CMultiDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd),
                                            RUNTIME_CLASS(CWView));
        doc = (CWDocument*)docTemplate->CreateNewDocument();
        ASSERT_NE(doc, nullptr);
        doc->m_bUndoEnabled = FALSE;
    }

    // The child frame with its view, maximised in the main frame.
    void Show()
    {
        child = docTemplate->CreateNewFrame(doc, NULL);
        ASSERT_NE(child, nullptr);
        docTemplate->InitialUpdateFrame(child, doc, TRUE);
        ((CMDIChildWnd*)child)->MDIMaximize();
        PumpMessages();
        view = (CWView*)child->GetActiveView();
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(view->IsKindOf(RUNTIME_CLASS(CWView)));
        view->m_nZoomMode = 4;
        view->m_nZoomPercent = 100;
        view->ZoomPage(1);
        PumpMessages();
    }

    void TearDown() override
    {
        if (frame && ::IsWindow(frame->m_hWnd))
            frame->DestroyWindow();   // the child, the view and, with its last view, the document go
        App.m_pMainWnd = nullptr;
        delete docTemplate;
        Options.ZoomMode = savedMode;
        Options.Percent = savedPercent;
        PumpMessages();
    }

    void Type(GDoc* flow, long pos, const std::string& text) { TypeInto(doc, flow, pos, text); }
    CPoint At(long x, long y, long page = 0) { return ClientPointOf(view, x, y, page); }

    CWMainFrame* frame = nullptr;
    CMultiDocTemplate* docTemplate = nullptr;
    CWDocument* doc = nullptr;
    CFrameWnd* child = nullptr;
    CWView* view = nullptr;
    short savedMode = 4, savedPercent = 100;
};

TEST_F(ShownDocument, PagesShadowWorkspaceTextAndColumnLine)
{
    GDoc* body = doc->GetFlow(kBodyFlow);
    Type(body, 0, "First row of the body\rColumns left and right of a line between them\rThird\r\fSecond page\r\fThird page");
    tagColumnData data[kMostTextColumns] = {{780, 32}, {780, 0}};
    {
        CChangeBracket bracket(doc);
        body->SetColumns(body->GetParaChar(1), body->GetParaChar(2) - 1, 2, data, 0);
    }
    GDoc* header = doc->GetFlow(doc->GetPageHeader(0));
    Type(header, 0, "Header text");
    GDoc* boxText = new GDoc(doc, doc->m_flows.GetCount());
    doc->m_flows.Add(boxText);
    CFrame* box = new CFrame(doc, body, boxText, 1200, 1500, 600, 300, 0, 0, kHFromPage, kVPageTop, kSizeFixedHeight,
                             kSizeFixedWidth, 20, 20, 1);
    body->m_frames.Add(box);
    boxText->m_pFirstFrame = box;
    box->MakeArea(0);
    Type(boxText, 0, "Frame text");
    ASSERT_EQ(body->m_pages.count - 1, 3);
    Show();
    ASSERT_EQ(view->m_nPages, 3);
    PaintNow(view);
    Capture shot(view);
    std::string path = ScreenshotPath("ztwrite_view.bmp");
    EXPECT_TRUE(SaveScreenshot(frame, path.c_str())) << path;
    const COLORREF page = Options.Colors[CWOptions::kColorPage];
    const COLORREF workspace = Options.Colors[CWOptions::kColorWorkspace];
    const CPoint topLeft = At(0, 0);
    ASSERT_GT(topLeft.x, 1);
    EXPECT_TRUE(shot.Has(CRect(topLeft.x - 2, topLeft.y + 40, topLeft.x, topLeft.y + 41), RGB(0, 0, 0)))
        << "the page's outline";
    EXPECT_EQ(shot.At(topLeft.x + 5, topLeft.y + 5), page);
    EXPECT_EQ(shot.At(topLeft.x - 3, topLeft.y + 40), workspace) << "left of the page";
    const CPoint shadow = At(view->m_nPageWidth + 4, 100);
    EXPECT_EQ(shot.At(shadow.x, shadow.y), RGB(0, 0, 0)) << "the shadow right of the page";
    const CPoint shadowTop = At(view->m_nPageWidth + 4, 3);
    EXPECT_EQ(shot.At(shadowTop.x, shadowTop.y), workspace) << "the shadow begins 8 units down";
    const GPageInfo& setup = doc->m_pageInfos[0];
    const long rowHeight = body->m_rows[1].y - body->m_rows[0].y;
    const CPoint rowTop = At(setup.textLeft, setup.textTop), rowEnd = At(setup.textLeft + 800, setup.textTop + rowHeight);
    EXPECT_TRUE(shot.HasDark(CRect(rowTop, rowEnd))) << "text in the first row";
    const long block = body->GetCharColumn(body->GetParaChar(1));
    const long blockTop = body->m_columns[block].position - body->m_columns[0].position;
    const long lineX = setup.textLeft + 780 + 16;
    const CPoint lineTop = At(lineX - 8, setup.textTop + blockTop + 5);
    const CPoint lineBottom = At(lineX + 8, setup.textTop + blockTop + 40);
    EXPECT_TRUE(shot.Has(CRect(lineTop, lineBottom), Options.Colors[CWOptions::kColorColumns]))
        << "the line between the columns";
    const CPoint boxTop = At(1200 + 20, 1500 + 20), boxEnd = At(1800, 1800);
    EXPECT_TRUE(shot.HasDark(CRect(boxTop, boxEnd))) << "the text frame's text";

    // Scrolled into the first row: the rows below it still show.
    view->ScrollToPosition(CPoint(0, (int)view->Pixels(30 + setup.textTop + rowHeight / 2, 0)));
    PaintNow(view);
    Capture cut(view);
    const CPoint secondTop = At(setup.textLeft, setup.textTop + rowHeight);
    const CPoint secondEnd = At(setup.textLeft + 700, setup.textTop + 2 * rowHeight);
    ASSERT_GE(secondTop.y, 0);
    EXPECT_TRUE(cut.HasDark(CRect(secondTop, secondEnd))) << "the second row under a scrolled-off first";

    // The foot of the first page and the gap below it.
    view->ScrollToPosition(CPoint(0, (int)view->Pixels(2000, 0)));
    PaintNow(view);
    Capture foot(view);
    const CPoint below = At(1000, view->m_nPageHeight + 4);
    EXPECT_EQ(foot.At(below.x, below.y), RGB(0, 0, 0)) << "the shadow below the page";
    const CPoint gap = At(1000, view->m_nPageHeight + view->m_nPageGap - 8);
    EXPECT_EQ(foot.At(gap.x, gap.y), workspace) << "between the pages";
    const CPoint bottomRight = At(view->m_nPageWidth, view->m_nPageHeight);
    EXPECT_EQ(foot.At(bottomRight.x - 3, bottomRight.y - 3), page);
    const CPoint belowLeft = At(4, view->m_nPageHeight + 4);
    EXPECT_EQ(foot.At(belowLeft.x, belowLeft.y), workspace) << "the shadow begins 8 units right";
    const CPoint nextPage = At(500, 100, 1);
    EXPECT_EQ(foot.At(nextPage.x, nextPage.y), page) << "the second page";
    view->ScrollToPosition(CPoint(0, 0));

    doc->SetModifiedFlag(TRUE);
    body->SetPos(3);
    view->SetCaret(1);
    CStatusBar& bar = frame->GetStatusBarObject();
    EXPECT_EQ(PaneText(bar, ID_INDICATOR_PAGE), "Page: 1/3");
    const long rows = body->GetPageRow(1) - body->GetPageRow(0);
    EXPECT_EQ(PaneText(bar, ID_INDICATOR_LINE), "Line: 1/" + std::to_string(rows));
    const long length = body->GetRowChar(1) - body->GetRowChar(0);
    EXPECT_EQ(PaneText(bar, ID_INDICATOR_POS), "Pos: 4/" + std::to_string(length));
    EXPECT_EQ(PaneText(bar, ID_INDICATOR_MODIFIED), "Modified");
    doc->SetModifiedFlag(FALSE);
    view->SetCaret(0);
    EXPECT_EQ(PaneText(bar, ID_INDICATOR_MODIFIED), "Saved");

    // While a change bracket is open the panes wait for its close.
    doc->ViewNotify(0);
    body->SetPos(1);
    view->SetCaret(1);
    EXPECT_EQ(PaneText(bar, ID_INDICATOR_POS), "Pos: 4/" + std::to_string(length));
    doc->ViewNotify(1);
    // With a selection the caret hides but the panes still follow.
    body->Select(0, 5);
    view->SetCaret(1);
    EXPECT_EQ(PaneText(bar, ID_INDICATOR_POS), "Pos: 2/" + std::to_string(length));
    body->UnSelect();
}

TEST_F(ShownDocument, SelectingMarksABlankSelectionOnTheCurrentView)
{
    GDoc* body = doc->GetFlow(kBodyFlow);
    Type(body, 0, "ab   cd\rnext");
    Show();
    ASSERT_EQ(GetCustomFrameData()->GetCurrentView(), view);
    const struct
    {
        long from, to;
        BOOL blank;
    } cases[] = {
        {0, 2, FALSE},   // letters
        {2, 5, FALSE},   // blanks show in a left-aligned paragraph
        {7, 8, TRUE},    // the paragraph mark alone
        {5, 9, FALSE},   // over two rows
    };
    for (const auto& c : cases)
    {
        view->m_bBlankSelection = !c.blank;
        body->Select(c.from, c.to);
        EXPECT_EQ(view->m_bBlankSelection, c.blank) << c.from << ".." << c.to;
        body->UnSelect();
    }
}

TEST_F(ShownDocument, TheThumbAtTheBottomShowsTheLastPageAndTheCounterFollowsTheDrag)
{
    GDoc* body = doc->GetFlow(kBodyFlow);
    std::string text;
    for (int p = 1; p < 200; ++p)
        text += "Page " + std::to_string(p) + "\r\f";
    text += "Last page";
    Type(body, 0, text);
    Show();
    ASSERT_EQ(view->m_nPages, 200);
    const int limit = view->GetScrollLimit(SB_VERT);
    ASSERT_GT(limit, 0);
    ASSERT_LE(limit, 32767);
    CRect client;
    view->GetClientRect(&client);
    view->ClientToScreen(&client);
    const CPoint mouse(client.right - 5, client.top + 300);
    ::SetCursorPos(mouse.x, mouse.y);
    view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, limit / 2), 0);
    CScrollViewPageCounter* counter = view->m_pPageCounter;
    ASSERT_NE(counter, nullptr);
    EXPECT_TRUE(counter->IsWindowVisible());
    const long middlePage = view->PageNearestMiddle() + 1;
    EXPECT_NEAR(middlePage, 100, 2);
    EXPECT_EQ(std::string((LPCSTR)counter->Text()), "Page " + std::to_string(middlePage));
    CRect shown;
    counter->GetWindowRect(&shown);
    EXPECT_EQ(shown.top, mouse.y - 10) << "10 pixels above the mouse";
    EXPECT_EQ(shown.right, client.right - 50);
    ::SetCursorPos(mouse.x, mouse.y + 100);
    view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, limit), 0);
    EXPECT_EQ(std::string((LPCSTR)counter->Text()), "Page 200") << "the thumb at the bottom";
    counter->GetWindowRect(&shown);
    EXPECT_EQ(shown.top, mouse.y - 10) << "the counter keeps the height where the drag began";
    EXPECT_TRUE(view->IsPageVisible(199));
    view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    EXPECT_FALSE(counter->IsWindowVisible());
    EXPECT_EQ(CScrollViewPageCounter::s_bFirstCallDuringScrolling, 1);

    view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    EXPECT_EQ(view->m_yPos, 0);
    EXPECT_EQ(view->GetScrollPos(SB_VERT), 0);
    view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    EXPECT_TRUE(view->IsPageVisible(199));
    EXPECT_NEAR(view->GetScrollPos(SB_VERT), limit, 1);
    PaintNow(view);
    Capture shot(view);
    const COLORREF page = Options.Colors[CWOptions::kColorPage];
    const CPoint last = At(200, view->m_nPageHeight - 200, 199);
    ASSERT_GE(last.y, 0);
    ASSERT_LT(last.y, shot.height);
    EXPECT_EQ(shot.At(last.x, last.y), page) << "the last page is painted";
}

TEST_F(ShownDocument, AHintRepaintsTheSamePixelsAsAFullRepaint)
{
    GDoc* body = doc->GetFlow(kBodyFlow);
    Type(body, 0, "The first paragraph of text\rA second one\rAnd a third");
    Show();
    body->SetPos(2);
    body->Select(2, 5);
    PaintNow(view);

    // A selection that keeps its start and grows at its end.
    doc->ViewNotify(0);
    body->Select(2, 12);
    GRedraw hint;
    hint.m_nIndex = 0;
    hint.m_pDoc = body;
    hint.m_nFirstRow = hint.m_nEndRow = 0;
    hint.m_nOldSelFirst = 2;
    hint.m_nOldSelEnd = 5;
    hint.m_nSelFirst = 2;
    hint.m_nSelEnd = 12;
    EXPECT_TRUE(PartialMatchesFull(view, hint)) << "selections sharing a start";

    // A dirty row.
    body->UnSelect();
    body->SetPos(4);
    {
        std::string more = "XYZ";
        body->InsertText(4, &more[0], 1);
    }
    hint.m_nFirstRow = 0;
    hint.m_nEndRow = 1;
    hint.m_nOldSelFirst = hint.m_nOldSelEnd = hint.m_nSelFirst = hint.m_nSelEnd = 7;
    EXPECT_TRUE(PartialMatchesFull(view, hint)) << "dirty rows";
    doc->m_bViewsInvalidated = TRUE;
    doc->ViewNotify(1);
}

} // namespace
