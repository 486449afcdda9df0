// CDC's drawing attributes, figures, bit blocks, text, paths and printing.
#include "afxwin.h"

static HGDIOBJ HandleOf(const CGdiObject* pObject)
{
    return pObject ? pObject->m_hObject : nullptr;
}

static HDC SourceOf(const CDC* pDC)
{
    return pDC ? pDC->m_hDC : nullptr;
}

// ---------------------------------------------------------------------------
// Attributes: set on the output DC, then on the attribute DC, whose previous
// value is the answer; read from the attribute DC.

template <typename T, typename Setter>
static T SetOnBoth(HDC hDC, HDC hAttribDC, T failed, Setter set)
{
    T old = failed;
    if (hDC && hDC != hAttribDC)
        old = set(hDC);
    if (hAttribDC)
        old = set(hAttribDC);
    return old;
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return SetOnBoth(m_hDC, m_hAttribDC, CLR_INVALID, [&](HDC h) { return ::SetBkColor(h, crColor); });
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetBkMode(h, nBkMode); });
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return SetOnBoth(m_hDC, m_hAttribDC, CLR_INVALID, [&](HDC h) { return ::SetTextColor(h, crColor); });
}

int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}

int CDC::SetROP2(int nDrawMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hAttribDC);
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetPolyFillMode(h, nPolyFillMode); });
}

int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [&](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

CPoint CDC::GetBrushOrg() const
{
    POINT p = { 0, 0 };
    ::GetBrushOrgEx(m_hDC, &p);
    return p;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT p = { 0, 0 };
    ::SetBrushOrgEx(m_hDC, x, y, &p);
    return p;
}

DWORD CDC::SetMapperFlags(DWORD dwFlag)
{
    return SetOnBoth(m_hDC, m_hAttribDC, (DWORD)GDI_ERROR, [&](HDC h) { return ::SetMapperFlags(h, dwFlag); });
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return SetOnBoth(m_hDC, m_hAttribDC, (UINT)GDI_ERROR, [&](HDC h) { return ::SetTextAlign(h, nFlags); });
}

int CDC::GetTextCharacterExtra() const
{
    return ::GetTextCharacterExtra(m_hAttribDC);
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return SetOnBoth(m_hDC, m_hAttribDC, (int)0x80000000, [&](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
}

int CDC::SetTextJustification(int nBreakExtra, int nBreakCount)
{
    // Both DCs, so that measuring on the attribute DC sees the justification.
    return SetOnBoth(m_hDC, m_hAttribDC, 0, [&](HDC h) { return (int)::SetTextJustification(h, nBreakExtra, nBreakCount); });
}

// ---------------------------------------------------------------------------
// Lines and figures

CPoint CDC::GetCurrentPosition() const
{
    POINT p = { 0, 0 };
    ::GetCurrentPositionEx(m_hAttribDC, &p);
    return p;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT p = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::MoveToEx(m_hDC, x, y, &p);
    if (m_hAttribDC)
        ::MoveToEx(m_hAttribDC, x, y, &p);
    return p;
}

BOOL CDC::LineTo(int x, int y)
{
    // Keeps the attribute DC's current position with the output DC's.
    if (m_hAttribDC && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return ::Arc(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom,
                 ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolylineTo(const POINT* lpPoints, int nCount)
{
    return ::PolylineTo(m_hDC, lpPoints, (DWORD)nCount);
}

BOOL CDC::PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount)
{
    return ::PolyPolyline(m_hDC, lpPoints, lpPolyPoints, (DWORD)nCount);
}

BOOL CDC::PolyBezier(const POINT* lpPoints, int nCount)
{
    return ::PolyBezier(m_hDC, lpPoints, (DWORD)nCount);
}

BOOL CDC::PolyBezierTo(const POINT* lpPoints, int nCount)
{
    return ::PolyBezierTo(m_hDC, lpPoints, (DWORD)nCount);
}

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Chord(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return ::Chord(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom,
                   ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return ::Ellipse(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return ::Pie(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom,
                 ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
{
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return ::RoundRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, (HBRUSH)HandleOf(pBrush));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, (HBRUSH)HandleOf(pBrush));
}

void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    // An opaque empty text run paints the rectangle in the background
    // colour without touching the selected brush.
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = { x, y, x + cx, y + cy };
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    // The top-right and bottom-left corner pixels take the bottom-right colour.
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, (HRGN)HandleOf(pRgn), (HBRUSH)HandleOf(pBrush));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, (HRGN)HandleOf(pRgn), (HBRUSH)HandleOf(pBrush), nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    return ::InvertRgn(m_hDC, (HRGN)HandleOf(pRgn));
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    return ::PaintRgn(m_hDC, (HRGN)HandleOf(pRgn));
}

// ---------------------------------------------------------------------------
// Bit blocks and pixels

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, SourceOf(pSrcDC), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC,
                     int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, SourceOf(pSrcDC), xSrc, ySrc,
                        nSrcWidth, nSrcHeight, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}

BOOL CDC::FloodFill(int x, int y, COLORREF crColor)
{
    return ::FloodFill(m_hDC, x, y, crColor);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip,
                   CRgn* pRgnUpdate, LPRECT lpRectUpdate)
{
    return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip, (HRGN)HandleOf(pRgnUpdate), lpRectUpdate);
}

// ---------------------------------------------------------------------------
// Text

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, (LPCSTR)str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect,
                     LPCSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, (LPCSTR)str, (UINT)str.GetLength(), lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount,
                         int nTabPositions, LPINT lpnTabStopPositions, int nTabOrigin)
{
    LONG extent = ::TabbedTextOutA(m_hDC, x, y, lpszString, nCount, nTabPositions,
                                   lpnTabStopPositions, nTabOrigin);
    return CSize((DWORD)extent);
}

CSize CDC::TabbedTextOut(int x, int y, const CString& str,
                         int nTabPositions, LPINT lpnTabStopPositions, int nTabOrigin)
{
    return TabbedTextOut(x, y, (LPCSTR)str, str.GetLength(), nTabPositions, lpnTabStopPositions, nTabOrigin);
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCSTR)str, str.GetLength(), lpRect, nFormat);
}

