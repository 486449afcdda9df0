// The holes frames cut into rows: adding and removing them, the advance
// widths of the text after a hole, and the segment boundaries that row
// drawing asks for.
#include "model/GDoc.h"
#include "model/GParaStyle.h"
#include "model/GFontStyle.h"
#include "layout/CFrame.h"
#include "layout/text_measure.h"
#include <stdlib.h>
#include <algorithm>
#include <vector>

using std::max;
using std::min;

namespace {

// Whether the context's font maps every byte to one character, so that the
// extents of a string's prefixes are those of its bytes.
bool SingleByteFont(CDC* dc)
{
    CHARSETINFO info;
    CPINFO codePage;
    const int charset = ::GetTextCharsetInfo(dc->m_hAttribDC, NULL, 0);
    return ::TranslateCharsetInfo((DWORD*)(DWORD_PTR)charset, &info, TCI_SRCCHARSET) &&
           ::GetCPInfo(info.ciACP, &codePage) && codePage.MaxCharSize == 1;
}

// The extent of every prefix of text (n bytes) in the context's font, as
// GetTextExtent measures each: one call where the font is single-byte and
// the context's own answer for the whole string agrees, the prefixes one by
// one otherwise.
void PrefixExtents(CDC* dc, LPCSTR text, int n, std::vector<int>& extents)
{
    extents.assign(n, 0);
    SIZE whole = {0, 0};
    if (SingleByteFont(dc) &&
        ::GetTextExtentExPointA(dc->m_hAttribDC, text, n, 0, NULL, extents.data(), &whole) &&
        dc->GetTextExtent(text, n).cx == extents[n - 1])
        return;
    for (int i = 0; i < n; ++i)
        extents[i] = dc->GetTextExtent(text, i + 1).cx;
}

} // namespace

void GRow::AddHole(CHole& h)
{
    if (!holes)
        holes = NewHoles();
    GArray<CHole>& H = *holes;
    long k = 0;
    for (long i = H.GetCount() - 1; i >= 0; --i)
        if (H[i].x <= h.x)
        {
            k = i;
            break;
        }
    const long kRight = H[k].x + H[k].width;
    const long hRight = h.x + h.width;
    if (h.x > kRight)
    {
        // Later holes the new one covers whole go.
        for (long j = H.GetCount() - 1; j > k; --j)
            if (H[j].x >= h.x && H[j].x + H[j].width <= hRight)
                H.Destroy(j, 1);
        if (k + 1 < H.GetCount() && H[k + 1].x < hRight)
        {
            CHole& following = H[k + 1];
            long right = max((long)(following.x + following.width), hRight);
            following.x = h.x;
            following.width = (LONG)(right - h.x);
        }
        else
        {
            CHole added;
            added.x = h.x;
            added.width = h.width;
            H.AddAt(added, k + 1);
        }
    }
    else if (hRight > kRight)
        H[k].width = (LONG)(hRight - H[k].x);
}

void GRow::DeleteHole(CHole& span)
{
    if (!holes)
        return;
    GArray<CHole>& H = *holes;
    const long spanRight = span.x + span.width;
    for (long i = 0; i < H.GetCount(); ++i)
    {
        const long left = H[i].x, right = H[i].x + H[i].width;
        if (left < span.x && spanRight < right)
        {
            H[i].width = (LONG)(span.x - left);
            CHole after;
            after.x = (LONG)spanRight;
            after.width = (LONG)(right - spanRight);
            H.AddAt(after, i + 1);
            return;
        }
    }
    // Hole 0 marks the row's left margin and always stays.
    for (long i = H.GetCount() - 1; i >= 0; --i)
    {
        const long left = H[i].x, right = H[i].x + H[i].width;
        if (right <= span.x || left >= spanRight)
            continue;
        if (span.x <= left && spanRight >= right)
        {
            if (i > 0)
                H.Destroy(i, 1);
            else
                H[0].width = 0;
        }
        else if (span.x <= left)
        {
            H[i].x = (LONG)spanRight;
            H[i].width = (LONG)(right - spanRight);
        }
        else
            H[i].width = (LONG)(span.x - left);
    }
}

void GRow::DeleteHole(int index)
{
    if (holes && index >= 0 && index < holes->GetCount() && holes->GetCount() > 1)
        holes->Destroy(index, 1);
}

