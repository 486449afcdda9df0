// The view's construction.
#include "view/CWView.h"

IMPLEMENT_DYNCREATE(CWView, CScrollView)

CWView::CWView() = default;

CWView::~CWView() = default;

void CWView::OnDraw(CDC*)
{
}
