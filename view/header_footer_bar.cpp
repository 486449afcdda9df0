#include "view/header_footer_bar.h"
#include "app/CWCustomFrameData.h"
#include "afxwin.h"

namespace {
const int kHeaderFooterFirst = 1;
const int kHeaderFooterLast = 6;
const CPoint kFloatPlace(200, 150);
} // namespace

bool IsHeaderFooterPart(long part)
{
    return part >= kHeaderFooterFirst && part <= kHeaderFooterLast;
}

void ShowHeaderFooterBar(bool show)
{
    CWCustomFrameData* data = GetCustomFrameData();
    CToolBar* bar = data ? data->GetHeaderFooterBar() : NULL;
    if (!bar || !bar->GetSafeHwnd())
        return;
    CFrameWnd* frame = bar->GetDockingFrame();
    if (!frame)
        return;
    if (show && !bar->IsFloating())
        frame->FloatControlBar(bar, kFloatPlace, CBRS_ALIGN_TOP);
    frame->ShowControlBar(bar, show, FALSE);
}
