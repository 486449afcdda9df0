// The Edit menu: undo and redo, delete, select all, find next and the
// Go To dialog's moves, with the states of their menu items.
#include "view/CWView.h"
#include "dialogs/CWFndRpl.h"
#include "document/CWDocument.h"
#include "model/GField.h"
#include "model/GImage.h"
#include "model/GLumifex.h"
#include "model/GOle.h"
#include <algorithm>

namespace {

const BYTE kFieldObject = 1;

// The fields of flow in position order that the walk counts: embedded
// objects, or every other kind.
bool Counted(const GField* field, bool objects)
{
    return (field->m_nKind == kFieldObject) == objects;
}

// The field n counted fields away (from the caret, or from the start when
// absolute); -1 when the walk runs off the list.
long FindCountedField(GDoc* flow, bool absolute, int n, bool objects)
{
    const long count = flow->m_fields.count;
    long start = 0;
    if (!absolute)
    {
        const long caret = flow->m_nCaret;
        for (start = 0; start < count; ++start)
        {
            const GField* field = flow->m_fields[start];
            if (!Counted(field, objects))
                continue;
            if (field->m_nPos > caret)
                break;
            if (field->m_nPos == caret)
            {
                if (n > 0)
                    ++start;
                break;
            }
        }
    }
    else if (n < 0)
        return -1;
    int counted = 0;
    if (n > 0)
    {
        for (long i = start; i < count; ++i)
            if (Counted(flow->m_fields[i], objects) && ++counted == n)
                return i;
    }
    else
    {
        for (long i = start - 1; i >= 0; --i)
            if (Counted(flow->m_fields[i], objects) && --counted == n)
                return i;
    }
    return -1;
}

} // namespace

void CWView::OnEditUndo()
{
    if (m_pDoc && m_pDoc->CanUndo())
        m_pDoc->MakeUndo();
    SetCaret(1);
    ScrollToCaret();
}

void CWView::OnEditRedo()
{
    if (m_pDoc && m_pDoc->CanRedo())
        m_pDoc->MakeRedo();
    SetCaret(0);
}

void CWView::OnUpdateEditUndo(CCmdUI* ui)
{
    ui->Enable(m_pDoc && m_pDoc->CanUndo());
}

void CWView::OnUpdateEditRedo(CCmdUI* ui)
{
    ui->Enable(m_pDoc && m_pDoc->CanRedo());
}

void CWView::OnEditDelete()
{
    Delete();
}

void CWView::OnUpdateEditDelete(CCmdUI* ui)
{
    GDoc* flow = DocC();
    ui->Enable(flow && (flow->m_nSelFirst != flow->m_nSelEnd || flow->m_nCaret < flow->m_chars.count - 3));
}

void CWView::OnEditSelectAll()
{
    GDoc* flow = DocC();
    if (!flow)
        return;
    {
        CChangeBracket bracket(m_pDoc);
        flow->Select(0, flow->m_chars.count - 3);
    }
    SetCaret(0);
}

void CWView::OnUpdateEditSelectAll(CCmdUI* ui)
{
    ui->Enable(DocC() != NULL);
}

void CWView::OnEditFindNext()
{
    GDoc* flow = DocC();
    if (!flow)
        return;
    if ((Find_Replace_Status == 1 || Find_Replace_Status == 2) && FndArr.GetCount() > 0)
    {
        CWFndRpl& request = FndArr[0];
        // A search that found nothing left no place to go on from: the
        // next one starts again at the part's start.
        if (request.position < 0)
            request.position = 0;
        long start = request.position, end = 0;
        flow->Find(start, end, &request);
        {
            CChangeBracket bracket(m_pDoc);
            flow->Select(start, end);
            flow->SetPos(end);
            ScrollToCaret();
        }
        if (request.direction != CWFndRpl::kUp)
            request.position = (LONG)end;
        else
            request.position = (LONG)start;
    }
    if (Find_Replace_Status == 2)
        OnEditReplace();
    SetCaret(0);
}

void CWView::OnUpdateEditFindNext(CCmdUI* ui)
{
    ui->Enable(FndArr.GetCount() > 0 || RplArr.GetCount() > 0);
}

// Still missing until the dialogs are built: the Find, Replace, Go To and
// undo-list dialogs, which answer Cancel for now.
void CWView::OnEditFind()
{
    Find_Replace_Status = 1;
    SetCaret(0);
}

void CWView::OnEditReplace()
{
    Find_Replace_Status = 2;
    SetCaret(0);
}

void CWView::OnEditGoto()
{
    SetCaret(0);
}

void CWView::OnUndoDialog()
{
    SetCaret(0);
}

void CWView::OnRedoDialog()
{
    SetCaret(0);
}

void CWView::GotoPage(bool absolute, int n)
{
    GDoc* flow = DocC();
    if (!flow || n == 0)
        return;
    long target = absolute ? n - 1 : flow->GetCharPage(flow->m_nCaret) + n;
    target = std::max(0L, std::min(target, (long)m_nPages - 1));
    MoveCaret(flow->GetPageChar(target));
    ScrollToCaret();
    SetCaret(0);
}

void CWView::GotoField(bool absolute, int n)
{
    GDoc* flow = DocC();
    if (!flow || n == 0)
        return;
    const long index = FindCountedField(flow, absolute, n, false);
    if (index < 0)
        return;
    const long pos = flow->m_fields[index]->m_nPos;
    MoveCaret(pos);
    ScrollToCaret();
    {
        CChangeBracket bracket(m_pDoc);
        flow->Select(pos, pos + 1);
        SetSelection((GOle*)NULL, 0);
        SetSelection((GImage*)NULL, 0);
        SetSelection((GLumifex*)NULL, 0);
    }
    SetCaret(0);
}

void CWView::GotoObject(bool absolute, int n)
{
    GDoc* flow = DocC();
    if (!flow || n == 0)
        return;
    const long index = FindCountedField(flow, absolute, n, true);
    if (index < 0)
        return;
    MoveCaret(flow->m_fields[index]->m_nPos);
    ScrollToCaret();
    SetSelection((GOle*)flow->m_fields[index], 0);
    SetCaret(0);
}
