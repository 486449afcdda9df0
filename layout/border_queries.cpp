// Queries of paragraph border and shading runs: the space border lines
// take before a row, and the runs under the selection for the toolbar and
// the text-properties dialog.
#include "model/GDoc.h"
#include <algorithm>

namespace
{
// Space between a border line and the text, 0.1 mm.
const long kBorderTextSpace = 10;

// The rows the selection's first and last character stand on.
void SelectionRows(GDoc& flow, long& r1, long& r2)
{
    long s, e;
    flow.GetSelectionC(s, e);
    r1 = flow.GetCharRow(s);
    r2 = flow.GetCharRow(std::max(s, e - 1));
}

// The selection rows contain the run's rows or lie inside them.
bool SelectionMeets(long r1, long r2, long first, long last)
{
    return (r1 <= first && r2 >= last) || (r1 >= first && r2 <= last);
}
} // namespace

long GDoc::GetBorderForRow(int row) const
{
    if (m_borders.count == 0 || row < 0 || row >= m_rows.count)
        return 0;
    const long from = m_rows[row].first;
    const long to = row + 1 < m_rows.count ? m_rows[row + 1].first : from + 1;
    long space = 0;
    for (LONG i = 0; i < m_borders.count; ++i)
    {
        const GBorder& run = m_borders[i];
        if (run.first >= from && run.first < to)
            space += std::max(0L, GetBorderWidth((int)i, kBorderTop)) + kBorderTextSpace;
        if (run.end >= from && run.end < to)
            space += std::max(0L, GetBorderWidth((int)i, kBorderBottom)) + kBorderTextSpace;
    }
    return space;
}

long GDoc::GetBorderSel()
{
    long r1, r2;
    SelectionRows(*this, r1, r2);
    for (LONG i = 0; i < m_borders.count; ++i)
        if (SelectionMeets(r1, r2, GetCharRow(m_borders[i].first), GetCharRow(m_borders[i].end - 1)))
            return i;
    return -1;
}

long GDoc::GetShadeSel()
{
    long r1, r2;
    SelectionRows(*this, r1, r2);
    for (LONG i = 0; i < m_shades.count; ++i)
        if (SelectionMeets(r1, r2, GetCharRow(m_shades[i].first), GetCharRow(m_shades[i].end - 1)))
            return i;
    return -1;
}

int GDoc::GetBorderPos(int mask)
{
    long r1, r2;
    SelectionRows(*this, r1, r2);
    for (LONG i = 0; i < m_borders.count; ++i)
    {
        const long first = GetCharRow(m_borders[i].first), end = GetCharRow(m_borders[i].end);
        if ((r1 <= first && r2 > end) || (r1 >= first && r2 < end))
            return (m_borders[i].sides & mask) == mask ? 1 : 0;
    }
    return 0;
}
