// Flow queries: which record holds a position and where records begin,
// the styles of positions and ranges, style patterns, the next boundary
// of each kind, and the word count.
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GStyleTbl.h"
#include "document/CWDocument.h"

namespace {

// Index of the record whose start is the last one at or below key; the
// closing record for a key at or past its start, record 0 for a key below
// every start.
template <class StartOf>
long HalveByStart(long count, long key, StartOf start)
{
    long low = 0, high = count - 1;
    while (low < high)
    {
        long mid = (low + high) / 2;
        if (key >= start(mid))
        {
            if (key < start(mid + 1))
                return mid;
            low = mid + 1;
        }
        else
            high = mid - 1;
    }
    return low < 0 ? 0 : low;
}

// Index of the record standing exactly at key, or -1.
template <class PosOf>
long HalveExact(long count, long key, PosOf pos)
{
    if (count <= 0 || key < pos(0) || key > pos(count - 1))
        return -1;
    long low = 0, high = count - 1;
    while (low < high)
    {
        long mid = (low + high) / 2;
        long at = pos(mid);
        if (key == at)
            return mid;
        if (key > at)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return pos(low) == key ? low : -1;
}

// First record after key (its position), or -1 when none lies after it.
template <class PosOf>
long NextAfter(long count, long key, PosOf pos)
{
    if (count <= 0 || key >= pos(count - 1))
        return -1;
    long low = 0, high = count - 1;   // pos(high) > key always
    while (low < high)
    {
        long mid = (low + high) / 2;
        if (pos(mid) > key)
            high = mid;
        else
            low = mid + 1;
    }
    return pos(low);
}

bool IsWordChar(BYTE c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '\'';
}

const int kFontAttributeBits[] = {GFontStyle::kBold, GFontStyle::kItalic, GFontStyle::kUnderline,
                                  GFontStyle::kStrikeout, GFontStyle::kSuperscript, GFontStyle::kSubscript,
                                  GFontStyle::kSmallCaps};

}  // namespace

// ---- Lookups by position

long GDoc::GetCharFormat(long pos) const
{
    return HalveByStart(m_formats.count, pos, [this](long i) { return (long)m_formats[i].pos; });
}

long GDoc::GetCharRow(long pos) const
{
    if (pos < 0)
        return 0;
    return HalveByStart(m_rows.count, pos, [this](long i) { return (long)m_rows.PositionAt(i); });
}

long GDoc::GetCharPara(long pos) const { return GetRowPara(GetCharRow(pos)); }

long GDoc::GetCharColumn(long pos) const
{
    return HalveByStart(m_columns.count, pos, [this](long i) { return (long)m_columns[i].first; });
}

// Text columns from 1 on are passed while they have begun at or before
// the row.
static long ColumnOfRow(const GColumn& block, long row)
{
    int n = (BYTE)block.count;
    if (n > kMostTextColumns)
        n = kMostTextColumns;
    long col = 0;
    for (int k = 1; k < n; ++k)
    {
        if (block.startRows[k] == kNoPosition || block.startRows[k] > row)
            break;
        col = k;
    }
    return col;
}

long GDoc::GetCharCol(long pos) const
{
    const GColumn& block = m_columns[GetCharColumn(pos)];
    if ((BYTE)block.count <= 1)
        return 0;
    return ColumnOfRow(block, GetCharRow(pos));
}

long GDoc::GetCharPage(long pos) const { return GetColumnPage(GetCharColumn(pos)); }

long GDoc::GetCharTab(long pos) const
{
    return HalveExact(m_tabs.count, pos, [this](long i) { return (long)m_tabs[i].pos; });
}

long GDoc::GetCharField(long pos) const
{
    return HalveExact(m_fields.count, pos, [this](long i) { return (long)m_fields[i]->m_nPos; });
}

long GDoc::GetCharBorder(long first, long last) const
{
    for (LONG i = 0; i < m_borders.count; ++i)
        if (m_borders[i].first == first && m_borders[i].end == last)
            return i;
    return -1;
}

long GDoc::GetRowPara(long row) const
{
    return HalveByStart(m_paras.count, row, [this](long i) { return (long)m_paras[i].row; });
}

long GDoc::GetRowCol(long row) const
{
    const GColumn& block = m_columns[GetCharColumn(GetRowChar(row))];
    if ((BYTE)block.count <= 1)
        return 0;
    return ColumnOfRow(block, row);
}

long GDoc::GetColumnPage(long block) const
{
    return HalveByStart(m_pages.count, block, [this](long i) { return (long)m_pages[i].block; });
}

long GDoc::GetColumnRow(long block, long col) const
{
    const GColumn& c = m_columns[block];
    int n = (BYTE)c.count;
    if (n > kMostTextColumns)
        n = kMostTextColumns;
    if (col >= 0 && col < n)
        return c.startRows[col];
    if (block + 1 < m_columns.count)
        return m_columns[block + 1].startRows[0];
    return c.startRows[0];
}

long GDoc::GetColumnChar(long block, long col) const
{
    long row = GetColumnRow(block, col);
    if (row == kNoPosition && block + 1 < m_columns.count)
        row = GetColumnRow(block + 1, 0);
    if (row < 0 || row >= m_rows.count)
        return m_chars.count - 1;
    return m_rows[row].first;
}

long GDoc::GetColumnPara(long block) const { return GetRowPara(m_columns[block].startRows[0]); }

long GDoc::GetFieldChar(long i) const { return m_fields[i]->m_nPos; }

// ---- Styles

// The entry a style reference names in its own table: a plain reference
// names the entry itself, a master reference the part of its master style
// that partOf picks (the font or the paragraph style).
static long EntryThroughMaster(const CWDocument* doc, Mint style, int GMasterStyle::*partOf)
{
    if (style.index < 0)
        return -1;
    if (!style.master)
        return style.index;
    if (!doc || style.index >= doc->m_masterStyles.count)
        return -1;
    return doc->m_masterStyles[style.index].style.*partOf;
}

long GDoc::GetFontIndex(Mint style) const { return EntryThroughMaster(m_pOwner, style, &GMasterStyle::m_Font); }

long GDoc::GetParaIndex(Mint style) const { return EntryThroughMaster(m_pOwner, style, &GMasterStyle::m_Para); }

GFontStyle* GDoc::GetFontStyle(Mint style) const
{
    GStyleTbl<GFontStyle>* fonts = m_pOwner ? &m_pOwner->m_fontStyles : NULL;
    long i = GetFontIndex(style);
    if (!fonts || i < 0 || i >= fonts->count)
        return NULL;
    return &(*fonts)[i].style;
}

GParaStyle* GDoc::GetParaStyle(Mint style) const
{
    GStyleTbl<GParaStyle>* paras = m_pOwner ? &m_pOwner->m_paraStyles : NULL;
    long i = GetParaIndex(style);
    if (!paras || i < 0 || i >= paras->count)
        return NULL;
    return &(*paras)[i].style;
}

long GDoc::GetFormatStyleIdx(long i) const { return GetFontIndex(m_formats[i].style); }

long GDoc::GetParaStyleIdx(long i) const { return GetParaIndex(m_paras[i].style); }

CFont* GDoc::GetCharFont(long pos) const
{
    GFontStyle* style = GetCharFStylePtr(pos);
    return style ? style->GetFont() : NULL;
}

// ---- Combining the styles of a range

// Walks the style references of records first to last: the answer keeps
// the one reference all share, first as given, then compared through the
// masters' parts, else no style. out gets what all the styles share.
template <class Style, class MintOf, class PartOf, class StyleOf>
static Mint CombineRefs(long first, long last, Style& out, MintOf mintOf, PartOf partOf, StyleOf styleOf)
{
    Mint answer = mintOf(first);
    if (Style* s = styleOf(answer))
        out = *s;
    for (long i = first + 1; i <= last; ++i)
    {
        Mint m = mintOf(i);
        if (answer.master && !m.master)
            answer = Mint((short)partOf(answer), 0);
        else if (!answer.master && m.master)
            m = Mint((short)partOf(m), 0);
        if (answer.index != m.index && answer.master)
        {
            answer = Mint((short)partOf(answer), 0);
            m = Mint((short)partOf(m), 0);
        }
        if (answer != m)
            answer.index = kNoStyle;
        if (Style* s = styleOf(mintOf(i)))
            out.Combine(*s);
    }
    return answer;
}

Mint GDoc::CombineSameFStyles(long from, long to, GFontStyle& out) const
{
    // An empty selection reports the page's armed style, as the table
    // entry equal to it when there is one.
    if (from == to && m_pOwner)
    {
        const GPageInfo* page = m_pOwner->GetCurPageInfo();
        if (page && page->useFontStyle)
        {
            out = page->fontStyle;
            const GStyleTbl<GFontStyle>& fonts = m_pOwner->m_fontStyles;
            for (LONG i = 0; i < fonts.count; ++i)
                if (fonts[i].style == page->fontStyle)
                    return Mint((short)i, 0);
            return Mint();
        }
    }
    if (from == to && to > 0 && m_chars[to - 1] != kParagraphEnd && m_chars[to - 1] != kBreak)
        from = to - 1;
    long f1 = GetCharFormat(from);
    long f2 = from == to ? f1 : GetCharFormat(to - 1);
    return CombineRefs(
        f1, f2, out, [this](long i) { return m_formats[i].style; }, [this](Mint m) { return GetFontIndex(m); },
        [this](Mint m) { return GetFontStyle(m); });
}

Mint GDoc::CombineSamePStyles(long from, long to, GParaStyle& out) const
{
    long p1 = GetCharPara(from);
    long p2 = GetCharPara(to - 1);
    return CombineRefs(
        p1, p2, out, [this](long i) { return m_paras[i].style; }, [this](Mint m) { return GetParaIndex(m); },
        [this](Mint m) { return GetParaStyle(m); });
}

Mint GDoc::CombineSameMStyles(long from, long to) const
{
    GFontStyle font;
    GParaStyle para;
    Mint f = CombineSameFStyles(from, to, font);
    Mint p = CombineSamePStyles(from, to, para);
    if (f.index == p.index && f.master == p.master && f.master != 0)
        return f;
    return Mint();
}

// ---- Style patterns

int GDoc::CompareFStyle(const GFontStyle& pattern, const GFontStyle& style)
{
    if (pattern.m_Face[0] != 0 && strcmp(pattern.m_Face, style.m_Face) != 0)
        return 0;
    if (pattern.m_Size != GFontStyle::kUndefinedSize && abs(pattern.m_Size - style.m_Size) > 1)
        return 0;
    if (pattern.m_Colour != GFontStyle::kUndefinedColour && pattern.m_Colour != style.m_Colour)
        return 0;
    // A bit the style leaves undefined (a combined style over mixed text)
    // matches no defined value.
    for (int bit : kFontAttributeBits)
        if ((pattern.m_Mask & bit) && (!(style.m_Mask & bit) || (pattern.m_Attr & bit) != (style.m_Attr & bit)))
            return 0;
    return pattern.m_CharSet == style.m_CharSet ? 1 : 0;
}

int GDoc::ComparePStyle(const GParaStyle& pattern, const GParaStyle& style)
{
    const Gint GParaStyle::*indents[] = {&GParaStyle::m_Left, &GParaStyle::m_Right, &GParaStyle::m_FirstLine};
    for (auto member : indents)
        if ((pattern.*member).IsDefined() && pattern.*member != style.*member)
            return 0;
    if (pattern.m_Spacing.IsDefined() && pattern.m_Spacing != style.m_Spacing)
        return 0;
    if (pattern.m_Extra.IsDefined() && pattern.m_Extra != style.m_Extra)
        return 0;
    if (pattern.m_Align != GParaStyle::kAlignUndefined && pattern.m_Align != style.m_Align)
        return 0;
    if (pattern.m_Before.IsDefined() && pattern.m_Before != style.m_Before)
        return 0;
    if (pattern.m_After.IsDefined() && pattern.m_After != style.m_After)
        return 0;
    for (int i = 0; i < GTabArr::kCount; ++i)
        if (pattern.m_Tabs[i].position.IsDefined() && pattern.m_Tabs[i] != style.m_Tabs[i])
            return 0;
    return 1;
}

// ---- Next boundaries

long GDoc::CharWithNextTab(long pos) const
{
    return NextAfter(m_tabs.count, pos, [this](long i) { return (long)m_tabs[i].pos; });
}

long GDoc::CharWithNextField(long pos) const
{
    return NextAfter(m_fields.count, pos, [this](long i) { return (long)m_fields[i]->m_nPos; });
}

// The closing records have no record after them: their own start is
// answered.
long GDoc::CharWithNextFormat(long pos) const
{
    long f = GetCharFormat(pos);
    return m_formats[f + 1 < m_formats.count ? f + 1 : f].pos;
}

long GDoc::CharWithNextRow(long pos) const
{
    long r = GetCharRow(pos);
    return m_rows[r + 1 < m_rows.count ? r + 1 : r].first;
}

long GDoc::CharWithNextPara(long pos) const
{
    long p = GetCharPara(pos);
    return GetParaChar(p + 1 < m_paras.count ? p + 1 : p);
}

long GDoc::CharWithNextColumn(long pos) const
{
    long b = GetCharColumn(pos);
    return GetColumnChar(b + 1 < m_columns.count ? b + 1 : b, 0);
}

long GDoc::CharWithNextPage(long pos) const
{
    long p = GetCharPage(pos);
    return GetPageChar(p + 1 < m_pages.count ? p + 1 : p);
}

long GDoc::NextDifferentChar(long pos) const
{
    BYTE c = m_chars[pos];
    if (c == kFieldMark || c == kTab)
        return pos + 1;
    long next = CharWithNextFormat(pos);
    long tab = CharWithNextTab(pos);
    long field = CharWithNextField(pos);
    if (tab != -1 && tab < next)
        next = tab;
    if (field != -1 && field < next)
        next = field;
    return next;
}

// ---- Word count

void GDoc::WordCount(int& chars, int& spaces, int& lines, int& paras, int& pages, int& words, int& separator,
                     char* text) const
{
    chars = spaces = lines = paras = pages = words = 0;
    const bool flow = text == NULL;
    long from = 0, to = 0;
    long page = 0, para = 0, row = 0;
    if (flow)
    {
        long last = m_chars.count - 3;   // the closing 13, 12, 0 are not counted
        if (m_nSelFirst != m_nSelEnd)
        {
            from = m_nSelFirst < m_nSelEnd ? m_nSelFirst : m_nSelEnd;
            to = m_nSelFirst < m_nSelEnd ? m_nSelEnd : m_nSelFirst;
            if (to > last)
                to = last;
            if (from > to)
                from = to;
        }
        else
            to = last;
        page = GetCharPage(from);
        para = GetCharPara(from);
        row = GetCharRow(from);
    }
    else
        to = (long)strlen(text);

    for (long i = from; i < to; ++i)
    {
        BYTE c = flow ? (BYTE)m_chars[i] : (BYTE)text[i];
        if (flow)
        {
            while (page + 1 < m_pages.count - 1 && GetPageChar(page + 1) <= i)
            {
                ++page;
                ++pages;
            }
            while (para + 1 < m_paras.count - 1 && GetParaChar(para + 1) <= i)
            {
                ++para;
                if (c != kParagraphEnd)
                    ++paras;
            }
            while (row + 1 < m_rows.count - 1 && m_rows[row + 1].first <= i)
            {
                ++row;
                ++lines;
            }
        }
        if (c >= 33 && c <= 127)
            ++chars;
        else if (c == ' ')
            ++spaces;
        else if (flow && c == kFieldMark)
        {
            long f = GetCharField(i);
            char* shown = f >= 0 ? m_fields[f]->AsText(page + 1) : NULL;
            if (shown)
            {
                int c2, s2, l2, p2, g2, w2;
                WordCount(c2, s2, l2, p2, g2, w2, separator, shown);
                chars += c2;
                spaces += s2;
                lines += l2;
                paras += p2;
                words += w2;
                continue;
            }
        }
        if (!IsWordChar(c))
            separator = 1;
        else if (separator)
        {
            ++words;
            separator = 0;
        }
    }
    if (flow)
    {
        ++pages;
        ++paras;
        ++lines;
    }
}
