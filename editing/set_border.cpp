// Applying paragraph borders: the runs are split, trimmed and joined so
// that the new border covers exactly the chosen paragraphs, equal boxes
// that touch become one, and the gaps of multi-column blocks widen so side
// borders fit between the columns.
#include "model/GDoc.h"
#include "document/CWDocument.h"
#include "model/GField.h"
#include "controls/COffsetMsrEdit.h"
#include "editing/border_runs.h"
#include "editing/format_runs.h"
#include "editing/column_gaps.h"
#include "editing/CWOpFormats.h"
#include "editing/editing_support.h"
#include <algorithm>
#include <vector>

namespace
{
// Line style of a side that draws nothing.
const LONG kNoLineStyle = 9;

GBorder BlankRun(long first, long end)
{
    GBorder run;
    run.first = (LONG)first;
    run.end = (LONG)end;
    run.top.lineStyle = run.bottom.lineStyle = run.left.lineStyle = run.right.lineStyle = kNoLineStyle;
    return run;
}

// The selected object's placeholder, when it stands in this flow.
bool SelectedFieldRange(const GDoc& flow, long& from, long& to)
{
    const CWDocument* doc = flow.m_pOwner;
    if (!doc)
        return false;
    for (const GField* field : {doc->m_pSelOle, doc->m_pSelImage, doc->m_pSelLumifex})
        if (field && field->m_pDoc == &flow)
        {
            from = field->m_nPos;
            to = field->m_nPos + 1;
            return true;
        }
    return false;
}

// The characters the change touched, for repainting and re-breaking.
struct Touched
{
    long first = LONG_MAX;
    long end = -1;
    void Add(GDoc& flow, long a, long b)
    {
        first = std::min(first, a);
        end = std::max(end, b);
        flow.m_redraw.InvalByPos(a, b);
    }
};

// Side borders fit between the columns of every multi-column block.
void FitBlocksToBorders(GDoc& flow, Touched& touched)
{
    for (LONG b = 0; b + 1 < flow.m_columns.count; ++b)
    {
        GColumn& block = flow.m_columns[b];
        const int count = (BYTE)block.count;
        if (count <= 1 || count == kClosingColumnCount || count > kMostTextColumns)
            continue;
        tagColumnData data[kMostTextColumns];
        for (int k = 0; k < kMostTextColumns; ++k)
            data[k] = block.cols[k];
        const long next = flow.m_columns[b + 1].first;
        // The second flag is the block's equal-widths word.
        FitColumnGaps(flow, block.first, next, count, data, flow.m_columns[b].flags[1]);
        GColumn& fitted = flow.m_columns[b];
        bool changed = false;
        for (int k = 0; k < count; ++k)
            if (fitted.cols[k].width != data[k].width || fitted.cols[k].gap != data[k].gap)
            {
                fitted.cols[k] = data[k];
                changed = true;
            }
        if (changed)
            touched.Add(flow, fitted.first, next);
    }
}

// Still missing: the frame data's current view (the application shell
// brings it); until then no view is current and the flow's own notice
// reaches the views.
bool CurrentViewShows(const CWDocument*)
{
    return false;
}
} // namespace

void SortBorders(GArray<GBorder>& runs)
{
    SortRuns(runs);
}

int CompareOne(const CBorderStyle* a, const CBorderStyle* b)
{
    return *a == *b ? 1 : 0;
}

int compStyle(const GBorder* a, const GBorder* b)
{
    return a->top == b->top && a->bottom == b->bottom && a->left == b->left && a->right == b->right ? 1 : 0;
}

int compStyle(const GBorder* a, const CBorderStyle* styles)
{
    return a->top == styles[kSideTop] && a->bottom == styles[kSideBottom] && a->left == styles[kSideLeft] &&
                   a->right == styles[kSideRight]
               ? 1
               : 0;
}

void CopyStyles(CBorderStyle* dst, const CBorderStyle* src)
{
    for (int k = 0; k < kSideCount; ++k)
        dst[k] = src[k];
}

void SideArrayOf(const GBorder& run, CBorderStyle* styles)
{
    styles[kSideLeft] = run.left;
    styles[kSideRight] = run.right;
    styles[kSideTop] = run.top;
    styles[kSideBottom] = run.bottom;
}

void GBorder::SetStyle(int mask, CBorderStyle* styles, int offset)
{
    distance = (LONG)offset;
    if (styles)
    {
        if (mask & kBorderLeft)
            left = styles[kSideLeft];
        if (mask & kBorderRight)
            right = styles[kSideRight];
        if (mask & kBorderTop)
            top = styles[kSideTop];
        if (mask & kBorderBottom)
            bottom = styles[kSideBottom];
    }
    if (mask == 0)
        sides = 0;
    else if (mask == kBorderBox)
        sides = kBorderBox;
    else if (mask >= kExactSides)
        sides = (LONG)(mask - kExactSides);
    else
        sides ^= (LONG)mask;
}

void GDoc::SetBorder(long mask, CBorderStyle style, long from, long to)
{
    CBorderStyle styles[kSideCount] = {style, style, style, style};
    SetBorder(mask, styles, (int)COffsetMsrEdit::m_StaticValue, from, to);
}

