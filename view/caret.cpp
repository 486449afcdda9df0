// The caret: where it stands and how big it is, showing it with the status
// panes, and keeping it in sight.
#include "view/CWView.h"
#include "view/view_dc.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "layout/text_measure.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include <algorithm>

namespace {

const long kInsertCaretWidth = 5;   // half a millimetre
const unsigned short kLowered = 0x20;
const unsigned short kRaised = 0x10;
const long kLeastScrollHeight = 11;
// The row the rulers were last refreshed for, shared by every view.
long sLastCaretRow = -1;

bool IsParagraphStart(const GDoc& flow, long pos)
{
    return pos == 0 || flow.m_chars[pos - 1] == kParagraphEnd;
}

// Blanks at pos count in a row that is not left-aligned only when text
// follows them on the row.
int KeepBlanks(const GDoc& flow, long pos, long row)
{
    const GParaStyle& style = ParaStyleOf(flow, flow.GetRowPara(row));
    if (style.m_Align == GParaStyle::kAlignLeft || flow.m_chars[pos] != ' ')
        return 1;
    const long rowEnd = flow.m_rows[row + 1].first;
    for (long q = pos; q < rowEnd; ++q)
    {
        const BYTE c = flow.m_chars[q];
        if (c != ' ' && c != kParagraphEnd && c != kBreak)
            return 1;
    }
    return 0;
}

// Text that overflows the last frame of its chain has no caret.
bool OverflowsLastFrame(GDoc& flow, long pos)
{
    if (flow.m_nIndex < kFirstContentFlow || !flow.m_pFirstFrame)
        return false;
    const long page = flow.GetCharPage(pos);
    CFrame* frame = flow.m_pFirstFrame->GetFrameByCol(page);
    if (!frame || frame->next)
        return false;
    const long row = flow.GetCharRow(pos);
    if (row + 1 >= flow.m_rows.count || page >= flow.m_pages.count)
        return false;
    const long top = flow.m_columns[flow.m_pages[page].block].position;
    return flow.m_rows[row + 1].y - top > frame->GetAreaByPage(frame->GetPage(), 1).Height();
}

} // namespace

void CWView::CalcCaretRect(long pos, long& x, long& y, CSize* size)
{
    GDoc* flow = DocC();
    if (!flow)
        return;
    const long part = CurPart();
    if (part == kBodyFlow)
        m_nCaretPage = flow->GetCharPage(flow->m_nCaret);
    pos = std::max(0L, std::min(pos, (long)flow->m_chars.count - 2));
    const long m = !IsParagraphStart(*flow, pos) && m_bInsert ? pos - 1 : pos;
    CPreparedViewDC dc(this);
    m_nCaretRow = flow->GetCharRow(flow->m_nCaret);
    const long row = flow->GetCharRow(pos);
    const long rowFirst = flow->GetRowChar(row);
    const int keep = KeepBlanks(*flow, pos, row);

    int ascent = 0;
    CSize cell(0, 0);
    if (size)
    {
        cell = flow->CalcTextSizeSimple(m, m + 1, 1, ascent, dc.Get());
        if (m_bInsert)
            cell.cx = kInsertCaretWidth;
    }
    else
        flow->CalcTextSizeSimple(m, m + 1, 1, ascent, dc.Get());
    int indent = 0;
    GetTextAlign(dc.Get(), part, row, indent);
    int unused = 0;
    const long width = pos > rowFirst ? flow->CalcTextSizeForView(rowFirst, pos, keep, unused, dc.Get()).cx : 0;
    x = flow->GetRowMargins(row, 0, NULL).left + indent + width;
    if (size && m_bInsert)
        x -= cell.cx / 2;

    const long block = flow->GetRowColumn(row);
    const long col = flow->GetRowCol(row);
    const GColumn& b = flow->m_columns[block];
    const long colFirst = col < kMostTextColumns && b.startRows[col] >= 0 ? b.startRows[col] : row;
    const long rowPage = flow->GetCharPage(pos);
    const long caretPage = part == kBodyFlow ? m_nCaretPage : 0;
    y = DocToPageY(part, m_nCaretPage, b.position + flow->RowHi(colFirst, row), rowPage) + flow->m_rows[row].ascent
        - ascent;
    if (caretPage < flow->m_pages.count)
        y += ParaStyleOf(*flow, flow->GetRowPara(flow->GetPageRow(caretPage))).m_Before.value;
    if (const GFontStyle* style = flow->GetCharFStylePtr(m))
    {
        if (style->GetAttributes() & kLowered)
            y += style->GetBaselineOffset();
        else if (size && (style->GetAttributes() & kRaised))
            cell.cy += style->GetBaselineOffset();
    }
    if (size)
        *size = cell;
}

