// The password gate of the DOS product's documents: the transform of a
// typed password, the masked prompt and the hook through which the gate
// asks. Used by convert/password_gate.cpp and the tests.
#pragma once
#include "app/CWInputDlg.h"

// A password as the gate stores it: the first 8 characters upper-cased
// (a to z only) and shifted by the key; the rest stay.
void DR_encrypt(char* text);

// The masked prompt: the caption, the prompt text, the buffer (its
// contents are the initial text) and its size. 1 after OK with at most
// size - 1 characters of the entry in the buffer, 0 after Cancel with the
// buffer untouched.
int InputPasswordDlg(const char* caption, const char* prompt, char* buffer, int size);

// The prompt the gate asks through; InputPasswordDlg unless replaced.
// Answers the one replaced.
typedef int (*PasswordPromptFn)(const char* caption, const char* prompt, char* buffer, int size);
PasswordPromptFn SetPasswordPrompt(PasswordPromptFn prompt);

// The one-line prompt with a masked edit in place of the template's.
class CWPasswordDialog : public CWInputDlg
{
public:
    CWPasswordDialog();
    ~CWPasswordDialog() override;

protected:
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    CEdit m_edit;
};
