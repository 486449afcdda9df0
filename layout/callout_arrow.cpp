// The callout arrow: from the tip in the anchor's text to the frame's
// nearest corner or side, outside the content's border lines; drawn with
// the anchor's rows, repainted wherever it moves.
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "controls/LineStyles.h"
#include "view/CWView.h"
#include "view/arrow_style.h"
#include "view/trackers.h"
#include <algorithm>
#include <cstdlib>

using std::max;
using std::min;

namespace
{
// Added on every side of the arrows' box when they move, so that the
// heads and the line's width are repainted too.
const int kArrowRepaintMargin = 13;
// The tip tracker: a small hatched square with no handles.
const int kTipTrackerSize = 12;

long FlowRowY(GDoc* flow, long row)
{
    long count = flow->m_rows.GetCount();
    if (count == 0)
        return 0;
    row = max(0L, min(row, count - 1));
    return flow->m_rows[row].y;
}

long HalfWidth(long lineStyle)
{
    return LineStyleRow(lineStyle).width / 2;
}

// How far the start moves outward past a border side: to the outside of
// the border's line (its distance and half its width), else 0.
long BorderPush(const GBorder* border, LONG side, const CBorderStyle& style)
{
    if (!border || !(border->sides & side))
        return 0;
    return border->distance + HalfWidth(style.lineStyle);
}

// The box spanned by two points; a line along an axis still spans it.
CRect Span(CPoint a, CPoint b)
{
    return CRect(min(a.x, b.x), min(a.y, b.y), max(a.x, b.x), max(a.y, b.y));
}

CRect Join(const CRect& a, const CRect& b)
{
    return CRect(min(a.left, b.left), min(a.top, b.top), max(a.right, b.right), max(a.bottom, b.bottom));
}

// The anchor's row at page-relative y on a page whose text begins at
// areaTop with row pageRow.
long RowAtY(GDoc* flow, long pageRow, long areaTop, long y)
{
    long flowY = y - areaTop + FlowRowY(flow, pageRow);
    long count = flow->m_rows.GetCount();
    long row = pageRow;
    while (row + 1 < count && flow->m_rows[row + 1].y <= flowY)
        ++row;
    return row;
}
} // namespace

