// Frames: making and releasing them, their place on the page by kind,
// their sizes and height limits, visibility and areas.
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"
#include <algorithm>

using std::max;
using std::min;

int DisableNextFrame = 0;

// Frames are placed against other frames; a damaged or circular set of
// links must not recurse for ever.
namespace
{
const int kMostPlacementDepth = 48;
int placementDepth = 0;

struct DepthGuard
{
    bool tooDeep;
    DepthGuard() : tooDeep(++placementDepth > kMostPlacementDepth) {}
    ~DepthGuard() { --placementDepth; }
};

long RowY(GDoc* flow, long row)
{
    if (!flow || flow->m_rows.GetCount() == 0)
        return 0;
    if (row < 0)
        row = 0;
    if (row >= flow->m_rows.GetCount())
        row = flow->m_rows.GetCount() - 1;
    return flow->m_rows.Unsettled(row).y;
}

// The first row of a flow's page; the closing row past the last page.
long PageFirstRow(GDoc* flow, long page)
{
    if (!flow || page < 0)
        return 0;
    if (page >= flow->m_pages.GetCount())
        return flow->m_rows.GetCount() - 1;
    return flow->GetPageRow(page);
}

bool IsHeaderFooterKind(long kind)
{
    return kind == kVHeaderOdd || kind == kVHeaderEven || kind == kVFooterOdd || kind == kVFooterEven;
}
} // namespace

static void ClearMembers(CFrame& f)
{
    f.area.SetRectEmpty();
    f.anchor = NULL;
    f.content = NULL;
    f.owner = NULL;
    f.next = NULL;
    f.reserved = 0;
    f.userFrame = 1;
    f.hKind = kHFromPage;
    f.vKind = kVBelowPara;
    f.hAnchor = -1;
    f.vAnchor = -1;
    f.hTextDistance = f.vTextDistance = 0;
    f.x = f.y = f.width = f.height = 0;
    f.widthMode = kSizeFixedWidth;
    f.heightMode = kSizeAtLeast;
    f.maxHeight = 0;
    f.columnPara = f.columnCount = f.columnIndex = 0;
    f.columnData = NULL;
    f.hasArrow = 0;
    f.arrowPara = -1;
    f.arrowTipY = f.arrowTipX = 0;
    f.arrowFrom = CPoint(0, 0);
    f.arrowTo = CPoint(0, 0);
    f.arrowTracker = NULL;
    f.arrowStyle = tagArrowStyle();
    f.tag = 0;
    f.tracker = NULL;
    f.alive = 0;
    f.arrowTracking = 0;
    f.pageArea.SetRectEmpty();
    f.storedAnchor = f.storedContent = f.storedNext = kNoIndex;
}

CFrame::CFrame()
{
    ClearMembers(*this);
    DisableNextFrame = 0;
}

CFrame::CFrame(CWDocument* owner_, GDoc* anchor_, GDoc* content_, long x_, long y_, long width_, long height_,
               long hAnchor_, long vAnchor_, int hKind_, int vKind_, int heightMode_, int widthMode_,
               int hTextDistance_, int vTextDistance_, int userFrame_)
{
    ClearMembers(*this);
    DisableNextFrame = 0;
    owner = owner_;
    anchor = anchor_;
    content = content_;
    x = (LONG)x_;
    y = (LONG)y_;
    width = (LONG)width_;
    height = (LONG)height_;
    hAnchor = hAnchor_;
    vAnchor = vAnchor_;
    hKind = hKind_;
    vKind = vKind_;
    heightMode = heightMode_;
    widthMode = widthMode_;
    hTextDistance = hTextDistance_;
    vTextDistance = vTextDistance_;
    userFrame = userFrame_;
    area = CRect(kNotPlaced, 0, 0, 0);
    alive = 1;

    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    if (hKind == kHFromMargin)
        x -= info.textLeft;
    if (vKind == kVPageMargin)
        y -= info.textTop;
    else if (vKind == kVBelowPara && anchor)
    {
        // A page-relative y is kept as an offset from the paragraph.
        long para = vAnchor_;
        long paraRow = anchor->GetParaRow(para);
        vKind = kVPageTop;
        vAnchor = anchor->GetRowPage(paraRow);
        long top = GetVPos();
        y = (LONG)(top - RowY(anchor, paraRow));
        vKind = kVBelowPara;
        vAnchor = para;
    }
    name = MakeUniqueName();
}

