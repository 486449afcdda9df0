// The body of one flow in the older native layout: the characters, then
// packed arrays of shorter records that are converted to today's records
// as they are read, the page array (read and dropped; the layout after the
// read makes the pages again) and the older fields.
#include "document/old_layout.h"
#include "document/flow_body.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include <cstdlib>
#include <memory>

GArrayI<GField*> OleFields[kOldFlowCount];
GArray<GBorder> OldBord[kOldFlowCount];
LONG OldPageCount[kOldFlowCount];
LONG MaxWidth = 0;

namespace
{
LONG Long(const BYTE* p)
{
    return (LONG)((DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24));
}

short Short(const BYTE* p)
{
    return (short)(p[0] | (p[1] << 8));
}

// Reads one packed array and hands each converted record to add.
template <class Old, class Add>
void ReadPacked(CArchive& ar, Add add)
{
    long count = 0;
    unsigned char* raw = NULL;
    ReadInBuffer(ar, count, Old::kStoredSize, &raw);
    std::unique_ptr<unsigned char[]> block(raw);
    for (long i = 0; i < count; ++i)
    {
        Old record;
        Decode((const BYTE*)HugeArray(block.get(), Old::kStoredSize, i), record);
        add(record);
    }
}

template <class Old, class Array>
void ReadPackedInto(CArchive& ar, Array& to)
{
    to.Flush();
    ReadPacked<Old>(ar, [&](const Old& record) {
        typename std::remove_reference<decltype(to[0])>::type converted;
        Eq(converted, record);
        to.Add(converted);
    });
}

// The width a flow's text columns share: its first frame's.
LONG FlowColumnWidth(const GDoc& flow)
{
    const CFrame* frame = flow.m_pFirstFrame;
    if (frame && frame->area.left != kNotPlaced && frame->area.right > frame->area.left)
        return frame->area.right - frame->area.left;
    return CWDocument::PageSetupOf(flow.m_pOwner).GetTextWidth();
}
} // namespace

void Decode(const BYTE* p, _GFormat& r)
{
    r.pos = Long(p);
    r.style.index = Short(p + 4);
    r.style.master = p[6];
}

void Decode(const BYTE* p, _GTabulator& r)
{
    r.pos = Long(p);
    r.x = Short(p + 4);
    r.width = Short(p + 6);
}

void Decode(const BYTE* p, _GRow& r)
{
    r.first = Long(p);
    r.y = Long(p + 4);
    r.ascent = Short(p + 8);
}

void Decode(const BYTE* p, _GPara& r)
{
    r.row = Long(p);
    r.style.index = Short(p + 4);
    r.style.master = p[6];
}

void Decode(const BYTE* p, _GBorder& r)
{
    r.first = Long(p);
    r.end = Long(p + 4);
    r.side = Long(p + 10);   // two bytes before it are not used
}

void Decode(const BYTE* p, _GColumn& r)
{
    r.first = Long(p);
    r.count = (signed char)p[4];
    r.gap = Short(p + 5);
    for (int i = 0; i < kMostTextColumns; ++i)
        r.startRows[i] = Long(p + 7 + 4 * i);
    r.position = Long(p + 31);
}

void Eq(Mint& to, const _Mint& from)
{
    to = Mint(from.index, from.master);
}

void Eq(GFormat& to, const _GFormat& from)
{
    to.pos = from.pos;
    Eq(to.style, from.style);
}

void Eq(GTabulator& to, const _GTabulator& from)
{
    to.pos = from.pos;
    to.x = from.x;
    to.width = from.width;
}

void Eq(GRow& to, const _GRow& from)
{
    to = GRow();
    to.first = from.first;
    to.y = from.y;
    to.ascent = from.ascent;
    to.holes = GRow::NewHoles();
}

void Eq(GPara& to, const _GPara& from)
{
    to.row = from.row;
    Eq(to.style, from.style);
}

void Eq(GBorder& to, const _GBorder& from)
{
    to = GBorder();
    to.first = from.first;
    to.end = from.end;
    to.sides = from.side;
}

void Eq(GColumn& to, const _GColumn& from)
{
    // Six column slots, and the width is divided by the count: a block
    // that claims none or more than six columns is damaged.
    const int n = std::abs((int)from.count);
    if (n == 0 || n > kMostTextColumns)
        throw kArrayReadFault;
    to = GColumn();
    to.first = from.first;
    to.count = (signed char)n;
    for (int i = 0; i < kMostTextColumns; ++i)
        to.cols[i] = CData();
    const LONG width = (MaxWidth - (LONG)from.gap * (n - 1)) / n;
    for (int i = 0; i < n; ++i)
    {
        to.cols[i].width = width;
        to.cols[i].gap = i == n - 1 ? 0 : from.gap;
    }
    for (int i = 0; i < kMostTextColumns; ++i)
        to.startRows[i] = from.startRows[i];
    to.position = from.position;
    to.flags[0] = to.flags[1] = 1;
}

void ReadOldFlowBody(GDoc& flow, CArchive& ar)
{
    const long index = flow.m_nIndex;
    if (index < 0 || index >= kOldFlowCount)
        throw kArrayReadFault;

    flow.m_chars.Read(ar);
    ReadPackedInto<_GFormat>(ar, flow.m_formats);
    ReadPackedInto<_GTabulator>(ar, flow.m_tabs);
    ReadPackedInto<_GRow>(ar, flow.m_rows);
    // A row is as high as the distance to the next; the last has none.
    for (long i = 0; i + 1 < flow.m_rows.GetCount(); ++i)
        flow.m_rows[i].height = flow.m_rows[i + 1].y - flow.m_rows[i].y;
    ReadPackedInto<_GPara>(ar, flow.m_paras);
    ReadPackedInto<_GBorder>(ar, OldBord[index]);
    flow.m_borders.Flush();

    MaxWidth = FlowColumnWidth(flow);
    flow.m_columns.Flush();
    long blocks = 0;
    {
        long count = 0;
        unsigned char* raw = NULL;
        ReadInBuffer(ar, count, _GColumn::kStoredSize, &raw);
        std::unique_ptr<unsigned char[]> block(raw);
        blocks = count;
        for (long i = 0; i < count; ++i)
        {
            _GColumn record;
            Decode((const BYTE*)HugeArray(block.get(), _GColumn::kStoredSize, i), record);
            if (i == count - 1)
            {
                // The closing block keeps its mark whatever count it stored.
                record.count = 1;
                GColumn closing;
                Eq(closing, record);
                closing.count = (signed char)kClosingColumnCount;
                flow.m_columns.Add(closing);
                continue;
            }
            GColumn converted;
            Eq(converted, record);
            flow.m_columns.Add(converted);
        }
    }

    // The stored pages are dropped; the flow gets one page over all its
    // blocks until its layout is made again. The body's stored count says
    // how many pages that layout should reach.
    GArray<GPage> stored;
    stored.Read(ar);
    OldPageCount[index] = stored.GetCount();
    flow.m_pages.Flush();
    GPage page;
    page.block = 0;
    flow.m_pages.Add(page);
    page.block = blocks > 0 ? blocks - 1 : 0;
    flow.m_pages.Add(page);

    flow.m_shades.Flush();
    flow.m_frames.Flush();
    flow.m_fields.Flush();
    flow.ReadOldFields(ar);
}
