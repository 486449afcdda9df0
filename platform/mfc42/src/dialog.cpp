// CDialog, the modal loop of CWnd, and UpdateData. A dialog is created
// modeless from its template with the creation hook binding this object to
// the window, so every message passes the message map before the system's
// dialog procedure; DoModal then runs the layer's own loop, which lets
// PreTranslateMessage see the dialog's input.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

// ---------------------------------------------------------------------------
// CWnd: data exchange and modal loop

void CWnd::DoDataExchange(CDataExchange*)
{
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
        return TRUE;
    }
    catch (CException* e)
    {
        // A user exception was reported where it was raised (Fail); any
        // other failure is reported here.
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        return FALSE;
    }
}

BOOL CWnd::ContinueModal()
{
    return m_bContinueModal;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal)
    {
        m_bContinueModal = FALSE;
        // Wakes the loop, which may be waiting for a message.
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    m_bContinueModal = TRUE;
    BOOL shown = !(dwFlags & MLF_SHOWONIDLE);
    BOOL idle = TRUE;
    LONG idleCount = 0;
    const HWND owner = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    MSG msg;
    while (ContinueModal())
    {
        // While the queue is empty: show the dialog, tell the owner once that
        // the dialog is idle, and kick the dialog's idle work until it says
        // it has no more.
        while (idle && ContinueModal() && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!shown)
            {
                if (m_hWnd)
                {
                    ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
                    ::UpdateWindow(m_hWnd);
                }
                shown = TRUE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && owner && idleCount == 0)
                ::SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !m_hWnd ||
                !::SendMessageA(m_hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = FALSE;
        }
        if (!ContinueModal())
            break;
        if (!::GetMessageA(&msg, nullptr, 0, 0))
        {
            // The application is ending: let the outer loop see WM_QUIT too.
            ::PostQuitMessage((int)msg.wParam);
            m_bContinueModal = FALSE;
            m_nModalResult = -1;
            break;
        }
        BOOL mine = m_hWnd && (msg.hwnd == m_hWnd || ::IsChild(m_hWnd, msg.hwnd));
        if (mine && CWnd::WalkPreTranslateTree(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        if (!m_hWnd)
            break;   // destroyed under the loop
        CWinThread* thread = AfxGetThread();
        if (!thread || thread->IsIdleMessage(&msg))
        {
            idle = TRUE;
            idleCount = 0;
        }
    }
    m_bContinueModal = FALSE;
    return m_nModalResult;
}

// ---------------------------------------------------------------------------
// Dialog procedure

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
        return TRUE;
    // Exceptions must not unwind through the system's dialog code.
    try
    {
        return ((CDialog*)pWnd)->OnInitDialog();
    }
    catch (CException* e)
    {
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
    }
    catch (...)
    {
        TRACE("mfc42: an exception that is not a CException left OnInitDialog\n");
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// CDialog

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog()
{
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (!hInst)
        hInst = AfxGetResourceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(),
                                             AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        return FALSE;   // no window was made at all
    if (!hWnd)
    {
        if (m_hWnd)
            Detach();
        return FALSE;
    }
    return TRUE;
}

static LPCDLGTEMPLATEA LoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE* phInst)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, (LPCSTR)RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG);
    if (!hResource)
    {
        // A dialog of the program itself when the resource module lacks it.
        hInst = ::GetModuleHandleA(nullptr);
        hResource = ::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG);
    }
    if (!hResource)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    *phInst = hInst;
    return hTemplate ? (LPCDLGTEMPLATEA)::LockResource(hTemplate) : nullptr;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && !m_nIDHelp)
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
    if (!pParentWnd)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = LoadDialogTemplate(lpszTemplateName, &hInst);
    if (!lpTemplate)
    {
        TRACE("mfc42: dialog template not found\n");
        return FALSE;
    }
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    if (!pParentWnd)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, nullptr);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

