// Where a flow's text lies on a page, the room its paragraph borders need
// around it, and copies of whole flows; used by drawing and the views.
#include "model/GDoc.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "layout/page_areas.h"
#include "layout/paragraph_borders.h"
#include "controls/LineStyles.h"
#include <algorithm>

long BorderLineWidth(const CBorderStyle& side)
{
    return LineStyleRow(side.lineStyle).width;
}

long BorderAllowance(const GBorder& run, long side)
{
    if (!(run.sides & side))
        return 0;
    return run.distance + BorderLineWidth(BorderSideStyle(run, side));
}

int GDoc::IsVisible(long page, long col)
{
    if (page < 0)
        return 1;
    CFrame* frame = m_pFirstFrame ? m_pFirstFrame->GetFrameByCol(col) : NULL;
    return frame ? frame->IsVisible(page) : 0;
}

CRect GDoc::GetAreaByPage(long page, int inner, long col)
{
    CFrame* frame = m_pFirstFrame ? m_pFirstFrame->GetFrameByCol(col) : NULL;
    if (!frame)
        return CRect(0, 0, 0, 0);
    // The frame was found by its place in the chain: telling the frame its
    // place spares it walking the chain again for it (a body has a frame
    // per page, and a key asks for the caret's page several times).
    CFrame::KnownIndex known(frame, std::max(col, 0L));
    if (page >= 0 && !frame->IsVisible(page))
        return CRect(0, 0, 0, 0);
    return frame->GetAreaByPage(page, inner);
}

CRect GDoc::GetAreaByMargin(long page, int inner, long col)
{
    CRect r = GetAreaByPage(page, inner, col);
    const GPageInfo& info = CWDocument::PageSetupOf(m_pOwner);
    r.OffsetRect(-info.textLeft, -info.textTop);
    return r;
}

// Largest top allowance of the runs that begin at one of the column start
// rows of block.
static long TopAtBlock(GDoc& flow, long block, long fromRun, long toRun)
{
    long top = 0;
    if (block < 0 || block >= flow.m_columns.count)
        return 0;
    const GColumn& c = flow.m_columns[block];
    for (long i = fromRun; i < toRun; ++i)
    {
        const long first = flow.GetBorderRow1(i);
        for (int k = 0; k < kMostTextColumns && k < (BYTE)c.count; ++k)
            if (c.startRows[k] >= 0 && c.startRows[k] == first)
                top = std::max(top, BorderAllowance(flow.m_borders[i], kBorderTop));
    }
    return top;
}

void GDoc::GetMaxBorderRect(CRect& rect)
{
    if (m_borders.count == 0)
        return;
    long left = 0, right = 0, top = 0, bottom = 0;
    for (long i = 0; i < m_borders.count; ++i)
    {
        left = std::max(left, BorderAllowance(m_borders[i], kBorderLeft));
        right = std::max(right, BorderAllowance(m_borders[i], kBorderRight));
    }
    if (GetBorderRow1(0) == 0)
        top = BorderAllowance(m_borders[0], kBorderTop);
    if (m_columns.count > 1)
    {
        const GColumn& c = m_columns[0];
        for (int k = 1; k < (BYTE)c.count && k < kMostTextColumns; ++k)
            for (long i = 0; i < m_borders.count; ++i)
                if (c.startRows[k] >= 0 && GetBorderRow1(i) == c.startRows[k])
                    top = std::max(top, BorderAllowance(m_borders[i], kBorderTop));
    }
    const long last = m_borders.count - 1;
    if (GetBorderRow2(last) >= m_rows.count - 1)
        bottom = BorderAllowance(m_borders[last], kBorderBottom);
    rect.top -= top;
    rect.bottom += bottom;
    rect.left -= left;
    rect.right += right;
}

void GDoc::GetPageBorderRect(CRect& rect, long page)
{
    if (m_borders.count == 0 || page < 0 || page >= m_pages.count - 1)
        return;
    const long block = GetPageColumn(page);
    long firstRow = m_rows.count;
    const GColumn& c = m_columns[block];
    for (int k = 0; k < kMostTextColumns && k < (BYTE)c.count; ++k)
        if (c.startRows[k] >= 0)
            firstRow = std::min(firstRow, (long)c.startRows[k]);
    const long lastRow = page + 1 < m_pages.count - 1 ? GetPageRow(page + 1) - 1 : m_rows.count - 2;
    long left = 0, right = 0, top = 0, bottom = 0;
    for (long i = 0; i < m_borders.count; ++i)
    {
        const long r1 = GetBorderRow1(i), r2 = GetBorderRow2(i) - 1;
        if (r2 < firstRow || r1 > lastRow)
            continue;
        left = std::max(left, BorderAllowance(m_borders[i], kBorderLeft));
        right = std::max(right, BorderAllowance(m_borders[i], kBorderRight));
        if (r2 == lastRow)
            bottom = std::max(bottom, BorderAllowance(m_borders[i], kBorderBottom));
    }
    top = TopAtBlock(*this, block, 0, m_borders.count);
    rect.top -= top;
    rect.bottom += bottom;
    rect.left -= left;
    rect.right += right;
}

long GDoc::GetPageTextOffset(long page)
{
    if (m_borders.count == 0 || page < 0 || page >= m_pages.count)
        return 0;
    const long block = GetPageColumn(page);
    if (block >= m_columns.count - 1)
        return 0;
    return TopAtBlock(*this, block, 0, m_borders.count);
}

// The copy goes through the flow's stored form, so it holds exactly what
// a saved and reopened document would.
GDoc* GDoc::CreateCopy()
{
    CMemFile file(1024);
    {
        CArchive out(&file, CArchive::store, 4096);
        SaveZVW(out);
        out.Close();
    }
    file.SeekToBegin();
    GDoc* copy = new GDoc(m_pOwner, m_nIndex);
    try
    {
        CArchive in(&file, CArchive::load, 4096);
        copy->OpenZVW(in);
        in.Close();
    }
    catch (...)
    {
        delete copy;
        throw;
    }
    return copy;
}
