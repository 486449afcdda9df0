// The selection tracker of a frame text: made when the frame is selected,
// placed in the view's client pixels on every repaint, deleted with the
// selection or the frame.
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"
#include "view/CWView.h"
#include "view/trackers.h"

namespace
{
const int kTrackerHandleSize = 8;
// The smallest frame the tracker lets the user make, 0.1 mm.
const long kMinTrackWidth = 100;
const long kMinTrackHeight = 50;

// A page-relative rectangle of page in the view's client pixels.
CRect PageRectToScreen(CWView* view, long page, const CRect& r)
{
    long pageTop = view->CalcPageToY(page);
    long left = r.left, top = r.top + pageTop;
    long right = r.right, bottom = r.bottom + pageTop;
    view->PageToScreen(left, top);
    view->PageToScreen(right, bottom);
    return CRect(left, top, right, bottom);
}
} // namespace

void CFrame::CreateTracker(CWView* view)
{
    if (tracker)
        return;
    CRect empty(0, 0, 0, 0);
    tracker = new CWLimitedTracker(&empty, CRectTracker::hatchedBorder);
    tracker->m_bBorderCursors = 1;
    tracker->m_nHandleSize = kTrackerHandleSize;
    // A size, so only the scale applies: no left gap, no scrolling.
    tracker->m_sizeMin = CSize(view->Pixels(kMinTrackWidth, 1), view->Pixels(kMinTrackHeight, 0));
}

void CFrame::DestroyTracker()
{
    delete tracker;
    delete arrowTracker;
    tracker = NULL;
    arrowTracker = NULL;
}

void CFrame::UpdateTracker(CWView* view, long page)
{
    if (!tracker || !content || content->m_nIndex < kFirstContentFlow)
        return;
    tracker->m_rect = PageRectToScreen(view, page, GetAreaByPage(page, 0));
    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    tracker->SetMaxRect(PageRectToScreen(view, page, CRect(0, 0, info.paperWidth, info.paperHeight)));
}
