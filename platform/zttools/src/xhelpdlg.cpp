// The help-aware dialog bases. Help is shown by the application's WinHelp
// with the topic of the dialog template, whichever way it was asked for.
#include "xhelpdlg.h"

IMPLEMENT_DYNAMIC(CXHelpDialog, CDialog)
IMPLEMENT_DYNAMIC(CXHelpPropertyPage, CPropertyPage)
IMPLEMENT_DYNAMIC(CXHelpPropertySheet, CPropertySheet)

static void ShowHelpTopic(DWORD dwContext)
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(dwContext, HELP_CONTEXT);
}

// ---------------------------------------------------------------------------
// CXHelpDialog

BEGIN_MESSAGE_MAP(CXHelpDialog, CDialog)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_MESSAGE(WM_HELP, OnHelpMessage)
END_MESSAGE_MAP()

CXHelpDialog::CXHelpDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd ? pParentWnd : AfxGetMainWnd())
{
}

CXHelpDialog::CXHelpDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : CDialog(lpszTemplateName, pParentWnd ? pParentWnd : AfxGetMainWnd())
{
}

void CXHelpDialog::OnHelp()
{
    ShowHelpTopic(GetHelpContext());
}

LRESULT CXHelpDialog::OnHelpMessage(WPARAM, LPARAM)
{
    OnHelp();
    return TRUE;
}

// ---------------------------------------------------------------------------
// CXHelpPropertyPage

BEGIN_MESSAGE_MAP(CXHelpPropertyPage, CPropertyPage)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_MESSAGE(WM_HELP, OnHelpMessage)
END_MESSAGE_MAP()

CXHelpPropertyPage::CXHelpPropertyPage(UINT nIDTemplate)
    : CPropertyPage(nIDTemplate)
{
}

CXHelpPropertyPage::CXHelpPropertyPage(LPCSTR lpszTemplateName)
    : CPropertyPage(lpszTemplateName)
{
}

void CXHelpPropertyPage::OnHelp()
{
    ShowHelpTopic(GetHelpContext());
}

LRESULT CXHelpPropertyPage::OnHelpMessage(WPARAM, LPARAM)
{
    OnHelp();
    return TRUE;
}

BOOL CXHelpPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (((NMHDR*)lParam)->code == PSN_HELP)
    {
        OnHelp();
        *pResult = 0;
        return TRUE;
    }
    return CPropertyPage::OnNotify(wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------
// CXHelpPropertySheet

BEGIN_MESSAGE_MAP(CXHelpPropertySheet, CPropertySheet)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_MESSAGE(WM_HELP, OnHelpMessage)
END_MESSAGE_MAP()

CXHelpPropertySheet::CXHelpPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd ? pParentWnd : AfxGetMainWnd(), iSelectPage)
{
}

CXHelpPropertySheet::CXHelpPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd ? pParentWnd : AfxGetMainWnd(), iSelectPage)
{
}

void CXHelpPropertySheet::OnHelp()
{
    CPropertyPage* page = GetActivePage();
    if (page && page->IsKindOf(RUNTIME_CLASS(CXHelpPropertyPage)))
        ((CXHelpPropertyPage*)page)->OnHelp();
    else if (page)
        ShowHelpTopic(HID_BASE_RESOURCE + page->m_nIDHelp);
}

LRESULT CXHelpPropertySheet::OnHelpMessage(WPARAM, LPARAM)
{
    OnHelp();
    return TRUE;
}
