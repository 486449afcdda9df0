// Starters of the family's other programs. Each answers nonzero when the
// program started.
#pragma once
#include "afxwin.h"

// No family programs are installed beside this one: every starter
// answers 0.
class CXRunApplication
{
public:
    virtual ~CXRunApplication() {}
    virtual int RunLauncher() { return 0; }
    virtual int RunData() { return 0; }
    virtual int RunDraw() { return 0; }
    virtual int RunSpread() { return 0; }
    virtual int RunPaint() { return 0; }
};
