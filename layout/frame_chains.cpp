// Frame chains and columns (continuation and column frames), the holes a
// frame cuts into the rows beside it, unique frame names, and the stored
// form of frames and frame lists.
#include "layout/CFrame.h"
#include <string.h>
#include <vector>
#include "model/GDoc.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"
#include <algorithm>

using std::max;
using std::min;

namespace
{
// Frame text distances of continuation and column frames.
const int kChainTextDistance = 26;
const int kMostFrameNumber = 0x7ffffffe;

// Column data grows in steps of a whole column set.
const long kColumnDataGrow = kMostTextColumns;

// While a frame list is read or written, the list its indexes refer to,
// and the column data last read in it (frames of a column set after the
// first share it). Both belong to that one list.
GArrayI<CFrame*>* listInUse = NULL;
GArray<CData>* lastColumnData = NULL;

struct ListInUse
{
    explicit ListInUse(GArrayI<CFrame*>* list)
    {
        listInUse = list;
        lastColumnData = NULL;
    }
    ~ListInUse()
    {
        listInUse = NULL;
        lastColumnData = NULL;
    }
};

long IndexIn(GArrayI<CFrame*>* list, const CFrame* frame)
{
    if (!list || !frame)
        return -1;
    for (long i = 0; i < list->GetCount(); ++i)
        if ((*list)[i] == frame)
            return i;
    return -1;
}

void AddToList(CFrame* frame)
{
    if (GArrayI<CFrame*>* list = frame->GetList())
        list->Add(frame);
}
} // namespace

void CFrame::AddNextFrame()
{
    if (heightMode == kSizeFixedHeight || DisableNextFrame)
        return;
    CFrame* last = this;
    if (content && content->m_pFirstFrame)
        last = content->m_pFirstFrame;
    while (last->next)
        last = last->next;
    long page = last->GetPage() + 1;
    GDoc* header = owner ? owner->GetFlow(owner->GetPageHeader(page)) : NULL;
    CFrame* h = header ? header->m_pFirstFrame : NULL;

    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    CFrame* frame = new CFrame(last->owner, last->anchor, last->content, last->x, last->y, info.GetTextWidth(), 0,
                               page, 0, kHFromPage, kVBelowFrame, kSizeAuto, kSizeFixedWidth, kChainTextDistance,
                               0, 0);
    frame->vAnchor = (LONG_PTR)h;
    frame->maxHeight = last->maxHeight;
    last->next = frame;
    AddToList(frame);
    frame->MakeArea(0);
}

void CFrame::ContinueColsInPage(long page, long height_)
{
    CFrame* first = content ? content->m_pFirstFrame : NULL;
    if (!first)
        return;
    // The height of the chain's second-to-last frame.
    CFrame* beforeLast = NULL;
    for (CFrame* f = first; f && f->next; f = f->next)
        beforeLast = f;
    if (beforeLast)
        height = beforeLast->GetHeight();
    heightMode = kSizeFixedHeight;

    const GPageInfo& info = CWDocument::PageSetupOf(owner);
    const long firstPage = first->GetPage();
    CFrame* made = NULL;
    GArrayI<CFrame*>* list = GetList();
    for (CFrame* f = first; f->next && f->GetPage() == firstPage; f = f->next)
    {
        CFrame* frame = new CFrame(owner, anchor, content, info.textLeft, 0, info.GetTextWidth(), height_, page, 0,
                                   kHFromPage, kVBelowFrame, kSizeFixedHeight, kSizeFixedWidth,
                                   kChainTextDistance, 0, 0);
        frame->vAnchor = f->vAnchor;
        if (list && list->GetCount() > 0)
        {
            CFrame* previous = (*list)[list->GetCount() - 1];
            frame->next = previous->next;
            previous->next = frame;
        }
        AddToList(frame);
        made = frame;
    }
    if (made)
        made->heightMode = kSizeAuto;
    MakeArea(0);
}