void CWView::CalcCharPos(int pos, CSize& out, GDoc* part, CDC* dc)
{
    if (!part)
        return;
    CPreparedViewDC own(this);
    if (!dc)
        dc = own.Get();
    const long row = part->GetCharRow(pos);
    const long rowFirst = part->GetRowChar(row);
    int indent = 0, ascent = 0, unused = 0;
    GetTextAlign(dc, part->m_nIndex, row, indent);
    const long width = pos > rowFirst ? part->CalcTextSizeForView(rowFirst, pos, 1, unused, dc).cx : 0;
    part->CalcTextSizeSimple(pos, pos + 1, 1, ascent, dc);
    long x = part->GetRowMargins(row, 0, NULL).left + indent + width + m_nLeftGap;
    const long block = part->GetRowColumn(row);
    const long col = part->GetRowCol(row);
    const GColumn& b = part->m_columns[block];
    const long colFirst = col < kMostTextColumns && b.startRows[col] >= 0 ? b.startRows[col] : row;
    const long page = part->GetCharPage(pos);
    long y = DocToPageY(part->m_nIndex, page, b.position + part->RowHi(colFirst, row), page)
             + part->m_rows[row].ascent - ascent - TuneRow(0, 0, 0);
    x -= mm01(HasWindow() ? GetScrollPos(SB_HORZ) : 0, 1);
    y -= m_yPos;
    out = CSize((int)x, (int)y);
}

void CWView::SetCaret(int force)
{
    if (!m_pDoc || m_pDoc->m_nViewNotify != 0)
        return;
    GDoc* flow = DocC();
    if (!flow)
        return;
    const long c = flow->m_nCaret;
    const bool window = HasWindow();
    const bool objectSelected = m_pDoc->m_pSelImage || m_pDoc->m_pSelLumifex || m_pDoc->IsOLEObjectSelected();
    const bool show = (flow->m_nSelFirst == flow->m_nSelEnd && !objectSelected) || m_bDragItem;
    if (show && !OverflowsLastFrame(*flow, c))
    {
        long x = 0, y = 0;
        CSize size;
        CalcCaretRect(c, x, y, &size);
        PageToScreen(x, y);
        if (window)
            PlaceCaret(CSize((int)Pixels(size.cx, 1), (int)Pixels(size.cy, 0)), CPoint((int)x, (int)y));
    }
    else
    {
        if (window)
            RemoveCaret();
        if (show)
            return;
        m_nCaretRow = flow->GetCharRow(c);
        if (CurPart() == kBodyFlow)
            m_nCaretPage = flow->GetCharPage(c);
    }

    const long row = m_nCaretRow;
    const long closingRow = flow->m_rows.count - 1;
    long length = flow->m_rows[row + 1].first - flow->m_rows[row].first;
    if (row == closingRow - 1)
        --length;
    long line = row + 1, lines = closingRow;
    if (CurPart() == kBodyFlow && m_nCaretPage + 1 < flow->m_pages.count)
    {
        const long pageRow = flow->GetPageRow(m_nCaretPage);
        line = row - pageRow + 1;
        lines = flow->GetPageRow(m_nCaretPage + 1) - pageRow;
    }
    CWCustomFrameData* data = GetCustomFrameData();
    if (!data || !data->isStatusBArEnable())
        return;
    data->SetStatusBarPage((int)m_nCaretPage + 1, (int)m_nPages);
    data->SetStatusBarLine((int)line, (int)lines);
    data->SetStatusBarPos((int)(c - flow->m_rows[row].first + 1), (int)length);
    data->SetStatusBarModify(m_pDoc->IsModified());
    if (data->GetStatusBarObject().GetSafeHwnd())
        data->GetStatusBarObject().UpdateWindow();
    if (row != sLastCaretRow || force)
    {
        // The rulers would be redrawn here with the selection's paragraph
        // style; no ruler bar is ever made.
        sLastCaretRow = row;
    }
}

void CWView::ScrollToCaret()
{
    if (!m_bAutoScroll)
        return;
    const CRect client = ClientRect();
    if (client.IsRectEmpty() || client.Height() < kLeastScrollHeight)
        return;
    GDoc* flow = DocC();
    if (!flow)
        return;
    long vx = 0, vy = 0;
    CSize size;
    CalcCaretRect(flow->m_nCaret, vx, vy, &size);
    long cx = vx, cy = vy;
    PageToScreen(cx, cy);
    long newX = -1, newY = -1;
    if (cx <= 0 || cx >= client.Width())
        newX = Pixels(vx, 1) - client.Width() / 2;
    const long row = flow->GetCharRow(flow->m_nCaret);
    const long rowH = Pixels(flow->m_rows[row + 1].y - flow->m_rows[row].y, 0);
    if (cy < rowH)
        newY = Pixels(vy, 0) - Pixels(size.cy, 0);
    else if (cy > client.Height() - rowH)
        newY = Pixels(vy, 0) - client.Height() + Pixels(size.cy, 0);
    if (newX == -1 && newY == -1)
        return;
    HideCaret();
    CPoint at = GetScrollPosition();
    if (newX != -1)
        at.x = (int)newX;
    if (newY != -1)
        at.y = (int)newY;
    ScrollToPosition(at);
}
