// Which border lines a row draws and where, the band a bordered row
// covers, and the selection inverted as one region.
#include "model/GDoc.h"
#include "model/GParaStyle.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "layout/row_drawing.h"
#include "layout/text_measure.h"
#include "app/CWOptions.h"
#include "view/CWView.h"
#include <algorithm>

namespace {

// A band grows this far beyond a top or bottom line.
const long kBandOverLine = 10;
// Column areas of this many columns limit only their outer columns.
const int kLeastLimitedColumns = 2;
const int kMostLimitedColumns = 6;
const int kLastRowBit = 4;
// A stretch narrower than this shows as a block this wide.
const long kNarrowestSelection = 3;
const long kEmptySelectionWidth = 20;

struct BorderLimits
{
    long left;
    long right;
};

// The page margins a row's side lines may reach into; lifted beside inner
// columns.
BorderLimits MarginLimits(const GDoc& flow, long block, long col)
{
    const GPageInfo& info = CWDocument::PageSetupOf(flow.m_pOwner);
    BorderLimits limits{info.textLeft, info.paperWidth - info.textRight};
    const int count = (BYTE)flow.m_columns[block].count;
    if (count >= kLeastLimitedColumns && count <= kMostLimitedColumns)
    {
        if (col != 0)
            limits.left = -1;
        if (col != count - 1)
            limits.right = -1;
    }
    return limits;
}

long SpaceBefore(const GDoc& flow, long para)
{
    return para >= 0 && para + 1 < flow.m_paras.count ? ParaStyleOf(flow, para).m_Before.value : 0;
}

long SpaceAfter(const GDoc& flow, long para)
{
    return para >= 0 && para + 1 < flow.m_paras.count ? ParaStyleOf(flow, para).m_After.value : 0;
}

} // namespace

long GDoc::AddBorderOffset(CDC*, CWView*, CRect& band, long row, long& distance)
{
    distance = 0;
    for (LONG i = 0; i < m_borders.count; ++i)
    {
        if (GetBorderRow2(i) <= row)
            continue;
        if (GetBorderRow1(i) > row)
            return -1;
        const GBorder& b = m_borders[i];
        distance = b.distance;
        if ((b.sides & kBorderTop) && row == GetBorderRow1(i))
            band.top -= kBandOverLine + GetBorderWidth(i, kBorderTop);
        if ((b.sides & kBorderBottom) && row == GetBorderRow2(i) - 1)
            band.bottom += kBandOverLine + GetBorderWidth(i, kBorderBottom);
        return i;
    }
    return -1;
}

void GDoc::AddColumnOffset(CRect& band, CFrame* frame, long area, long column)
{
    if (column == 0)
        band.left -= frame->GetAreaByPage(-1, 1).left - frame->GetAreaByPage(-1, 0).left;
    else
        band.left -= m_columns[area].cols[column - 1].gap / 2 + 1;
}

// The line rectangle of a row in page coordinates: its column's x and
// width, its y on the page.
static CRect RowLineRect(GDoc& flow, CFrame* frame, long row, long flowPage)
{
    const CRect inner = frame ? frame->GetAreaByPage(-1, 1) : CRect(0, 0, 0, 0);
    const long block = flow.GetRowColumn(row);
    const long col = flow.GetRowCol(row);
    const GColumn& b = flow.m_columns[block];
    long left = inner.left;
    for (long k = 0; k < col; ++k)
        left += b.cols[k].width + b.cols[k].gap;
    const long colRow = b.startRows[col] >= 0 ? b.startRows[col] : row;
    const long pageBlock = flowPage < flow.m_pages.count ? flow.m_pages[flowPage].block : 0;
    const long top = inner.top + flow.m_rows[row].y - flow.m_rows[colRow].y + b.position -
                     flow.m_columns[pageBlock].position;
    return CRect(left, top, left + flow.GetRowColumnWidth(row), top + flow.m_rows[row].height);
}

// Draws the lines of run on row in rect, as DrawBorders and DrawBordersMem
// share them.
static void DrawRowLines(GDoc& flow, CDC* dc, CWView* view, long run, long row, long flowPage, const CRect& rect)
{
    const GBorder& b = flow.m_borders[run];
    const long firstRow = flow.GetBorderRow1(run);
    const long lastRow = flow.GetBorderRow2(run) - 1;
    const BorderLimits limits = MarginLimits(flow, flow.GetRowColumn(row), flow.GetRowCol(row));
    const long nextPageRow = flowPage + 1 < flow.m_pages.count ? flow.GetPageRow(flowPage + 1) : flow.m_rows.count;
    if (row >= nextPageRow)
        return;
    const int isFirst = row == firstRow;
    const int isLast = row == lastRow;
    if (b.sides & kBorderLeft)
        view->DrawLeftLine(flow, dc, (int)run, rect, isFirst, isLast, (int)limits.left, isFirst);
    if (b.sides & kBorderRight)
        view->DrawRightLine(flow, dc, (int)run, rect, isFirst, isLast, (int)limits.right, isFirst);
    if (isLast)
        view->DrawBottomLine(flow, dc, (int)run, rect);
    if (isFirst)
        view->DrawUpLine(flow, dc, (int)run, rect);
}

