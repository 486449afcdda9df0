// The splash window.
#include "xlogownd.h"

IMPLEMENT_DYNAMIC(CXLogoWnd, CWnd)

BEGIN_MESSAGE_MAP(CXLogoWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CXLogoWnd::CXLogoWnd() = default;

CXLogoWnd::~CXLogoWnd()
{
    EndLogo();
}

BOOL CXLogoWnd::Create(UINT nIDBitmap)
{
    m_nIDBitmap = nIDBitmap;
    return TRUE;
}

void CXLogoWnd::BeginLogo()
{
    if (m_hWnd || !m_nIDBitmap)
        return;
    m_hBitmap = (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDBitmap), IMAGE_BITMAP, 0, 0,
                                      LR_DEFAULTCOLOR);
    if (!m_hBitmap)
        return;
    BITMAP bm = {};
    ::GetObjectA(m_hBitmap, sizeof(bm), &bm);
    m_size = CSize(bm.bmWidth, bm.bmHeight);
    int x = (::GetSystemMetrics(SM_CXSCREEN) - m_size.cx) / 2;
    int y = (::GetSystemMetrics(SM_CYSCREEN) - m_size.cy) / 2;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, AfxRegisterWndClass(0, ::LoadCursorA(nullptr, (LPCSTR)IDC_WAIT)),
                  "", WS_POPUP | WS_VISIBLE, x, y, m_size.cx, m_size.cy, nullptr, nullptr))
    {
        ::DeleteObject(m_hBitmap);
        m_hBitmap = nullptr;
        return;
    }
    UpdateWindow();
}

void CXLogoWnd::EndLogo()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_hBitmap)
    {
        ::DeleteObject(m_hBitmap);
        m_hBitmap = nullptr;
    }
}

void CXLogoWnd::OnPaint()
{
    CPaintDC dc(this);
    if (!m_hBitmap)
        return;
    HDC memory = ::CreateCompatibleDC(dc.m_hDC);
    HGDIOBJ old = ::SelectObject(memory, m_hBitmap);
    ::BitBlt(dc.m_hDC, 0, 0, m_size.cx, m_size.cy, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}