void CFrame::CopyMembers(const CFrame& o)
{
    area = o.area;
    anchor = o.anchor;
    content = o.content;
    owner = o.owner;
    next = o.next;
    reserved = o.reserved;
    userFrame = o.userFrame;
    hKind = o.hKind;
    vKind = o.vKind;
    hAnchor = o.hAnchor;
    vAnchor = o.vAnchor;
    hTextDistance = o.hTextDistance;
    vTextDistance = o.vTextDistance;
    x = o.x;
    y = o.y;
    width = o.width;
    height = o.height;
    widthMode = o.widthMode;
    heightMode = o.heightMode;
    maxHeight = o.maxHeight;
    columnPara = o.columnPara;
    columnCount = o.columnCount;
    columnIndex = o.columnIndex;
    columnData = o.columnData;
    hasArrow = o.hasArrow;
    arrowPara = o.arrowPara;
    arrowTipY = o.arrowTipY;
    arrowTipX = o.arrowTipX;
    arrowFrom = o.arrowFrom;
    arrowTo = o.arrowTo;
    arrowStyle = o.arrowStyle;
    name = o.name;
    tag = o.tag;
    alive = o.alive;
    arrowTracking = 0;
    pageArea = o.pageArea;
    storedAnchor = o.storedAnchor;
    storedContent = o.storedContent;
    storedNext = o.storedNext;
}

CFrame& CFrame::operator=(const CFrame& other)
{
    if (this != &other)
    {
        DestroyTracker();
        CopyMembers(other);
    }
    return *this;
}

CFrame::~CFrame()
{
    DestroyTracker();
}

GArrayI<CFrame*>* CFrame::PageFrames() const
{
    return owner ? &owner->m_frames : NULL;
}

GArrayI<CFrame*>* CFrame::GetList() const
{
    return anchor ? &anchor->m_frames : PageFrames();
}

void CFrame::Destroy()
{
    if (alive != 1)
        return;
    DestroyTracker();

    if (content)
    {
        // The place the frame leaves must be repainted.
        content->m_rcFrameRepaint = pageArea;
        content->m_pRepaintFrame = this;
        CFrame* first = content->m_pFirstFrame;
        if (first != this)
        {
            for (CFrame* f = first; f; f = f->next)
                if (f->next == this)
                {
                    f->next = next;
                    break;
                }
        }
        else if (next)
            content->m_pFirstFrame = next;
        else
        {
            // The only frame of its flow: the flow must not keep pointing
            // at a frame that is gone.
            content->m_pFirstFrame = NULL;
            if (content->m_nIndex >= kFirstContentFlow)
            {
                // Still missing: when the current view shows this document
                // and the frame has an anchor, the view's editing moves to
                // the anchor flow (CWView::SetDocPart) and MakeArea(0) of
                // the shrunk frame lets the anchor's text close up; no
                // view exists yet (FindView answers null).
                long index = owner ? owner->FlowIndex(content) : -1;
                if (index >= 0)
                {
                    if (anchor)
                    {
                        // Shrunk to nothing first, so that the anchor's text
                        // closes up once views repaint.
                        widthMode = kSizeFixedWidth;
                        heightMode = kSizeFixedHeight;
                        hTextDistance = vTextDistance = 0;
                        width = height = 0;
                    }
                    content = NULL;
                    owner->m_flows.Destroy(index, 1);
                    for (long i = kFirstContentFlow; i < owner->m_flows.GetCount(); ++i)
                    {
                        GDoc* flow = owner->m_flows[i];
                        if (flow)
                        {
                            flow->m_nIndex = (LONG)i;
                            flow->m_redraw.m_nIndex = (LONG)i;
                        }
                    }
                    if (owner->m_nCurPart > owner->m_flows.GetCount() - 1)
                        owner->m_nCurPart = owner->m_flows.GetCount() - 1;
                }
            }
        }
    }
    if (columnCount <= 0 && !next)
        delete columnData;
    columnData = NULL;
    delete this;
}

