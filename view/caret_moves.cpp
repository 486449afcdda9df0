// Moving the caret (with or without extending the selection) and the
// Delete key.
#include "view/CWView.h"
#include "view/GHitTest.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include <algorithm>

namespace {

const unsigned char kDeleteStep = 2;

bool IsParagraphStart(const GDoc& flow, long pos)
{
    return pos == 0 || flow.m_chars[pos - 1] == kParagraphEnd;
}

bool IsListLabel(const GDoc& flow, long pos)
{
    return pos >= 0 && pos < flow.m_chars.count && flow.GetListField(pos) != NULL;
}

} // namespace

void CWView::MoveCaret(long pos)
{
    GDoc* flow = DocC();
    if (!flow)
        return;
    const long length = flow->m_chars.count;
    const long old = flow->m_nCaret;
    pos = std::max(0L, std::min(pos, length - 3));
    const bool extend = Shift() || m_bMouseSelect;
    if (IsListLabel(*flow, pos) && !extend)
    {
        if (pos == 0)
            pos = 1;
        else if (pos > old)
            ++pos;
        else if (m_pKeyHit && m_pKeyHit->row > flow->GetCharRow(pos))
            ++pos;
        else
            --pos;
    }
    pos = std::max(0L, std::min(pos, length - 2));
    {
        CChangeBracket bracket(m_pDoc);
        if (!extend)
        {
            m_nAnchorRow = -1;
            flow->UnSelect();
        }
        else if (m_nAnchorRow == -1)
        {
            if (flow->m_nSelFirst < flow->m_nCaret)
                flow->Select(flow->m_nSelFirst, pos);
            else
                flow->Select(pos, flow->m_nSelEnd);
        }
        else
        {
            const long anchor = flow->GetRowChar(m_nAnchorRow);
            if (pos > anchor)
                flow->Select(anchor, pos);
            else
                flow->Select(pos, flow->GetRowChar(m_nAnchorRow + 1));
        }
        flow->SetPos(pos);
        if (flow->m_nSelFirst == flow->m_nSelEnd)
            flow->m_nSelFirst = flow->m_nSelEnd = (LONG)pos;
    }
    ScrollToCaret();
}

void CWView::Delete()
{
    GDoc* flow = DocC();
    if (!flow)
        return;
    UndoStep(kDeleteStep);
    {
        CChangeBracket bracket(m_pDoc);
        m_caretPoint = CPoint(-1, -1);
        const long pages = flow->m_pages.count, rows = flow->m_rows.count;
        flow->SetPos(flow->m_nSelFirst);
        const long length = flow->m_chars.count;
        if (flow->m_nSelFirst != flow->m_nSelEnd)
        {
            long a = flow->m_nSelFirst, b = flow->m_nSelEnd - 1;
            if (Options.SmartCutPaste)
            {
                const long a0 = a, b0 = b;
                while (b + 1 < length - 3 && flow->m_chars[b + 1] == ' ')
                    ++b;
                while (a > 0 && flow->m_chars[a - 1] == ' ')
                    --a;
                // One blank stays between the neighbours.
                if (a != a0)
                    ++a;
                else if (b != b0)
                    --b;
            }
            flow->UnSelect();
            if (!IsParagraphStart(*flow, a) && IsListLabel(*flow, b + 1))
                ++b;
            // The flow's closing paragraph mark stays.
            b = std::min(b, length - 4);
            if (a <= b)
                flow->DeleteText(a, b + 1, 1);
            flow->SetPos(a);
        }
        else
        {
            const long caret = flow->m_nCaret;
            // Nothing follows the flow's closing paragraph mark to delete.
            if (caret < length - 3)
            {
                long end = caret + (flow->m_chars[caret + 1] == kBreak ? 2 : 1);
                if (IsListLabel(*flow, end) && !IsParagraphStart(*flow, caret))
                    ++end;
                end = std::min(end, length - 3);
                flow->DeleteText(caret, end, 1);
            }
        }
        long caret = flow->m_nCaret;
        if (IsListLabel(*flow, caret))
            ++caret;
        caret = std::min(caret, (long)flow->m_chars.count - 3);
        flow->SetPos(caret);
        if (flow->m_pages.count != pages)
        {
            m_nPages = flow->m_pages.count - 1;
            UpdateScroller(0);
            ScrollToCaret();
        }
        else if (flow->m_rows.count != rows)
        {
            ScrollToCaret();
            InvalidateView();
        }
    }
    SetCaret(1);
}
