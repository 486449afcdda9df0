// CWBitmapDC: drawing in client coordinates into an off-screen bitmap that
// reaches the window in one copy when the context goes.
#include "view/CWBitmapDC.h"
#include "view/drawing_helpers.h"

CWBitmapDC::CWBitmapDC(CWnd* wnd, CRect* rect, COLORREF background) : m_pWnd(wnd), m_clientDC(wnd)
{
    if (rect)
        m_rect = *rect;
    else if (!wnd || !::GetUpdateRect(wnd->m_hWnd, &m_rect, FALSE))
        m_rect.SetRectEmpty();
    m_rect.NormalizeRect();
    CreateCompatibleDC(&m_clientDC);
    if (m_rect.IsRectEmpty())
        return;   // nothing to cover: drawing goes nowhere
    if (background == kKeepWindowPixels)
        m_pBitmap = GetBitmap(m_clientDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height());
    else
    {
        m_pBitmap = new CBitmap;
        m_pBitmap->CreateCompatibleBitmap(&m_clientDC, m_rect.Width(), m_rect.Height());
    }
    m_pOldBitmap = CDC::SelectObject(m_pBitmap);
    if (background != kKeepWindowPixels)
        FillSolidRect(0, 0, m_rect.Width(), m_rect.Height(), background);
    CDC::SetViewportOrg(-m_rect.left, -m_rect.top);
}

CWBitmapDC::~CWBitmapDC()
{
    CDC::SetWindowOrg(0, 0);
    CDC::SetViewportOrg(0, 0);
    if (m_pBitmap)
    {
        CDC::SelectObject(m_pOldBitmap);
        DrawBitmap(m_clientDC, *m_pBitmap, m_rect.left, m_rect.top);
        delete m_pBitmap;
    }
    if (m_pWnd && m_pWnd->m_hWnd)
        m_pWnd->ValidateRect(NULL);
    DeleteDC();
}

CPoint CWBitmapDC::SetViewportOrg(int x, int y)
{
    const CPoint old = CDC::SetViewportOrg(x - m_rect.left, y - m_rect.top);
    return old + m_rect.TopLeft();
}

CPoint CWBitmapDC::GetViewportOrg() const
{
    return CDC::GetViewportOrg() + m_rect.TopLeft();
}

CPoint CWBitmapDC::SetWindowOrg(int x, int y)
{
    const CPoint old = CDC::SetWindowOrg(x + m_rect.left, y + m_rect.top);
    return CPoint(old.x - m_rect.left, old.y - m_rect.top);
}

CPoint CWBitmapDC::GetWindowOrg() const
{
    const CPoint org = CDC::GetWindowOrg();
    return CPoint(org.x - m_rect.left, org.y - m_rect.top);
}
