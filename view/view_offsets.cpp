// The view offset of a place in a flow, by which rectangles stored while
// drawing are moved into the client area.
#include "view/CWView.h"
#include "model/GDoc.h"

void CWView::CalcOfsView(GDoc* flow, int pos, CSize& offset, int withText)
{
    const long sx = InPlaceFlag ? 0 : mm01(GetDeviceScrollPosition().x, 1);
    const long sy = m_yPos;
    const long page = flow && flow->m_nIndex == kBodyFlow ? flow->GetCharPage(pos) : 0;
    long x = 0, y = 0;
    if (m_bPageMode)
    {
        x = m_nLeftGap - sx;
        y = (m_nPageGap + m_nPageHeight) * page + m_nPageGap;
        if (!withText)
            y -= sy;
    }
    offset = CSize(-x, -y);
}
