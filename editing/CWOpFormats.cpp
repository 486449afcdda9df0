// Undo and redo of the formatting operations. Undo gives every run and
// paragraph back the very style reference it had while that still names
// the kept style, so the flow reads as before; redo applies the new value
// through the editing interface again.
#include "editing/CWOpFormats.h"
#include "resources/resource.h"
#include "model/GDoc.h"
#include "model/GStyleTbl.h"
#include "document/CWDocument.h"
#include "editing/editing_support.h"
#include "editing/format_runs.h"
#include "editing/border_runs.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CWOpSetFontStyle, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpSetParaStyle, CWOperationItem)
IMPLEMENT_DYNAMIC(CWOpSetParaMargin, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpSetParaLM, CWOpSetParaMargin)
IMPLEMENT_DYNCREATE(CWOpSetParaRM, CWOpSetParaMargin)
IMPLEMENT_DYNCREATE(CWOpSetParaIM, CWOpSetParaMargin)
IMPLEMENT_DYNCREATE(CWOpSetBorder, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpSetShade, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpFormatColumns, CWOperationItem)

namespace
{
// Line style of a side that draws nothing.
const LONG kNoLineStyle = 9;

// The paragraphs a range touches: from the paragraph of the row of from to
// the paragraph of the row of to - 1.
void TouchedParas(const GDoc* flow, long from, long to, long& first, long& last)
{
    first = flow->GetRowPara(flow->GetCharRow(from));
    last = to > from ? flow->GetRowPara(flow->GetCharRow(to - 1)) : first;
    last = std::max(first, std::min(last, (long)flow->m_paras.count - 2));
}

long ParaEnd(const GDoc* flow, long para)
{
    return flow->GetParaChar(para + 1);
}

// Paragraph kinds cover the paragraph at the caret when given no range.
void AtLeastOneChar(long from, long& to)
{
    if (to == from)
        to = from + 1;
}

// Rows of from..to re-broken and told to the views.
void Relayout(GDoc* flow, long from, long to)
{
    flow->m_redraw.InvalByPos(from, to);
    flow->ReRowByPos(from, std::max(to, from + 1), GDoc::kWholeParagraph);
    flow->Notify(1);
    MarkModified(flow);
}

void ShiftAll(CDWordArray& positions, long delta)
{
    for (INT_PTR i = 0; i < positions.GetSize(); ++i)
        positions[i] = (DWORD)((LONG)positions[i] + delta);
}

template <class Run>
void ShiftRecords(CArray<Run, Run>& runs, long delta)
{
    for (INT_PTR i = 0; i < runs.GetSize(); ++i)
    {
        runs[i].first += (LONG)delta;
        runs[i].end += (LONG)delta;
    }
}

// The runs that share characters with first..end.
template <class Run>
bool AnyRunMeets(const GArray<Run>& runs, long first, long end)
{
    for (LONG i = 0; i < runs.count; ++i)
        if (runs[i].first < end && runs[i].end > first)
            return true;
    return false;
}

GBorder BlankBorder(long first, long end)
{
    GBorder run;
    run.first = (LONG)first;
    run.end = (LONG)end;
    run.top.lineStyle = run.bottom.lineStyle = run.left.lineStyle = run.right.lineStyle = kNoLineStyle;
    return run;
}
} // namespace

// ---- Character styles

CWOpSetFontStyle::CWOpSetFontStyle(GDoc* flow, long from, long to, GFontStyle* style)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nTo((LONG)to)
{
    if (style)
        m_new = *style;
    m_new.InUndoBuf();
    for (long pos = from; pos < to;)
    {
        long f = flow->GetCharFormat(pos);
        const Mint ref = flow->m_formats[f].style;
        const GFontStyle* s = flow->GetFontStyle(ref);
        GFontStyle kept = s ? *s : GFontStyle();
        long end = pos;
        // The stretch goes on while the next runs hold the same reference:
        // runs of equal styles under different references (a master's and
        // the table's) each get their own back.
        for (;;)
        {
            end = flow->m_formats[f + 1].pos;
            if (end >= to || f + 2 >= flow->m_formats.count)
                break;
            if (flow->m_formats[f + 1].style != ref)
                break;
            ++f;
        }
        end = std::min(end, to);
        m_starts.Add((DWORD)pos);
        m_ends.Add((DWORD)end);
        kept.InUndoBuf();
        m_old.Add(kept);
        m_oldRefs.Add(ref);
        pos = end;
    }
}

