// The document's server item and the document's hook that makes it.
#include "app/CWServerItem.h"
#include "document/CWDocument.h"
#include "view/CWView.h"

IMPLEMENT_DYNAMIC(CWServerItem, COleServerItem)

namespace
{
// The zoom that fits the margins' width to the container's rectangle.
const short kZoomMarginsWidth = 3;
} // namespace

CWServerItem::CWServerItem(CWDocument* doc, int mode)
    : COleServerItem(doc, mode == kEmbeddedMode), m_nMode(mode)
{
}

// Still missing: fitting the zoom to the container's rectangle
// (ZoomPage), which comes with the view's zoom commands.
BOOL CWServerItem::OnDraw(CDC* dc, CSize&)
{
    CWDocument* doc = GetDocument();
    if (!doc || !dc)
        return FALSE;
    POSITION pos = doc->GetFirstViewPosition();
    CView* first = pos ? doc->GetNextView(pos) : NULL;
    if (!first || !first->IsKindOf(RUNTIME_CLASS(CWView)))
        return FALSE;
    CWView* view = (CWView*)first;
    InPlaceFlag = 1;
    view->m_nZoomMode = kZoomMarginsWidth;
    const LONG pageMode = view->m_bPageMode;
    view->m_bPageMode = 0;
    view->OnPrepareDC(dc);
    view->OnDraw(dc);
    view->m_bPageMode = pageMode;
    InPlaceFlag = 0;
    return TRUE;
}

COleServerItem* CWDocument::OnGetEmbeddedItem()
{
    return new CWServerItem(this, CWServerItem::kEmbeddedMode);
}
