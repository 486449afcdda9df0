// Applying paragraph shading: the range's whole paragraphs take the new
// shading, the runs around keep theirs, and touching runs of one shading
// become one.
#include "model/GDoc.h"
#include "document/CWDocument.h"
#include "model/GField.h"
#include "editing/format_runs.h"
#include "editing/shading_cells.h"
#include "model/GOle.h"
#include "editing/CWOpFormats.h"
#include "editing/editing_support.h"
#include <algorithm>

namespace
{
// The cell pattern of each of the 19 shading styles, by style index:
// clear, the twelve percentages (dotted), then each hatch its own.
const int kCellPatternClear = 0;
const int kCellPatternDotted = 1;
const int kCellPatternOfStyle13 = 2;
const int kCellPatternOfStyle14 = 7;
const int kCellPatternOfStyle15 = 4;
const int kCellPatternOfStyle16 = 3;
const int kCellPatternOfStyle17 = 5;
const int kCellPatternOfStyle18 = 6;
const int kCellPatterns[kShadingStyleCount] = {
    kCellPatternClear,     kCellPatternDotted,    kCellPatternDotted,    kCellPatternDotted,    kCellPatternDotted,
    kCellPatternDotted,    kCellPatternDotted,    kCellPatternDotted,    kCellPatternDotted,    kCellPatternDotted,
    kCellPatternDotted,    kCellPatternDotted,    kCellPatternDotted,    kCellPatternOfStyle13, kCellPatternOfStyle14,
    kCellPatternOfStyle15, kCellPatternOfStyle16, kCellPatternOfStyle17, kCellPatternOfStyle18,
};

// A run that holds pos (first <= pos < end), else -1.
long RunHolding(const GArray<GShade>& runs, long pos)
{
    for (LONG i = 0; i < runs.count; ++i)
        if (runs[i].first <= pos && pos < runs[i].end)
            return i;
    return -1;
}

// Sorted, without empty runs, touching runs of one shading joined where
// they meet at first..end, the changed paragraphs: runs elsewhere stay as
// they are, so that undoing the change, which gives back the runs of those
// paragraphs, gives back every run.
void Tidy(GArray<GShade>& runs, long first, long end)
{
    SortRuns(runs);
    for (LONG i = runs.count - 1; i >= 0; --i)
        if (runs[i].end <= runs[i].first)
            runs.Destroy(i, 1);
    for (LONG i = runs.count - 2; i >= 0; --i)
        if (runs[i].end == runs[i + 1].first && runs[i].style == runs[i + 1].style && first <= runs[i].end &&
            runs[i].end <= end)
        {
            runs[i].end = runs[i + 1].end;
            runs.Destroy(i + 1, 1);
        }
}

// The cells whose fields stand in from..to take the cell pattern of the
// first named shading style with style's percent and pattern; a style
// that is none of them leaves the cells as they are.
void PatternCells(GDoc* flow, const CShadeStyle& style, long from, long to)
{
    int index = 0;
    while (index < kShadingStyleCount
           && (ShadingStyles[index].percent != style.percent || ShadingStyles[index].pattern != style.pattern))
        ++index;
    const int pattern = CellPatternOfShadingStyle(index);
    if (pattern == kNoCellPattern)
        return;
    for (LONG i = 0; i < flow->m_fields.count; ++i)
    {
        GField* field = flow->m_fields[i];
        const bool inside = field->m_nPos >= from && (field->m_nPos < to || field->m_nPos == from);
        if (field->m_nKind != kFieldCell || !inside)
            continue;
        if (CZTFieldItem* item = dynamic_cast<CZTFieldItem*>(static_cast<GCell*>(field)->m_pItem))
            item->SetPatternStyle(pattern);
    }
}
} // namespace

int CellPatternOfShadingStyle(int styleIndex)
{
    if (styleIndex < 0 || styleIndex >= kShadingStyleCount)
        return kNoCellPattern;
    return kCellPatterns[styleIndex];
}

void GDoc::AddShade(CShadeStyle style, long from, long to, int cells)
{
    // With an embedded object selected the caret stands for the range.
    long s = m_nCaret, e = m_nCaret;
    if (!m_pOwner || !m_pOwner->IsOLEObjectSelected())
        GetSelectionC(s, e);
    ParagraphChangeRange(this, s, e, from, to);

    if (UndoEnabled(this))
        RecordOperation(this, new CWOpSetShade(this, from, to, style));
    if (cells)
        PatternCells(this, style, from, to);

    // The paragraphs the change shades.
    long changedFirst = from, changedEnd = to;
    if (from == to)
    {
        if (m_nIndex < kFirstContentFlow || m_shades.count > 0)
        {
            const long holder = RunHolding(m_shades, from);
            if (holder >= 0)
            {
                if (m_shades[holder].style == style)
                    return;
                m_shades[holder].style = style;
                changedFirst = m_shades[holder].first;
                changedEnd = m_shades[holder].end;
                m_redraw.InvalByPos(m_shades[holder].first, m_shades[holder].end);
            }
            else
            {
                const long p = GetCharPara(from);
                GShade run;
                run.first = (LONG)GetParaChar(p);
                run.end = (LONG)GetParaChar(p + 1);
                run.style = style;
                m_shades.Add(run);
                changedFirst = run.first;
                changedEnd = run.end;
                m_redraw.InvalByPos(run.first, run.end);
            }
        }
        else
        {
            // A frame's text is shaded whole.
            GShade run;
            run.first = 0;
            run.end = m_chars.count - 1;
            run.style = style;
            m_shades.Add(run);
            changedFirst = run.first;
            changedEnd = run.end;
            m_redraw.InvalByPos(run.first, run.end);
        }
    }
    else
    {
        const long f1 = GetParaChar(GetCharPara(from));
        const long f2 = GetParaChar(std::min(GetCharPara(to) + 1, (long)m_paras.count - 1));
        // Shading that already covers the range with this style stays.
        const long holder = RunHolding(m_shades, f1);
        if (holder >= 0 && m_shades[holder].end >= f2 && m_shades[holder].style == style)
            return;
        CutOutRuns(m_shades, f1, f2);
        GShade run;
        run.first = (LONG)f1;
        run.end = (LONG)f2;
        run.style = style;
        m_shades.Add(run);
        changedFirst = f1;
        changedEnd = f2;
        m_redraw.InvalByPos(f1, f2);
    }
    Tidy(m_shades, changedFirst, changedEnd);
    Notify(1);
    MarkModified(this);
}