void CWOpSetFontStyle::Shift(long delta)
{
    m_nFrom += (LONG)delta;
    m_nTo += (LONG)delta;
    ShiftAll(m_starts, delta);
    ShiftAll(m_ends, delta);
}

BOOL CWOpSetFontStyle::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    if (m_starts.GetSize() == 0)
        return TRUE;
    m_pDoc->SetPos((long)m_starts[0]);
    for (INT_PTR i = 0; i < m_starts.GetSize(); ++i)
    {
        const Mint ref = FontRefFor(*m_pDoc, m_oldRefs[i], m_old[i]);
        RestyleRuns(*m_pDoc, (long)m_starts[i], (long)m_ends[i], true, [ref](Mint) { return ref; });
    }
    Relayout(m_pDoc, (long)m_starts[0], (long)m_ends[m_ends.GetSize() - 1]);
    return TRUE;
}

BOOL CWOpSetFontStyle::ActionRedo()
{
    m_pDoc->SetPos(m_nFrom);
    const GFontStyle* named = m_pDoc->GetFontStyle(m_newRef);
    if (named && *named == m_new)
    {
        const Mint ref = m_newRef;
        RestyleRuns(*m_pDoc, m_nFrom, m_nTo, true, [ref](Mint) { return ref; });
        Relayout(m_pDoc, m_nFrom, m_nTo);
        return TRUE;
    }
    GFontStyle style = m_new;
    m_pDoc->SetFontStyle(m_nFrom, m_nTo, style, 1);
    return TRUE;
}

CString CWOpSetFontStyle::GetName()
{
    return OperationName(IDS_OP_SET_FONT_STYLE, "Set font style");
}

// ---- Paragraph styles

CWOpSetParaStyle::CWOpSetParaStyle(GDoc* flow, long from, long to, GParaStyle* style)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nTo((LONG)to)
{
    AtLeastOneChar(from, to);
    m_nTo = (LONG)to;
    if (style)
        m_new = *style;
    long first, last;
    TouchedParas(flow, from, to, first, last);
    for (long p = first; p <= last; ++p)
    {
        m_starts.Add((DWORD)flow->GetParaChar(p));
        m_ends.Add((DWORD)ParaEnd(flow, p));
        const GParaStyle* s = flow->GetParaStylePtr(p);
        m_old.Add(s ? *s : GParaStyle());
        m_oldRefs.Add(flow->m_paras[p].style);
    }
}

void CWOpSetParaStyle::Shift(long delta)
{
    m_nFrom += (LONG)delta;
    m_nTo += (LONG)delta;
    ShiftAll(m_starts, delta);
    ShiftAll(m_ends, delta);
}

BOOL CWOpSetParaStyle::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    if (m_starts.GetSize() == 0)
        return TRUE;
    m_pDoc->SetPos((long)m_starts[0]);
    for (INT_PTR i = 0; i < m_starts.GetSize(); ++i)
    {
        const long p = m_pDoc->GetCharPara((long)m_starts[i]);
        m_pDoc->m_paras[p].style = ParaRefFor(*m_pDoc, m_oldRefs[i], m_old[i]);
    }
    Relayout(m_pDoc, (long)m_starts[0], (long)m_ends[m_ends.GetSize() - 1]);
    return TRUE;
}

BOOL CWOpSetParaStyle::ActionRedo()
{
    m_pDoc->SetPos(m_nFrom);
    const GParaStyle* named = m_pDoc->GetParaStyle(m_newRef);
    if (named && *named == m_new)
    {
        m_pDoc->SetParaStyle(m_nFrom, m_nTo, m_newRef);
        return TRUE;
    }
    GParaStyle style = m_new;
    m_pDoc->SetParaStyle(m_nFrom, m_nTo, style);
    return TRUE;
}

CString CWOpSetParaStyle::GetName()
{
    return OperationName(IDS_OP_SET_PARAGRAPH_STYLE, "Set paragraph style");
}

// ---- Indents

