// CWnd: the handle map, the creation hook, the window procedure with the
// message-map dispatch, and the thin members over USER.
#include "afxwin.h"
#include <shellapi.h>
#include <stdio.h>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

// ---------------------------------------------------------------------------
// Handle map

static CObject* NewTempWnd(HANDLE h)
{
    CWnd* wnd = new CWnd;
    wnd->m_hWnd = (HWND)h;
    return wnd;
}

static void ForgetWnd(CObject* object)
{
    ((CWnd*)object)->m_hWnd = nullptr;
}

static CHandleMap g_wndMap(NewTempWnd, ForgetWnd);

// The device-context classes reach a CWnd's handle through this.
static HWND WndToHwnd(CWnd* pWnd)
{
    return pWnd ? pWnd->m_hWnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return (CWnd*)g_wndMap.FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? (CWnd*)g_wndMap.LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap()
{
    g_wndMap.DeleteTemp();
}

HWND CWnd::GetSafeHwnd() const
{
    // Read through a volatile so that a call on a null pointer is not
    // assumed impossible by the optimiser.
    const CWnd* volatile self = this;
    return self ? self->m_hWnd : nullptr;
}

CWnd::CWnd()
{
    afxWndToHwnd = WndToHwnd;
}

CWnd::~CWnd()
{
    if (m_hWnd && this != &wndTop && this != &wndBottom && this != &wndTopMost && this != &wndNoTopMost)
    {
        // Temporary wrappers are forgotten before deletion, so this is an
        // owned window whose object went first.
        DestroyWindow();
        if (m_hWnd)
            Detach();
    }
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew)
        return FALSE;
    m_hWnd = hWndNew;
    g_wndMap.SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (h)
        g_wndMap.RemoveHandle(h, this);
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC old = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (old != AfxWndProc)
        m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, nID);
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

// ---------------------------------------------------------------------------
// Creation hook and window procedure. One user-interface thread is usual;
// the state is per thread all the same.

static thread_local CWnd* t_pWndInit = nullptr;
static thread_local HHOOK t_hHookCbt = nullptr;
static thread_local MSG t_lastSentMsg = {};

static LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pWndInit)
    {
        HWND hWnd = (HWND)wParam;
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        pWnd->Attach(hWnd);
        pWnd->PreSubclassWindow();
        WNDPROC old = (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
        if (old != AfxWndProc)
        {
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
            pWnd->m_pfnSuper = old;
        }
    }
    return ::CallNextHookEx(t_hHookCbt, code, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    if (!t_hHookCbt)
        t_hHookCbt = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    t_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    BOOL taken = t_pWndInit == nullptr;
    t_pWndInit = nullptr;
    return taken;
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    MSG saved = t_lastSentMsg;
    t_lastSentMsg.hwnd = hWnd;
    t_lastSentMsg.message = nMsg;
    t_lastSentMsg.wParam = wParam;
    t_lastSentMsg.lParam = lParam;
    LRESULT result = 0;
    // An exception must not unwind through the system's window code: it is
    // handled here, as a failed message.
    try
    {
        result = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        CWinThread* thread = AfxGetThread();
        result = thread ? thread->ProcessWndProcException(e, &t_lastSentMsg)
                        : CWinThread::DefaultWndProcException(e, &t_lastSentMsg);
    }
    catch (...)
    {
        TRACE("mfc42: an exception that is not a CException left the handler of message 0x%04x\n", nMsg);
        CWinThread* thread = AfxGetThread();
        result = thread ? thread->ProcessWndProcException(nullptr, &t_lastSentMsg)
                        : CWinThread::DefaultWndProcException(nullptr, &t_lastSentMsg);
    }
    if (nMsg == WM_NCDESTROY)
    {
        // A WM_NCDESTROY handler that skipped the base class's leaves the
        // window in the map; the handle is dead from here on.
        if (CWnd* still = CWnd::FromHandlePermanent(hWnd))
            still->Detach();
    }
    t_lastSentMsg = saved;
    return result;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    t_lastSentMsg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    t_lastSentMsg.pt.x = (short)LOWORD(pos);
    t_lastSentMsg.pt.y = (short)HIWORD(pos);
    return &t_lastSentMsg;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_lastSentMsg.message, t_lastSentMsg.wParam, t_lastSentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

// ---------------------------------------------------------------------------
// Window classes

static LPCSTR RegisterNamedClass(LPCSTR name, UINT style, HBRUSH background, HICON icon)
{
    HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSA wc = {};
    if (::GetClassInfoA(instance, name, &wc))
        return name;
    wc.style = style;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
    return name;
}

LPCSTR AFXAPI AfxWndClassName()
{
    return RegisterNamedClass("AfxWnd42", CS_DBLCLKS, nullptr, nullptr);
}

LPCSTR AFXAPI AfxFrameOrViewClassName()
{
    return RegisterNamedClass("AfxFrameOrView42", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                              (HBRUSH)(COLOR_WINDOW + 1), ::LoadIconA(nullptr, (LPCSTR)IDI_APPLICATION));
}

LPCSTR CWnd::DefaultWndClass()
{
    return AfxWndClassName();
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static thread_local char name[96];
    HINSTANCE instance = AfxGetInstanceHandle();
    if (!hCursor && !hbrBackground && !hIcon)
        snprintf(name, sizeof(name), "Afx:%p:%x", (void*)instance, nClassStyle);
    else
        snprintf(name, sizeof(name), "Afx:%p:%x:%p:%p:%p", (void*)instance, nClassStyle,
                 (void*)hCursor, (void*)hbrBackground, (void*)hIcon);
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(instance, name, &wc))
    {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = instance;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = name;
        ::RegisterClassA(&wc);
    }
    return name;
}

// ---------------------------------------------------------------------------
// Creation and destruction

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = DefaultWndClass();
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
    {
        // No window was ever bound to this object (unknown class, ...).
        PostNcDestroy();
        return FALSE;
    }
    // A window destroyed during creation (OnCreate answered -1) already
    // went through WM_NCDESTROY and PostNcDestroy.
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    AfxRectWidth(rect), AfxRectHeight(rect), pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    (LPVOID)pContext);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL owned = FromHandlePermanent(hWnd) == this;
    BOOL result = ::DestroyWindow(hWnd);
    // A window the layer does not route (no WM_NCDESTROY seen) still lets go.
    if (!owned && m_hWnd == hWnd)
        Detach();
    return result;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::OnNcDestroy()
{
    // The main window going ends the application's message loop.
    if (CWinThread* thread = AfxGetThread())
    {
        if (thread->m_pMainWnd == this)
        {
            ::PostQuitMessage(0);
            thread->m_pMainWnd = nullptr;
        }
    }
    Default();
    if (m_pfnSuper)
    {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
        m_pfnSuper = nullptr;
    }
    Detach();
    PostNcDestroy();
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------
// Dispatch

// The control a parent's message is about, for the messages a parent hands
// back to its controls; null for the others.
static HWND ChildOfReflectableMessage(HWND hWndParent, UINT message, WPARAM, LPARAM lParam)
{
    switch (message)
    {
    case WM_DRAWITEM:
    {
        const DRAWITEMSTRUCT* dis = (const DRAWITEMSTRUCT*)lParam;
        return dis && dis->CtlType != ODT_MENU ? dis->hwndItem : nullptr;
    }
    case WM_MEASUREITEM:
    {
        const MEASUREITEMSTRUCT* mis = (const MEASUREITEMSTRUCT*)lParam;
        return mis && mis->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, mis->CtlID) : nullptr;
    }
    case WM_COMPAREITEM:
        return lParam ? ((const COMPAREITEMSTRUCT*)lParam)->hwndItem : nullptr;
    case WM_DELETEITEM:
        return lParam ? ((const DELETEITEMSTRUCT*)lParam)->hwndItem : nullptr;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return (HWND)lParam;
    }
    return nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }

    UINT lookup = message;
    UINT nCtlColor = 0;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        lookup = WM_CTLCOLOR;
        nCtlColor = message - WM_CTLCOLORMSGBOX;
    }

    const AFX_MSGMAP_ENTRY* entry = nullptr;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap && !entry;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        if (message >= 0xC000)
        {
            for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p)
                if (p->nMessage == 0xC000 && *(const UINT*)p->nSig == message)
                {
                    entry = p;
                    break;
                }
        }
        else
            entry = FindMessageEntry(pMap->lpEntries, lookup, 0, 0);
    }
    if (!entry)
    {
        // Unhandled owner-draw, colour and scroll messages go back to the
        // control they concern (its OnChildNotify), as the base handlers
        // of the class library do.
        HWND hWndChild = ChildOfReflectableMessage(m_hWnd, message, wParam, lParam);
        if (hWndChild && ReflectLastMsg(hWndChild, &lResult))
        {
            *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }

    AFX_PMSG pfn = entry->pfn;
    UINT_PTR nSig = entry->nSig;
    if (entry->nMessage == 0xC000)
        nSig = AfxSig_lwl;
    CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
#define CALL(type) (this->*reinterpret_cast<type>(pfn))
    switch (nSig)
    {
    case AfxSig_vv:
        CALL(void (CWnd::*)())();
        break;
    case AfxSig_bv:
        lResult = CALL(BOOL (CWnd::*)())();
        break;
    case AfxSig_vw:
        CALL(void (CWnd::*)(UINT))((UINT)wParam);
        break;
    case AfxSig_lwl:
        lResult = CALL(LRESULT (CWnd::*)(WPARAM, LPARAM))(wParam, lParam);
        break;
    case AfxSig_is:
        lResult = CALL(int (CWnd::*)(LPCREATESTRUCT))((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_vwii:
        CALL(void (CWnd::*)(UINT, int, int))((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwp:
        CALL(void (CWnd::*)(UINT, CPoint))((UINT)wParam, point);
        break;
    case AfxSig_bD:
        lResult = CALL(BOOL (CWnd::*)(CDC*))(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_bWww:
        lResult = CALL(BOOL (CWnd::*)(CWnd*, UINT, UINT))(FromHandle((HWND)wParam),
                                                         LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_iWww:
        lResult = CALL(int (CWnd::*)(CWnd*, UINT, UINT))(FromHandle((HWND)wParam),
                                                        LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vW:
        CALL(void (CWnd::*)(CWnd*))(FromHandle((HWND)wParam));
        break;
    case AfxSig_vPOS:
        CALL(void (CWnd::*)(WINDOWPOS*))((WINDOWPOS*)lParam);
        break;
    case AfxSig_vs:
        CALL(void (CWnd::*)(LPCSTR))((LPCSTR)lParam);
        break;
    case AfxSig_hDWw:
        lResult = (LRESULT)CALL(HBRUSH (CWnd::*)(CDC*, CWnd*, UINT))(
            CDC::FromHandle((HDC)wParam), FromHandle((HWND)lParam), nCtlColor);
        break;
    case AfxSig_vbWW:
        // Sent to the child frames: wParam is the one losing activation.
        CALL(void (CWnd::*)(BOOL, CWnd*, CWnd*))(m_hWnd == (HWND)lParam, FromHandle((HWND)lParam),
                                                FromHandle((HWND)wParam));
        break;
    case AfxSig_vwww:
        CALL(void (CWnd::*)(UINT, UINT, UINT))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_wp:
        lResult = CALL(UINT (CWnd::*)(CPoint))(point);
        break;
    case AfxSig_vwwW:
        CALL(void (CWnd::*)(UINT, UINT, CScrollBar*))(LOWORD(wParam), (short)HIWORD(wParam),
                                                     (CScrollBar*)(void*)FromHandle((HWND)lParam));
        break;
    case AfxSig_vMwb:
        CALL(void (CWnd::*)(CMenu*, UINT, BOOL))(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam),
                                                (BOOL)HIWORD(lParam));
        break;
    case AfxSig_vwWb:
        CALL(void (CWnd::*)(UINT, CWnd*, BOOL))(LOWORD(wParam), FromHandle((HWND)lParam),
                                               (BOOL)HIWORD(wParam));
        break;
    case AfxSig_vbw:
        CALL(void (CWnd::*)(BOOL, UINT))((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vwwh:
        CALL(void (CWnd::*)(UINT, UINT, HMENU))(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
        break;
    case AfxSig_vh:
        CALL(void (CWnd::*)(HDROP))((HDROP)wParam);
        break;
    case AfxSig_vmmi:
        CALL(void (CWnd::*)(MINMAXINFO*))((MINMAXINFO*)lParam);
        break;
    case AfxSig_vWp:
        CALL(void (CWnd::*)(CWnd*, CPoint))(FromHandle((HWND)wParam), point);
        break;
    default:
        return FALSE;
    }
#undef CALL
    *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (!hWndCtrl)
    {
        // Menus and accelerators: a command its update handler disabled is
        // dropped, as the user could not have chosen it.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        // The control may handle its own notification.
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    if (!nID)
        nID = (UINT)pNMHDR->idFrom;
    AFX_NOTIFY notify = { pResult, pNMHDR };
    return OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (!pWnd)
        return FALSE;
    return pWnd->OnChildNotify(t_lastSentMsg.message, t_lastSentMsg.wParam, t_lastSentMsg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT nCode;
    if (message == WM_COMMAND)
        nCode = HIWORD(wParam);
    else if (message == WM_NOTIFY)
        nCode = ((NMHDR*)lParam)->code;
    else
        return FALSE;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p)
        {
            if (p->nMessage != message + WM_REFLECT_BASE || (WORD)p->nCode != (WORD)nCode)
                continue;
            if (pResult)
                *pResult = 0;
            if (p->nSig == AfxSig_bvReflect)
                return (this->*reinterpret_cast<BOOL (CCmdTarget::*)()>(p->pfn))();
            (this->*p->pfn)();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
    {
        if (CWnd* pWnd = FromHandlePermanent(hWnd))
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

// ---------------------------------------------------------------------------
// Default handlers: each runs the default processing of the current message.

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnTimer(UINT) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWinIniChange(LPCSTR) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return (HBRUSH)Default(); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnNcHitTest(CPoint) { return (UINT)Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }

// ---------------------------------------------------------------------------
// Family

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner ? FromHandle(m_hWndOwner) : GetParent();
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (!m_hWnd)
        return nullptr;
    for (CWnd* pWnd = GetParent(); pWnd; pWnd = pWnd->GetParent())
        if (pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return (CFrameWnd*)pWnd;
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (!m_hWnd)
        return nullptr;
    CWnd* pWnd = (CWnd*)this;
    CFrameWnd* frame = IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? (CFrameWnd*)pWnd : pWnd->GetParentFrame();
    while (frame)
    {
        CFrameWnd* up = frame->GetParentFrame();
        if (!up)
            break;
        frame = up;
    }
    return frame;
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    while (hWnd && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
    {
        HWND parent = ::GetParent(hWnd);
        if (!parent)
            break;
        hWnd = parent;
    }
    return FromHandle(hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }

int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const
{
    return (int)::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND item = ::GetDlgItem(m_hWnd, nID);
    if (!item)
        return 0;
    int n = ::GetWindowTextLengthA(item);
    ::GetWindowTextA(item, rString.GetBuffer(n + 1), n + 1);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
UINT CWnd::IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID)
{
    return (int)::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID);
}

static CWnd* DescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    HWND child = ::GetDlgItem(hWnd, nID);
    if (child)
    {
        if (::GetWindow(child, GW_CHILD))
        {
            if (CWnd* deeper = DescendantWindow(child, nID, bOnlyPerm))
                return deeper;
        }
        CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(child) : CWnd::FromHandle(child);
        if (pWnd)
            return pWnd;
    }
    for (child = ::GetWindow(hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetWindow(child, GW_CHILD))
            if (CWnd* found = DescendantWindow(child, nID, bOnlyPerm))
                return found;
    return nullptr;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return DescendantWindow(m_hWnd, nID, bOnlyPerm);
}

static void SendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                              BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND child = ::GetWindow(hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            // Straight to the object: a window outside the layer never sees
            // the framework's private messages.
            if (CWnd* pWnd = CWnd::FromHandlePermanent(child))
                AfxCallWndProc(pWnd, child, message, wParam, lParam);
        }
        else
            ::SendMessageA(child, message, wParam, lParam);
        if (bDeep && ::IsWindow(child) && ::GetWindow(child, GW_CHILD))
            SendToDescendants(child, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
CWnd* CWnd::GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return ::IsChild(m_hWnd, pWnd->GetSafeHwnd());
}

// ---------------------------------------------------------------------------
// State and geometry

DWORD CWnd::GetStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE); }
DWORD CWnd::GetExStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_EXSTYLE); }

static BOOL ModifyLong(HWND hWnd, int index, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD style = (DWORD)::GetWindowLongA(hWnd, index);
    DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongA(hWnd, index, (LONG)newStyle);
    if (nFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const { return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount); }
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

void CWnd::GetWindowText(CString& rString) const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBuffer(n + 1), n + 1);
    rString.ReleaseBuffer();
}

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), (LPPOINT)lpRect, 2);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT)
{
    ::AdjustWindowRectEx(lpClientRect, GetStyle() & ~WS_CAPTION, FALSE, GetExStyle());
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                 lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    HWND after = nullptr;
    if (pWndInsertAfter == &wndTop) after = HWND_TOP;
    else if (pWndInsertAfter == &wndBottom) after = HWND_BOTTOM;
    else if (pWndInsertAfter == &wndTopMost) after = HWND_TOPMOST;
    else if (pWndInsertAfter == &wndNoTopMost) after = HWND_NOTOPMOST;
    else after = pWndInsertAfter->GetSafeHwnd();
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, nFlags);
}

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const { return ::GetWindowPlacement(m_hWnd, lpwndpl); }
BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl) { return ::SetWindowPlacement(m_hWnd, lpwndpl); }

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CRect rect, area;
    GetWindowRect(&rect);
    HWND owner = pAlternateOwner ? pAlternateOwner->m_hWnd
                                 : ((GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    if (owner && !(GetStyle() & WS_CHILD))
        ::GetWindowRect(owner, &area);
    else if (owner)
        ::GetClientRect(owner, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    int x = area.left + (area.Width() - rect.Width()) / 2;
    int y = area.top + (area.Height() - rect.Height()) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
CWnd* CWnd::GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
CWnd* CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

// ---------------------------------------------------------------------------
// Painting

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase) { ::InvalidateRgn(m_hWnd, pRgn ? (HRGN)pRgn->m_hObject : nullptr, bErase); }
void CWnd::ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate ? (HRGN)prgnUpdate->m_hObject : nullptr, flags);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }

CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags)
{
    return CDC::FromHandle(::GetDCEx(m_hWnd, prgnClip ? (HRGN)prgnClip->m_hObject : nullptr, flags));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, (WPARAM)(pFont ? pFont->m_hObject : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle((HFONT)SendMessage(WM_GETFONT));
}

void CWnd::SetRedraw(BOOL bRedraw) { SendMessage(WM_SETREDRAW, bRedraw); }

// ---------------------------------------------------------------------------
// Scroll bars

int CWnd::GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const { ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos); }
void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) { ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw); }
BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollLimit(int nBar)
{
    SCROLLINFO info = {};
    if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int limit = info.nMax;
    if (info.nPage > 1)
        limit -= (int)info.nPage - 1;
    return limit < info.nMin ? info.nMin : limit;
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) { ::ShowScrollBar(m_hWnd, nBar, bShow); }
CScrollBar* CWnd::GetScrollBarCtrl(int) const { return nullptr; }

// ---------------------------------------------------------------------------
// Messages, timers, menus, caret

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu()); }
void CWnd::DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }
void CWnd::DragAcceptFiles(BOOL bAccept) { ::DragAcceptFiles(m_hWnd, bAccept); }

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (!lpszCaption)
        lpszCaption = AfxGetApp() ? AfxGetApp()->m_pszAppName : nullptr;
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

