// Repaint after the document changed: a whole view through invalidation,
// or, with a GRedraw hint, only the dirty rows and the selection's changed
// pieces straight onto the client area. The flows send their hints when a
// change bracket closes; a hint whose change the partial path cannot show
// exactly as a full repaint would invalidates the whole view instead.
#include "view/CWView.h"
#include "view/frame_painting.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GPageInfo.h"
#include <algorithm>
#include <climits>

namespace {

const int kTrackerRoom = 8;

const long kLastHeaderFooterFlow = 6;

bool IsHeaderFooterFlow(long index)
{
    return index >= 1 && index <= kLastHeaderFooterFlow;
}

bool HasSelection(long from, long to)
{
    return from != to;
}

// Inverts what differs between the old and the new selection on rows r0 to
// r1: drawing a range twice removes it.
void InvertSelectionChange(CWView* view, CDC* dc, GDoc* flow, const GRedraw& r, long r0, long r1, long flowPage,
                           long page)
{
    if (r.m_nOldSelFirst == r.m_nSelFirst || r.m_nOldSelEnd == r.m_nSelEnd)
    {
        flow->DrawSelection(dc, view, r0, r1, r.m_nOldSelFirst, r.m_nSelFirst, flowPage, page);
        flow->DrawSelection(dc, view, r0, r1, r.m_nOldSelEnd, r.m_nSelEnd, flowPage, page);
    }
    else
    {
        flow->DrawSelection(dc, view, r0, r1, r.m_nOldSelFirst, r.m_nOldSelEnd, flowPage, page);
        flow->DrawSelection(dc, view, r0, r1, r.m_nSelFirst, r.m_nSelEnd, flowPage, page);
    }
}

long FirstRowOfPage(GDoc* flow, long page)
{
    if (page >= flow->m_pages.count)
        return flow->m_rows.count - 1;
    return flow->GetPageRow(page);
}

// The frame a repaint box belongs to, looked up by address among the
// document's frames: the box may outlive its frame.
CFrame* FindFrame(CWDocument* doc, const CFrame* wanted)
{
    if (!doc || !wanted)
        return NULL;
    for (LONG i = 0; i < doc->m_frames.count; ++i)
        if (doc->m_frames[i] == wanted)
            return doc->m_frames[i];
    for (LONG f = 0; f < doc->m_flows.count; ++f)
        if (GDoc* flow = doc->m_flows[f])
            for (LONG i = 0; i < flow->m_frames.count; ++i)
                if (flow->m_frames[i] == wanted)
                    return flow->m_frames[i];
    return NULL;
}

// Whether the partial path shows this change exactly as a full repaint
// would: a change of the body while the body is edited, in a document with
// no footnote or frame text (their areas share the pages) and no frame on
// the body that the text can push, on pages of one text column; and where
// dirty rows are redrawn, no selection before or after (the rows' own
// pixels carry none, and selected rows outside the dirty range would be
// inverted once too often).
bool PaintsInPlace(CWDocument* doc, GDoc* edited, const GRedraw& r, bool scrolled)
{
    if (scrolled || r.m_bExtraDirty || r.m_nIndex != kBodyFlow)
        return false;
    GDoc* body = doc->GetFlow(kBodyFlow);
    if (!body || body != edited || body->m_frames.count != 0 || body->m_pRepaintFrame)
        return false;
    for (LONG i = kLastHeaderFooterFlow + 1; i < doc->m_flows.count; ++i)
        if (doc->m_flows[i])
            return false;
    const bool dirty = r.m_nFirstRow != r.m_nEndRow;
    if (!dirty)
        return true;
    if (HasSelection(r.m_nOldSelFirst, r.m_nOldSelEnd) || HasSelection(r.m_nSelFirst, r.m_nSelEnd))
        return false;
    const long lastRow = body->m_rows.count - 2;
    if (r.m_nFirstRow < 0 || lastRow < 0)
        return false;
    const long firstPage = body->GetRowPage(std::min((long)r.m_nFirstRow, lastRow));
    const long lastPage = body->GetRowPage(std::min((long)r.m_nEndRow, lastRow));
    const long endBlock = lastPage + 1 < body->m_pages.count ? body->GetPageColumn(lastPage + 1) : body->m_columns.count;
    for (long b = body->GetPageColumn(firstPage); b < endBlock && b < body->m_columns.count; ++b)
    {
        const BYTE columns = (BYTE)body->m_columns[b].count;
        if (columns > 1 && columns != kClosingColumnCount)
            return false;
    }
    return true;
}

} // namespace

long CWView::min3(long a, long b, long c)
{
    return std::min(a, std::min(b, c));
}

long CWView::max3(long a, long b, long c)
{
    return std::max(a, std::max(b, c));
}