void CFrame::InsertCol()
{
    if (!columnData || columnIndex + 1 >= columnData->GetCount())
        return;
    const CData& here = (*columnData)[columnIndex];
    const CData& following = (*columnData)[columnIndex + 1];
    CFrame* frame = new CFrame(owner, anchor, content, here.gap, 0, following.width, 0, 0, 0, kHRightOfFrame,
                               kVLevelWithFrame, kSizeAuto, kSizeFixedWidth, kChainTextDistance, 0, 0);
    frame->hAnchor = (LONG_PTR)this;
    frame->vAnchor = (LONG_PTR)this;
    frame->columnCount = columnCount;
    frame->columnData = columnData;
    frame->columnPara = columnPara;
    frame->columnIndex = columnIndex + 1;
    if (frame->columnIndex + 1 < columnCount)
    {
        frame->heightMode = kSizeFixedHeight;
        if (content && next)
        {
            long index = next->GetFrameIndex();
            long row = index >= 0 && index < content->m_pages.GetCount() ? content->GetPageRow(index) : 0;
            frame->height = (LONG)content->RowHi(row > 0 ? row - 1 : 0, -1);
        }
    }
    frame->next = next;
    next = frame;
    AddToList(frame);
    frame->MakeArea(0);
    if (content)
        content->ReColumn(0);
}

void CFrame::AddHoleInRow(GDoc* flow, long row, long height_)
{
    if (!flow || row < 0 || row >= flow->m_rows.GetCount() || !flow->m_rows[row].holes)
        return;
    long page = GetPage();
    CFrame* f = flow->m_pFirstFrame ? flow->m_pFirstFrame->GetFrameByRow(row, NULL, NULL) : NULL;
    if (!f || !f->IsVisible(page))
        return;
    if (height_ == 0)
        height_ = 1;
    CRect r = GetAreaByPage(page, 0);
    CRect t = f->GetAreaByPage(page, 1);

    // The row's y on its page.
    long block = flow->GetRowColumn(row);
    long col = flow->GetRowCol(row);
    const GColumn& c = flow->m_columns[block];
    long colFirst = c.startRows[col < 0 || col >= kMostTextColumns ? 0 : col];
    if (colFirst < 0)
        colFirst = row;
    long pageBlock = flow->GetPageColumn(flow->GetRowPage(row));
    long yOnPage = flow->m_rows[row].y - flow->m_rows[colFirst].y + c.position - flow->m_columns[pageBlock].position;
    if (yOnPage + t.top > r.bottom)
        return;

    long left = t.left;
    for (long i = 0; i < col && i < kMostTextColumns; ++i)
        left += c.cols[i].width + c.cols[i].gap;
    CRect band(left, t.top + yOnPage, 0x7fffffff, t.top + yOnPage + height_);
    CRect cut;
    if (!cut.IntersectRect(&band, &r))
        return;
    cut.OffsetRect(-band.left, 0);

    GArray<CHole>& holes = *flow->m_rows[row].holes;
    for (long i = 0; i < holes.GetCount(); ++i)
    {
        const CHole& h = holes[i];
        if (h.x < cut.right && h.x + h.width > cut.left)
        {
            cut.left = min(cut.left, (LONG)h.x);
            cut.right = max(cut.right, (LONG)(h.x + h.width));
        }
    }
    CHole hole;
    hole.x = cut.left;
    hole.width = cut.Width();
    flow->m_rows[row].AddHole(hole);
}

// The numbers taken are gathered in one pass over the list, so that a
// document of many page frames does not compare every candidate with
// every frame. With n frames in the list one of 1 .. n + 1 is free.
CString CFrame::MakeUniqueName()
{
    GArrayI<CFrame*>* list = GetList();
    const long count = list ? list->GetCount() : 0;
    std::vector<bool> taken(count + 2, false);
    for (long i = 0; i < count; ++i)
    {
        CFrame* f = (*list)[i];
        if (!f)
            continue;
        const char* text = (const char*)f->name;
        if (strncmp(text, "Frame ", 6) != 0 || text[6] < '1' || text[6] > '9')
            continue;   // "Frame 0..." or "Frame 01" is no candidate's name
        long n = 0;
        const char* p = text + 6;
        while (*p >= '0' && *p <= '9' && n <= count + 1)
            n = n * 10 + (*p++ - '0');
        if (*p == 0 && n >= 1 && n <= count + 1)
            taken[n] = true;
    }
    CString candidate;
    for (long n = 1; n <= count + 1 && n <= kMostFrameNumber; ++n)
        if (!taken[n])
        {
            candidate.Format("Frame %ld", n);
            return candidate;
        }
    return CString();
}

