// The control classes: messages of the system's control classes, and the
// owner-draw messages a parent hands back to its list boxes, combo boxes
// and buttons.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessageA(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

// The common controls' classes are registered by comctl32 once asked.
static void InitCommonControlClasses()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES };
    ::InitCommonControlsEx(&icc);
    done = true;
}

// ---------------------------------------------------------------------------
// CButton

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const { return (UINT)SEND(BM_GETSTATE, 0, 0); }
void CButton::SetState(BOOL bHighlight) { SEND(BM_SETSTATE, bHighlight, 0); }
int CButton::GetCheck() const { return (int)SEND(BM_GETCHECK, 0, 0); }
void CButton::SetCheck(int nCheck) { SEND(BM_SETCHECK, nCheck, 0); }
UINT CButton::GetButtonStyle() const { return (UINT)GetStyle() & 0xff; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) { SEND(BM_SETSTYLE, nStyle, bRedraw); }
HBITMAP CButton::SetBitmap(HBITMAP hBitmap) { return (HBITMAP)SEND(BM_SETIMAGE, IMAGE_BITMAP, hBitmap); }
HBITMAP CButton::GetBitmap() const { return (HBITMAP)SEND(BM_GETIMAGE, IMAGE_BITMAP, 0); }
HICON CButton::SetIcon(HICON hIcon) { return (HICON)SEND(BM_SETIMAGE, IMAGE_ICON, hIcon); }
HICON CButton::GetIcon() const { return (HICON)SEND(BM_GETIMAGE, IMAGE_ICON, 0); }

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
    TRACE("mfc42: an owner-drawn button without DrawItem\n");
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}

// ---------------------------------------------------------------------------
// CEdit

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const { return (BOOL)SEND(EM_CANUNDO, 0, 0); }
BOOL CEdit::Undo() { return (BOOL)SEND(EM_UNDO, 0, 0); }
void CEdit::EmptyUndoBuffer() { SEND(EM_EMPTYUNDOBUFFER, 0, 0); }
int CEdit::GetLineCount() const { return (int)SEND(EM_GETLINECOUNT, 0, 0); }
BOOL CEdit::GetModify() const { return (BOOL)SEND(EM_GETMODIFY, 0, 0); }
void CEdit::SetModify(BOOL bModified) { SEND(EM_SETMODIFY, bModified, 0); }
void CEdit::GetRect(LPRECT lpRect) const { SEND(EM_GETRECT, 0, lpRect); }
DWORD CEdit::GetSel() const { return (DWORD)SEND(EM_GETSEL, 0, 0); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD start = 0, end = 0;
    SEND(EM_GETSEL, &start, &end);
    nStartChar = (int)start;
    nEndChar = (int)end;
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SEND(EM_SETSEL, (int)(short)LOWORD(dwSelection), (int)(short)HIWORD(dwSelection));
    if (!bNoScroll)
        SEND(EM_SCROLLCARET, 0, 0);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SEND(EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        SEND(EM_SCROLLCARET, 0, 0);
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
{
    // The buffer's first word tells the edit its size.
    if (nMaxLength < (int)sizeof(WORD))
        return 0;
    *(WORD*)lpszBuffer = (WORD)nMaxLength;
    return (int)SEND(EM_GETLINE, nIndex, lpszBuffer);
}

int CEdit::LineIndex(int nLine) const { return (int)SEND(EM_LINEINDEX, nLine, 0); }
int CEdit::LineLength(int nLine) const { return (int)SEND(EM_LINELENGTH, nLine, 0); }
int CEdit::LineFromChar(int nIndex) const { return (int)SEND(EM_LINEFROMCHAR, nIndex, 0); }
void CEdit::LineScroll(int nLines, int nChars) { SEND(EM_LINESCROLL, nChars, nLines); }
int CEdit::GetFirstVisibleLine() const { return (int)SEND(EM_GETFIRSTVISIBLELINE, 0, 0); }
void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) { SEND(EM_REPLACESEL, bCanUndo, lpszNewText); }
void CEdit::LimitText(int nChars) { SEND(EM_LIMITTEXT, nChars, 0); }
UINT CEdit::GetLimitText() const { return (UINT)SEND(EM_GETLIMITTEXT, 0, 0); }
void CEdit::SetPasswordChar(char ch) { SEND(EM_SETPASSWORDCHAR, (BYTE)ch, 0); }
char CEdit::GetPasswordChar() const { return (char)SEND(EM_GETPASSWORDCHAR, 0, 0); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return (BOOL)SEND(EM_SETREADONLY, bReadOnly, 0); }
void CEdit::Clear() { SEND(WM_CLEAR, 0, 0); }
void CEdit::Copy() { SEND(WM_COPY, 0, 0); }
void CEdit::Cut() { SEND(WM_CUT, 0, 0); }
void CEdit::Paste() { SEND(WM_PASTE, 0, 0); }

// ---------------------------------------------------------------------------
// CStatic

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon) { return (HICON)SEND(STM_SETICON, hIcon, 0); }
HICON CStatic::GetIcon() const { return (HICON)SEND(STM_GETICON, 0, 0); }
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) { return (HBITMAP)SEND(STM_SETIMAGE, IMAGE_BITMAP, hBitmap); }
HBITMAP CStatic::GetBitmap() const { return (HBITMAP)SEND(STM_GETIMAGE, IMAGE_BITMAP, 0); }

