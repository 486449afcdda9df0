// Free drawing helpers on a CDC: bitmap copies (plain, stretched,
// transparent), fonts, bevelled blocks, frames, lattices, focus marks,
// embossed and haloed text, embossed masks, lines, rectangles and bars.
// Coordinates are the destination's logical units. Every helper puts back
// the pens, brushes, bitmaps, modes and colours it selected and deletes
// what it made, unless its comment says otherwise.
#pragma once
#include "afxwin.h"

// Highlight, face and shadow; kNoColor in one of them leaves that layer out.
struct COLOR
{
    COLORREF highlight;
    COLORREF face;
    COLORREF shadow;
};
constexpr COLORREF kNoColor = 0x80000000;

void GetBitmapDxDy(CBitmap* bitmap, int& w, int& h);
// A new bitmap (the caller's) with a copy of the w x h pixels at (x, y).
CBitmap* GetBitmap(CDC& dc, int x, int y, int w, int h);
// rop 0 is SRCCOPY; a non-zero size other than the bitmap's stretches it.
void DrawBitmap(CDC& dc, CBitmap& bitmap, int x, int y, int w = 0, int h = 0, long rop = 0);
// The pixels of the transparent colour are left out. direct draws straight
// onto dc (its background colour ends white); otherwise the picture is
// composed off-screen and copied in one step.
void DrawTransBitmap(CDC& dc, CBitmap& bitmap, int x, int y, COLORREF transparent, int direct);
// A new font (the caller's).
CFont* MakeFont(char* face, int height, int bold, int italic);
// depth >= 1: first highlight, last shadow; depth <= 0 the other way.
void SplitColor(const COLOR& colors, int depth, ULONG& first, ULONG& middle, ULONG& last);

void DrawBlock(CDC& dc, int x, int y, int w, int h, int depth, const COLOR& colors);
void DrawBlock(CDC& dc, const CRect& r, int depth, const COLOR& colors);
void DrawLatice(CDC& dc, int x, int y, int cw, int ch, int nx, int ny, int depth, const COLOR& colors);
void DrawLatice(CDC& dc, const CRect& r, int nx, int ny, int depth, const COLOR& colors);
void DrawFocus(CDC& dc, int x, int y, int w, int h, int depth, int thickness, const COLOR& colors);
void DrawFocus(CDC& dc, const CRect& r, int depth, int thickness, const COLOR& colors);
void DrawFrame(CDC& dc, int x, int y, int w, int h, int depth, int bw, int bh, const COLOR& colors);
void DrawFrame(CDC& dc, const CRect& r, int depth, int bw, int bh, const COLOR& colors);
void DrawRamka(CDC& dc, int x, int y, int w, int h, int depth, int vertical, const COLOR& colors);
void DrawRamka(CDC& dc, const CRect& r, int depth, int vertical, const COLOR& colors);
void DrawButton(CDC& dc, int x, int y, int w, int h, int depth, int border, const COLOR& colors);
void DrawButton(CDC& dc, const CRect& r, int depth, int border, const COLOR& colors);

// mode 2 also draws the straight offsets of the emboss.
void DrawText3D(CDC& dc, char* text, CRect& rect, UINT format, int depth, unsigned char mode, const COLOR& colors);
// Low byte: the halo's distance; each of the high bits one offset, drawn
// in the background colour before the text.
void HaloText(CDC& dc, char* text, CRect& rect, UINT format, unsigned short halo);
enum : unsigned short
{
    kHaloUpLeft = 0x8000, kHaloUp = 0x4000, kHaloUpRight = 0x2000, kHaloRight = 0x1000,
    kHaloDownRight = 0x0800, kHaloDown = 0x0400, kHaloDownLeft = 0x0200, kHaloLeft = 0x0100
};
// Paints the white pixels of a monochrome mask in colour; leaves dc's
// background and text colours as it set them.
void dm_DrawMask(CDC& dc, CDC& mask, int x, int y, int w, int h, COLORREF colour);
void DrawMask(CDC& dc, CBitmap& mask, int x, int y, int depth, unsigned char mode, const COLOR& colors);

void Line(CDC& dc, int x1, int y1, int x2, int y2);
void Line(CDC& dc, int x1, int y1, int x2, int y2, COLORREF colour);
void Rct(CDC& dc, int l, int t, int r, int b, COLORREF colour);
void RctExt(CDC& dc, int x, int y, int w, int h, COLORREF colour);
void Bar(CDC& dc, int l, int t, int r, int b, CBrush& brush);
void Bar(CDC& dc, int l, int t, int r, int b, COLORREF colour);
void BarExt(CDC& dc, int x, int y, int w, int h, CBrush& brush);
void BarExt(CDC& dc, int x, int y, int w, int h, COLORREF colour);
// Every second pixel of the rectangle's edges set black.
void DrawFocusDot(CDC& dc, const CRect& r);
