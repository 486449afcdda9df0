// Helpers of the layout tests: flows with text, the paragraph style that
// flows outside a document are broken with, and breaking a whole
// paragraph into rows as the reflow will.
#pragma once
#include "afxwin.h"
#include "model/GDoc.h"
#include "model/GParaStyle.h"
#include "layout/text_measure.h"
#include "tests/support/unbroken_body.h"
#include <string>
#include <vector>

namespace layout_test {

// One paragraph on one row, not broken yet.
inline void SetText(GDoc& f, const std::string& text)
{
    PutTextUnbroken(f, text);
}

inline void SetColumnWidth(GDoc& f, long width)
{
    f.m_columns[0].cols[0].width = (LONG)width;
}

// Breaks the flow's one paragraph row after row, adding rows as needed;
// answers the first character of each row.
inline std::vector<long> BreakParagraph(GDoc& f)
{
    if (f.m_rows.GetCount() > 2)
        f.m_rows.Destroy(1, f.m_rows.GetCount() - 2);
    f.m_paras.Last().row = 1;
    f.m_columns.Last().startRows[0] = 1;
    std::vector<long> starts{f.m_rows[0].first};
    for (long r = 0; r < 1000; ++r)
    {
        long next = f.CalcRow(NULL, r);
        if (next >= f.m_rows[r + 1].first)
            break;
        GRow row;
        row.first = (LONG)next;
        row.holes = GRow::NewHoles();
        f.m_rows.AddAt(row, r + 1);
        f.m_paras.Last().row = f.m_rows.GetCount() - 1;
        f.m_columns.Last().startRows[0] = f.m_rows.GetCount() - 1;
        starts.push_back(next);
    }
    return starts;
}

// Width of part of the flow's text measured on its own, blanks kept.
inline long Width(GDoc& f, long from, long to)
{
    int ascent = 0;
    return f.CalcTextSizeSimple(from, to, 1, ascent).cx;
}

// The paragraph style of flows outside a document, put back as it was
// when the test ends.
class FallbackParaScope
{
public:
    FallbackParaScope() : saved(FallbackParaStyle()) {}
    ~FallbackParaScope() { Style() = saved; }
    static GParaStyle& Style() { return const_cast<GParaStyle&>(FallbackParaStyle()); }

private:
    GParaStyle saved;
};

// No tab stops but the given ones.
inline void SetStops(GParaStyle& style, std::vector<GTab> stops)
{
    for (int i = 0; i < GTabArr::kCount; ++i)
        style.m_Tabs[i] = GTab(GTab::kLeft, GTab::kEmpty, 0);
    for (size_t i = 0; i < stops.size() && i < (size_t)GTabArr::kCount; ++i)
        style.m_Tabs[(int)i] = stops[i];
}

// A plain paragraph: no indents, single spacing without extra height or
// space around it, left aligned, no tab stops.
inline void PlainLeftParagraph(GParaStyle& style)
{
    style.m_Left = Gint(0);
    style.m_FirstLine = Gint(0);
    style.m_Right = Gint(0);
    style.m_Spacing = Gfloat(1.0f);
    style.m_Extra = Gint(0);
    style.m_Before = Gint(0);
    style.m_After = Gint(0);
    style.m_Align = GParaStyle::kAlignLeft;
    SetStops(style, {});
}

} // namespace layout_test
