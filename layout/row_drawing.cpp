// Drawing a flow's rows: the shading band, the text piece by piece between
// the holes frames cut, each piece aligned as its paragraph asks and drawn
// run by run, then the row's border lines; directly or through a bitmap.
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GParaStyle.h"
#include "model/GFontStyle.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "layout/row_drawing.h"
#include "model/object_fields.h"
#include "layout/shading.h"
#include "layout/page_areas.h"
#include "layout/paragraph_borders.h"
#include "layout/text_measure.h"
#include "app/CWOptions.h"
#include "view/CWView.h"
#include <algorithm>

LONG bDrawMem = 0;
LONG bDrawSelFlag = 0;

namespace {

// Flows above this index have no page margins to keep shading within.
const LONG kLastFlowWithMargins = 5;
const int kMostLimitedAreaColumns = 254;
// The shading reaches out this far beyond a side line (the right one a
// unit more, the bottom one two more).
const long kShadeOverLine = 3;
const long kShadeOverRightLine = 4;
const long kShadeOverBottomLine = 5;
const int kFirstRowBit = 1;
const int kLastRowBit = 4;

// No justification pending: what drawing sets before each piece.
void ResetJustification()
{
    _justBreak = 0;
    _justSpaces = 1;
    _justPosAfter = -1;
}

// The fields whose outline the view draws with a tracker when selected.
bool IsTrackedObject(BYTE kind)
{
    return kind == kFieldOle || kind == kFieldImage || kind == kFieldLumifex;
}

CPoint Pen(CDC* dc, CWView* view)
{
    return CWView::PenPosition(dc, view);
}

// The end of a row's characters for drawing: before its form feed and then
// its paragraph end.
long DrawnEnd(const GDoc& flow, long first, long end)
{
    if (end > first && flow.m_chars[end - 1] == kBreak)
        --end;
    if (end > first && flow.m_chars[end - 1] == kParagraphEnd)
        --end;
    return end;
}

long DropTrailingBlanks(const GDoc& flow, long first, long end)
{
    while (end > first && flow.m_chars[end - 1] == ' ')
        --end;
    return end;
}

// The x a piece starts at, as its paragraph aligns it before the hole at
// holeX; the pen's x for left and justified text.
long AlignedX(GDoc& flow, const GParaStyle& style, long penX, long holeX, long first, long last)
{
    int ascent = 0;
    if (style.m_Align == GParaStyle::kAlignRight)
        return holeX - flow.CalcTextSizeSimple(first, last, 1, ascent).cx;
    if (style.m_Align == GParaStyle::kAlignCentre)
        return penX + (holeX - penX - flow.CalcTextSizeSimple(first, last, 0, ascent).cx) / 2;
    return penX;
}

// The bits per pixel of the target. A window's context answers with the
// screen's, and asking the display for it costs Wine a check of the display
// settings (several server calls, ~0.15 ms): the screen's is asked once; a
// memory context answers with the bitmap it holds.
int TargetFormat(CDC* target)
{
    static int screenFormat = 0;
    const HDC hdc = target->m_hDC;
    switch (::GetObjectType(hdc))
    {
    case OBJ_MEMDC:
    {
        BITMAP bitmap;
        if (::GetObject(::GetCurrentObject(hdc, OBJ_BITMAP), sizeof(bitmap), &bitmap))
            return bitmap.bmBitsPixel * bitmap.bmPlanes;
        return target->GetDeviceCaps(BITSPIXEL);
    }
    case OBJ_DC:
        if (!screenFormat)
            screenFormat = target->GetDeviceCaps(BITSPIXEL);
        return screenFormat;
    default:
        return target->GetDeviceCaps(BITSPIXEL);
    }
}

// The memory context and bitmap rows are drawn into, set up once for all
// the rows of one call. Asking a context for its format and making bitmaps
// each cost far more than drawing a row, so one context, with a bitmap
// grown as rows need, serves every call on targets of the same format;
// between rows only the window origin changes.
class RowScratch
{
public:
    RowScratch(CDC* target, CWView* view) : m_page(Options.Colors[CWOptions::kColorPage])
    {
        const int format = TargetFormat(target);
        if (s_dc.m_hDC && s_format != format)
            Release();
        if (!s_dc.m_hDC)
        {
            s_dc.CreateCompatibleDC(target);
            s_format = format;
        }
        view->ZoomViewDC(&s_dc);
        m_windowExt = s_dc.GetWindowExt();
        m_viewportExt = s_dc.GetViewportExt();
        // Between rows the context maps pixels to pixels.
        s_dc.SetMapMode(MM_TEXT);
        s_dc.SetWindowOrg(0, 0);
        s_dc.SetViewportOrg(0, 0);
    }

