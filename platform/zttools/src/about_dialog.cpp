// The tools library's about box.
#include "xaboutdlg.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CXAboutDialog, CDialog)

namespace {

// Dialog units of the box; the controls are placed in pixels once the
// dialog's font is known.
const short kWidth = 200, kHeight = 80;
const int kMargin = 12, kLineHeight = 18, kButtonWidth = 80, kButtonHeight = 24;
const int kNameId = 1000, kVersionId = 1001;
const DWORD kFixedInfoSignature = 0xFEEF04BD;

// An empty modal frame: DLGTEMPLATE, then no menu, the default class and
// an empty title (the caption is set when the dialog opens).
struct EmptyTemplate
{
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
    WORD pad;
};
alignas(4) EmptyTemplate g_template = {
    { DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER, 0, 0, 0, 0, kWidth, kHeight }, 0, 0, 0, 0
};

}  // namespace

CXAboutDialog::CXAboutDialog(CWnd* pParentWnd, UINT nIDResource)
    : CDialog((UINT)0, pParentWnd), m_nIDResource(nIDResource)
{
    m_lpszTemplateName = nullptr;
    InitModalIndirect(&g_template.head, pParentWnd);
}

CString CXAboutDialog::ProductVersion()
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));   // RT_VERSION
    if (!found)
        return CString();
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* block = loaded ? ::LockResource(loaded) : nullptr;
    DWORD size = ::SizeofResource(module, found);
    if (!block || !size)
        return CString();
    // The fixed part of the block starts with its signature, on a 32-bit
    // boundary.
    const BYTE* bytes = (const BYTE*)block;
    const VS_FIXEDFILEINFO* info = nullptr;
    for (DWORD at = 0; at + sizeof(VS_FIXEDFILEINFO) <= size && !info; at += 4)
    {
        DWORD signature;
        memcpy(&signature, bytes + at, sizeof signature);
        if (signature == kFixedInfoSignature)
            info = (const VS_FIXEDFILEINFO*)(bytes + at);
    }
    if (!info)
        return CString();
    CString text;
    text.Format("Version %u.%u.%u.%u", HIWORD(info->dwProductVersionMS), LOWORD(info->dwProductVersionMS),
                HIWORD(info->dwProductVersionLS), LOWORD(info->dwProductVersionLS));
    return text;
}

BOOL CXAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_strName.LoadString(m_nIDResource);
    // A name resource of a document type holds several parts: the first.
    int newline = m_strName.Find('\n');
    if (newline >= 0)
        m_strName = m_strName.Left(newline);
    m_strVersion = ProductVersion();
    SetWindowText("About " + m_strName);

    CRect client;
    GetClientRect(&client);
    HFONT font = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    const int width = client.Width() - 2 * kMargin;
    struct Line { const CString& text; int id; } lines[] = { { m_strName, kNameId }, { m_strVersion, kVersionId } };
    int y = kMargin;
    for (const Line& line : lines)
    {
        HWND label = ::CreateWindowExA(0, "STATIC", line.text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                       kMargin, y, width, kLineHeight, m_hWnd, (HMENU)(INT_PTR)line.id,
                                       AfxGetInstanceHandle(), nullptr);
        ::SendMessageA(label, WM_SETFONT, (WPARAM)font, FALSE);
        y += kLineHeight + 4;
    }
    HWND ok = ::CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                client.right - kMargin - kButtonWidth, client.bottom - kMargin - kButtonHeight,
                                kButtonWidth, kButtonHeight, m_hWnd, (HMENU)(INT_PTR)IDOK, AfxGetInstanceHandle(),
                                nullptr);
    ::SendMessageA(ok, WM_SETFONT, (WPARAM)font, FALSE);
    ::SetFocus(ok);
    return FALSE;
}
