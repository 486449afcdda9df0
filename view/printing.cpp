// Printing commands and the print job around the pages: the default
// printer test, the printer set up from the document's first page set-up,
// copies and collation, and the change bracket that keeps the views still
// while the pages are merged.
#include "view/CWView.h"
#include "view/printing.h"
#include "view/header_footer_bar.h"
#include "document/CWDocument.h"
#include "model/GPageInfo.h"
#include "afxdlgs.h"
#include "afxprint.h"
#include <algorithm>

int nNumCopies = 1;
int nCurCopy = 1;
int bCollate = 0;

namespace {

const BYTE kUserPaperCode = 255;

// Asks the page set-up dialog for the default printer without showing it.
bool HaveDefaultPrinter()
{
    CPageSetupDialog probe(PSD_MARGINS);
    probe.m_psd.Flags |= PSD_RETURNDEFAULT;
    return probe.DoModal() == IDOK && ::CommDlgExtendedError() == 0;
}

// The main window is the frame of an in-place session, which has no
// header-and-footer toolbar of its own.
bool InPlaceMainWindow()
{
    CWnd* main = AfxGetMainWnd();
    return main && main->IsFrameWnd() && !main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd));
}

void SetUpPaper(DEVMODEA& mode, const GPageInfo& setup)
{
    mode.dmFields |= DM_ORIENTATION | DM_PAPERSIZE;
    mode.dmOrientation = setup.portrait ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE;
    mode.dmPaperSize = setup.paperType;
    if (setup.paperType != kUserPaperCode)
        return;
    // The printer takes a sheet's size upright; the page set-up holds it
    // as the page lies.
    mode.dmPaperSize = DMPAPER_USER;
    mode.dmFields |= DM_PAPERLENGTH | DM_PAPERWIDTH;
    mode.dmPaperLength = (short)(setup.portrait ? setup.paperHeight : setup.paperWidth);
    mode.dmPaperWidth = (short)(setup.portrait ? setup.paperWidth : setup.paperHeight);
}

} // namespace

void CWView::OnFilePrint()
{
    if (HaveDefaultPrinter())
        CScrollView::OnFilePrint();
}

void CWView::OnFilePrintPreview()
{
    if (HaveDefaultPrinter())
        CScrollView::OnFilePrintPreview();
}

BOOL CWView::OnPreparePrinting(CPrintInfo* info)
{
    PRINTDLGA& pd = info->m_pPD->m_pd;
    if (GDoc* body = m_pDoc ? m_pDoc->GetFlow(kBodyFlow) : NULL)
        m_nPages = body->m_pages.count - 1;
    info->SetMaxPage((UINT)std::max(1L, (long)m_nPages));
    pd.Flags &= ~PD_USEDEVMODECOPIESANDCOLLATE;
    CWinApp* app = AfxGetApp();
    if (app && app->m_hDevMode)
        app->SelectPrinter(app->m_hDevNames, app->m_hDevMode, FALSE);

    info->m_bDirect = FALSE;
    const BOOL prepared = DoPreparePrinting(info);
    if (!prepared)
        return FALSE;

    nCurCopy = 1;
    nNumCopies = 1;
    bCollate = 0;
    if (DEVMODEA* mode = info->m_pPD->GetDevMode())
    {
        if (!info->m_bPreview)
        {
            if (mode->dmCollate == 0 && (pd.Flags & PD_COLLATE))
                bCollate = 1;
            if (bCollate || mode->dmCopies == 1)
            {
                nNumCopies = std::max<int>(1, pd.nCopies);
                mode->dmCopies = 1;
            }
        }
        SetUpPaper(*mode, CWDocument::PageSetupOf(m_pDoc));
        ::GlobalUnlock(pd.hDevMode);
    }
    info->m_pPD->CreatePrinterDC();
    return prepared;
}

void CWView::OnBeginPrinting(CDC* dc, CPrintInfo* info)
{
    if (m_pDoc)
        m_pDoc->ViewNotify(0);
    CScrollView::OnBeginPrinting(dc, info);
    if (!InPlaceMainWindow() && m_pDoc && IsHeaderFooterPart(CurPart()))
        ShowHeaderFooterBar(false);
}

void CWView::OnEndPrinting(CDC* dc, CPrintInfo* info)
{
    CScrollView::OnEndPrinting(dc, info);
    m_bPageMode = TRUE;
    if (!InPlaceMainWindow() && m_pDoc && IsHeaderFooterPart(CurPart()))
        ShowHeaderFooterBar(m_bHFBarShown != 0);
    if (m_pDoc)
        m_pDoc->ViewNotify(1);
}
