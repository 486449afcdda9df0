// The redraw tracker: a row range and the selection and caret movement
// gathered between two view notifications.
#include "model/GRedraw.h"
#include "model/GDoc.h"

IMPLEMENT_DYNCREATE(GRedraw, CObject)

CArchive& operator>>(CArchive& ar, GRedraw*& pOb)
{
    pOb = (GRedraw*)ar.ReadObject(RUNTIME_CLASS(GRedraw));
    return ar;
}

GRedraw::GRedraw() : m_nIndex(0), m_pDoc(NULL)
{
    Reset(0, 0);
}

GRedraw::~GRedraw() {}

void GRedraw::Reset(long first, long end)
{
    m_nFirstRow = -1;
    m_nEndRow = -1;
    m_nOldSelFirst = m_nSelFirst = (LONG)first;
    m_nOldSelEnd = m_nSelEnd = (LONG)end;
    m_nNewCaret = -1;
    m_bExtraDirty = 0;
}

void GRedraw::InvalByRow(long first, long end)
{
    if (end == first)
        end = first + 1;
    if (m_nFirstRow == m_nEndRow)
    {
        m_nFirstRow = (LONG)first;
        m_nEndRow = (LONG)end;
        return;
    }
    if (first < m_nFirstRow)
        m_nFirstRow = (LONG)first;
    if (end > m_nEndRow)
        m_nEndRow = (LONG)end;
}

// The row that holds pos: the last row whose first character is not
// beyond it (0 for a negative pos), by binary search over the rows; a
// position at or past the end gives the closing row. The same answer as
// the flow's own row query.
static long RowOfPosition(const GDoc& flow, long pos)
{
    const GShiftedArray<GRow>& rows = flow.m_rows;
    long lo = 0, hi = rows.count - 1;
    if (hi < 0 || pos < 0)
        return 0;
    while (lo < hi)
    {
        long mid = (lo + hi + 1) / 2;
        if (rows.PositionAt(mid) <= pos)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

void GRedraw::InvalByPos(long from, long to)
{
    long first = RowOfPosition(*m_pDoc, from);
    long end = (from == to) ? first + 1 : RowOfPosition(*m_pDoc, to - 1) + 1;
    InvalByRow(first, end);
}

void GRedraw::InsRowItem(long row)
{
    if (row <= m_nFirstRow)
        ++m_nFirstRow;
    if (row < m_nEndRow)
        ++m_nEndRow;
}

void GRedraw::DelRowItem(long row)
{
    if (row < m_nFirstRow)
        --m_nFirstRow;
    if (row < m_nEndRow)
        --m_nEndRow;
}

void GRedraw::Select(long first, long end)
{
    if (m_nOldSelFirst == m_nOldSelEnd)
        m_nOldSelEnd = m_nOldSelFirst = (LONG)first;
    m_nSelFirst = (LONG)first;
    m_nSelEnd = (LONG)end;
}

void GRedraw::NewPos(long pos)
{
    m_nNewCaret = (LONG)pos;
}

int GRedraw::IsDirty() const
{
    return m_nFirstRow != m_nEndRow || m_nSelFirst != m_nOldSelFirst || m_nSelEnd != m_nOldSelEnd
        || m_nNewCaret != -1 || m_bExtraDirty != 0;
}
