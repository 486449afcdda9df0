// The one-line prompt and InputDlg.
#include "app/CWInputDlg.h"
#include <cstring>

BEGIN_MESSAGE_MAP(CWInputDlg, CXHelpDialog)
END_MESSAGE_MAP()

CWInputDlg::CWInputDlg(CWnd* pParent) : CXHelpDialog(IDD_INPUT_PROMPT, pParent) {}

void CWInputDlg::DoDataExchange(CDataExchange* pDX)
{
    CXHelpDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_INPUT_PROMPT, m_strPrompt);
    DDX_Text(pDX, IDC_INPUT_TEXT, m_strText);
}

BOOL CWInputDlg::OnInitDialog()
{
    BOOL result = CXHelpDialog::OnInitDialog();
    if (m_pCaption)
        SetWindowText(m_pCaption);
    return result;
}

void CopyEntryToBuffer(const CString& entry, char* buffer, int length)
{
    if (!buffer || length <= 0)
        return;
    size_t room = static_cast<size_t>(length) - 1;
    size_t n = std::min(room, static_cast<size_t>(entry.GetLength()));
    memcpy(buffer, static_cast<const char*>(entry), n);
    buffer[n] = '\0';
}

int InputDlg(const char* caption, const char* prompt, char* buffer, int length)
{
    CWInputDlg dlg(nullptr);
    dlg.m_pCaption = caption;
    dlg.m_strPrompt = prompt ? prompt : "";
    if (buffer && length > 0)
        dlg.m_strText = CString(buffer, static_cast<int>(strnlen(buffer, static_cast<size_t>(length))));
    if (dlg.DoModal() != IDOK)
        return 0;
    CopyEntryToBuffer(dlg.m_strText, buffer, length);
    return 1;
}