void CWView::InvalidateView()
{
    if (m_pDoc)
    {
        m_pDoc->m_bViewsInvalidated = m_pDoc->m_nViewNotify != 0;
        if (GDoc* body = m_pDoc->GetFlow(kBodyFlow))
            m_nPages = body->m_pages.count - 1;
    }
    if (HasWindow())
        InvalidateRect(NULL, FALSE);
}

void CWView::OnUpdate(CView*, LPARAM, CObject* pHint)
{
    if (CWCustomFrameData* data = GetCustomFrameData())
        data->SetCurrentView(this);
    GDoc* current = DocC();
    if (!m_pDoc || !current)
        return;
    m_nCaretRow = current->GetCharRow(current->m_nCaret);
    if (CurPart() == kBodyFlow)
        m_nCaretPage = current->GetCharPage(current->m_nCaret);
    const GPageInfo& setup = CWDocument::PageSetupOf(m_pDoc);
    m_nPageWidth = setup.paperWidth;
    m_nPageHeight = setup.paperHeight;
    bool pagesChanged = false;
    if (GDoc* body = m_pDoc->GetFlow(kBodyFlow))
        if (body->m_pages.count - 1 != m_nPages)
        {
            pagesChanged = true;
            m_nPages = body->m_pages.count - 1;
            UpdateScroller(0);
        }
    const long scrollX = HasWindow() ? GetScrollPos(SB_HORZ) : 0, scrollY = m_yPos;
    // The focus as its messages left it: asking the system is a round trip
    // to the window server.
    if (HasWindow() && m_bHasFocus)
    {
        HideCaret();
        ScrollToCaret();
    }
    if (!pHint || !pHint->IsKindOf(RUNTIME_CLASS(GRedraw)) || !HasWindow())
        return;
    GRedraw& r = *(GRedraw*)pHint;
    if (InPlaceFlag)
        return;
    const bool scrolled = scrollX != GetScrollPos(SB_HORZ) || scrollY != m_yPos || pagesChanged;
    GDoc* flow = m_pDoc->GetFlow(r.m_nIndex);
    if (flow && !PaintsInPlace(m_pDoc, current, r, scrolled))
    {
        // What the flow changed is shown by the next paint, whole.
        InvalidateRect(NULL, TRUE);
        return;
    }
    const bool dirty = r.m_nFirstRow != r.m_nEndRow;
    const bool oldSel = HasSelection(r.m_nOldSelFirst, r.m_nOldSelEnd);
    const bool newSel = HasSelection(r.m_nSelFirst, r.m_nSelEnd);
    if (flow && (dirty || oldSel || newSel))
    {
        // The caret is drawn by inversion: painted over while shown, it
        // would leave its inverse behind when it goes.
        HideCaret();
        CClientDC dc(this);
        OnPrepareDC(&dc);
        long first = min3(dirty ? r.m_nFirstRow : LONG_MAX, newSel ? flow->GetCharRow(r.m_nSelFirst) : LONG_MAX,
                          oldSel ? flow->GetCharRow(r.m_nOldSelFirst) : LONG_MAX);
        long end = max3(dirty ? r.m_nEndRow : LONG_MIN, newSel ? flow->GetCharRow(r.m_nSelEnd) : LONG_MIN,
                        oldSel ? flow->GetCharRow(r.m_nOldSelEnd) : LONG_MIN);
        if (end <= first)
            end = first + 1;
        if (IsHeaderFooterFlow(r.m_nIndex))
            UpdateHeaderFooter(&dc, flow, first, end, &r);
        else
        {
            const bool body = r.m_nIndex == kBodyFlow;
            const long lastRow = std::min(end, (long)flow->m_rows.count - 1) - 1;
            const long firstPage = flow->GetRowPage(std::max(0L, first));
            const long lastPage = flow->GetRowPage(std::max(first, lastRow));
            for (long p = firstPage; p <= lastPage; ++p)
            {
                const long vp = body ? p : m_nCaretPage;
                if (p == firstPage && p != 0)
                {
                    OfsViewDC(&dc, -1, vp - 1, 0);
                    ClipWithFrames(&dc, vp - 1, flow);
                    ClearEndOfPage(&dc, flow, (int)(vp - 1), (int)(vp - 1), (int)(first - 1), (int)end);
                }
                if (!IsPageVisible(vp))
                    continue;
                const long r0 = FirstRowOfPage(flow, p), r1 = FirstRowOfPage(flow, p + 1);
                OfsViewDC(&dc, -1, vp, 0);
                ClipWithFrames(&dc, vp, flow);
                if (dirty)
                {
                    const long from = std::max((long)r.m_nFirstRow, r0), to = std::min((long)r.m_nEndRow, r1);
                    if (from < to)
                        flow->DrawRowsMem(&dc, this, from, to, p, vp);
                    if (body)
                        DrawDocParts(&dc, p);
                    ClearEndOfPage(&dc, flow, (int)p, (int)p, (int)first, (int)end);
                    CFrame* frame = flow->m_pFirstFrame;
                    if (flow == DocC() && frame && frame->tracker)
                    {
                        frame->CreateTracker(this);
                        frame->UpdateTracker(this, vp);
                    }
                    for (LONG i = 0; i < flow->m_frames.count; ++i)
                    {
                        CFrame* f = flow->m_frames[i];
                        if (f->hasArrow && f->IsVisible(p))
                            f->DrawArrow(1, &dc, this, 0);
                    }
                    flow->DrawSelection(&dc, this, r0, r1, r.m_nSelFirst, r.m_nSelEnd, p, vp);
                }
                else
                    InvertSelectionChange(this, &dc, flow, r, r0, r1, p, vp);
            }
        }
    }
    GDoc* owner = r.m_pDoc ? r.m_pDoc : flow;
    if (owner && owner->m_pRepaintFrame)
        InvalidateFrame(&r);
}