int CFrame::CheckUniqueName(CString candidate)
{
    GArrayI<CFrame*>* list = GetList();
    if (!list)
        return 1;
    for (long i = 0; i < list->GetCount(); ++i)
    {
        CFrame* f = (*list)[i];
        if (f && f->name == candidate)
            return 0;
    }
    return 1;
}

// ---- Stored form

static DWORD FlowIndexWord(CWDocument* doc, const GDoc* flow)
{
    long i = doc ? doc->FlowIndex(flow) : -1;
    return i < 0 ? kNoIndex : (DWORD)i;
}

static DWORD FrameIndexWord(GArrayI<CFrame*>* list, const CFrame* frame)
{
    long i = IndexIn(list, frame);
    return i < 0 ? kNoIndex : (DWORD)i;
}

void CFrame::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        GArrayI<CFrame*>* list = listInUse ? listInUse : GetList();
        ar << (LONG)area.left << (LONG)area.top << (LONG)area.right << (LONG)area.bottom;
        ar << FlowIndexWord(owner, anchor) << FlowIndexWord(owner, content) << FrameIndexWord(list, next);
        ar << reserved << userFrame << hKind << vKind;
        ar << (hKind == kHRightOfFrame ? FrameIndexWord(list, FromAnchor(hAnchor)) : (DWORD)(LONG)hAnchor);
        DWORD v;
        if (vKind == kVBelowFrame || vKind == kVLevelWithFrame || vKind == kVAboveFrame)
            v = FrameIndexWord(list, FromAnchor(vAnchor));
        else if (vKind == kVNextPage)
            v = kNoIndex;   // a frame pointer has no stored form
        else
            v = (DWORD)(LONG)vAnchor;
        ar << v;
        ar << hTextDistance << vTextDistance;
        ar << x << y << width << height;
        ar << widthMode << heightMode;
        ar << maxHeight << columnPara << columnCount << columnIndex;
        ar << hasArrow << arrowPara << arrowTipY << arrowTipX;
        ar << (LONG)arrowFrom.x << (LONG)arrowFrom.y << (LONG)arrowTo.x << (LONG)arrowTo.y;
        arrowStyle.Save(ar);
        const bool withColumns = columnData && columnIndex == 0;
        ar << (LONG)(withColumns ? 1 : 0);
        if (withColumns)
            columnData->Write(ar);
        ar << tag;
        return;
    }

    LONG l, t, r, b;
    ar >> l >> t >> r >> b;
    area = CRect(l, t, r, b);
    ar >> storedAnchor >> storedContent >> storedNext;
    anchor = NULL;
    content = NULL;
    next = NULL;
    ar >> reserved >> userFrame >> hKind >> vKind;
    DWORD h, v;
    ar >> h >> v;
    hAnchor = hKind == kHRightOfFrame ? (LONG_PTR)h : (LONG_PTR)(LONG)h;
    if (vKind == kVNextPage)
        vAnchor = 0;   // read as none
    else if (vKind == kVBelowFrame || vKind == kVLevelWithFrame || vKind == kVAboveFrame)
        vAnchor = (LONG_PTR)v;
    else
        vAnchor = (LONG_PTR)(LONG)v;
    ar >> hTextDistance >> vTextDistance;
    ar >> x >> y >> width >> height;
    ar >> widthMode >> heightMode;
    ar >> maxHeight >> columnPara >> columnCount >> columnIndex;
    ar >> hasArrow >> arrowPara >> arrowTipY >> arrowTipX;
    LONG fx, fy, tx, ty;
    ar >> fx >> fy >> tx >> ty;
    arrowFrom = CPoint(fx, fy);
    arrowTo = CPoint(tx, ty);
    arrowStyle.Load(ar);
    LONG withColumns;
    ar >> withColumns;
    columnData = NULL;
    if (withColumns == 1)
    {
        GArray<CData>* data = new GArray<CData>(kColumnDataGrow, kColumnDataGrow);
        try
        {
            data->Read(ar);
        }
        catch (...)
        {
            delete data;
            throw;
        }
        columnData = data;
        lastColumnData = data;
    }
    else if (withColumns != 0)
        throw kFrameReadFault;
    else if (columnCount > 0)
        columnData = lastColumnData;
    ar >> tag;
    // A frame read from a file is as alive as a new one: its list
    // releases it through Destroy.
    alive = 1;
}

