// The resize trackers on embedded objects, pictures and text effects
// selected as a whole, limited to their page's frame area, and the
// conversions between document units and client pixels they rest on.
#include "view/CWView.h"
#include "view/trackers.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GImage.h"
#include "model/GLumifex.h"
#include "model/GOle.h"
#include "model/object_fields.h"
#include "ZTItems.h"

namespace
{
// The smallest item the tracker leaves and its handles' size, 0.1 mm.
const long kItemMinSize = 50;
const long kItemHandleSize = 15;

// A context of the view's client area (of the screen without a window),
// mapped as the view maps its own.
class CPreparedClientDC : public CClientDC
{
public:
    explicit CPreparedClientDC(CWView* view) : CClientDC(view->HasWindow() ? view->m_hWnd : (HWND)NULL)
    {
        view->OnPrepareDC(this);
    }
};
// The object's client item is open in its own window or active with its
// user interface: its outline is hatched whether selected or not.
bool IsItemOpen(const GOle& ole)
{
    const CZTOleClientItem* client = ole.m_pItem ? ole.m_pItem->GetOleItem() : NULL;
    return client && (client->GetItemState() == COleClientItem::openState ||
                      client->GetItemState() == COleClientItem::activeUIState);
}
} // namespace

void CWView::DocToClient(CRect& rect)
{
    CPreparedClientDC dc(this);
    dc.LPtoDP(&rect);
    rect.NormalizeRect();
}

void CWView::ClientToDoc(CRect& rect)
{
    CPreparedClientDC dc(this);
    dc.DPtoLP(&rect);
}

void CWView::DocToClient(CSize& size)
{
    CPreparedClientDC dc(this);
    dc.LPtoDP(&size);
    size.cx = labs(size.cx);
    size.cy = labs(size.cy);
}

void CWView::ClientToDoc(CSize& size)
{
    CPreparedClientDC dc(this);
    dc.DPtoLP(&size);
    size.cx = labs(size.cx);
    size.cy = labs(size.cy);
}

void CWView::DocToClient(CPoint& point)
{
    CPreparedClientDC dc(this);
    dc.LPtoDP(&point);
}

void CWView::ClientToDoc(CPoint& point)
{
    CPreparedClientDC dc(this);
    dc.DPtoLP(&point);
}

void CWView::PrepareItemTracker(CWLimitedTracker* tracker, GField* field, CRect rect, int leftInset)
{
    DocToClient(rect);
    rect.top += 1;
    rect.left += leftInset;
    tracker->m_rect = rect;

    CSize least(kItemMinSize, kItemMinSize);
    DocToClient(least);
    tracker->m_sizeMin = least;
    CSize handle(kItemHandleSize, kItemHandleSize);
    DocToClient(handle);
    tracker->m_nHandleSize = (int)std::min(handle.cx, handle.cy);
    tracker->m_nStyle = 0;

    // The item may not be dragged out of its flow's frame on its page.
    GDoc* flow = field->m_pDoc;
    if (!flow)
        return;
    const long page = flow->GetCharPage(field->m_nPos);
    CFrame* frame = flow->ChainFrame(page);
    if (!frame)
        return;
    CRect area = frame->GetAreaByPage(page, 0);
    area.right = area.left + frame->GetWidth() - 2 * frame->hTextDistance;
    area.bottom = area.top + frame->GetHeight() - 2 * frame->vTextDistance;
    const long pageTop = CalcPageToY(page);
    long left = area.left, top = area.top + pageTop, right = area.right, bottom = area.bottom + pageTop;
    PageToScreen(left, top);
    PageToScreen(right, bottom);
    tracker->SetMaxRect(CRect((int)left, (int)top, (int)right, (int)bottom));
}

// Still missing until the embedding layer exists: a linked object, which
// gets a dotted line instead of the solid one.
void CWView::SetupTracker(CWLimitedTracker* tracker, GOle* ole, CRect* trueRect)
{
    PrepareItemTracker(tracker, ole, ole->GetRect(this), 0);
    if (ole->m_pItem && m_pDoc && m_pDoc->m_pSelItem == ole->m_pItem)
        tracker->m_nStyle |= CRectTracker::solidLine | CRectTracker::resizeInside;
    if (IsItemOpen(*ole))
        tracker->m_nStyle |= CRectTracker::hatchInside;
    if (trueRect)
        tracker->GetTrueRect(trueRect);
}

void CWView::SetupTracker(CWLimitedTracker* tracker, GImage* image, CRect* trueRect)
{
    PrepareItemTracker(tracker, image, image->GetRect(this), 1);
    if (m_pDoc && m_pDoc->m_pSelImage == image)
        tracker->m_nStyle |= CRectTracker::dottedLine | CRectTracker::resizeInside;
    if (trueRect)
        tracker->GetTrueRect(trueRect);
}

void CWView::SetupTracker(CWLimitedTracker* tracker, GLumifex* effect, CRect* trueRect)
{
    PrepareItemTracker(tracker, effect, effect->GetRect(this), 1);
    if (m_pDoc && m_pDoc->m_pSelLumifex == effect)
        tracker->m_nStyle |= CRectTracker::dottedLine | CRectTracker::resizeInside;
    if (trueRect)
        tracker->GetTrueRect(trueRect);
}

void CWView::DrawItemTracker(CDC* dc, GField* field)
{
    // Most objects on a page show no outline: only the selected ones and
    // open objects are worth a tracker's set-up.
    if (!m_pDoc || !field)
        return;
    GOle* asOle = dynamic_cast<GOle*>(field);
    if (field != m_pDoc->m_pSelImage && field != m_pDoc->m_pSelLumifex && field != m_pDoc->m_pSelOle &&
        !(asOle && IsItemOpen(*asOle)))
        return;
    CWLimitedTracker tracker;
    int leftInset = 1;
    if (GImage* image = dynamic_cast<GImage*>(field))
        SetupTracker(&tracker, image, NULL);
    else if (GLumifex* effect = dynamic_cast<GLumifex*>(field))
        SetupTracker(&tracker, effect, NULL);
    else if (GOle* ole = dynamic_cast<GOle*>(field))
    {
        SetupTracker(&tracker, ole, NULL);
        leftInset = 0;
    }
    const CRect* stored = StoredObjectRect(*field);
    if (!tracker.m_nStyle || !stored)
        return;
    // The item was just drawn on dc: its outline goes where dc put it, in
    // dc's own pixels, which a row drawn through a bitmap has shifted from
    // the client's.
    CRect rect = *stored;
    dc->LPtoDP(&rect);
    rect.NormalizeRect();
    rect.top += 1;
    rect.left += leftInset;
    tracker.m_rect = rect;
    tracker.Draw(dc);
}
