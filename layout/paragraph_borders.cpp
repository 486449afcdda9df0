// How wide a paragraph border run is on each side; column gaps and row
// heights make room for it. Still missing: shading runs and the border
// and shading queries of the selection.
#include "model/GDoc.h"
#include "layout/page_areas.h"

long GDoc::GetBorderWidth(int run, int side) const
{
    const GBorder& b = m_borders[run];
    if (!(b.sides & side))
        return -4;
    const CBorderStyle& s = side == kBorderTop ? b.top
                          : side == kBorderBottom ? b.bottom
                          : side == kBorderLeft ? b.left
                                                : b.right;
    return b.distance + BorderLineWidth(s) + 2;
}
