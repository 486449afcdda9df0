// Find and replace in a flow: requests with text, whole words, case and
// style filters; counting strings; searching and setting styles by value.
#include "model/GDoc.h"
#include "model/GStyleTbl.h"
#include "document/CWDocument.h"
#include "dialogs/CWFndRpl.h"
#include "app/CWOptions.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include "editing/ansi_letters.h"
#include "editing/undo_group.h"
#include <algorithm>
#include <string.h>
#include <string>
#include <vector>

namespace
{
const char kBlank = ' ';
// Characters below this code (as signed bytes) get no smart blank beside
// them: control codes, field marks and every byte of 128 or above.
const signed char kFirstPlainCode = 14;

// The end of the searchable text: the final paragraph end and what
// follows it are never part of a match.
long TextEnd(const GDoc& flow)
{
    return flow.m_chars.count - 3;
}

// A match [start, end) that touches a letter or digit is inside a word;
// positions outside the flow touch nothing.
bool TouchesWord(const GDoc& flow, long start, long end)
{
    if (start > 0 && start - 1 < flow.m_chars.count && IsAnsiLetterOrDigit(flow.m_chars[start - 1]))
        return true;
    return end >= 0 && end < flow.m_chars.count && IsAnsiLetterOrDigit(flow.m_chars[end]);
}

bool TakesSmartBlank(char c)
{
    return (signed char)c >= kFirstPlainCode && c != kBlank;
}

// Whether entry index of a style table, whose style value is value,
// passes a request's filter: by name (byte for byte) when the filter is
// named, else by the values the filter defines. An index outside the
// table has no name.
template <class T>
bool FilterPasses(const GStyleTbl<T>& table, long index, const T& value, const GStyleItem<T>& filter,
                  int (*compare)(const T&, const T&))
{
    if (!filter.IsNamed())
        return compare(filter.style, value) != 0;
    return index >= 0 && index < table.count && strcmp(table[index].name, filter.name) == 0;
}

// The text match [start, end) passes the request's style filters: the
// styles combined over it, a master resolved to its own styles.
bool MatchStylesPass(const GDoc& flow, long start, long end, const CWFndRpl& request)
{
    if (!flow.m_pOwner)
        return !request.UsesStyles();
    if (request.matchFontFormat)
    {
        GFontStyle combined;
        const Mint ref = flow.CombineSameFStyles(start, end, combined);
        const long index = ref.index >= 0 ? flow.GetFontIndex(ref) : -1;
        if (!FilterPasses(flow.m_pOwner->m_fontStyles, index, combined, request.fontStyle, &GDoc::CompareFStyle))
            return false;
    }
    if (request.matchParaFormat)
    {
        GParaStyle combined;
        const Mint ref = flow.CombineSamePStyles(start, end, combined);
        const long index = ref.index >= 0 ? flow.GetParaIndex(ref) : -1;
        if (!FilterPasses(flow.m_pOwner->m_paraStyles, index, combined, request.paraStyle, &GDoc::ComparePStyle))
            return false;
    }
    return true;
}

// Knuth-Morris-Pratt failure table: for each prefix of the pattern, the
// length of its longest proper border.
std::vector<int> FailureTable(const std::string& pattern)
{
    std::vector<int> fail(pattern.size(), 0);
    for (size_t i = 1, k = 0; i < pattern.size(); ++i)
    {
        while (k > 0 && pattern[i] != pattern[k])
            k = fail[k - 1];
        if (pattern[i] == pattern[k])
            ++k;
        fail[i] = (int)k;
    }
    return fail;
}
} // namespace

int GDoc::CheckCharStyles(long pos, CWFndRpl* request)
{
    if (!m_pOwner)
        return 0;
    if (request->matchFontFormat)
    {
        const long i = GetCharFStyleIdx(pos);
        const GStyleTbl<GFontStyle>& table = m_pOwner->m_fontStyles;
        if (i < 0 || i >= table.count || !FilterPasses(table, i, table[i].style, request->fontStyle, &CompareFStyle))
            return 0;
    }
    if (request->matchParaFormat)
    {
        const long i = GetCharPStyleIdx(pos);
        const GStyleTbl<GParaStyle>& table = m_pOwner->m_paraStyles;
        if (i < 0 || i >= table.count || !FilterPasses(table, i, table[i].style, request->paraStyle, &ComparePStyle))
            return 0;
    }
    return 1;
}

