// CView: a window on a document, painted through OnPrepareDC and OnDraw;
// CScrollView: a view over a logical area with scroll bars.
#include "afxwin.h"
#include "afxprint.h"
#include <climits>

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)

// ---------------------------------------------------------------------------
// CView

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CView::CView() = default;

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxFrameOrViewClassName();
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // Without a known last page only one page is printed.
    if (pInfo)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

LRESULT CView::OnPrintClient(WPARAM wParam, LPARAM)
{
    // Draws into the caller's DC as into the window (PrintWindow, WM_PRINT).
    CDC dc;
    if (!dc.Attach((HDC)wParam))
        return 0;
    int saved = dc.SaveDC();
    OnPrepareDC(&dc);
    OnDraw(&dc);
    dc.RestoreDC(saved);
    dc.Detach();
    return 0;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    // The active view of the active frame takes the focus.
    if (bActivate && pActivateView == this)
    {
        CWnd* top = GetTopLevelParent();
        if (top && top->m_hWnd == ::GetActiveWindow())
            SetFocus();
    }
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int result = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame)
    {
        HWND focus = ::GetFocus();
        if (pFrame->GetActiveView() == this && m_hWnd != focus && !::IsChild(m_hWnd, focus))
            OnActivateView(TRUE, this, this);
        else
            pFrame->SetActiveView(this);
    }
    return result;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---------------------------------------------------------------------------
// CScrollView

const SIZE CScrollView::sizeDefault = { 0, 0 };

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

CScrollView::CScrollView() = default;

// Logical to device units of a map mode, measured on the screen.
static CSize LogicalToDevice(int nMapMode, SIZE size)
{
    HDC hdc = ::GetDC(nullptr);
    ::SetMapMode(hdc, nMapMode);
    POINT pt = { size.cx, size.cy };
    ::LPtoDP(hdc, &pt, 1);
    POINT origin = { 0, 0 };
    ::LPtoDP(hdc, &origin, 1);
    ::ReleaseDC(nullptr, hdc);
    CSize result(pt.x - origin.x, pt.y - origin.y);
    if (result.cx < 0) result.cx = -result.cx;
    if (result.cy < 0) result.cy = -result.cy;
    return result;
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = LogicalToDevice(nMapMode, sizeTotal);
    m_pageDev = LogicalToDevice(nMapMode, sizePage);
    m_lineDev = LogicalToDevice(nMapMode, sizeLine);
    // Defaults: a page is a tenth of the total, a line a tenth of a page.
    if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0) m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0) m_lineDev.cy = m_pageDev.cy / 10;
    if (m_hWnd)
    {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    CPoint pt = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT && m_nMapMode != 0)
    {
        HDC hdc = ::GetDC(nullptr);
        ::SetMapMode(hdc, m_nMapMode);
        ::DPtoLP(hdc, &pt, 1);
        ::ReleaseDC(nullptr, hdc);
    }
    return pt;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    if (m_nMapMode != MM_TEXT && m_nMapMode != 0)
    {
        HDC hdc = ::GetDC(nullptr);
        ::SetMapMode(hdc, m_nMapMode);
        ::LPtoDP(hdc, &pt, 1);
        ::ReleaseDC(nullptr, hdc);
    }
    // The modes with y upwards give negative device positions going down.
    if (pt.y < 0)
        pt.y = -pt.y;
    ScrollToDevicePosition(pt);
}

void CScrollView::ScrollToDevicePosition(POINT ptDev)
{
    int xLimit = GetScrollLimit(SB_HORZ);
    int yLimit = GetScrollLimit(SB_VERT);
    if (ptDev.x > xLimit) ptDev.x = xLimit;
    if (ptDev.y > yLimit) ptDev.y = yLimit;
    if (ptDev.x < 0) ptDev.x = 0;
    if (ptDev.y < 0) ptDev.y = 0;
    CPoint old = GetDeviceScrollPosition();
    SetScrollPos(SB_HORZ, ptDev.x);
    SetScrollPos(SB_VERT, ptDev.y);
    CPoint now = GetDeviceScrollPosition();
    if (now != old)
        ScrollWindow(old.x - now.x, old.y - now.y);
}

void CScrollView::UpdateBars()
{
    if (m_bInsideUpdate || !m_hWnd || m_nMapMode == 0)
        return;
    m_bInsideUpdate = TRUE;
    // The client area without any bar, then the bars that it needs.
    CRect client;
    GetClientRect(&client);
    CSize size = client.Size();
    DWORD style = GetStyle();
    int cxBar = ::GetSystemMetrics(SM_CXVSCROLL);
    int cyBar = ::GetSystemMetrics(SM_CYHSCROLL);
    if (style & WS_VSCROLL) size.cx += cxBar;
    if (style & WS_HSCROLL) size.cy += cyBar;
    BOOL needH = m_totalDev.cx > size.cx;
    BOOL needV = m_totalDev.cy > size.cy;
    if (needH && !needV && m_totalDev.cy > size.cy - cyBar) needV = TRUE;
    if (needV && !needH && m_totalDev.cx > size.cx - cxBar) needH = TRUE;
    if (needV) size.cx -= cxBar;
    if (needH) size.cy -= cyBar;

    CPoint pos = GetDeviceScrollPosition();
    SCROLLINFO info = {};
    info.fMask = SIF_PAGE | SIF_RANGE;
    info.nMin = 0;
    info.nMax = needH ? m_totalDev.cx - 1 : 0;
    info.nPage = needH ? (UINT)size.cx : 0;
    SetScrollInfo(SB_HORZ, &info, TRUE);
    info.nMax = needV ? m_totalDev.cy - 1 : 0;
    info.nPage = needV ? (UINT)size.cy : 0;
    SetScrollInfo(SB_VERT, &info, TRUE);
    ShowScrollBar(SB_HORZ, needH);
    ShowScrollBar(SB_VERT, needV);
    // The position may have to come back inside the new range.
    if (!needH) pos.x = 0;
    if (!needV) pos.y = 0;
    ScrollToDevicePosition(pos);
    m_bInsideUpdate = FALSE;
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_nMapMode != 0)
    {
        pDC->SetMapMode(m_nMapMode);
        // A printed page starts at the top of the document, not at the
        // scroll position.
        if (!pDC->IsPrinting())
        {
            CPoint origin = GetDeviceScrollPosition();
            pDC->SetViewportOrg(-origin.x, -origin.y);
        }
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
}

