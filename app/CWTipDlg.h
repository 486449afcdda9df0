// The tip of the day: one of sixteen tips, in an order shuffled at each
// opening, beside a light bulb; the user may switch the tip off at start-up
// (profile section "Tip", value "StartUp"). Opened from the Help menu.
#pragma once
#include "afxwin.h"

#define IDD_TIP               204
#define IDC_TIP_NEXT          170
#define IDC_TIP_FRAME         158
#define IDC_TIP_STARTUP       171
#define IDC_TIP_BULB          102
#define IDC_TIP_TEXT          172

enum { kTipCount = 16 };

// The tips in their table order.
extern const char* const tips[kTipCount];
// A permutation of 0 to 15: the order tips are shown in.
extern int shuffle[kTipCount];
// Tips shown since the program started; never reset.
extern int TipCounter;
// Seeds the random generator with the time and shuffles a fresh
// permutation into shuffle.
void shuf_it();

extern const char kTipSection[];     // "Tip"
extern const char kTipStartUpEntry[]; // "StartUp": 1 when tips are off

class CWTipDlg : public CDialog
{
public:
    // Reads the start-up switch and shuffles the tips.
    explicit CWTipDlg(CWnd* pParent = nullptr);

    int m_bStartup;        // the check box "Show tips on startup"
    CString m_strTip;      // the tip on show

    // Takes the next tip in the shuffled order.
    void GetNextTipString(CString& tip);

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;
    virtual void OnOK() override;
    void OnNextTip();
    void OnPaint();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The whole face, or (tipOnly) just the tip's text.
    void DoPaint(CDC* pDC, int tipOnly);
    CRect ControlRect(int id);
    DECLARE_MESSAGE_MAP()
};