LONG* GRow::GetCharDxWidths(long pos)
{
    if (!holes)
        return NULL;
    GArray<CHole>& H = *holes;
    for (long k = H.GetCount() - 1; k >= 0; --k)
    {
        const CHole& h = H[k];
        // The cells of the mark at the row's start begin with the row.
        const long start = h.resume == kNoPosition && k == 0 ? first : h.resume;
        if (start == kNoPosition || start > pos)
            continue;
        if (!h.dxWidths)
            return NULL;
        if (k + 1 < H.GetCount() && H[k + 1].resume != kNoPosition && pos >= H[k + 1].resume)
            return NULL;
        return h.dxWidths + (pos - start);
    }
    return NULL;
}

void GDoc::CalcHoleDxWidths(long row, long hole, long end, CDC* dc)
{
    if (!dc)
        dc = GetCalcDC();
    GArray<CHole>* holes = m_rows[row].holes;
    if (!holes || hole < 0 || hole >= holes->GetCount())
        return;
    CHole& h = (*holes)[hole];
    delete[] h.dxWidths;
    h.dxWidths = NULL;
    long start = h.resume;
    if (start == kNoPosition)
    {
        if (hole != 0)
            return;
        start = m_rows[row].first;
    }
    if (end == -1)
    {
        if (hole + 1 < holes->GetCount() && (*holes)[hole + 1].resume != kNoPosition)
            end = (*holes)[hole + 1].resume;
        else
            end = m_rows[row + 1].first;
    }
    if (end <= start)
        return;
    LONG* widths = new LONG[end - start];
    std::vector<int> extents;
    for (long p = start; p < end;)
    {
        long runEnd = NextDifferentChar(p);
        if (runEnd <= p || runEnd > end)
            runEnd = end;
        const BYTE c = m_chars[p];
        if (c == kTab)
        {
            long t = GetCharTab(p);
            widths[p - start] = t >= 0 ? labs(m_tabs[t].width) : 0;
        }
        else if (c == kFieldMark || c == kParagraphEnd || c == kBreak || c == kFlowEnd)
        {
            for (long q = p; q < runEnd; ++q)
                widths[q - start] = 0;
        }
        else
        {
            const GFontStyle* style = GetCharFStylePtr(p);
            CFont* font = style ? style->GetFont() : NULL;
            if (!font)
                font = FallbackFontStyle().GetFont();
            CFont* old = dc->SelectObject(font);
            PrefixExtents(dc, (LPCSTR)m_chars.Span(p, runEnd - p), (int)(runEnd - p), extents);
            long before = 0;
            for (long q = p; q < runEnd; ++q)
            {
                const long extent = extents[q - p];
                widths[q - start] = (LONG)(extent - before + JustifiedBlankExtra(*this, q));
                before = extent;
            }
            if (old)
                dc->SelectObject(old);
        }
        p = runEnd;
    }
    h.dxWidths = widths;
}

void GDoc::GetHoleCoordsAndLastCharPos(long row, int i, long& x, long& width, long& last, long defaultX)
{
    GArray<CHole>* holes = m_rows[row].holes;
    const long count = holes ? holes->GetCount() : 0;
    long start = m_rows[row].first;
    if (i > 0 && i - 1 < count)
    {
        start = (*holes)[i - 1].resume;
        if (start == kNoPosition)
            start = m_chars.GetCount() - 3;
    }
    const long nextFirst = m_rows[row + 1].first;
    bool inside = false;
    if (i < count)
    {
        const GParaStyle* style = GetRowPStylePtr(row);
        long rightIndent = style ? style->m_Right.value : 0;
        long frameWidth = m_pFirstFrame ? m_pFirstFrame->GetWidth() : GetRowColumnWidth(row);
        const CHole& h = (*holes)[i];
        inside = h.x <= frameWidth - rightIndent && h.x + h.width >= GetRowLeftMargin(row);
    }
    if (inside)
    {
        const CHole& h = (*holes)[i];
        x = h.x;
        width = h.width;
        last = h.resume;
        if (last == kNoPosition)
        {
            last = nextFirst;
            if (row == m_rows.GetCount() - 2)
                last -= 2;
            else if (RowInParaIs(row) & 4)
                last -= 1;
        }
    }
    else
    {
        x = defaultX;
        width = 0;
        last = nextFirst;
    }
    while (last > start && m_chars[last - 1] == kBreak)
        --last;
    while (last > start && m_chars[last - 1] == kParagraphEnd)
        --last;
    while (last > start && m_chars[last - 1] == ' ')
        --last;
}
