// Common dialogs of the class library: the print and page set-up dialogs
// (the file and colour dialogs are in afxcdlg.h). Both run the system
// dialogs and answer the printer settings they chose.
#pragma once
#include "afxwin.h"
#include <commdlg.h>

class CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
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
    // A device context for the chosen printer, which replaces (and deletes)
    // the one held; NULL, the held one kept, when no printer is chosen.
    HDC CreatePrinterDC();

    // What the user chose in the dialog.
    int GetCopies() const;
    BOOL PrintCollate() const { return (m_pd.Flags & PD_COLLATE) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }
    // The DC the dialog made (PD_RETURNDC) or CreatePrinterDC made; the
    // caller deletes it.
    HDC GetPrinterDC() const { return m_pd.hDC; }

    PRINTDLGA m_pd;

private:
    CString DevNamesText(int which) const;
};

class CPageSetupDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPageSetupDialog)
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
    // The chosen margins and the printer's least margins (either may be null).
    void GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const;
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;

    PAGESETUPDLGA m_psd;
};
