// Common dialogs of the class library. So far only what asking for the
// default printer needs: CPrintDialog and CPageSetupDialog.
#pragma once
#include "afxwin.h"
#include <commdlg.h>

// Still missing: the dialog base (CCommonDialog over CDialog), showing the
// dialogs with hooks and templates, and the print-job members; these two
// classes only run the system dialogs and answer the printer defaults.
class CPrintDialog : public CObject
{
public:
    // The flags a print dialog starts with when none are given.
    static constexpr DWORD kDefaultFlags =
        PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION;

    // bPrintSetupOnly adds PD_PRINTSETUP: the setup dialog, not the print one.
    explicit CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags = kDefaultFlags, CWnd* pParentWnd = nullptr);
    virtual ~CPrintDialog();

    // Runs the system dialog; IDOK or IDCANCEL.
    virtual INT_PTR DoModal();
    // Fills m_pd with the default printer's settings (handles of device mode
    // and names, owned by the caller afterwards) without showing anything;
    // FALSE when there is no default printer.
    BOOL GetDefaults();

    LPDEVMODEA GetDevMode() const;   // locked; NULL without settings
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    // A device context for the chosen printer; NULL when there is none.
    HDC CreatePrinterDC();

    PRINTDLGA m_pd;

private:
    CString DevNamesText(int which) const;
};

class CPageSetupDialog : public CObject
{
public:
    static constexpr DWORD kDefaultFlags = PSD_MARGINS | PSD_INWININIINTLMEASURE;

    explicit CPageSetupDialog(DWORD dwFlags = kDefaultFlags, CWnd* pParentWnd = nullptr);
    // Frees the device-mode and device-names handles the dialog returned.
    virtual ~CPageSetupDialog();

    // Runs the system dialog; with PSD_RETURNDEFAULT in m_psd.Flags nothing
    // is shown and m_psd receives the default printer's paper and settings.
    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();

    LPDEVMODEA GetDevMode() const;   // locked; NULL without settings
    CSize GetPaperSize() const { return CSize(m_psd.ptPaperSize.x, m_psd.ptPaperSize.y); }
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;

    PAGESETUPDLGA m_psd;
};
