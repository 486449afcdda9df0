// One page on the screen (paper, outline, shadow), the lines between text
// columns, and the clearing of the space below a page's last row.
#include "view/CWView.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "layout/text_measure.h"
#include "model/GPageInfo.h"
#include "model/GParaStyle.h"
#include <algorithm>

namespace {

const int kShadow = 8;            // logical units, not scaled to pixels
const long kColumnLineClearance = 25;
const int kBorderTopSide = 4;

void Fill(CDC* dc, int x, int y, int w, int h, COLORREF colour)
{
    CBrush brush(colour);
    CRect r(x, y, x + w, y + h);
    dc->FillRect(&r, &brush);
}

COLORREF PageColour()
{
    return Options.Colors[CWOptions::kColorPage];
}

COLORREF WorkspaceColour()
{
    return Options.Colors[CWOptions::kColorWorkspace];
}

// How much shorter the line between text columns of block must be: the
// widest top border of a paragraph that starts a column of the next block.
long ColumnLineShortening(const GDoc& flow, long block)
{
    if (block + 1 >= flow.m_columns.count)
        return 0;
    const GColumn& next = flow.m_columns[block + 1];
    long widest = 0;
    for (LONG b = 0; b < flow.m_borders.count; ++b)
    {
        const long row = flow.GetCharRow(flow.m_borders[b].first);
        for (int c = 0; c < kMostTextColumns && c < (BYTE)next.count; ++c)
            if (next.startRows[c] == row)
                widest = std::max(widest, flow.GetBorderWidth((int)b, kBorderTopSide) + kColumnLineClearance);
    }
    return widest;
}

} // namespace

void CWView::DrawPage(CDC* dc, long page, CRgn*, CPrintInfo* info)
{
    OfsViewDC(dc, -1, page, 0);
    CSize px(1, 1);
    dc->DPtoLP(&px);
    const int w = (int)m_nPageWidth, h = (int)m_nPageHeight;
    if (m_bPageMode)
    {
        FillWithBMP(dc, -px.cx, -px.cy, w + 2 * px.cx, h + 2 * px.cy);
        Fill(dc, w, kShadow, kShadow, h, RGB(0, 0, 0));
        Fill(dc, kShadow, h, w, kShadow, RGB(0, 0, 0));
        Fill(dc, w, -px.cy, kShadow, kShadow + 2 * px.cy, WorkspaceColour());
        Fill(dc, -px.cx, h, kShadow + 2 * px.cx, kShadow, WorkspaceColour());
        dc->MoveTo(-px.cx, -px.cy);
        dc->LineTo(-px.cx, h);
        dc->LineTo(w, h);
        dc->LineTo(w, -px.cy);
        dc->LineTo(-px.cx, -px.cy);
    }
    else if (info)
    {
        // The page background prints only when asked to; it has no
        // picture yet, so there is nothing to print.
    }
}

void CWView::FillWithBMP(CDC* dc, int x, int y, int w, int h)
{
    Fill(dc, x, y, w, h, PageColour());
}

void CWView::DrawDocParts(CDC* dc, long page)
{
    if (!m_pDoc)
        return;
    CPen pen(PS_SOLID, 0, Options.Colors[CWOptions::kColorColumns]);
    CPen* oldPen = dc->SelectObject(&pen);
    const long flows[3] = {kBodyFlow, m_pDoc->GetPageHeader(page), m_pDoc->GetPageFooter(page)};
    for (int k = 0; k < 3; ++k)
    {
        GDoc* flow = m_pDoc->GetFlow(flows[k]);
        if (!flow)
            continue;
        const long flowPage = k == 0 ? page : 0;
        if (flowPage + 1 >= flow->m_pages.count)
            continue;
        const long lastBlock = flow->GetPageColumn(flowPage + 1);
        for (long b = flow->GetPageColumn(flowPage); b < lastBlock; ++b)
        {
            const GColumn& block = flow->m_columns[b];
            const int count = (BYTE)block.count;
            if (count <= 1 || count > kMostTextColumns || !block.flags[1])
                continue;
            OfsViewDC(dc, flows[k], page, flow->GetColumnRow(b, 0));
            const long bottom = flow->m_columns[b + 1].position - block.position - ColumnLineShortening(*flow, b);
            long x = 0;
            for (int c = 0; c + 1 < count; ++c)
            {
                x += block.cols[c].width;
                const long lineX = x + block.cols[c].gap / 2;
                x += block.cols[c].gap;
                dc->MoveTo((int)lineX, 0);
                dc->LineTo((int)lineX, (int)bottom);
            }
        }
    }
    dc->SelectObject(oldPen);
    OfsViewDC(dc, -1, page, 0);
}

void CWView::ClearEndOfPage(CDC* dc, GDoc* flow, int page, int viewPage, int firstRow, int endRow)
{
    if (!flow || page < 0 || page + 1 >= flow->m_pages.count)
        return;
    const long nextPageRow = flow->GetPageRow(page + 1);
    const long lastRow = nextPageRow - 1;
    if (lastRow < firstRow || lastRow >= endRow || lastRow < 0)
        return;
    OfsViewDC(dc, -1, viewPage, 0);
    const long firstBlock = flow->GetPageColumn(page);
    const long lastBlock = std::max(firstBlock, flow->GetPageColumn(page + 1) - 1);
    const GColumn& last = flow->m_columns[lastBlock];
    long measured = lastRow;
    if ((BYTE)last.count > 1 && (BYTE)last.count <= kMostTextColumns && last.startRows[last.count - 1] >= 0)
        measured = last.startRows[last.count - 1];
    CFrame* frame = flow->m_pFirstFrame;
    if (frame && flow->m_nIndex == kBodyFlow)
        frame = frame->GetFrameByCol(std::min((long)page, frame->GetCols() - 1));
    if (!frame)
        return;
    CRect rect = frame->GetAreaByPage(page, 1);
    if (flow->m_nIndex < 6)
    {
        const GPageInfo& setup = CWDocument::PageSetupOf(m_pDoc);
        rect.left = std::max(0L, rect.left - (long)setup.textLeft);
        rect.right = std::min((long)setup.paperWidth, rect.right + (long)(setup.paperWidth - setup.textRight));
    }
    const long blocks = last.position - flow->m_columns[firstBlock].position;
    const long lastFirstRow = flow->GetColumnRow(lastBlock, 0);
    const long rows = measured + 1 < flow->m_rows.count && lastFirstRow >= 0
                          ? flow->m_rows[measured + 1].y - flow->m_rows[lastFirstRow].y
                          : 0;
    long top = rect.top + blocks + rows;
    const long maxHeight = flow->m_nIndex == kBodyFlow ? frame->GetMaxHeight(0) : frame->GetHeight();
    const long bottom = std::min(top + maxHeight - blocks - rows, (long)m_nPageHeight);
    top += ParaStyleOf(*flow, flow->GetRowPara(flow->GetPageRow(page))).m_Before.value;
    top += ParaStyleOf(*flow, flow->GetRowPara(lastRow)).m_After.value;
    if (bottom > top)
        Fill(dc, rect.left, (int)top, rect.Width(), (int)(bottom - top), PageColour());
}