// ---------------------------------------------------------------------------
// Owner draw shared by list and combo boxes

template <class T>
static BOOL OwnerDrawNotify(T* pCtrl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = TRUE;
    switch (message)
    {
    case WM_DRAWITEM:
        pCtrl->DrawItem((LPDRAWITEMSTRUCT)lParam);
        break;
    case WM_MEASUREITEM:
        pCtrl->MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        break;
    case WM_COMPAREITEM:
        result = pCtrl->CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case WM_DELETEITEM:
        pCtrl->DeleteItem((LPDELETEITEMSTRUCT)lParam);
        break;
    default:
        return FALSE;
    }
    if (pResult)
        *pResult = result;
    return TRUE;
}

// ---------------------------------------------------------------------------
// CListBox

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return (int)SEND(LB_GETCOUNT, 0, 0); }
int CListBox::GetCurSel() const { return (int)SEND(LB_GETCURSEL, 0, 0); }
int CListBox::SetCurSel(int nSelect) { return (int)SEND(LB_SETCURSEL, nSelect, 0); }
int CListBox::GetTopIndex() const { return (int)SEND(LB_GETTOPINDEX, 0, 0); }
int CListBox::SetTopIndex(int nIndex) { return (int)SEND(LB_SETTOPINDEX, nIndex, 0); }
DWORD_PTR CListBox::GetItemData(int nIndex) const { return (DWORD_PTR)SEND(LB_GETITEMDATA, nIndex, 0); }
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)SEND(LB_SETITEMDATA, nIndex, dwItemData); }
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const { return (int)SEND(LB_GETITEMRECT, nIndex, lpRect); }
int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const { return (int)SEND(LB_GETTEXT, nIndex, lpszBuffer); }
int CListBox::GetTextLen(int nIndex) const { return (int)SEND(LB_GETTEXTLEN, nIndex, 0); }

void CListBox::GetText(int nIndex, CString& rString) const
{
    int n = GetTextLen(nIndex);
    if (n == LB_ERR)
    {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBuffer(n + 1));
    rString.ReleaseBuffer();
}

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight) { return (int)SEND(LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)); }
int CListBox::GetItemHeight(int nIndex) const { return (int)SEND(LB_GETITEMHEIGHT, nIndex, 0); }
int CListBox::GetCaretIndex() const { return (int)SEND(LB_GETCARETINDEX, 0, 0); }
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll) { return (int)SEND(LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0)); }

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    DWORD result = (DWORD)SEND(LB_ITEMFROMPOINT, 0, MAKELONG(pt.x, pt.y));
    bOutside = HIWORD(result) != 0;
    return LOWORD(result);
}

BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops) { return (BOOL)SEND(LB_SETTABSTOPS, nTabStops, rgTabStops); }
void CListBox::SetColumnWidth(int cxWidth) { SEND(LB_SETCOLUMNWIDTH, cxWidth, 0); }
int CListBox::GetSel(int nIndex) const { return (int)SEND(LB_GETSEL, nIndex, 0); }
int CListBox::SetSel(int nIndex, BOOL bSelect) { return (int)SEND(LB_SETSEL, bSelect, nIndex); }
int CListBox::GetSelCount() const { return (int)SEND(LB_GETSELCOUNT, 0, 0); }
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const { return (int)SEND(LB_GETSELITEMS, nMaxItems, rgIndex); }

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    return bSelect ? (int)SEND(LB_SELITEMRANGEEX, nFirstItem, nLastItem)
                   : (int)SEND(LB_SELITEMRANGEEX, nLastItem, nFirstItem);
}

