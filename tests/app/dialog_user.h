// Plays the user while a modal dialog runs in this thread: a timer looks at
// every visible dialog window of the thread and lets the test act on it
// (read its controls, type into them, press a button). A dialog that is
// still open after a while is cancelled, so that a failing test ends.
#pragma once
#include "afxwin.h"
#include <functional>
#include <string>

namespace dialog_user {

const UINT kTick = 100;          // ms between looks
const int kGiveUpTicks = 150;

// Called with each visible dialog window; answers true when it acted (the
// timer then waits for the next tick).
using Act = std::function<bool(HWND)>;

struct State
{
    Act act;
    int ticks = 0;
};
inline State*& Current()
{
    static State* state = nullptr;
    return state;
}

inline std::string Text(HWND h)
{
    char text[1024] = "";
    GetWindowTextA(h, text, sizeof text);
    return text;
}

inline std::string ItemText(HWND dialog, int id)
{
    return Text(GetDlgItem(dialog, id));
}

inline void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

inline BOOL CALLBACK LookAt(HWND h, LPARAM)
{
    char cls[32] = "";
    GetClassNameA(h, cls, sizeof cls);
    if (!IsWindowVisible(h) || strcmp(cls, "#32770") != 0)
        return TRUE;
    State* state = Current();
    if (state->ticks > kGiveUpTicks)
    {
        Press(h, IDCANCEL);
        return FALSE;
    }
    return !state->act(h);
}

inline void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (!Current())
        return;
    Current()->ticks++;
    EnumThreadWindows(GetCurrentThreadId(), LookAt, 0);
}

}  // namespace dialog_user

// Runs what (which opens a modal dialog) while act plays the user.
template <class F>
auto AsUser(dialog_user::Act act, F what)
{
    dialog_user::State state;
    state.act = std::move(act);
    dialog_user::Current() = &state;
    const UINT_PTR timer = SetTimer(NULL, 0, dialog_user::kTick, dialog_user::OnTick);
    auto result = what();
    KillTimer(NULL, timer);
    dialog_user::Current() = nullptr;
    return result;
}
