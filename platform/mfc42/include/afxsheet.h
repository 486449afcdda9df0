// Property sheets of the class library over the system's property sheet:
// CPropertyPage, a dialog shown as one tab, and CPropertySheet, the window
// holding the pages. Pages are created only when first shown; OK reaches
// (as OnKillActive of the current page, then OnOK) only pages that exist.
#pragma once
#include "afxdialog.h"
#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    // The caption is the template's unless nIDCaption names a string.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
    virtual ~CPropertyPage();

    PROPSHEETPAGEA m_psp;

    // Turns the sheet's Cancel into Close (changes can no longer be undone).
    void CancelToClose();
    // Enables the sheet's Apply button while any page is modified.
    void SetModified(BOOL bChanged = TRUE);
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

    // The page becomes current: TRUE accepts. The base loads the members
    // into the controls (except the first time, done by OnInitDialog).
    virtual BOOL OnSetActive();
    // The page stops being current, or OK was chosen: the base saves and
    // validates the members; FALSE keeps the page (and the sheet) open.
    virtual BOOL OnKillActive();
    // OK or Apply, for every page that was created. Does not end anything.
    virtual void OnOK() override;
    // Cancel, for every page that was created.
    virtual void OnCancel() override;
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();

    // The sheet does the keyboard navigation for its pages.
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    CPropertySheet* GetSheet() const;

protected:
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    CString m_strCaption;
    BOOL m_bFirstSetActive = TRUE;
    friend class CPropertySheet;
    friend INT_PTR CALLBACK AfxPageDlgProc(HWND, UINT, WPARAM, LPARAM);
};

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    virtual ~CPropertySheet();

    // dwFlags may carry PSH_NOAPPLYNOW, PSH_HASHELP, ...; the pages and the
    // modal or modeless flags are the sheet's own business.
    PROPSHEETHEADERA m_psh;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    // Before the window exists: the page shown first.
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
    CWnd* GetTabControl() const;

    // Runs the sheet modally: IDOK when it closed with OK, else IDCANCEL
    // (-1 when it could not be made).
    virtual INT_PTR DoModal();
    // Modeless: the sheet is created and this returns.
    BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    // Ends a modal sheet with nEndID, or destroys a modeless one.
    void EndDialog(int nEndID);
    void PressButton(int nButton);

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL ContinueModal() override;

protected:
    // The page records and the header handed to the system.
    void BuildPropPageArray();
    HWND CreateSheetWindow(HWND hWndParent);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    BOOL m_bModeless = FALSE;
    PROPSHEETPAGEA* m_pPageArray = nullptr;
    int m_nButtonResult = IDCANCEL;
};

// The dialog procedure of the pages: binds the page object on WM_INITDIALOG.
INT_PTR CALLBACK AfxPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
