// A context of the view's client area prepared by OnPrepareDC for one
// measurement; a view without a window measures on the screen.
#pragma once
#include "view/CWView.h"

class CPreparedViewDC
{
public:
    explicit CPreparedViewDC(CWView* view)
        : m_hWnd(view->HasWindow() ? view->m_hWnd : NULL)
    {
        m_dc.Attach(::GetDC(m_hWnd));
        view->OnPrepareDC(&m_dc);
    }
    ~CPreparedViewDC()
    {
        ::ReleaseDC(m_hWnd, m_dc.Detach());
    }
    CPreparedViewDC(const CPreparedViewDC&) = delete;
    CPreparedViewDC& operator=(const CPreparedViewDC&) = delete;
    CDC* operator->() { return &m_dc; }
    CDC* Get() { return &m_dc; }

private:
    HWND m_hWnd;
    CDC m_dc;
};
