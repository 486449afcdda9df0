// The MDI frame with its MDI client window, and the MDI child frame created
// through the client with the creation hook.
#include "afxwin.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

// ---------------------------------------------------------------------------
// CMDIFrameWnd

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, OnUpdateMDIWindowCmd)
    ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    return CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    HMENU hMenu = ::GetMenu(m_hWnd);
    HMENU hWindowMenu = hMenu ? GetWindowMenuPopup(hMenu) : nullptr;
    return CreateClient(lpcs, hWindowMenu ? CMenu::FromHandle(hWindowMenu) : nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS |
                                            WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES,
                                        0, 0, 0, 0, m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST,
                                        AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    // The popup holding the window commands (arrange, cascade, tile, ...).
    int count = ::GetMenuItemCount(hMenuBar);
    for (int i = count - 1; i >= 0; i--)
    {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (!hPopup)
            continue;
        int items = ::GetMenuItemCount(hPopup);
        for (int j = 0; j < items; j++)
        {
            UINT id = ::GetMenuItemID(hPopup, j);
            if (id >= ID_WINDOW_NEW && id <= 0xE13F)
                return hPopup;
        }
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    if (!m_hWndMDIClient)
    {
        if (pbMaximized)
            *pbMaximized = FALSE;
        return nullptr;
    }
    HWND hWnd = (HWND)::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)pbMaximized);
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
        return (CMDIChildWnd*)pWnd;
    if (pbMaximized)
        *pbMaximized = FALSE;
    return nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIIconArrange() { ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }
void CMDIFrameWnd::MDIMaximize(CWnd* pWnd) { ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0); }
void CMDIFrameWnd::MDINext() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDIRestore(CWnd* pWnd) { ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0); }
void CMDIFrameWnd::MDITile() { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, 0, 0); }
void CMDIFrameWnd::MDITile(int nType) { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, nType, 0); }
void CMDIFrameWnd::MDICascade() { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
void CMDIFrameWnd::MDICascade(int nType) { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, nType, 0); }

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU old = (HMENU)::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrameMenu->GetSafeHmenu(),
                                      (LPARAM)pWindowMenu->GetSafeHmenu());
    ::DrawMenuBar(m_hWnd);
    return CMenu::FromHandle(old);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActive = MDIGetActive();
    return pActive ? (CFrameWnd*)pActive : (CFrameWnd*)this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child (its view, document and itself) comes first.
    CMDIChildWnd* pActive = MDIGetActive();
    if (pActive && pActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The window list's items activate children through the MDI client.
    if (!lParam && LOWORD(wParam) >= AFX_IDM_FIRST_MDICHILD)
        return FALSE;
    return CFrameWnd::OnCommand(wParam, lParam);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        CMDIChildWnd* pActive = MDIGetActive();
        if (pActive && pActive->m_hAccelTable &&
            ::TranslateAcceleratorA(m_hWnd, pActive->m_hAccelTable, pMsg))
            return TRUE;
        if (m_hWndMDIClient && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CMDIChildWnd* pActive = MDIGetActive();
    CDocument* pDocument = pActive ? pActive->GetActiveDocument() : nullptr;
    if (bAddToTitle && pActive && pDocument && !(pActive->GetStyle() & WS_MAXIMIZE))
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
    {
        // A maximised child's title is added by the MDI client itself.
        CString title;
        if (pActive && !(pActive->GetStyle() & WS_MAXIMIZE))
            title = pActive->GetTitle();
        UpdateFrameTitleForDocument(title.IsEmpty() ? nullptr : (LPCSTR)title);
    }
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pActive = MDIGetActive();
    if (pActive)
        pActive->OnUpdateFrameMenu(TRUE, pActive, hMenuAlt);
    else
    {
        if (!hMenuAlt)
            hMenuAlt = m_hMenuDefault;
        MDISetMenu(CMenu::FromHandle(hMenuAlt), CMenu::FromHandle(hMenuAlt ? GetWindowMenuPopup(hMenuAlt) : nullptr));
    }
}

void CMDIFrameWnd::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    }
    return FALSE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd* pActive = MDIGetActive();
    CDocument* pDocument = pActive ? pActive->GetActiveDocument() : nullptr;
    if (!pDocument || !pDocument->GetDocTemplate())
        return;
    CDocTemplate* pTemplate = pDocument->GetDocTemplate();
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActive);
    if (pFrame)
        pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