// The new position along one bar for a scroll code.
static int ScrolledPosition(CWnd* pWnd, int nBar, UINT code, int pos, int page, int line)
{
    switch (code)
    {
    case SB_TOP: return 0;
    case SB_BOTTOM: return INT_MAX;
    case SB_LINEUP: return pos - line;
    case SB_LINEDOWN: return pos + line;
    case SB_PAGEUP: return pos - page;
    case SB_PAGEDOWN: return pos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
    {
        // The 32-bit track position, not the message's 16 bits.
        SCROLLINFO info = {};
        pWnd->GetScrollInfo(nBar, &info, SIF_TRACKPOS);
        return info.nTrackPos;
    }
    }
    return pos;
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT, BOOL bDoScroll)
{
    CPoint pos = GetDeviceScrollPosition();
    int x = pos.x, y = pos.y;
    UINT hCode = LOBYTE(nScrollCode), vCode = HIBYTE(nScrollCode);
    if (hCode != 0xFF)
        x = ScrolledPosition(this, SB_HORZ, hCode, pos.x, m_pageDev.cx, m_lineDev.cx);
    if (vCode != 0xFF)
        y = ScrolledPosition(this, SB_VERT, vCode, pos.y, m_pageDev.cy, m_lineDev.cy);
    long dx = (long)x - pos.x, dy = (long)y - pos.y;
    if (dx > INT_MAX / 2) dx = INT_MAX / 2;
    if (dy > INT_MAX / 2) dy = INT_MAX / 2;
    return OnScrollBy(CSize((int)dx, (int)dy), bDoScroll);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    DWORD style = GetStyle();
    if (!(style & WS_VSCROLL))
        sizeScroll.cy = 0;
    if (!(style & WS_HSCROLL))
        sizeScroll.cx = 0;
    CPoint old = GetDeviceScrollPosition();
    int x = old.x + sizeScroll.cx;
    int y = old.y + sizeScroll.cy;
    int xMax = GetScrollLimit(SB_HORZ), yMax = GetScrollLimit(SB_VERT);
    if (x < 0) x = 0; else if (x > xMax) x = xMax;
    if (y < 0) y = 0; else if (y > yMax) y = yMax;
    if (x == old.x && y == old.y)
        return FALSE;
    if (bDoScroll)
    {
        ScrollWindow(old.x - x, old.y - y);
        if (x != old.x) SetScrollPos(SB_HORZ, x);
        if (y != old.y) SetScrollPos(SB_VERT, y);
    }
    return TRUE;
}

void CScrollView::FillOutsideRect(CDC* pDC, CBrush* pBrush)
{
    // Paints the client area beyond the total size (device units).
    CRect client;
    GetClientRect(&client);
    CPoint pos = GetDeviceScrollPosition();
    int right = m_totalDev.cx - pos.x;
    int bottom = m_totalDev.cy - pos.y;
    HBRUSH brush = (HBRUSH)pBrush->m_hObject;
    int saved = ::SaveDC(pDC->m_hDC);
    ::SetMapMode(pDC->m_hDC, MM_TEXT);
    ::SetViewportOrgEx(pDC->m_hDC, 0, 0, nullptr);
    if (right < client.right)
    {
        RECT r = { right, 0, client.right, client.bottom };
        ::FillRect(pDC->m_hDC, &r, brush);
    }
    if (bottom < client.bottom)
    {
        RECT r = { 0, bottom, right < client.right ? right : client.right, client.bottom };
        ::FillRect(pDC->m_hDC, &r, brush);
    }
    ::RestoreDC(pDC->m_hDC, saved);
}

void CScrollView::ResizeParentToFit(BOOL bShrinkOnly)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (!pFrame)
        return;
    CRect client;
    GetClientRect(&client);
    CSize delta(m_totalDev.cx - client.Width(), m_totalDev.cy - client.Height());
    if (bShrinkOnly)
    {
        if (delta.cx > 0) delta.cx = 0;
        if (delta.cy > 0) delta.cy = 0;
    }
    CRect frame;
    pFrame->GetWindowRect(&frame);
    pFrame->SetWindowPos(nullptr, 0, 0, frame.Width() + delta.cx, frame.Height() + delta.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
