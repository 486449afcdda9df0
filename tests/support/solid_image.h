// Pictures of one colour made in memory, for the tests of picture fields.
#pragma once
#include "tests/support/dib_canvas.h"
#include "model/GImage.h"
#include <cstring>

// A solid picture of the size in one of the bit counts.
inline Image* SolidImage(int width, int height, COLORREF colour, WORD bits = 24)
{
    BITMAPINFOHEADER h = {};
    h.biSize = sizeof(h), h.biWidth = width, h.biHeight = height, h.biPlanes = 1, h.biBitCount = bits;
    const int colours = bits <= 8 ? 1 << bits : 0;
    const DWORD rowBytes = (DWORD)DibRowBytes(h);
    const DWORD size = sizeof(h) + colours * 4 + rowBytes * height;
    BYTE* dib = (BYTE*)GlobalLock(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    memcpy(dib, &h, sizeof(h));
    BYTE* rows = dib + sizeof(h) + colours * 4;
    if (colours)
    {
        RGBQUAD first = {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
        memcpy(dib + sizeof(h), &first, 4);   // every pixel is index 0
    }
    else
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
            {
                BYTE* p = rows + rowBytes * y + x * (bits / 8);
                p[0] = GetBValue(colour), p[1] = GetGValue(colour), p[2] = GetRValue(colour);
            }
    Image* image = new Image;
    image->attach(dib);
    return image;
}
