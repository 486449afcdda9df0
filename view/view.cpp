// The view's construction.
#include "view/CWView.h"
#include "model/GPageInfo.h"

IMPLEMENT_DYNCREATE(CWView, CScrollView)

int InPlaceFlag = 0;
UINT oldTextAlign = 0;

CWView::CWView() : m_nPageWidth(GPageInfo::kDefaultWidth), m_nPageHeight(GPageInfo::kDefaultHeight)
{
    m_nMapMode = MM_ANISOTROPIC;
}

CWView::~CWView() = default;

void CWView::OnDraw(CDC*)
{
}
