// One frame's rows, selection and tracker on a page.
#include "view/CWView.h"
#include "view/trackers.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include <algorithm>

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
    const long first = content->GetPageRow(flowPage);
    const long end = content->GetPageRow(flowPage + 1);
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
