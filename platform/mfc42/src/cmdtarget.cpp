// CCmdTarget's wait cursor, which the application object counts.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
    else
        ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
    else
        ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(0);
}

CWaitCursor::CWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
}

CWaitCursor::~CWaitCursor()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
}

void CWaitCursor::Restore()
{
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(0);
}