    // The context for a row of pixels, filled with the page colour in
    // pixels (a rectangle mapped from 0.1 mm may miss an edge pixel), then
    // mapped as the view zooms.
    CDC& For(CDC* target, CSize pixels)
    {
        if (s_size.cx < pixels.cx || s_size.cy < pixels.cy)
            Grow(target, pixels);
        const CRect all(CPoint(0, 0), pixels);
        s_dc.FillRect(&all, &m_page);
        s_dc.SetMapMode(MM_ANISOTROPIC);
        s_dc.SetWindowExt(m_windowExt);
        s_dc.SetViewportExt(m_viewportExt);
        s_dc.SetTextJustification(0, 0);
        return s_dc;
    }

private:
    static void Release()
    {
        if (s_old)
            ::SelectObject(s_dc.m_hDC, s_old);
        s_bitmap.DeleteObject();
        s_dc.DeleteDC();
        s_old = NULL;
        s_size = CSize(0, 0);
    }
    static void Grow(CDC* target, CSize pixels)
    {
        const CSize size(std::max(pixels.cx, s_size.cx), std::max(pixels.cy, s_size.cy));
        CBitmap bigger;
        bigger.CreateCompatibleBitmap(target, std::max(1L, (long)size.cx), std::max(1L, (long)size.cy));
        const HBITMAP previous = (HBITMAP)::SelectObject(s_dc.m_hDC, bigger.m_hObject);
        if (!s_old)
            s_old = previous;
        s_bitmap.DeleteObject();
        s_bitmap.Attach(bigger.Detach());
        s_size = size;
    }

