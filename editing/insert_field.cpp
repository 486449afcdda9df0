// Putting a field into a flow: the single way a new field enters a flow,
// and re-breaking an object's row after its size changed.
#include "editing/document_editing.h"
#include "editing/CWOpFields.h"
#include "model/GCaption.h"
#include "model/GField.h"
#include "editing/editing_support.h"
#include "model/GFontStyle.h"

namespace {

// A footnote mark is raised; the text typed right after it takes the
// mark's style as it was, not raised.
void RaiseFootnoteMark(GDoc& flow, long pos)
{
    if (!flow.m_pOwner)
        return;
    GFontStyle around;
    flow.CombineSameFStyles(pos, pos + 1, around);
    GetDocEditing(flow.m_pOwner).pendingStyle = around;
    GFontStyle raised = around;
    raised.SetAttr(GFontStyle::kSuperscript, 1);
    flow.SetFontStyle(pos, pos + 1, raised, 1);
    GetDocEditing(flow.m_pOwner).bPendingStyle = TRUE;
}

} // namespace

// Still missing: automatic captions of objects, pictures and cells.
void GDoc::InsertField(GField* field)
{
    if (!field)
        return;
    long pos = std::max(0L, std::min((long)field->m_nPos, LastCaretPos(this)));
    field->m_nPos = (LONG)pos;
    InsertChar(pos, (char)kFieldMark, 1);
    field->m_pDoc = this;
    if (UndoEnabled(this) && IsRecordedFieldKind(field->m_nKind))
        RecordOperation(this, new CWOpInsertField(this, pos, field));

    // The fields behind the new placeholder have moved one on already.
    long index = 0;
    while (index < m_fields.count && m_fields[index]->m_nPos - 1 < pos)
        ++index;
    InsFieldItem(field, index);

    ApplyPendingStyle(this, pos, pos + 1);
    switch (field->m_nKind)
    {
    case kFieldList:
        PropagateDown(index, 0);
        break;
    case kFieldCaption:
        for (long i = index + 1; i < m_fields.count; ++i)
            if (m_fields[i]->m_nKind == kFieldCaption)
                m_fields[i]->Update();
        break;
    case kFieldFootNote:
        RaiseFootnoteMark(*this, pos);
        break;
    }

    FinishRowEdit(this, GetCharRow(pos));
}

void GDoc::SetOleSize(long pos, CSize&)
{
    long row = GetCharRow(pos);
    m_redraw.InvalByRow(row, row + 1);
    ReRowByRow(row, row + 1, kReRowEdit, kWholeParagraph);
    Notify(1);
    MarkModified(this);
}
