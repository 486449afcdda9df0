// Character formatting of a range: its format runs are cut at the range's
// ends and the runs inside take a new or changed style. An empty range
// arms the document's pending style instead, for the next typed text.
#include "model/GDoc.h"
#include "document/CWDocument.h"
#include "model/GStyleTbl.h"
#include "model/font_size.h"
#include "editing/CWOpFormats.h"
#include "editing/document_editing.h"
#include "editing/editing_support.h"
#include "editing/format_runs.h"
#include <algorithm>
#include <functional>

namespace
{
// Formatting a paragraph's text takes its mark along, and a break after
// it; so does formatting at the start of an empty paragraph. The Mint form
// looks at to only when it is above 0.
void WidenOverMark(const GDoc& flow, long from, long& to, bool onlyAboveZero)
{
    const bool rowStart = flow.m_rows[flow.GetCharRow(from)].first == from;
    if (from == to && !rowStart)
        return;
    if ((!onlyAboveZero || to > 0) && flow.m_chars[to] == kParagraphEnd)
        ++to;
    if ((!onlyAboveZero || to > 0) && flow.m_chars[to] == kBreak)
        ++to;
}

void ClampRange(const GDoc& flow, long& from, long& to)
{
    from = std::max(0L, std::min(from, LastCaretPos(&flow)));
    to = std::max(0L, std::min(to, LastCaretPos(&flow)));
    if (to < from)
        std::swap(from, to);
}

// A style made for a run: interned in the document's table.
Mint Interned(GDoc& flow, const GFontStyle& style)
{
    return Mint((short)flow.m_pOwner->m_fontStyles.FindStyle(style), 0);
}

void FinishFormatting(GDoc& flow, long from, long to, bool reRow)
{
    if (reRow)
        flow.ReRowByPos(from, to, GDoc::kWholeParagraph);
    flow.Notify(1);
    MarkModified(&flow);
}

// The style every run of the range shares (undefined where they differ).
GFontStyle CombinedStyle(const GDoc& flow, long from, long to)
{
    GFontStyle combined;
    flow.CombineSameFStyles(from, to, combined);
    return combined;
}

// The single-value forms: on an empty range the value changes the pending
// style (first taken from the caret when not armed); otherwise each run's
// style is copied, changed and interned.
void ChangeOneValue(GDoc& flow, long from, long to, bool unchanged, bool rebuildFont,
                    const std::function<void(GFontStyle&, bool pending)>& change)
{
    if (unchanged || !flow.m_pOwner)
        return;
    flow.m_redraw.InvalByPos(from, to);
    if (from == to)
    {
        CWDocEditing& state = GetDocEditing(flow.m_pOwner);
        if (!state.bPendingStyle)
        {
            state.pendingStyle = CombinedStyle(flow, from, to);
            state.bPendingStyle = TRUE;
        }
        change(state.pendingStyle, true);
        flow.Notify(1);
        MarkModified(&flow);
        return;
    }
    RestyleRuns(flow, from, to, true, [&](Mint old) {
        GFontStyle* current = flow.GetFontStyle(old);
        GFontStyle style = current ? *current : GFontStyle();
        change(style, false);
        if (rebuildFont)
            style.CreateFontA(GFontStyle::kMixedCharSet);
        return Interned(flow, style);
    });
    FinishFormatting(flow, from, to, true);
}
} // namespace

void GDoc::SetFontStyle(long from, long to, const char* name)
{
    if (!m_pOwner || !name)
        return;
    const long font = m_pOwner->m_fontStyles.FindStyle(name);
    if (font >= 0)
        SetFontStyle(from, to, Mint((short)font, 0));
    const long master = m_pOwner->m_masterStyles.FindStyle(name);
    if (master >= 0)
        SetFontStyle(from, to, Mint((short)master, 1));
}

void GDoc::SetFontStyle(long from, long to, Mint style)
{
    GFontStyle* target = GetFontStyle(style);
    if (!m_pOwner || !target)
        return;
    ClampRange(*this, from, to);
    WidenOverMark(*this, from, to, true);
    const bool unchanged = !m_pOwner->m_bClipboard && CompareFStyle(*target, CombinedStyle(*this, from, to));
    m_redraw.InvalByPos(from, to);
    if (from == to)
    {
        if (unchanged)
            return;
        CWDocEditing& state = GetDocEditing(m_pOwner);
        state.pendingStyle = *target;
        state.bPendingStyle = TRUE;
        Notify(1);
        MarkModified(this);
        return;
    }
    if (UndoEnabled(this))
    {
        CWOpSetFontStyle* op = new CWOpSetFontStyle(this, from, to, target);
        op->SetNewReference(style);
        RecordOperation(this, op);
    }
    RestyleRuns(*this, from, to, true, [style](Mint) { return style; });
    FinishFormatting(*this, from, to, !unchanged);
}

