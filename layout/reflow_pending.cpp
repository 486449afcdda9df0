// Reflow, columns and page areas as far as frames and row breaking need
// them now; re-breaking whole flows, re-columning and the border
// allowances come with the reflow.
#include "GDoc.h"
#include "GPageInfo.h"
#include "document_links.h"

// Still missing: re-breaking the paragraph's rows; does nothing yet.
void GDoc::ReRowFromRow(long, int, int) {}

// Still missing: re-breaking the paragraphs of the rows; does nothing yet.
void GDoc::ReRowByRow(long, long, int, int) {}

long GDoc::RowHi(long row, long toRow)
{
    if (toRow < 0)
        toRow = row + 1;
    const long last = m_rows.GetCount() - 1;
    if (row > last)
        row = last;
    if (toRow > last)
        toRow = last;
    return m_rows[toRow].y - m_rows[row].y;
}

long GDoc::CountSpaces(long from, long to, int withTrailing)
{
    if (to > m_chars.GetCount())
        to = m_chars.GetCount();
    if (!withTrailing)
        while (to > from && m_chars[to - 1] == ' ')
            --to;
    long n = 0;
    for (long p = from; p < to; ++p)
        if (m_chars[p] == ' ')
            ++n;
    return n;
}

// Still missing: recomputing column blocks, positions and pages; does
// nothing yet.
void GDoc::ReColumn(long) {}

// Still missing: the area of the frame that shows the page; until page
// areas come with the reflow, every page's area is the page set-up's text
// area, relative to itself.
CRect GDoc::GetAreaByMargin(long, int, long)
{
    const GPageInfo& info = DocPageInfo(m_pOwner);
    return CRect(0, 0, info.GetTextWidth(), info.GetTextHeight());
}

// Still missing: the allowances of the flow's border runs; the rectangle
// stays as it is.
void GDoc::GetMaxBorderRect(CRect&) {}

// Still missing: the allowances of the border runs on one page; the
// rectangle stays as it is.
void GDoc::GetPageBorderRect(CRect&, long) {}
