// The framework library's document window.
#include "ZTChildWnd.h"

IMPLEMENT_DYNCREATE(CZTChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CZTChildWnd, CMDIChildWnd)
END_MESSAGE_MAP()

CZTChildWnd::CZTChildWnd() = default;
