// The one-line prompt: a caption, a line of prompt text and an edit field
// whose text the caller reads after OK. The conversion's password prompt
// derives from it, and InputDlg asks for a text into a caller's buffer.
#pragma once
#include "xhelpdlg.h"

// Controls of the prompt's template.
#define IDD_INPUT_PROMPT     5066
#define IDC_INPUT_PROMPT     1181
#define IDC_INPUT_TEXT       1084

class CWInputDlg : public CXHelpDialog
{
public:
    // A null parent means the application's main window.
    explicit CWInputDlg(CWnd* pParent = nullptr);

    CString m_strPrompt;      // shown above the edit field
    CString m_strText;        // the entry; the initial text before DoModal
    const char* m_pCaption = nullptr;  // the window's title, when set

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()
};

// Asks for a text with the prompt; buffer holds the initial text and, after
// OK, the entry cut to length - 1 bytes and terminated. Answers 1 after OK,
// 0 after Cancel (the buffer is left as it was).
int InputDlg(const char* caption, const char* prompt, char* buffer, int length);

// The copy InputDlg makes after OK, on its own for the tests.
void CopyEntryToBuffer(const CString& entry, char* buffer, int length);
