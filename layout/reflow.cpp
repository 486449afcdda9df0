// Re-breaking rows after an edit, placing rows vertically and telling the
// views what changed; editing calls ReRowByPos and ReRowByRow after every
// change of text or paragraph format.
#include "model/GDoc.h"
#include "model/GParaStyle.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include "layout/text_measure.h"
#include <math.h>
#include <optional>
#include <vector>

namespace
{
// Set while a run of many paragraphs is re-broken: each re-broken row
// then only places the row after it, and the caller places everything
// below once at the end, so that a whole flow is laid out in one pass.
int s_deferPlacing = 0;

// Most rows made at once for the rest of a paragraph.
const long kMostRowsAtOnce = 4096;

bool ReflowSuspended(CWDocument* doc)
{
    return doc && doc->m_nReRows != 0;
}

// The highest row that re-breaking or placing has written since it was
// last reset: rows past it are as they were.
long s_lastTouchedRow = -1;

void Touched(long row)
{
    if (row > s_lastTouchedRow)
        s_lastTouchedRow = row;
}

// A row without holes as the views draw it: its text, place and single
// hole mark (whose advance widths follow from the text). Rows with holes
// are never taken as known.
struct PlainRowShape
{
    bool known = false;
    LONG first = 0, y = 0, ascent = 0, height = 0, gapAfter = 0, x = 0, width = 0, resume = 0;
    bool widths = false;
    explicit PlainRowShape(const GRow& row)
    {
        if (!row.holes || row.holes->count != 1)
            return;
        const CHole& mark = row.holes->GetData()[0];
        known = true;
        first = row.first, y = row.y, ascent = row.ascent, height = row.height, gapAfter = row.gapAfter;
        x = mark.x, width = mark.width, resume = mark.resume, widths = mark.dxWidths != NULL;
    }
    bool operator==(const PlainRowShape& o) const
    {
        return known == o.known && first == o.first && y == o.y && ascent == o.ascent && height == o.height &&
               gapAfter == o.gapAfter && x == o.x && width == o.width && resume == o.resume && widths == o.widths;
    }
};

// Row n holds only characters that are drawn as text: no tab, field mark
// or break before its closing characters.
bool PlainText(const GDoc& flow, long n)
{
    const long from = flow.m_rows.PositionAt(n), to = flow.m_rows.PositionAt(n + 1);
    for (long i = from; i < to; ++i)
    {
        const BYTE c = flow.m_chars[i];
        if (c < ' ' && !(c == kParagraphEnd && i + 1 == to))
            return false;
    }
    return true;
}

// What the columns and pages of a flow are made from, row by row.
struct RowShape
{
    LONG first, y, ascent, height, gapAfter;
    explicit RowShape(const GRow& row)
        : first(row.first), y(row.y), ascent(row.ascent), height(row.height), gapAfter(row.gapAfter)
    {
    }
    bool SamePlace(const RowShape& o) const
    {
        return y == o.y && ascent == o.ascent && height == o.height && gapAfter == o.gapAfter;
    }
    bool operator==(const RowShape& o) const { return first == o.first && SamePlace(o); }
};

// True when a text column of some block begins at one of the rows from
// first on that moved marks: blocks name the rows their columns begin
// with and the character they begin at. Blocks follow each other row by
// row, every column of a block beginning before the next block does, so
// only the blocks from the last one beginning at or before first are
// looked at.
bool BeginsAColumn(const GArray<GColumn>& blocks, long first, const std::vector<bool>& moved)
{
    const long end = first + (long)moved.size();
    long from = 0, high = blocks.count - 1;
    while (from < high)
    {
        const long mid = (from + high + 1) / 2;
        if (blocks[mid].startRows[0] <= first)
            from = mid;
        else
            high = mid - 1;
    }
    while (from > 0 && blocks[from - 1].startRows[0] >= blocks[from].startRows[0])
        --from;
    for (long b = from; b < blocks.count && blocks[b].startRows[0] < end; ++b)
    {
        const GColumn& block = blocks[b];
        for (int k = 0; k < kMostTextColumns; ++k)
        {
            const long row = block.startRows[k];
            if (row >= first && row < end && moved[(size_t)(row - first)])
                return true;
        }
    }
    return false;
}

// The rows of a typed character's paragraph, and the row after it,
// watched to learn whether the layout below them can stay: typing mostly
// changes the text of rows and nothing of their shape, also when a word
// wider than a row moves the breaks of every row after it in the
// paragraph. A paragraph of more rows than this is watched this far.
const long kMostWatchedRows = 256;

struct RowWatch
{
    long from = 0, count = 0, rowCount = 0;
    std::vector<RowShape> shapes;

