// Keys that move the caret, walk the header and footer areas, toggle
// overwrite mode, delete forward and break pages; master styles' shortcut
// keys; the focus.
#include "view/CWView.h"
#include "view/GHitTest.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"
#include "model/GField.h"
#include "model/GMasterStyle.h"
#include <algorithm>
#include <cctype>

namespace {

const unsigned char kPageEndCode = 12;
const long kFirstHeader = 1, kLastHeader = 3, kLastFooter = 6;

bool IsListLabelAt(const GDoc& flow, long pos)
{
    return pos >= 0 && pos < flow.m_chars.count && flow.m_chars[pos] == kFieldMark &&
           flow.GetCharField(pos) >= 0 && flow.m_fields[flow.GetCharField(pos)]->m_nKind == kFieldList;
}

bool IsWordChar(char c)
{
    const unsigned char u = (unsigned char)c;
    return isalpha(u) || isdigit(u);
}

long EndOfFlow(const GDoc& flow)
{
    return flow.m_chars.count - 3;
}

// The last character of row, one back from a page or column end.
long RowLastChar(const GDoc& flow, long row)
{
    long last = std::max(0L, flow.GetRowChar(row + 1) - 1);
    if (last > 0 && flow.m_chars[last] == kPageEndCode)
        --last;
    return last;
}

} // namespace

void CWView::OnKeyDown(UINT key, UINT, UINT)
{
    GDoc* flow = DocC();
    if (!flow || !m_pDoc)
        return;
    {
        CPoint point = m_caretPoint;
        if (point.x == -1 || point.y == -1)
            point = HasWindow() ? GetCaretPos() : CPoint(0, 0);
        if (!m_pKeyHit)
            m_pKeyHit = new GHitTest(point, this);
        else
            *m_pKeyHit = GHitTest(point, this);
        m_pKeyHit->row = m_nCaretRow;
    }
    const long caret = flow->m_nCaret;
    const bool shift = Shift(), ctrl = Ctrl();
    auto move = [&](long pos) {
        CChangeBracket bracket(m_pDoc);
        MoveCaret(pos);
    };
    switch (key)
    {
    case VK_LEFT:
        m_caretPoint = CPoint(-1, -1);
        if (ctrl)
        {
            long p = caret > 0 ? caret - 1 : 0;
            while (p > 0 && !IsWordChar(flow->m_chars[p]))
                --p;
            long s = 0, e = 0;
            move(IsWordChar(flow->m_chars[p]) && flow->GetCurrentWord(p, s, e) ? s : 0);
        }
        else if (!shift && flow->m_nSelFirst != flow->m_nSelEnd)
            move(flow->m_nSelFirst);
        else
            move(caret - 1);
        break;
    case VK_RIGHT:
        m_caretPoint = CPoint(-1, -1);
        if (ctrl)
        {
            long s = -1, e = -1;
            long found = flow->GetFirstWord(caret, s, e);
            if (found && s == caret)
                found = flow->GetFirstWord(caret + 1, s, e);
            move(found && s > caret ? s : EndOfFlow(*flow));
        }
        else if (!shift && flow->m_nSelFirst != flow->m_nSelEnd)
            move(flow->m_nSelEnd);
        else
            move(caret + 1);
        break;
    case VK_HOME:
        m_caretPoint = CPoint(-1, -1);
        if (ctrl)
            move(0);
        else
        {
            long p = flow->GetRowChar(std::min(m_nCaretRow, (LONG)flow->m_rows.count - 2));
            if (!shift && IsListLabelAt(*flow, p))
                ++p;
            move(p);
        }
        break;
    case VK_END:
        m_caretPoint = CPoint(-1, -1);
        move(ctrl ? EndOfFlow(*flow) : RowLastChar(*flow, std::min(m_nCaretRow, (LONG)flow->m_rows.count - 2)));
        break;
    case VK_UP:
    case VK_DOWN:
        VerticalMove(key == VK_DOWN);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (ctrl)
        {
            GDoc* body = DocM(kBodyFlow);
            const long page = m_nCaretPage + (key == VK_NEXT ? 1 : -1);
            if (body && page >= 0 && page < body->m_pages.count - 1)
                MoveCaret(body->GetPageChar(page));
        }
        else if (CurPart() >= kFirstHeader && CurPart() <= kLastFooter)
            HeaderFooterPageMove(key == VK_NEXT);
        else
            PageMove(key == VK_NEXT);
        break;
    case VK_INSERT:
        if (!shift && !ctrl && !Alt())
            m_bInsert = !m_bInsert;
        if (CWCustomFrameData* data = GetCustomFrameData())
            data->SetStatusBarInsert(m_bInsert);
        break;
    case VK_DELETE:
        m_caretPoint = CPoint(-1, -1);
        Delete();
        break;
    case VK_RETURN:
        if (ctrl && CurPart() == kBodyFlow)
        {
            OnInsertNewPage();
            ScrollToCaret();
        }
        break;
    default:
        break;
    }
    SetCaret(0);
}

