// The real password prompt on the X display: the template's edit hidden and
// disabled, the masked edit focused, and what is typed there taken by the
// gate.
#include "tests/convert/dos_test_support.h"
#include "tests/support/window_test_support.h"
#include <atomic>

using namespace dos_test;

namespace {

const int kUnmaskedEditId = 1085;

void Tap(WORD key, bool shifted)
{
    INPUT input[4];
    memset(input, 0, sizeof(input));
    int n = 0;
    auto add = [&](WORD vk, bool up) {
        input[n].type = INPUT_KEYBOARD;
        input[n].ki.wVk = vk;
        input[n].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++n;
    };
    if (shifted)
        add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shifted)
        add(VK_SHIFT, true);
    ::SendInput(n, input, sizeof(INPUT));
}

// Found by the title the window manager keeps, without asking the window
// (its thread is busy in the modal loop).
HWND WindowTitled(const std::string& title)
{
    struct Search
    {
        std::string title;
        HWND found = NULL;
    } search{title};
    ::EnumWindows(
        [](HWND w, LPARAM p) -> BOOL CALLBACK {
            Search& s = *(Search*)p;
            WCHAR wide[MAX_PATH] = {0};
            char text[MAX_PATH] = {0};
            ::InternalGetWindowText(w, wide, MAX_PATH);
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, NULL, NULL);
            if (s.title == text)
            {
                s.found = w;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return search.found;
}

struct PromptSeen
{
    std::atomic<bool> found{false}, masked{false}, plainHidden{false}, focused{false}, done{false};
};

// Waits for the prompt titled caption, looks at it, types text and Enter.
void TypeInto(const std::string& caption, const std::string& text, DWORD thread, PromptSeen& seen);

struct Typist
{
    std::string caption, text;
    DWORD thread;
    PromptSeen* seen;
};

// A Win32 thread: the typist calls Win32, which threads of the C++ library
// may not.
DWORD WINAPI TypeAndTell(void* p)
{
    Typist& t = *(Typist*)p;
    TypeInto(t.caption, t.text, t.thread, *t.seen);
    t.seen->done = true;
    return 0;
}

void TypeInto(const std::string& caption, const std::string& text, DWORD thread, PromptSeen& seen)
{
    HWND dialog = NULL;
    for (int i = 0; i < 500 && !dialog; ++i)
    {
        dialog = WindowTitled(caption);

        if (!dialog)
            ::Sleep(20);
    }
    if (!dialog)
        return;
    seen.found = true;
    // The title is there as soon as the dialog window is made, before its
    // controls are: they are looked for until the dialog shows.
    HWND edit = NULL, plain = NULL;
    for (int i = 0; i < 250; ++i)
    {
        edit = ::GetDlgItem(dialog, IDC_INPUT_TEXT);
        plain = ::GetDlgItem(dialog, kUnmaskedEditId);
        if (edit && plain && ::IsWindowVisible(dialog))
            break;
        ::Sleep(20);
    }
    GUITHREADINFO info;
    memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    for (int i = 0; i < 100 && !seen.focused; ++i)
    {
        ::GetGUIThreadInfo(thread, &info);
        seen.focused = info.hwndFocus == edit;
        if (!seen.focused)
            ::Sleep(20);
    }
    // On a busy machine the dialog may still be showing itself: the look
    // is taken once it has settled, within a few seconds.
    for (int i = 0; i < 250 && !seen.masked; ++i)
    {
        seen.masked = edit && (::GetWindowLongA(edit, GWL_STYLE) & ES_PASSWORD) && ::IsWindowVisible(edit) &&
                      ::SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0) != 0;
        if (!seen.masked)
            ::Sleep(20);
    }
    seen.plainHidden = plain && !::IsWindowVisible(plain) && !::IsWindowEnabled(plain);
    ::SetForegroundWindow(dialog);
    for (char c : text)
    {
        const SHORT scan = ::VkKeyScanA(c);
        Tap((WORD)(scan & 0xFF), (scan >> 8) & 1);
    }
    ::Sleep(100);
    Tap(VK_RETURN, false);
}

class DosPrompt : public DosFixture
{
};

TEST_F(DosPrompt, WhatIsTypedIntoTheMaskedEditOpensTheDocument)
{
    if (!HaveXDisplay())
        GTEST_SKIP() << "no X display";
    SetPasswordPrompt(InputPasswordDlg);
    const std::string path = Write("typed.xtx", Protected("--HDR2.0-- 18 HI;\nx\n", StoredForm("Typed1")));
    PromptSeen seen;
    Typist typist{path, "typed1", ::GetCurrentThreadId(), &seen};
    HANDLE thread = ::CreateThread(NULL, 0, TypeAndTell, &typist, 0, NULL);
    ASSERT_TRUE(thread);
    CWnd owner;
    const int result = CHK_password(owner, path.c_str());
    // The typist may still wait for an answer of this thread's windows.
    while (!seen.done)
        PumpWaitingMessages();
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    DeleteFileA(DosTemporaryCopyPath());
    EXPECT_TRUE(seen.found);
    EXPECT_TRUE(seen.masked);
    EXPECT_TRUE(seen.plainHidden);
    EXPECT_TRUE(seen.focused);
    EXPECT_EQ(result, 1) << Told();
}

} // namespace