long CFrame::GetHPos()
{
    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    switch (hKind)
    {
    case kHFromMargin:
        return x;
    case kHFromPage:
    case kHHeaderOdd:
    case kHHeaderEven:
        return x - info.textLeft;
    case kHInColumn:
    {
        long result = x;
        if (!anchor || anchor->m_columns.GetCount() < 2)
            return result;
        long block = (long)(hAnchor / 10);
        long col = (long)(hAnchor % 10);
        long lastBlock = anchor->m_columns.GetCount() - 2;
        if (block > lastBlock)
            block = lastBlock;
        if (block < 0)
            block = 0;
        const GColumn& c = anchor->m_columns[block];
        long cols = (BYTE)c.count;
        if (col > cols - 1)
            col = cols - 1;
        if (col > kMostTextColumns || col < 0)
            col = 0;
        for (long i = 0; i < col && i < kMostTextColumns; ++i)
            result += c.cols[i].width + c.cols[i].gap;
        return result;
    }
    case kHRightOfFrame:
    {
        CFrame* f = FromAnchor(hAnchor);
        DepthGuard guard;
        if (!f || guard.tooDeep)
            return x;
        return x + f->GetAreaByMargin(-1, 0).right;
    }
    default:
        return -1;
    }
}

// Kind-1 placement on a page: with an anchor flow, in the anchor's flow
// coordinates; without one, y itself.
long CFrame::GetVPosAsKind1(long page)
{
    if (!anchor)
        return y;
    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    long pageTop = anchor->GetAreaByMargin(page, 0, 0).top + info.textTop;
    return RowY(anchor, PageFirstRow(anchor, page)) - pageTop + y;
}

long CFrame::GetVPos()
{
    DepthGuard guard;
    if (guard.tooDeep)
        return y;
    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    switch (vKind)
    {
    case kVPageMargin:
    {
        if (!anchor)
            return y;
        long page = GetPage();
        return RowY(anchor, PageFirstRow(anchor, page)) - anchor->GetAreaByMargin(page, 0, 0).top + y;
    }
    case kVPageTop:
    case kVHeaderOdd:
    case kVHeaderEven:
    case kVHeaderFirst:
        return GetVPosAsKind1(GetPage());
    case kVBelowPara:
    {
        if (!anchor)
            return y;
        long first = anchor->GetParaRow((long)vAnchor);
        if (first <= 0)
            return y;
        return RowY(anchor, first - 1) + anchor->m_rows.Unsettled(first - 1).height + y;
    }
    case kVNextPage:
        return RowY(anchor, PageFirstRow(anchor, GetPage())) + 1;
    case kVPageBottom:
    case kVFooterOdd:
    case kVFooterEven:
    case kVFooterFirst:
    {
        if (anchor)
        {
            long first = anchor->GetParaRow((long)vAnchor);
            if (first <= 0)
                return y;
            return RowY(anchor, first - 1) + anchor->m_rows.Unsettled(first - 1).height + y;
        }
        return info.paperHeight - (GetHeight() + y);
    }
    case kVBelowFrame:
    {
        CFrame* f = FromAnchor(vAnchor);
        if (!f)
            return y;
        return y + f->GetAreaByPage(GetPage(), 0).bottom;
    }
    case kVLevelWithFrame:
    {
        CFrame* f = FromAnchor(vAnchor);
        if (!f)
            return y;
        return y + f->GetAreaByPage(-1, 0).top;
    }
    case kVWithContentPara:
    {
        if (!content || !content->m_pFirstFrame)
            return y;
        long para = (long)vAnchor;
        if (para <= 0)
        {
            CFrame* first = content->m_pFirstFrame;
            return y + (first == this ? pageArea.top : first->GetAreaByPage(-1, 0).top);
        }
        long paraRow = content->GetParaRow(para);
        long page = content->GetRowPage(paraRow > 0 ? paraRow - 1 : 0);
        CFrame* f = content->m_pFirstFrame->GetFrameByCol(page);
        if (!f)
            return y;
        long top = f == this ? pageArea.top : f->GetAreaByPage(page, 0).top;
        return RowY(content, paraRow) + top - RowY(content, PageFirstRow(content, page)) + y;
    }
    case kVAboveFrame:
    {
        CFrame* f = FromAnchor(vAnchor);
        if (!f)
            return y;
        return f->GetAreaByPage(-1, 0).top - y - GetHeight();
    }
    default:
        return -1;
    }
}