// Resolves one stored frame index of the list in use; throws for an index
// outside the list.
static CFrame* FrameFromIndex(GArrayI<CFrame*>* list, DWORD index)
{
    if (index == kNoIndex)
        return NULL;
    if (!list || (LONG)index < 0 || (LONG)index >= list->GetCount())
        throw kFrameReadFault;
    return (*list)[(LONG)index];
}

static GDoc* FlowFromIndex(CWDocument* doc, DWORD index)
{
    if (index == kNoIndex)
        return NULL;
    GDoc* flow = doc && (LONG)index >= 0 ? doc->GetFlow((LONG)index) : NULL;
    if (!flow)
        throw kFrameReadFault;
    return flow;
}

void CFrame::MakePointerFromIndex(int withContent)
{
    anchor = FlowFromIndex(owner, storedAnchor);
    if (withContent)
        content = FlowFromIndex(owner, storedContent);
    GArrayI<CFrame*>* list = listInUse ? listInUse : GetList();
    next = FrameFromIndex(list, storedNext);
    if (hKind == kHRightOfFrame)
        hAnchor = (LONG_PTR)FrameFromIndex(list, (DWORD)hAnchor);
    if (vKind == kVBelowFrame || vKind == kVLevelWithFrame || vKind == kVAboveFrame)
        vAnchor = (LONG_PTR)FrameFromIndex(list, (DWORD)vAnchor);
    storedAnchor = storedNext = kNoIndex;
    if (withContent)
        storedContent = kNoIndex;
}

void SaveFrameList(CArchive& ar, const GArrayI<CFrame*>& list)
{
    ListInUse use(const_cast<GArrayI<CFrame*>*>(&list));
    ar << (LONG)list.GetCount();
    for (long i = 0; i < list.GetCount(); ++i)
        list[i]->Serialize(ar);
}

// Forgets every link of a frame whose stored indexes could not all be
// resolved, so that releasing it touches nothing else.
static void DropLinks(CFrame* f)
{
    f->anchor = NULL;
    f->content = NULL;
    f->next = NULL;
    if (f->hKind == kHRightOfFrame)
        f->hAnchor = 0;
    if (f->vKind == kVBelowFrame || f->vKind == kVLevelWithFrame || f->vKind == kVAboveFrame
        || f->vKind == kVNextPage)
        f->vAnchor = 0;
    f->columnData = NULL;
    f->columnCount = 0;
    f->alive = 1;
}

void LoadFrameList(CArchive& ar, GArrayI<CFrame*>& list, CWDocument* owner, int withContent)
{
    ListInUse use(&list);
    const long before = list.GetCount();
    // Column data arrays read for this list, freed again if the list is
    // damaged.
    CPtrArray columnArrays;
    try
    {
        LONG count;
        ar >> count;
        if (count < 0)
            throw kFrameReadFault;
        for (LONG i = 0; i < count; ++i)
        {
            CFrame* f = new CFrame;
            f->owner = owner;
            list.Add(f);
            GArray<CData>* previous = lastColumnData;
            f->Serialize(ar);
            if (lastColumnData != previous && lastColumnData)
                columnArrays.Add(lastColumnData);
        }
        for (long i = before; i < list.GetCount(); ++i)
            list[i]->MakePointerFromIndex(withContent);
    }
    catch (...)
    {
        // The array of a frame whose reading broke off after it.
        if (lastColumnData
            && (columnArrays.GetSize() == 0 || columnArrays[columnArrays.GetSize() - 1] != lastColumnData))
            columnArrays.Add(lastColumnData);
        for (long i = before; i < list.GetCount(); ++i)
            DropLinks(list[i]);
        for (int i = 0; i < columnArrays.GetSize(); ++i)
            delete (GArray<CData>*)columnArrays[i];
        list.Destroy(before, list.GetCount() - before);
        throw;
    }
}
