// CPrintInfo: the state of one run of a view's print loop (CView::
// OnFilePrint): the print dialog with the chosen printer's DC and page
// range, the page being printed and whether to go on.
#pragma once
#include "afxwin.h"

class CPrintDialog;

struct CPrintInfo
{
    CPrintInfo();
    // Deletes the print dialog and the printer DC it made.
    ~CPrintInfo();

    CPrintDialog* m_pPD;             // the print dialog, made here
    BOOL m_bDirect = FALSE;          // print without asking (application's printer)
    BOOL m_bPreview = FALSE;
    BOOL m_bContinuePrinting = TRUE; // OnPrepareDC clears it after the last page
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CString m_strPageDesc;
    LPVOID m_lpUserData = nullptr;
    CRect m_rectDraw;                // the page's printable area, logical units

    // The document's pages (0xFFFF as last: unknown).
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The pages the user asked for.
    UINT GetFromPage() const;
    UINT GetToPage() const;
};
