// Paragraph formatting of the paragraphs a range touches: their style
// reference, the defined parts of a style laid over theirs, indents kept
// 10 mm apart, spacing, alignment and one tab stop.
#include "model/GDoc.h"
#include "document/CWDocument.h"
#include "model/GStyleTbl.h"
#include "model/GListField.h"
#include "editing/CWOpFormats.h"
#include "editing/editing_support.h"
#include "view/CWView.h"
#include <algorithm>
#include <functional>

namespace
{
// Every indent leaves at least this much text between them, 0.1 mm.
const long kLeastTextWidth = 100;
const float kLeastSpacing = 1.0f;
const float kMostSpacing = 10.0f;
const int kMostExtra = 500;

struct ParaRange
{
    long from, to;       // the clamped range
    long first, last;    // its paragraphs
};

ParaRange Paragraphs(const GDoc& flow, long from, long to)
{
    ParaRange r;
    r.from = std::max(0L, std::min(from, LastCaretPos(&flow)));
    r.to = std::max(0L, std::min(to, LastCaretPos(&flow)));
    if (r.to < r.from)
        std::swap(r.from, r.to);
    r.first = flow.GetCharPara(r.from);
    r.last = r.to > r.from ? flow.GetCharPara(r.to - 1) : r.first;
    r.last = std::max(r.first, std::min(r.last, (long)flow.m_paras.count - 2));
    return r;
}

// What all the paragraphs of the range share.
GParaStyle Combined(const GDoc& flow, const ParaRange& r)
{
    const GParaStyle* first = flow.GetParaStylePtr(r.first);
    GParaStyle combined = first ? *first : GParaStyle();
    for (long p = r.first + 1; p <= r.last; ++p)
        if (const GParaStyle* s = flow.GetParaStylePtr(p))
            combined.Combine(*s);
    return combined;
}

// The rows of the range's paragraphs are repainted (and re-broken), the
// views told, the document modified.
void Finish(GDoc& flow, const ParaRange& r, bool reBreak)
{
    const long r1 = flow.GetParaRow(r.first), r2 = flow.GetParaRow(r.last + 1);
    flow.m_redraw.InvalByRow(r1, r2);
    if (reBreak)
        flow.ReRowByRow(r1, r2, GDoc::kReRowEdit, GDoc::kWholeParagraph);
    flow.Notify(1);
    MarkModified(&flow);
}

// Each paragraph's style is copied, changed and interned.
void ChangeEach(GDoc& flow, const ParaRange& r, const std::function<void(GParaStyle&, long para)>& change)
{
    for (long p = r.first; p <= r.last; ++p)
    {
        const GParaStyle* now = flow.GetParaStylePtr(p);
        GParaStyle style = now ? *now : GParaStyle();
        change(style, p);
        flow.m_paras[p].style = Mint((short)flow.m_pOwner->m_paraStyles.FindStyle(style), 0);
    }
}

// The width of the text of a paragraph: the columns of its block.
long TextWidth(const GDoc& flow, long para)
{
    const GColumn& block = flow.m_columns[flow.GetParaColumn(para)];
    const int count = std::max(1, std::min((int)(BYTE)block.count, kMostTextColumns));
    long width = 0;
    for (int k = 0; k < count; ++k)
        width += block.cols[k].width;
    return width;
}

// The width of the list number a paragraph begins with, measured on the
// screen information context; 0 without one.
long ListNumberWidth(const GDoc& flow, long para)
{
    GList* list = flow.GetListField(flow.GetParaChar(para));
    if (!list)
        return 0;
    int ascent = 0;
    return list->GetSize(GetMemIC(), ascent, 1).cx;
}

// Tab stops lie between the larger of left and first-line indent and the
// text width less the right indent.
void ValidateTabs(const GDoc& flow, GParaStyle& style)
{
    const GPageInfo& page = CWDocument::PageSetupOf(flow.m_pOwner);
    style.m_Tabs.Validate(std::max(style.m_Left.value, style.m_FirstLine.value),
                          page.GetTextWidth() - style.m_Right.value);
}

// The value written into a Gint that the style dialogs left as they found
// it: a corrected value is defined from now on.
void SetValue(Gint& v, long value)
{
    v.value = (short)value;
    v.defined = 1;
}
} // namespace