void GDoc::SetFontStyle(long from, long to, GFontStyle& style, int)
{
    if (!m_pOwner)
        return;
    ClampRange(*this, from, to);
    int size = style.GetSize();
    if (size != GFontStyle::kUndefinedSize && FitFontSize(size, false))
    {
        style.SetSize(size);
        style.CreateFontA(GFontStyle::kMixedCharSet);
    }
    if (CompareFStyle(style, CombinedStyle(*this, from, to)))
        return;
    // A range that reaches the final paragraph mark restyles the run that
    // ends the flow whole, the mark with it: the undo record keeps it too.
    const bool cutAtEnd = to < LastCaretPos(this);
    if (UndoEnabled(this))
        RecordOperation(this, new CWOpSetFontStyle(this, from, from == to || cutAtEnd ? to : to + 1, &style));
    m_redraw.InvalByPos(from, to);
    if (from == to)
    {
        CWDocEditing& state = GetDocEditing(m_pOwner);
        state.pendingStyle = style;
        state.bPendingStyle = TRUE;
        Notify(1);
        MarkModified(this);
        return;
    }
    const bool mixed = style.GetCharSet() == GFontStyle::kMixedCharSet;
    RestyleRuns(*this, from, to, cutAtEnd, [&](Mint old) {
        GFontStyle* current = GetFontStyle(old);
        GFontStyle laid = current ? *current : GFontStyle();
        const unsigned char script = laid.GetCharSet();
        laid.Upgrade(style);
        if (mixed)
            laid.SetCharSet(script);
        return Interned(*this, laid);
    });
    // The final paragraph's row follows its restyled mark.
    FinishFormatting(*this, from, cutAtEnd ? to : to + 1, true);
}

void GDoc::SetFontName(long from, long to, char* face)
{
    if (!face)
        return;
    ClampRange(*this, from, to);
    WidenOverMark(*this, from, to, false);
    const GFontStyle combined = CombinedStyle(*this, from, to);
    ChangeOneValue(*this, from, to, lstrcmpiA(combined.GetFace(), face) == 0, true,
                   [face](GFontStyle& s, bool) { s.SetFace(face); });
}

void GDoc::SetFontSize(long from, long to, int size)
{
    ClampRange(*this, from, to);
    WidenOverMark(*this, from, to, false);
    const int requested = size;
    FitFontSize(size, true);
    const GFontStyle combined = CombinedStyle(*this, from, to);
    // The pending style takes the size as given.
    ChangeOneValue(*this, from, to, combined.GetSize() == size, true,
                   [size, requested](GFontStyle& s, bool pending) { s.SetSize(pending ? requested : size); });
}

void GDoc::SetFontColor(long from, long to, unsigned long colour)
{
    ClampRange(*this, from, to);
    WidenOverMark(*this, from, to, false);
    const GFontStyle combined = CombinedStyle(*this, from, to);
    ChangeOneValue(*this, from, to, combined.GetColour() == colour, false,
                   [colour](GFontStyle& s, bool) { s.SetColour(colour); });
}

void GDoc::SetFontAttr(long from, long to, short value, short mask)
{
    ClampRange(*this, from, to);
    WidenOverMark(*this, from, to, false);
    const GFontStyle combined = CombinedStyle(*this, from, to);
    const unsigned short bits = (unsigned short)value, which = (unsigned short)mask;
    // Nothing changes when every bit of mask is defined throughout and
    // already has its value.
    const bool unchanged = (combined.GetMask() & which) == which && (combined.GetAttributes() & which) == (bits & which);
    ChangeOneValue(*this, from, to, unchanged, true, [bits, which](GFontStyle& s, bool pending) {
        s.m_Attr = (unsigned short)((s.m_Attr & ~which) | (pending ? (bits & which) : bits));
    });
}

void GDoc::IncludeAttr(long from, long to, short bits)
{
    SetFontAttr(from, to, bits, bits);
}

void GDoc::ExcludeAttr(long from, long to, short bits)
{
    SetFontAttr(from, to, 0, bits);
}