HWND AFXAPI AfxGetSafeOwnerWindow(CWnd* pParent)
{
    CWnd* parent = pParent ? pParent : AfxGetMainWnd();
    HWND hWnd = parent ? parent->m_hWnd : nullptr;
    // The owner of a popup is always a top-level window.
    while (hWnd && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    // A dialog already open there owns the new one.
    if (hWnd)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

HWND CDialog::PreModal()
{
    HWND hWnd = AfxGetSafeOwnerWindow(m_pParentWnd);
    m_hWndTop = hWnd;
    m_bParentDisabled = FALSE;
    if (hWnd && ::IsWindowEnabled(hWnd))
    {
        ::EnableWindow(hWnd, FALSE);
        m_bParentDisabled = TRUE;
    }
    return hWnd;
}

void CDialog::PostModal()
{
    if (m_bParentDisabled && m_hWndTop && ::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_bParentDisabled = FALSE;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = m_lpDialogTemplate;
    if (!lpTemplate)
    {
        lpTemplate = LoadDialogTemplate(m_lpszTemplateName, &hInst);
        if (!lpTemplate)
        {
            TRACE("mfc42: dialog template not found\n");
            return -1;
        }
    }
    HWND hWndOwner = PreModal();
    m_nModalResult = -1;
    // Set before creation: EndDialog from OnInitDialog clears it, and the
    // dialog then ends without running the loop.
    m_bContinueModal = TRUE;
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndOwner), hInst))
    {
        if (m_bContinueModal)
            RunModalLoop((GetStyle() & WS_VISIBLE) ? 0 : MLF_SHOWONIDLE);
        // The owner is re-enabled before the dialog hides, so that
        // activation returns to it rather than to another application.
        PostModal();
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bContinueModal = FALSE;
    PostModal();
    if (hWndOwner && ::IsWindow(hWndOwner))
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd)
        DestroyWindow();
    m_hWndTop = nullptr;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal)
        EndModalLoop(nResult);
    else if (m_hWnd && !(GetStyle() & WS_CHILD))
        ::ShowWindow(m_hWnd, SW_HIDE);   // a modeless dialog only hides
}

BOOL CDialog::OnInitDialog()
{
    if (m_lpszTemplateName && !ExecuteDlgInit(m_lpszTemplateName))
    {
        EndDialog(-1);
        return FALSE;
    }
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;   // the refused control has the focus again
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Keyboard and mouse input gets the dialog's navigation (tab, arrows,
    // Enter for the default button, Escape for Cancel).
    if ((pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST))
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::ExecuteDlgInit(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT);
    if (!hResource)
    {
        hInst = ::GetModuleHandleA(nullptr);
        hResource = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT);
    }
    if (!hResource)
        return TRUE;   // no data is no error
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    return hData ? ExecuteDlgInit(::LockResource(hData)) : FALSE;
}

// Records of WORD control id, WORD message, DWORD length and the data; a
// control id of 0 ends the list. The messages carry the 16-bit numbers of
// the combo and list box messages that add a string.
BOOL CDialog::ExecuteDlgInit(LPVOID lpResource)
{
    if (!lpResource)
        return TRUE;
    const BYTE* p = (const BYTE*)lpResource;
    BOOL ok = TRUE;
    for (;;)
    {
        WORD id = (WORD)(p[0] | (p[1] << 8));
        if (id == 0)
            break;
        WORD message = (WORD)(p[2] | (p[3] << 8));
        DWORD length = (DWORD)p[4] | ((DWORD)p[5] << 8) | ((DWORD)p[6] << 16) | ((DWORD)p[7] << 24);
        const char* data = (const char*)(p + 8);
        UINT msg32 = 0;
        if (message == 0x0403)        // CB_ADDSTRING of the 16-bit API
            msg32 = CB_ADDSTRING;
        else if (message == 0x0401)   // LB_ADDSTRING of the 16-bit API
            msg32 = LB_ADDSTRING;
        else if (message == CB_ADDSTRING || message == LB_ADDSTRING)
            msg32 = message;
        if (msg32)
        {
            CString text(data, (int)strnlen(data, length));
            LRESULT r = ::SendDlgItemMessageA(m_hWnd, id, msg32, 0, (LPARAM)(LPCSTR)text);
            if (r == CB_ERR || r == CB_ERRSPACE)
                ok = FALSE;
        }
        p += 8 + length;
    }
    return ok;
}

void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1); }
void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Controls' notifications and system commands stay with the dialog.
    const UINT kFirstCommandId = 0x8000, kFirstSystemCommand = 0xF000;
    if ((nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI) || nID < kFirstCommandId ||
        nID >= kFirstSystemCommand)
        return FALSE;
    CWnd* pOwner = m_hWnd ? GetOwner() : nullptr;
    if (pOwner && pOwner != this && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
