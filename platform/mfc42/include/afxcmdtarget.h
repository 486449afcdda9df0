// CCmdTarget: the base of every class that receives commands. For now it
// carries the wait cursor; message maps and command routing join it with
// the window classes.
#pragma once
#include "afxobject.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() {}
    virtual ~CCmdTarget() {}

    // Nested calls are counted; the arrow comes back when the count drops to 0.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();
};

// Shows the hourglass for the lifetime of the object.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();
};
