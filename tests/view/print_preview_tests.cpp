// The print preview on a printer of the test's own: it shows the first two
// pages as printing draws them, moves by two pages and closes, leaving the
// document's change bracket closed. A screenshot is kept in the build tree.
#include "tests/view/print_test_support.h"
#include "tests/support/screenshot.h"
#include "tests/support/dib_canvas.h"
#include "afxpreview.h"

namespace {

class PrintPreview : public PrintFixture
{
protected:
    // The pixels of the paper's colour inside the rectangle of the window,
    // and the others.
    static int Paper(CWnd* wnd, const CRect& r, bool paper = true)
    {
        CClientDC dc(wnd);
        DibCanvas copy(r.Width(), r.Height());
        copy.dc.BitBlt(0, 0, r.Width(), r.Height(), &dc, r.left, r.top, SRCCOPY);
        const int white = copy.Count(copy.Whole(), RGB(255, 255, 255));
        return paper ? white : r.Width() * r.Height() - white;
    }
    static int Ink(CWnd* wnd, const CRect& r) { return Paper(wnd, r, false); }
};

TEST_F(PrintPreview, ShowsTheFirstTwoPagesThenTheNextAndCloses)
{
    MakePages(3);
    TestPrinter printer;
    CPrintInfo* info = new CPrintInfo;
    info->m_bPreview = TRUE;
    printer.GiveTo(*info);
    ASSERT_TRUE(printView.OnPreparePrinting(info));
    CPrintPreviewWnd* preview = new CPrintPreviewWnd(&printView, info);
    ASSERT_TRUE(preview->Create(NULL));
    preview->SetWindowPos(&CWnd::wndTop, 0, 0, 900, 700, SWP_SHOWWINDOW);
    PumpMessages();
    preview->UpdateWindow();
    EXPECT_EQ(doc->m_nViewNotify, 1);   // printing's bracket is open while it shows
    EXPECT_EQ(preview->GetFirstPage(), 1u);
    for (int i = 0; i < CPrintPreviewWnd::kPagesShown; ++i)
        EXPECT_GT(Ink(preview, preview->PageRect(i)), 0) << "page " << i + 1;
    std::string shot = ScreenshotPath("ztwrite_print_preview.bmp");
    EXPECT_TRUE(SaveScreenshot(preview, shot.c_str())) << shot;

    preview->SendMessage(WM_COMMAND, CPrintPreviewWnd::kIdNext, 0);
    PumpMessages();
    preview->UpdateWindow();
    EXPECT_EQ(preview->GetFirstPage(), 3u);
    EXPECT_GT(Ink(preview, preview->PageRect(0)), 0);
    EXPECT_EQ(Paper(preview, preview->PageRect(1)), 0);   // there is no page 4
    preview->SendMessage(WM_COMMAND, CPrintPreviewWnd::kIdPrevious, 0);
    EXPECT_EQ(preview->GetFirstPage(), 1u);

    preview->SendMessage(WM_COMMAND, CPrintPreviewWnd::kIdClose, 0);   // frees it and the print info
    PumpMessages();
    EXPECT_EQ(doc->m_nViewNotify, 0);
}

} // namespace