void CWView::VerticalMove(bool down)
{
    GDoc* flow = DocC();
    CChangeBracket bracket(m_pDoc);
    if (m_caretPoint.x == -1 || m_caretPoint.y == -1)
    {
        long x = 0, y = 0;
        CSize size(0, 0);
        CalcCaretRect(flow->m_nCaret, x, y, &size);
        PageToScreen(x, y);
        m_caretPoint = CPoint((int)x, (int)y);
    }
    const long rows = flow->m_rows.count;
    const long row = std::min((long)m_nCaretRow, rows - 2);
    if (!down && row <= 0)
    {
        ScrollToCaret();
        return;
    }
    if (down && row >= rows - 2)
    {
        const CPoint keep = m_caretPoint;
        MoveCaret(EndOfFlow(*flow));
        m_caretPoint = keep;
        return;
    }
    long t = row + (down ? 1 : -1);
    if (down)
        while (t < rows - 2 && flow->GetRowChar(t + 1) == flow->GetRowChar(t))
            ++t;
    else
        while (t >= 1 && flow->GetRowChar(t) == flow->GetRowChar(t + 1))
            --t;
    CPoint point = m_caretPoint;
    GHitTest hit(point, this);
    hit.part = CurPart();
    hit.row = (LONG)t;
    hit.kind = kHitText;
    hit.x -= flow->GetRowMargins(t, 0, NULL).left;
    HitTestPos(hit, 1);
    long p = hit.character >= 0 ? hit.character : flow->GetRowChar(t);
    p = std::max(p, flow->GetRowChar(t));
    p = std::min(p, RowLastChar(*flow, t));
    const CPoint keep = m_caretPoint;
    MoveCaret(p);
    m_caretPoint = keep;
}

void CWView::PageMove(bool down)
{
    GDoc* flow = DocC();
    const CRect client = ClientRect();
    const long height = client.Height();
    {
        long x = 0, y = 0;
        CSize size(0, 0);
        CalcCaretRect(flow->m_nCaret, x, y, &size);
        PageToScreen(x, y);
        m_caretPoint = CPoint((int)(x + size.cx / 2), (int)(y + size.cy / 2));
    }
    CChangeBracket bracket(m_pDoc);
    const long scrolled = Pixels(m_yPos, 0);
    const long range = Pixels(GetMaxScroll(), 0);
    if (!down && scrolled <= 0)
    {
        MoveCaret(0);
        return;
    }
    if (down && scrolled >= range - 1)
    {
        MoveCaret(flow->GetPageChar(std::max(0L, (long)flow->m_pages.count - 2)));
        return;
    }
    const long row = flow->GetCharRow(flow->m_nCaret);
    const long offset = flow->m_nCaret - flow->GetRowChar(row);
    if (down)
    {
        const long room = range - scrolled - 1;
        ScrollBy(0, (int)std::min(room, height));
    }
    else
        ScrollBy(0, -(int)std::min(scrolled, height));
    CPoint point = m_caretPoint;
    GHitTest hit(point, this);
    HitTestDocType(hit);
    long p = hit.part == CurPart() || hit.part < 0 ? hit.GetNearDocPos() : flow->m_nCaret;
    p = std::max(0L, std::min(p, EndOfFlow(*flow)));
    const long rows = flow->m_rows.count;
    const long pRow = flow->GetCharRow(p);
    if (down && pRow <= row)
    {
        if (row < rows - 2)
        {
            const long start = flow->GetRowChar(row + 1);
            p = std::min(start + offset, RowLastChar(*flow, row + 1));
        }
        else
            p = EndOfFlow(*flow);
    }
    else if (!down && pRow >= row)
    {
        if (row > 0)
        {
            const long start = flow->GetRowChar(row - 1);
            p = std::min(start + offset, RowLastChar(*flow, row - 1));
        }
        else
            p = 0;
    }
    MoveCaret(p);
    ScrollToCaret();
}

void CWView::HeaderFooterPageMove(bool down)
{
    const long part = CurPart();
    const bool header = part >= kFirstHeader && part <= kLastHeader;
    CChangeBracket bracket(m_pDoc);
    long page = m_nCaretPage;
    long next = -1;
    if (!down)
    {
        if (header)
        {
            if (page > 0)
                next = m_pDoc->GetPageFooter(--page);
        }
        else
            next = m_pDoc->GetPageHeader(page);
    }
    else
    {
        if (header)
            next = m_pDoc->GetPageFooter(page);
        else if (page + 1 < m_nPages)
            next = m_pDoc->GetPageHeader(++page);
    }
    if (next < 0)
        return;
    m_nCaretPage = (LONG)page;
    SetDocPart(next);
    if (GDoc* flow = DocC())
    {
        flow->UnSelect();
        flow->SetPos(0);
    }
}

BOOL CWView::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && m_pDoc)
    {
        unsigned char mods = 0;
        if (Alt())
            mods |= GKey::kAlt;
        if (Shift())
            mods |= GKey::kShift;
        if (Ctrl())
            mods |= GKey::kCtrl;
        const long style = m_pDoc->m_masterStyles.FindStyle(GKey((unsigned short)msg->wParam, mods));
        GDoc* flow = DocC();
        if (style >= 0 && flow)
        {
            long s = 0, e = 0;
            flow->GetSelectionW(s, e);
            {
                CChangeBracket bracket(m_pDoc);
                flow->SetMasterStyle(s, e, (int)style);
            }
            SetCaret(0);
            return TRUE;
        }
    }
    return CScrollView::PreTranslateMessage(msg);
}

void CWView::OnSetFocus(CWnd*)
{
    m_bHasFocus = TRUE;
    if (CWCustomFrameData* data = GetCustomFrameData())
        data->SetCurrentView(this);
    FollowKeyboardCharSet();
    StartCaretBlink();
    SetCaret(0);
}

void CWView::OnKillFocus(CWnd*)
{
    m_bHasFocus = FALSE;
    StopCaretBlink();
    RemoveCaret();
}

// Still missing until the embedding layer exists: closing the object that
// is active in place in this view, without saving.
void CWView::OnCancelEditCntr()
{
}