CWOpSetParaMargin::CWOpSetParaMargin(GDoc* flow, long from, long to, long value, Which which)
    : CWOperationItem(flow), m_which(which), m_nFrom((LONG)from), m_nNew((LONG)value)
{
    AtLeastOneChar(from, to);
    m_nTo = (LONG)to;
    long first, last;
    TouchedParas(flow, from, to, first, last);
    for (long p = first; p <= last; ++p)
    {
        const GParaStyle* s = flow->GetParaStylePtr(p);
        GParaStyle kept = s ? *s : GParaStyle();
        const Gint& v = which == kLeft ? kept.m_Left : which == kRight ? kept.m_Right : kept.m_FirstLine;
        m_old.Add((DWORD)(LONG)v.value);
        m_oldStyles.Add(kept);
        m_oldRefs.Add(flow->m_paras[p].style);
    }
}

void CWOpSetParaMargin::Apply(long from, long to, long value)
{
    switch (m_which)
    {
    case kLeft:
        m_pDoc->SetParaLM(from, to, (int)value);
        break;
    case kRight:
        m_pDoc->SetParaRM(from, to, (int)value);
        break;
    case kFirstLine:
        m_pDoc->SetParaIM(from, to, (int)value);
        break;
    }
}

// Each paragraph gets its kept style back: by its own reference when that
// still names it, else through the indent call with the kept value.
BOOL CWOpSetParaMargin::Undo()
{
    m_pDoc->SetPos(m_nFrom);
    long first, last;
    TouchedParas(m_pDoc, m_nFrom, m_nTo, first, last);
    for (INT_PTR i = 0; i < m_old.GetSize() && first + i <= last; ++i)
    {
        const long p = first + (long)i;
        const GParaStyle* now = m_pDoc->GetParaStyle(m_oldRefs[i]);
        if (now && *now == m_oldStyles[i])
        {
            m_pDoc->m_paras[p].style = m_oldRefs[i];
            Relayout(m_pDoc, m_pDoc->GetParaChar(p), ParaEnd(m_pDoc, p));
        }
        else
            Apply(m_pDoc->GetParaChar(p), ParaEnd(m_pDoc, p), (LONG)m_old[i]);
    }
    return TRUE;
}

BOOL CWOpSetParaMargin::Redo()
{
    m_pDoc->SetPos(m_nFrom);
    Apply(m_nFrom, m_nTo, m_nNew);
    return TRUE;
}

BOOL CWOpSetParaLM::ActionUndo() { return Undo(); }
BOOL CWOpSetParaLM::ActionRedo() { return Redo(); }
CString CWOpSetParaLM::GetName()
{
    return OperationName(IDS_OP_SET_PARAGRAPH_LEFT_MARGIN, "Set paragraph left margin");
}

BOOL CWOpSetParaRM::ActionUndo() { return Undo(); }
BOOL CWOpSetParaRM::ActionRedo() { return Redo(); }
CString CWOpSetParaRM::GetName()
{
    return OperationName(IDS_OP_SET_PARAGRAPH_RIGHT_MARGIN, "Set paragraph right margin");
}

BOOL CWOpSetParaIM::ActionUndo() { return Undo(); }
BOOL CWOpSetParaIM::ActionRedo() { return Redo(); }
CString CWOpSetParaIM::GetName()
{
    return OperationName(IDS_OP_SET_PARAGRAPH_INDENT, "Set paragraph indent");
}

// ---- Borders

CWOpSetBorder::CWOpSetBorder(GDoc* flow, long from, long to, long sides, CBorderStyle* styles, int distance)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nChangeTo((LONG)to), m_nSides((LONG)sides),
      m_nDistance((LONG)distance), m_bHasStyle(styles != NULL)
{
    AtLeastOneChar(from, to);
    m_nTo = (LONG)to;
    if (styles)
        for (int k = 0; k < 4; ++k)
            m_styles[k] = styles[k];
    // The change covers the paragraph that holds to as well.
    long first, last;
    TouchedParas(flow, from, to + 1, first, last);
    long lastKept = -1;
    for (long p = first; p <= last; ++p)
    {
        const long start = flow->GetParaChar(p);
        long run = -1;
        for (LONG i = 0; i < flow->m_borders.count && run < 0; ++i)
            if (flow->m_borders[i].first <= start && start < flow->m_borders[i].end)
                run = i;
        if (run < 0)
            m_old.Add(BlankBorder(start, ParaEnd(flow, p)));
        else if (run != lastKept)
        {
            m_old.Add(flow->m_borders[run]);
            lastKept = run;
        }
    }
    // A box the change makes joins an equal box that touches it (equal in
    // its lines, whatever its distance): the runs that end or begin just
    // beside the kept ones are kept too.
    if (m_old.GetSize() == 0)
        return;
    const long before = m_old[0].first, after = m_old[m_old.GetSize() - 1].end;
    for (LONG i = 0; i < flow->m_borders.count; ++i)
    {
        const GBorder& run = flow->m_borders[i];
        if (run.end <= before && run.end + kBorderJoinReach >= before)
            m_old.InsertAt(0, run);
        else if (run.first >= after && run.first <= after + kBorderJoinReach)
            m_old.Add(run);
    }
    // Boxes that SetBorder joins wherever they stand, outside what is kept
    // above.
    const long keptFirst = m_old[0].first, keptEnd = m_old[m_old.GetSize() - 1].end;
    for (LONG i = 0; i + 1 < flow->m_borders.count; ++i)
    {
        const GBorder& run = flow->m_borders[i];
        const GBorder& next = flow->m_borders[i + 1];
        if (run.first < keptEnd && next.end > keptFirst)
            continue;
        if (run.sides == kBorderBox && next.sides == kBorderBox && compStyle(&run, &next) &&
            next.first >= run.end && next.first <= run.end + kBorderJoinReach)
        {
            if (m_touching.GetSize() == 0 || m_touching[m_touching.GetSize() - 1].first != run.first)
                m_touching.Add(run);
            m_touching.Add(next);
        }
    }
}

