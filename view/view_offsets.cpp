// The view offset of a place in a flow, by which rectangles stored while
// drawing (in the row's own coordinates) are moved into the client area.
#include "view/CWView.h"
#include "view/view_dc.h"
#include "view/view_offsets.h"
#include "model/GDoc.h"

namespace {

// A place at its row's first character stands this far left of it.
const long kRowStartLead = 20;

} // namespace

CSize RowOffsetInPage(GDoc& flow, long part, long page, long row, bool inPlace)
{
    long x = 0, y = 0;
    const long block = flow.GetRowColumn(row);
    const long col = flow.GetRowCol(row);
    const long rowPage = flow.GetRowPage(row);
    const long areaPage = part == kBodyFlow ? page : 0;
    const CRect area = flow.GetAreaByPage(page, 1, rowPage);
    if (!inPlace)
    {
        y += area.top;
        x += area.left;
    }
    const GColumn& b = flow.m_columns[block];
    const long pageBlock = areaPage < flow.m_pages.count ? flow.m_pages[areaPage].block : 0;
    y += b.position - flow.m_columns[pageBlock].position;
    const long colRow = b.startRows[col] >= 0 ? b.startRows[col] : row;
    y += flow.RowHi(colRow, row);
    for (long k = 0; k < col; ++k)
        x += b.cols[k].width + b.cols[k].gap;
    return CSize((int)x, (int)y);
}

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
    if (flow && flow->m_nIndex >= 0 && pos >= 0 && pos < flow->m_chars.count)
    {
        const long row = flow->GetCharRow(pos);
        const CSize inPage = RowOffsetInPage(*flow, flow->m_nIndex, page, row, InPlaceFlag != 0);
        x += inPage.cx;
        y += inPage.cy;
        if (withText)
        {
            const long first = flow->GetRowChar(row);
            if (pos > first)
            {
                CPreparedViewDC dc(this);
                int ascent = 0;
                x += flow->CalcTextSizeForView(first, pos, 1, ascent, dc.Get()).cx;
            }
            else
                x -= kRowStartLead;
        }
    }
    offset = CSize((int)-x, (int)-y);
}
