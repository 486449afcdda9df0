// CCmdTarget: message-map look-up and command dispatch, the wait cursor,
// and CCmdUI, through which update handlers set menu items and controls.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root of every map chain: no entries and no base.
const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
                                                     UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode &&
            nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn,
                                void* pExtra, UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo)
    {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }
    switch (nSig)
    {
    case AfxSig_vv:
        (pTarget->*pfn)();
        return TRUE;
    case AfxSig_bv:
    case AfxSig_bvReflect:
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)()>(pfn))();
    case AfxSig_vw:
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(UINT)>(pfn))(nID);
        return TRUE;
    case AfxSig_bw:
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)(UINT)>(pfn))(nID);
    case AfxSig_cmdui:
    case AfxSig_cmduiw:
    {
        // A handler that calls ContinueRouting lets the next target try.
        CCmdUI* pCmdUI = (CCmdUI*)pExtra;
        pCmdUI->m_bContinueRouting = FALSE;
        if (nSig == AfxSig_cmdui)
            (pTarget->*reinterpret_cast<void (CCmdTarget::*)(CCmdUI*)>(pfn))(pCmdUI);
        else
            (pTarget->*reinterpret_cast<void (CCmdTarget::*)(CCmdUI*, UINT)>(pfn))(pCmdUI, nID);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxSig_vNMHDRpl:
    {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(
            pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    }
    case AfxSig_vwNMHDRpl:
    {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(
            nID, pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    }
    default:
        (void)nCode;
        return FALSE;
    }
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Notifications of WM_NOTIFY come encoded as MAKELONG(code, WM_NOTIFY);
    // their entries hold the full (often negative) code.
    UINT nMsg = WM_COMMAND;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI && HIWORD((UINT)nCode) == WM_NOTIFY)
        nMsg = WM_NOTIFY;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p)
        {
            if (p->nMessage != nMsg || nID < p->nID || nID > p->nLastID)
                continue;
            BOOL codeMatches = nMsg == WM_NOTIFY ? (WORD)p->nCode == LOWORD((UINT)nCode)
                                                 : p->nCode == (UINT)nCode;
            if (codeMatches)
                return DispatchCmdMsg(this, nID, nCode, p->pfn, pExtra, p->nSig, pHandlerInfo);
        }
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
    else
        ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
    else
        ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(0);
}

CWaitCursor::CWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
}

CWaitCursor::~CWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
}

void CWaitCursor::Restore()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(0);
}

// ---------------------------------------------------------------------------
// CCmdUI

CCmdUI::CCmdUI() = default;

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu)
    {
        // A top-level item that opens a popup is addressed through its parent.
        if (m_pSubMenu)
            return;
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther)
    {
        // Focus must not stay on a control that goes disabled.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
            if (CWnd* parent = m_pOther->GetParent())
                ::SendMessageA(parent->m_hWnd, WM_NEXTDLGCTL, 0, FALSE);
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu)
    {
        if (m_pSubMenu)
            return;
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther)
    {
        // Only buttons take a check; other windows ignore it.
        if (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)
            m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu)
    {
        if (m_pSubMenu)
            return;
        // The radio mark replaces the check mark of this one item.
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (::GetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &info))
        {
            info.fType = bOn ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
            info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
            ::SetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &info);
        }
    }
    else
        SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pMenu)
    {
        if (m_pSubMenu)
            return;
        // Keeps the item's id and state; only the text changes.
        UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
        state &= ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP | 0xFF00);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, lpszText);
    }
    else if (m_pOther)
    {
        CString current;
        m_pOther->GetWindowText(current);
        if (current != lpszText)
            m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;
    m_bEnableChanged = FALSE;
    BOOL handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    // An update handler that never enabled the item (it may only have
    // checked it) leaves the decision to whether a command handler exists.
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = { nullptr, nullptr };
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
