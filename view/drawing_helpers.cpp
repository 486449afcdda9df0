// The free drawing helpers of the rulers, ruler bitmaps and preview
// controls.
#include "view/drawing_helpers.h"
#include <stdlib.h>

namespace {

const DWORD kDestAndNotSource = 0x220326;
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

bool IsSet(ULONG colour)
{
    return colour != kNoColor;
}

// A solid one-pixel pen selected for a scope.
class CPenScope
{
public:
    CPenScope(CDC& dc, COLORREF colour, int style = PS_SOLID) : m_dc(dc), m_pen(style, 1, colour)
    {
        m_pOld = dc.SelectObject(&m_pen);
    }
    ~CPenScope() { m_dc.SelectObject(m_pOld); }

private:
    CDC& m_dc;
    CPen m_pen;
    CPen* m_pOld;
};

// A mode of dc (drawing mode, background mode) set for a scope.
class CModeScope
{
public:
    typedef int (CDC::*Setter)(int);
    CModeScope(CDC& dc, Setter set, int mode) : m_dc(dc), m_set(set), m_old((dc.*set)(mode)) {}
    ~CModeScope() { (m_dc.*m_set)(m_old); }

private:
    CDC& m_dc;
    Setter m_set;
    int m_old;
};

class CTextColorScope
{
public:
    explicit CTextColorScope(CDC& dc) : m_dc(dc), m_old(dc.GetTextColor()) {}
    ~CTextColorScope() { m_dc.SetTextColor(m_old); }

private:
    CDC& m_dc;
    COLORREF m_old;
};

// A memory context like dc with a bitmap selected for its life.
class CMemoryDC : public CDC
{
public:
    CMemoryDC(CDC* like, CBitmap* bitmap)
    {
        CreateCompatibleDC(like);
        m_pOld = bitmap ? SelectObject(bitmap) : NULL;
    }
    ~CMemoryDC()
    {
        if (m_pOld)
            SelectObject(m_pOld);
        DeleteDC();
    }

private:
    CBitmap* m_pOld;
};

void Segment(CDC& dc, int x1, int y1, int x2, int y2, int x3, int y3)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
    dc.LineTo(x3, y3);
}

void DrawTextAt(CDC& dc, char* text, const CRect& rect, int dx, int dy, UINT format, COLORREF colour)
{
    CRect at(rect);
    at.OffsetRect(dx, dy);
    dc.SetTextColor(colour);
    dc.DrawText(text, -1, &at, format);
}

} // namespace

void GetBitmapDxDy(CBitmap* bitmap, int& w, int& h)
{
    BITMAP info = {};
    if (bitmap)
        bitmap->GetBitmap(&info);
    w = info.bmWidth;
    h = info.bmHeight;
}

CBitmap* GetBitmap(CDC& dc, int x, int y, int w, int h)
{
    CBitmap* bitmap = new CBitmap;
    bitmap->CreateCompatibleBitmap(&dc, w, h);
    CMemoryDC copy(&dc, bitmap);
    copy.BitBlt(0, 0, w, h, &dc, x, y, SRCCOPY);
    return bitmap;
}

void DrawBitmap(CDC& dc, CBitmap& bitmap, int x, int y, int w, int h, long rop)
{
    int bw, bh;
    GetBitmapDxDy(&bitmap, bw, bh);
    const DWORD op = rop ? (DWORD)rop : SRCCOPY;
    CMemoryDC source(&dc, &bitmap);
    // A zero side keeps the bitmap's own length.
    const int tw = w ? w : bw, th = h ? h : bh;
    if ((w || h) && (tw != bw || th != bh))
    {
        const int oldMode = dc.SetStretchBltMode(COLORONCOLOR);
        dc.StretchBlt(x, y, tw, th, &source, 0, 0, bw, bh, op);
        dc.SetStretchBltMode(oldMode);
    }
    else
        dc.BitBlt(x, y, bw, bh, &source, 0, 0, op);
}

