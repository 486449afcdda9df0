// The page counter shown while the vertical scroll thumb is dragged.
#include "view/page_counter.h"

BEGIN_MESSAGE_MAP(CScrollViewPageCounter, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

int CScrollViewPageCounter::s_bFirstCallDuringScrolling = 1;

namespace {

const COLORREF kPaleYellow = RGB(255, 255, 200);
const int kStartX = 300, kStartY = 200, kStartSize = 20;
const int kPadX = 10, kPadY = 6;
const int kAboveMouse = 10;
const int kFromRightEdge = 50;

} // namespace

CScrollViewPageCounter::CScrollViewPageCounter(CWnd* parent)
{
    // A popup owned by the view's window, so it stands in screen
    // coordinates over the view; a child window would be placed inside the
    // view's client area instead.
    const DWORD style = WS_POPUP | WS_BORDER;
    m_hParent = parent ? parent->GetSafeHwnd() : NULL;
    CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, AfxWndClassName(), "", style, kStartX, kStartY, kStartSize,
             kStartSize, parent ? parent->GetSafeHwnd() : NULL, NULL);
}

CScrollViewPageCounter::~CScrollViewPageCounter()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CScrollViewPageCounter::Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect, CWnd* parent,
                                    UINT id, CCreateContext* context)
{
    return CWnd::Create(className, title, style, rect, parent, id, context);
}

void CScrollViewPageCounter::DisplayPageNumber(UINT page)
{
    // Windows makes the view's top-level frame the owner of the popup;
    // the counter places itself by the view.
    HWND owner = m_hParent;
    if (!owner || !m_hWnd)
        return;
    if (s_bFirstCallDuringScrolling)
    {
        POINT mouse;
        ::GetCursorPos(&mouse);
        m_nTop = mouse.y;
    }
    RECT client;
    ::GetClientRect(owner, &client);
    ::MapWindowPoints(owner, NULL, (POINT*)&client, 2);
    m_strText.Format("Page %d", page);
    CSize size;
    {
        CClientDC dc(this);
        size = dc.GetTextExtent(m_strText);
    }
    const int width = size.cx + kPadX;
    SetWindowPos(NULL, client.right - width - kFromRightEdge, m_nTop - kAboveMouse, width, size.cy + kPadY,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNOACTIVATE);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    s_bFirstCallDuringScrolling = 0;
}

void CScrollViewPageCounter::Reset()
{
    if (m_hWnd)
        ShowWindow(SW_HIDE);
    s_bFirstCallDuringScrolling = 1;
}

BOOL CScrollViewPageCounter::OnEraseBkgnd(CDC* dc)
{
    CRect box;
    dc->GetClipBox(&box);
    CBrush brush(kPaleYellow);
    CBrush* old = dc->SelectObject(&brush);
    dc->PatBlt(box.left, box.top, box.Width(), box.Height(), PATCOPY);
    dc->SelectObject(old);
    return TRUE;
}

void CScrollViewPageCounter::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    dc.SetBkMode(TRANSPARENT);
    const CSize size = dc.GetTextExtent(m_strText);
    dc.TextOut(client.right / 2, (client.Height() - size.cy) / 2, m_strText);
}

void CScrollViewPageCounter::OnDestroy()
{
    CWnd::OnDestroy();
}

// The view deletes the counter: Windows destroys an owned popup with the
// top-level window that owns it, which may come before the view goes, and a
// counter that deleted itself then would leave the view a dangling pointer.
void CScrollViewPageCounter::PostNcDestroy()
{
}
