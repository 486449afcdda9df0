// Hit testing: a client point turned into page, part, column block, text
// column, row and character, one level per step. Each step runs the one
// before it when its input is unset and stops once the kind says the point
// lies outside text.
#include "view/CWView.h"
#include "view/GHitTest.h"
#include "view/view_dc.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "layout/text_measure.h"
#include "model/GParaStyle.h"
#include <algorithm>

namespace {

const LONG kSideRoom = 30;   // 3 mm beside a flow's frame still counts as its text

bool Inside(const CRect& r, long x, long y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool IsPageFrameOfHeaderOrFooter(const CFrame* frame)
{
    const LONG v = frame->vKind;
    return v == kVHeaderOdd || v == kVHeaderEven || v == kVFooterOdd || v == kVFooterEven;
}

// The frame of flow's chain that shows it on page, or null.
CFrame* FrameOnPage(GDoc* flow, long page)
{
    for (CFrame* f = flow->m_pFirstFrame; f; f = f->next)
        if (f->IsVisible(page))
            return f;
    return NULL;
}

} // namespace

GHitTest::GHitTest(CPoint& point, CWView* v) : view(v), nearest(0)
{
    long px = point.x, py = point.y;
    view->ScreenToPage(px, py);
    x = (LONG)px;
    y = (LONG)py;
    Clear();
    view->m_nHitKind = kind;
}

void GHitTest::Clear()
{
    kind = kHitText;
    page = part = block = row = character = -1;
    column = kNoTextColumn;
}

long GHitTest::GetNearDocPos()
{
    GDoc* flow = view->DocC();
    if (!flow)
        return character;
    const long last = flow->m_chars.count - 3;
    int k = kind;
    if (k == kHitAbove || k == kHitBelow)
    {
        CFrame* first = flow->m_pFirstFrame;
        const bool headerFooter = first && IsPageFrameOfHeaderOrFooter(first);
        if (headerFooter)
            return k == kHitAbove ? flow->GetPageChar(0) : flow->GetPageChar(1) - 1;
        long index = 0;
        for (CFrame* f = first; f; f = f->next, ++index)
            if (f->GetPage() >= page && index + 1 < flow->m_pages.count)
                return k == kHitAbove ? flow->GetPageChar(index) : flow->GetPageChar(index + 1) - 1;
        k = k == kHitAbove ? kHitBelow : kHitBelowRows;
        if (k == kHitBelow)
            return flow->GetPageChar(flow->m_pages.count - 1) - 1;
    }
    switch (k)
    {
    case kHitText:
        return character;
    case kHitLeft:
        return row >= 0 ? flow->GetRowChar(row) : character;
    case kHitRight:
        return row >= 0 ? flow->GetRowChar(row + 1) - 1 : character;
    case kHitBelowBlocks:
        return block >= 0 && block < flow->m_columns.count ? flow->GetColumnChar(block, 0) - 1 : last;
    case kHitBelowRows:
        // Without a block (a point beside every frame) the end of the flow
        // is the nearest place.
        if (block < 0 || block >= flow->m_columns.count)
            return last;
        return flow->GetColumnChar(block, (BYTE)(column + 1)) - 1;
    default:
        return character;
    }
}

void CWView::HitTestPage(GHitTest& hit)
{
    if (hit.y < 0)
    {
        hit.page = 0;
        hit.kind = kHitAbove;
    }
    else
    {
        long page = (hit.y - m_nPageGap) / (m_nPageHeight + m_nPageGap);
        page = std::max(0L, std::min(page, (long)m_nPages - 1));
        hit.page = (LONG)page;
        hit.y -= (LONG)(page * (m_nPageHeight + m_nPageGap) + m_nPageGap);
        if (hit.y > m_nPageHeight)
            hit.kind = kHitBelow;
    }
    m_nHitKind = hit.kind;
}

void CWView::HitTestDocType(GHitTest& hit)
{
    if (hit.page == -1)
        HitTestPage(hit);
    if (hit.kind > kHitRight || !m_pDoc)
        return;
    const long current = CurPart();
    auto succeed = [&](long part, const CRect& r, BYTE kind) {
        hit.part = (LONG)part;
        hit.x -= r.left;
        hit.y -= r.top;
        hit.kind = kind;
    };
    // Beside the current part's frame: the last side that applies wins.
    auto missAround = [&](const CRect& r, bool sides) {
        BYTE kind = 0;
        if (hit.y < r.top)
            kind = kHitAbove;
        if (hit.y > r.bottom)
            kind = kHitBelow;
        if (sides && hit.x < r.left)
            kind = kHitLeft;
        if (sides && hit.x > r.right)
            kind = kHitRight;
        if (kind)
            hit.kind = m_nHitKind = kind;
    };
    for (long part = m_pDoc->m_flows.count - 1; part >= kFirstContentFlow; --part)
    {
        GDoc* flow = m_pDoc->GetFlow(part);
        if (!flow)
            continue;
        for (CFrame* f = flow->m_pFirstFrame; f; f = f->next)
        {
            if (!f->IsVisible(hit.page))
                continue;
            const CRect r = f->GetAreaByPage(hit.page, 1);
            if (Inside(r, hit.x, hit.y))
            {
                succeed(part, r, kHitText);
                return;
            }
            if (part == current)
                missAround(r, false);
        }
    }
    const long parts[3] = {kBodyFlow, m_pDoc->GetPageHeader(hit.page), m_pDoc->GetPageFooter(hit.page)};
    for (long part : parts)
    {
        GDoc* flow = m_pDoc->GetFlow(part);
        if (!flow)
            continue;
        long index = 0;
        for (CFrame* f = flow->m_pFirstFrame; f && index < flow->m_pages.count - 1; f = f->next, ++index)
        {
            if (!f->IsVisible(hit.page))
                continue;
            CRect r = f->GetAreaByPage(hit.page, 1);
            if (part == kBodyFlow)
                r.bottom = r.top + f->GetMaxHeight(0);
            CRect wide = r;
            wide.InflateRect(kSideRoom, 0);
            const bool level = hit.y >= r.top && hit.y < r.bottom;
            if (Inside(wide, hit.x, hit.y))
            {
                succeed(part, r, kHitText);
                return;
            }
            if (level && hit.x >= -m_nLeftGap && hit.x < wide.left)
            {
                succeed(part, r, kHitLeft);
                return;
            }
            if (level && hit.x >= wide.right && hit.x < m_nLeftGap + m_nPageWidth)
            {
                succeed(part, r, kHitRight);
                return;
            }
            if (part == current)
                missAround(r, true);
        }
    }
}

void CWView::HitTestColumn(GHitTest& hit)
{
    if (hit.part == -1)
        HitTestDocType(hit);
    if (hit.kind > kHitRight)
        return;
    GDoc* flow = hit.part >= 0 ? DocM(hit.part) : NULL;
    if (!flow)
    {
        hit.kind = kHitNoPart;
        return;
    }
    long flowPage = hit.part == kBodyFlow ? hit.page : 0;
    flowPage = std::min(flowPage, (long)flow->m_pages.count - 2);
    hit.y -= (short)ParaStyleOf(*flow, flow->GetRowPara(flow->GetPageRow(flowPage))).m_Before.value;
    const long end = flow->GetPageColumn(flowPage + 1);
    for (long b = flow->GetPageColumn(flowPage); b < end; ++b)
    {
        const long height = flow->m_columns[b + 1].position - flow->m_columns[b].position;
        if (hit.y < height)
        {
            hit.block = (LONG)b;
            return;
        }
        hit.y -= (LONG)height;
    }
    hit.block = (LONG)end;
    hit.kind = kHitBelowBlocks;
}

void CWView::HitTestCol(GHitTest& hit)
{
    if (hit.block == -1)
        HitTestColumn(hit);
    if (hit.kind > kHitRight)
        return;
    GDoc* flow = DocM(hit.part);
    CFrame* frame = FrameOnPage(flow, hit.page);
    const CRect area = frame ? frame->GetAreaByPage(hit.page, 1) : CRect(0, 0, 0, 0);
    const GColumn& b = flow->m_columns[hit.block];
    if (hit.x < -kSideRoom)
    {
        hit.column = 0;
        hit.kind = kHitLeft;
        return;
    }
    const int count = std::max(1, std::min((int)(BYTE)b.count, kMostTextColumns));
    long edge = 0;
    for (int c = 0; c < count; ++c)
    {
        edge += b.cols[c].width;
        if (edge >= hit.x)
        {
            hit.column = (WORD)c;
            hit.x -= (LONG)(edge - b.cols[c].width);
            return;
        }
        if (c + 1 < count)
        {
            edge += b.cols[c].gap;
            if (edge >= hit.x)
            {
                // In the gap: left of the next column's text.
                hit.column = (WORD)(c + 1);
                hit.kind = kHitLeft;
                hit.x -= (LONG)edge;
                return;
            }
        }
    }
    hit.column = (WORD)(count - 1);
    if (hit.x > area.Width() + kSideRoom)
        hit.kind = kHitRight;
}

void CWView::HitTestRow(GHitTest& hit)
{
    if (hit.column == kNoTextColumn)
        HitTestCol(hit);
    if (hit.kind > kHitRight)
        return;
    GDoc* flow = DocM(hit.part);
    const GColumn& b = flow->m_columns[hit.block];
    const long first = hit.column < kMostTextColumns ? b.startRows[hit.column] : -1;
    if (first < 0)
    {
        hit.kind = kHitBelowRows;
        m_nHitKind = hit.kind;
        return;
    }
    long end = hit.column + 1 < kMostTextColumns ? flow->GetColumnRow(hit.block, hit.column + 1) : -1;
    if (end == -1)
        end = flow->GetColumnRow(hit.block + 1, 0);
    for (long r = first; r < end; ++r)
    {
        const long height = flow->RowHi(r, -1);
        if (hit.y < height)
        {
            hit.row = (LONG)r;
            return;
        }
        hit.y -= (LONG)height;
    }
    hit.kind = kHitBelowRows;
    m_nHitKind = hit.kind;
    hit.row = (LONG)(first < end ? end : first);
}

void CWView::HitTestPos(GHitTest& hit, int nearest)
{
    hit.nearest = nearest;
    if (hit.row == -1)
        HitTestRow(hit);
    m_nHitKind = hit.kind;
    if (hit.kind > kHitRight)
        return;
    GDoc* flow = DocM(hit.part);
    CPreparedViewDC dc(this);
    const long start = flow->GetRowChar(hit.row);
    long end = flow->GetRowChar(hit.row + 1);
    if (end > 0 && flow->m_chars[end - 1] == kBreak)
        --end;
    if (end > 0 && flow->m_chars[end - 1] == kParagraphEnd)
        --end;
    int indent = 0;
    GetTextAlign(dc.Get(), hit.part, hit.row, indent);
    const long x = hit.x - indent;
    long result = -1;
    if (x < 0)
    {
        result = start;
        hit.nearest = 0;
    }
    else
    {
        auto widthTo = [&](long i) {
            if (i <= start)
                return 0L;
            int ascent = 0;
            const long w = flow->CalcTextSizeForView(start, i, 1, ascent, dc.Get()).cx;
            dc->SetTextJustification(0, 0);
            return w;
        };
        for (long i = start; i <= end; ++i)
        {
            const long w = widthTo(i);
            if (x > w)
                continue;
            if (i > 0 && flow->m_chars[i - 1] == kFieldMark)
                result = i - 1;
            else if (hit.nearest && i > start)
            {
                const long before = widthTo(i - 1);
                if (w - x >= x - before)
                {
                    result = i - 1;
                    hit.nearest = 0;
                }
                else
                    result = i;
            }
            else
                result = i;
            break;
        }
        if (result < 0)
        {
            result = flow->m_chars[end] == kParagraphEnd ? end : (end > 0 ? end - 1 : 0);
            hit.nearest = 0;
        }
    }
    hit.character = (LONG)result;
    m_nHitKind = hit.kind;
}