void CFrame::DrawArrow(int draw, CDC* dc, CWView* view, int)
{
    if (!anchor || arrowPara < 0 || arrowPara >= anchor->m_paras.GetCount() || anchor->m_rows.GetCount() == 0)
        return;
    const long page = GetPage();
    const CPoint oldFrom = arrowFrom, oldTo = arrowTo;

    // The tip, page-relative.
    const long tipRow = anchor->GetParaRow(arrowPara);
    const long tipPageRow = anchor->GetPageRow(anchor->GetRowPage(tipRow));
    const CRect anchorArea = anchor->GetAreaByPage(page, 1, 0);
    CPoint tip(arrowTipX + anchorArea.left,
               FlowRowY(anchor, tipRow) - FlowRowY(anchor, tipPageRow) + arrowTipY + anchorArea.top);

    // The start: the corner nearest to the tip, ties to the bottom and right.
    const CRect r = GetAreaByPage(page, 1);
    CPoint start(std::labs(tip.x - r.right) <= std::labs(tip.x - r.left) ? r.right : r.left,
                 std::labs(tip.y - r.bottom) <= std::labs(tip.y - r.top) ? r.bottom : r.top);
    bool onVerticalSide = false, onHorizontalSide = false;
    if (arrowStyle.middleOfSide)
    {
        // Level with the frame the arrow leaves a left or right side;
        // above or below it, the top or bottom.
        bool beyondOwnSide = (start.y == r.bottom) ? tip.y > r.bottom : tip.y < r.top;
        if (std::labs(tip.y - start.y) < std::labs(tip.x - start.x) && !beyondOwnSide)
        {
            start.y += (start.y == r.bottom ? -1 : 1) * (r.Height() / 2);
            onVerticalSide = true;
        }
        else
        {
            start.x += (start.x == r.right ? -1 : 1) * (r.Width() / 2);
            onHorizontalSide = true;
        }
    }
    arrowFrom = tip;

    // Outward past the content's border lines, so that the line touches
    // their outside.
    const long half = HalfWidth(arrowStyle.lineStyle);
    const GBorder* topBorder = NULL;
    const GBorder* bottomBorder = NULL;
    if (content)
    {
        long lastRow = content->m_rows.GetCount() - 1;
        for (LONG i = 0; i < content->m_borders.GetCount(); ++i)
        {
            if (content->GetBorderRow1(i) == 0)
                topBorder = &content->m_borders[i];
            if (lastRow >= 0 && content->GetBorderRow2(i) >= lastRow)
                bottomBorder = &content->m_borders[i];
        }
    }
    const bool atTop = !onVerticalSide && start.y == r.top;
    const bool atBottom = !onVerticalSide && start.y == r.bottom;
    const GBorder* sideBorder = atBottom ? bottomBorder : topBorder;
    if (atTop)
        start.y -= (topBorder ? BorderPush(topBorder, kBorderTop, topBorder->top) : 0) + half;
    else if (atBottom)
        start.y += (bottomBorder ? BorderPush(bottomBorder, kBorderBottom, bottomBorder->bottom) : 0) + half;
    if (!onHorizontalSide)
    {
        if (start.x == r.left)
            start.x -= (sideBorder ? BorderPush(sideBorder, kBorderLeft, sideBorder->left) : 0) + half;
        else if (start.x == r.right)
            start.x += (sideBorder ? BorderPush(sideBorder, kBorderRight, sideBorder->right) : 0) + half;
    }
    arrowTo = start;

    if (!draw || !dc || !view)
        return;
    view->OfsViewDC(dc, -1, page, 0);
    if (arrowFrom != oldFrom || arrowTo != oldTo)
    {
        const CRect spanned = Join(Span(oldFrom, oldTo), Span(arrowFrom, arrowTo));
        const long pageRow = anchor->GetPageRow(page < anchor->m_pages.GetCount() ? page : 0);
        const long top = anchor->GetAreaByPage(page, 1, 0).top;
        long first = RowAtY(anchor, pageRow, top, spanned.top);
        long last = RowAtY(anchor, pageRow, top, spanned.bottom);
        anchor->m_redraw.InvalByRow(max(0L, first - 1), last + 1);
        anchor->Notify(1);
        arrowTracking = 0;
    }
    if (!GetAreaByPage(page, 0).PtInRect(arrowFrom))
    {
        const tagLineStyle& row = LineStyleRow(arrowStyle.lineStyle);
        CPen pen;
        pen.CreatePen((int)row.penStyle, (int)row.width, (COLORREF)arrowStyle.colour);
        CPen* oldPen = dc->SelectObject(&pen);
        ::DrawArrow(dc, arrowFrom, arrowTo, arrowStyle, 0);
        dc->SelectObject(oldPen);
    }
    if (tracker)
    {
        if (!arrowTracker)
        {
            CRect empty(0, 0, 0, 0);
            arrowTracker = new CWRectTracker(&empty, CRectTracker::hatchInside);
            arrowTracker->m_sizeMin = CSize(kTipTrackerSize, kTipTrackerSize);
            arrowTracker->m_nHandleSize = 0;
        }
        long x = arrowFrom.x, y = arrowFrom.y + view->CalcPageToY(page);
        view->PageToScreen(x, y);
        arrowTracker->m_rect = CRect(x - kTipTrackerSize / 2, y - kTipTrackerSize / 2, x + kTipTrackerSize / 2,
                                     y + kTipTrackerSize / 2);
    }
}

void CFrame::CheckArrow(int force)
{
    if (!hasArrow)
        return;
    const CPoint oldFrom = arrowFrom, oldTo = arrowTo;
    if (!force)
        DrawArrow(0, NULL, NULL, 0);
    if (!force && arrowFrom == oldFrom && arrowTo == oldTo)
        return;
    if (!content)
        return;
    CRect box = Join(Span(oldFrom, oldTo), Span(arrowFrom, arrowTo));
    box.InflateRect(kArrowRepaintMargin, kArrowRepaintMargin);
    if (!content->m_rcFrameRepaint.IsRectEmpty())
        box = Join(box, content->m_rcFrameRepaint);
    content->m_rcFrameRepaint = box;
    content->m_pRepaintFrame = this;
}