    RowWatch(const GShiftedArray<GRow>& rows, long first, long last)
        : from(first), count(std::max(0L, std::min({kMostWatchedRows, last - first + 1, rows.count - first}))),
          rowCount(rows.count)
    {
        shapes.reserve((size_t)count);
        for (long i = 0; i < count; ++i)
            shapes.push_back(RowShape(rows[from + i]));
        s_lastTouchedRow = -1;
    }
    bool Unchanged(const GDoc& flow) const
    {
        const GShiftedArray<GRow>& rows = flow.m_rows;
        if (rows.count != rowCount || s_lastTouchedRow >= from + count)
            return false;
        std::vector<bool> moved((size_t)count, false);
        bool anyMoved = false;
        for (long i = 0; i < count; ++i)
        {
            const RowShape now(rows[from + i]);
            if (now == shapes[i])
                continue;
            if (!now.SamePlace(shapes[i]) || flow.m_fields.count > 0)
                return false;
            moved[(size_t)i] = true;
            anyMoved = true;
        }
        return !anyMoved || !BeginsAColumn(flow.m_columns, from, moved);
    }
};

// The block to column again from when the rows from row on changed: row's
// own, or the one before when row begins its block. The room above row
// (a border's spacing) counts in the height of the block before it, which
// may have run over onto a block of its own because of that room, and
// which columning again from there gives back.
long BlockToColumnFrom(GDoc& flow, long row)
{
    long block = flow.GetRowColumn(row);
    if (block > 0 && block < flow.m_columns.count && flow.m_columns[block].startRows[0] == row)
        --block;
    return block;
}
} // namespace

// The rows from row - 1 on are stacked below each other. With stopWhenSame
// the walk ends at the first row after row whose place did not change
// (nothing below it changed either); with lastRow >= 0 it ends there.
namespace
{
// While ordinary text typed into one paragraph is re-broken, that flow and
// paragraph. Rows from the next paragraph on keep their heights, gaps,
// borders and spacing, so when they move they all move by one step: a row
// added near the start of a long flow then moves the rest in one tight
// pass instead of stacking every row again.
const GDoc* s_textOnlyFlow = nullptr;
long s_textOnlyPara = -1;

struct TextOnlyParagraph
{
    TextOnlyParagraph(const GDoc* flow, long para, bool on)
    {
        if (!on)
            return;
        s_textOnlyFlow = flow;
        s_textOnlyPara = para;
    }
    ~TextOnlyParagraph()
    {
        s_textOnlyFlow = nullptr;
        s_textOnlyPara = -1;
    }
};

// A frame that text does not flow around pushes the rows it begins in
// below itself, at places fixed on its page.
bool PushesRows(const CFrame* frame)
{
    return frame && !frame->userFrame && !frame->reserved;
}

// A page's first row under a frame carries the push below the frame twice:
// in its ascent (its text) and in its gap after (the rows after it). The
// gap is only ever that push, so taking it back leaves the row as it was
// broken, and placing the rows again pushes once, not once more each time.
void TakeBackFramePush(GRow& row)
{
    row.ascent -= row.gapAfter;
    row.gapAfter = 0;
}
} // namespace

