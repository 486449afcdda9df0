// The four painters of a paragraph border run's sides.
#include "view/CWView.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"
#include "controls/LineStyles.h"
#include "layout/paragraph_borders.h"

namespace {

// Line-style rows drawn as a filled band; the others are one-pixel lines.
const long kFirstBandStyle = 1;
const long kLastBandStyle = 5;
// Flows from this index on (frame texts, footnotes) draw beside any room.
const LONG kFirstFlowWithoutRoom = 6;
// Flows from this index on ignore the page margins.
const LONG kFirstFlowWithoutLimits = 6;
// Column blocks of this many text columns limit only their outer columns.
const int kLeastLimitedColumns = 2;
const int kMostLimitedColumns = 6;
// A side line of a row that does not start the run reaches up this far,
// over the gap between the rows.
const int kRowJoin = 10;

struct Side
{
    const GBorder& run;
    const CBorderStyle& style;
    int w;   // the line
    int d;   // its distance from the text
    int e() const { return d + w; }
};

Side SideOf(const GDoc& flow, int border, long side)
{
    const GBorder& run = flow.m_borders[border];
    return Side{run, BorderSideStyle(run, side), GetBorderWidth(flow, border, (int)side), (int)run.distance};
}

bool DrawsBand(const CBorderStyle& style)
{
    const long row = LineStyleRow(style.lineStyle).number;
    return row >= kFirstBandStyle && row <= kLastBandStyle;
}

void FillBand(CDC* dc, const CRect& band, const CBorderStyle& style)
{
    CBrush brush(style.colour);
    dc->FillRect(&band, &brush);
}

// A one-pixel line in the side's pen style; a pen style no pen takes (a
// damaged file) draws as its row's.
void DrawThinLine(CDC* dc, CPoint from, CPoint to, const CBorderStyle& style)
{
    int pen = (int)style.penStyle;
    if (pen < PS_SOLID || pen > PS_DASHDOTDOT)
        pen = (int)LineStyleRow(style.lineStyle).penStyle;
    CPen line(pen, 0, style.colour);
    CPen* old = dc->SelectObject(&line);
    dc->MoveTo(from);
    dc->LineTo(to);
    dc->SelectObject(old);
}

// How far a top or bottom line may reach beyond the text on each side: the
// page margins, lifted beside inner text columns of the column block, and
// for frame texts. pos is the character whose text column counts.
void ExtensionLimits(const GDoc& flow, long block, long pos, const CRect& text, long& left, long& right)
{
    left = right = -1;
    if (flow.m_nIndex >= kFirstFlowWithoutLimits)
        return;
    const GPageInfo& info = CWDocument::PageSetupOf(flow.m_pOwner);
    left = info.textLeft;
    right = info.paperWidth - text.right;
    if (block < 0 || block >= flow.m_columns.count)
        return;
    const int count = (BYTE)flow.m_columns[block].count;
    if (count < kLeastLimitedColumns || count > kMostLimitedColumns)
        return;
    const long col = flow.GetCharCol(pos);
    if (col > 0)
        left = -1;
    if (col < count - 1)
        right = -1;
}

long Limited(long extension, long limit)
{
    return limit >= 0 && extension > limit ? limit : extension;
}

// The top and bottom lines: text widened over the side lines.
CRect WidenOverSides(const GDoc& flow, const Side& s, long block, long pos, CRect text)
{
    long leftLimit, rightLimit;
    ExtensionLimits(flow, block, pos, text, leftLimit, rightLimit);
    const long left = s.run.sides & kBorderLeft ? Limited(s.e(), leftLimit) : 0;
    const long right = s.run.sides & kBorderRight ? Limited(s.e(), rightLimit) : 0;
    text.left -= left;
    text.right += right;
    return text;
}

// The left and right lines: text lengthened over the top and bottom lines
// and, off the run's first row, up over the gap to the row before.
CRect LengthenOverEnds(const Side& s, CRect text, int joinTop, int joinBottom, int first)
{
    if (joinTop && (s.run.sides & kBorderTop))
        text.top -= s.e();
    if (!first)
        text.top -= kRowJoin;
    if (joinBottom && (s.run.sides & kBorderBottom))
        text.bottom += s.e();
    return text;
}

bool LacksRoom(const GDoc& flow, const Side& s, int room)
{
    return room >= 0 && room <= s.d && flow.m_nIndex < kFirstFlowWithoutRoom;
}

} // namespace

void CWView::DrawUpLine(const GDoc& flow, CDC* dc, int border, CRect text)
{
    if (!(flow.m_borders[border].sides & kBorderTop))
        return;
    const Side s = SideOf(flow, border, kBorderTop);
    text = WidenOverSides(flow, s, flow.GetCharColumn(s.run.first), s.run.first, text);
    if (DrawsBand(s.style))
        FillBand(dc, CRect(text.left, text.top - s.d - s.w, text.right, text.top - s.d), s.style);
    else
        DrawThinLine(dc, CPoint(text.left, text.top - s.e()), CPoint(text.right, text.top - s.e()), s.style);
}

void CWView::DrawBottomLine(const GDoc& flow, CDC* dc, int border, CRect text)
{
    if (!(flow.m_borders[border].sides & kBorderBottom))
        return;
    const Side s = SideOf(flow, border, kBorderBottom);
    const long last = s.run.end - 1;
    text = WidenOverSides(flow, s, flow.GetRowColumn(flow.GetCharRow(last)), last, text);
    if (DrawsBand(s.style))
        FillBand(dc, CRect(text.left, text.bottom + s.d, text.right, text.bottom + s.e()), s.style);
    else
        DrawThinLine(dc, CPoint(text.left, text.bottom + s.e()), CPoint(text.right, text.bottom + s.e()), s.style);
}

void CWView::DrawLeftLine(const GDoc& flow, CDC* dc, int border, CRect text, int joinTop, int joinBottom, int room,
                          int first)
{
    if (!(flow.m_borders[border].sides & kBorderLeft))
        return;
    const Side s = SideOf(flow, border, kBorderLeft);
    if (LacksRoom(flow, s, room))
        return;
    text = LengthenOverEnds(s, text, joinTop, joinBottom, first);
    CRect band(text.left - s.e(), text.top, text.left - s.d, text.bottom);
    if (room >= 0 && room < s.e() && flow.m_nIndex < kFirstFlowWithoutRoom)
        band.left = text.left - room;
    if (DrawsBand(s.style))
        FillBand(dc, band, s.style);
    else
        DrawThinLine(dc, CPoint(band.left, band.bottom), CPoint(band.left, band.top), s.style);
}

void CWView::DrawRightLine(const GDoc& flow, CDC* dc, int border, CRect text, int joinTop, int joinBottom, int room,
                           int first)
{
    if (!(flow.m_borders[border].sides & kBorderRight))
        return;
    const Side s = SideOf(flow, border, kBorderRight);
    if (LacksRoom(flow, s, room))
        return;
    text = LengthenOverEnds(s, text, joinTop, joinBottom, first);
    CRect band(text.right + s.d, text.top, text.right + s.e(), text.bottom);
    if (room >= 0 && room <= s.e() && flow.m_nIndex < kFirstFlowWithoutRoom)
        band.right = text.right + room;
    if (DrawsBand(s.style))
        FillBand(dc, band, s.style);
    else
        DrawThinLine(dc, CPoint(band.right, band.bottom), CPoint(band.right, band.top), s.style);
}
