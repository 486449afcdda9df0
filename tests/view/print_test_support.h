// A printer of the tests' own: a memory context on a 32-bit DIB, marked as
// printing, that a print info takes as its printer; and a view that notes
// every page it prints. Used by the printing and print preview tests.
#pragma once
#include "tests/view/view_window.h"
#include "tests/support/dib_canvas.h"
#include "afxdlgs.h"
#include "afxprint.h"
#include <vector>

// A page of A4 at 96 dpi. The context goes to the print info, which
// deletes it; the pixels stay readable here.
class TestPrinter : public DibCanvas
{
public:
    TestPrinter() : DibCanvas(800, 1130) {}
    void GiveTo(CPrintInfo& info) { info.m_pPD->m_pd.hDC = dc.Detach(); }
    CRect Ink() const { return DibCanvas::Ink(RGB(255, 255, 255)); }
};

// A device mode as a driver answers it: dmCollate 1 for a driver that
// collates, the copies it is to make.
inline HGLOBAL MakeDevMode(short collate, short copies)
{
    HGLOBAL handle = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
    DEVMODEA* mode = (DEVMODEA*)::GlobalLock(handle);
    mode->dmSize = sizeof(DEVMODEA);
    mode->dmFields = DM_COPIES | DM_COLLATE;
    mode->dmCollate = collate;
    mode->dmCopies = copies;
    ::GlobalUnlock(handle);
    return handle;
}

class RecordingView : public CWView
{
public:
    void OnPrint(CDC* dc, CPrintInfo* info) override
    {
        printed.push_back(info->m_nCurPage);
        CWView::OnPrint(dc, info);
    }
    std::vector<UINT> printed;
};

// A view without a window on the fixture's document, printing to a
// TestPrinter.
class PrintFixture : public ViewWindowFixture
{
protected:
    void SetUp() override
    {
        ViewWindowFixture::SetUp();
        if (IsSkipped())
            return;
        printView.m_pDoc = doc;
    }
    void TearDown() override
    {
        printView.m_pDoc = NULL;   // the fixture deletes the document first
        ViewWindowFixture::TearDown();
    }

    // A printing context on info's printer for the steps of the loop.
    struct PrinterDC : CDC
    {
        explicit PrinterDC(CPrintInfo& info)
        {
            Attach(info.m_pPD->m_pd.hDC);
            m_bPrinting = TRUE;
        }
        ~PrinterDC() { Detach(); }
    };

    // The whole job as the class library's print loop runs it, without
    // starting pages on a device that has none.
    void RunJob(CPrintInfo& info)
    {
        ASSERT_TRUE(printView.OnPreparePrinting(&info));
        PrinterDC dc(info);
        printView.OnBeginPrinting(&dc, &info);
        printView.PrintPages(&dc, &info, FALSE);
        printView.OnEndPrinting(&dc, &info);
    }

    RecordingView printView;
};
