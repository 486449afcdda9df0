// The flow's caret and selection: moving the caret, selecting and
// collapsing the selection. Selections are undoable, caret moves are not.
#include "editing/document_editing.h"
#include "editing/CWOpText.h"
#include "editing/editing_support.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"
#include "layout/text_measure.h"
#include "model/GParaStyle.h"
#include "view/CWView.h"

namespace
{
bool IsPageOrParagraphEnd(BYTE c)
{
    return c == kBreak || c == kParagraphEnd;
}

// Whether a selection on one row holds nothing but blanks, page ends and
// paragraph ends (no blanks in a left-aligned paragraph, where they show).
BOOL IsBlankSelection(const GDoc& flow, long start, long end)
{
    const long startRow = flow.GetCharRow(start);
    if (end > 0 && startRow != flow.GetCharRow(end - 1))
        return FALSE;
    if (flow.m_chars[flow.GetRowChar(startRow)] == kParagraphEnd)
        return FALSE;
    if (ParaStyleOf(flow, flow.GetCharPara(start)).m_Align == GParaStyle::kAlignLeft)
    {
        if (start >= end)
            return TRUE;
        for (long q = start; q < end; ++q)
            if (!IsPageOrParagraphEnd(flow.m_chars[q]))
                return FALSE;
        return TRUE;
    }
    for (long q = start; q < end; ++q)
        if (flow.m_chars[q] != ' ' && !IsPageOrParagraphEnd(flow.m_chars[q]))
            return FALSE;
    return TRUE;
}

void DisarmPendingStyle(GDoc* flow)
{
    if (flow->m_pOwner)
        GetDocEditing(flow->m_pOwner).bPendingStyle = FALSE;
}
}

void GDoc::SetPos(long pos)
{
    if (pos < 0)
        pos = 0;
    if (pos == 0 && IsUnanchoredFlow(this))
        pos = 1;
    pos = std::min(pos, LastCaretPos(this));
    if (pos == m_nCaret)
        return;
    // The caret never rests on the terminator or on a break.
    if (pos > 0)
    {
        if (m_chars[pos] == kFlowEnd)
            --pos;
        if (pos >= 1 && m_chars[pos] == kBreak)
            --pos;
    }
    m_nCaret = (LONG)pos;
    m_redraw.NewPos(pos);
    if (m_nSelFirst == m_nSelEnd)
    {
        m_nSelFirst = m_nSelEnd = (LONG)pos;
        m_redraw.Select(pos, pos);
    }
    DisarmPendingStyle(this);
    Notify(1);
}

void GDoc::Select(long start, long end)
{
    const long lastEnd = m_chars.count - 2;   // the final paragraph mark may be selected
    end = std::min(end, lastEnd);
    if (start > end)
        std::swap(start, end);
    if (start < 0)
        start = 0;
    if (start == m_nSelFirst && end == m_nSelEnd)
        return;
    if (start <= 0 && IsUnanchoredFlow(this))
        start = 1;
    if (UndoEnabled(this))
        RecordOperation(this, new CWOpSelect(this, start, end));
    end = std::min(end, lastEnd);
    m_nSelFirst = (LONG)start;
    m_nSelEnd = (LONG)std::max(start, end);
    CWCustomFrameData* frameData = GetCustomFrameData();
    CWView* view = frameData ? frameData->GetCurrentView() : NULL;
    if (view && m_pOwner && view->m_pDoc == m_pOwner)
        view->m_bBlankSelection = IsBlankSelection(*this, m_nSelFirst, m_nSelEnd);
    m_redraw.Select(m_nSelFirst, m_nSelEnd);
    DisarmPendingStyle(this);
    Notify(1);
}

void GDoc::UnSelect()
{
    if (m_nSelFirst == m_nSelEnd)
        return;
    if (UndoEnabled(this))
        RecordOperation(this, new CWOpUnSelect(this, m_nSelFirst, m_nSelEnd));
    m_nSelFirst = m_nSelEnd = m_nCaret;
    m_redraw.Select(m_nCaret, m_nCaret);
    Notify(1);
}
