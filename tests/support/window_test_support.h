// Helpers of the tests that open windows on the X display.
#pragma once
#include "afxwin.h"
#include <stdlib.h>

inline bool HaveXDisplay()
{
    const char* display = getenv("DISPLAY");
    return display && *display;
}

// Runs the messages that are waiting, a few rounds apart, through the
// application's PreTranslateMessage; a WM_QUIT that a destroyed main
// window posted is dropped.
inline void PumpWaitingMessages()
{
    MSG msg;
    for (int round = 0; round < 3; round++)
    {
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                continue;
            if (!AfxGetApp()->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::Sleep(20);
    }
}