void GDoc::Find(long& start, long& end, CWFndRpl* request)
{
    const bool backwards = request->direction == CWFndRpl::kUp;
    const long textEnd = TextEnd(*this);
    if (!request->HasText())
    {
        if (!request->UsesStyles())
        {
            start = end = -1;
            return;
        }
        // Style only: the longest run of characters that pass the filters.
        if (!backwards)
        {
            long s = std::max(start, 0L);
            while (s < textEnd && !CheckCharStyles(s, request))
                ++s;
            if (s >= textEnd)
            {
                start = end = -1;
                return;
            }
            long e = s;
            while (e < textEnd && CheckCharStyles(e, request))
                ++e;
            start = s;
            end = e;
            return;
        }
        long s = std::min(start, textEnd) - 1;
        while (s >= 0 && !CheckCharStyles(s, request))
            --s;
        if (s < 0)
        {
            start = end = -1;
            return;
        }
        end = s + 1;
        while (s >= 0 && CheckCharStyles(s, request))
            --s;
        start = s + 1;
        return;
    }

    const long len = (long)strlen(request->text);
    const char* text = (const char*)m_chars.GetData();
    long s = std::max(std::min(start, textEnd), 0L);
    long e = s;
    for (bool first = true;; first = false)
    {
        if (backwards)
        {
            // Each later candidate begins before the one refused.
            if (!first)
                s = e - 1;
            s = StrFindR(request->text, text, (int)s, request->matchCase);
        }
        else
        {
            if (!first)
                ++s;
            s = StrFindL(request->text, text, (int)s, request->matchCase);
        }
        if (s < 0 || s + len > textEnd)
        {
            start = end = -1;
            return;
        }
        e = s + len;
        if (request->wholeWord && TouchesWord(*this, s, e))
            continue;
        if (!MatchStylesPass(*this, s, e, *request))
            continue;
        start = s;
        end = e;
        return;
    }
}

void GDoc::Replace(long& start, long& end, CWFndRpl* replacement)
{
    CChangeBracket bracket(m_pOwner);
    CUndoGroup group(this, IDS_OP_REPLACE_TEXT);
    const long textEnd = TextEnd(*this);
    start = std::max(0L, std::min(start, textEnd));
    end = std::max(start, std::min(end, textEnd));
    const bool styleOnly = !replacement->HasText() && replacement->UsesStyles();
    const bool smart = Options.SmartCutPaste != 0;

    GFontStyle kept;
    const Mint keptRef = CombineSameFStyles(start, std::max(end, start + 1), kept);
    if (!styleOnly)
    {
        SetPos(start);
        UnSelect();
        long from = start, to = end;
        if (smart)
        {
            long after = 0, before = 0;
            while (to < textEnd && m_chars[to] == kBlank)
                ++to, ++after;
            while (from > 0 && m_chars[from - 1] == kBlank)
                --from, ++before;
            if (before)
                ++from;
            else if (after)
                --to;
        }
        if (to > from)
            DeleteText(from, to, 1);
        start = end = from;
    }

    if (replacement->HasText())
    {
        std::string text(replacement->text);
        if (smart && start > 0 && TakesSmartBlank(text[0]) && TakesSmartBlank(m_chars[start - 1]))
        {
            char blank[2] = {kBlank, 0};
            InsertText(start, blank, 1);
            ++start;
        }
        InsertText(start, &text[0], 1);
        end = start + (long)strlen(replacement->text);
        if (smart && end != TextEnd(*this) && TakesSmartBlank(text.back()) && TakesSmartBlank(m_chars[end]))
        {
            char blank[2] = {kBlank, 0};
            InsertText(end, blank, 1);
        }
    }

    if (end > start)
    {
        if (!replacement->matchFontFormat)
        {
            if (keptRef.index >= 0)
                SetFontStyle(start, end, keptRef);
            else
                SetFontStyle(start, end, kept, 0);
        }
        else if (replacement->fontStyle.IsNamed())
            SetFontStyle(start, end, replacement->fontStyle.name);
        else
        {
            GFontStyle style = replacement->fontStyle.style;
            SetFontStyle(start, end, style, 0);
        }
    }
    if (replacement->matchParaFormat)
    {
        if (replacement->paraStyle.IsNamed())
            SetParaStyle(start, end, replacement->paraStyle.name);
        else
        {
            GParaStyle style = replacement->paraStyle.style;
            SetParaStyle(start, end, style);
        }
    }
    SetPos(end);
    Select(start, end);
    ReRowByPos(start, end, kUntilRowsStay);
}

long GDoc::FindTextA(long from, const char* text, unsigned short flags, GFontStyle* font, GParaStyle* para) const
{
    const unsigned short kMatchCase = 1, kWholeWord = 2, kSelectionOnly = 8, kBackwards = 16;
    if (!text || !*text)
        return -1;
    std::string pattern(text);
    const long len = (long)pattern.size();
    const bool backwards = flags & kBackwards;
    const bool matchCase = flags & kMatchCase;
    long lo = 0, hi = TextEnd(*this);
    if (flags & kSelectionOnly)
    {
        lo = std::min(m_nSelFirst, m_nSelEnd);
        hi = std::max(m_nSelFirst, m_nSelEnd);
    }
    lo = std::max(lo, 0L);
    hi = std::min(hi, TextEnd(*this));
    if (backwards)
        std::reverse(pattern.begin(), pattern.end());
    if (!matchCase)
        for (char& c : pattern)
            c = AnsiUpper(c);
    const std::vector<int> fail = FailureTable(pattern);

    auto passes = [&](long s) {
        const long e = s + len;
        if ((flags & kWholeWord) && TouchesWord(*this, s, e))
            return false;
        if (font)
        {
            GFontStyle combined;
            CombineSameFStyles(s, e, combined);
            if (!CompareFStyle(*font, combined))
                return false;
        }
        if (para)
        {
            GParaStyle combined;
            CombineSamePStyles(s, e, combined);
            if (!ComparePStyle(*para, combined))
                return false;
        }
        return true;
    };

    long k = 0;
    const long step = backwards ? -1 : 1;
    long i = backwards ? std::min(from, hi) - 1 : std::max(from, lo);
    for (; backwards ? i >= lo : i < hi; i += step)
    {
        const char c = matchCase ? (char)m_chars[i] : AnsiUpper(m_chars[i]);
        while (k > 0 && c != pattern[k])
            k = fail[k - 1];
        if (c == pattern[k])
            ++k;
        if (k < len)
            continue;
        const long s = backwards ? i : i - len + 1;
        if (passes(s))
            return s;
        k = fail[k - 1];
    }
    return -1;
}

