// Column blocks: building and comparing the records that group a flow's
// rows into text columns.
#include "model/GDoc.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include "model/GFootNote.h"
#include "layout/page_areas.h"
#include <vector>


static const LONG kDefaultColumnWidth = 1413;
static const LONG kDefaultColumnGap = 100;

static void ClearColumn(GColumn& c, long first, signed char count, long firstRow)
{
    memset((void*)&c, 0, sizeof(c));
    c.first = (LONG)first;
    c.count = count;
    for (LONG& row : c.startRows)
        row = kNoPosition;
    c.startRows[0] = (LONG)firstRow;
    c.position = 0;
}

GColumn::GColumn()
{
    ClearColumn(*this, 0, 1, kNoPosition);
    cols[0].width = kDefaultColumnWidth;
    cols[0].gap = kDefaultColumnGap;
}

GColumn::GColumn(long first, unsigned char count, int, long firstRow)
{
    ClearColumn(*this, first, (signed char)count, firstRow);
    cols[0].width = kDefaultColumnWidth;
    cols[0].gap = kDefaultColumnGap;
    flags[0] = 1;
}

GColumn::GColumn(long first, signed char count, tagColumnData* data, long firstRow)
{
    ClearColumn(*this, first, count, firstRow);
    flags[0] = flags[1] = 1;
    int n = count < 0 ? -count : count;
    if (n > kMostTextColumns)
        n = kMostTextColumns;
    for (int i = 0; i < n; ++i)
    {
        cols[i].width = data[i].width;
        cols[i].gap = data[i].gap;
    }
    if (n > 0)
        cols[n - 1].gap = 0;
}

// The layouts match: the same count, widths and gaps of the used columns
// and the same flags.
bool GColumn::operator==(const GColumn& other) const
{
    if (count != other.count || flags[0] != other.flags[0] || flags[1] != other.flags[1])
        return false;
    int n = (BYTE)count;
    if (n > kMostTextColumns)
        n = kMostTextColumns;
    for (int i = 0; i < n; ++i)
        if (cols[i].width != other.cols[i].width || cols[i].gap != other.cols[i].gap)
            return false;
    return true;
}

// The block changed: its first character, count, or a width, gap or start
// row of its used columns.
bool GColumn::operator!=(const GColumn& other) const
{
    if (first != other.first || count != other.count)
        return true;
    int n = (BYTE)count;
    if (n > kMostTextColumns)
        n = kMostTextColumns;
    for (int i = 0; i < n; ++i)
        if (cols[i].width != other.cols[i].width || cols[i].gap != other.cols[i].gap
            || startRows[i] != other.startRows[i])
            return true;
    return false;
}

// ---- Balancing and breaking blocks

// The rows of the block are spread over its columns so that each column
// reaches the average height; answers the tallest column's height.
long GDoc::BalanceColumns(long block)
{
    if (block < 0 || block + 1 >= m_columns.count)
        return 0;
    GColumn& c = m_columns[block];
    const long first = c.startRows[0];
    const long end = m_columns[block + 1].startRows[0];
    const int count = (BYTE)c.count;
    const long total = RowHi(first, end);
    if (count <= 1 || count > kMostTextColumns)
    {
        for (int k = 1; k < kMostTextColumns; ++k)
            c.startRows[k] = kNoPosition;
        return total;
    }
    const long target = total / count;
    long tallest = 0;
    long colStart = first;
    int col = 0;
    for (long r = first + 1; r <= end; ++r)
    {
        const long h = RowHi(colStart, r);
        tallest = std::max(tallest, h);
        if (r == end)
            break;
        if (h >= target && col + 1 < count)
        {
            ++col;
            c.startRows[col] = (LONG)r;
            colStart = r;
        }
    }
    for (int k = col + 1; k < kMostTextColumns; ++k)
        c.startRows[k] = kNoPosition;
    return tallest;
}

long GDoc::GetMaxLenForColumn(long block, long page)
{
    CFrame* first = m_pFirstFrame;
    if (!first || first->GetCols() <= page)
        return 0x7fffffff;
    CFrame* frame = first->GetFrameByCol(page);
    if (!frame)
        return 0x7fffffff;
    const long pageFirstBlock = page < m_pages.count ? m_pages[page].block : block;
    return frame->GetMaxHeight() - (m_columns[block].position - m_columns[pageFirstBlock].position);
}

