// Row breaking: where a row of a paragraph ends, around the holes frames
// cut into it, and how high it is; with the row's margins and widths.
#include "model/GDoc.h"
#include "model/GParaStyle.h"
#include "model/GPageInfo.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include "layout/text_measure.h"
#include <math.h>
#include <stdint.h>
#include <string.h>
#include <vector>
#include <algorithm>

using std::max;
using std::min;

namespace
{
// A free stretch of a row between holes.
struct STextSpace
{
    long width;
    long hole;   // the hole before it
};

// The interpolating search leans away from the ends of the range, where
// a proportional guess lands badly.
const float kProbeLean = 0.2f;

// How many characters the first bounded measure of a row takes: a little
// more than a usual row, doubled until the text overflows the space.
const long kFirstReach = 128;
// How many characters GDI is asked to fit at most in one call.
const long kMostFitChars = 512;
// GDI is first asked to fit a little more than the last row it fitted
// held, and never fewer than this; a row that takes all of it is asked
// again with the most.
const long kLeastFitAsk = 64;
long s_lastFit = 0;

} // namespace

// Set: plain text is searched for its break within a bounded measure (see
// CalcRow). Clear: the whole rest of the paragraph is measured first; tests
// lay out with both and compare.
bool bLayoutBoundedSearch = true;

namespace
{

bool IsLayoutMark(BYTE c)
{
    return c == kTab || c == kFieldMark || c == kParagraphEnd || c == kBreak;
}

// Every mark is below this byte, so eight characters of ordinary text are
// passed at once: each row asks this of the rest of its paragraph.
const BYTE kMarksBelow = kParagraphEnd + 1;
static_assert(kTab < kMarksBelow && kFieldMark < kMarksBelow && kBreak < kMarksBelow, "marks are low bytes");

// No tab, field or break in [from, to): text whose width only grows.
bool HasOnlyPlainText(const GChar* text, long from, long to)
{
    const uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    long p = from;
    for (; p + 8 <= to; p += 8)
    {
        uint64_t word;
        memcpy(&word, text + p, sizeof word);
        // Flags every byte below kMarksBelow (and may flag bytes above a
        // flagged one): only then are the eight looked at one by one.
        if (((word - ones * kMarksBelow) & ~word & highs) == 0)
            continue;
        for (long q = p; q < p + 8; ++q)
            if (IsLayoutMark(text[q]))
                return false;
    }
    for (; p < to; ++p)
        if (IsLayoutMark(text[p]))
            return false;
    return true;
}

bool IsBreakDivider(BYTE c)
{
    return c == ' ' || c == kTab || c == kFieldMark;
}

// How much of a row's plain text in several fonts fits a free space.
struct SRunsFit
{
    long fits = 0;        // the characters from the start that fit
    long width = 0;       // their width
    bool all = false;     // the whole stretch fits
};

// Plain text [pos, end) in runs of several fonts, from the start of a row
// free of frames: each run is asked of GDI once, with what is left of the
// width, for the width of every prefix and how many characters fit. The
// width of a stretch is the sum of its runs' widths, each run measured
// alone in its own font (as CalcTextSizeSimple measures it), and a part of
// a run is its prefix; so the count found is the one the search would
// find. False where it cannot tell: a run of more than GDI is asked at
// once that still fits, or not one character fitting.
bool FitPlainRuns(const GDoc& flow, CMeasureFontScope& fonts, HDC attrib, long pos, long end, long width,
                  SRunsFit& out)
{
    // About as many characters as the last row held, over all the runs.
    const long reach = max(kLeastFitAsk, s_lastFit + s_lastFit / 8 + 8);
    long measured = 0;
    long p = pos;
    while (p < end)
    {
        long runEnd = flow.NextDifferentChar(p);
        if (runEnd <= p || runEnd > end)
            runEnd = end;
        const long most = min(runEnd - p, kMostFitChars);
        int n = (int)min(most, max(kLeastFitAsk, reach - (p - pos)));
        INT fit = 0;
        INT prefix[kMostFitChars];
        SIZE extent;
        UseFontAt(fonts, flow, p);
        BOOL ok = ::GetTextExtentExPointA(attrib, (LPCSTR)flow.m_chars.Span(p, n), n, (int)(width - measured), &fit,
                                          prefix, &extent);
        while (ok && fit >= n && n < most)
        {
            n = (int)min(most, 2L * n);
            ok = ::GetTextExtentExPointA(attrib, (LPCSTR)flow.m_chars.Span(p, n), n, (int)(width - measured), &fit,
                                         prefix, &extent);
        }
        if (!ok)
            return false;
        if (fit < n)
        {
            out.fits = p + fit - pos;
            out.width = measured + (fit > 0 ? prefix[fit - 1] : 0);
            return out.fits > 0;
        }
        if (n < runEnd - p)
            return false;
        measured += extent.cx;
        p = runEnd;
    }
    out.fits = end - pos;
    out.width = measured;
    out.all = true;
    return true;
}

} // namespace