void GDoc::SetBorder(long mask, CBorderStyle* styles, int distance, long from, long to)
{
    if (!styles)
        return;
    const long compared = mask & ~kExactSides;
    long s, e;
    if (!SelectedFieldRange(*this, s, e))
        GetSelectionC(s, e);
    ParagraphChangeRange(this, s, e, from, to);

    // The full mask is kept: redo must set exactly what was set exactly.
    if (UndoEnabled(this))
        RecordOperation(this, new CWOpSetBorder(this, from, to, mask, styles, distance));

    Touched touched;
    const auto sameBorder = [&](const GBorder& run) {
        return run.sides == compared && compStyle(&run, styles) && run.distance == distance;
    };
    if (from == to)
    {
        long holder = -1;
        for (LONG i = 0; i < m_borders.count && holder < 0; ++i)
            if (m_borders[i].first <= from && from < m_borders[i].end)
                holder = i;
        if (holder >= 0)
        {
            m_borders[holder].SetStyle((int)mask, styles, distance);
            touched.Add(*this, m_borders[holder].first, m_borders[holder].end);
        }
        else
        {
            const long p = GetCharPara(from);
            GBorder run = BlankRun(GetParaChar(p), GetParaChar(p + 1));
            run.SetStyle((int)mask, styles, distance);
            m_borders.Add(run);
            touched.Add(*this, run.first, run.end);
        }
    }
    else
    {
        long p1 = GetCharPara(from);
        long p2 = std::min(GetCharPara(to) + 1, (long)m_paras.count - 1);
        long f1 = GetParaChar(p1), f2 = GetParaChar(p2);
        bool settled = false;
        std::vector<GBorder> added;
        const auto addNew = [&](long a, long b) {
            GBorder run = BlankRun(a, b);
            run.SetStyle((int)mask, styles, distance);
            added.push_back(run);
            touched.Add(*this, a, b);
        };
        for (LONG i = 0; i < m_borders.count; ++i)
        {
            GBorder& run = m_borders[i];
            const long a = GetCharPara(run.first), b = GetCharPara(run.end);
            const long oldFirst = run.first, oldEnd = run.end;
            if (a == p1 && b == p2)
            {
                if (!sameBorder(run))
                {
                    run.SetStyle((int)mask, styles, distance);
                    touched.Add(*this, oldFirst, oldEnd);
                }
                settled = true;
            }
            else if (a < p1 && p2 < b)
            {
                if (sameBorder(run))
                    return;
                GBorder after = run;
                after.first = (LONG)f2;
                run.end = (LONG)f1;
                added.push_back(after);
                addNew(f1, f2);
                touched.Add(*this, oldFirst, oldEnd);
                settled = true;
            }
            else if (a == p1 && b > p2)
            {
                run.first = (LONG)f2;
                addNew(f1, f2);
                settled = true;
            }
            else if (a == p1 && b < p2)
            {
                run.SetStyle((int)mask, styles, distance);
                touched.Add(*this, oldFirst, oldEnd);
                p1 = b;
                f1 = oldEnd;
            }
            else if (b == p2 && a < p1)
            {
                run.end = (LONG)f1;
                addNew(f1, f2);
                settled = true;
            }
            else if (b == p2 && a > p1)
            {
                run.SetStyle((int)mask, styles, distance);
                touched.Add(*this, oldFirst, oldEnd);
                p2 = a;
                f2 = oldFirst;
            }
            else if (p1 < a && b < p2)
            {
                run.sides = 0;
                touched.Add(*this, oldFirst, oldEnd);
            }
            else if (a < p1 && p1 < b)
            {
                run.end = (LONG)f1;
                addNew(f1, oldEnd);
                p1 = b;
                f1 = oldEnd;
            }
            else if (a < p2 && p2 < b)
            {
                run.first = (LONG)f2;
                addNew(oldFirst, f2);
                p2 = a;
                f2 = oldFirst;
            }
        }
        if (!settled && f1 < f2)
            addNew(f1, f2);
        for (const GBorder& run : added)
            m_borders.Add(run);
    }

    SortBorders(m_borders);
    // Equal boxes that touch (or stand one character apart) become one,
    // but never over a run between them (a one-character paragraph with a
    // border of its own), which the joined box would overlap.
    for (LONG i = 0; i < m_borders.count; ++i)
        for (LONG j = i + 1; j < m_borders.count; ++j)
        {
            GBorder& bi = m_borders[i];
            GBorder& bj = m_borders[j];
            if (bi.sides != kBorderBox || bj.sides != kBorderBox || !compStyle(&bi, &bj))
                continue;
            bool runBetween = false;
            for (LONG k = i + 1; k < j && !runBetween; ++k)
                runBetween = m_borders[k].sides != 0 && m_borders[k].first >= bi.end;
            if (bj.first >= bi.end && bj.first <= bi.end + kBorderJoinReach && !runBetween)
            {
                bi.end = bj.end;
                bj.sides = 0;
                touched.Add(*this, bi.first, bi.end);
            }
            else if (bj.end == bi.end)
            {
                bj.sides = 0;
                touched.Add(*this, bj.first, bj.end);
            }
        }
    for (LONG i = m_borders.count - 1; i >= 0; --i)
        if (m_borders[i].sides == 0)
            m_borders.Destroy(i, 1);

    FitBlocksToBorders(*this, touched);

    // Border lines change the space between rows: the touched paragraphs
    // are broken and placed again, with the row before them.
    if (touched.end >= 0)
    {
        const long firstRow = std::max(0L, GetCharRow(touched.first) - 2);
        m_redraw.InvalByRow(firstRow, GetCharRow(touched.end) + 1);
        ReRowByPos(touched.first, std::min(touched.end + 1, LastCaretPos(this) + 1), kWholeParagraph);
    }
    // The flow always tells its views; a current view that shows this
    // document is repainted whole.
    if (CurrentViewShows(m_pOwner))
        m_pOwner->InvalidateAllViews();
    Notify(1);
    MarkModified(this);
}