// Height the footnotes anchored in rows first .. end - 1 need on the page:
// the first frames of their note flows.
static long FootnoteHeight(GDoc& flow, long first, long end)
{
    if (flow.m_fields.count == 0 || end <= first)
        return 0;
    const long from = flow.m_rows.PositionAt(first);
    const long to = flow.m_rows.PositionAt(end);
    long sum = 0;
    for (long i = 0; i < flow.m_fields.count; ++i)
    {
        GField* f = flow.m_fields[i];
        if (!f || f->m_nKind != kFieldFootNote || f->m_nPos < from || f->m_nPos >= to)
            continue;
        GDoc* note = ((GFootNote*)f)->m_pNote;
        if (note && note->m_pFirstFrame)
            sum += note->m_pFirstFrame->GetHeight();
    }
    return sum;
}

long GDoc::BreakColumn(long block, long maxHeight, long page)
{
    if (block < 0 || block + 1 >= m_columns.count)
        return 0;
    const long first = m_columns[block].startRows[0];
    const long end = m_columns[block + 1].startRows[0];
    long allowance = 0;
    for (long i = 0; i < m_borders.count; ++i)
        if (GetBorderRow1(i) == first && (m_borders[i].sides & kBorderTop))
        {
            allowance = BorderAllowance(m_borders[i], kBorderTop) + 2 + 25;
            break;
        }
    const long room = maxHeight - allowance + 10;
    const int count = (BYTE)m_columns[block].count;
    long row = first;
    long tallest = 0;
    int k = 0;
    // Re-columning after a keystroke breaks every later page again: the
    // rows are walked with the block read once, and footnotes are only
    // weighed where the flow has fields at all.
    const GRow* rows = m_rows.UnsettledData();   // places and heights only
    const bool anyFields = m_fields.count > 0;
    for (; k < count && k < kMostTextColumns && row < end; ++k)
    {
        m_columns[block].startRows[k] = (LONG)row;
        const long colTop = rows[row].y;
        long r = row + 1;   // a column holds at least one row
        while (r < end)
        {
            const long h = rows[r].y + rows[r].height - colTop;
            if (h > room - (anyFields ? FootnoteHeight(*this, row, r + 1) : 0))
                break;
            ++r;
        }
        tallest = std::max(tallest, (long)(rows[r].y - colTop));
        row = r;
    }
    for (; k < kMostTextColumns; ++k)
        m_columns[block].startRows[k] = kNoPosition;
    if (row < end)
    {
        GColumn rest = m_columns[block];
        rest.first = m_rows.PositionAt(row);
        for (int j = 0; j < kMostTextColumns; ++j)
            rest.startRows[j] = kNoPosition;
        rest.startRows[0] = (LONG)row;
        rest.position = (LONG)(maxHeight + m_columns[block].position);
        m_columns.AddAt(rest, block + 1);
        GPage record;
        record.block = (LONG)(block + 1);
        // Page records are in block order: only the last ones move.
        for (long p = m_pages.count - 1; p >= 0 && m_pages[p].block > block; --p)
            ++m_pages[p].block;
        m_pages.AddAt(record, std::min(page + 1, (long)m_pages.count - 1));
    }
    else
        m_columns[block + 1].position = (LONG)(m_columns[block].position + tallest);
    return tallest;
}

int GDoc::CanJoinColumns(long block)
{
    if (block < 0 || block + 2 >= m_columns.count)
        return 0;
    if (!(m_columns[block] == m_columns[block + 1]))
        return 0;
    return GetLastCharInColumn(block) != kBreak || m_columns[block].first == m_columns[block + 1].first;
}

// Joins every block after first into the block before it when the two may
// join, in one pass. Joining from the last block down never changes what
// an earlier test sees (a join removes only the later record), so the
// blocks that go are known from the records as they stand. A page that
// began at a removed block now begins inside the block before and goes
// too, except the first and the closing page records.
static void JoinBlocksAfter(GDoc& flow, long first)
{
    const long count = flow.m_columns.count;
    std::vector<long> newIndex(count);
    long kept = 0;
    bool any = false;
    for (long i = 0; i < count; ++i)
    {
        const bool goes = i > first && i <= count - 2 && flow.CanJoinColumns(i - 1);
        newIndex[i] = goes ? -1 : kept;
        if (goes)
            any = true;
        else
            flow.m_columns[kept++] = flow.m_columns[i];
    }
    if (!any)
        return;
    flow.m_columns.Destroy(kept, count - kept);

    const long pages = flow.m_pages.count;
    long keptPages = 0;
    for (long p = 0; p < pages; ++p)
    {
        const long block = flow.m_pages[p].block;
        long mapped = block >= 0 && block < count ? newIndex[block] : block;
        if (mapped < 0)
        {
            if (p > 0 && p < pages - 1)
                continue;
            // The first and closing records stay, on the block that took
            // the removed one in.
            long b = block;
            while (b > 0 && newIndex[b] < 0)
                --b;
            mapped = newIndex[b];
        }
        flow.m_pages[keptPages] = flow.m_pages[p];
        flow.m_pages[keptPages++].block = (LONG)mapped;
    }
    flow.m_pages.Destroy(keptPages, pages - keptPages);
}

