// Reflow members that the item primitives call, kept here until reflow,
// balancing of text columns and frames exist in layout.
#include "GDoc.h"

// Merges neighbouring runs that became equal or empty, from toRun down
// to fromRun; the closing run stays. Layout completes this: it moves to
// reflow with the rest of its family.
void GDoc::ReFormat(long fromRun, long toRun)
{
    if (fromRun < 0)
        fromRun = 0;
    if (toRun >= m_formats.count - 1)
        toRun = m_formats.count - 2;
    const long lastParaEnd = m_chars.count - 3;
    for (long i = toRun; i >= fromRun; --i)
    {
        if (i >= m_formats.count - 1 || m_formats.count <= 2)
            continue;
        if (m_formats[i].pos > lastParaEnd || m_formats[i].pos == m_formats[i + 1].pos)
            m_formats.Destroy(i, 1);
        else if (i + 1 < m_formats.count - 1 && m_formats[i + 1].style == m_formats[i].style)
            m_formats.Destroy(i + 1, 1);
    }
}

// Stacks the rows from row - 1 on, each below the one before. Layout
// completes this: border space, paragraph spacing and frames that push
// rows down are not added yet.
void GDoc::SetRowPos(long row, long y)
{
    if (row < 0 || row >= m_rows.count || m_rows[row].y == y)
        return;
    if (row > 0)
        m_rows[row - 1].gapAfter = 0;
    for (LONG r = (LONG)std::max(row - 1, 0L); r < m_rows.count; ++r)
    {
        LONG top = 0;
        if (r == 0)
            m_rows[0].first = 0;
        else
            top = m_rows[r - 1].y + m_rows[r - 1].height + m_rows[r - 1].gapAfter;
        if (m_rows[r].y != top)
        {
            m_rows[r].y = top;
            m_redraw.InvalByRow(r, r + 1);
        }
    }
}

// Moves block and every later block by the difference between value and
// the block's present position; the flow's copy of the closing value
// follows.
void GDoc::SetColumnPos(long block, long value)
{
    if (block < 0 || block >= m_columns.count)
        return;
    LONG delta = (LONG)value - m_columns[block].position;
    for (LONG b = (LONG)block; b < m_columns.count; ++b)
        m_columns[b].position += delta;
    m_nClosingColumnPos = m_columns.Last().position;
}

// Layout completes this: it does nothing yet and answers 0; balancing the
// block's rows into its text columns comes with the column code.
long GDoc::EqualizeCols(long)
{
    return 0;
}
