// Deleting a range of a flow as one undoable step: the text stretches
// between fields are recorded separately inside one unnamed group.
#include "editing/document_editing.h"
#include "editing/CWOpBigUndo.h"
#include "editing/CWOpFields.h"
#include "editing/CWOpText.h"
#include "editing/CWOpLists.h"
#include "model/GListField.h"
#include "model/GField.h"
#include "editing/editing_support.h"

namespace
{
// Records the deletion of from..to - 1 (no field marks inside). The first
// stretch recorded is undone last, when the other stretches and the fields
// are back: it keeps the formatting of the whole deletion, formatsFrom..to
// (recorded even when the stretch is empty), and formatsFrom becomes
// kNoFormats for the stretches after it.
void RecordStretch(GDoc* flow, long from, long to, long& formatsFrom)
{
    if (from >= to && formatsFrom == CWOpDeleteText::kNoFormats)
        return;
    CString* text = new CString();
    if (from < to)
        *text = CString((const char*)flow->m_chars.Span(from, to - from), (int)(to - from));
    RecordOperation(flow, new CWOpDeleteText(flow, from, std::max(from, to), text, formatsFrom));
    formatsFrom = CWOpDeleteText::kNoFormats;
}

// The first field at or after pos is a list field that continues its list.
bool ContinuingListAt(const GDoc* flow, long pos)
{
    const long index = flow->LocateField(pos);
    const long next = index >= 0 && flow->m_fields[index]->m_nPos >= pos ? index : index + 1;
    if (next >= flow->m_fields.count || flow->m_fields[next]->m_nKind != kFieldList)
        return false;
    return ((GList*)flow->m_fields[next])->m_bContinues != 0;
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
    // A page break is the pair 13, 12; the break belongs to the paragraph
    // that the 13 ends. A range that takes such a 13 but not its break:
    // - from a paragraph start, is taken one character earlier, from the
    //   paragraph end before it up to the pair's 13: the text left is the
    //   same, and the pair stays whole for the records and for undo;
    // - from inside a paragraph, takes the break too, which would be left
    //   inside a paragraph, where no row ends.
    if (to < LastCaretPos(this) && m_chars[to] == kBreak && m_chars[to - 1] == kParagraphEnd)
    {
        if (from > 0 && m_chars[from - 1] == kParagraphEnd && m_chars[from] != kBreak)
        {
            --from;
            --to;
        }
        else
            ++to;
    }

    CWOpBigUndo* group = NULL;
    if (UndoEnabled(this))
    {
        group = new CWOpBigUndo(m_pOwner, CString());
        if (RecordOperation(this, group))
            group->Start();
        else
            group = NULL;
        // Undo replays in reverse order: the leading stretch is put back
        // first, then each field and the stretch after it, so every record
        // finds the text before it in place.
        // Removing a list start makes the list field after the range start
        // its list; the last list number put back gives that back.
        bool restartsNext = ContinuingListAt(this, to);
        long segmentEnd = to;
        long formatsFrom = from;
        for (long i = to - 1; i >= from; --i)
        {
            if (m_chars[i] != kFieldMark)
                continue;
            const long index = GetCharField(i);
            GField* field = index >= 0 ? m_fields[index] : NULL;
            if (field && field->m_nKind == kFieldList)
            {
                // The list number's mark goes with the text after it, so
                // that redo deletes both at once as this deletion does; the
                // number's record gives the mark its field back.
                RecordOperation(this,
                                CWOpSetListStyle::ForDeletedNumber(this, i, (GList*)field, restartsNext, false));
                restartsNext = false;
                RecordStretch(this, i, segmentEnd, formatsFrom);
            }
            else
            {
                RecordStretch(this, i + 1, segmentEnd, formatsFrom);
                if (field && IsRecordedFieldKind(field->m_nKind))
                    RecordOperation(this, new CWOpDeleteField(this, i, field));
            }
            segmentEnd = i;
        }
        RecordStretch(this, from, segmentEnd, formatsFrom);
    }

    if (m_pOwner)
    {
        GFontStyle* style = GetCharFStylePtr(from);
        if (style)
            GetDocEditing(m_pOwner).pendingStyle = *style;
    }
    // Ordinary characters taken out of a paragraph without borders leave
    // every row in its place until the paragraph is broken again, unless a
    // row went with them.
    const bool textOnly = m_borders.count == 0 && OrdinaryStretch(this, from, to);
    // Paragraphs of different styles joined: the rows of the later ones
    // were broken to their own indents and alignment, so the joined
    // paragraph is broken whole, not only until a row ends where it did.
    const bool joinsStyles = ParagraphStylesDiffer(this, from, to);
    const long rowsBefore = m_rows.count;
    DelCharItem(from, to);

    if (redraw && joinsStyles)
        FinishRowEdit(this, GetParaRow(GetCharPara(from)), false, true);
    else if (redraw)
        FinishRowEdit(this, GetCharRow(from), textOnly && m_rows.count == rowsBefore);

    // A list number that begins the paragraph after the deletion is stepped
    // over.
    long field = m_chars[from] == kFieldMark ? GetCharField(from) : -1;
    if (field >= 0 && m_fields[field]->m_nKind == kFieldList)
        SetPos(from + 1);
    else
        SetPos(from);

    if (group)
    {
        // A deletion over fields is redone stretch by stretch.
        if (group->GetInner()->GetUndoLen() > 1)
            RecordOperation(this, new CWOpJoinedParagraph(this, from));
        group->End();
    }
}
