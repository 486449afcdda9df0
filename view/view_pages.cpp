// Where pages stand in view space and how view space maps to the client
// area's pixels.
#include "view/CWView.h"

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
