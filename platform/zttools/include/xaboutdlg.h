// The tools library's about box: the program's name (the string of the
// given resource id), its version from the resource module's version block,
// and OK. The layout is the library's own; the program gives no template.
#pragma once
#include "afxwin.h"

class CXAboutDialog : public CDialog
{
    DECLARE_DYNAMIC(CXAboutDialog)
public:
    // nIDResource: the string resource that names the program.
    explicit CXAboutDialog(CWnd* pParentWnd, UINT nIDResource);

    // The texts shown, read when the dialog opens.
    CString m_strName;
    CString m_strVersion;

    // The program's product version from the resource module's version
    // block; empty without one.
    static CString ProductVersion();

protected:
    virtual BOOL OnInitDialog() override;
    UINT m_nIDResource;
};
