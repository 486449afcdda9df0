// The in-place frame.
#include "app/CWInPlaceFrame.h"

IMPLEMENT_DYNCREATE(CWInPlaceFrame, CFrameWnd)

CWInPlaceFrame::CWInPlaceFrame()
{
    EnableStatusBar(0);
}

CWInPlaceFrame::~CWInPlaceFrame() = default;