void CWOpSetBorder::Shift(long delta)
{
    m_nFrom += (LONG)delta;
    m_nTo += (LONG)delta;
    m_nChangeTo += (LONG)delta;
    ShiftRecords(m_old, delta);
    ShiftRecords(m_touching, delta);
}

// The runs the paragraphs had come back exactly: what the change made of
// the recorded stretch goes (runs that reach beyond it keep their outer
// parts) and the recorded runs take its place. Replaying the change run
// by run instead would leave a run the change split in pieces, each
// drawing its own top and bottom lines.
BOOL CWOpSetBorder::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    if (m_old.GetSize() == 0)
        return TRUE;
    m_pDoc->SetPos(m_nFrom);
    // The recorded runs, the range's paragraphs and its characters.
    long first = m_nFrom, end = m_nTo;
    for (INT_PTR i = 0; i < m_old.GetSize(); ++i)
    {
        first = std::min(first, (long)m_old[i].first);
        end = std::max(end, (long)m_old[i].end);
    }
    bool anyKept = false;
    for (INT_PTR i = 0; i < m_old.GetSize(); ++i)
        anyKept = anyKept || m_old[i].sides != 0;
    if (!anyKept && !AnyRunMeets(m_pDoc->m_borders, first, end) && m_touching.GetSize() == 0)
        return TRUE;
    CutOutRuns(m_pDoc->m_borders, first, end);
    for (INT_PTR i = 0; i < m_old.GetSize(); ++i)
        if (m_old[i].sides != 0)
            m_pDoc->m_borders.Add(m_old[i]);
    for (INT_PTR i = 0; i < m_touching.GetSize(); ++i)
    {
        CutOutRuns(m_pDoc->m_borders, m_touching[i].first, m_touching[i].end);
        m_pDoc->m_borders.Add(m_touching[i]);
    }
    SortRuns(m_pDoc->m_borders);
    Relayout(m_pDoc, first, end);
    for (INT_PTR i = 0; i < m_touching.GetSize(); ++i)
        Relayout(m_pDoc, m_touching[i].first, m_touching[i].end);
    return TRUE;
}

BOOL CWOpSetBorder::ActionRedo()
{
    m_pDoc->SetPos(m_nFrom);
    CBorderStyle styles[4];
    for (int k = 0; k < 4; ++k)
        styles[k] = m_bHasStyle ? m_styles[k] : CBorderStyle();
    m_pDoc->SetBorder(m_nSides, styles, (int)m_nDistance, m_nFrom,
                      ParagraphChangeEnd(m_pDoc, m_nFrom, m_nChangeTo));
    return TRUE;
}

CString CWOpSetBorder::GetName()
{
    return OperationName(IDS_OP_SET_BORDER, "Set Border");
}

// ---- Shading