void GDoc::PlaceRows(long row, long y, int stopWhenSame, long lastRow)
{
    if (row < 0 || row >= m_rows.count)
        return;
    if (row > 0)
        TakeBackFramePush(m_rows.Unsettled(row - 1));
    const long start = row > 0 ? row - 1 : 0;
    Touched(start);
    long para = GetRowPara(start);
    const long lastPara = m_paras.count - 1;
    bool anyFrames = false;
    for (long i = 0; i < m_frames.count && !anyFrames; ++i)
        anyFrames = PushesRows(m_frames[i]);
    // Where the rows below an edited paragraph's text begin (see
    // TextOnlyParagraph); -1 when they must be stacked one by one.
    long oneStepFrom = -1;
    if (stopWhenSame && lastRow < 0 && !anyFrames && s_textOnlyFlow == this && s_textOnlyPara + 1 < m_paras.count)
        oneStepFrom = m_paras[s_textOnlyPara + 1].row;
    for (long r = start; r < m_rows.count; ++r)
    {
        if (r == 0)
        {
            m_rows[0].first = 0;
            if (m_rows.Unsettled(0).y != 0)
            {
                m_rows.Unsettled(0).y = 0;
                m_redraw.InvalByRow(0, 1);
            }
            continue;
        }
        while (para + 1 < m_paras.count && m_paras[para + 1].row <= r)
            ++para;
        const GRow& before = m_rows.Unsettled(r - 1);
        long top = before.y + before.height + before.gapAfter + GetBorderForRow((int)r);
        if (m_paras[para].row == r && para < lastPara)
        {
            top += ParaStyleOf(*this, para).m_Before.value;
            if (para > 0)
                top += ParaStyleOf(*this, para - 1).m_After.value;
        }
        TakeBackFramePush(m_rows.Unsettled(r));   // also when the frame has gone
        if (anyFrames)
        {
            // Frames that text does not flow around push the row below them.
            const long page = GetRowPage(r);
            for (long i = 0; i < m_frames.count; ++i)
            {
                CFrame* frame = m_frames[i];
                if (!PushesRows(frame) || frame->GetPage() != page)
                    continue;
                const long fTop = frame->GetVPos();
                const long fBottom = fTop + frame->GetHeight();
                const long rowBottom = top + m_rows.Unsettled(r).height;
                if (fTop >= top && fTop < rowBottom && fBottom > rowBottom)
                {
                    if (GetPageRow(page) == r)
                    {
                        m_rows.Unsettled(r).ascent += (LONG)(fBottom - top + 1);
                        m_rows.Unsettled(r).gapAfter += (LONG)(fBottom - top + 1);
                    }
                    else
                        top = fBottom + 1;
                }
            }
        }
        Touched(r);
        const bool same = m_rows.Unsettled(r).y == top;
        if (!same && oneStepFrom > start && r >= oneStepFrom)
        {
            // Row r has no push left (taken back above); a later row still
            // carrying one is stacked again one by one from there.
            const LONG step = (LONG)(top - m_rows.Unsettled(r).y);
            long k = r;
            do
                m_rows.Unsettled(k++).y += step;
            while (k < m_rows.count && m_rows.Unsettled(k).gapAfter == 0);
            Touched(k - 1);
            m_redraw.InvalByRow(r, k);
            r = k - 1;
            continue;
        }
        if (!same)
        {
            m_rows.Unsettled(r).y = (LONG)top;
            m_redraw.InvalByRow(r, r + 1);
        }
        if (lastRow >= 0 && r >= lastRow)
            break;
        if (same && stopWhenSame && r > row)
            break;
    }
}

