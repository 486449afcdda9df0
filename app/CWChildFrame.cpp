// The document window and the floating toolbar's frame.
#include "app/CWChildFrame.h"
#include "app/CWMultiDocTemplate.h"
#include "document/CWDocument.h"
#include "view/CWView.h"
#include "resources/startup_ids.h"

namespace {
// Two rows of one column; panes no smaller than this.
const int kSplitterRows = 2;
const int kSplitterColumns = 1;
const SIZE kMinimumPane = { 10, 10 };
// Child, visible, both scroll bars, dynamic splitting.
const DWORD kSplitterStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT;
}  // namespace

IMPLEMENT_DYNCREATE(CWChildFrame, CZTChildWnd)

BEGIN_MESSAGE_MAP(CWChildFrame, CZTChildWnd)
    ON_WM_ERASEBKGND()
    ON_WM_MDIACTIVATE()
    ON_COMMAND(ID_VIEW_RULER_BOTH, OnViewRulerBoth)
    ON_UPDATE_COMMAND_UI(ID_VIEW_RULER_BOTH, OnUpdateViewRulerBoth)
    ON_COMMAND(ID_VIEW_RULER_HORIZONTAL, OnViewRulerHorizontal)
    ON_UPDATE_COMMAND_UI(ID_VIEW_RULER_HORIZONTAL, OnUpdateViewRulerHorizontal)
    ON_COMMAND(ID_VIEW_RULER_VERTICAL, OnViewRulerVertical)
    ON_UPDATE_COMMAND_UI(ID_VIEW_RULER_VERTICAL, OnUpdateViewRulerVertical)
END_MESSAGE_MAP()

CWChildFrame::CWChildFrame()
{
    if (JustCreatedDoc && JustCreatedDoc->IsKindOf(RUNTIME_CLASS(CWDocument)))
        m_pDoc = (CWDocument*)JustCreatedDoc;
}

CWChildFrame::~CWChildFrame()
{
    delete m_pHorzRuler;
    delete m_pVertRuler;
}

BOOL CWChildFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= WS_MAXIMIZE;
    if (MakeVisible)
        cs.style |= WS_VISIBLE;
    return CZTChildWnd::PreCreateWindow(cs);
}

BOOL CWChildFrame::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    CWnd* parent = pParentWnd ? pParentWnd : AfxGetMainWnd();
    if (parent && parent->IsFrameWnd())
        ((CFrameWnd*)parent)->RecalcLayout(TRUE);
    return CZTChildWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, pContext);
}

BOOL CWChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    m_nSplitState = 0;
    m_splitter.Create(this, kSplitterRows, kSplitterColumns, kMinimumPane, pContext, kSplitterStyle,
                      AFX_IDW_PANE_FIRST);
    return TRUE;
}

CWView* CWChildFrame::GetView()
{
    CWnd* focus = CWnd::GetFocus();
    if (!focus || !m_splitter.m_hWnd)
        return nullptr;
    for (int row = 0; row < kSplitterRows; row++)
    {
        CWnd* pane = m_splitter.GetPane(row, 0);
        if (pane && pane->m_hWnd == focus->m_hWnd && pane->IsKindOf(RUNTIME_CLASS(CWView)))
            return (CWView*)pane;
    }
    return nullptr;
}

CWView* CWChildFrame::GetAnyView()
{
    if (!GetView())
        return nullptr;
    CWnd* first = m_splitter.GetPane(0, 0);
    return first && first->IsKindOf(RUNTIME_CLASS(CWView)) ? (CWView*)first : nullptr;
}

BOOL CWChildFrame::OnEraseBkgnd(CDC*)
{
    // The splitter and its views cover the whole client area.
    return TRUE;
}

void CWChildFrame::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CZTChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    // The style-name box refills with this document's styles.
    if (bActivate && pActivateWnd && pActivateWnd->m_hWnd == m_hWnd && m_pDoc)
        m_pDoc->m_bStylesChanged = TRUE;
}

// ---------------------------------------------------------------------------
// Rulers

void CWChildFrame::ToggleRuler(CControlBar* ruler)
{
    ShowControlBar(ruler, !ruler->IsWindowVisible(), FALSE);
}

void CWChildFrame::UpdateRuler(CCmdUI* pCmdUI, CControlBar* ruler)
{
    if (ruler && !m_bServer)
        pCmdUI->SetCheck(ruler->IsWindowVisible() ? 1 : 0);
}

void CWChildFrame::OnViewRulerBoth()
{
    if (m_bServer || !m_pHorzRuler || !m_pVertRuler)
        return;
    BOOL show = !m_pHorzRuler->IsWindowVisible() || !m_pVertRuler->IsWindowVisible();
    ShowControlBar(m_pHorzRuler, show, FALSE);
    ShowControlBar(m_pVertRuler, show, FALSE);
}

void CWChildFrame::OnUpdateViewRulerBoth(CCmdUI* pCmdUI)
{
    if (m_pHorzRuler && m_pVertRuler && !m_bServer)
        pCmdUI->SetCheck(m_pHorzRuler->IsWindowVisible() && m_pVertRuler->IsWindowVisible() ? 1 : 0);
}

void CWChildFrame::OnViewRulerHorizontal()
{
    if (!m_bServer && m_pHorzRuler)
        ToggleRuler(m_pHorzRuler);
}

void CWChildFrame::OnUpdateViewRulerHorizontal(CCmdUI* pCmdUI)
{
    UpdateRuler(pCmdUI, m_pHorzRuler);
}

void CWChildFrame::OnViewRulerVertical()
{
    if (!m_bServer && m_pVertRuler)
        ToggleRuler(m_pVertRuler);
}

void CWChildFrame::OnUpdateViewRulerVertical(CCmdUI* pCmdUI)
{
    UpdateRuler(pCmdUI, m_pVertRuler);
}

// ---------------------------------------------------------------------------
// CWMiniDockingFrame

IMPLEMENT_DYNCREATE(CWMiniDockingFrame, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CWMiniDockingFrame, CMiniDockFrameWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

void CWMiniDockingFrame::OnClose()
{
    CWnd* main = AfxGetMainWnd();
    CFrameWnd* active = main && main->IsFrameWnd() ? ((CFrameWnd*)main)->GetActiveFrame() : nullptr;
    CView* view = active ? active->GetActiveView() : nullptr;
    // The header-and-footer toolbar is gone for this view, and editing goes
    // back to the body.
    if (view && view->IsKindOf(RUNTIME_CLASS(CWView)))
    {
        ((CWView*)view)->m_bHFBarShown = FALSE;
        ((CWView*)view)->SetDocPart(0);
    }
    CMiniDockFrameWnd::OnClose();
}
