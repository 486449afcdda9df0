// The masked password prompt of DOS documents.
#include "convert/dos_password.h"
#include <string.h>

namespace
{
// The template's own edit moves aside to this id, hidden and disabled, so
// that the data exchange of the entry finds the masked edit.
const int kUnmaskedEditId = 1085;
const RECT kMaskedEditRect = {7, 15, 214, 29};
} // namespace

BEGIN_MESSAGE_MAP(CWPasswordDialog, CWInputDlg)
END_MESSAGE_MAP()

CWPasswordDialog::CWPasswordDialog() : CWInputDlg(nullptr) {}

CWPasswordDialog::~CWPasswordDialog()
{
    if (m_edit.GetSafeHwnd())
        m_edit.DestroyWindow();
}

BOOL CWPasswordDialog::OnInitDialog()
{
    CWInputDlg::OnInitDialog();
    CWnd* plain = GetDlgItem(IDC_INPUT_TEXT);
    if (plain)
    {
        plain->ShowWindow(SW_HIDE);
        plain->EnableWindow(FALSE);
        plain->SetDlgCtrlID(kUnmaskedEditId);
    }
    m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD, kMaskedEditRect,
                  this, IDC_INPUT_TEXT);
    if (plain)
        ::SetWindowPos(m_edit.GetSafeHwnd(), plain->GetSafeHwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_edit.SetFont(GetFont());
    m_edit.SetWindowText(m_strText);
    // The user types at once, into the masked edit.
    m_edit.SetFocus();
    return FALSE;
}

int InputPasswordDlg(const char* caption, const char* prompt, char* buffer, int size)
{
    CWPasswordDialog dialog;
    dialog.m_pCaption = caption;
    dialog.m_strPrompt = prompt ? prompt : "";
    if (buffer && size > 0)
        dialog.m_strText = CString(buffer, (int)strnlen(buffer, (size_t)size));
    if (dialog.DoModal() != IDOK)
        return 0;
    CopyEntryToBuffer(dialog.m_strText, buffer, size);
    return 1;
}
