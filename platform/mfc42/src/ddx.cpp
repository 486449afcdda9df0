// Dialog data exchange: CDataExchange and the DDX_/DDV_ functions. A value
// that cannot be taken is reported with the class library's prompt through
// AfxMessageBox (so the application's DoMessageBox shows it), and the pass
// ends with CDataExchange::Fail.
#include "afxwin.h"
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!hWndCtrl)
    {
        TRACE("mfc42: data exchange with control %d, which the dialog does not have\n", nIDC);
        AfxThrowNotSupportedException();
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

// ---------------------------------------------------------------------------
// Prompts

static const struct
{
    UINT id;
    const char* text;
} kPrompts[] = {
    { AFX_IDP_PARSE_INT, "Please enter an integer." },
    { AFX_IDP_PARSE_REAL, "Please enter a number." },
    { AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2." },
    { AFX_IDP_PARSE_REAL_RANGE, "Please enter a number between %1 and %2." },
    { AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters." },
    { AFX_IDP_PARSE_RADIO_BUTTON, "Please select a button." },
    { AFX_IDP_PARSE_BYTE, "Please enter an integer between 0 and 255." },
    { AFX_IDP_PARSE_UINT, "Please enter a positive integer." },
};

void AFXAPI AfxDataExchangeMessage(UINT nIDPrompt, LPCSTR lpsz1, LPCSTR lpsz2)
{
    CString text;
    if (!text.LoadString(nIDPrompt))
    {
        for (const auto& prompt : kPrompts)
            if (prompt.id == nIDPrompt)
                text = prompt.text;
    }
    if (lpsz1)
        text.Replace("%1", lpsz1);
    if (lpsz2)
        text.Replace("%2", lpsz2);
    AfxMessageBox(text, MB_ICONEXCLAMATION, nIDPrompt);
}

// ---------------------------------------------------------------------------
// Text

static CString ControlText(HWND hWnd)
{
    CString text;
    int n = ::GetWindowTextLengthA(hWnd);
    ::GetWindowTextA(hWnd, text.GetBuffer(n + 1), n + 1);
    text.ReleaseBuffer();
    return text;
}

// Sets the text only when it differs, so an edit does not flicker or send
// EN_CHANGE for nothing.
static void SetControlText(HWND hWnd, LPCSTR lpszText)
{
    if (ControlText(hWnd) != lpszText)
        ::SetWindowTextA(hWnd, lpszText);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;   // bound on an earlier pass
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        SetControlText(hWndCtrl, value);
}

// A whole number with optional blanks around it and an optional sign;
// FALSE for anything else and for values outside [minVal, maxVal] of the
// type (never wrapping).
static BOOL ParseWhole(const CString& text, BOOL bSigned, long long minVal, long long maxVal, long long* pValue)
{
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        p++;
    bool negative = false;
    if (*p == '+' || *p == '-')
    {
        negative = *p == '-';
        if (negative && !bSigned)
            return FALSE;
        p++;
    }
    if (*p < '0' || *p > '9')
        return FALSE;
    long long value = 0;
    while (*p >= '0' && *p <= '9')
    {
        value = value * 10 + (*p - '0');
        if (value > maxVal + 1LL)
            return FALSE;
        p++;
    }
    while (*p == ' ' || *p == '\t')
        p++;
    if (*p)
        return FALSE;
    if (negative)
        value = -value;
    if (value < minVal || value > maxVal)
        return FALSE;
    *pValue = value;
    return TRUE;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long parsed;
        if (!ParseWhole(ControlText(hWndCtrl), TRUE, INT_MIN, INT_MAX, &parsed))
        {
            AfxDataExchangeMessage(AFX_IDP_PARSE_INT);
            pDX->Fail();
        }
        value = (int)parsed;
    }
    else
    {
        char buffer[16];
        snprintf(buffer, sizeof(buffer), "%d", value);
        SetControlText(hWndCtrl, buffer);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    int v = (int)value;
    DDX_Text(pDX, nIDC, v);
    value = v;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long parsed;
        if (!ParseWhole(ControlText(hWndCtrl), FALSE, 0, UINT_MAX, &parsed))
        {
            AfxDataExchangeMessage(AFX_IDP_PARSE_UINT);
            pDX->Fail();
        }
        value = (UINT)parsed;
    }
    else
    {
        char buffer[16];
        snprintf(buffer, sizeof(buffer), "%u", value);
        SetControlText(hWndCtrl, buffer);
    }
}

// ---------------------------------------------------------------------------
// Buttons

static BOOL IsRadioButton(HWND hWnd)
{
    return (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP))
        TRACE("mfc42: DDX_Radio on control %d, which does not start a group\n", nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    // The group runs from the first button to the next control with
    // WS_GROUP; only radio buttons count.
    for (HWND hWnd = hWndCtrl; hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd != hWndCtrl && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_GROUP))
            break;
        if (!IsRadioButton(hWnd))
            continue;
        if (pDX->m_bSaveAndValidate)
        {
            if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        }
        else
            ::SendMessageA(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        index++;
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
    {
        if (value < 0 || value > 2)
        {
            TRACE("mfc42: DDX_Check value %d out of range, unchecked\n", value);
            value = 0;
        }
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
    }
}

// ---------------------------------------------------------------------------
// Combo and list boxes

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

static BOOL ComboHasEdit(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & 3) != CBS_DROPDOWNLIST;
}

static CString ComboSelectionText(HWND hWnd)
{
    CString text;
    int index = (int)::SendMessageA(hWnd, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR)
    {
        int n = (int)::SendMessageA(hWnd, CB_GETLBTEXTLEN, index, 0);
        if (n != CB_ERR)
        {
            ::SendMessageA(hWnd, CB_GETLBTEXT, index, (LPARAM)text.GetBuffer(n + 1));
            text.ReleaseBuffer();
        }
    }
    return text;
}

static void DDX_CBStringBy(CDataExchange* pDX, int nIDC, CString& value, BOOL bExact)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = ComboHasEdit(hWndCtrl) ? ControlText(hWndCtrl) : ComboSelectionText(hWndCtrl);
        return;
    }
    int index = bExact ? (int)::SendMessageA(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCSTR)value)
                       : (int)::SendMessageA(hWndCtrl, CB_FINDSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value);
    if (index != CB_ERR)
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
    if (index == CB_ERR || bExact)
    {
        if (ComboHasEdit(hWndCtrl))
            ::SetWindowTextA(hWndCtrl, value);
        else if (index == CB_ERR)
            ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)-1, 0);
    }
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    DDX_CBStringBy(pDX, nIDC, value, FALSE);
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    DDX_CBStringBy(pDX, nIDC, value, TRUE);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value.Empty();
        int index = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
        if (index != LB_ERR)
        {
            int n = (int)::SendMessageA(hWndCtrl, LB_GETTEXTLEN, index, 0);
            ::SendMessageA(hWndCtrl, LB_GETTEXT, index, (LPARAM)value.GetBuffer(n + 1));
            value.ReleaseBuffer();
        }
    }
    else
    {
        int index = (int)::SendMessageA(hWndCtrl, LB_FINDSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value);
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
    }
}

// ---------------------------------------------------------------------------
// Validation

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() > nChars)
        {
            char limit[16];
            snprintf(limit, sizeof(limit), "%d", nChars);
            AfxDataExchangeMessage(AFX_IDP_PARSE_STRING_SIZE, limit);
            pDX->Fail();
        }
    }
    else if (pDX->m_hWndLastControl && pDX->m_bEditLastControl)
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
}

// A value outside [minVal, maxVal] is refused with the range in the
// message; format prints one bound.
template <class T>
static void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, const char* format)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    char low[24], high[24];
    snprintf(low, sizeof(low), format, minVal);
    snprintf(high, sizeof(high), format, maxVal);
    AfxDataExchangeMessage(AFX_IDP_PARSE_INT_RANGE, low, high);
    pDX->Fail();
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "%d");
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "%ld");
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "%u");
}
