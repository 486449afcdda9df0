// Callout arrows: the line between two points and its open or filled heads.
#include "view/arrow_style.h"
#include "controls/LineStyles.h"
#include <cmath>

namespace
{
// Rows up to this one draw with a pen one wider than their index; the
// patterned rows after it with a one-pixel pen.
const int kLastWideRow = 5;

// Head sizes in multiples of the base size, by class 1 to 3.
double HeadWidth(LONG cls, int base)
{
    return (cls >= 1 && cls <= 3) ? (double)((cls + 2) * base) : 0.0;
}
double HeadLength(LONG cls, int base)
{
    return (cls >= 1 && cls <= 3) ? (double)((cls + 3) * base) : 0.0;
}

// The head's corner points and its base; false when from and tip coincide
// and the line has no direction.
struct HeadPoints
{
    CPoint p1, p2, base;
};
bool ComputeHead(CPoint from, CPoint tip, double width, double length, HeadPoints& out)
{
    double dx = (double)tip.x - from.x;
    double dy = (double)tip.y - from.y;
    double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0.0)
        return false;
    double bx = from.x + dx * (len - length) / len;
    double by = from.y + dy * (len - length) / len;
    double p1x = bx + width * -dy / len;
    double p1y = by + width * dx / len;
    out.p1 = CPoint((int)p1x, (int)p1y);
    out.p2 = CPoint((int)(2 * bx - p1x), (int)(2 * by - p1y));
    out.base = CPoint((int)bx, (int)by);
    return true;
}
} // namespace

void DrawSimple(CDC* dc, CPoint from, CPoint& tip, tagArrowStyle, double width, double length)
{
    HeadPoints h;
    if (!ComputeHead(from, tip, width, length, h))
        return;
    dc->MoveTo(tip);
    dc->LineTo(h.p2);
    dc->MoveTo(tip);
    dc->LineTo(h.p1);
    tip = h.base;
}

void DrawTriangle(CDC* dc, CPoint from, CPoint& tip, tagArrowStyle style, double width, double length)
{
    HeadPoints h;
    if (!ComputeHead(from, tip, width, length, h))
        return;
    CBrush brush;
    brush.CreateSolidBrush((COLORREF)style.colour);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, (COLORREF)style.colour);
    CPen* oldPen = dc->SelectObject(&pen);
    CBrush* oldBrush = dc->SelectObject(&brush);
    POINT corners[3] = {h.p1, h.p2, tip};
    dc->Polygon(corners, 3);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
    tip = h.base;
}

void DrawArrow(CDC* dc, CPoint first, CPoint second, tagArrowStyle style, int ownPen)
{
    const tagLineStyle& row = LineStyleRow(style.lineStyle);
    int penWidth = row.number <= kLastWideRow ? (int)row.number + 1 : 1;
    CPen pen;
    pen.CreatePen((int)row.penStyle, penWidth, (COLORREF)style.colour);
    CPen* oldPen = NULL;
    int base;
    if (ownPen)
    {
        base = (int)row.penWidth / 2;
        oldPen = dc->SelectObject(&pen);
    }
    else
        base = (int)row.width;
    if (base == 0)
        base = 1;

    dc->MoveTo(first);
    dc->LineTo(second);

    double w = HeadWidth(style.headWidth, base);
    double l = HeadLength(style.headLength, base);
    CPoint tip;
    switch (style.headKind)
    {
    case kArrowOpenAtSecond:
        tip = second;
        DrawSimple(dc, first, tip, style, w, l);
        break;
    case kArrowFilledAtSecond:
        tip = second;
        DrawTriangle(dc, first, tip, style, w, l);
        break;
    case kArrowOpenAtFirst:
        tip = first;
        DrawSimple(dc, second, tip, style, w, l);
        break;
    case kArrowFilledAtFirst:
        tip = first;
        DrawTriangle(dc, second, tip, style, w, l);
        break;
    case kArrowOpenBoth:
        tip = second;
        DrawSimple(dc, first, tip, style, w, l);
        tip = first;
        DrawSimple(dc, second, tip, style, w, l);
        break;
    case kArrowFilledBoth:
        tip = second;
        DrawTriangle(dc, first, tip, style, w, l);
        tip = first;
        DrawTriangle(dc, second, tip, style, w, l);
        break;
    default:
        dc->MoveTo(first);
        dc->LineTo(second);
        break;
    }
    if (ownPen)
        dc->SelectObject(oldPen);
}
