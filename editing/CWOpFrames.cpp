// Undo and redo of frame insertion, deletion, moving and resizing.
#include "editing/CWOpFrames.h"
#include "resources/resource.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "model/GDoc.h"

IMPLEMENT_DYNCREATE(CWOpFrame, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpMoveResizeFrame, CWOperationItem)

namespace
{
const int kIdsInsertFrame = IDS_OP_INSERT_FRAME_CALLOUT;
const int kIdsDeleteFrame = IDS_OP_DELETE_FRAME_CALLOUT;
const int kIdsMoveFrame = IDS_OP_RESIZE_MOVE_FRAME;

// Re-breaks the rows of page and of nothing after it.
void ReRowPage(GDoc* flow, long page)
{
    if (!flow || flow->m_pages.count < 2)
        return;
    page = std::max(0L, std::min(page, (long)flow->m_pages.count - 2));
    long from = flow->GetPageRow(page);
    long to = flow->GetPageRow(page + 1);
    flow->ReRowByRow(from, std::max(to, from + 1), GDoc::kReRowEdit, GDoc::kUntilRowsStay);
}

// Removes the one entry p of an owning array without releasing it.
template <class Array, class P>
void TakeOut(Array& list, P p)
{
    for (LONG i = 0; i < list.count; ++i)
        if (list[i] == p)
        {
            list.data[i] = NULL;   // the slot releases nothing
            list.Destroy(i, 1);
            return;
        }
}
}

CWOpFrame::CWOpFrame(GDoc* flow, CFrame* frame, int inserted)
    : CWOperationItem(flow), m_pFrame(frame), m_bInserted(inserted)
{
}

// Still missing: switching the document's view to the frame's text
// (CWView::SetDocPart); no views exist yet. Only the frame's page is
// re-broken: the frame changes no other page's rows.
void CWOpFrame::Insert()
{
    CWDocument* doc = m_pDoc->m_pOwner;
    m_pDoc->m_frames.Add(m_pFrame);
    if (doc && m_pFrame->content)
    {
        m_pFrame->content->m_nIndex = doc->m_flows.count;
        doc->m_flows.Add(m_pFrame->content);
    }
    CChangeBracket bracket(doc);
    ReRowPage(m_pDoc, m_pFrame->GetPage());
}

void CWOpFrame::Delete()
{
    CWDocument* doc = m_pDoc->m_pOwner;
    CChangeBracket bracket(doc);
    const long page = m_pFrame->GetPage();
    // Both objects survive their removal, for a later insert.
    TakeOut(m_pDoc->m_frames, m_pFrame);
    if (doc && m_pFrame->content)
    {
        TakeOut(doc->m_flows, m_pFrame->content);
        for (LONG i = kFirstContentFlow; i < doc->m_flows.count; ++i)
            if (doc->m_flows[i])
                doc->m_flows[i]->m_nIndex = i;
    }
    ReRowPage(m_pDoc, page);
}

BOOL CWOpFrame::ActionUndo()
{
    if (m_bInserted)
        Delete();
    else
        Insert();
    return TRUE;
}

BOOL CWOpFrame::ActionRedo()
{
    if (m_bInserted)
        Insert();
    else
        Delete();
    return TRUE;
}

CString CWOpFrame::GetName()
{
    return m_bInserted ? OperationName(kIdsInsertFrame, "Insert Frame/Callout")
                       : OperationName(kIdsDeleteFrame, "Delete Frame/Callout");
}

CWOpMoveResizeFrame::CWOpMoveResizeFrame(CFrame* frame, CWDocument* doc, int dy, int dx, int dHeight, int dWidth,
                                         long page)
    : m_pFrame(frame), m_pDocument(doc), m_dy(dy), m_dx(dx), m_dHeight(dHeight), m_dWidth(dWidth), m_nPage((LONG)page)
{
}

// sign 1 undoes the change, -1 makes it again.
void CWOpMoveResizeFrame::Apply(int sign)
{
    CChangeBracket bracket(m_pDocument);
    m_pFrame->y += sign * m_dy;
    m_pFrame->x += sign * m_dx;
    m_pFrame->height -= sign * m_dHeight;
    m_pFrame->width -= sign * m_dWidth;
    if (GDoc* content = m_pFrame->content)
        for (LONG i = 0; i < content->m_columns.count; ++i)
            content->m_columns[i].cols[0].width = m_pFrame->width - 2 * m_pFrame->hTextDistance;
    m_pFrame->MakeArea(0);
    ReRowPage(m_pFrame->anchor, m_nPage);
}

BOOL CWOpMoveResizeFrame::ActionUndo()
{
    Apply(1);
    return TRUE;
}

BOOL CWOpMoveResizeFrame::ActionRedo()
{
    Apply(-1);
    return TRUE;
}

CString CWOpMoveResizeFrame::GetName()
{
    return OperationName(kIdsMoveFrame, "Resize/Move Frame");
}
