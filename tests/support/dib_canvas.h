// A memory device context on a 32-bit top-down DIB section, for drawing
// tests without a display: draw on dc, then read the pixels back.
#pragma once
#include "afxwin.h"
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// A rectangle as "(left, top, right, bottom)", for messages that show it.
inline std::string RectText(const RECT& r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

class DibCanvas
{
public:
    DibCanvas(int width, int height, COLORREF paper = RGB(255, 255, 255)) : m_width(width), m_height(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc.CreateCompatibleDC(NULL);
        m_bitmap = ::CreateDIBSection(dc.m_hDC, &info, DIB_RGB_COLORS, (void**)&m_bits, NULL, 0);
        m_old = ::SelectObject(dc.m_hDC, m_bitmap);
        Clear(paper);
    }
    ~DibCanvas()
    {
        ::SelectObject(dc.m_hDC, m_old);
        ::DeleteObject(m_bitmap);
    }
    void Clear(COLORREF paper)
    {
        ::GdiFlush();
        for (int i = 0; i < m_width * m_height; ++i)
            m_bits[i] = ToPixel(paper);
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        const DWORD p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Pixels of the rectangle (device pixels) for which test holds.
    int Count(const RECT& r, const std::function<bool(COLORREF)>& test) const
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += test(Pixel(x, y)) ? 1 : 0;
        return n;
    }
    int Count(const RECT& r, COLORREF colour) const
    {
        return Count(r, [colour](COLORREF c) { return c == colour; });
    }
    CRect Whole() const { return CRect(0, 0, m_width, m_height); }
    // The smallest rectangle that holds every pixel unlike paper (empty
    // when there is none), and their count.
    CRect Ink(COLORREF paper, int* count = NULL) const
    {
        CRect box(m_width, m_height, 0, 0);
        int n = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (Pixel(x, y) != paper)
                {
                    ++n;
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        if (count)
            *count = n;
        return n ? box : CRect(0, 0, 0, 0);
    }
    // A copy of the pixels, to compare a drawing with the picture before.
    std::vector<DWORD> Snapshot() const
    {
        ::GdiFlush();
        return std::vector<DWORD>(m_bits, m_bits + m_width * m_height);
    }

    CDC dc;

private:
    static DWORD ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
    int m_width;
    int m_height;
    DWORD* m_bits = NULL;
    HBITMAP m_bitmap = NULL;
    HGDIOBJ m_old = NULL;
};
