// How wide a paragraph border run is on each side; column gaps, row
// heights and the shading of rows make room for it.
#include "model/GDoc.h"
#include "layout/page_areas.h"
#include "layout/paragraph_borders.h"

const CBorderStyle& BorderSideStyle(const GBorder& run, long side)
{
    return side == kBorderTop ? run.top
         : side == kBorderBottom ? run.bottom
         : side == kBorderLeft ? run.left
                               : run.right;
}

// The room a side takes from the text: distance, line and a gap of 2.
long GDoc::GetBorderWidth(int run, int side) const
{
    const GBorder& b = m_borders[run];
    if (!(b.sides & side))
        return -4;
    return b.distance + BorderLineWidth(BorderSideStyle(b, side)) + 2;
}

// The line alone, as the border painters draw it.
int GetBorderWidth(const GDoc& flow, int run, int side)
{
    const GBorder& b = flow.m_borders[run];
    const long common = b.sides & side;
    if (common == kBorderLeft || common == kBorderRight || common == kBorderTop || common == kBorderBottom)
        return (int)BorderLineWidth(BorderSideStyle(b, common));
    return -(int)b.distance;
}

int GetBorderWidth(CDC*, const GDoc& flow, int run, int side)
{
    return GetBorderWidth(flow, run, side);
}

void GDoc::AddJustShade(int row, CRect& rect)
{
    for (LONG i = 0; i < m_borders.count; ++i)
    {
        const long firstRow = GetBorderRow1(i);
        const long endRow = GetBorderRow2(i);
        if (row < firstRow || row >= endRow)
            continue;
        const GBorder& b = m_borders[i];
        rect.left -= BorderAllowance(b, kBorderLeft);
        rect.right += BorderAllowance(b, kBorderRight);
        if (row == firstRow)
            rect.top -= BorderAllowance(b, kBorderTop);
        if (row == endRow - 1)
            rect.bottom += BorderAllowance(b, kBorderBottom);
        return;
    }
}
