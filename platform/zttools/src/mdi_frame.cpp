// The tools library's multi-document frame.
#include "xmdiframe.h"

IMPLEMENT_DYNAMIC(CXCMDIFrameWnd, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CXCMDIFrameWnd, CMDIFrameWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CXCMDIFrameWnd::CXCMDIFrameWnd() = default;

void CXCMDIFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CMDIFrameWnd::OnSize(nType, cx, cy);
}