void GDoc::SetParaStyle(long from, long to, const char* name)
{
    if (!m_pOwner || !name)
        return;
    const long para = m_pOwner->m_paraStyles.FindStyle(name);
    if (para >= 0)
        SetParaStyle(from, to, Mint((short)para, 0));
    const long master = m_pOwner->m_masterStyles.FindStyle(name);
    if (master >= 0)
        SetParaStyle(from, to, Mint((short)master, 1));
}

void GDoc::SetParaStyle(long from, long to, Mint style)
{
    GParaStyle* target = GetParaStyle(style);
    if (!m_pOwner || !target)
        return;
    const ParaRange r = Paragraphs(*this, from, to);
    const bool unchanged = ComparePStyle(*target, Combined(*this, r));
    // A new reference that looks the same is still a change undo must take
    // back (the paragraphs name the style from now on).
    bool newReference = false;
    for (long p = r.first; p <= r.last; ++p)
        newReference = newReference || m_paras[p].style != style;
    if ((!unchanged || newReference) && UndoEnabled(this))
    {
        CWOpSetParaStyle* op = new CWOpSetParaStyle(this, r.from, r.to, target);
        op->SetNewReference(style);
        RecordOperation(this, op);
    }
    for (long p = r.first; p <= r.last; ++p)
        m_paras[p].style = style;
    if (unchanged)
    {
        MarkModified(this);
        return;
    }
    Finish(*this, r, true);
}

void GDoc::SetParaStyle(long from, long to, GParaStyle& style)
{
    if (!m_pOwner)
        return;
    const ParaRange r = Paragraphs(*this, from, to);
    if (ComparePStyle(style, Combined(*this, r)))
        return;
    if (UndoEnabled(this))
        RecordOperation(this, new CWOpSetParaStyle(this, r.from, r.to, &style));

    for (Gint* v : {&style.m_FirstLine, &style.m_Left, &style.m_Right})
        if (v->value < 0)
            v->value = 0;
    if (style.m_Spacing.defined)
        style.m_Spacing.value = std::max(kLeastSpacing, std::min(style.m_Spacing.value, kMostSpacing));
    if (style.m_Extra.value > kMostExtra)
        style.m_Extra.value = (short)kMostExtra;

    for (long p = r.first; p <= r.last; ++p)
    {
        const GParaStyle* now = GetParaStylePtr(p);
        GParaStyle laid = now ? *now : GParaStyle();
        laid.Upgrade(style);
        const long w = TextWidth(*this, p);
        // Right gives way first, then the indent on the left.
        for (Gint* left : {&style.m_FirstLine, &style.m_Left})
        {
            const long leftValue = left->defined ? left->value : (left == &style.m_Left ? laid.m_Left : laid.m_FirstLine).value;
            long right = style.m_Right.defined ? style.m_Right.value : laid.m_Right.value;
            if (w - leftValue - right >= kLeastTextWidth)
                continue;
            right = w - leftValue - kLeastTextWidth;
            if (right < 0)
            {
                SetValue(*left, leftValue + right);
                right = 0;
            }
            SetValue(style.m_Right, right);
        }
    }
    ChangeEach(*this, r, [&style](GParaStyle& s, long) { s.Upgrade(style); });
    Finish(*this, r, true);
}

