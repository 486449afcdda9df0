// The frame data's life, its current view, and the frame data of the main
// window in use.
#include "app/CWCustomFrameData.h"
#include "app/CWMainFrame.h"
#include "app/CWInPlaceFrame.h"
#include "view/CWView.h"

CWCustomFrameData::CWCustomFrameData() = default;

CWCustomFrameData::~CWCustomFrameData()
{
    if (m_progress.m_hWnd)
        m_progress.DestroyWindow();
}

CWView* CWCustomFrameData::GetCurrentView()
{
    CWinApp* app = AfxGetApp();
    CWnd* main = app ? app->m_pMainWnd : nullptr;
    if (main && main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
    {
        CMDIChildWnd* child = ((CMDIFrameWnd*)main)->MDIGetActive();
        CView* view = child ? child->GetActiveView() : nullptr;
        if (view && view->IsKindOf(RUNTIME_CLASS(CWView)))
            return (CWView*)view;
    }
    return m_pCurrentView;
}

void CWCustomFrameData::SetCurrentView(CWView* view)
{
    m_pCurrentView = view;
    CWView::sZoomCache = "GGG";
}

CWCustomFrameData* GetCustomFrameData()
{
    CWinThread* thread = AfxGetThread();
    CWnd* main = thread ? thread->m_pMainWnd : nullptr;
    if (!main)
        return nullptr;
    if (main->IsKindOf(RUNTIME_CLASS(CWMainFrame)))
        return static_cast<CWCustomFrameData*>((CWMainFrame*)main);
    if (main->IsKindOf(RUNTIME_CLASS(CWInPlaceFrame)))
        return static_cast<CWCustomFrameData*>((CWInPlaceFrame*)main);
    return nullptr;
}
