// CSplitterWnd: panes in up to two rows (and columns) with a bar between
// rows that the mouse drags; a dynamic splitter adds its second row on
// SplitRow or when the split box at its top is dragged down.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

static LPCSTR SplitterClass()
{
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW),
                               (HBRUSH)(COLOR_BTNFACE + 1));
}

BOOL CSplitterWnd::Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin,
                          CCreateContext* pContext, DWORD dwStyle, UINT nID)
{
    if (nMaxRows < 1 || nMaxRows > kMaxRows || nMaxCols != 1 || !pContext || !pContext->m_pNewViewClass)
        return FALSE;
    m_bDynamic = TRUE;
    m_nMaxRows = nMaxRows;
    m_nMaxCols = nMaxCols;
    m_nRows = 1;
    m_nCols = 1;
    m_sizeMin = sizeMin;
    m_pDynamicViewClass = pContext->m_pNewViewClass;
    for (int r = 0; r < kMaxRows; r++)
        m_rowInfo[r] = { sizeMin.cy, -1, 0 };
    // Scroll bars asked of the splitter belong to its panes (each view
    // keeps its own); on the splitter's window they would be a dead pair.
    const DWORD ownStyle = dwStyle & ~(SPLS_DYNAMIC_SPLIT | WS_HSCROLL | WS_VSCROLL);
    if (!CreateEx(0, SplitterClass(), nullptr, ownStyle | WS_CHILD | WS_CLIPCHILDREN,
                  CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    return CreateView(0, 0, m_pDynamicViewClass, CSize(0, 0), pContext);
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (nRows < 1 || nRows > kMaxRows || nCols < 1 || nCols > kMaxCols || (nRows > 1 && nCols > 1))
        return FALSE;
    m_bDynamic = FALSE;
    m_nRows = m_nMaxRows = nRows;
    m_nCols = m_nMaxCols = nCols;
    for (int r = 0; r < kMaxRows; r++)
        m_rowInfo[r] = { 0, -1, 0 };
    const DWORD ownStyle = dwStyle & ~(WS_HSCROLL | WS_VSCROLL);
    return CreateEx(0, SplitterClass(), nullptr, ownStyle | WS_CHILD | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParentWnd,
                    nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext)
{
    if (GetPane(row, col))
        return FALSE;
    CObject* object = pViewClass->CreateObject();
    if (!object || !object->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete object;
        return FALSE;
    }
    CWnd* pWnd = (CWnd*)object;
    if (m_nCols == 1 && sizeInit.cy > 0)
        m_rowInfo[row].nIdealSize = sizeInit.cy;
    if (m_nRows == 1 && col < kMaxRows && sizeInit.cx > 0)
        m_rowInfo[col].nIdealSize = sizeInit.cx;
    // The view joins the context's document; a later pane copies pane 0's.
    CCreateContext context;
    if (pContext)
        context = *pContext;
    if (!context.m_pCurrentDoc)
    {
        CWnd* first = GetPane(0, 0);
        if (first && first->IsKindOf(RUNTIME_CLASS(CView)))
            context.m_pCurrentDoc = ((CView*)first)->GetDocument();
    }
    context.m_pNewViewClass = pViewClass;
    if (!pWnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                      IdFromRowCol(row, col), &context))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (!m_hWnd)
        return nullptr;
    HWND hWnd = ::GetDlgItem(m_hWnd, IdFromRowCol(row, col));
    return hWnd ? FromHandlePermanent(hWnd) : nullptr;
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (!pWnd || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    int id = pWnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (id < 0 || id > 0xFF)
        return FALSE;
    if (pRow) *pRow = id / 16;
    if (pCol) *pCol = id % 16;
    return TRUE;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_rowInfo[row].nCurSize;
    cyMin = m_rowInfo[row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_rowInfo[row].nIdealSize = cyIdeal;
    m_rowInfo[row].nMinSize = cyMin;
}

void CSplitterWnd::RecalcLayout()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    // The dynamic splitter keeps a split box above a lone row.
    int top = (m_bDynamic && m_nRows == 1 && m_nMaxRows > 1) ? m_cySplitter : 0;
    if (m_nCols > 1)
    {
        int width = client.Width() - m_cxSplitter;
        int first = m_rowInfo[0].nIdealSize >= 0 ? m_rowInfo[0].nIdealSize : width / 2;
        if (first > width) first = width;
        if (first < 0) first = 0;
        m_rowInfo[0].nCurSize = first;
        m_rowInfo[1].nCurSize = width - first;
        if (CWnd* p = GetPane(0, 0))
            p->MoveWindow(0, 0, first, client.Height());
        if (CWnd* p = GetPane(0, 1))
            p->MoveWindow(first + m_cxSplitter, 0, width - first, client.Height());
    }
    else if (m_nRows > 1)
    {
        int height = client.Height() - m_cySplitter;
        int first = m_rowInfo[0].nIdealSize >= 0 ? m_rowInfo[0].nIdealSize : height / 2;
        if (first > height) first = height;
        if (first < 0) first = 0;
        m_rowInfo[0].nCurSize = first;
        m_rowInfo[1].nCurSize = height - first;
        if (CWnd* p = GetPane(0, 0))
            p->MoveWindow(0, 0, client.Width(), first);
        if (CWnd* p = GetPane(1, 0))
            p->MoveWindow(0, first + m_cySplitter, client.Width(), height - first);
    }
    else
    {
        m_rowInfo[0].nCurSize = client.Height() - top;
        if (CWnd* p = GetPane(0, 0))
            p->MoveWindow(0, top, client.Width(), client.Height() - top);
    }
    Invalidate(TRUE);
}

BOOL CSplitterWnd::SplitRow(int cyBefore)
{
    if (!m_bDynamic || m_nRows >= m_nMaxRows || !m_pDynamicViewClass)
        return FALSE;
    m_nRows = 2;
    m_rowInfo[0].nIdealSize = cyBefore;
    CCreateContext context;
    CWnd* first = GetPane(0, 0);
    if (first && first->IsKindOf(RUNTIME_CLASS(CView)))
    {
        context.m_pCurrentDoc = ((CView*)first)->GetDocument();
        context.m_pLastView = (CView*)first;
    }
    context.m_pNewViewClass = m_pDynamicViewClass;
    if (!CreateView(1, 0, m_pDynamicViewClass, CSize(0, 0), &context))
    {
        m_nRows = 1;
        RecalcLayout();
        return FALSE;
    }
    if (CWnd* pane = GetPane(1, 0))
        pane->SendMessage(WM_INITIALUPDATE);
    RecalcLayout();
    return TRUE;
}

void CSplitterWnd::DeleteRow(int rowDelete)
{
    if (m_nRows < 2 || rowDelete < 0 || rowDelete > 1)
        return;
    CWnd* pane = GetPane(rowDelete, 0);
    CFrameWnd* frame = GetParentFrame();
    if (frame && pane && (CWnd*)frame->GetActiveView() == pane)
    {
        CWnd* other = GetPane(1 - rowDelete, 0);
        frame->SetActiveView(other && other->IsKindOf(RUNTIME_CLASS(CView)) ? (CView*)other : nullptr);
    }
    if (pane)
        pane->DestroyWindow();
    // The remaining pane becomes row 0.
    if (rowDelete == 0)
        if (CWnd* rest = GetPane(1, 0))
            rest->SetDlgCtrlID(IdFromRowCol(0, 0));
    m_nRows = 1;
    m_rowInfo[0].nIdealSize = -1;
    RecalcLayout();
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    CFrameWnd* frame = GetParentFrame();
    CWnd* view = frame ? (CWnd*)frame->GetActiveView() : nullptr;
    if (!view || !IsChildPane(view, pRow, pCol))
    {
        view = CWnd::GetFocus();
        if (!view || !IsChildPane(view, pRow, pCol))
            return nullptr;
    }
    return view;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd)
{
    CWnd* pane = pWnd ? pWnd : GetPane(row, col);
    if (!pane)
        return;
    CFrameWnd* frame = GetParentFrame();
    if (frame && pane->IsKindOf(RUNTIME_CLASS(CView)))
        frame->SetActiveView((CView*)pane);
    else
        pane->SetFocus();
}

int CSplitterWnd::HitTestBar(CPoint point) const
{
    if (m_nRows > 1)
    {
        int y = m_rowInfo[0].nCurSize;
        return (point.y >= y && point.y < y + m_cySplitter) ? 1 : 0;
    }
    if (m_nCols > 1)
    {
        int x = m_rowInfo[0].nCurSize;
        return (point.x >= x && point.x < x + m_cxSplitter) ? 1 : 0;
    }
    if (m_bDynamic && m_nMaxRows > 1)
        return point.y < m_cySplitter ? 1 : 0;
    return 0;
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CRect bar;
    if (m_nRows > 1)
        bar.SetRect(0, m_rowInfo[0].nCurSize, client.right, m_rowInfo[0].nCurSize + m_cySplitter);
    else if (m_nCols > 1)
        bar.SetRect(m_rowInfo[0].nCurSize, 0, m_rowInfo[0].nCurSize + m_cxSplitter, client.bottom);
    else if (m_bDynamic && m_nMaxRows > 1)
        bar.SetRect(0, 0, client.right, m_cySplitter);
    else
        return;
    ::FillRect(dc.m_hDC, &bar, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(dc.m_hDC, &bar, EDGE_RAISED, BF_RECT);
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && pWnd == this)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (HitTestBar(point))
        {
            ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)(m_nCols > 1 ? IDC_SIZEWE : IDC_SIZENS)));
            return TRUE;
        }
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    if (!HitTestBar(point))
        return;
    m_bTracking = TRUE;
    m_yTrack = m_nCols > 1 ? point.x : point.y;
    SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (m_bTracking)
        m_yTrack = m_nCols > 1 ? point.x : point.y;
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint point)
{
    if (!m_bTracking)
        return;
    m_bTracking = FALSE;
    ReleaseCapture();
    int pos = m_nCols > 1 ? point.x : point.y;
    CRect client;
    GetClientRect(&client);
    if (m_nRows == 1 && m_nCols == 1)
    {
        // Dragged out of the split box: split where the mouse let go.
        if (pos > m_cySplitter + m_sizeMin.cy)
            SplitRow(pos);
        return;
    }
    if (m_bDynamic && m_nRows > 1)
    {
        // Dragged to an edge: the row on that side goes.
        if (pos < m_sizeMin.cy)
        {
            DeleteRow(0);
            return;
        }
        if (pos > client.Height() - m_sizeMin.cy - m_cySplitter)
        {
            DeleteRow(1);
            return;
        }
    }
    m_rowInfo[0].nIdealSize = pos;
    RecalcLayout();
}