long CFrame::GetWidth()
{
    if (widthMode == kSizeFixedWidth)
        return width;
    if (widthMode == kSizeAuto)
    {
        if (content && content->m_nIndex >= kFirstContentFlow)
        {
            CRect border(0, 0, 0, 0);
            content->GetMaxBorderRect(border);
            return width + max((long)border.Width(), 2L * hTextDistance);
        }
        return width;
    }
    return -1;
}

long CFrame::GetMode0Height()
{
    if (!content)
        return height;
    CRect border(0, 0, 0, 0);
    content->GetMaxBorderRect(border);
    long i = GetFrameIndex();
    if (i < 0)
        i = 0;
    if (i + 1 >= content->m_pages.GetCount())
        return 0;
    long text = RowY(content, PageFirstRow(content, i + 1)) - RowY(content, PageFirstRow(content, i));
    long top = max((long)(kBorderClearance - border.top), (long)vTextDistance);
    long bottom = max((long)(border.bottom + kBorderClearance), (long)vTextDistance);
    if (text + 2 * vTextDistance > height)
        height = (LONG)(text + 2 * vTextDistance);
    return text + top + bottom;
}

long CFrame::GetHeight()
{
    DepthGuard guard;
    if (guard.tooDeep)
        return height;
    long result;
    switch (heightMode)
    {
    case kSizeAuto:
        result = GetMode0Height();
        break;
    case kSizeAtLeast:
        result = max(GetMode0Height(), (long)height);
        break;
    case kSizeFixedHeight:
        result = height;
        break;
    default:
        return -1;
    }
    long limit = GetMaxHeight();
    return result > limit ? limit : result;
}

long CFrame::GetMaxHeight(int)
{
    if (maxHeight > 0)
        return maxHeight;
    DepthGuard guard;
    if (guard.tooDeep)
        return kNoHeightLimit;
    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    if (heightMode == kSizeFixedHeight)
    {
        if (!next)
            return kNoHeightLimit;
        if (anchor)
            return height;
        heightMode = kSizeAuto;
        long limit = GetMaxHeight();
        heightMode = kSizeFixedHeight;
        return min(limit, (long)height);
    }
    if (heightMode != kSizeAuto && heightMode != kSizeAtLeast)
        return info.paperHeight;
    if (anchor)
        return info.paperHeight;

    long limit = info.paperHeight;
    long top = GetVPos();
    long page = GetPage();
    if (GArrayI<CFrame*>* list = PageFrames())
    {
        for (long i = 0; i < list->GetCount(); ++i)
        {
            CFrame* other = (*list)[i];
            if (!other || other == this || !other->IsVisible(page))
                continue;
            if (columnCount > 0 && other->content == content)
                continue;
            long otherTop = other->GetVPos();
            if (otherTop > top && otherTop < limit)
                limit = otherTop;
        }
    }
    long answer = limit - top;
    if (columnPara != 0 && content)
    {
        long index = GetFrameIndex();
        if (index >= content->m_pages.GetCount() - 1)
            return 0;
        long paraRow = content->GetParaRow(columnPara);
        long firstRow = PageFirstRow(content, index);
        if (paraRow <= firstRow)
            return 0;
        answer = min(answer, RowY(content, paraRow) - RowY(content, firstRow));
    }
    return answer;
}

