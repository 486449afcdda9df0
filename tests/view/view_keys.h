// Keys for a view under test: a modifier held in the keyboard state the
// view's GetKeyState reads, and a key-down handed straight to the view;
// used by the typing tests of tests/view.
#pragma once
#include "view/CWView.h"

inline void HoldKey(int key, bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[key] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

// The key pressed on view, with modifier held meanwhile when given.
inline void PressOn(CWView* view, UINT key, int modifier = 0)
{
    if (modifier)
        HoldKey(modifier, true);
    view->OnKeyDown(key, 1, 0);
    if (modifier)
        HoldKey(modifier, false);
}