    static CDC s_dc;
    static CBitmap s_bitmap;
    static HBITMAP s_old;
    static CSize s_size;
    static int s_format;
    CBrush m_page;
    CSize m_windowExt;
    CSize m_viewportExt;
};

CDC RowScratch::s_dc;
CBitmap RowScratch::s_bitmap;
HBITMAP RowScratch::s_old = NULL;
CSize RowScratch::s_size(0, 0);
int RowScratch::s_format = 0;

// A justified piece off its paragraph's last row spreads the room before
// its hole (room) over its blanks through the context's justification;
// any other piece draws with none.
// The measuring state is set the same way, so that cells computed now
// carry the spacing.
void JustifyPiece(GDoc& flow, CDC* dc, const GParaStyle& style, int place, long first, long last, long room)
{
    dc->SetTextJustification(0, 0);
    ResetJustification();
    if (style.m_Align != GParaStyle::kAlignJustify || (place & kLastRowBit))
        return;
    last = DropTrailingBlanks(flow, first, last);
    const long blanks = flow.CountSpaces(first, last, 0);
    int ascent = 0;
    const long free = room - flow.CalcTextSizeSimple(first, last, 0, ascent).cx;
    if (blanks > 0 && free > 0)
    {
        dc->SetTextJustification((int)free, (int)blanks);
        _justPosAfter = first;
        _justBreak = (int)free;
        _justSpaces = (int)blanks;
    }
}

long RowIndent(GDoc& flow, long row, const GParaStyle& style)
{
    return flow.RowInParaIs(row) & kFirstRowBit ? style.m_FirstLine.value : style.m_Left.value;
}

// DrawRowMem on a scratch context its caller set up.
void DrawRowThrough(GDoc& flow, RowScratch& scratch, CDC* dc, CWView* view, long row, long flowPage, long page)
{
    bDrawMem = 1;
    CRect band, shade;
    long shadeIndex = -1;
    flow.DrawShade(dc, view, row, flowPage, page, band, shade, shadeIndex);
    CRect whole;
    whole.UnionRect(&band, &shade);

    // The bitmap in device pixels of the target's mapping.
    CRect device = whole;
    dc->LPtoDP(&device);
    device.NormalizeRect();
    CDC& mem = scratch.For(dc, device.Size());
    // The target's mapping moved so that the bitmap's top-left pixel is
    // the target's pixel at whole's top-left: both put every point on the
    // same pixel, so a row looks the same drawn either way.
    mem.SetWindowOrg(dc->GetWindowOrg());
    const CPoint viewportOrg = dc->GetViewportOrg();
    mem.SetViewportOrg(viewportOrg.x - device.left, viewportOrg.y - device.top);
    if (shadeIndex >= 0)
        ::DrawShade(&mem, shade, flow.m_shades[shadeIndex].style);

    const GParaStyle& style = ParaStyleOf(flow, flow.GetRowPara(row));
    long first = flow.m_rows[row].first;
    const long nextFirst = flow.m_rows[row + 1].first;
    long end = DrawnEnd(flow, first, nextFirst);
    if (end == first)
        ++end;   // an empty row counts one character
    mem.MoveTo((int)RowIndent(flow, row, style), (int)flow.m_rows[row].ascent);

    GArray<CHole>* holes = flow.m_rows[row].holes;
    const long count = holes ? holes->GetCount() : 0;
    const long rightIndent = style.m_Right.value;
    const long frameWidth = flow.m_pFirstFrame ? flow.m_pFirstFrame->GetWidth() : flow.GetRowColumnWidth(row);
    SLastFrameParams cache;
    const long available = flow.GetRowMargins(row, 0, &cache).Width() - rightIndent;
    const long leftMargin = flow.GetRowLeftMargin(row, -1);
    const int place = flow.RowInParaIs(row);
    for (long h = 0; h <= count; ++h)
    {
        if (h == 0 && count > 0 && (*holes)[0].width == 0)
            continue;
        const CPoint pen = Pen(&mem, view);
        long x, width, last;
        if (h == count)
        {
            x = available;
            width = 0;
            last = DropTrailingBlanks(flow, first, DrawnEnd(flow, first, nextFirst));
        }
        else
        {
            const CHole& hole = (*holes)[h];
            if (hole.x > frameWidth - rightIndent || hole.x + hole.width < leftMargin)
                continue;
            x = hole.x;
            width = hole.width;
            if (hole.resume != kNoPosition)
                last = hole.resume;
            else
            {
                last = nextFirst;
                if (row == flow.m_rows.GetCount() - 2)
                    last -= 2;
                else if (place & kLastRowBit)
                    last -= 1;
                last = DropTrailingBlanks(flow, first, last);
            }
        }
        if (first >= end)
            break;
        last = std::min(last, end);
        if (last <= first)
        {
            mem.MoveTo((int)(x + width), pen.y);
            continue;
        }
        mem.MoveTo((int)AlignedX(flow, style, pen.x, x, first, last), pen.y);
        // The same cells as on the target, so that the text keeps the
        // measured widths at every zoom; the context's justification
        // serves a piece that has none.
        JustifyPiece(flow, &mem, style, place, first, last, x - pen.x);
        if (h > 0 && !(*holes)[h - 1].dxWidths)
            flow.CalcHoleDxWidths(row, h - 1, -1, 0);
        ResetJustification();
        long pos = first;
        flow.DrawFormatedText(&mem, view, pos, last, &style, page, row, 0);
        if (h < count)
        {
            const LONG resume = (*holes)[h].resume;
            first = resume == kNoPosition ? nextFirst - 1 : resume;
        }
        mem.MoveTo((int)(x + width), Pen(&mem, view).y);
    }

    // Back to the target at the union's place, in the target's pixels.
    // Both ends in pixels: a source mapped to 0.1 mm would be stretched;
    // the scratch context stays so for the next row.
    mem.SetMapMode(MM_TEXT);
    mem.SetWindowOrg(0, 0);
    mem.SetViewportOrg(0, 0);
    dc->SaveDC();
    dc->SetMapMode(MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    dc->BitBlt(device.left, device.top, device.Width(), device.Height(), &mem, 0, 0, SRCCOPY);
    dc->RestoreDC(-1);
    flow.DrawBorders(dc, view, row, flowPage, page);
    bDrawMem = 0;
}

} // namespace

CFrame* GDoc::ChainFrame(long flowPage)
{
    if (!m_pFirstFrame)
        return NULL;
    if (m_nIndex != kBodyFlow)
        return m_pFirstFrame;
    CFrame* frame = m_pFirstFrame->GetFrameByCol(flowPage);
    return frame ? frame : m_pFirstFrame;
}

long GDoc::FindShade(long row)
{
    for (LONG i = 0; i < m_shades.count; ++i)
        if (GetCharRow(m_shades[i].first) <= row && GetCharRow(m_shades[i].end - 1) + 1 > row)
            return i;
    return -1;
}

long GDoc::FindBorder(long row, int& first)
{
    first = 0;
    for (LONG i = 0; i < m_borders.count; ++i)
        if (GetBorderRow1(i) <= row && GetBorderRow2(i) > row)
        {
            first = GetBorderRow1(i) == row;
            return i;
        }
    return -1;
}

void GDoc::DrawShade(CDC* dc, CWView* view, long row, long flowPage, long page, CRect& band, CRect& shade,
                     long& shadeIndex)
{
    CFrame* frame = ChainFrame(flowPage);
    shadeIndex = FindShade(row);
    const long block = GetRowColumn(row);
    const long col = GetRowCol(row);
    const long para = GetRowPara(row);
    const GParaStyle& style = ParaStyleOf(*this, para);
    view->OfsViewDC(dc, m_nIndex, page, row);

    const long width = GetRowColumnWidth(row);
    const long height = m_rows[row].height;
    band = CRect(0, 0, width, height);
    const GPageInfo& info = CWDocument::PageSetupOf(m_pOwner);
    long leftLimit = info.textLeft, rightLimit = info.paperWidth - info.textRight;
    if (m_nIndex > kLastFlowWithMargins)
        leftLimit = rightLimit = -1;
    const int count = (BYTE)m_columns[block].count;
    if (count >= 2 && count <= kMostLimitedAreaColumns)
    {
        if (col != 0)
            leftLimit = -1;
        if (col != count - 1)
            rightLimit = -1;
    }

    const int place = RowInParaIs(row);
    const long before = place & kFirstRowBit ? style.m_Before.value : 0;
    const long after = place & kLastRowBit ? style.m_After.value : 0;
    long distance = 0;
    const long run = AddBorderOffset(dc, view, band, row, distance);
    band.top -= before;
    band.bottom += after;
    if (frame)
        AddColumnOffset(band, frame, block, col);
    if (leftLimit >= 0)
        band.left = std::max(band.left, (LONG)-leftLimit);
    if (rightLimit >= 0)
        band.right = std::min(band.right, (LONG)(width + rightLimit));

    shade = CRect(0, 0, width, height);
    if (run >= 0)
    {
        const GBorder& b = m_borders[run];
        auto line = [&b](long side) { return BorderLineWidth(BorderSideStyle(b, side)); };
        if ((b.sides & kBorderTop) && row == GetBorderRow1(run))
            shade.top -= kShadeOverLine + line(kBorderTop);
        else
            shade.top -= before;
        if (b.sides & kBorderLeft)
        {
            const long out = kShadeOverLine + line(kBorderLeft);
            shade.left -= leftLimit >= 0 && leftLimit <= out ? leftLimit : out;
        }
        if (b.sides & kBorderRight)
        {
            const long out = kShadeOverRightLine + line(kBorderRight);
            shade.right += rightLimit >= 0 && rightLimit <= out ? rightLimit : out;
        }
        if ((b.sides & kBorderBottom) && row == GetBorderRow2(run) - 1)
        {
            shade.bottom += kShadeOverBottomLine + line(kBorderBottom);
            return;
        }
    }
    else
        shade.top -= before;
    shade.bottom += after;
}

void GDoc::DrawFormatedText(CDC* dc, CWView* view, long& pos, long end, const GParaStyle* style, long page,
                            long row, int yShift)
{
    LONG* widths = m_rows[row].GetCharDxWidths(pos);
    // Cells carry the spacing of justified text themselves; without them
    // the piece keeps the justification its row gave the context.
    if (widths)
        dc->SetTextJustification(0, 0);
    const bool leftish = !style || style->m_Align == GParaStyle::kAlignUndefined ||
                         style->m_Align == GParaStyle::kAlignLeft || style->m_Align == GParaStyle::kAlignJustify;
    while (pos < end)
    {
        long next = NextDifferentChar(pos);
        if (next <= pos || next > end)
            next = end;
        const CPoint pen = Pen(dc, view);
        const char c = m_chars[pos];
        if (c == kFieldMark)
        {
            next = pos + 1;
            const long f = GetCharField(pos);
            if (f >= 0)
            {
                // Date fields bring themselves up to date when the document
                // is drawn anew.
                GField* field = m_fields[f];
                const bool onScreen = view && view->m_bPageMode;
                const int shade = onScreen || Options.EnableFieldColor;
                field->Draw(dc, shade, page + 1, view);
                if (onScreen && IsTrackedObject(field->m_nKind))
                {
                    view->DrawItemTracker(dc, field);
                    if (CRect* stored = StoredObjectRect(*field))
                    {
                        stored->top += yShift;
                        stored->bottom += yShift;
                    }
                }
                int ascent = 0;
                const CSize size = field->GetSize(dc, ascent, page + 1);
                dc->MoveTo(pen.x + size.cx, pen.y);
            }
        }
        else if (c == kTab)
        {
            next = pos + 1;
            const long t = GetCharTab(pos);
            if (t >= 0)
            {
                const long w = labs((long)m_tabs[t].width);
                dc->MoveTo(leftish ? m_tabs[t].x + w : pen.x + w, pen.y);
            }
        }
        else
            view->DrawTextA(dc, m_nIndex, pos, next, GetCharFStylePtr(pos), (int*)widths, 0);
        // The cells of justified text run through tabs and fields as well.
        if (widths)
            widths += next - pos;
        pos = next;
    }
}

void GDoc::DrawRow(CDC* dc, CWView* view, long row, long flowPage, long page, SLastFrameParams* cache)
{
    GetCalcDC();
    dc->SetTextJustification(0, 0);
    CRect band, shade;
    long shadeIndex = -1;
    DrawShade(dc, view, row, flowPage, page, band, shade, shadeIndex);
    if (shadeIndex >= 0)
        ::DrawShade(dc, shade, m_shades[shadeIndex].style);

    const GParaStyle& style = ParaStyleOf(*this, GetRowPara(row));
    long first = m_rows[row].first;
    const long nextFirst = m_rows[row + 1].first;
    const long end = DrawnEnd(*this, first, nextFirst);
    const long available = GetRowMargins(row, 0, cache).Width() - style.m_Right.value;
    dc->MoveTo((int)RowIndent(*this, row, style), (int)m_rows[row].ascent);

    GArray<CHole>* holes = m_rows[row].holes;
    const long count = holes ? holes->GetCount() : 0;
    for (long h = 0; h <= count; ++h)
    {
        if (h == 0 && count > 0 && (*holes)[0].width == 0)
            continue;
        const CPoint pen = Pen(dc, view);
        long x = 0, width = 0, last = 0;
        GetHoleCoordsAndLastCharPos(row, (int)h, x, width, last, available);
        if (first >= end)
            break;
        if (last > end || h == count)
            last = end;
        if (last < 0)
        {
            dc->MoveTo((int)(x + width), pen.y);
            continue;
        }
        dc->MoveTo((int)AlignedX(*this, style, pen.x, x, first, last), pen.y);
        // The cells of the piece, with the room of a justified piece
        // spread over its blanks.
        if (h > 0 && !(*holes)[h - 1].dxWidths)
        {
            JustifyPiece(*this, dc, style, RowInParaIs(row), first, last, x - pen.x);
            CalcHoleDxWidths(row, h - 1, -1, 0);
        }
        ResetJustification();
        long pos = first;
        DrawFormatedText(dc, view, pos, last, &style, page, row, 0);
        if (h < count)
        {
            const LONG resume = (*holes)[h].resume;
            first = resume == kNoPosition ? nextFirst - 1 : resume;
            dc->MoveTo((int)(x + width), Pen(dc, view).y);
        }
    }
    DrawBorders(dc, view, row, flowPage, page);
}

void GDoc::DrawRows(CDC* dc, CWView* view, long from, long to, long flowPage, long page)
{
    SLastFrameParams cache;
    for (long row = from; row < to; ++row)
        DrawRow(dc, view, row, flowPage, page, &cache);
    int first = 0;
    if (to + 1 < m_rows.count && FindBorder(to, first) >= 0)
        DrawBorders(dc, view, to + 1, flowPage, page);
    DrawArrows(dc, flowPage, view);
}

void GDoc::DrawRowMem(CDC* dc, CWView* view, long row, long flowPage, long page)
{
    RowScratch scratch(dc, view);
    DrawRowThrough(*this, scratch, dc, view, row, flowPage, page);
}

void GDoc::DrawRowsMem(CDC* dc, CWView* view, long from, long to, long flowPage, long page)
{
    RowScratch scratch(dc, view);
    for (long row = from; row < to; ++row)
        DrawRowThrough(*this, scratch, dc, view, row, flowPage, page);
    int first = 0;
    if (to + 1 < m_rows.count && FindBorder(to, first) >= 0)
        DrawBorders(dc, view, to + 1, flowPage, page);
    DrawArrows(dc, flowPage, view);
}

void GDoc::DrawArrows(CDC* dc, long flowPage, CWView* view)
{
    GDoc* body = m_pOwner ? m_pOwner->GetFlow(kBodyFlow) : this;
    if (!body)
        return;
    for (LONG i = 0; i < body->m_frames.count; ++i)
    {
        CFrame* frame = body->m_frames[i];
        if (frame->hasArrow && frame->IsVisible(flowPage))
            frame->DrawArrow(1, dc, view, 0);
    }
}
