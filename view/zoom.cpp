// The zoom: fitting it to the client area, the gaps it scales, and the
// scroll sizes that follow from it.
#include "view/CWView.h"
#include "document/CWDocument.h"
#include "model/GPageInfo.h"
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

const LONG kTenthsPerInch = 254;
const LONG kMostScrollPixels = 32767;
const LONG kLineStep = 50;            // 5 mm
const LONG kFitWiden = 100;           // margins-width fit: 1 cm more than the text
const double kPercentUnit = 100.0;

long Round(double v)
{
    return (long)std::floor(v + 0.5);
}

enum
{
    kZoomPageWidth = 0,
    kZoomWholePage = 1,
    kZoomMarginsWidth = 3
};

// One fit: (available − gaps) / (length / 100) in percent, the divisor in
// whole units. A length under 100 units gives nothing to divide by: no fit.
bool Fit(double available, long gaps, long length, long& percent)
{
    const long divisor = length / 100;
    if (divisor <= 0)
        return false;
    percent = Round((available - gaps) / divisor);
    return true;
}

} // namespace

void CWView::SetZoom(float factor)
{
    m_fZoom = factor;
    const long w = mm01(ClientRect().Width(), 1);
    m_nLeftGap = w >= m_nPageWidth ? Round((double)((w - m_nPageWidth) / 2)) : m_nBaseGap;
    m_nPageGap = Round(m_nBaseGap / factor);
}

void CWView::ZoomPage(int invalidate)
{
    const CRect client = ClientRect();
    const long cw = client.Width(), ch = client.Height();
    m_pageDev = CSize((int)cw, (int)ch);
    const GPageInfo& setup = CWDocument::PageSetupOf(m_pDoc);
    const double widthUnits = (double)cw * kTenthsPerInch / m_nDpiX;
    const double heightUnits = (double)ch * kTenthsPerInch / m_nDpiY;
    long percent = m_nZoomPercent;
    long fit = 0;
    switch (m_nZoomMode)
    {
    case kZoomPageWidth:
        if (Fit(widthUnits, 2 * m_nBaseGap, m_nPageWidth, fit))
            percent = fit;
        break;
    case kZoomWholePage:
    {
        long byHeight = 0;
        if (Fit(widthUnits, 2 * m_nBaseGap, m_nPageWidth, fit)
            && Fit(heightUnits, 2 * m_nBaseGap, m_nPageGap + m_nPageHeight, byHeight))
            percent = std::min(fit, byHeight);
        break;
    }
    case kZoomMarginsWidth:
        if (Fit(widthUnits, 2 * m_nPageGap, setup.textRight - setup.textLeft + kFitWiden, fit))
            percent = fit;
        break;
    default:
        break;
    }
    if (percent < kLeastZoomPercent)
        percent = kLeastZoomPercent;
    if (percent > SHRT_MAX)
        percent = SHRT_MAX;
    m_nZoomPercent = (short)percent;
    SetZoom((float)(kPercentUnit / percent));
    m_yPos = mm01(Pixels(m_yPos, 0), 0);
    UpdateScroller(1);
    if (invalidate && HasWindow())
        InvalidateRect(NULL, TRUE);
    if (m_nZoomMode == kZoomMarginsWidth)
    {
        const CPoint at = GetScrollPosition();
        ScrollToPosition(CPoint((int)Pixels(setup.textLeft - m_nLeftGap, 1), at.y));
    }
    else
        ScrollToCaret();
    CWnd* main = AfxGetMainWnd();
    CFrameWnd* frame = main && main->IsFrameWnd() ? ((CFrameWnd*)main)->GetActiveFrame() : NULL;
    if (frame && frame->GetActiveView() == this)
        SetCaret(0);
}

void CWView::UpdateScroller(int)
{
    CSize total((int)Pixels(m_nLeftGap + m_nPageWidth, 1),
                (int)Pixels(m_nPageGap + (m_nPageGap + m_nPageHeight) * m_nPages, 0));
    const CSize line((int)Pixels(kLineStep, 1), (int)Pixels(kLineStep, 0));
    const CRect client = ClientRect();
    CSize page(client.Width(), client.Height());
    if (total.cy > kMostScrollPixels)
        total.cy = (int)(Pixels(mm01(kMostScrollPixels - page.cy, 0), 0) + page.cy);
    m_totalDev = CSize(std::abs(total.cx), std::abs(total.cy));
    m_pageDev = CSize(std::abs(page.cx), std::abs(page.cy));
    m_lineDev = CSize(std::abs(line.cx), std::abs(line.cy));
    if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0) m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0) m_lineDev.cy = m_pageDev.cy / 10;
    m_totalLog = m_totalDev;
    m_nMapMode = MM_ANISOTROPIC;
    if (!HasWindow())
        return;
    UpdateBars();
    InvalidateRect(NULL, FALSE);
}

void CWView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    ZoomPage(1);
}