void GDoc::DrawBorders(CDC* dc, CWView* view, long row, long flowPage, long page)
{
    int first = 0;
    const long run = FindBorder(row, first);
    if (run < 0)
        return;
    if (m_nIndex != kBodyFlow)
        flowPage = 0;
    CRect rect = RowLineRect(*this, ChainFrame(flowPage), row, flowPage);
    const long para = GetRowPara(row);
    if ((RowInParaIs(row) & kLastRowBit) && row != GetBorderRow2(run) - 1)
    {
        rect.top -= SpaceBefore(*this, para);
        rect.bottom += SpaceAfter(*this, para) + SpaceBefore(*this, para + 1);
    }
    const long pageFirstRow = flowPage < m_pages.count ? GetPageRow(flowPage) : 0;
    rect.OffsetRect(0, SpaceBefore(*this, GetRowPara(pageFirstRow)));
    view->OfsViewDC(dc, -1, page, 0);
    DrawRowLines(*this, dc, view, run, row, flowPage, rect);
}

void GDoc::DrawBordersMem(CDC* dc, CWView* view, long row, long flowPage, long page, CRect rect)
{
    int first = 0;
    const long run = FindBorder(row, first);
    if (run < 0)
        return;
    if (m_nIndex != kBodyFlow)
        flowPage = 0;
    const long para = GetRowPara(row);
    rect.OffsetRect(0, SpaceBefore(*this, para));
    if ((RowInParaIs(row) & kLastRowBit) && row != GetBorderRow2(run) - 1)
        rect.bottom += SpaceAfter(*this, para);
    DrawRowLines(*this, dc, view, run, row, flowPage, rect);
}

void GDoc::ClearLastColumnRow(CDC* dc, CWView* view, CRect& band, CFrame* frame, long area, long column, long row,
                              long flowPage)
{
    if (!view || !view->m_bPageMode)
        return;
    const GColumn& b = m_columns[area];
    const int count = std::max(1, (int)(BYTE)b.count);
    const bool lastColumn = column + 1 >= count;
    const long nextStart = !lastColumn && b.startRows[column + 1] >= 0 ? b.startRows[column + 1]
                                                                        : GetColumnRow(area + 1 < m_columns.count ? area + 1 : area, 0);
    if (row != nextStart - 1)
        return;
    const long colRow = b.startRows[column] >= 0 ? b.startRows[column] : row;
    const long areaEnd = area + 1 < m_columns.count ? m_columns[area + 1].position : b.position;
    // The band's bottom in the row's coordinates: the end of the column area.
    band.bottom = areaEnd - b.position - (m_rows[row].y - m_rows[colRow].y);
    if (lastColumn || GetRowColumn(nextStart) == area)
        return;
    long right = band.right + b.cols[column].gap / 2;
    for (long k = column + 1; k < count; ++k)
        right += b.cols[k].width + (k + 1 < count ? b.cols[k].gap : 0);
    const GPageInfo& info = CWDocument::PageSetupOf(m_pOwner);
    if (frame)
        right += std::min((long)frame->hTextDistance, (long)(info.paperWidth - info.textRight));
    const CRect clear(band.right + b.cols[column].gap / 2, -(m_rows[row].y - m_rows[colRow].y), right, band.bottom);
    CBrush brush(Options.Colors[CWOptions::kColorPage]);
    dc->FillRect(&clear, &brush);
}

void GDoc::DrawSelection(CDC* dc, CWView* view, long fromRow, long toRow, long selStart, long selEnd,
                         long flowPage, long page)
{
    if (selStart == selEnd)
        return;
    if (selStart > selEnd)
        std::swap(selStart, selEnd);
    if (m_nIndex != kBodyFlow)
        flowPage = 0;
    const long startRow = std::max(fromRow, GetCharRow(selStart));
    const long endRow = std::min(toRow - 1, GetCharRow(selEnd - 1));
    if (startRow > endRow)
        return;
    const int oldRop = dc->SetROP2(R2_NOT);
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    CPoint firstOrigin;
    for (long row = startRow; row <= endRow; ++row)
    {
        view->OfsViewDC(dc, m_nIndex, page, row);
        const CPoint origin = dc->GetWindowOrg();
        if (row == startRow)
            firstOrigin = origin;
        const long rowFirst = m_rows[row].first;
        const long from = row == GetCharRow(selStart) ? selStart : rowFirst;
        long to = row == GetCharRow(selEnd - 1) ? selEnd : m_rows[row + 1].first;
        const GParaStyle& style = ParaStyleOf(*this, GetRowPara(row));
        int keepBlanks = 1;
        if (style.m_Align != GParaStyle::kAlignLeft)
        {
            while (to > from && (m_chars[to - 1] == kBreak || m_chars[to - 1] == kParagraphEnd))
                --to;
            bool onlyBlanks = true;
            for (long q = from; q < to && onlyBlanks; ++q)
                onlyBlanks = m_chars[q] == ' ';
            keepBlanks = onlyBlanks ? 0 : 1;
        }
        int indent = 0;
        view->GetTextAlign(dc, m_nIndex, row, indent);
        int ascent = 0;
        bDrawSelFlag = 1;
        const long left = CalcTextSizeForView(rowFirst, from, 1, ascent).cx - CalcSizeToMove;
        long width = CalcTextSizeForView(rowFirst, to, keepBlanks, ascent).cx - CalcSizeToMove - left;
        bDrawSelFlag = 0;
        if (width < kNarrowestSelection)
            width = kEmptySelectionWidth;
        CRect rect(indent + left, 0, indent + left + width, m_rows[row + 1].y - m_rows[row].y);
        rect.OffsetRect(firstOrigin.x - origin.x, firstOrigin.y - origin.y);
        CRgn piece;
        piece.CreateRectRgnIndirect(&rect);
        region.CombineRgn(&region, &piece, RGN_OR);
    }
    view->OfsViewDC(dc, m_nIndex, page, startRow);
    dc->InvertRgn(&region);
    dc->SetROP2(oldRop);
}
