// Dialog bases of the tools library with context help: a dialog, a
// property page and a property sheet that behave as the class library's
// and answer F1, the Help button and ID_HELP with the help topic of their
// dialog template (HID_BASE_RESOURCE + template id) through the
// application's WinHelp.
#pragma once
#include "afxwin.h"

#ifndef HID_BASE_RESOURCE
#define HID_BASE_RESOURCE 0x00020000UL
#endif

class CXHelpDialog : public CDialog
{
    DECLARE_DYNAMIC(CXHelpDialog)
public:
    // A null parent means the application's main window.
    explicit CXHelpDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CXHelpDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    // The help topic this dialog shows.
    DWORD GetHelpContext() const { return HID_BASE_RESOURCE + m_nIDHelp; }
    void OnHelp();
    LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};

class CXHelpPropertyPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CXHelpPropertyPage)
public:
    // No caption of its own: the template's is shown on the tab.
    explicit CXHelpPropertyPage(UINT nIDTemplate);
    explicit CXHelpPropertyPage(LPCSTR lpszTemplateName);

    DWORD GetHelpContext() const { return HID_BASE_RESOURCE + m_nIDHelp; }
    void OnHelp();
    LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);

protected:
    // The sheet's Help button.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()
};

class CXHelpPropertySheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CXHelpPropertySheet)
public:
    // A null parent means the application's main window.
    explicit CXHelpPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CXHelpPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Help goes to the current page's topic.
    void OnHelp();
    LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
