// Deleting a range of a flow as one undoable step: the text stretches
// between fields are recorded separately inside one unnamed group.
#include "CWDocument_editing.h"
#include "CWOpBigUndo.h"
#include "CWOpText.h"
#include "GField.h"
#include "editing_support.h"

namespace
{
// Records the deletion of from..to - 1 (no field marks inside). The record
// stands shift positions earlier: the fields before it are not put back by
// undo, so the text must close up over them.
void RecordStretch(GDoc* flow, long from, long to, long shift)
{
    if (from >= to)
        return;
    CString* text = new CString((const char*)&flow->m_chars[from], (int)(to - from));
    CWOpDeleteText* op = new CWOpDeleteText(flow, from, to, text);
    op->Shift(-shift);
    RecordOperation(flow, op);
}
}

void GDoc::DeleteText(long from, long to, int redraw)
{
    if (from > to)
        std::swap(from, to);
    // The closing characters are never deleted.
    from = std::max(0L, std::min(from, LastCaretPos(this)));
    to = std::max(0L, std::min(to, LastCaretPos(this)));
    if (from == to)
        return;

    CWOpBigUndo* group = NULL;
    if (UndoEnabled(this))
    {
        group = new CWOpBigUndo(m_pOwner, CString());
        if (RecordOperation(this, group))
            group->Start();
        else
            group = NULL;
        // Undo replays in reverse order: the stretch after the last field
        // is put back first, the leading stretch last. Still missing: the
        // records that put back fields and list numbers (field and list
        // operations); until they exist a deleted field is not restored and
        // the text after it closes up.
        long fields = 0;
        for (long i = from; i < to; ++i)
            fields += m_chars[i] == kFieldMark;
        long segmentEnd = to;
        for (long i = to - 1; i >= from; --i)
        {
            if (m_chars[i] != kFieldMark)
                continue;
            RecordStretch(this, i + 1, segmentEnd, fields--);
            segmentEnd = i;
        }
        RecordStretch(this, from, segmentEnd, 0);
    }

    if (m_pOwner)
    {
        GFontStyle* style = GetCharFStylePtr(from);
        if (style)
            GetDocEditing(m_pOwner).pendingStyle = *style;
    }
    DelCharItem(from, to);

    if (redraw)
    {
        long row = GetCharRow(from);
        m_redraw.InvalByRow(row, row + 1);
        ReRowByRow(row, row + 1, 0, 0);
        UpdateFootNotes(this, false);
        FlowNotify(this);
        MarkModified(this);
    }

    // A list number that begins the paragraph after the deletion is stepped
    // over.
    long field = m_chars[from] == kFieldMark ? GetCharField(from) : -1;
    if (field >= 0 && m_fields[field]->m_nKind == kFieldList)
        SetPos(from + 1);
    else
        SetPos(from);

    if (group)
        group->End();
}