long GDoc::GetRowLeftMargin(long row, long para)
{
    if (para < 0)
        para = GetRowPara(row);
    const GParaStyle& style = ParaStyleOf(*this, para);
    return GetParaRow(para) == row ? style.m_FirstLine.value : style.m_Left.value;
}

long GDoc::GetRowColumnWidth(long row)
{
    if (m_columns.GetCount() == 0)
        return CWDocument::PageSetupOf(m_pOwner).GetTextWidth();
    long block = GetRowColumn(row);
    if (block > m_columns.GetCount() - 2)
        block = m_columns.GetCount() - 2;
    if (block < 0)
        block = 0;
    long col = GetRowCol(row);
    if (col < 0 || col >= kMostTextColumns)
        col = 0;
    return m_columns[block].cols[col].width;
}

long GDoc::GetRowWidth(long row, long para)
{
    if (para < 0)
        para = GetRowPara(row);
    const GParaStyle& style = ParaStyleOf(*this, para);
    return GetRowColumnWidth(row) - style.m_Right.value - GetRowLeftMargin(row, para);
}

int GDoc::RowInParaIs(long row)
{
    long para = GetRowPara(row);
    long first = GetParaRow(para);
    long next = para + 1 < m_paras.GetCount() ? GetParaRow(para + 1) : m_rows.GetCount() - 1;
    bool isFirst = row == first;
    bool isLast = row == next - 1;
    if (isFirst && isLast)
        return 5;
    if (isFirst)
        return 1;
    if (isLast)
        return 4;
    return 2;
}

int GDoc::GetTextAlign(CDC* dc, long row, GParaStyle* style, int& indent)
{
    if (!dc)
        dc = GetCalcDC();
    dc->SetTextJustification(0, 1);
    indent = (int)GetRowLeftMargin(row);
    return style && style->m_Align == GParaStyle::kAlignJustify ? 1 : 0;
}

CRect GDoc::GetRowMargins(long row, int, SLastFrameParams* cache)
{
    const GPageInfo& info = CWDocument::PageSetupOf(m_pOwner);
    CFrame* frame = m_pFirstFrame ? m_pFirstFrame->GetFrameByRow(row, NULL, cache) : NULL;
    CRect area = frame ? frame->GetAreaByPage(GetRowPage(row), 1)
                       : CRect(info.textLeft, info.textTop, info.textRight, info.textBottom);
    long block = GetRowColumn(row);
    if (block > m_columns.GetCount() - 2)
        block = m_columns.GetCount() - 2;
    long col = GetRowCol(row);
    long left = area.left;
    if (block >= 0)
        for (long i = 0; i < col && i < kMostTextColumns; ++i)
            left += m_columns[block].cols[i].width + m_columns[block].cols[i].gap;
    return CRect(left, area.top, left + GetRowColumnWidth(row), area.bottom);
}

void GDoc::ClearAndSetHoles(long row, long)
{
    GRow& r = m_rows[row];
    if (!r.holes)
        r.holes = GRow::NewHoles();
    GArray<CHole>& holes = *r.holes;
    if (holes.GetCount() > 1)
        holes.Destroy(1, holes.GetCount() - 1);
    ReleaseRecord(holes[0]);
    holes[0].x = (LONG)GetRowLeftMargin(row);
    holes[0].width = 0;
    holes[0].resume = kNoPosition;
    for (long i = 0; i < m_frames.GetCount(); ++i)
    {
        CFrame* f = m_frames[i];
        if (f && f->userFrame != 0 && f->reserved == 0)
            f->AddHoleInRow(this, row, m_rows[row].height);
    }
}

long GDoc::GetLastDivide(long from, long to)
{
    if (to >= m_chars.GetCount())
        to = m_chars.GetCount() - 1;
    for (long p = to; p > from; --p)
        if (IsBreakDivider(m_chars[p]))
            return p;
    return -1;
}

