// Measuring text of a flow on the layout context: stretches of one row
// with their fonts, tabs and fields, and the x a view shows for a position
// once the row's alignment is applied.
#include "layout/text_measure.h"
#include "model/GDoc.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include "model/GField.h"
#include "afxdlgs.h"
#include <stdlib.h>
#include <algorithm>

using std::max;
using std::min;

long _justPosAfter = -1;
int _justBreak = 0;
int _justSpaces = 1;
long CalcSizeToMove = 0;

// The default printer's driver and device names, as the print dialog's
// defaults give them; false without a default printer.
static bool DefaultPrinterNames(CString& driver, CString& device)
{
    CPrintDialog dialog(FALSE);
    if (!dialog.GetDefaults())
        return false;
    driver = dialog.GetDriverName();
    device = dialog.GetDeviceName();
    // The defaults' handles are the caller's.
    if (dialog.m_pd.hDevMode)
        GlobalFree(dialog.m_pd.hDevMode);
    if (dialog.m_pd.hDevNames)
        GlobalFree(dialog.m_pd.hDevNames);
    dialog.m_pd.hDevMode = dialog.m_pd.hDevNames = NULL;
    return !device.IsEmpty();
}

CDC* GetCalcDC()
{
    static CDC context;
    static bool made = false;
    if (!made)
    {
        made = true;
        CString driver, device;
        BOOL ok = FALSE;
        if (DefaultPrinterNames(driver, device))
            ok = context.CreateIC(driver, device, NULL, NULL);
        if (!ok)
            context.CreateIC("DISPLAY", NULL, NULL, NULL);
        context.SetMapMode(MM_LOMETRIC);
        context.SetTextJustification(0, 1);
    }
    return &context;
}

const GFontStyle& FallbackFontStyle()
{
    static GFontStyle style("Times New Roman", 42, 0, 0,
                            GFontStyle::kBold | GFontStyle::kItalic | GFontStyle::kUnderline | GFontStyle::kStrikeout);
    return style;
}

const GParaStyle& FallbackParaStyle()
{
    static GParaStyle style;
    return style;
}

const GParaStyle& ParaStyleOf(const GDoc& flow, long para)
{
    const GParaStyle* style = flow.GetParaStylePtr(para);
    return style ? *style : FallbackParaStyle();
}

// The character style that measures the run at pos.
static const GFontStyle& MeasureStyle(const GDoc& flow, long pos)
{
    const GFontStyle* style = flow.GetCharFStylePtr(pos);
    if (style && style->GetFont())
        return *style;
    const GFontStyle& fallback = FallbackFontStyle();
    fallback.GetFont();
    return fallback;
}

CMeasureFontScope::CMeasureFontScope(CDC* dc)
    : m_dc(dc)
    , m_current(::GetCurrentObject(dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC, OBJ_FONT))
{
}

CMeasureFontScope::~CMeasureFontScope()
{
    if (m_changed && m_restore)
        m_dc->SelectObject(m_restore);
}

void CMeasureFontScope::Use(CFont* font)
{
    if (!font || font->m_hObject == m_current)
        return;
    CFont* previous = m_dc->SelectObject(font);
    if (!m_changed)
    {
        m_restore = previous;
        m_changed = true;
    }
    m_current = font->m_hObject;
}

void UseFontAt(CMeasureFontScope& scope, const GDoc& flow, long pos)
{
    scope.Use(MeasureStyle(flow, pos).GetFont());
}

static const GParaStyle& RowParaStyle(const GDoc& flow, long row)
{
    const GParaStyle* style = flow.GetRowPStylePtr(row);
    return style ? *style : FallbackParaStyle();
}

// A raised run needs room above the base line, so its shift adds to the
// ascent (a negative shift raises).
static int RunAscent(const GFontStyle& style)
{
    return style.GetAscent() - style.GetBaselineOffset();
}

// A run of text joins the height of a stretch: the tallest ascent over the
// deepest descent, or the run's own height where that is more.
static void AddRunHeight(int runAscent, int descent, int& maxAscent, int& maxDescent, int& height)
{
    maxAscent = max(maxAscent, runAscent);
    maxDescent = max(maxDescent, descent);
    height = max(maxAscent + maxDescent, max(height, runAscent + descent));
}

static int BlankHeight(const GFontStyle& style, CDC* dc, int& ascent)
{
    CSize blank;
    {
        CMeasureFontScope scope(dc);
        scope.Use(style.GetFont());
        blank = dc->GetTextExtent(" ", 1);
    }
    ascent = RunAscent(style);
    return blank.cy;
}