CWOpSetShade::CWOpSetShade(GDoc* flow, long from, long to, CShadeStyle style)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nChangeTo((LONG)to), m_new(style)
{
    AtLeastOneChar(from, to);
    m_nTo = (LONG)to;
    // As for borders, the paragraph that holds to too.
    long first, last;
    TouchedParas(flow, from, to + 1, first, last);
    for (long p = first; p <= last; ++p)
    {
        const long start = flow->GetParaChar(p);
        GShade kept;
        kept.first = (LONG)start;
        kept.end = (LONG)ParaEnd(flow, p);
        kept.style.pattern = kNoShade;
        for (LONG i = 0; i < flow->m_shades.count; ++i)
            if (flow->m_shades[i].first <= start && start < flow->m_shades[i].end)
            {
                kept = flow->m_shades[i];
                break;
            }
        m_old.Add(kept);
    }
}

void CWOpSetShade::Shift(long delta)
{
    m_nFrom += (LONG)delta;
    m_nTo += (LONG)delta;
    m_nChangeTo += (LONG)delta;
    ShiftRecords(m_old, delta);
}

// As with borders, the runs the paragraphs had come back exactly (a run
// kept for several paragraphs once); a paragraph that had none has none.
BOOL CWOpSetShade::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    if (m_old.GetSize() == 0)
        return TRUE;
    m_pDoc->SetPos(m_nFrom);
    long first = m_nFrom, end = m_nTo;
    bool anyKept = false;
    for (INT_PTR i = 0; i < m_old.GetSize(); ++i)
    {
        first = std::min(first, (long)m_old[i].first);
        end = std::max(end, (long)m_old[i].end);
        anyKept = anyKept || m_old[i].style.pattern != kNoShade;
    }
    if (!anyKept && !AnyRunMeets(m_pDoc->m_shades, first, end))
        return TRUE;
    CutOutRuns(m_pDoc->m_shades, first, end);
    for (INT_PTR i = 0; i < m_old.GetSize(); ++i)
    {
        const GShade& kept = m_old[i];
        const bool again = i > 0 && kept.first == m_old[i - 1].first && kept.end == m_old[i - 1].end;
        if (kept.style.pattern != kNoShade && !again)
            m_pDoc->m_shades.Add(kept);
    }
    SortRuns(m_pDoc->m_shades);
    m_pDoc->m_redraw.InvalByPos(first, end);
    m_pDoc->Notify(1);
    MarkModified(m_pDoc);
    return TRUE;
}

BOOL CWOpSetShade::ActionRedo()
{
    m_pDoc->SetPos(m_nFrom);
    m_pDoc->AddShade(m_new, m_nFrom, ParagraphChangeEnd(m_pDoc, m_nFrom, m_nChangeTo), 1);
    return TRUE;
}

CString CWOpSetShade::GetName()
{
    return OperationName(IDS_OP_SET_SHADE, "Set Shade");
}

// ---- Column layouts

CWOpFormatColumns::CWOpFormatColumns(GDoc* flow, long from, long to)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nTo((LONG)to)
{
    const long last = std::min(flow->GetCharColumn(to) + 1, (long)flow->m_columns.count - 1);
    for (long b = flow->GetCharColumn(from); b <= last; ++b)
        m_old.Add(flow->m_columns[b]);
    m_new = flow->m_columns[flow->GetCharColumn(from)];
}

BOOL CWOpFormatColumns::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    m_new = m_pDoc->m_columns[m_pDoc->GetCharColumn(m_nFrom)];
    long pos = m_nFrom;
    for (INT_PTR k = 0; pos <= m_nTo && k + 1 < m_old.GetSize(); ++k)
    {
        const GColumn& kept = m_old[k];
        tagColumnData data[kMostTextColumns];
        for (int c = 0; c < kMostTextColumns; ++c)
            data[c] = kept.cols[c];
        const long next = m_old[k + 1].first;
        m_pDoc->SetColumns(pos, next - 1, (BYTE)kept.count, data, 0);
        m_pDoc->m_columns[m_pDoc->GetCharColumn(pos)].flags[1] = kept.flags[1];
        pos = next;
    }
    return TRUE;
}

BOOL CWOpFormatColumns::ActionRedo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    tagColumnData data[kMostTextColumns];
    for (int c = 0; c < kMostTextColumns; ++c)
        data[c] = m_new.cols[c];
    m_pDoc->SetColumns(m_nFrom, m_nTo, (BYTE)m_new.count, data, 0);
    m_pDoc->m_columns[m_pDoc->GetCharColumn(m_nFrom)].flags[1] = m_new.flags[1];
    return TRUE;
}

CString CWOpFormatColumns::GetName()
{
    return OperationName(IDS_OP_FORMAT_COLUMNS, "Format Columns");
}
