// The New dialog: lists the templates (*.zvp) of the template folder, with
// the built-in NORMAL always offered, and asks whether a document or a new
// template is made. The application's New command runs it.
#pragma once
#include "xhelpdlg.h"

#define IDD_NEW_FILE          5059
#define IDC_NEW_TEMPLATES     1148
#define IDC_NEW_DOCUMENT      1185
#define IDC_NEW_TEMPLATE      1187

// 1 when the folder holds a template whose name begins with NORMAL, 0 when
// the dialog added the built-in entry itself.
extern int DiffNormal;

class CWNewFileDlg : public CXHelpDialog
{
public:
    explicit CWNewFileDlg(CWnd* pParent = nullptr);

    // The chosen template's file; empty for the built-in template.
    CString GetTemplate();
    // 1 when a new template is made rather than a document.
    int IsTemplate() const { return m_nTemplate; }

    CListBox m_list;
    int m_nTemplate = 0;      // 0 document, 1 template (the radio group)
    CString m_strNormal;      // the built-in template's name
    CString m_strFolder;      // the template folder the list was read from
    CString m_strChosen;      // the entry chosen with OK

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;
    virtual void OnOK() override;
    // Fills the list from the template folder and selects NORMAL.
    void ListTemplates();
    DECLARE_MESSAGE_MAP()
};