int CListBox::AddString(LPCSTR lpszItem) { return (int)SEND(LB_ADDSTRING, 0, lpszItem); }
int CListBox::DeleteString(UINT nIndex) { return (int)SEND(LB_DELETESTRING, nIndex, 0); }
int CListBox::InsertString(int nIndex, LPCSTR lpszItem) { return (int)SEND(LB_INSERTSTRING, nIndex, lpszItem); }
void CListBox::ResetContent() { SEND(LB_RESETCONTENT, 0, 0); }
int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const { return (int)SEND(LB_FINDSTRING, nStartAfter, lpszItem); }
int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const { return (int)SEND(LB_FINDSTRINGEXACT, nIndexStart, lpszFind); }
int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem) { return (int)SEND(LB_SELECTSTRING, nStartAfter, lpszItem); }

void CListBox::DrawItem(LPDRAWITEMSTRUCT) { TRACE("mfc42: an owner-drawn list box without DrawItem\n"); }
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OwnerDrawNotify(this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------
// CComboBox

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return (int)SEND(CB_GETCOUNT, 0, 0); }
int CComboBox::GetCurSel() const { return (int)SEND(CB_GETCURSEL, 0, 0); }
int CComboBox::SetCurSel(int nSelect) { return (int)SEND(CB_SETCURSEL, nSelect, 0); }
DWORD CComboBox::GetEditSel() const { return (DWORD)SEND(CB_GETEDITSEL, 0, 0); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) { return (BOOL)SEND(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar)); }
BOOL CComboBox::LimitText(int nMaxChars) { return (BOOL)SEND(CB_LIMITTEXT, nMaxChars, 0); }
DWORD_PTR CComboBox::GetItemData(int nIndex) const { return (DWORD_PTR)SEND(CB_GETITEMDATA, nIndex, 0); }
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)SEND(CB_SETITEMDATA, nIndex, dwItemData); }
int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const { return (int)SEND(CB_GETLBTEXT, nIndex, lpszText); }
int CComboBox::GetLBTextLen(int nIndex) const { return (int)SEND(CB_GETLBTEXTLEN, nIndex, 0); }

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int n = GetLBTextLen(nIndex);
    if (n == CB_ERR)
    {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBuffer(n + 1));
    rString.ReleaseBuffer();
}

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) { return (int)SEND(CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)); }
int CComboBox::GetItemHeight(int nIndex) const { return (int)SEND(CB_GETITEMHEIGHT, nIndex, 0); }
int CComboBox::GetTopIndex() const { return (int)SEND(CB_GETTOPINDEX, 0, 0); }
int CComboBox::SetTopIndex(int nIndex) { return (int)SEND(CB_SETTOPINDEX, nIndex, 0); }
int CComboBox::SetExtendedUI(BOOL bExtended) { return (int)SEND(CB_SETEXTENDEDUI, bExtended, 0); }
BOOL CComboBox::GetExtendedUI() const { return (BOOL)SEND(CB_GETEXTENDEDUI, 0, 0); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const { SEND(CB_GETDROPPEDCONTROLRECT, 0, lprect); }
BOOL CComboBox::GetDroppedState() const { return (BOOL)SEND(CB_GETDROPPEDSTATE, 0, 0); }
void CComboBox::ShowDropDown(BOOL bShowIt) { SEND(CB_SHOWDROPDOWN, bShowIt, 0); }
int CComboBox::GetDroppedWidth() const { return (int)SEND(CB_GETDROPPEDWIDTH, 0, 0); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return (int)SEND(CB_SETDROPPEDWIDTH, nWidth, 0); }
int CComboBox::AddString(LPCSTR lpszString) { return (int)SEND(CB_ADDSTRING, 0, lpszString); }
int CComboBox::DeleteString(UINT nIndex) { return (int)SEND(CB_DELETESTRING, nIndex, 0); }
int CComboBox::InsertString(int nIndex, LPCSTR lpszString) { return (int)SEND(CB_INSERTSTRING, nIndex, lpszString); }
void CComboBox::ResetContent() { SEND(CB_RESETCONTENT, 0, 0); }
int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const { return (int)SEND(CB_FINDSTRING, nStartAfter, lpszString); }
int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const { return (int)SEND(CB_FINDSTRINGEXACT, nIndexStart, lpszFind); }
int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString) { return (int)SEND(CB_SELECTSTRING, nStartAfter, lpszString); }
void CComboBox::Clear() { SEND(WM_CLEAR, 0, 0); }
void CComboBox::Copy() { SEND(WM_COPY, 0, 0); }
void CComboBox::Cut() { SEND(WM_CUT, 0, 0); }
void CComboBox::Paste() { SEND(WM_PASTE, 0, 0); }

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) { TRACE("mfc42: an owner-drawn combo box without DrawItem\n"); }
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OwnerDrawNotify(this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------
// CSpinButtonCtrl

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControlClasses();
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel) { return (BOOL)SEND(UDM_SETACCEL, nAccel, pAccel); }
UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const { return (UINT)SEND(UDM_GETACCEL, nAccel, pAccel); }
int CSpinButtonCtrl::SetBase(int nBase) { return (int)SEND(UDM_SETBASE, nBase, 0); }
UINT CSpinButtonCtrl::GetBase() const { return (UINT)SEND(UDM_GETBASE, 0, 0); }
CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) { return CWnd::FromHandle((HWND)SEND(UDM_SETBUDDY, pWndBuddy->GetSafeHwnd(), 0)); }
CWnd* CSpinButtonCtrl::GetBuddy() const { return CWnd::FromHandle((HWND)SEND(UDM_GETBUDDY, 0, 0)); }
int CSpinButtonCtrl::SetPos(int nPos) { return (int)(short)SEND(UDM_SETPOS, 0, MAKELONG((short)nPos, 0)); }
int CSpinButtonCtrl::GetPos() const { return (int)SEND(UDM_GETPOS, 0, 0); }
void CSpinButtonCtrl::SetRange(int nLower, int nUpper) { SEND(UDM_SETRANGE, 0, MAKELONG((short)nUpper, (short)nLower)); }
DWORD CSpinButtonCtrl::GetRange() const { return (DWORD)SEND(UDM_GETRANGE, 0, 0); }

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    DWORD range = GetRange();
    lower = (short)HIWORD(range);
    upper = (short)LOWORD(range);
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) { SEND(UDM_SETRANGE32, nLower, nUpper); }
void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const { SEND(UDM_GETRANGE32, &lower, &upper); }

