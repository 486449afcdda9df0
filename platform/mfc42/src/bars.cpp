// Control bars: CControlBar's layout along the frame edges and idle
// updates, CStatusBar over the common status control, and the floating
// CMiniDockFrameWnd.
#include "afxwin.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)
IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CFrameWnd)

// ---------------------------------------------------------------------------
// CControlBar

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CControlBar::CreateBar(LPCSTR lpszClass, DWORD dwStyle, CWnd* pParentWnd, UINT nID, DWORD dwCtrlStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD windowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | dwCtrlStyle;
    if (!CreateEx(0, lpszClass, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    if (pParentWnd && pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    {
        m_pDockSite = (CFrameWnd*)pParentWnd;
        m_pDockSite->AddControlBar(this);
    }
    return TRUE;
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CControlBar::IsVisible() const
{
    return (GetStyle() & WS_VISIBLE) != 0;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    if (m_bFloating && m_pDockSite)
        return m_pDockSite;
    return GetParentFrame();
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += 1;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += 1;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= 1;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= 1;
    if (bHorz)
    {
        rect.left += m_cxLeftBorder;
        rect.right -= m_cxRightBorder;
        rect.top += m_cyTopBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.right -= m_cyBottomBorder;
        rect.top += m_cxLeftBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = (bStretch && bHorz) ? 32767 : 0;
    size.cy = (bStretch && !bHorz) ? 32767 : 0;
    CRect border(0, 0, 0, 0);
    CalcInsideRect(border, bHorz);
    size.cx -= border.Width();
    size.cy -= border.Height();
    if (size.cx > 32767) size.cx = 32767;
    if (size.cy > 32767) size.cy = 32767;
    return size;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* layout = (AFX_SIZEPARENTPARAMS*)lParam;
    if (!(GetStyle() & WS_VISIBLE) || m_bFloating)
        return 0;
    CRect rect(layout->rect);
    CSize avail = rect.Size();
    BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || (m_dwStyle & CBRS_ALIGN_ANY) == 0;
    CSize size = CalcFixedLayout(layout->bStretch, horz);
    if (size.cx > avail.cx) size.cx = avail.cx;
    if (size.cy > avail.cy) size.cy = avail.cy;
    if (horz)
    {
        layout->sizeTotal.cy += size.cy;
        if (size.cx > layout->sizeTotal.cx) layout->sizeTotal.cx = size.cx;
        if (m_dwStyle & CBRS_ALIGN_BOTTOM)
        {
            rect.top = rect.bottom - size.cy;
            layout->rect.bottom -= size.cy;
        }
        else
            layout->rect.top += size.cy;
    }
    else
    {
        layout->sizeTotal.cx += size.cx;
        if (size.cy > layout->sizeTotal.cy) layout->sizeTotal.cy = size.cy;
        if (m_dwStyle & CBRS_ALIGN_RIGHT)
        {
            rect.left = rect.right - size.cx;
            layout->rect.right -= size.cx;
        }
        else
            layout->rect.left += size.cx;
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (layout->hDWP)
        layout->hDWP = ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, rect.left, rect.top, rect.Width(),
                                       rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    // Commands route from the frame the bar serves (its owner while it floats).
    CWnd* owner = GetOwner();
    CFrameWnd* pTarget = nullptr;
    if (m_bFloating && m_pDockSite)
        pTarget = m_pDockSite;
    else if (owner && owner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        pTarget = (CFrameWnd*)owner;
    else
        pTarget = GetParentFrame();
    if (pTarget)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    UINT edges = 0;
    if (m_dwStyle & CBRS_BORDER_LEFT) edges |= BF_LEFT;
    if (m_dwStyle & CBRS_BORDER_TOP) edges |= BF_TOP;
    if (m_dwStyle & CBRS_BORDER_RIGHT) edges |= BF_RIGHT;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) edges |= BF_BOTTOM;
    if (edges)
        ::DrawEdge(pDC->m_hDC, &rect, BDR_RAISEDINNER, edges);
}

void CControlBar::OnPaint()
{
    // A bar over a common control lets the control paint itself.
    if (m_pfnSuper)
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    if (m_pfnSuper)
        return (BOOL)Default();
    CRect rect;
    GetClientRect(&rect);
    ::FillRect(pDC->m_hDC, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::OnDestroy()
{
    // The dock site outlives its bars: children and owned popups go first.
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
    CWnd::OnDestroy();
}

// ---------------------------------------------------------------------------
// CStatusBar

// Sets a pane's enabled state, pop-out look and text from update handlers.
class CStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CStatusBar* bar = (CStatusBar*)m_pOther;
        UINT style = bar->GetPaneStyle(m_nIndex) & ~SBPS_DISABLED;
        if (!bOn)
            style |= SBPS_DISABLED;
        bar->SetPaneStyle(m_nIndex, style);
    }
    void SetCheck(int nCheck) override
    {
        CStatusBar* bar = (CStatusBar*)m_pOther;
        UINT style = bar->GetPaneStyle(m_nIndex) & ~SBPS_POPOUT;
        if (nCheck)
            style |= SBPS_POPOUT;
        bar->SetPaneStyle(m_nIndex, style);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCSTR lpszText) override
    {
        ((CStatusBar*)m_pOther)->SetPaneText(m_nIndex, lpszText);
    }
};

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

CStatusBar::CStatusBar()
{
    m_cxLeftBorder = 0;
    m_cxRightBorder = 0;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 0;
}

CStatusBar::~CStatusBar()
{
    if (m_hWnd)
        DestroyWindow();
    delete[] m_pPanes;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    DWORD style = dwStyle | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    if (pParentWnd && (pParentWnd->GetStyle() & WS_THICKFRAME) && !(pParentWnd->GetStyle() & WS_CHILD))
        style |= SBARS_SIZEGRIP;
    if (!CreateBar(STATUSCLASSNAMEA, style, pParentWnd, nID))
        return FALSE;
    m_hFont = (HFONT)SendMessage(WM_GETFONT);
    if (!m_hFont)
        m_hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    // The control keeps a height of its own; ask it by offering a tall one.
    SetWindowPos(nullptr, 0, 0, 100, 200, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    CRect rect;
    GetWindowRect(&rect);
    m_cyNatural = rect.Height() < 200 ? rect.Height() : 0;
    return TRUE;
}

int CStatusBar::TextWidth(LPCSTR lpsz) const
{
    HDC hdc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(hdc, m_hFont ? (HGDIOBJ)m_hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    ::GetTextExtentPoint32A(hdc, lpsz, lstrlenA(lpsz), &size);
    ::SelectObject(hdc, old);
    ::ReleaseDC(m_hWnd, hdc);
    return size.cx;
}

// Texts of the standard indicators, for programs whose resources lack them.
static LPCSTR StandardIndicatorText(UINT nID)
{
    switch (nID)
    {
    case ID_INDICATOR_EXT: return "EXT";
    case ID_INDICATOR_CAPS: return "CAP";
    case ID_INDICATOR_NUM: return "NUM";
    case ID_INDICATOR_SCRL: return "SCRL";
    case ID_INDICATOR_OVR: return "OVR";
    case ID_INDICATOR_REC: return "REC";
    case ID_INDICATOR_KANA: return "KANA";
    }
    return nullptr;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    delete[] m_pPanes;
    m_pPanes = nullptr;
    m_nCount = 0;
    if (nIDCount <= 0)
        return TRUE;
    m_pPanes = new AFX_STATUSPANE[nIDCount];
    m_nCount = nIDCount;
    BOOL allFound = TRUE;
    for (int i = 0; i < nIDCount; i++)
    {
        AFX_STATUSPANE& pane = m_pPanes[i];
        pane.nID = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
        pane.nStyle = SBPS_NORMAL;
        if (pane.nID != ID_SEPARATOR)
        {
            if (!pane.strText.LoadString(pane.nID))
            {
                LPCSTR standard = StandardIndicatorText(pane.nID);
                if (standard)
                    pane.strText = standard;
                else
                    allFound = FALSE;
            }
            pane.cxText = TextWidth(pane.strText);
        }
        else
        {
            // A separator is a quarter of the screen; the first one stretches.
            pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
        }
    }
    UpdateAllPanes(TRUE, TRUE);
    return allFound;
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (!m_hWnd || m_nCount <= 0)
        return;
    if (bUpdateRects)
    {
        CRect client;
        GetClientRect(&client);
        const int pad = 8;
        int fixed = 0;
        for (int i = 0; i < m_nCount; i++)
            if (!(m_pPanes[i].nStyle & SBPS_STRETCH))
                fixed += m_pPanes[i].cxText + pad;
        int grip = (GetStyle() & SBARS_SIZEGRIP) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
        int stretch = client.Width() - fixed - grip;
        if (stretch < 0)
            stretch = 0;
        int* rights = new int[m_nCount];
        int x = 0;
        for (int i = 0; i < m_nCount; i++)
        {
            x += (m_pPanes[i].nStyle & SBPS_STRETCH) ? stretch : m_pPanes[i].cxText + pad;
            rights[i] = x;
        }
        rights[m_nCount - 1] = -1;
        SendMessage(SB_SETPARTS, (WPARAM)m_nCount, (LPARAM)rights);
        delete[] rights;
    }
    if (bUpdateText)
    {
        for (int i = 0; i < m_nCount; i++)
        {
            const AFX_STATUSPANE& pane = m_pPanes[i];
            UINT flags = pane.nStyle & (SBPS_NOBORDERS | SBPS_POPOUT);
            LPCSTR text = (pane.nStyle & SBPS_DISABLED) ? "" : (LPCSTR)pane.strText;
            SendMessage(SB_SETTEXTA, (WPARAM)(i | flags), (LPARAM)text);
        }
    }
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < m_nCount; i++)
        if (m_pPanes[i].nID == nIDFind)
            return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return (nIndex >= 0 && nIndex < m_nCount) ? m_pPanes[nIndex].nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    if (nIndex >= 0 && nIndex < m_nCount)
        SendMessage(SB_GETRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return FALSE;
    AFX_STATUSPANE& pane = m_pPanes[nIndex];
    CString text = lpszNewText;
    if (pane.strText == text)
        return TRUE;   // idle updates repeat themselves: no flicker
    pane.strText = text;
    if (bUpdate && m_hWnd)
    {
        UINT flags = pane.nStyle & (SBPS_NOBORDERS | SBPS_POPOUT);
        LPCSTR shown = (pane.nStyle & SBPS_DISABLED) ? "" : (LPCSTR)pane.strText;
        SendMessage(SB_SETTEXTA, (WPARAM)(nIndex | flags), (LPARAM)shown);
    }
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return CString();
    return m_pPanes[nIndex].strText;
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const
{
    rString = GetPaneText(nIndex);
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
    {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    nID = m_pPanes[nIndex].nID;
    nStyle = m_pPanes[nIndex].nStyle;
    cxWidth = m_pPanes[nIndex].cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return;
    AFX_STATUSPANE& pane = m_pPanes[nIndex];
    BOOL resized = pane.cxText != cxWidth || ((pane.nStyle ^ nStyle) & SBPS_STRETCH);
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    UpdateAllPanes(resized, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return (nIndex >= 0 && nIndex < m_nCount) ? m_pPanes[nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= m_nCount || m_pPanes[nIndex].nStyle == nStyle)
        return;
    BOOL resized = ((m_pPanes[nIndex].nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    m_pPanes[nIndex].nStyle = nStyle;
    UpdateAllPanes(resized, TRUE);
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    if (m_cyNatural > 0)
    {
        size.cy = m_cyNatural;
        return size;
    }
    HDC hdc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(hdc, m_hFont ? (HGDIOBJ)m_hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, old);
    ::ReleaseDC(m_hWnd, hdc);
    size.cy = tm.tmHeight + 4 * ::GetSystemMetrics(SM_CYBORDER) + 4 + m_cyTopBorder + m_cyBottomBorder;
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_nCount;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = m_pPanes[state.m_nIndex].nID;
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(pTarget, FALSE);
    }
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int index = CommandToIndex(ID_SEPARATOR);
    if (index < 0)
        return FALSE;
    SetPaneText(index, (LPCSTR)lParam);
    return TRUE;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    int index = CommandToIndex(ID_SEPARATOR);
    CString text = index >= 0 ? GetPaneText(index) : CString();
    if (!wParam || !lParam)
        return 0;
    lstrcpynA((LPSTR)lParam, text, (int)wParam);
    return lstrlenA((LPSTR)lParam);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    int index = CommandToIndex(ID_SEPARATOR);
    return index >= 0 ? GetPaneText(index).GetLength() : 0;
}

// ---------------------------------------------------------------------------
// CMiniDockFrameWnd

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() = default;

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD)
{
    m_bAutoMenuEnable = FALSE;
    return CreateEx(WS_EX_TOOLWINDOW, AfxFrameOrViewClassName(), "",
                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, CRect(0, 0, 100, 40),
                    pParent, 0);
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (!m_hWnd || !m_pBar || !m_pBar->m_hWnd)
        return;
    BOOL horz = (m_pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CSize size = m_pBar->CalcFixedLayout(FALSE, horz);
    if (size.cx <= 0) size.cx = 120;
    if (size.cy <= 0) size.cy = 24;
    m_pBar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rect(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rect, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMiniDockFrameWnd::OnClose()
{
    if (m_pBar && m_pBar->m_pDockSite)
        m_pBar->m_pDockSite->ShowControlBar(m_pBar, FALSE, FALSE);
    else
        ShowWindow(SW_HIDE);
}
