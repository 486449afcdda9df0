// CPrintInfo and the view's print loop. The printer comes from the print
// dialog or, for direct printing, from the application's printer settings
// (m_hDevMode, m_hDevNames, the default printer the first time).
#include "print_pages.h"
#include "afxwin.h"
#include "afxdlgs.h"
#include "afxprint.h"

CPrintInfo::CPrintInfo()
{
    m_pPD = new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION);
    // Every page of a document whose length is not known yet.
    SetMinPage(1);
    SetMaxPage(0xFFFF);
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xFFFF;
}

CPrintInfo::~CPrintInfo()
{
    if (m_pPD && m_pPD->m_pd.hDC)
        ::DeleteDC(m_pPD->m_pd.hDC);
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = (WORD)nMinPage; }
void CPrintInfo::SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = (WORD)nMaxPage; }
UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }
UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }

UINT CPrintInfo::GetFromPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nToPage : GetMaxPage();
}

// ---------------------------------------------------------------------------
// CView

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CWinApp* app = AfxGetApp();
    PRINTDLGA& pd = pInfo->m_pPD->m_pd;
    if (pd.nMinPage > pd.nMaxPage)
        pd.nMaxPage = pd.nMinPage;
    // The dialog's range starts as the document's pages, unless the caller
    // asked for a range.
    if (!(pd.Flags & PD_PAGENUMS))
    {
        pd.nFromPage = pd.nMinPage;
        pd.nToPage = pd.nMaxPage;
    }
    if (pd.hDC)
        return TRUE;   // the caller supplied the printer
    if (app && !app->m_hDevNames)
    {
        // The application's printer is the default one until chosen.
        CPrintDialog defaults(FALSE);
        if (defaults.GetDefaults())
        {
            app->m_hDevMode = defaults.m_pd.hDevMode;
            app->m_hDevNames = defaults.m_pd.hDevNames;
        }
    }
    pd.hDevMode = app ? app->m_hDevMode : nullptr;
    pd.hDevNames = app ? app->m_hDevNames : nullptr;
    if (pInfo->m_bDirect || pInfo->m_bPreview)
    {
        if (!pd.hDevNames)
            return FALSE;
    }
    else
    {
        pd.hwndOwner = AfxGetSafeOwnerWindow(nullptr);
        pd.Flags |= PD_RETURNDC;
        if (pInfo->m_pPD->DoModal() != IDOK)
            return FALSE;
        // The choice becomes the application's printer.
        if (app)
        {
            app->m_hDevMode = pd.hDevMode;
            app->m_hDevNames = pd.hDevNames;
        }
    }
    if (!pd.hDC)
        pInfo->m_pPD->CreatePrinterDC();
    if (app)
        pInfo->m_nNumPreviewPages = app->m_nNumPreviewPages ? app->m_nNumPreviewPages : 1;
    return pd.hDC != nullptr;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{
}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*)
{
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* msg = GetCurrentMessage();
    if (msg->message == WM_COMMAND && LOWORD(msg->wParam) == ID_FILE_PRINT_DIRECT)
        printInfo.m_bDirect = TRUE;
    if (!OnPreparePrinting(&printInfo))
        return;
    HDC hdc = printInfo.m_pPD->m_pd.hDC;
    if (!hdc)
        return;

    CString title;
    if (m_pDocument)
        title = m_pDocument->GetTitle();
    if (title.GetLength() > 31)
        title = title.Left(31);
    DOCINFOA docInfo = {};
    docInfo.cbSize = sizeof(docInfo);
    docInfo.lpszDocName = title;

    CDC dcPrint;
    dcPrint.Attach(hdc);
    dcPrint.m_bPrinting = TRUE;
    OnBeginPrinting(&dcPrint, &printInfo);

    BOOL failed = dcPrint.StartDoc(&docInfo) == SP_ERROR;
    if (!failed)
        failed = !PrintPages(&dcPrint, &printInfo, TRUE);
    if (failed)
        ::AbortDoc(hdc);
    else
        dcPrint.EndDoc();
    OnEndPrinting(&dcPrint, &printInfo);
    // The DC goes with printInfo.
    dcPrint.Detach();
}

BOOL CView::PrintPages(CDC* pDC, CPrintInfo* pInfo, BOOL paged)
{
    const CPrintPageOrder order(pInfo->GetFromPage(), pInfo->GetToPage(), pInfo->GetMinPage(), pInfo->GetMaxPage());
    // A view that prints pages again (copies) moves m_nCurPage back; the
    // loop ends after the last page once it is not moved back.
    for (pInfo->m_nCurPage = order.first;; pInfo->m_nCurPage += order.step)
    {
        OnPrepareDC(pDC, pInfo);
        if (!pInfo->m_bContinuePrinting)
            break;
        if (paged)
        {
            if (pDC->StartPage() < 0)
                return FALSE;
            // StartPage resets the DC: prepare it again for drawing.
            OnPrepareDC(pDC, pInfo);
        }
        pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        pDC->DPtoLP(&pInfo->m_rectDraw);
        OnPrint(pDC, pInfo);
        if (paged && pDC->EndPage() < 0)
            return FALSE;
        if (pInfo->m_nCurPage == order.last)
            break;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// CWinApp

void CWinApp::SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld)
{
    if (m_hDevNames != hDevNames)
    {
        if (m_hDevNames && bFreeOld)
            ::GlobalFree(m_hDevNames);
        m_hDevNames = (HGLOBAL)hDevNames;
    }
    if (m_hDevMode != hDevMode)
    {
        if (m_hDevMode && bFreeOld)
            ::GlobalFree(m_hDevMode);
        m_hDevMode = (HGLOBAL)hDevMode;
    }
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dlg(TRUE);
    dlg.m_pd.hwndOwner = AfxGetSafeOwnerWindow(nullptr);
    dlg.m_pd.hDevMode = m_hDevMode;
    dlg.m_pd.hDevNames = m_hDevNames;
    if (dlg.DoModal() == IDOK)
    {
        m_hDevMode = dlg.m_pd.hDevMode;
        m_hDevNames = dlg.m_pd.hDevNames;
    }
}