CSize GDoc::CalcTextSizeSimple(long from, long to, int keepSpaces, int& ascent, CDC* dc, int pass, long split)
{
    if (!dc)
        dc = GetCalcDC();
    const long row = GetCharRow(from);
    const long rowFirst = m_rows[row].first;
    const GParaStyle& para = RowParaStyle(*this, row);

    // An empty stretch, or a row that holds only its paragraph end, is as
    // high as a blank in the font at its position.
    bool onlyParaEnd = from == rowFirst && from < to && m_chars[from] == kParagraphEnd
        && (to == from + 1 || (to == from + 2 && m_chars[from + 1] == kBreak));
    if (from >= to || onlyParaEnd)
    {
        int h = BlankHeight(MeasureStyle(*this, from), dc, ascent);
        return CSize(0, h);
    }

    // The free segment the stretch lies in begins after the last hole that
    // already knows where its text resumes, not beyond from.
    long begin = rowFirst;
    long segLeft = GetRowLeftMargin(row);
    const long leftMargin = segLeft;
    if (GArray<CHole>* holes = m_rows[row].holes)
    {
        for (long k = holes->GetCount() - 1; k >= 0; --k)
        {
            const CHole& h = (*holes)[k];
            if (h.resume != kNoPosition && h.resume <= from)
            {
                begin = h.resume;
                segLeft = max(leftMargin, (long)(h.x + h.width));
                break;
            }
        }
    }

    // From inside the segment: measured in context, so that tabs land
    // where they will be drawn.
    if (from > begin)
    {
        int whole = 0, head = 0;
        CSize all = CalcTextSizeSimple(begin, to, keepSpaces, whole, dc, pass, from);
        CSize before = CalcTextSizeSimple(begin, from, 1, head, dc, pass, -1);
        ascent = whole;
        return CSize(all.cx - before.cx, all.cy);
    }

    long end = to;
    if (end > from && m_chars[end - 1] == kBreak)
        --end;
    if (end > from && m_chars[end - 1] == kParagraphEnd)
        --end;
    if (!keepSpaces)
        while (end > from && m_chars[end - 1] == ' ')
            --end;

    long width = 0;
    int maxAscent = 0, maxDescent = 0, height = 0;
    long p = from;
    CMeasureFontScope fonts(dc);
    while (p < end)
    {
        long runEnd = NextDifferentChar(p);
        if (runEnd <= p || runEnd > end)
            runEnd = end;
        if (split > p && split < runEnd)
            runEnd = split;


        const GFontStyle& style = MeasureStyle(*this, p);
        int runAscent = RunAscent(style);
        if (m_chars[p] == kFieldMark)
        {
            // Each field measures itself, on the page its row stands on.
            runAscent = style.GetAscent();
            for (long q = p; q < runEnd; ++q)
            {
                const long f = GetCharField(q);
                if (f < 0)
                    continue;
                int fieldAscent = 0;
                width += m_fields[f]->GetSize(dc, fieldAscent, GetRowPage(GetCharRow(q)) + 1).cx;
                runAscent = max(runAscent, fieldAscent);
            }
        }
        else if (m_chars[p] == kTab)
        {
            long t = GetCharTab(p);
            if (t >= 0)
            {
                if (para.m_Align == GParaStyle::kAlignLeft || para.m_Align == GParaStyle::kAlignJustify)
                    width = m_tabs[t].x - segLeft;
                width += labs(m_tabs[t].width);
            }
            runAscent = style.GetAscent();
        }
        else
        {
            fonts.Use(style.GetFont());
            width += dc->GetTextExtent((LPCSTR)m_chars.Span(p, runEnd - p), (int)(runEnd - p)).cx;
            if (_justPosAfter >= 0 && runEnd > _justPosAfter)
                for (long q = max(p, _justPosAfter); q < runEnd; ++q)
                    width += JustifiedBlankExtra(*this, q);
        }

        if (split == -1 || p >= split)
            AddRunHeight(runAscent, abs(style.GetDescent()), maxAscent, maxDescent, height);
        p = runEnd;
    }

    // Nothing left to measure (dropped blanks) has no height either.
    ascent = maxAscent;
    return CSize(width, height);
}

int PlainRunHeight(const GDoc& flow, long pos, CDC* dc, int& ascent)
{
    const GFontStyle& style = MeasureStyle(flow, pos);
    int maxAscent = 0, maxDescent = 0, height = 0;
    AddRunHeight(RunAscent(style), abs(style.GetDescent()), maxAscent, maxDescent, height);
    if (height == 0)
        height = BlankHeight(style, dc ? dc : GetCalcDC(), maxAscent);
    ascent = maxAscent;
    return height;
}

int PlainStretchHeight(const GDoc& flow, long from, long to, int& ascent)
{
    int maxAscent = 0, maxDescent = 0, height = 0;
    for (long p = from; p < to;)
    {
        long runEnd = flow.NextDifferentChar(p);
        if (runEnd <= p || runEnd > to)
            runEnd = to;
        const GFontStyle& style = MeasureStyle(flow, p);
        AddRunHeight(RunAscent(style), abs(style.GetDescent()), maxAscent, maxDescent, height);
        p = runEnd;
    }
    ascent = maxAscent;
    return height;
}