void GDoc::ReColumn(long block)
{
    if (m_columns.count < 2)
        return;
    if (block < 0)
        block = 0;
    if (block > m_columns.count - 2)
        block = m_columns.count - 2;
    const GColumn before = m_columns[block];
    const long pageCount = m_pages.count;
    const long b = block > 0 ? block - 1 : 0;

    // Joining removes the blocks and pages that breaking adds back one by
    // one: the room stays, rather than the blocks being resized a grow step
    // at a time.
    const long blockRoom = m_columns.count, pageRoom = m_pages.count;
    // A block begins at the character its first row begins at. Rows broken
    // again since (a page break typed where a page began ends the row
    // before) may have left a block's record at an older character, which
    // keeps an empty block from joining the one after it: a blank page.
    for (long k = b; k < m_columns.count - 1; ++k)
    {
        const long row = m_columns[k].startRows[0];
        if (row >= 0 && row < m_rows.count)
            m_columns[k].first = m_rows.PositionAt(row);
    }
    JoinBlocksAfter(*this, b);

    long page = GetColumnPage(b);
    if (page < 0)
        page = 0;
    // The pages after this one are found again below.
    if (m_pages.count - 1 > page + 1)
        m_pages.Destroy(page + 1, m_pages.count - 1 - (page + 1));
    if (m_pages.count - 1 == page + 1 && m_pages[page + 1].block <= b)
        m_pages.Destroy(page + 1, 1);

    m_columns.Reserve(blockRoom);
    m_pages.Reserve(pageRoom);

    // The page frames are walked along with the pages, rather than from
    // the chain's start for every block.
    // Past the last page frame of the body, pages are taken as high as
    // that frame, so that all the missing frames are known in one pass.
    CFrame* frame = m_pFirstFrame;
    long framePage = 0;
    for (long k = b; k < m_columns.count - 1; ++k)
    {
        while (frame && framePage < page && (frame->next || m_nIndex != kBodyFlow))
        {
            frame = frame->next;
            ++framePage;
        }
        long avail = 0x7fffffff;
        if (frame && (framePage == page || m_nIndex == kBodyFlow))
        {
            const long pageFirstBlock = page < m_pages.count ? m_pages[page].block : k;
            avail = frame->GetMaxHeight() - (m_columns[k].position - m_columns[pageFirstBlock].position);
        }
        const long h = BalanceColumns(k);
        const bool endsWithBreak = GetLastCharInColumn(k) == kBreak && k < m_columns.count - 2;
        if (h > avail)
        {
            const long pagesBefore = m_pages.count;
            BreakColumn(k, avail, page);
            if (m_pages.count == pagesBefore)
            {
                if (endsWithBreak)
                {
                    GPage record;
                    record.block = (LONG)(k + 1);
                    m_pages.AddAt(record, page + 1);
                    ++page;
                }
            }
            else
                ++page;
        }
        else
        {
            m_columns[k + 1].position = (LONG)(m_columns[k].position + h);
            if (endsWithBreak)
            {
                GPage record;
                record.block = (LONG)(k + 1);
                m_pages.AddAt(record, page + 1);
                ++page;
            }
        }
    }

    if (block < m_columns.count - 1 && m_columns[block] != before)
        m_redraw.InvalByRow(m_columns[block].startRows[0], m_columns[block + 1].startRows[0]);
    else if (pageCount != m_pages.count)
        m_redraw.InvalByRow(0, m_rows.count);

    m_pages.Last().block = m_columns.count - 1;
    m_nClosingColumnPos = m_columns.Last().position;

    // The body gets as many page frames as it has pages.
    if (m_nIndex == kBodyFlow && m_pFirstFrame && m_pFirstFrame->GetCols() < m_pages.count - 1)
    {
        // All missing frames at once: columning again after each one would
        // break the rest of the body once per new page.
        const long before = m_pFirstFrame->GetCols();
        long frames = before;
        while (frames < m_pages.count - 1)
        {
            m_pFirstFrame->AddNextFrame();
            const long now = m_pFirstFrame->GetCols();
            if (now == frames)
                break;
            frames = now;
        }
        if (m_pOwner)
            m_pOwner->CheckFramesHeight(0);
        if (frames > before)
            ReColumn(b);
    }
}

long GDoc::EqualizeCols(long block)
{
    return BalanceColumns(block);
}