void DrawTransBitmap(CDC& dc, CBitmap& bitmap, int x, int y, COLORREF transparent, int direct)
{
    int bw, bh;
    GetBitmapDxDy(&bitmap, bw, bh);
    if (bw <= 0 || bh <= 0)
        return;
    // The memory contexts work in pixels; the destination gets the
    // bitmap's size in its own units.
    CSize size(bw, bh);
    dc.DPtoLP(&size);
    CMemoryDC source(&dc, &bitmap);
    CBitmap maskBits, imageBits;
    maskBits.CreateBitmap(bw, bh, 1, 1, NULL);
    imageBits.CreateCompatibleBitmap(&dc, bw, bh);
    CMemoryDC mask(&dc, &maskBits), image(&dc, &imageBits);

    image.BitBlt(0, 0, bw, bh, &source, 0, 0, SRCCOPY);
    image.SetBkColor(transparent);
    mask.BitBlt(0, 0, bw, bh, &image, 0, 0, SRCCOPY);   // transparent white, the rest black
    image.SetBkColor(kWhite);
    image.SetTextColor(kBlack);
    image.BitBlt(0, 0, bw, bh, &mask, 0, 0, kDestAndNotSource);   // transparent pixels black

    if (direct)
    {
        CTextColorScope text(dc);
        dc.SetBkColor(kWhite);
        dc.SetTextColor(kBlack);
        dc.StretchBlt(x, y, size.cx, size.cy, &mask, 0, 0, bw, bh, SRCAND);
        dc.StretchBlt(x, y, size.cx, size.cy, &image, 0, 0, bw, bh, SRCPAINT);
        return;
    }
    CBitmap composedBits;
    composedBits.CreateCompatibleBitmap(&dc, bw, bh);
    CMemoryDC composed(&dc, &composedBits);
    composed.SetBkColor(kWhite);
    composed.SetTextColor(kBlack);
    composed.StretchBlt(0, 0, bw, bh, &dc, x, y, size.cx, size.cy, SRCCOPY);
    composed.BitBlt(0, 0, bw, bh, &mask, 0, 0, SRCAND);
    composed.BitBlt(0, 0, bw, bh, &image, 0, 0, SRCPAINT);
    dc.StretchBlt(x, y, size.cx, size.cy, &composed, 0, 0, bw, bh, SRCCOPY);
}

