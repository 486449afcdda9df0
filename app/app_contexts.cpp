// The screen and printer contexts of the application object, made when
// first asked for; the font list and the font-name box measure on them.
#include "app/CWApp.h"
#include "afxdlgs.h"

CDC& CWApp::GetScreenDC()
{
    if (!m_screenDC.GetSafeHdc())
    {
        HDC dc = ::GetDC(::GetDesktopWindow());
        if (dc)
            m_screenDC.Attach(dc);
    }
    return m_screenDC;
}

void CWApp::ReleaseScreenDC()
{
    if (m_screenDC.GetSafeHdc())
        ::ReleaseDC(::GetDesktopWindow(), m_screenDC.Detach());
}

CDC& CWApp::GetPrinterDC()
{
    if (!m_printerDC.GetSafeHdc())
    {
        CPrintDialog dialog(FALSE, CPrintDialog::kDefaultFlags, NULL);
        if (dialog.GetDefaults())
        {
            HDC dc = dialog.CreatePrinterDC();
            if (dc)
                m_printerDC.Attach(dc);
        }
        // The defaults' handles are ours once GetDefaults has filled them.
        if (dialog.m_pd.hDevMode)
            GlobalFree(dialog.m_pd.hDevMode);
        if (dialog.m_pd.hDevNames)
            GlobalFree(dialog.m_pd.hDevNames);
        dialog.m_pd.hDevMode = dialog.m_pd.hDevNames = NULL;
    }
    return m_printerDC;
}

void CWApp::ReleasePrinterDC()
{
    if (m_printerDC.GetSafeHdc())
        ::DeleteDC(m_printerDC.Detach());
}
