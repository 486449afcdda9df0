// Putting a field into a flow: the single way a new field enters a flow,
// and re-breaking an object's row after its size changed.
#include "editing/document_editing.h"
#include "editing/CWOpFields.h"
#include "editing/CWOpText.h"
#include "editing/CWUndoRedoStack.h"
#include "model/GCaption.h"
#include "model/GField.h"
#include "model/GFootNote.h"
#include "editing/editing_support.h"
#include "model/GFontStyle.h"

namespace {

const char kParagraphEndText[] = {(char)kParagraphEnd, 0};

// A footnote mark is raised; the text typed right after a reference mark
// takes the mark's style as it was, not raised. A note-side mark, made
// with its reference, leaves the pending style to the reference.
void RaiseFootnoteMark(GDoc& flow, long pos, bool reference)
{
    if (!flow.m_pOwner)
        return;
    GFontStyle around;
    flow.CombineSameFStyles(pos, pos + 1, around);
    if (reference)
        GetDocEditing(flow.m_pOwner).pendingStyle = around;
    GFontStyle raised = around;
    raised.SetAttr(GFontStyle::kSuperscript, 1);
    flow.SetFontStyle(pos, pos + 1, raised, 1);
    if (reference)
        GetDocEditing(flow.m_pOwner).bPendingStyle = TRUE;
}

// Whether an object, picture or cell field gets a caption of its own as
// it is inserted.
bool TakesAutoCaption(const GDoc& flow, const GField& field)
{
    if (!GCaption::AutoCaption)
        return false;
    // Undo and redo put back what was recorded, the caption with its own
    // record: a field they insert gets no second one.
    CWUndoRedoStack* stack = flow.m_pOwner ? GetDocUndoStack(flow.m_pOwner) : NULL;
    if (stack && stack->GetState() != CWUndoRedoStack::kIdle)
        return false;
    const GCaptionSettings* settings = GCaption::SettingsOfKind(field.m_nKind);
    return settings && settings->autoCaption;
}

} // namespace

void GDoc::InsertField(GField* field)
{
    if (!field)
        return;
    long pos = std::max(0L, std::min((long)field->m_nPos, LastCaretPos(this)));
    field->m_nPos = (LONG)pos;
    InsertChar(pos, (char)kFieldMark, 1);
    field->m_pDoc = this;
    // A footnote mark put back by undo brings its note back with it.
    if (field->m_nKind == kFieldFootNote)
        GFootNote::AttachNote(((GFootNote*)field)->m_pNote);
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
        RaiseFootnoteMark(*this, pos, ((GFootNote*)field)->m_nStyle != kNoteSideMark);
        // The new note frame and those of its page stack on each other.
        ((GFootNote*)field)->OnChangePage(-1, 1, 1);
        break;
    }

    if (TakesAutoCaption(*this, *field))
    {
        GCaption* caption = new GCaption(this, m_nCaret, kMarkArabic, kCaptionBefore, field);
        // The paragraph ends its placement inserted come and go with undo
        // like typed ones, before the caption's own insertion.
        if (UndoEnabled(this))
            for (int i = 0; i < caption->m_nPlacedEnds; ++i)
                RecordOperation(this, new CWOpInsertText(this, caption->m_placedEnds[i], kParagraphEndText));
        caption->Update();
        InsertField(caption);
        pos = field->m_nPos;
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
