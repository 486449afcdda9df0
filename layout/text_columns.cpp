// Column blocks: building and comparing the records that group a flow's
// rows into text columns.
#include "GDoc.h"

// Still missing: balancing, page breaking and re-columning of blocks
// (EqualizeCols, BreakColumn, ReColumn and their helpers).

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
