// The word processor's application object. Exactly one exists, the global
// App, built when the library is opened; the class library's WinMain finds
// it and runs its start-up.
#pragma once
#include "afxwin.h"

class CWApp : public CWinApp
{
public:
    CWApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
};

extern CWApp App;