void GDoc::ReRowFromRow(long row, int noEarlyStop, int wholeParagraph)
{
    if (row < 0 || row >= m_rows.count - 1)
        return;
    CDC* dc = GetCalcDC();
    const long para = GetRowPara(row);
    long endRow = m_paras[para + 1].row;
    CMeasureFontScope fonts(dc);
    UseFontAt(fonts, *this, m_rows[row].first);
    const long paraEnd = m_rows[endRow].first;
    if (row >= endRow)
        return;

    long r = row;
    long lastChanged = -1;   // the end of the rows to draw again, when known
    // There is no cap on the rounds: a paragraph of any length is broken
    // to its end.
    for (;;)
    {
        const long n = r + 1;
        const long old = m_rows[n].first;
        long limit = old;
        if (r + 2 <= endRow)
        {
            limit = wholeParagraph ? paraEnd : m_rows[r + 2].first;
            m_rows[n].first = (LONG)limit;
        }
        const RowShape shapeBefore(m_rows[r]);
        long next = CalcRow(dc, r);
        if (!wholeParagraph && next == limit && limit < paraEnd)
        {
            // The row took all the text up to where the row after next
            // began, and may take more: a row grown wider (the first row of
            // a new paragraph, or one of smaller indents) does. The rest of
            // the paragraph is broken whole.
            wholeParagraph = 1;
            limit = paraEnd;
            m_rows[n].first = (LONG)limit;
            next = CalcRow(dc, r);
        }
        const bool keptItsPlace = RowShape(m_rows[r]).SamePlace(shapeBefore);
        const long below = m_rows[r].y + m_rows[r].height;
        if (s_deferPlacing)
            PlaceRows(n, below, 0, n);
        else
            PlaceRows(n, below, 1, -1);

        if (!wholeParagraph && next == old && !noEarlyStop)
        {
            // The row ends where it did: the rows below keep their text.
            m_rows[n].first = (LONG)next;
            if (n < m_rows.count - 1 && n < endRow)
            {
                const PlainRowShape before(m_rows[n]);
                // After ordinary text typed into row r, which kept its
                // place and height, a plain row n of ordinary characters
                // breaks as it did: same text, fonts, width and place.
                if (keptItsPlace && before.known && s_textOnlyFlow == this && PlainText(*this, n))
                {
                    r = n;
                    lastChanged = n;
                    break;
                }
                CalcRow(dc, n);
                // The views need not draw the next row again when it came
                // out as it was.
                if (before.known && before == PlainRowShape(m_rows[n]))
                    lastChanged = n;
                r = n;
            }
            break;
        }
        // Only the row before the edited one may stay as it was.
        noEarlyStop = 0;

        bool stop = false;
        if (next == limit)
        {
            if (n == endRow)
                stop = true;
            else if (next == paraEnd)
            {
                // The row took the rest of the paragraph.
                for (long d = endRow - 1; d >= n; --d)
                    DelRowItem(d, 0);
                endRow = n;
                if (s_deferPlacing)
                    PlaceRows(n, below, 0, n);
                else
                    PlaceRows(n, below, 1, -1);
                stop = true;
            }
        }
        else if (n < endRow)
            m_rows[n].first = (LONG)next;
        else
        {
            // The paragraph's last row overflowed: a new row takes the rest.
            const GParaStyle& style = ParaStyleOf(*this, para);
            int ascent = 0;
            const long textHeight = CalcTextSizeSimple(next, next, 0, ascent, dc, 0, -1).cy;
            const double spacing = style.m_Spacing.value > 0.0f ? style.m_Spacing.value : 1.0;
            GRow added;
            added.first = (LONG)next;
            added.y = m_rows[n].y;
            added.ascent = ascent;
            added.holes = GRow::NewHoles();
            added.height = (LONG)(ceil(textHeight * spacing) + style.m_Extra.value);
            // Breaking a whole paragraph from scratch, the rows it still
            // needs are made at once, about as many as the rest of its text
            // fills at the length of this row: each insertion moves every
            // row after the paragraph. Rows left over are removed as when a
            // paragraph shrinks.
            long rows = 1;
            const long perRow = next - m_rows[r].first;
            if (s_deferPlacing && wholeParagraph && perRow > 0)
                rows = std::max(1L, std::min((paraEnd - next) * 19 / (20 * perRow) + 1, kMostRowsAtOnce));
            InsRowItems(added, n, rows);
            for (long k = 1; k < rows; ++k)
                m_rows[n + k].first = (LONG)paraEnd;
            if (s_deferPlacing)
                PlaceRows(n + 1, added.y + added.height, 0, n + 1);
            else
                PlaceRows(n + 1, added.y + added.height, 1, -1);
            endRow += rows;
        }
        r = n;
        if (stop || endRow <= n)
            break;
    }
    Touched(r + 1);
    m_redraw.InvalByRow(row, (lastChanged >= 0 ? lastChanged : r + 1));
}

// Frames that show or hang on the flow follow its new rows.
void GDoc::UpdateFlowFrames()
{
    long index = 0;
    for (CFrame* f = m_pFirstFrame; f; f = f->next, ++index)
    {
        CFrame::KnownIndex known(f, index);
        f->MakeArea(0);
    }
    UpdateAnchoredFrames();
}

// Frames anchored in the flow's text: placed below a paragraph, or with an
// arrow to a character, which text typed before it moves.
void GDoc::UpdateAnchoredFrames()
{
    for (long i = 0; i < m_frames.count; ++i)
    {
        CFrame* f = m_frames[i];
        if (!f)
            continue;
        if (f->vKind == kVBelowPara)
            f->MakeArea(0);
        f->CheckArrow(0);
    }
}

