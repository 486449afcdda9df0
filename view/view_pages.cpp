// Where pages stand in view space and how view space maps to the client
// area's pixels.
#include "view/CWView.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include <algorithm>

void CWView::PageToScreen(long& x, long& y)
{
    CPoint scroll = GetScrollPosition();
    x = Pixels(m_nLeftGap + x, 1) - scroll.x;
    y = Pixels(y, 0) - scroll.y;
}

long CWView::CalcPageToY(long page)
{
    return m_nPageGap + page * (m_nPageGap + m_nPageHeight);
}

void CWView::ScreenToPage(long& x, long& y)
{
    const CPoint scroll = GetScrollPosition();
    x = mm01(scroll.x + x, 1) - m_nLeftGap;
    y = mm01(y, 0) + m_yPos;
}

long CWView::CalcYToPage(long y)
{
    return (y - m_nPageGap) / (m_nPageGap + m_nPageHeight);
}

namespace {

// The index of the chain's frame for page, or of its last frame when the
// chain is shorter: walks no further than page, where counting the whole
// chain walks every page of a long body on every key.
long LastChainIndexUpTo(const CFrame* first, long page)
{
    if (page <= 0)
        return page;
    long index = 0;
    for (const CFrame* f = first; f->next && index < page; f = f->next)
        ++index;
    return index;
}

} // namespace

long CWView::DocToPageY(long part, long page, long y, long rowPage)
{
    GDoc* flow = DocM(part);
    if (!flow)
        return y;
    const long lastPage = flow->m_pages.count - 1;
    const long topPage = std::max(0L, std::min(rowPage, lastPage));
    const long top = flow->m_columns[flow->m_pages[topPage].block].position;
    if (flow->m_pFirstFrame)
        rowPage = LastChainIndexUpTo(flow->m_pFirstFrame, rowPage);
    const CRect area = flow->GetAreaByMargin(page, 1, rowPage);
    const long topMargin = CWDocument::PageSetupOf(m_pDoc).textTop;
    return (y - top) + area.top + m_nPageGap + (m_nPageGap + m_nPageHeight) * page + topMargin;
}

void CWView::GetClientSizeMM(long& w, long& h)
{
    const CRect client = ClientRect();
    w = mm01(client.Width(), 1);
    h = mm01(client.Height(), 0);
}

BOOL CWView::IsPageVisible(long page)
{
    if (page >= m_nPages)
        return FALSE;
    long w = 0, h = 0;
    GetClientSizeMM(w, h);
    return CalcYToPage(m_yPos) <= page && page <= CalcYToPage(m_yPos + h);
}

long CWView::RowDistance(long part, long row1, long row2)
{
    GDoc* flow = DocM(part);
    if (!flow)
        return 0;
    return flow->m_rows[row2].y - flow->m_rows[row1].y;
}