// ---------------------------------------------------------------------------
// CProgressCtrl

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControlClasses();
    return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper) { SEND(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
void CProgressCtrl::SetRange32(int nLower, int nUpper) { SEND(PBM_SETRANGE32, nLower, nUpper); }

void CProgressCtrl::GetRange(int& nLower, int& nUpper)
{
    PBRANGE range = {};
    SEND(PBM_GETRANGE, TRUE, &range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::GetPos() { return (int)SEND(PBM_GETPOS, 0, 0); }
int CProgressCtrl::SetPos(int nPos) { return (int)SEND(PBM_SETPOS, nPos, 0); }
int CProgressCtrl::OffsetPos(int nPos) { return (int)SEND(PBM_DELTAPOS, nPos, 0); }
int CProgressCtrl::SetStep(int nStep) { return (int)SEND(PBM_SETSTEP, nStep, 0); }
int CProgressCtrl::StepIt() { return (int)SEND(PBM_STEPIT, 0, 0); }

// ---------------------------------------------------------------------------
// CToolTipCtrl

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    InitCommonControlClasses();
    // A popup owned by pParentWnd, not its child.
    BOOL ok = CWnd::CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr);
    if (ok)
        SetOwner(pParentWnd);
    return ok;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0)
    {
        // The whole window is the tool, named by its handle.
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hWnd;
    }
    else
    {
        ti.hwnd = hWnd;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool)
        ti.rect = *lpRectTool;
    ti.hinst = AfxGetResourceHandle();
    ti.lpszText = (LPSTR)lpszText;
    // The tool's messages come to the tooltip on their own.
    ti.uFlags |= TTF_SUBCLASS;
    return (BOOL)SEND(TTM_ADDTOOLA, 0, &ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    return AddTool(pWnd, MAKEINTRESOURCEA(nIDText), lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SEND(TTM_DELTOOLA, 0, &ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    char buffer[256] = "";
    ti.lpszText = buffer;
    SEND(TTM_GETTEXTA, 0, &ti);
    str = buffer;
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.hinst = AfxGetResourceHandle();
    ti.lpszText = (LPSTR)lpszText;
    SEND(TTM_UPDATETIPTEXTA, 0, &ti);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SEND(TTM_NEWTOOLRECTA, 0, &ti);
}

void CToolTipCtrl::Activate(BOOL bActivate) { SEND(TTM_ACTIVATE, bActivate, 0); }
int CToolTipCtrl::GetToolCount() const { return (int)SEND(TTM_GETTOOLCOUNT, 0, 0); }
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SEND(TTM_RELAYEVENT, 0, lpMsg); }
void CToolTipCtrl::SetDelayTime(UINT nDelay) { SEND(TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELONG(nDelay, 0)); }
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) { SEND(TTM_SETDELAYTIME, dwDuration, MAKELONG(iTime, 0)); }
void CToolTipCtrl::Pop() { SEND(TTM_POP, 0, 0); }