void CWView::UpdateHeaderFooter(CDC* dc, GDoc* flow, long first, long end, GRedraw* redraw)
{
    GDoc* body = m_pDoc ? m_pDoc->GetFlow(kBodyFlow) : NULL;
    if (!body)
        return;
    const long r0 = FirstRowOfPage(flow, 0), r1 = FirstRowOfPage(flow, 1);
    const bool dirty = redraw->m_nFirstRow != redraw->m_nEndRow;
    for (long p = 0; p < m_nPages; ++p)
    {
        if (!IsPageVisible(p))
            continue;
        if (m_pDoc->GetPageHeader(p) != flow->m_nIndex && m_pDoc->GetPageFooter(p) != flow->m_nIndex)
            continue;
        OfsViewDC(dc, -1, p, 0);
        ClipWithFrames(dc, p, body);
        if (!dirty)
            InvertSelectionChange(this, dc, flow, *redraw, r0, r1, 0, p);
        else
        {
            flow->DrawRowsMem(dc, this, first, std::min(end, r1), 0, p);
            flow->DrawSelection(dc, this, r0, r1, flow->m_nSelFirst, flow->m_nSelEnd, 0, p);
        }
        ClearEndOfPage(dc, flow, 0, (int)p, (int)first, (int)end);
    }
}

void CWView::CalcInvalidateRows(GRedraw* redraw, GDoc* flow, long& first, long& end)
{
    if (redraw->m_nSelFirst != redraw->m_nOldSelFirst)
    {
        const long a = flow->GetCharRow(redraw->m_nSelFirst), b = flow->GetCharRow(redraw->m_nOldSelFirst);
        first = min3(first, a, b);
        end = max3(end, a + 1, b + 1);
    }
    if (redraw->m_nSelEnd != redraw->m_nOldSelEnd)
    {
        const long a = flow->GetCharRow(redraw->m_nSelEnd), b = flow->GetCharRow(redraw->m_nOldSelEnd);
        first = min3(first, a, b);
        end = max3(end, a + 1, b + 1);
    }
}

void CWView::InvalidateFrame(GRedraw* redraw)
{
    GDoc* flow = redraw->m_pDoc ? redraw->m_pDoc : (m_pDoc ? m_pDoc->GetFlow(redraw->m_nIndex) : NULL);
    if (!flow || !flow->m_pRepaintFrame)
        return;
    CFrame* frame = FindFrame(m_pDoc, flow->m_pRepaintFrame);
    long page = m_nCaretPage;
    if (frame)
    {
        const long v = frame->vKind;
        if (v != kVHeaderOdd && v != kVHeaderEven && v != kVFooterOdd && v != kVFooterEven)
            page = frame->GetPage();
    }
    if (!IsPageVisible(page))
        return;
    CRect box = flow->m_rcFrameRepaint;
    box.OffsetRect((int)m_nLeftGap, (int)CalcPageToY(page));
    CRect px((int)Pixels(box.left, 1), (int)Pixels(box.top, 0), (int)Pixels(box.right, 1),
             (int)Pixels(box.bottom, 0));
    px.OffsetRect(-(HasWindow() ? GetScrollPos(SB_HORZ) : 0), -(int)Pixels(m_yPos, 0));
    if (!frame || (frame->tracker && frame->content == DocC()))
        px.InflateRect(kTrackerRoom, kTrackerRoom);
    if (HasWindow())
        InvalidateRect(&px, FALSE);
}

void CWView::ClipWithFrames(CDC* dc, long page, GDoc* flow)
{
    for (LONG i = flow->m_frames.count - 1; i >= 0; --i)
    {
        CFrame* frame = flow->m_frames[i];
        if (!IsFrameTransparent(frame) && frame->IsVisible(page))
            ExcludeFrame(dc, frame, page, NULL);
    }
}