namespace
{
enum class Indent { kLeft, kRight, kFirstLine };

Gint& IndentOf(GParaStyle& s, Indent which)
{
    return which == Indent::kLeft ? s.m_Left : which == Indent::kRight ? s.m_Right : s.m_FirstLine;
}

void SetIndent(GDoc& flow, long from, long to, long value, Indent which)
{
    if (!flow.m_pOwner)
        return;
    const ParaRange r = Paragraphs(flow, from, to);
    GParaStyle combined = Combined(flow, r);
    const Gint& now = IndentOf(combined, which);
    if (now.defined && now.value == value)
        return;
    if (UndoEnabled(&flow))
    {
        CWOperationItem* op = which == Indent::kLeft    ? (CWOperationItem*)new CWOpSetParaLM(&flow, r.from, r.to, value)
                              : which == Indent::kRight ? (CWOperationItem*)new CWOpSetParaRM(&flow, r.from, r.to, value)
                                                        : (CWOperationItem*)new CWOpSetParaIM(&flow, r.from, r.to, value);
        RecordOperation(&flow, op);
    }
    value = std::max(value, 0L);
    // The limit of each paragraph holds for the ones after it too.
    for (long p = r.first; p <= r.last; ++p)
    {
        const GParaStyle* s = flow.GetParaStylePtr(p);
        const GParaStyle style = s ? *s : GParaStyle();
        const long w = TextWidth(flow, p);
        switch (which)
        {
        case Indent::kLeft:
            if (w - value - style.m_Right.value < kLeastTextWidth)
                value = w - style.m_Right.value - kLeastTextWidth;
            break;
        case Indent::kRight:
            if (w - style.m_FirstLine.value - value < kLeastTextWidth)
                value = w - style.m_FirstLine.value - kLeastTextWidth;
            if (w - style.m_Left.value - value < kLeastTextWidth)
                value = w - style.m_Left.value - kLeastTextWidth;
            break;
        case Indent::kFirstLine:
        {
            const long list = ListNumberWidth(flow, p);
            if (w - value - style.m_Right.value - list < kLeastTextWidth)
                value = w - style.m_Right.value - list - kLeastTextWidth;
            break;
        }
        }
    }
    ChangeEach(flow, r, [&flow, value, which](GParaStyle& s, long) {
        IndentOf(s, which).value = (short)value;
        ValidateTabs(flow, s);
    });
    Finish(flow, r, true);
}
} // namespace

void GDoc::SetParaLM(long from, long to, int left)
{
    SetIndent(*this, from, to, left, Indent::kLeft);
}

void GDoc::SetParaRM(long from, long to, int right)
{
    SetIndent(*this, from, to, right, Indent::kRight);
}

void GDoc::SetParaIM(long from, long to, int first)
{
    SetIndent(*this, from, to, first, Indent::kFirstLine);
}

void GDoc::SetParaSpacing(long from, long to, float spacing, int extra)
{
    if (!m_pOwner)
        return;
    spacing = std::max(kLeastSpacing, std::min(spacing, kMostSpacing));
    extra = std::max(0, std::min(extra, kMostExtra));
    const ParaRange r = Paragraphs(*this, from, to);
    const GParaStyle combined = Combined(*this, r);
    if (combined.m_Spacing.defined && combined.m_Spacing.value == spacing && combined.m_Extra.defined &&
        combined.m_Extra.value == extra)
        return;
    ChangeEach(*this, r, [spacing, extra](GParaStyle& s, long) {
        s.m_Spacing.value = spacing;
        s.m_Spacing.defined = 1;
        SetValue(s.m_Extra, extra);
    });
    Finish(*this, r, true);
}

void GDoc::SetParaAlign(long from, long to, unsigned char align)
{
    if (!m_pOwner)
        return;
    const ParaRange r = Paragraphs(*this, from, to);
    if (Combined(*this, r).m_Align == align)
        return;
    ChangeEach(*this, r, [align](GParaStyle& s, long) { s.m_Align = align; });
    // Alignment moves text within its rows; the rows stay as they break.
    Finish(*this, r, false);
}

void GDoc::SetParaTab(long from, long to, unsigned char index, GTab& tab, unsigned char flag)
{
    if (!m_pOwner || index >= GTabArr::kCount)
        return;
    const ParaRange r = Paragraphs(*this, from, to);
    if (Combined(*this, r).m_Tabs[index] == tab)
        return;
    ChangeEach(*this, r, [index, &tab, flag](GParaStyle& s, long) { s.m_Tabs.SetTab(index, tab, flag); });
    Finish(*this, r, true);
}
