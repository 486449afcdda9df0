// Recording, footnote updates and the modified flag, shared by the
// editing interface.
#include "editing/editing_support.h"
#include "layout/CFrame.h"
#include "editing/document_editing.h"
#include "editing/CWUndoRedoStack.h"
#include "model/GField.h"
#include <algorithm>

BOOL UndoEnabled(const GDoc* flow)
{
    return flow->m_pOwner && flow->m_pOwner->m_bUndoEnabled;
}

BOOL RecordOperation(GDoc* flow, CWOperationItem* op)
{
    CWUndoRedoStack* stack = GetDocUndoStack(flow->m_pOwner);
    if (stack && stack->AddOperator(op))
        return TRUE;
    delete op;
    return FALSE;
}

void UpdateFootNotes(GDoc* flow, bool lastFirst)
{
    const LONG n = flow->m_fields.count;
    for (LONG k = 0; k < n; ++k)
    {
        GField* f = flow->m_fields[lastFirst ? n - 1 - k : k];
        if (f && f->m_nKind == kFieldFootNote)
            f->Update();
    }
}

void FinishRowEdit(GDoc* flow, long row, bool textOnly, bool wholeParagraph)
{
    flow->m_redraw.InvalByRow(row, row + 1);
    flow->ReRowByRow(row, row + 1, GDoc::kReRowEdit, wholeParagraph ? GDoc::kWholeParagraph : GDoc::kUntilRowsStay,
                     textOnly);
    UpdateFootNotes(flow, false);
    flow->Notify(1);
    MarkModified(flow);
}

bool OrdinaryStretch(const GDoc* flow, long from, long to)
{
    for (long i = from; i < to; ++i)
        if ((unsigned char)flow->m_chars[i] < ' ')
            return false;
    return true;
}

bool ParagraphStylesDiffer(const GDoc* flow, long from, long to)
{
    const long first = flow->GetCharPara(from), last = flow->GetCharPara(to);
    for (long p = first + 1; p <= last; ++p)
        if (!(flow->m_paras[p].style == flow->m_paras[first].style))
            return true;
    return false;
}

bool ApplyPendingStyle(GDoc* flow, long from, long to)
{
    if (!flow->m_pOwner || !flow->m_pOwner->m_pEditing || !flow->m_pOwner->m_pEditing->bPendingStyle)
        return false;
    GFontStyle style = flow->m_pOwner->m_pEditing->pendingStyle;
    flow->SetFontStyle(from, to, style, 1);
    GetDocEditing(flow->m_pOwner).bPendingStyle = FALSE;
    return true;
}

void MarkModified(GDoc* flow)
{
    if (flow->m_pOwner)
        flow->m_pOwner->SetModifiedFlag(TRUE);
}

bool IsUnanchoredFlow(const GDoc* flow)
{
    return flow->m_nIndex >= kFirstContentFlow && flow->m_pFirstFrame &&
           !flow->m_pFirstFrame->anchor;
}

void ParagraphChangeRange(const GDoc* flow, long s, long e, long& from, long& to)
{
    if (from >= 0)
        s = from;
    if (to >= 0)
        e = to;
    from = std::max(0L, std::min(s, LastCaretPos(flow)));
    to = std::max(0L, std::min(e, LastCaretPos(flow) + 1));
    if (to < from)
        std::swap(from, to);
    if (from < to && flow->m_chars[to - 1] == kParagraphEnd)
        --to;
}

long ParagraphChangeEnd(const GDoc* flow, long from, long to)
{
    return from < to && flow->m_chars[to] == kParagraphEnd ? to + 1 : to;
}