long CFrame::GetPage()
{
    DepthGuard guard;
    if (guard.tooDeep)
        return -1;
    switch (vKind)
    {
    case kVPageMargin:
    case kVPageTop:
    case kVPageBottom:
    case kVHeaderFirst:
    case kVFooterFirst:
    {
        GDoc* body = owner ? owner->GetFlow(kBodyFlow) : NULL;
        if (body)
        {
            long last = body->m_pages.GetCount() - 2;
            if (last >= 0 && vAnchor > last)
                vAnchor = last;
        }
        return (long)vAnchor;
    }
    case kVBelowPara:
    {
        if (!anchor)
            return -1;
        long first = anchor->GetParaRow((long)vAnchor);
        return anchor->GetRowPage(first > 0 ? first - 1 : 0);
    }
    case kVNextPage:
    {
        CFrame* f = FromAnchor(vAnchor);
        return f ? f->GetPage() + 1 : -1;
    }
    case kVBelowFrame:
    case kVLevelWithFrame:
    case kVAboveFrame:
    {
        CFrame* f = FromAnchor(vAnchor);
        if (!f)
            return -1;
        if (IsHeaderFooterKind(f->vKind))
            return (long)hAnchor;
        return f->GetPage();
    }
    case kVWithContentPara:
    {
        if (!content || !content->m_pFirstFrame)
            return -1;
        long para = (long)vAnchor;
        long page = 0;
        if (para > 0)
        {
            long first = content->GetParaRow(para);
            page = content->GetRowPage(first > 0 ? first - 1 : 0);
        }
        CFrame* f = content->m_pFirstFrame->GetFrameByCol(page);
        if (!f || f == this)
            return page;
        return f->GetPage();
    }
    default:
        return -1;
    }
}

int CFrame::IsVisible(long page)
{
    if (page < 0)
        return 1;
    const bool firstDiffers = owner && owner->FirstPageDiffers();
    const bool oddEvenDiffers = owner && owner->OddEvenDiffers();
    const bool odd = page % 2 == 1;
    switch (vKind)
    {
    case kVHeaderOdd:
    case kVFooterOdd:
        if (page == 0 && firstDiffers)
            return 0;
        return !odd || !oddEvenDiffers;
    case kVHeaderEven:
    case kVFooterEven:
        return odd && oddEvenDiffers;
    case kVHeaderFirst:
    case kVFooterFirst:
        return page == 0 && firstDiffers;
    default:
        return GetPage() == page;
    }
}

CRect CFrame::GetAreaByMargin(long page, int inner)
{
    if (!IsVisible(page))
        return CRect(0, 0, 0, 0);
    DepthGuard guard;
    if (guard.tooDeep)
        return area;
    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    long ownPage = page < 0 ? GetPage() : page;
    long t = 0;
    switch (vKind)
    {
    case kVPageMargin:
        t = y;
        break;
    case kVPageTop:
    case kVHeaderOdd:
    case kVHeaderEven:
    case kVHeaderFirst:
        t = y - info.textTop;
        break;
    case kVBelowPara:
        t = GetVPos();
        if (anchor)
            t += anchor->GetAreaByMargin(ownPage, 1, 0).top - RowY(anchor, PageFirstRow(anchor, ownPage));
        break;
    case kVNextPage:
    {
        GDoc* header = owner ? owner->GetFlow(owner->GetPageHeader(ownPage)) : NULL;
        CFrame* h = header ? header->m_pFirstFrame : NULL;
        t = (h ? h->area.Height() : 0) + 1;
        break;
    }
    case kVPageBottom:
    case kVFooterOdd:
    case kVFooterEven:
    case kVFooterFirst:
        t = info.paperHeight - (GetHeight() + y) - info.textTop;
        break;
    default:
        t = GetVPos() - info.textTop;
        break;
    }

    const long h = area.Height();
    CRect r(area.left, t, area.right, t + h);
    if (!content)
        return r;
    CRect border(0, 0, 0, 0);
    content->GetPageBorderRect(border, GetFrameIndex());
    const bool textArea = content->m_nIndex < kFirstContentFlow;
    if (inner)
    {
        r.top = t + max((long)(kBorderClearance - border.top), (long)vTextDistance);
        r.bottom = t + h - max((long)(border.bottom + kBorderClearance), (long)vTextDistance);
        if (!textArea)
        {
            r.left = area.left + max((long)(kBorderClearance - border.left), (long)hTextDistance);
            r.right = area.right - max((long)(border.right + kBorderClearance), (long)hTextDistance);
        }
    }
    else if (textArea)
    {
        r.left = area.left - max((long)(kBorderClearance - border.left), (long)hTextDistance);
        r.right = area.right + max((long)(border.right + kBorderClearance), (long)hTextDistance);
    }
    return r;
}