long GDoc::CountStringInDoc(char* text)
{
    if (!text || !*text)
        return 0;
    const long len = (long)strlen(text);
    long n = 0;
    for (long at = FindTextA(0, text, 1, nullptr, nullptr); at >= 0; at = FindTextA(at + len, text, 1, nullptr, nullptr))
        ++n;
    return n;
}

int GDoc::FindFStyle(GFontStyle* font, long& start, long& end, long from, long to) const
{
    if (from > m_chars.count - 2)
        return 0;
    const bool backwards = from >= to;
    if (!font)
    {
        start = backwards ? to : from;
        end = backwards ? from : to;
        return 1;
    }
    auto equal = [&](long run) {
        const GFontStyle* style = GetFormatStylePtr(run);
        return style && CompareFStyle(*font, *style);
    };
    auto runEnd = [&](long run) {
        return run + 1 < m_formats.count ? (long)m_formats[run + 1].pos : (long)m_chars.count;
    };
    const long lastRun = m_formats.count - 2;   // the closing run holds no text
    if (!backwards)
    {
        for (long run = GetCharFormat(from); run <= lastRun && m_formats[run].pos < to; ++run)
        {
            if (!equal(run))
                continue;
            long last = run;
            while (last + 1 <= lastRun && equal(last + 1))
                ++last;
            start = std::max(from, (long)m_formats[run].pos);
            end = std::min(to, runEnd(last));
            return start < end ? 1 : 0;
        }
        return 0;
    }
    for (long run = std::min(GetCharFormat(std::max(from - 1, 0L)), lastRun); run >= 0 && runEnd(run) > to; --run)
    {
        if (!equal(run))
            continue;
        long first = run;
        while (first > 0 && equal(first - 1))
            --first;
        start = std::max(to, (long)m_formats[first].pos);
        end = std::min(from, runEnd(run));
        return start < end ? 1 : 0;
    }
    return 0;
}

int GDoc::FindPStyle(GParaStyle* para, long& start, long& end, long from, long to, int backwards) const
{
    if (!para)
    {
        start = from;
        end = to;
        return 1;
    }
    auto equal = [&](long p) {
        const GParaStyle* style = GetParaStylePtr(p);
        return style && ComparePStyle(*para, *style);
    };
    const long first = GetCharPara(from);
    const long last = GetCharPara(std::max(from, to - 1));
    if (first == last || m_paras.count <= 2)
    {
        if (!equal(first))
            return 0;
        start = from;
        end = to;
        return 1;
    }
    auto paraEnd = [&](long p) { return p + 1 < m_paras.count ? GetParaChar(p + 1) : (long)m_chars.count; };
    if (!backwards)
    {
        for (long p = first; p <= last; ++p)
        {
            if (!equal(p))
                continue;
            long q = p;
            while (q + 1 <= last && equal(q + 1))
                ++q;
            start = std::max(from, GetParaChar(p));
            end = std::min(to, paraEnd(q));
            return 1;
        }
        return 0;
    }
    for (long p = last; p >= first; --p)
    {
        if (!equal(p))
            continue;
        long q = p;
        while (q - 1 >= first && equal(q - 1))
            --q;
        start = std::max(from, GetParaChar(q));
        end = std::min(to, paraEnd(p));
        return 1;
    }
    return 0;
}

int GDoc::FindStyles(GFontStyle* font, GParaStyle* para, long& start, long& end, long from, long to) const
{
    if (!font && !para)
        return 0;
    const bool backwards = from >= to;
    long at = from;
    for (;;)
    {
        long s = 0, e = 0;
        if (!FindFStyle(font, s, e, at, to))
            return 0;
        long ps = 0, pe = 0;
        if (FindPStyle(para, ps, pe, s, e, backwards ? 1 : 0))
        {
            start = ps;
            end = pe;
            return 1;
        }
        // Past the stretch that failed; stop where the scan passes to.
        const long next = backwards ? s : e;
        if (next == at || (backwards ? next <= to : next >= to))
            return 0;
        at = next;
    }
}

void GDoc::ReplaceStyles(GFontStyle* font, GParaStyle* para, long& start, long& end)
{
    if (font)
    {
        GFontStyle style = *font;
        SetFontStyle(start, end, style, 0);
    }
    if (para)
    {
        GParaStyle style = *para;
        SetParaStyle(start, end, style);
    }
}
