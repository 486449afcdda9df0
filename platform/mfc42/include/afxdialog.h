// Dialogs of the class library: CDialog (modal and modeless, from a dialog
// template in the resources), CDataExchange and the DDX_/DDV_ functions
// that move values between a dialog's members and its controls.
#pragma once
#include "afxwnd.h"

// Prompts of the data exchange. Each is read from the resources when they
// hold it, else the layer's own English text is shown.
#ifndef AFX_IDP_PARSE_INT
#define AFX_IDP_PARSE_INT          0xF110   // "Please enter an integer."
#define AFX_IDP_PARSE_REAL         0xF111
#define AFX_IDP_PARSE_INT_RANGE    0xF112   // "... between %1 and %2."
#define AFX_IDP_PARSE_REAL_RANGE   0xF113
#define AFX_IDP_PARSE_STRING_SIZE  0xF114   // "... no more than %1 characters."
#define AFX_IDP_PARSE_RADIO_BUTTON 0xF115
#define AFX_IDP_PARSE_BYTE         0xF116
#define AFX_IDP_PARSE_UINT         0xF117   // "Please enter a positive integer."
#endif

// Flags of CWnd::RunModalLoop.
#define MLF_NOIDLEMSG      0x0001
#define MLF_NOKICKIDLE     0x0002
#define MLF_SHOWONIDLE     0x0004

// Sent to a window running a modal loop while its queue is empty (wParam
// MSGF_DIALOGBOX, lParam the idle count); an answer of 0 ends the idle
// work until the next message.
#ifndef WM_KICKIDLE
#define WM_KICKIDLE        0x036A
#endif

// Resource type of dialog initialisation data (combo and list entries).
#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCEA(240)
#endif

// ---------------------------------------------------------------------------
// CDataExchange: the state of one UpdateData pass.

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;   // TRUE: controls → members (and validate)
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    // The control nIDC, remembered as the one a failure returns to.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts the focus back on the last prepared control (an edit also gets
    // its text selected) and throws a CUserException, ending the pass.
    [[noreturn]] void Fail();
};

// Shows a data-exchange prompt by id through AfxMessageBox, with %1 and %2
// replaced; the id is the help context.
void AFXAPI AfxDataExchangeMessage(UINT nIDPrompt, LPCSTR lpsz1 = nullptr, LPCSTR lpsz2 = nullptr);

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
// nIDC is the first radio button of a group (WS_GROUP); value is the index
// of the checked button among the group's radio buttons, -1 for none.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// 0 unchecked, 1 checked, 2 indeterminate.
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Loading selects the first entry that begins with value; a combo with an
// edit shows value even when no entry matches.
void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);

// Saving refuses a longer text; loading limits the last edit to nChars.
void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
// Checked when saving only.
void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);

// ---------------------------------------------------------------------------
// CDialog

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual ~CDialog();

    // Modeless: the dialog is created and this returns at once.
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal from a template in memory instead of the resources.
    BOOL InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog, disables its owner and runs until EndDialog;
    // answers the value given to EndDialog (IDOK, IDCANCEL, ...) or -1 when
    // the dialog could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Runs once the controls exist: loads the dialog initialisation data
    // and the members into the controls (UpdateData(FALSE)). TRUE lets the
    // system put the focus on the first control.
    virtual BOOL OnInitDialog();
    // OK saves and validates the members; a refusal keeps the dialog open.
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    // Menu commands and their updates that the dialog does not handle go
    // on to its owner, then to the application.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Sends the dialog initialisation data (resource RT_DLGINIT of this
    // name) to the controls: entries of combo and list boxes.
    BOOL ExecuteDlgInit(LPCSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource);

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    LPCSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    LPCDLGTEMPLATEA m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;

protected:
    // Creates the window from a template with this object bound to it.
    BOOL CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    // The owner a modal window takes: the parent's top-level window or the
    // main window; disabled for the loop when it was enabled.
    HWND PreModal();
    void PostModal();
    HWND m_hWndTop = nullptr;     // the owner disabled for the modal loop
    BOOL m_bParentDisabled = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The window a modal window is owned by: the last active popup of the
// top-level window of pParent (or of the main window), so that a dialog
// opened from a dialog is owned by it.
HWND AFXAPI AfxGetSafeOwnerWindow(CWnd* pParent);

// The dialog procedure of every dialog the layer makes: it hands
// WM_INITDIALOG to the bound object's OnInitDialog and leaves everything
// else to the window procedure.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