CFont* MakeFont(char* face, int height, int bold, int italic)
{
    const int kBoldWeight = 700, kNormalWeight = 400;
    CFont* font = new CFont;
    font->CreateFont(height, 0, 0, 0, bold ? kBoldWeight : kNormalWeight, (BYTE)(italic != 0), FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    return font;
}

void SplitColor(const COLOR& colors, int depth, ULONG& first, ULONG& middle, ULONG& last)
{
    middle = colors.face;
    first = depth >= 1 ? colors.highlight : colors.shadow;
    last = depth >= 1 ? colors.shadow : colors.highlight;
}

void DrawBlock(CDC& dc, int x, int y, int w, int h, int depth, const COLOR& colors)
{
    ULONG first, middle, last;
    SplitColor(colors, depth, first, middle, last);
    const int d = abs(depth);
    CModeScope rop(dc, &CDC::SetROP2, R2_COPYPEN);
    const int right = x + w - 1, bottom = y + h - 1;
    if (IsSet(last))
    {
        CPenScope pen(dc, last);
        for (int i = 0; i < d; ++i)
            Segment(dc, x + i, bottom - i, right - i, bottom - i, right - i, y - 1 + i);
    }
    if (IsSet(first))
    {
        CPenScope pen(dc, first);
        for (int i = 0; i < d; ++i)
            Segment(dc, right - i, y + i, x + i, y + i, x + i, bottom - i + 1);
    }
    if (IsSet(middle))
        Bar(dc, x + d, y + d, right - d + 1, bottom - d + 1, middle);
}

void DrawLatice(CDC& dc, int x, int y, int cw, int ch, int nx, int ny, int depth, const COLOR& colors)
{
    ULONG first, middle, last;
    SplitColor(colors, depth, first, middle, last);
    CModeScope rop(dc, &CDC::SetROP2, R2_COPYPEN);
    const int width = nx * cw, height = ny * ch;
    if (IsSet(middle))
        BarExt(dc, x, y, width, height, middle);
    if (IsSet(last))
    {
        CPenScope pen(dc, last);
        for (int k = 0; k < nx; ++k)
            Line(dc, x + cw - 1 + k * cw, y, x + cw - 1 + k * cw, y + height);
        for (int k = 0; k < ny; ++k)
            Line(dc, x, y + ch - 1 + k * ch, x + width, y + ch - 1 + k * ch);
    }
    if (IsSet(first))
    {
        CPenScope pen(dc, first);
        for (int k = 0; k < nx; ++k)
            Line(dc, x + k * cw, y, x + k * cw, y + height);
        for (int k = 0; k < ny; ++k)
            Line(dc, x, y + k * ch, x + width, y + k * ch);
    }
}

void DrawFocus(CDC& dc, int x, int y, int w, int h, int depth, int thickness, const COLOR& colors)
{
    if (thickness == 0 || (!IsSet(colors.highlight) && !IsSet(colors.face) && !IsSet(colors.shadow)))
        return;
    ULONG first, middle, last;
    SplitColor(colors, depth, first, middle, last);
    CGdiObject* oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
    CModeScope mode(dc, &CDC::SetBkMode, TRANSPARENT);
    if (thickness > 1 && IsSet(first))
    {
        CPenScope pen(dc, first, PS_DOT);
        dc.Rectangle(x - 1, y - 1, x + w + 1, y + h + 1);
    }
    if (IsSet(last))
    {
        CPenScope pen(dc, last, PS_DOT);
        dc.Rectangle(x, y, x + w, y + h);
    }
    dc.SelectObject(oldBrush);
}

void DrawFrame(CDC& dc, int x, int y, int w, int h, int depth, int bw, int bh, const COLOR& colors)
{
    if (IsSet(colors.face))
    {
        BarExt(dc, x, y, w, bh, colors.face);
        BarExt(dc, x, y + h - bh, w, bh, colors.face);
        BarExt(dc, x, y, bw, h, colors.face);
        BarExt(dc, x + w - bw, y, bw, h, colors.face);
    }
    if (depth == 0)
        return;
    const int d = abs(depth);
    const COLOR edges = {colors.highlight, kNoColor, colors.shadow};
    DrawBlock(dc, x, y, w, h, depth, edges);
    DrawBlock(dc, x + bw - d, y + bh - d, w - 2 * bw + 2 * d, h - 2 * bh + 2 * d, -depth, edges);
}

void DrawRamka(CDC& dc, int x, int y, int w, int h, int depth, int vertical, const COLOR& colors)
{
    ULONG first, middle, last;
    SplitColor(colors, depth, first, middle, last);
    if (IsSet(middle))
        BarExt(dc, x, y, w, h, middle);
    const int d = abs(depth);
    if (IsSet(first))
    {
        CPenScope pen(dc, first);
        for (int k = 1; k <= d; ++k)
            if (vertical)
                Line(dc, x - k, y + k - 1, x - k, y + h - k + 1);
            else
                Line(dc, x + k - 1, y - k, x + w - k + 1, y - k);
    }
    if (IsSet(last))
    {
        CPenScope pen(dc, last);
        for (int k = 0; k < d; ++k)
            if (vertical)
                Line(dc, x + w + k, y + k, x + w + k, y + h - k);
            else
                Line(dc, x + k, y + h + k, x + w - k, y + h + k);
    }
}

void DrawButton(CDC& dc, int x, int y, int w, int h, int depth, int border, const COLOR& colors)
{
    for (int i = 0; i < border; ++i)
        RctExt(dc, x + i, y + i, w - 2 * i, h - 2 * i, kBlack);
    DrawBlock(dc, x + border, y + border, w - 2 * border, h - 2 * border, depth, colors);
}

void DrawBlock(CDC& dc, const CRect& r, int depth, const COLOR& colors)
{
    DrawBlock(dc, r.left, r.top, r.Width(), r.Height(), depth, colors);
}

void DrawLatice(CDC& dc, const CRect& r, int nx, int ny, int depth, const COLOR& colors)
{
    DrawLatice(dc, r.left, r.top, r.Width(), r.Height(), nx, ny, depth, colors);
}

void DrawFocus(CDC& dc, const CRect& r, int depth, int thickness, const COLOR& colors)
{
    DrawFocus(dc, r.left, r.top, r.Width(), r.Height(), depth, thickness, colors);
}

void DrawFrame(CDC& dc, const CRect& r, int depth, int bw, int bh, const COLOR& colors)
{
    DrawFrame(dc, r.left, r.top, r.Width(), r.Height(), depth, bw, bh, colors);
}

void DrawRamka(CDC& dc, const CRect& r, int depth, int vertical, const COLOR& colors)
{
    DrawRamka(dc, r.left, r.top, r.Width(), r.Height(), depth, vertical, colors);
}

void DrawButton(CDC& dc, const CRect& r, int depth, int border, const COLOR& colors)
{
    DrawButton(dc, r.left, r.top, r.Width(), r.Height(), depth, border, colors);
}

void DrawText3D(CDC& dc, char* text, CRect& rect, UINT format, int depth, unsigned char mode, const COLOR& colors)
{
    const unsigned char kAllSides = 2;
    ULONG first, middle, last;
    SplitColor(colors, depth, first, middle, last);
    CTextColorScope colour(dc);
    CModeScope bk(dc, &CDC::SetBkMode, TRANSPARENT);
    const int d = abs(depth);
    if (d)
    {
        if (IsSet(first))
        {
            DrawTextAt(dc, text, rect, -d, -d, format, first);
            if (mode == kAllSides)
            {
                DrawTextAt(dc, text, rect, 0, -d, format, first);
                DrawTextAt(dc, text, rect, -d, 0, format, first);
            }
        }
        if (IsSet(last))
        {
            DrawTextAt(dc, text, rect, d, d, format, last);
            if (mode == kAllSides)
            {
                DrawTextAt(dc, text, rect, 0, d, format, last);
                DrawTextAt(dc, text, rect, d, 0, format, last);
            }
        }
    }
    if (IsSet(middle))
        DrawTextAt(dc, text, rect, 0, 0, format, middle);
}

void HaloText(CDC& dc, char* text, CRect& rect, UINT format, unsigned short halo)
{
    const int n = halo & 0xFF;
    static const struct
    {
        unsigned short bit;
        int dx, dy;
    } kOffsets[] = {{kHaloUpLeft, -1, -1}, {kHaloUp, 0, -1},   {kHaloUpRight, 1, -1},  {kHaloRight, 1, 0},
                    {kHaloDownRight, 1, 1}, {kHaloDown, 0, 1}, {kHaloDownLeft, -1, 1}, {kHaloLeft, -1, 0}};
    CTextColorScope colour(dc);
    const COLORREF textColour = dc.GetTextColor();
    CModeScope bk(dc, &CDC::SetBkMode, TRANSPARENT);
    const COLORREF background = dc.GetBkColor();
    for (const auto& offset : kOffsets)
        if (halo & offset.bit)
            DrawTextAt(dc, text, rect, offset.dx * n, offset.dy * n, format, background);
    DrawTextAt(dc, text, rect, 0, 0, format, textColour);
}

void dm_DrawMask(CDC& dc, CDC& mask, int x, int y, int w, int h, COLORREF colour)
{
    dc.SetBkColor(kWhite);
    dc.SetTextColor(kBlack);
    dc.BitBlt(x, y, w, h, &mask, 0, 0, SRCPAINT);
    dc.SetBkColor(colour);
    dc.SetTextColor(kWhite);
    dc.BitBlt(x, y, w, h, &mask, 0, 0, SRCAND);
}

void DrawMask(CDC& dc, CBitmap& maskBitmap, int x, int y, int depth, unsigned char mode, const COLOR& colors)
{
    const unsigned char kAllSides = 2;
    ULONG first, middle, last;
    SplitColor(colors, depth, first, middle, last);
    const COLORREF oldBk = dc.GetBkColor(), oldText = dc.GetTextColor();
    int w, h;
    GetBitmapDxDy(&maskBitmap, w, h);
    CMemoryDC mask(&dc, &maskBitmap);
    const int d = abs(depth);
    if (d)
    {
        if (IsSet(first))
        {
            dm_DrawMask(dc, mask, x - d, y - d, w, h, first);
            if (mode == kAllSides)
            {
                dm_DrawMask(dc, mask, x - d, y, w, h, first);
                dm_DrawMask(dc, mask, x, y - d, w, h, first);
            }
        }
        if (IsSet(last))
        {
            dm_DrawMask(dc, mask, x + d, y + d, w, h, last);
            if (mode == kAllSides)
            {
                dm_DrawMask(dc, mask, x + d, y, w, h, last);
                dm_DrawMask(dc, mask, x, y + d, w, h, last);
            }
        }
    }
    if (IsSet(middle))
        dm_DrawMask(dc, mask, x, y, w, h, middle);
    dc.SetBkColor(oldBk);
    dc.SetTextColor(oldText);
}

void Line(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void Line(CDC& dc, int x1, int y1, int x2, int y2, COLORREF colour)
{
    CPenScope pen(dc, colour);
    Line(dc, x1, y1, x2, y2);
}

void Rct(CDC& dc, int l, int t, int r, int b, COLORREF colour)
{
    CPenScope pen(dc, colour);
    CGdiObject* oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
    dc.Rectangle(l, t, r, b);
    dc.SelectObject(oldBrush);
}

void RctExt(CDC& dc, int x, int y, int w, int h, COLORREF colour)
{
    Rct(dc, x, y, x + w, y + h, colour);
}

void Bar(CDC& dc, int l, int t, int r, int b, CBrush& brush)
{
    const CRect area(l, t, r, b);
    dc.FillRect(&area, &brush);
}

void Bar(CDC& dc, int l, int t, int r, int b, COLORREF colour)
{
    CBrush brush(colour);
    Bar(dc, l, t, r, b, brush);
}

void BarExt(CDC& dc, int x, int y, int w, int h, CBrush& brush)
{
    Bar(dc, x, y, x + w, y + h, brush);
}

void BarExt(CDC& dc, int x, int y, int w, int h, COLORREF colour)
{
    Bar(dc, x, y, x + w, y + h, colour);
}

void DrawFocusDot(CDC& dc, const CRect& r)
{
    CModeScope rop(dc, &CDC::SetROP2, R2_NOT);
    for (int x = r.left; x < r.right; x += 2)
    {
        dc.SetPixel(x, r.top, kBlack);
        dc.SetPixel(x, r.bottom - 1, kBlack);
    }
    for (int y = r.top; y < r.bottom; y += 2)
    {
        dc.SetPixel(r.left, y, kBlack);
        dc.SetPixel(r.right - 1, y, kBlack);
    }
}
