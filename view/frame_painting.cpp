// One frame's rows, selection and tracker on a page.
#include "view/CWView.h"
#include "view/trackers.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "layout/text_measure.h"
#include "model/GParaStyle.h"
#include <algorithm>

namespace {

// Narrows first..end to the rows that may show in clip (page coordinates):
// rows below its bottom go from the end, rows above its top from the start.
// Tops count from the page's first column block, as the rows are drawn.
void SkipRowsOutside(GDoc& flow, const CRect& area, const CRect& clip, long flowPage, long& first, long& end)
{
    const long pageTop = flow.m_columns[flow.GetPageColumn(flowPage)].position;
    const long shift = area.top
                       + ParaStyleOf(flow, flow.GetRowPara(flow.GetPageRow(flowPage))).m_Before.value - pageTop;
    auto top = [&](long r) { return flow.m_rows[r].y + shift; };
    while (end > first && top(end - 1) > clip.bottom)
        --end;
    while (first < end && top(first) + flow.RowHi(first, -1) < clip.top)
        ++first;
}

} // namespace

int CFrame::OnDraw(CDC* dc, CWView* view, CRect* clip, long page)
{
    if (clip)
    {
        CRect area = GetAreaByPage(page, 0);
        CRect both;
        if (!both.IntersectRect(&area, clip))
            return 0;
    }
    if (!content)
        return 1;
    const long flowPage = content->m_nIndex == kBodyFlow ? page : 0;
    if (flowPage >= content->m_pages.count - 1)
        return 1;
    long first = content->GetPageRow(flowPage);
    long end = content->GetPageRow(flowPage + 1);
    if (clip && view->m_bPageMode)
        SkipRowsOutside(*content, GetAreaByPage(page, 1), *clip, flowPage, first, end);
    content->DrawRows(dc, view, first, end, flowPage, page);
    if (view->m_bPageMode)
    {
        const long from = std::max((long)content->m_nSelFirst, content->GetRowChar(first));
        const long to = std::min((long)content->m_nSelEnd, content->GetRowChar(end));
        if (from < to)
            content->DrawSelection(dc, view, first, end, from, to, flowPage, page);
        if (content == view->DocC() && tracker)
        {
            CreateTracker(view);
            UpdateTracker(view, page);
            const int saved = dc->SaveDC();
            dc->SetMapMode(MM_TEXT);
            dc->SetWindowOrg(0, 0);
            dc->SetViewportOrg(0, 0);
            tracker->Draw(dc);
            dc->RestoreDC(saved);
        }
    }
    view->OfsViewDC(dc, -1, page, 0);
    return 1;
}