void CWnd::CreateSolidCaret(int nWidth, int nHeight) { ::CreateCaret(m_hWnd, nullptr, nWidth, nHeight); }
void CWnd::ShowCaret() { ::ShowCaret(m_hWnd); }
void CWnd::HideCaret() { ::HideCaret(m_hWnd); }
void CWnd::SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }

CPoint CWnd::GetCaretPos()
{
    CPoint point;
    ::GetCaretPos(&point);
    return point;
}

// ---------------------------------------------------------------------------
// Layout of control bars

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    if (nFlag != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);

    HWND hWndLeftOver = nullptr;
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        UINT id = (UINT)::GetDlgCtrlID(child);
        if (id == nIDLeftOver)
            hWndLeftOver = child;
        else if (id >= nIDFirst && id <= nIDLast && FromHandlePermanent(child))
            ::SendMessageA(child, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if (nFlag == reposQuery)
    {
        if (lpRectParam)
        {
            if (bStretch)
                *lpRectParam = layout.rect;
            else
            {
                lpRectParam->left = lpRectParam->top = 0;
                lpRectParam->right = layout.sizeTotal.cx;
                lpRectParam->bottom = layout.sizeTotal.cy;
            }
        }
        return;
    }
    if (nFlag == reposExtra && lpRectParam)
    {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (nIDLeftOver && hWndLeftOver)
    {
        CRect rect = layout.rect;
        layout.hDWP = ::DeferWindowPos(layout.hDWP, hWndLeftOver, nullptr, rect.left, rect.top,
                                       rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}
