// Format-run surgery and exact style references for undo.
#include "editing/format_runs.h"
#include "model/GStyleTbl.h"
#include "editing/document_editing.h"
#include <algorithm>

void RestyleRuns(GDoc& flow, long from, long to, bool cutAtEnd, const std::function<Mint(Mint)>& restyle)
{
    if (flow.m_pOwner)
        GetDocEditing(flow.m_pOwner).bPendingStyle = FALSE;
    if (to <= from)
        return;
    const long f1 = flow.GetCharFormat(from);
    const long f2 = flow.GetCharFormat(to - 1);
    if (cutAtEnd)
    {
        GFormat after;
        after.pos = (LONG)to;
        after.style = flow.m_formats[f2].style;
        flow.InsFormatItem(after, f2 + 1);
    }
    GFormat at;
    at.pos = (LONG)from;
    at.style = flow.m_formats[f1].style;
    flow.InsFormatItem(at, f1 + 1);
    for (long i = f1 + 1; i <= f2 + 1; ++i)
        flow.m_formats[i].style = restyle(flow.m_formats[i].style);
    // The run before the range may now equal the first one inside.
    flow.ReFormat(std::max(f1 - 1, 0L), f2 + 2);
}

Mint FontRefFor(GDoc& flow, Mint kept, const GFontStyle& style)
{
    const GFontStyle* now = flow.GetFontStyle(kept);
    if (now && *now == style)
        return kept;
    return Mint((short)flow.m_pOwner->m_fontStyles.FindStyle(style), 0);
}

Mint ParaRefFor(GDoc& flow, Mint kept, const GParaStyle& style)
{
    const GParaStyle* now = flow.GetParaStyle(kept);
    if (now && *now == style)
        return kept;
    return Mint((short)flow.m_pOwner->m_paraStyles.FindStyle(style), 0);
}

void KeepLastParagraphRuns(GDoc& flow, long from, long to, const std::function<void()>& take)
{
    const std::vector<GBorder> borders = LastParagraphRuns(flow, flow.m_borders, from, to);
    const std::vector<GShade> shades = LastParagraphRuns(flow, flow.m_shades, from, to);
    take();
    const bool bordersBack = PutBackRuns(flow.m_borders, borders, to - from);
    const bool shadesBack = PutBackRuns(flow.m_shades, shades, to - from);
    if (!bordersBack && !shadesBack)
        return;
    const long first = flow.GetParaChar(flow.GetCharPara(from));
    const long last = flow.m_chars.count - 3;
    flow.m_redraw.InvalByPos(first, last + 1);
    flow.ReRowByPos(first, last + 1, GDoc::kWholeParagraph);
    // Border lines take room before rows: every row is placed again, as
    // after a deletion.
    if (bordersBack)
        flow.PlaceRows(0, 0, 0, -1);
    flow.Notify(1);
}