BOOL CDC::GrayString(CBrush* pBrush, GRAYSTRINGPROC lpfnOutput, LPARAM lpData,
                     int nCount, int x, int y, int nWidth, int nHeight)
{
    return ::GrayStringA(m_hDC, (HBRUSH)HandleOf(pBrush), lpfnOutput, lpData, nCount, x, y, nWidth, nHeight);
}

static CSize TextExtentOn(HDC hDC, LPCSTR lpszString, int nCount)
{
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    return TextExtentOn(m_hAttribDC, lpszString, nCount);
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return TextExtentOn(m_hAttribDC, str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const
{
    return TextExtentOn(m_hDC, lpszString, nCount);
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return TextExtentOn(m_hDC, str, str.GetLength());
}

static CSize TabbedExtentOn(HDC hDC, LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions)
{
    DWORD extent = ::GetTabbedTextExtentA(hDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(extent);
}

CSize CDC::GetTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    return TabbedExtentOn(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
}

CSize CDC::GetTabbedTextExtent(const CString& str, int nTabPositions, LPINT lpnTabStopPositions) const
{
    return TabbedExtentOn(m_hAttribDC, str, str.GetLength(), nTabPositions, lpnTabStopPositions);
}

CSize CDC::GetOutputTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    return TabbedExtentOn(m_hDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
}

CSize CDC::GetOutputTabbedTextExtent(const CString& str, int nTabPositions, LPINT lpnTabStopPositions) const
{
    return TabbedExtentOn(m_hDC, str, str.GetLength(), nTabPositions, lpnTabStopPositions);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidthA(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

BOOL CDC::GetOutputCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidthA(m_hDC, nFirstChar, nLastChar, lpBuffer);
}

BOOL CDC::GetCharWidth32(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidth32A(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

BOOL CDC::GetABCCharWidths(UINT nFirstChar, UINT nLastChar, LPABC lpabc) const
{
    return ::GetCharABCWidthsA(m_hAttribDC, nFirstChar, nLastChar, lpabc);
}

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const
{
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    int length = ::GetTextFaceA(m_hAttribDC, 0, nullptr);   // counts the terminator
    if (length <= 0)
    {
        rString.Empty();
        return 0;
    }
    int copied = ::GetTextFaceA(m_hAttribDC, length, rString.GetBuffer(length));
    rString.ReleaseBuffer();
    return copied;
}

DWORD CDC::GetFontData(DWORD dwTable, DWORD dwOffset, LPVOID lpData, DWORD cbData) const
{
    return ::GetFontData(m_hAttribDC, dwTable, dwOffset, lpData, cbData);
}

UINT CDC::GetOutlineTextMetrics(UINT cbData, LPOUTLINETEXTMETRIC lpotm) const
{
    return ::GetOutlineTextMetricsA(m_hAttribDC, cbData, lpotm);
}

// ---------------------------------------------------------------------------
// Paths

BOOL CDC::BeginPath()
{
    return ::BeginPath(m_hDC);
}

BOOL CDC::EndPath()
{
    return ::EndPath(m_hDC);
}

BOOL CDC::AbortPath()
{
    return ::AbortPath(m_hDC);
}

BOOL CDC::CloseFigure()
{
    return ::CloseFigure(m_hDC);
}

BOOL CDC::FillPath()
{
    return ::FillPath(m_hDC);
}

BOOL CDC::StrokePath()
{
    return ::StrokePath(m_hDC);
}

BOOL CDC::StrokeAndFillPath()
{
    return ::StrokeAndFillPath(m_hDC);
}

BOOL CDC::SelectClipPath(int nMode)
{
    return ::SelectClipPath(m_hDC, nMode);
}

// ---------------------------------------------------------------------------
// Printing

int CDC::StartDoc(LPDOCINFO lpDocInfo)
{
    return ::StartDocA(m_hDC, lpDocInfo);
}

int CDC::StartDoc(LPCSTR lpszDocName)
{
    DOCINFOA info = {};
    info.cbSize = sizeof(info);
    info.lpszDocName = lpszDocName;
    return ::StartDocA(m_hDC, &info);
}

int CDC::StartPage()
{
    return ::StartPage(m_hDC);
}

int CDC::EndPage()
{
    return ::EndPage(m_hDC);
}

int CDC::EndDoc()
{
    return ::EndDoc(m_hDC);
}

int CDC::AbortDoc()
{
    return ::AbortDoc(m_hDC);
}

int CDC::SetAbortProc(ABORTPROC lpfn)
{
    return ::SetAbortProc(m_hDC, lpfn);
}

int CDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData)
{
    return ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData);
}