// ---------------------------------------------------------------------------
// CMDIChildWnd

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SIZE()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= WS_CHILD;
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (!pParentWnd)
    {
        CWnd* pMain = AfxGetMainWnd();
        if (pMain && pMain->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            pParentWnd = (CMDIFrameWnd*)pMain;
    }
    if (!pParentWnd || !pParentWnd->m_hWndMDIClient)
    {
        PostNcDestroy();
        return FALSE;
    }
    // The template's menu and keys serve every child frame of its documents.
    if (pContext && pContext->m_pNewDocTemplate &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)))
    {
        CMultiDocTemplate* pTemplate = (CMultiDocTemplate*)pContext->m_pNewDocTemplate;
        m_hMenuShared = pTemplate->m_hMenuShared;
        m_hAccelTable = pTemplate->m_hAccelTable;
    }
    m_strTitle = lpszWindowName;

    CREATESTRUCTA cs = {};
    cs.style = dwStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = AfxRectWidth(rect);
    cs.cy = AfxRectHeight(rect);
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = (LPVOID)pContext;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    // Shown below, once the views exist.
    mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = (LPARAM)cs.lpCreateParams;

    HWND hWndClient = pParentWnd->m_hWndMDIClient;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessageA(hWndClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxUnhookWindowCreate())
    {
        // No window was made for this object.
        PostNcDestroy();
        return FALSE;
    }
    if (!hWnd)
        return FALSE;   // destroyed while being created: already deleted
    if (cs.style & WS_VISIBLE)
    {
        ::BringWindowToTop(hWnd);
        if (cs.style & WS_MINIMIZE)
            ::ShowWindow(hWnd, SW_SHOWMINIMIZED);
        else if (cs.style & WS_MAXIMIZE)
            ::ShowWindow(hWnd, SW_SHOWMAXIMIZED);
        else
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        ::SendMessageA(hWndClient, WM_MDIACTIVATE, (WPARAM)hWnd, 0);
        ::SendMessageA(hWndClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString full, title;
    if (full.LoadString(nIDResource))
        AfxExtractSubString(title, full, 0);
    CMDIFrameWnd* pFrame = nullptr;
    if (pParentWnd && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        pFrame = (CMDIFrameWnd*)pParentWnd;
    return Create(GetIconWndClass(dwDefaultStyle, nIDResource), title, dwDefaultStyle, rectDefault,
                  pFrame, pContext);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    // The MDI client passes its MDICREATESTRUCT; its lParam is the context.
    MDICREATESTRUCTA* mcs = (MDICREATESTRUCTA*)lpcs->lpCreateParams;
    return OnCreateHelper(lpcs, mcs ? (CCreateContext*)mcs->lParam : nullptr);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndClient = ::GetParent(m_hWnd);
    CWnd* pWnd = FromHandlePermanent(::GetParent(hWndClient));
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return (CMDIFrameWnd*)pWnd;
    return nullptr;
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIMaximize()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    // The object is gone once MDIDestroy returns; keep what is needed after.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    HWND hWndFrame = pFrame ? pFrame->m_hWnd : nullptr;
    LONG style = hWndFrame ? ::GetWindowLongA(hWndFrame, GWL_STYLE) : 0;
    // No caption changes while the children switch.
    if (hWndFrame)
        ::SetWindowLongA(hWndFrame, GWL_STYLE, style & ~FWS_ADDTOTITLE);
    MDIDestroy();
    if (hWndFrame && ::IsWindow(hWndFrame))
    {
        ::SetWindowLongA(hWndFrame, GWL_STYLE, style);
        pFrame->OnUpdateFrameTitle(TRUE);
    }
    return TRUE;
}

void CMDIChildWnd::PostNcDestroy()
{
    CFrameWnd::PostNcDestroy();
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (nCmdShow == -1)
    {
        BOOL maximized = FALSE;
        CMDIChildWnd* pActive = pFrame ? pFrame->MDIGetActive(&maximized) : nullptr;
        if (!IsWindowVisible())
            nCmdShow = (pActive && maximized) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        else
            nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    }
    ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE)
    {
        MDIActivate();
        BringWindowToTop();
    }
    if (pFrame)
        pFrame->OnUpdateFrameTitle(TRUE);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG*)
{
    // Keys are translated by the MDI frame, which owns the menu bar.
    return FALSE;
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDocument = GetActiveDocument();
    CString title = (bAddToTitle && pDocument) ? pDocument->GetTitle() : m_strTitle;
    if (m_nWindow > 0)
    {
        CString n;
        n.Format(":%d", m_nWindow);
        title += n;
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (!pFrame)
        return;
    if (!hMenuAlt && bActivate)
    {
        if (CDocument* pDoc = GetActiveDocument())
            hMenuAlt = pDoc->GetDefaultMenu();
    }
    if (!hMenuAlt)
        hMenuAlt = m_hMenuShared;
    if (hMenuAlt && bActivate)
        pFrame->MDISetMenu(CMenu::FromHandle(hMenuAlt), CMenu::FromHandle(pFrame->GetWindowMenuPopup(hMenuAlt)));
    else if (!bActivate && !pActivateWnd && pFrame->m_hMenuDefault)
    {
        // The last child is going: the frame's own menu comes back.
        HMENU hDefault = pFrame->m_hMenuDefault;
        pFrame->MDISetMenu(CMenu::FromHandle(hDefault), CMenu::FromHandle(pFrame->GetWindowMenuPopup(hDefault)));
    }
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CFrameWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (CView* pView = GetActiveView())
        pView->OnActivateView(bActivate, pView, pView);
    OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->DelayUpdateFrameTitle();
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->DelayUpdateFrameTitle();
}

int CMDIChildWnd::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int result = CFrameWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame && pFrame->MDIGetActive() != this)
        MDIActivate();
    return result;
}
