// Common dialogs of the class library over the system's: the base
// CCommonDialog, CFileDialog (open with one or many files, save) and
// CColorDialog. The print and page set-up dialogs are in afxdlgs.h.
#pragma once
#include "afxdialog.h"
#include <commdlg.h>

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    // The window that owns the system dialog: the parent's (else the main
    // window's) top-level window; the system disables it while it runs.
    HWND GetOwnerWindow() const;
};

class CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter pairs are separated by '|' ("Text (*.txt)|*.txt||").
    // With OFN_ALLOWMULTISELECT the names go to a buffer of
    // kMultiSelectBufferSize characters, room for hundreds of files.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog();

    OPENFILENAMEA m_ofn;

    // IDOK when a name was chosen, else IDCANCEL.
    virtual INT_PTR DoModal() override;

    // The chosen path (the folder, for several files).
    CString GetPathName() const;
    CString GetFileName() const;    // name and extension
    CString GetFileExt() const;     // without the dot
    CString GetFileTitle() const;   // name without extension
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    // The chosen files one by one, as full paths; null when none.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    char m_szFileName[_MAX_PATH];
    char* m_pszMultiFileNames = nullptr;
    char m_szFileTitle[64];
public:
    enum { kMultiSelectBufferSize = 0x10000 };
protected:
    CString m_strDefExt;
    char* m_pszFilter = nullptr;
};

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    CHOOSECOLORA m_cc;

    virtual INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // The custom colours, kept for the whole process between dialogs.
    static COLORREF* GetSavedCustomColors();
    static COLORREF clrSavedCustom[16];
};
