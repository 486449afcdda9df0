// A device context that draws into an off-screen bitmap covering a
// rectangle of a window's client area and copies the picture to the window
// when it is destroyed: a control or ruler paints without flicker while it
// keeps drawing in client coordinates.
#pragma once
#include "afxwin.h"

// The background that asks for the window's current pixels under the
// rectangle instead of a fill.
constexpr COLORREF kKeepWindowPixels = 0x80000000;

class CWBitmapDC : public CDC
{
public:
    // rect null covers the window's update rectangle (it is not erased).
    CWBitmapDC(CWnd* wnd, CRect* rect = NULL, COLORREF background = kKeepWindowPixels);
    // Puts the picture on the window and validates its whole client area.
    virtual ~CWBitmapDC();

    // Origins in client coordinates, as if drawing on the window itself.
    virtual CPoint SetViewportOrg(int x, int y) override;
    CPoint GetViewportOrg() const;
    CPoint GetWindowOrg() const;
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    virtual CPoint SetWindowOrg(int x, int y) override;
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }

    const CRect& Covered() const { return m_rect; }

private:
    CWnd* m_pWnd;
    CClientDC m_clientDC;
    CBitmap* m_pBitmap = NULL;
    CBitmap* m_pOldBitmap = NULL;
    CRect m_rect;
};