long JustifiedBlankExtra(const GDoc& flow, long pos)
{
    if (_justPosAfter < 0 || _justSpaces <= 0 || _justBreak <= 0 || pos < _justPosAfter
        || flow.m_chars[pos] != ' ')
        return 0;
    long ordinal = 0;
    for (long q = _justPosAfter; q < pos; ++q)
        if (flow.m_chars[q] == ' ')
            ++ordinal;
    if (ordinal >= _justSpaces)
        return 0;
    return _justBreak / _justSpaces + (ordinal < _justBreak % _justSpaces ? 1 : 0);
}

long GDoc::GetLastTabIndex(long from, long to)
{
    for (long p = to - 1; p > from; --p)
        if (m_chars[p] == kTab)
            return p;
    return from;
}

CSize GDoc::CalcTextSizeForView(long from, long to, int keepSpaces, int& ascent, CDC* dc, int pass)
{
    if (!dc)
        dc = GetCalcDC();
    CalcSizeToMove = 0;
    if (from >= to)
        return CalcTextSizeSimple(from, from, keepSpaces, ascent, dc, pass, -1);

    const long row = GetCharRow(from);
    const long nextFirst = m_rows[row + 1].first;
    if (to > nextFirst && row + 1 < m_rows.GetCount() - 1)
    {
        int a1 = 0, a2 = 0;
        CSize first = CalcTextSizeForView(from, nextFirst, keepSpaces, a1, dc, pass);
        CSize rest = CalcTextSizeForView(nextFirst, to, keepSpaces, a2, dc, pass);
        ascent = max(a1, a2);
        return CSize(first.cx + rest.cx, max(first.cy, rest.cy));
    }
    if (from != m_rows[row].first)
        return CalcTextSizeSimple(from, to, keepSpaces, ascent, dc, pass, -1);

    const GParaStyle& para = RowParaStyle(*this, row);
    GArray<CHole>* holes = m_rows[row].holes;
    const long holeCount = holes ? holes->GetCount() : 0;
    const bool left = para.m_Align != GParaStyle::kAlignCentre && para.m_Align != GParaStyle::kAlignRight
        && para.m_Align != GParaStyle::kAlignJustify;
    if (left && holeCount <= 1 && (holeCount == 0 || (*holes)[0].width == 0))
    {
        CSize size = CalcTextSizeSimple(from, to, keepSpaces, ascent, dc, pass, -1);
        if (holeCount)
            size.cx += (*holes)[0].width;
        return size;
    }

    // The segment that holds the end of the stretch.
    const long leftMargin = GetRowLeftMargin(row);
    const long rowRight = GetRowWidth(row) + leftMargin;
    long k = 0;
    long segStart = m_rows[row].first;
    for (long i = holeCount - 1; i >= 0; --i)
    {
        long resume = (*holes)[i].resume;
        if (i == 0 && resume == kNoPosition)
            resume = m_rows[row].first;
        if (resume != kNoPosition && resume <= to)
        {
            k = i;
            segStart = resume;
            break;
        }
    }
    long segLeft = leftMargin;
    if (holeCount)
        segLeft = max(leftMargin, (long)((*holes)[k].x + (*holes)[k].width));
    long rightLimit = rowRight;
    long segLast = nextFirst;
    if (k + 1 < holeCount)
    {
        rightLimit = (*holes)[k + 1].x;
        if ((*holes)[k + 1].resume != kNoPosition)
            segLast = (*holes)[k + 1].resume;
    }
    if (segLast > segStart && m_chars[segLast - 1] == kBreak)
        --segLast;
    if (segLast > segStart && m_chars[segLast - 1] == kParagraphEnd)
        --segLast;
    dc->SetTextJustification(0, 1);

    long x = segLeft - leftMargin;
    CSize size;
    int a = 0;
    if (para.m_Align == GParaStyle::kAlignCentre || para.m_Align == GParaStyle::kAlignRight)
    {
        long textWidth = CalcTextSizeSimple(segStart, segLast, 0, a, dc, pass, -1).cx;
        long move = rightLimit - segLeft - textWidth;
        if (para.m_Align == GParaStyle::kAlignCentre)
            move /= 2;
        CalcSizeToMove = move;
        size = CalcTextSizeSimple(segStart, to, keepSpaces, ascent, dc, pass, -1);
        size.cx += x + move;
        return size;
    }
    if (para.m_Align == GParaStyle::kAlignJustify && !(RowInParaIs(row) & 4))
    {
        long textWidth = CalcTextSizeSimple(segStart, segLast, 0, a, dc, pass, -1).cx;
        long freeSpace = max(0L, rightLimit - segLeft - textWidth);
        long lastTab = GetLastTabIndex(segStart, segLast);
        _justBreak = (int)freeSpace;
        _justSpaces = (int)CountSpaces(lastTab, segLast, 0);
        _justPosAfter = lastTab;
        size = CalcTextSizeSimple(segStart, to, keepSpaces, ascent, dc, pass, -1);
        _justBreak = 0;
        _justSpaces = 1;
        _justPosAfter = -1;
        dc->SetTextJustification(0, 1);
        size.cx += x;
        return size;
    }
    size = CalcTextSizeSimple(segStart, to, keepSpaces, ascent, dc, pass, -1);
    size.cx += x;
    return size;
}
