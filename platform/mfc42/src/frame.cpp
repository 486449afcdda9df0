// CFrameWnd: creation from resources, the client view, control-bar layout,
// the active view, command routing, titles, menus and the idle updates.
#include "afxwin.h"
#include "afxfloatframe.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_KANA, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    // The default menu is the frame's own; a menu still attached to a live
    // window goes with the window.
    if (m_hMenuDefault && !m_hWnd)
        ::DestroyMenu(m_hMenuDefault);
    m_hMenuDefault = nullptr;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxFrameOrViewClassName();
    // The title is set by OnUpdateFrameTitle once the document is known.
    return TRUE;
}

LPCSTR CFrameWnd::GetIconWndClass(DWORD, UINT nIDResource)
{
    HICON icon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    if (!icon)
        return AfxFrameOrViewClassName();
    return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW),
                               (HBRUSH)(COLOR_WINDOW + 1), icon);
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName)
    {
        hMenu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName);
        if (!hMenu)
            return FALSE;
    }
    m_strTitle = lpszWindowName;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  AfxRectWidth(rect), AfxRectHeight(rect), pParentWnd->GetSafeHwnd(), hMenu,
                  (LPVOID)pContext))
    {
        if (hMenu)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString full, title;
    if (full.LoadString(nIDResource))
        AfxExtractSubString(title, full, 0);
    LPCSTR menuName = MAKEINTRESOURCEA(nIDResource);
    if (!::FindResourceA(AfxGetResourceHandle(), menuName, (LPCSTR)RT_MENU))
        menuName = nullptr;
    if (!Create(GetIconWndClass(dwDefaultStyle, nIDResource), title, dwDefaultStyle, rectDefault,
                pParentWnd, menuName, 0, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    // A frame made without a document context starts its views here.
    if (!pContext)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    return OnCreateHelper(lpcs, (CCreateContext*)lpcs->lpCreateParams);
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    RecalcLayout();
    // Posted: the status bar of a derived frame is made after this returns.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    if (!object || !object->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete object;
        return nullptr;
    }
    CWnd* pView = (CWnd*)object;
    // The view deletes itself when its window goes (PostNcDestroy), also
    // when creation fails.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    ::SetWindowLongA(pView->m_hWnd, GWL_EXSTYLE, ::GetWindowLongA(pView->m_hWnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    ::SetWindowPos(pView->m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return pView;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (!m_hWnd)
        return;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // With a view filling the client area there is nothing to erase.
    if (m_pViewActive)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
        else
            nCmdShow = SW_SHOW;
    }
    ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE)
        BringWindowToTop();
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    if (!GetActiveView())
    {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
            SetActiveView((CView*)pWnd, FALSE);
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (bMakeVisible)
    {
        ActivateFrame(-1);
        if (m_pViewActive)
            m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
    if (pDoc)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;
    if (pViewOld && bNotify)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView ? pView->GetDocument() : nullptr;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Every frame offers the command to the application last: an MDI child
    // before its main frame, which then tries itself and the application.
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

void CFrameWnd::OnClose()
{
    if (m_lpfnCloseProc)
    {
        (*m_lpfnCloseProc)(this);
        return;
    }
    CWinApp* pApp = AfxGetApp();
    CDocument* pDocument = GetActiveDocument();
    if (pDocument && !pDocument->CanCloseFrame(this))
        return;
    if (pApp && pApp->m_pMainWnd == this)
    {
        // The main frame closes every document first.
        if (!pDocument && !pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
        DestroyWindow();
        return;
    }
    if (pDocument && pDocument->m_bAutoDelete)
    {
        // The last frame on a document closes the document (and with it
        // this frame).
        BOOL otherFrame = FALSE;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos && !otherFrame)
        {
            CView* pView = pDocument->GetNextView(pos);
            if (pView->GetParentFrame() != this)
                otherFrame = TRUE;
        }
        if (!otherFrame)
        {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // Windows destroys the menu attached to a window; put the frame's own
    // back so a template's shared menu survives.
    if (m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault && !(GetStyle() & WS_CHILD))
        ::SetMenu(m_hWnd, m_hMenuDefault);
    if (m_hMenuDefault && ::GetMenu(m_hWnd) == m_hMenuDefault)
        m_hMenuDefault = nullptr;   // goes with the window
    m_pViewActive = nullptr;
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

// ---------------------------------------------------------------------------
// Titles and menus

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName)
{
    CString title;
    if (GetStyle() & FWS_PREFIXTITLE)
    {
        if (lpszDocName && *lpszDocName)
        {
            title = lpszDocName;
            if (m_nWindow > 0)
            {
                CString n;
                n.Format(":%d", m_nWindow);
                title += n;
            }
            title += " - ";
        }
        title += m_strTitle;
    }
    else
    {
        title = m_strTitle;
        if (lpszDocName && *lpszDocName)
        {
            title += " - ";
            title += lpszDocName;
            if (m_nWindow > 0)
            {
                CString n;
                n.Format(":%d", m_nWindow);
                title += n;
            }
        }
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (!hMenuAlt)
    {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc)
            hMenuAlt = pDoc->GetDefaultMenu();
        if (!hMenuAlt)
            hMenuAlt = m_hMenuDefault;
    }
    if (hMenuAlt && ::GetMenu(m_hWnd) != hMenuAlt)
        ::SetMenu(m_hWnd, hMenuAlt);
}

void CFrameWnd::UpdateMenuCmdUI(CMenu* pMenu, BOOL bAutoMenuEnable)
{
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = pMenu->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0)
            continue;   // separator
        if (state.m_nID == (UINT)-1)
            continue;   // a nested popup is updated when it opens
        state.m_pSubMenu = nullptr;
        state.DoUpdate(this, bAutoMenuEnable && state.m_nID < 0xF000);
        // An update handler may have added or removed items (the recent
        // files do); carry on after the items it made.
        UINT count = pMenu->GetMenuItemCount();
        if (count < state.m_nIndexMax)
        {
            state.m_nIndex -= (state.m_nIndexMax - count);
            while (state.m_nIndex < count && pMenu->GetMenuItemID(state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = count;
    }
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu || !pPopupMenu)
        return;
    UpdateMenuCmdUI(pPopupMenu, m_bAutoMenuEnable);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleLayout)
        RecalcLayout();
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    m_nIdleFlags = 0;
    // A top-level frame brings its menu bar's popups up to date.
    if (!(GetStyle() & WS_CHILD))
    {
        HMENU hMenu = ::GetMenu(m_hWnd);
        if (hMenu)
        {
            int count = ::GetMenuItemCount(hMenu);
            for (int i = 0; i < count; i++)
            {
                HMENU hPopup = ::GetSubMenu(hMenu, i);
                if (!hPopup)
                    continue;
                // The maximised MDI child's system menu sits in the bar too.
                if (i == 0 && ::GetMenuItemID(hPopup, 0) >= 0xF000 && ::GetMenuItemID(hPopup, 0) != (UINT)-1)
                    continue;
                UpdateMenuCmdUI(CMenu::FromHandle(hPopup), m_bAutoMenuEnable);
            }
        }
    }
    return 0;
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    CWnd* pBar = GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
    if (!pBar || !pBar->IsWindowVisible())
        return 0;
    CString text;
    if (lParam)
        text = (LPCSTR)lParam;
    else if (wParam)
    {
        // The prompt is the part before the tooltip's '\n'.
        CString full;
        if (full.LoadString((UINT)wParam))
            AfxExtractSubString(text, full, 0);
        else if (wParam == AFX_IDS_IDLEMESSAGE)
            text = "Ready";
    }
    if (pBar->IsKindOf(RUNTIME_CLASS(CStatusBar)))
        ((CStatusBar*)pBar)->SetPaneText(0, text);
    else
        pBar->SetWindowText(text);
    return 0;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && !hSysMenu)
        SetMessageText(AFX_IDS_IDLEMESSAGE);   // the menu closed
    else if (nItemID && !(nFlags & (MF_SEPARATOR | MF_POPUP)))
        SetMessageText(nItemID);
}

// ---------------------------------------------------------------------------
// Control bars

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (!m_listControlBars.Find(pBar))
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    if (POSITION pos = m_listControlBars.Find(pBar))
        m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if ((UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    if (pBar->IsFloating())
    {
        CWnd* mini = pBar->GetParent();
        if (mini)
            mini->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    }
    else
        RecalcLayout();
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    CMiniDockFrameWnd* mini = nullptr;
    if (pBar->IsFloating())
        mini = (CMiniDockFrameWnd*)pBar->GetParent();
    else
    {
        mini = (CMiniDockFrameWnd*)AfxGetFloatingFrameClass()->CreateObject();
        if (!mini || !mini->Create(this, dwStyle))
            return;   // deleted by its PostNcDestroy
        pBar->m_pDockSite = this;
        pBar->SetOwner(this);
        pBar->SetParent(mini);
        pBar->m_bFloating = TRUE;
        pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | (dwStyle & CBRS_ALIGN_ANY) | CBRS_FLOATING;
        mini->m_pBar = pBar;
    }
    mini->RecalcLayout();
    mini->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    mini->ShowWindow(SW_SHOWNA);
    pBar->ShowWindow(SW_SHOWNA);
    RecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT, LPCRECT)
{
    if (!pBar || !pBar->m_hWnd || !pBar->IsFloating())
        return;
    CWnd* mini = pBar->GetParent();
    pBar->SetParent(this);
    pBar->m_bFloating = FALSE;
    pBar->m_dwStyle &= ~CBRS_FLOATING;
    if (mini && mini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
    {
        ((CMiniDockFrameWnd*)mini)->m_pBar = nullptr;
        mini->DestroyWindow();
    }
    RecalcLayout();
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int key = 0;
    switch (pCmdUI->m_nID)
    {
    case ID_INDICATOR_CAPS: key = VK_CAPITAL; break;
    case ID_INDICATOR_NUM: key = VK_NUMLOCK; break;
    case ID_INDICATOR_SCRL: key = VK_SCROLL; break;
    case ID_INDICATOR_KANA: key = VK_KANA; break;
    default: pCmdUI->ContinueRouting(); return;
    }
    pCmdUI->Enable(::GetKeyState(key) & 1);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar)
    {
        pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
        return;
    }
    pCmdUI->ContinueRouting();
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (!pBar)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnAppExit()
{
    PostMessage(WM_CLOSE);
}
