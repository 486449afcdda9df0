// Laying out the tabs of a row while it is broken: each tab's x and width
// from the paragraph's tab stops, alignment and the text around it.
#include "model/GDoc.h"
#include "model/GParaStyle.h"
#include "layout/text_measure.h"
#include <algorithm>

using std::max;
using std::min;

namespace
{
// A tab that finds no stop, and every tab of a centred paragraph or past
// the row's end, is this wide.
const long kDefaultTabWidth = 100;

bool IsSetStop(const GTab& tab)
{
    return tab.IsValid() && tab.position.IsDefined();
}
} // namespace

void GDoc::CheckRowTabs(CDC* dc, long row, long from, long to, long para)
{
    if (m_tabs.GetCount() == 0)
        return;
    const GParaStyle& style = ParaStyleOf(*this, para);
    const long right = GetRowLeftMargin(row, para) + GetRowWidth(row, para);
    bool beyond = false;
    for (long p = from; p < to; ++p)
    {
        if (m_chars[p] != kTab)
            continue;
        long t = GetCharTab(p);
        if (t < 0)
            continue;
        if (style.m_Align == GParaStyle::kAlignRight)
        {
            CalcTabsRightText(dc, p, to, row, para);
            return;
        }
        if (beyond)
        {
            m_tabs[t].x = (LONG)right;
            m_tabs[t].width = kDefaultTabWidth;
            continue;
        }
        CalcTab(dc, p, to, row, para);
        if (m_tabs[t].x + m_tabs[t].width > right)
            beyond = true;
    }
}

void GDoc::CalcTab(CDC* dc, long tabPos, long to, long row, long para)
{
    long t = GetCharTab(tabPos);
    if (t < 0)
        return;
    GParaStyle* styleRef = GetParaStylePtr(para);
    const GParaStyle& style = styleRef ? *styleRef : FallbackParaStyle();
    if (style.m_Align == GParaStyle::kAlignCentre)
    {
        m_tabs[t].x = 0;
        m_tabs[t].width = kDefaultTabWidth;
        return;
    }

    // The text before the tab, measured as the row will be drawn up to it.
    m_tabs[t].x = -1;
    const long saved = m_rows[row + 1].first;
    m_rows[row + 1].first = (LONG)to;
    const long rowFirst = m_rows[row].first;
    int a = 0;
    long x;
    {
        const unsigned char align = style.m_Align;
        if (styleRef)
            styleRef->m_Align = GParaStyle::kAlignLeft;
        x = CalcTextSizeForView(rowFirst, tabPos, 0, a, dc, 0).cx;
        if (styleRef)
            styleRef->m_Align = align;
        if (align == GParaStyle::kAlignJustify)
        {
            long kept = CalcTextSizeForView(rowFirst, tabPos, 1, a, dc, 0).cx;
            x = (x + kept) / 2;
        }
    }
    m_rows[row + 1].first = (LONG)saved;
    x += GetRowLeftMargin(row, para);

    long stop = x + kDefaultTabWidth;
    int kind = GTab::kLeft;
    for (int i = 0; i < GTabArr::kCount; ++i)
    {
        const GTab& tab = style.m_Tabs[i];
        if (IsSetStop(tab) && tab.Pos() > x)
        {
            stop = tab.Pos();
            kind = tab.type;
            break;
        }
    }

    long width;
    if (kind == GTab::kLeft)
        width = stop - x;
    else
    {
        // The text after the tab up to the next tab or paragraph end,
        // wherever the row being broken may end.
        long e = tabPos + 1;
        const long last = m_chars.GetCount() - 3;
        while (e < last && m_chars[e] != kTab && m_chars[e] != kParagraphEnd)
            ++e;
        long target = stop;
        if (kind == GTab::kRight)
            target = stop - CalcTextSizeSimple(tabPos + 1, e, 1, a, dc, 0, -1).cx;
        else if (kind == GTab::kCentre)
            target = stop - CalcTextSizeSimple(tabPos + 1, e, 1, a, dc, 0, -1).cx / 2;
        else
        {
            long d = tabPos + 1;
            while (d < e && m_chars[d] != '.')
                ++d;
            target = stop - CalcTextSizeSimple(tabPos + 1, d, 1, a, dc, 0, -1).cx;
        }
        width = max(target, x) - x;
    }
    m_tabs[t].x = (LONG)x;
    m_tabs[t].width = (LONG)width;
}

void GDoc::CalcTabsRightText(CDC* dc, long tabPos, long to, long row, long para)
{
    long t = GetCharTab(tabPos);
    if (t < 0)
        return;
    // Tabs are laid out from the last one leftwards.
    for (long p = tabPos + 1; p < to; ++p)
        if (m_chars[p] == kTab)
        {
            CalcTabsRightText(dc, p, to, row, para);
            break;
        }

    const GParaStyle& style = ParaStyleOf(*this, para);
    long rightLimit = GetRowColumnWidth(row) - style.m_Right.value;
    if (GArray<CHole>* holes = m_rows[row].holes)
        for (long k = 1; k < holes->GetCount(); ++k)
            if ((*holes)[k].resume == kNoPosition || (*holes)[k].resume > to)
            {
                rightLimit = (*holes)[k].x;
                break;
            }
    // Blanks that end the stretch take no room at a right edge; measured
    // without them, the tab stands where it stands whether or not the break
    // search has reached past the blank yet.
    int a = 0;
    long start = rightLimit - CalcTextSizeSimple(tabPos + 1, to, 0, a, dc, 0, -1).cx;
    long stop = start - kDefaultTabWidth;
    for (int i = GTabArr::kCount - 1; i >= 0; --i)
    {
        const GTab& tab = style.m_Tabs[i];
        if (IsSetStop(tab) && tab.Pos() < start)
        {
            stop = tab.Pos();
            break;
        }
    }
    long x = max(stop, GetRowLeftMargin(row, para));
    long width = start - x;
    m_tabs[t].x = (LONG)x;
    m_tabs[t].width = (LONG)(width < 1 ? 0 : width);
}
