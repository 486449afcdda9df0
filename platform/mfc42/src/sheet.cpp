// CPropertySheet and CPropertyPage over the system's property sheet. The
// sheet is made modeless with the creation hook binding this object to it
// and runs in the layer's modal loop, so PreTranslateMessage sees its
// input; it has ended when the system leaves it without a current page.
// The system creates a page's window when the page is first shown and
// tells only created pages about OK and Cancel.
#include "afxwin.h"
#include "afxsheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// The module holding a page's template: the resource module, else the
// program itself.
static HINSTANCE TemplateModule(LPCSTR lpszTemplateName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (lpszTemplateName && !::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG))
        hInst = ::GetModuleHandleA(nullptr);
    return hInst;
}

// ---------------------------------------------------------------------------
// CPropertyPage

CPropertyPage::CPropertyPage()
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
{
    Construct(nIDTemplate, nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption)
{
    Construct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    Construct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCSTR lpszTemplateName, UINT nIDCaption)
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxPageDlgProc;
    m_psp.lParam = (LPARAM)this;
    if (nIDCaption && m_strCaption.LoadString(nIDCaption))
    {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
    m_bFirstSetActive = TRUE;
}

CPropertyPage::~CPropertyPage()
{
}

INT_PTR CALLBACK AfxPageDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    const PROPSHEETPAGEA* psp = (const PROPSHEETPAGEA*)lParam;
    CPropertyPage* pPage = psp ? (CPropertyPage*)psp->lParam : nullptr;
    if (!pPage)
        return TRUE;
    if (!pPage->m_hWnd)
        pPage->SubclassWindow(hWnd);
    try
    {
        return pPage->OnInitDialog();
    }
    catch (CException* e)
    {
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
    }
    catch (...)
    {
        TRACE("mfc42: an exception that is not a CException left a page's OnInitDialog\n");
    }
    return TRUE;
}

CPropertySheet* CPropertyPage::GetSheet() const
{
    CWnd* pParent = GetParent();
    return pParent && pParent->IsKindOf(RUNTIME_CLASS(CPropertySheet)) ? (CPropertySheet*)pParent : nullptr;
}

void CPropertyPage::CancelToClose()
{
    ::SendMessageA(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    ::SendMessageA(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

BOOL CPropertyPage::OnSetActive()
{
    // The first time, OnInitDialog has just loaded the controls.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    LRESULT result = 0;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;   // TRUE keeps the page
        break;
    case PSN_APPLY:
        result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        result = OnQueryCancel() ? FALSE : TRUE;
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // A dialog's answer to a notification also lives in DWLP_MSGRESULT.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    *pResult = result;
    return TRUE;
}

// ---------------------------------------------------------------------------
// CPropertySheet

CPropertySheet::CPropertySheet()
{
    Construct((LPCSTR)nullptr);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct((LPCSTR)nullptr, pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.nStartPage = iSelectPage;
    m_strCaption = pszCaption;
    m_pParentWnd = pParentWnd;
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd)
        DestroyWindow();
    delete[] m_pPageArray;
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.Add(pPage);
    if (!m_hWnd)
        return;
    PROPSHEETPAGEA psp = pPage->m_psp;
    psp.hInstance = TemplateModule(psp.pszTemplate);
    psp.pfnDlgProc = AfxPageDlgProc;
    psp.lParam = (LPARAM)pPage;
    pPage->m_bFirstSetActive = TRUE;
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&psp);
    if (hPage)
        ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)hPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (m_hWnd)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, nPage, 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageCount() const
{
    return (int)m_pages.GetSize();
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? (CPropertyPage*)m_pages.GetAt(nPage) : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); i++)
        if (GetPage(i) == pPage)
            return i;
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return (int)m_psh.nStartPage;
    HWND hPage = (HWND)::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    for (int i = 0; i < GetPageCount(); i++)
        if (hPage && GetPage(i)->m_hWnd == hPage)
            return i;
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (!m_hWnd)
    {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    return nPage >= 0 && SetActivePage(nPage);
}

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, (LPARAM)lpszText);
}

CWnd* CPropertySheet::GetTabControl() const
{
    return CWnd::FromHandle((HWND)::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
}

void CPropertySheet::PressButton(int nButton)
{
    ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, nButton, 0);
}

void CPropertySheet::BuildPropPageArray()
{
    delete[] m_pPageArray;
    int n = GetPageCount();
    m_pPageArray = new PROPSHEETPAGEA[n > 0 ? n : 1];
    for (int i = 0; i < n; i++)
    {
        CPropertyPage* pPage = GetPage(i);
        PROPSHEETPAGEA& psp = m_pPageArray[i];
        psp = pPage->m_psp;
        psp.hInstance = TemplateModule(psp.pszTemplate);
        psp.pfnDlgProc = AfxPageDlgProc;
        psp.lParam = (LPARAM)pPage;
        pPage->m_bFirstSetActive = TRUE;
    }
    m_psh.dwFlags |= PSH_PROPSHEETPAGE;
    m_psh.nPages = (UINT)n;
    m_psh.ppsp = m_pPageArray;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    if (m_psh.nStartPage >= (UINT)n)
        m_psh.nStartPage = 0;
}

HWND CPropertySheet::CreateSheetWindow(HWND hWndParent)
{
    BuildPropPageArray();
    m_psh.hwndParent = hWndParent;
    m_psh.dwFlags |= PSH_MODELESS;
    AfxHookWindowCreate(this);
    INT_PTR result = ::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    HWND hWnd = (HWND)result;
    if (result <= 0 || !::IsWindow(hWnd))
    {
        if (m_hWnd)
            Detach();
        return nullptr;
    }
    return hWnd;
}

INT_PTR CPropertySheet::DoModal()
{
    HWND hWndOwner = AfxGetSafeOwnerWindow(m_pParentWnd);
    BOOL ownerDisabled = FALSE;
    if (hWndOwner && ::IsWindowEnabled(hWndOwner))
    {
        ::EnableWindow(hWndOwner, FALSE);
        ownerDisabled = TRUE;
    }
    m_bModeless = FALSE;
    m_nModalResult = -1;
    m_nButtonResult = IDCANCEL;
    if (CreateSheetWindow(hWndOwner))
    {
        m_bContinueModal = TRUE;
        RunModalLoop(0);
    }
    if (ownerDisabled && ::IsWindow(hWndOwner))
        ::EnableWindow(hWndOwner, TRUE);
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (hWndOwner && ::IsWindow(hWndOwner))
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd)
        DestroyWindow();
    m_psh.dwFlags &= ~PSH_MODELESS;
    return m_nModalResult;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    (void)dwStyle;
    (void)dwExStyle;
    m_bModeless = TRUE;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    return CreateSheetWindow(m_pParentWnd->GetSafeHwnd()) != nullptr;
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    if (m_hWnd && !::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0))
    {
        // The system closed the sheet: OK (or Apply-and-close) is a positive
        // result, Cancel zero.
        LRESULT result = ::SendMessageA(m_hWnd, PSM_GETRESULT, 0, 0);
        m_nModalResult = result > 0 ? IDOK : (result == 0 ? IDCANCEL : m_nButtonResult);
        m_bContinueModal = FALSE;
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        m_nButtonResult = LOWORD(wParam);
    return CWnd::OnCommand(wParam, lParam);
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    if (m_bContinueModal)
        EndModalLoop(nEndID);
    else if (m_bModeless && m_hWnd)
        DestroyWindow();
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (!m_hWnd)
        return FALSE;
    // Keyboard navigation between the tabs, the pages and the buttons.
    if ((pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST))
        return (BOOL)::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
    return FALSE;
}