CRect CFrame::GetAreaByPage(long page, int inner)
{
    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    CRect r = GetAreaByMargin(page, inner);
    r.OffsetRect(info.textLeft, info.textTop);
    return r;
}

CRect CFrame::GetAreaByPara(long para)
{
    CRect r = area;
    if (anchor)
    {
        long top = RowY(anchor, anchor->GetParaRow(para));
        r.top -= top;
        r.bottom -= top;
    }
    return r;
}

int CFrame::MakeArea(int force)
{
    CRect old = area;
    long left = GetHPos();
    long top = GetVPos();
    area = CRect(left, top, left + GetWidth(), top + GetHeight());
    CheckArrow(0);
    const bool changed = area != old;
    if (!changed && !force)
        return 1;
    const bool wasPlaced = old.left != kNotPlaced;
    if (changed && wasPlaced && content && owner)
        owner->InvalidateAllViews();

    if (!anchor && wasPlaced)
    {
        if (GArrayI<CFrame*>* list = PageFrames())
            for (long i = 0; i < list->GetCount(); ++i)
            {
                CFrame* other = (*list)[i];
                if (other && other != this && other->columnCount <= 0 && other->content != content)
                    other->MakeArea(0);
            }
    }
    if (anchor)
    {
        if (content)
        {
            const GPageInfo& info = CWDocument::PageSetupOf(owner);
            long colWidth = content->m_nIndex < kFirstContentFlow ? info.GetTextWidth()
                                                                  : GetAreaByPage(-1, 1).Width();
            for (long b = 0; b + 1 < content->m_columns.GetCount(); ++b)
                content->m_columns[b].cols[0].width = (LONG)colWidth;
        }
        long page = GetPage();
        if (page >= 0 && page + 1 < anchor->m_pages.GetCount())
        {
            long first = PageFirstRow(anchor, page);
            long last = PageFirstRow(anchor, page + 1) - 1;
            anchor->ReRowByRow(first, last, GDoc::kReRowEdit, GDoc::kWholeParagraph);
        }
        if (owner)
            owner->InvalidateAllViews();
    }
    if (content && wasPlaced && area.Width() != old.Width() && owner)
        owner->InvalidateAllViews();
    if (area != old)
        pageArea = GetAreaByPage(-1, 0);
    return changed ? 0 : 1;
}

int CFrame::SetHTextDistance(int distance)
{
    if (distance < 0)
        return 0;
    hTextDistance = distance;
    if (content)
        for (long p = 0; p + 1 < content->m_paras.GetCount(); ++p)
            content->ReRowFromRow(content->GetParaRow(p), 0, 1);
    return 1;
}

int CFrame::SetVTextDistance(int distance)
{
    if (distance < 0)
        return 0;
    vTextDistance = distance;
    return 1;
}

int CFrame::IsFrameSizeValid(CRect rect)
{
    rect.NormalizeRect();
    if (!owner)
        return 1;
    for (long i = kFirstContentFlow; i < owner->m_flows.GetCount(); ++i)
    {
        GDoc* flow = owner->m_flows[i];
        CFrame* f = flow ? flow->m_pFirstFrame : NULL;
        if (!f || f == this)
            continue;
        f->area.NormalizeRect();
        CRect overlap;
        if (overlap.IntersectRect(&rect, &f->area))
            return 0;
    }
    return 1;
}

CFrame* CFrame::GetFrameByCol(long n)
{
    CFrame* f = content ? content->m_pFirstFrame : NULL;
    for (long i = 0; f && i < n; ++i)
        f = f->next;
    return f;
}

long CFrame::GetCols()
{
    long n = 0;
    for (CFrame* f = content ? content->m_pFirstFrame : NULL; f; f = f->next)
        ++n;
    return n;
}

