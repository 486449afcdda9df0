// The print and page-setup dialogs: running the system dialogs and reading
// the printer settings they answer.
#include "afxwin.h"
#include "afxdlgs.h"

namespace {

// Device-mode handles answer a locked pointer for as long as the handle
// lives; the lock count is not kept, as moveable handles of this kind are
// never discarded.
LPDEVMODEA LockDevMode(HGLOBAL handle)
{
    return handle ? (LPDEVMODEA)::GlobalLock(handle) : nullptr;
}

// One of the three texts a DEVNAMES block holds by offset.
CString DevNamesPart(HGLOBAL handle, int which)
{
    if (!handle)
        return CString();
    const DEVNAMES* names = (const DEVNAMES*)::GlobalLock(handle);
    if (!names)
        return CString();
    WORD offset = which == 0 ? names->wDriverOffset : which == 1 ? names->wDeviceOffset : names->wOutputOffset;
    CString text((const char*)names + offset);
    ::GlobalUnlock(handle);
    return text;
}

HWND OwnerWindow(CWnd* parent)
{
    return parent ? parent->GetSafeHwnd() : nullptr;
}

} // namespace

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CPageSetupDialog, CCommonDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_pd, 0, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.hwndOwner = OwnerWindow(pParentWnd);
    m_pd.Flags = dwFlags;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    m_pd.nCopies = 1;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 0xFFFF;
}

// The handles belong to whoever asked for them (the application keeps its
// printer's), so they are not freed here.
CPrintDialog::~CPrintDialog() {}

INT_PTR CPrintDialog::DoModal()
{
    if (!m_pd.hwndOwner)
        m_pd.hwndOwner = GetOwnerWindow();
    return ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // The system only answers defaults into empty handles.
    m_pd.hDevMode = nullptr;
    m_pd.hDevNames = nullptr;
    DWORD flags = m_pd.Flags;
    // No warning box when no printer is installed: callers fall back on
    // their own defaults.
    m_pd.Flags = (flags & ~(PD_RETURNDC | PD_RETURNIC)) | PD_RETURNDEFAULT | PD_NOWARNING;
    BOOL found = ::PrintDlgA(&m_pd);
    m_pd.Flags = flags;
    return found;
}

LPDEVMODEA CPrintDialog::GetDevMode() const
{
    return LockDevMode(m_pd.hDevMode);
}

CString CPrintDialog::GetDriverName() const { return DevNamesPart(m_pd.hDevNames, 0); }
CString CPrintDialog::GetDeviceName() const { return DevNamesPart(m_pd.hDevNames, 1); }
CString CPrintDialog::GetPortName() const { return DevNamesPart(m_pd.hDevNames, 2); }

HDC CPrintDialog::CreatePrinterDC()
{
    if (!m_pd.hDevNames)
        return nullptr;
    CString driver = GetDriverName(), device = GetDeviceName(), port = GetPortName();
    LPDEVMODEA mode = GetDevMode();
    HDC made = ::CreateDCA(driver, device, port, mode);
    if (mode)
        ::GlobalUnlock(m_pd.hDevMode);
    if (made)
    {
        if (m_pd.hDC)
            ::DeleteDC(m_pd.hDC);
        m_pd.hDC = made;
    }
    return made;
}

CPageSetupDialog::CPageSetupDialog(DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_psd, 0, sizeof(m_psd));
    m_psd.lStructSize = sizeof(m_psd);
    m_psd.hwndOwner = OwnerWindow(pParentWnd);
    m_psd.Flags = dwFlags;
}

CPageSetupDialog::~CPageSetupDialog()
{
    if (m_psd.hDevMode)
        ::GlobalFree(m_psd.hDevMode);
    if (m_psd.hDevNames)
        ::GlobalFree(m_psd.hDevNames);
}

INT_PTR CPageSetupDialog::DoModal()
{
    if (!m_psd.hwndOwner)
        m_psd.hwndOwner = GetOwnerWindow();
    // Asking for the defaults shows nothing, also not the system's warning
    // box when no printer is installed: callers fall back on their own.
    if (m_psd.Flags & PSD_RETURNDEFAULT)
        m_psd.Flags |= PSD_NOWARNING;
    return ::PageSetupDlgA(&m_psd) ? IDOK : IDCANCEL;
}

LPDEVMODEA CPageSetupDialog::GetDevMode() const
{
    return LockDevMode(m_psd.hDevMode);
}

CString CPageSetupDialog::GetDriverName() const { return DevNamesPart(m_psd.hDevNames, 0); }
CString CPageSetupDialog::GetDeviceName() const { return DevNamesPart(m_psd.hDevNames, 1); }
CString CPageSetupDialog::GetPortName() const { return DevNamesPart(m_psd.hDevNames, 2); }

int CPrintDialog::GetCopies() const
{
    // With PD_USEDEVMODECOPIES the printer's settings hold the count.
    if (m_pd.Flags & PD_USEDEVMODECOPIES)
    {
        if (LPDEVMODEA mode = GetDevMode())
        {
            int copies = mode->dmCopies;
            ::GlobalUnlock(m_pd.hDevMode);
            return copies;
        }
    }
    return m_pd.nCopies;
}

void CPageSetupDialog::GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const
{
    if (lpRectMargins)
        *lpRectMargins = m_psd.rtMargin;
    if (lpRectMinMargins)
        *lpRectMinMargins = m_psd.rtMinMargin;
}
