// CCommonDialog, CFileDialog and CColorDialog. The system dialogs run their
// own modal loops; these classes prepare the records they take and read
// back what they leave.
#include "afxwin.h"
#include "afxcdlg.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd)
    : CDialog((UINT)0, pParentWnd)
{
    m_lpszTemplateName = nullptr;
}

HWND CCommonDialog::GetOwnerWindow() const
{
    return AfxGetSafeOwnerWindow(m_pParentWnd);
}

// ---------------------------------------------------------------------------
// CFileDialog

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = 0;
    m_szFileTitle[0] = 0;
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _countof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = _countof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.hInstance = AfxGetResourceHandle();
    if (lpszDefExt)
    {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (dwFlags & OFN_ALLOWMULTISELECT)
    {
        // The folder and every chosen name share the buffer: a path's
        // worth of room would make a larger choice fail like Cancel.
        m_pszMultiFileNames = new char[kMultiSelectBufferSize];
        m_pszMultiFileNames[0] = 0;
        m_ofn.lpstrFile = m_pszMultiFileNames;
        m_ofn.nMaxFile = kMultiSelectBufferSize;
    }
    if (lpszFileName)
        lstrcpynA(m_ofn.lpstrFile, lpszFileName, (int)m_ofn.nMaxFile);
    if (lpszFilter)
    {
        // The system wants the pairs separated by zeros, ending with two.
        size_t n = strlen(lpszFilter);
        m_pszFilter = new char[n + 2];
        memcpy(m_pszFilter, lpszFilter, n + 1);
        m_pszFilter[n + 1] = 0;
        for (size_t i = 0; i < n; i++)
            if (m_pszFilter[i] == '|')
                m_pszFilter[i] = 0;
        m_ofn.lpstrFilter = m_pszFilter;
    }
}

CFileDialog::~CFileDialog()
{
    delete[] m_pszFilter;
    delete[] m_pszMultiFileNames;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = GetOwnerWindow();
    BOOL ok = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return m_ofn.lpstrFile;
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    int cut = -1;
    for (int i = 0; i < path.GetLength(); i++)
        if (path[i] == '\\' || path[i] == '/' || path[i] == ':')
            cut = i;
    return path.Mid(cut + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

POSITION CFileDialog::GetStartPosition() const
{
    return m_ofn.lpstrFile && m_ofn.lpstrFile[0] ? (POSITION)m_ofn.lpstrFile : nullptr;
}

// With several files the buffer holds the folder, then each name, each
// ended by a zero and the whole by a second zero; with one file, its path.
CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCSTR p = (LPCSTR)pos;
    LPCSTR first = m_ofn.lpstrFile;
    if (!p)
        return CString();
    if (p == first)
    {
        size_t n = strlen(first);
        if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT) || first[n + 1] == 0)
        {
            pos = nullptr;
            return CString(first);
        }
        p = first + n + 1;
    }
    CString path = first;
    if (path.GetLength() && path[path.GetLength() - 1] != '\\')
        path += '\\';
    path += p;
    p += strlen(p) + 1;
    pos = *p ? (POSITION)p : nullptr;
    return path;
}

// ---------------------------------------------------------------------------
// CColorDialog

COLORREF CColorDialog::clrSavedCustom[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
};

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = clrSavedCustom;
    m_cc.Flags = dwFlags;
    m_cc.rgbResult = clrInit;
    if (clrInit)
        m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = GetOwnerWindow();
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}

COLORREF* CColorDialog::GetSavedCustomColors()
{
    return clrSavedCustom;
}