void GDoc::ReRowByPos(long from, long to, int wholeParagraph, bool textOnly)
{
    if (ReflowSuspended(m_pOwner) || from == to)
        return;
    if (to < from)
        std::swap(from, to);
    long r = GetCharRow(from);
    const long p = GetCharPara(from);
    const long last = GetCharPara(to - 1);
    int noEarlyStop = 0;
    if (r != m_paras[p].row)
    {
        --r;   // a shortened word may move back up
        noEarlyStop = 1;
    }
    // Placing the rows below a re-broken one looks at two rows more.
    const long watchFrom = std::max(r, 0L);
    const long nextPara = m_paras[std::min(p + 1, m_paras.count - 1L)].row;
    const RowWatch watch(m_rows, watchFrom, std::max(watchFrom + 3, nextPara + 2));
    {
        const TextOnlyParagraph typed(this, p, textOnly && p == last);
        ReRowFromRow(r, noEarlyStop, wholeParagraph);
    }
    for (long q = p + 1; q <= last && q < m_paras.count - 1; ++q)
        ReRowFromRow(m_paras[q].row, 0, wholeParagraph);
    // Columns and pages are made from the rows' places and heights, the
    // characters ending blocks, frames and footnotes; ordinary text in one
    // paragraph that leaves every row's shape changes none of these, and
    // breaking the rest of a long flow onto its pages again would cost a
    // keystroke near its start as much as all the rest.
    if (textOnly && p == last && watch.Unchanged(*this))
    {
        UpdateAnchoredFrames();
        return;
    }
    ReColumn(BlockToColumnFrom(*this, r));
    UpdateFlowFrames();
}

void GDoc::ReRowByRow(long fromRow, long toRow, int allParagraphs, int wholeParagraph, bool textOnly)
{
    if (ReflowSuspended(m_pOwner) || fromRow == toRow)
        return;
    if (fromRow < 0)
        fromRow = 0;
    if (toRow > m_rows.count - 1)
        toRow = m_rows.count - 1;
    if (toRow <= fromRow)
        return;
    // The wait cursor belongs to the document's view; there are no views
    // yet, so long re-breaks show none.
    const long p = GetRowPara(fromRow);
    const long last = GetRowPara(toRow - 1);
    const bool many = last > p;
    if (many)
        ++s_deferPlacing;

    long r = fromRow;
    int noEarlyStop = 0;
    if (r != m_paras[p].row)
    {
        --r;
        noEarlyStop = 1;
    }
    const long startBlock = BlockToColumnFrom(*this, r);
    // Ordinary text taken out of one paragraph: as when typing, the pages
    // below stay when the paragraph's rows keep their shape.
    std::optional<RowWatch> watch;
    if (textOnly && !many && !allParagraphs)
    {
        const long nextPara = m_paras[std::min(p + 1, m_paras.count - 1L)].row;
        watch.emplace(m_rows, r, std::max(r + 3, nextPara + 2));
    }
    // The font of the first row stays selected across the paragraphs:
    // each paragraph selecting it and putting the context's own back
    // costs GDI two look-ups of the font.
    CMeasureFontScope fonts(GetCalcDC());
    if (many)
        UseFontAt(fonts, *this, m_rows[r].first);
    // A layout tells the views once, when its columns and frames are done.
    std::optional<CChangeBracket> layoutBracket;
    {
        const TextOnlyParagraph edited(this, p, watch.has_value());
        ReRowFromRow(r, noEarlyStop, wholeParagraph);
    }
    if (watch && watch->Unchanged(*this))
    {
        UpdateAnchoredFrames();
        return;
    }
    if (!allParagraphs)
    {
        for (long q = p + 1; q <= last && q < m_paras.count - 1; ++q)
            ReRowFromRow(m_paras[q].row, 0, wholeParagraph);
    }
    else
    {
        layoutBracket.emplace(m_pOwner);
        for (long q = p + 1; q <= last && q < m_paras.count - 1; ++q)
        {
            const GParaStyle& style = ParaStyleOf(*this, q);
            if (style.m_Align == GParaStyle::kAlignRight)
                ReRowFromRow(m_paras[q + 1].row - 1, 0, wholeParagraph);
            else
                ReRowFromRow(m_paras[q].row, 0, wholeParagraph);
        }
    }
    if (many)
    {
        --s_deferPlacing;
        if (!s_deferPlacing)
            PlaceRows(r > 0 ? r : 1, 0, 0, -1);
    }
    if (!allParagraphs)
        ReColumn(startBlock);
    else
    {
        ReColumn(startBlock > 0 ? startBlock - 1 : 0);
        if (m_pOwner)
            m_pOwner->CheckFramesHeight(0);
        layoutBracket.reset();
    }
    UpdateFlowFrames();
    if (m_pOwner && m_pOwner->IsFootNoteDoc(this))
        if (GDoc* body = m_pOwner->GetFlow(kBodyFlow))
            body->ReColumn(0);
}