namespace
{
const CFrame::KnownIndex* s_knownIndex = NULL;
}

CFrame::KnownIndex::KnownIndex(CFrame* frame, long index)
    : m_pFrame(frame), m_pFirst(frame && frame->content ? frame->content->m_pFirstFrame : NULL), m_nIndex(index),
      m_pOuter(s_knownIndex)
{
    s_knownIndex = this;
}

CFrame::KnownIndex::~KnownIndex()
{
    s_knownIndex = m_pOuter;
}

long CFrame::GetFrameIndex()
{
    if (!content || !content->m_pFirstFrame)
        return -1;
    // Trusted only while the chain still starts where it did.
    if (s_knownIndex && s_knownIndex->m_pFrame == this && s_knownIndex->m_pFirst == content->m_pFirstFrame)
        return s_knownIndex->m_nIndex;
    long i = 0;
    for (CFrame* f = content->m_pFirstFrame; f; f = f->next, ++i)
        if (f == this)
            return i;
    return -1;
}

// The frame of the chain that shows the page of a row; its text starts at
// the flow y of that page's first row. Callers ask for rows in order, so
// the walk goes on from the cached frame when the row is not before its
// page. Pages are broken one to a frame (the body's last frame takes every
// later page), so the walk steps one frame per page; comparing the frame's
// height with the page's rows instead would give a page of one row, or
// any frame taller than its text, to the frame before.
CFrame* CFrame::GetFrameByRow(long row, long* yOffset, SLastFrameParams* cache)
{
    CFrame* frame = content ? content->m_pFirstFrame : this;
    long offset = 0;
    if (content && frame)
    {
        long page = 0;
        if (cache && cache->frame && cache->frame->content == content)
        {
            const long cachedPage = content->GetRowPage(cache->row);
            if (row >= PageFirstRow(content, cachedPage))
            {
                frame = cache->frame;
                offset = cache->yOffset;
                page = cachedPage;
            }
        }
        const long rowPage = content->GetRowPage(row);
        const long startPage = page;
        while (page < rowPage && frame->next)
        {
            frame = frame->next;
            ++page;
        }
        // Only the page the walk ends on gives the offset: finding each
        // passed page's first row would cost a search per page.
        if (page < rowPage)
            offset = RowY(content, PageFirstRow(content, rowPage));
        else if (page != startPage)
            offset = RowY(content, PageFirstRow(content, page));
    }
    if (yOffset)
        *yOffset = offset;
    if (cache)
    {
        cache->frame = frame;
        cache->row = (LONG)row;
        cache->yOffset = (LONG)offset;
    }
    return frame;
}

CRect CFrame::CorrectArea()
{
    long page = GetPage();
    CRect r = GetAreaByMargin(page, 0);
    CRect result = area;
    if (!anchor)
        return result;
    CRect m = anchor->GetAreaByMargin(page, 1, 0);
    if (r.bottom > m.bottom)
    {
        long d = r.bottom - m.bottom;
        r.OffsetRect(0, -d);
        result.OffsetRect(0, -d);
    }
    if (m.top > r.top)
    {
        long d = m.top - r.top + 1;
        r.OffsetRect(0, d);
        result.OffsetRect(0, d);
    }
    if (r.right > m.right)
    {
        long d = r.right - m.right;
        r.OffsetRect(-d, 0);
        result.OffsetRect(-d, 0);
    }
    if (m.left > r.left)
    {
        long d = m.left - r.left;
        r.OffsetRect(d, 0);
        result.OffsetRect(d, 0);
    }
    if (r.right > m.right)
        result.right -= r.right - m.right;
    if (r.bottom > m.bottom)
        result.bottom -= r.bottom - m.bottom;
    return result;
}

void DestroyFrame(CFrame* frame, CWDocument* doc)
{
    if (!frame)
        return;
    GArrayI<CFrame*>* list = frame->content ? &frame->content->m_frames : doc ? &doc->m_frames : NULL;
    if (!list)
        return;
    for (long i = 0; i < list->GetCount(); ++i)
        if ((*list)[i] == frame)
        {
            list->Destroy(i, 1);
            return;
        }
}
