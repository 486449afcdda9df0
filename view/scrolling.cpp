// Scrolling in document units: m_yPos holds the vertical position, and the
// vertical bar, whose range stays under 32767 pixels, is scaled to it.
// Every scroll repaints the whole view.
#include "view/CWView.h"
#include "view/page_counter.h"
#include "app/CWCustomFrameData.h"
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

const long kMostScrollPixels = 32767;
const long kLineStep = 50;   // 5 mm

long RoundDiv(double v)
{
    return (long)std::floor(v + 0.5);
}

void BecomeCurrent(CWView* view)
{
    if (CWCustomFrameData* data = GetCustomFrameData())
        data->SetCurrentView(view);
}

} // namespace

CPoint CWView::GetScrollPosition()
{
    const int x = HasWindow() ? GetScrollPos(SB_HORZ) : 0;
    return CPoint(x, (int)Pixels(m_yPos, 0));
}

long CWView::GetTotalDocSize()
{
    return Pixels(mm01(Pixels(m_nPageGap + (m_nPageGap + m_nPageHeight) * m_nPages, 0) - m_pageDev.cy, 0), 0);
}

long CWView::GetMaxScroll()
{
    if (GetTotalDocSize() < kMostScrollPixels + 1)
        return HasWindow() ? GetScrollLimit(SB_VERT) : std::max(0L, (long)m_totalDev.cy - m_pageDev.cy);
    return Pixels(mm01(kMostScrollPixels - m_pageDev.cy, 0), 0);
}

// The bar's range stands for the whole document; a bar without range
// (nothing to scroll) maps nothing.
void CWView::ScaleScroll(long& v)
{
    const long max = GetMaxScroll(), total = GetTotalDocSize();
    if (max <= 0 || max > total)
        return;
    v = RoundDiv((double)v * total / max);
    v = Pixels(mm01(v, 0), 0);
}

void CWView::InvScroll(long& v)
{
    const long max = GetMaxScroll(), total = GetTotalDocSize();
    if (total <= 0 || max > total)
        return;
    v = RoundDiv((double)v * max / total);
}

BOOL CWView::OnScroll(UINT codes, UINT pos, BOOL doScroll)
{
    const bool window = HasWindow();
    const long x0 = window ? GetScrollPos(SB_HORZ) : 0;
    long x = x0;
    switch (LOBYTE(codes))
    {
    case SB_LINEUP: x -= m_lineDev.cx; break;
    case SB_LINEDOWN: x += m_lineDev.cx; break;
    case SB_PAGEUP: x -= m_pageDev.cx; break;
    case SB_PAGEDOWN: x += m_pageDev.cx; break;
    case SB_THUMBTRACK: x = (long)pos; break;
    case SB_TOP: x = 0; break;
    case SB_BOTTOM: x = INT_MAX; break;
    default: break;
    }
    const long xLimit = window ? GetScrollLimit(SB_HORZ) : 0;
    x = std::max(0L, std::min(x, xLimit));

    const long y0 = Pixels(m_yPos, 0);
    long max = GetMaxScroll();
    ScaleScroll(max);
    long y = y0;
    const long clientHeight = ClientRect().Height();
    switch (HIBYTE(codes))
    {
    case SB_LINEUP: y -= Pixels(kLineStep, 0); break;
    case SB_LINEDOWN: y += Pixels(kLineStep, 0); break;
    case SB_PAGEUP: y -= clientHeight; break;
    case SB_PAGEDOWN: y += clientHeight; break;
    case SB_THUMBTRACK:
        y = (long)pos;
        ScaleScroll(y);
        break;
    case SB_TOP: y = 0; break;
    case SB_BOTTOM: y = max; break;
    default: break;
    }
    y = std::max(0L, std::min(y, max));
    if (x == x0 && y == y0 && doScroll)
        return TRUE;
    y = Pixels(mm01(y, 0), 0);
    const long dy = Pixels(mm01(y - y0, 0), 0);
    if (doScroll)
        m_yPos += mm01(dy, 0);
    const BOOL scrolled = OnScrollBy(CSize((int)(x - x0), (int)dy), doScroll);
    if (doScroll && window)
    {
        if (x != x0)
            SetScrollPos(SB_HORZ, (int)x);
        if (dy != 0)
        {
            long bar = y;
            InvScroll(bar);
            SetScrollPos(SB_VERT, (int)bar);
        }
        if (scrolled)
            UpdateWindow();
    }
    return scrolled;
}

BOOL CWView::OnScrollBy(CSize, BOOL doScroll)
{
    if (doScroll)
    {
        InvalidateView();
        SetCaret(0);
    }
    return TRUE;
}

void CWView::ScrollToPosition(POINT pt)
{
    const bool window = HasWindow();
    const long x0 = window ? GetScrollPos(SB_HORZ) : 0;
    long x = std::max(0L, std::min((long)pt.x, window ? (long)GetScrollLimit(SB_HORZ) : 0L));
    if (window && m_pageDev.cx < m_totalDev.cx)
        SetScrollPos(SB_HORZ, (int)x);
    const long y0 = Pixels(m_yPos, 0);
    long max = GetMaxScroll();
    ScaleScroll(max);
    const long y = std::max(0L, std::min((long)pt.y, max));
    long bar = Pixels(mm01(y, 0), 0);
    InvScroll(bar);
    if (window)
        SetScrollPos(SB_VERT, (int)bar);
    const LONG oldPos = m_yPos;
    m_yPos -= mm01(Pixels(mm01(y0 - y, 0), 0), 0);
    if (x != x0 || m_yPos != oldPos)
        InvalidateView();
}

void CWView::ScrollBy(int dx, int dy)
{
    CPoint at = GetScrollPosition();
    at.Offset(dx, dy);
    ScrollToPosition(at);
}

long CWView::PageNearestMiddle()
{
    long w = 0, h = 0;
    GetClientSizeMM(w, h);
    long best = 2 * m_nPageHeight, found = 0;
    for (long i = 0; i < m_nPages; ++i)
    {
        const long d = std::labs(CalcPageToY(i) + m_nPageHeight / 2 - (m_yPos + h / 2));
        if (d < best)
        {
            best = d;
            found = i;
        }
    }
    return found;
}

void CWView::OnHScroll(UINT code, UINT pos, CScrollBar* bar)
{
    BecomeCurrent(this);
    CScrollView::OnHScroll(code, pos, bar);
    SetCaret(0);
}

void CWView::OnVScroll(UINT code, UINT pos, CScrollBar* bar)
{
    BecomeCurrent(this);
    CScrollView::OnVScroll(code, pos, bar);
    if (!m_pPageCounter)
        return;
    if (code == SB_THUMBTRACK)
        m_pPageCounter->DisplayPageNumber((UINT)PageNearestMiddle() + 1);
    else if (code == SB_ENDSCROLL)
        m_pPageCounter->Reset();
}