long GDoc::RowHi(long row, long toRow)
{
    if (toRow < 0)
        toRow = row + 1;
    const long last = m_rows.GetCount() - 1;
    if (row > last)
        row = last;
    if (toRow > last)
        toRow = last;
    return m_rows.Unsettled(toRow).y - m_rows.Unsettled(row).y;
}

long GDoc::GetLastCharInRow(long row)
{
    if (row < 0 || row + 1 >= m_rows.count)
        return 0;
    const long pos = m_rows[row + 1].first - 1;
    return pos >= 0 ? (BYTE)m_chars[pos] : 0;
}

long GDoc::GetLastCharInColumn(long block)
{
    if (block < 0 || block + 1 >= m_columns.count)
        return 0;
    const long row = m_columns[block + 1].startRows[0];
    if (row <= 0 || row >= m_rows.count)
        return 0;
    const long pos = m_rows.PositionAt(row) - 1;
    return pos >= 0 ? (BYTE)m_chars[pos] : 0;
}

CRect GDoc::CalcRowsRect(long fromRow, long toRow)
{
    long left = 1000000, right = -999999;
    const long textWidth = CWDocument::PageSetupOf(m_pOwner).GetTextWidth();
    const long firstPara = GetRowPara(fromRow);
    const long lastPara = GetRowPara(toRow > fromRow ? toRow - 1 : fromRow);
    for (long p = firstPara; p <= lastPara; ++p)
    {
        const GParaStyle& style = ParaStyleOf(*this, p);
        left = std::min(left, (long)std::min(style.m_Left.value, style.m_FirstLine.value));
        right = std::max(right, textWidth - style.m_Right.value);
    }
    return CRect(left, 0, right, RowHi(fromRow, toRow));
}

long GDoc::CountSpaces(long from, long to, int withTrailing)
{
    if (to > m_chars.GetCount())
        to = m_chars.GetCount();
    if (!withTrailing)
        while (to > from && m_chars[to - 1] == ' ')
            --to;
    long n = 0;
    for (long p = from; p < to; ++p)
        if (m_chars[p] == ' ')
            ++n;
    return n;
}

void GDoc::Notify(int force)
{
    if (!m_pOwner || m_pOwner->m_bClipboard)
        return;
    if (m_nIndex > kBodyFlow && m_pOwner->GetCurPageInfo() && !m_pOwner->GetCurPageInfo()->OtherFlowsNotified())
        return;
    if (m_nIndex == kBodyFlow)
        force = 1;
    if (force && (m_pOwner->m_nViewNotify != 0 || !m_redraw.IsDirty()))
        return;
    const long lastChar = m_chars.count - 1;
    const long lastRow = m_rows.count - 1;
    m_redraw.m_nSelFirst = (LONG)std::min((long)m_redraw.m_nSelFirst, lastChar);
    m_redraw.m_nSelEnd = (LONG)std::min((long)m_redraw.m_nSelEnd, lastChar);
    m_redraw.m_nFirstRow = (LONG)std::min((long)m_redraw.m_nFirstRow, lastRow);
    m_redraw.m_nEndRow = (LONG)std::min((long)m_redraw.m_nEndRow, lastRow);
    // The views repaint what the hint names, or the whole of themselves
    // where they cannot show the change in part.
    m_pOwner->UpdateAllViews(NULL, 0, &m_redraw);
    m_pOwner->UpdateAllItems(NULL, 0, NULL, DVASPECT_CONTENT);
    m_redraw.Reset(m_nSelFirst, m_nSelEnd);
}

int GDoc::CanRowGoUp(long) { return 0; }
void GDoc::ReCalcRows() {}
void GDoc::AddBorders() {}
long GDoc::BreakScan() { return -1; }

// The item primitives' way to place rows: from row - 1 on, up to the first
// row whose place stays.
void GDoc::SetRowPos(long row, long y)
{
    PlaceRows(row, y, 1, -1);
}

// Moves block and every later block by the difference between value and
// the block's present position; the flow's copy of the closing value
// follows.
void GDoc::SetColumnPos(long block, long value)
{
    if (block < 0 || block >= m_columns.count)
        return;
    LONG delta = (LONG)value - m_columns[block].position;
    for (LONG b = (LONG)block; b < m_columns.count; ++b)
        m_columns[b].position += delta;
    m_nClosingColumnPos = m_columns.Last().position;
}