long GDoc::GetFirstDivide(long from, long to)
{
    for (long p = from; p < to && p < m_chars.GetCount(); ++p)
    {
        BYTE c = m_chars[p];
        if (c == ' ')
            return p + 1;
        if ((c == kTab || c == kFieldMark) && p > from)
            return p;
    }
    return -1;
}

long GDoc::CalcRow(CDC* dc, long row)
{
    if (!dc)
        dc = GetCalcDC();
    const long first = m_rows[row].first;
    CMeasureFontScope fonts(dc);
    UseFontAt(fonts, *this, first);
    const long limit = m_rows[row + 1].first;
    long end = limit;
    if (end > first && m_chars[end - 1] == kBreak)
        --end;
    if (end > first && m_chars[end - 1] == kParagraphEnd)
        --end;

    const long para = GetRowPara(row);
    GParaStyle* styleRef = GetParaStylePtr(para);
    const GParaStyle& style = styleRef ? *styleRef : FallbackParaStyle();
    int indent = 0;
    GetTextAlign(dc, row, styleRef, indent);
    const long right = GetRowWidth(row, para) + indent;
    const bool retabProbes = style.m_Align == GParaStyle::kAlignRight || style.m_Align == GParaStyle::kAlignJustify;

    ClearAndSetHoles(row, 0);
    GArray<CHole>& holes = *m_rows[row].holes;
    std::vector<STextSpace> spaces;
    {
        long x = indent;
        const long count = holes.GetCount();
        for (long i = 0; i <= count; ++i)
        {
            long segLimit = i < count ? min((long)holes[i].x, right) : right;
            if (segLimit > x)
                spaces.push_back(STextSpace{segLimit - x, i - 1 < 0 ? 0 : i - 1});
            if (i == count || holes[i].x > right)
                break;
            x = max(x, (long)(holes[i].x + holes[i].width));
        }
    }
    const bool freeOfFrames = holes.GetCount() == 1 && holes[0].width == 0;

    int ascent = 0;
    long textHeight = CalcTextSizeSimple(first, first, 1, ascent, dc, 0, -1).cy;
    long maxAscent = ascent;

    long pos = first;
    long nextHole = 0;   // first hole whose resume position is not set yet
    for (size_t s = 0; s < spaces.size() && pos < end; ++s)
    {
        const STextSpace& space = spaces[s];
        for (long j = nextHole; j <= space.hole && j < holes.GetCount(); ++j)
        {
            ReleaseRecord(holes[j]);
            holes[j].resume = pos;
        }
        nextHole = max(nextHole, space.hole + 1);

        CheckRowTabs(dc, row, pos, end, para);
        int a = 0;
        long lo = pos, hi = end;
        long wLo = 0, wHi = 0;
        long oneFontHeight = -1, oneFontAscent = 0;
        bool restFits = false;   // all the text to the end fits, in one font
        bool searched = false;   // lo fits and hi = lo + 1 overflows
        bool plainRuns = false;  // [pos, hi) is plain text, in runs of several fonts
        // Measuring the whole rest of a long paragraph for every row costs
        // more than its rows. Where the stretch holds plain text only, its
        // width grows with every character, so a prefix known to overflow
        // bounds the search just as well and the break found is the same.
        if (bLayoutBoundedSearch && HasOnlyPlainText(m_chars.ByPosition(pos, end), pos, end))
        {
            // Text in one font from the row's start: one GDI call gives the
            // width of every prefix of a little more than a row, and so
            // how many characters fit. On the layout context each of those
            // widths is the width of the prefix measured alone (the device
            // advances summed, then scaled once), which a test holds GDI
            // to; so the break is found with no other measure.
            if (pos == first && freeOfFrames && _justPosAfter < 0 && NextDifferentChar(pos) >= end)
            {
                UseFontAt(fonts, *this, pos);
                const long rest = min(end - pos, kMostFitChars);
                int n = (int)min(rest, max(kLeastFitAsk, s_lastFit + s_lastFit / 8 + 8));
                INT fit = 0;
                INT prefix[kMostFitChars];
                SIZE extent;
                HDC attrib = dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
                BOOL measured =
                    ::GetTextExtentExPointA(attrib, (LPCSTR)m_chars.Span(pos, n), n, (int)space.width, &fit, prefix,
                                            &extent);
                while (measured && fit >= n && n < rest)
                {
                    n = (int)min(rest, 2L * n);
                    measured = ::GetTextExtentExPointA(attrib, (LPCSTR)m_chars.Span(pos, n), n, (int)space.width, &fit,
                                                       prefix, &extent);
                }
                if (measured && fit > 0 && (fit < n || n == end - pos))
                {
                    // Text in one font is as high as any part of it.
                    int runAscent = 0;
                    oneFontHeight = PlainRunHeight(*this, pos, dc, runAscent);
                    oneFontAscent = runAscent;
                    if (fit < n)
                    {
                        s_lastFit = fit;
                        lo = pos + fit;
                        wLo = prefix[fit - 1];
                        hi = lo + 1;   // overflows
                        searched = true;
                    }
                    else
                        restFits = true;
                }
            }
            else if (pos == first && freeOfFrames && _justPosAfter < 0)
            {
                SRunsFit runs;
                HDC attrib = dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
                if (FitPlainRuns(*this, fonts, attrib, pos, end, space.width, runs))
                {
                    int runsAscent = 0;
                    oneFontHeight = -1;
                    if (runs.all)
                    {
                        oneFontHeight = PlainStretchHeight(*this, pos, end, runsAscent);
                        oneFontAscent = runsAscent;
                        restFits = true;
                    }
                    else
                    {
                        s_lastFit = runs.fits;
                        lo = pos + runs.fits;
                        wLo = runs.width;
                        hi = lo + 1;   // overflows
                        searched = true;
                        plainRuns = true;
                    }
                }
            }
            if (restFits)
            {
                textHeight = max(textHeight, oneFontHeight);
                maxAscent = max(maxAscent, oneFontAscent);
                pos = end;
                break;
            }
            long reach = kFirstReach;
            while (!searched && hi == end && lo + reach < end)
            {
                const long cand = lo + reach;
                const long w = CalcTextSizeSimple(pos, cand, 1, a, dc, 0, -1).cx;
                if (w > space.width)
                {
                    hi = cand;
                    wHi = w;
                    break;
                }
                lo = cand;
                wLo = w;
                reach *= 2;
            }
        }
        if (hi == end && !searched)
        {
            CSize whole = CalcTextSizeSimple(pos, end, 1, a, dc, 0, -1);
            if (whole.cx <= space.width)
            {
                textHeight = max(textHeight, (long)whole.cy);
                maxAscent = max(maxAscent, (long)a);
                pos = end;
                break;
            }
            wHi = whole.cx;
        }

        long lastProbe = -1;
        while (lo + 1 < hi)
        {
            float t = (float)(space.width - wLo) / (float)(wHi - wLo);
            if (t < 0.25f)
                t += kProbeLean;
            if (t > 0.75f)
                t -= kProbeLean;
            long probe = lo + (long)((hi - lo) * t);
            if (probe <= lo)
                probe = lo + 1;
            if (probe >= hi)
                probe = hi - 1;
            if (retabProbes)
                CheckRowTabs(dc, row, pos, probe, para);
            lastProbe = probe;
            long w = CalcTextSizeSimple(pos, probe, 1, a, dc, 0, -1).cx;
            if (w > space.width)
            {
                hi = probe;
                wHi = w;
            }
            else
            {
                lo = probe;
                wLo = w;
            }
        }

        // Blanks in front of a tab take no room once the tab is reached, so
        // the width of the text can fall at a tab, and the search may have
        // jumped over the first place where the text stops fitting. The
        // row ends there, wherever the search began.
        for (long t = pos + 1; t <= lo; ++t)
        {
            if (m_chars[t] != kTab || CalcTextSizeSimple(pos, t, 1, a, dc, 0, -1).cx <= space.width)
                continue;
            // The text fits up to the tab before (or pos); between that and
            // t no tab lies, so the width only grows there.
            long fits = pos, fails = t;
            for (long u = pos + 1; u < t; ++u)
                if (m_chars[u] == kTab)
                    fits = u;
            while (fits + 1 < fails)
            {
                const long mid = fits + (fails - fits) / 2;
                if (CalcTextSizeSimple(pos, mid, 1, a, dc, 0, -1).cx <= space.width)
                    fits = mid;
                else
                    fails = mid;
            }
            lo = fits;
            break;
        }

        // In a right-aligned or justified paragraph the tabs are laid out
        // again for every place tried, and the width of the text up to a
        // place may fall as well as grow there (a right tab takes up what
        // the text after it gives), so where the search ends depends on
        // where it began: on how far the row was allowed to reach. The row
        // ends before the first place where the text stops fitting, which
        // a search from anywhere finds the same.
        if (retabProbes && !HasOnlyPlainText(m_chars.ByPosition(pos, lo + 1), pos, lo + 1))
        {
            long fits = pos;
            for (long u = pos + 1; u <= lo; ++u)
            {
                CheckRowTabs(dc, row, pos, u, para);
                if (CalcTextSizeSimple(pos, u, 1, a, dc, 0, -1).cx > space.width)
                    break;
                fits = u;
            }
            lo = fits;
            lastProbe = -1;
        }

        long brk = GetLastDivide(pos, lo);
        if (freeOfFrames && brk <= pos)
            lo = max(lo, pos + 1);   // a word longer than the row is cut
        else
            lo = max(pos, brk);      // the row ends before the divider
        if (retabProbes && lo != lastProbe)
            CheckRowTabs(dc, row, pos, lo, para);
        if (lo > pos && oneFontHeight >= 0)
        {
            textHeight = max(textHeight, oneFontHeight);
            maxAscent = max(maxAscent, oneFontAscent);
        }
        else if (lo > pos && plainRuns)
        {
            int runsAscent = 0;
            textHeight = max(textHeight, (long)PlainStretchHeight(*this, pos, lo, runsAscent));
            maxAscent = max(maxAscent, (long)runsAscent);
        }
        else if (lo > pos)
        {
            CSize part = CalcTextSizeSimple(pos, lo, 1, a, dc, 0, -1);
            textHeight = max(textHeight, (long)part.cy);
            maxAscent = max(maxAscent, (long)a);
        }
        pos = lo;
        // As at the end of a row, one blank where the text breaks stays
        // with the text before it, so the text after a frame does not
        // start with a blank.
        if (s + 1 < spaces.size() && pos > first && pos < end && m_chars[pos] == ' ')
            ++pos;
    }

    long next = pos < end ? pos : limit;
    // A row with no room at all and no frame to make room below still
    // takes a character, or the paragraph would get new empty rows for
    // ever (a column of no width, as only damage makes).
    if (next == first && first < end && freeOfFrames)
        next = first + 1;
    // One blank where the next row would begin stays on this row; not
    // after a paragraph end, nor after a break, which ends its row (taken
    // after "13 12", the blank would leave its paragraph).
    if (next > first && next < m_chars.GetCount() - 3 && m_chars[next] == ' ' && m_chars[next - 1] != kParagraphEnd &&
        m_chars[next - 1] != kBreak)
        ++next;
    for (long j = 0; j < holes.GetCount(); ++j)
        if (holes[j].resume == kNoPosition)
            holes[j].resume = next;

    double spacing = style.m_Spacing.value > 0.0f ? style.m_Spacing.value : 1.0;
    long height = (long)ceil(textHeight * spacing) + style.m_Extra.value;
    if (style.m_Extra.value < 0)
        maxAscent += style.m_Extra.value;
    // A push below a frame (the row's gap after) stays in the ascent until
    // the rows are placed again.
    m_rows[row].ascent = (LONG)(max(0L, maxAscent) + m_rows[row].gapAfter);
    m_rows[row].height = (LONG)max(0L, height);
    return next;
}

long GDoc::MaxFreeSpace(long row)
{
    GArray<CHole>* holes = m_rows[row].holes;
    const long leftMargin = GetRowLeftMargin(row);
    const long rowWidth = GetRowWidth(row);
    const long rowFirst = m_rows[row].first;
    const long nextFirst = m_rows[row + 1].first;
    int a = 0;
    long best = 0;
    bool textFound = false;
    const long count = holes ? holes->GetCount() : 0;
    for (long k = count - 1; k >= 0 && !textFound; --k)
    {
        const CHole& h = (*holes)[k];
        long segLeft = max(leftMargin, (long)(h.x + h.width));
        long segEnd = k + 1 < count ? (*holes)[k + 1].x : rowWidth + leftMargin;
        long resume = h.resume;
        if (resume != kNoPosition && resume < nextFirst)
        {
            textFound = true;
            long w = CalcTextSizeSimple(resume, nextFirst, 0, a, NULL, 0, -1).cx;
            best = max(best, segEnd - segLeft - w);
        }
        else
            best = max(best, segEnd - segLeft);
    }
    if (best == 0)
        best = rowWidth - CalcTextSizeSimple(rowFirst, nextFirst, 0, a, NULL, 0, -1).cx;
    return best;
}
