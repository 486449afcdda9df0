// The framework library's multi-document main frame.
#include "ZTMDIFrame.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC(CZTMDIFrame, CXCMDIFrameWnd)

BEGIN_MESSAGE_MAP(CZTMDIFrame, CXCMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZTMDIFrame::CZTMDIFrame()
{
    m_tipText[0] = 0;
    m_tipTextW[0] = 0;
}

CZTMDIFrame::~CZTMDIFrame() = default;

BOOL CZTMDIFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    return CXCMDIFrameWnd::PreCreateWindow(cs);
}

int CZTMDIFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXCMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    m_toolBarManager.SetFrame(this);
    if (OnCreateToolbars() == -1 || OnCreatePrivateBars() == -1 || OnCreateStatusBar() == -1)
        return -1;
    RecalcLayout();
    return 0;
}

void CZTMDIFrame::OnClose()
{
    CXCMDIFrameWnd::OnClose();
}

void CZTMDIFrame::OnDestroy()
{
    CXCMDIFrameWnd::OnDestroy();
}

BOOL CZTMDIFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* hdr = (NMHDR*)lParam;
    if (hdr && (hdr->code == TTN_NEEDTEXTA || hdr->code == TTN_NEEDTEXTW))
    {
        CString prompt;
        CString tip;
        if (prompt.LoadString((UINT)hdr->idFrom))
        {
            int newline = prompt.Find('\n');
            tip = newline >= 0 ? prompt.Mid(newline + 1) : prompt;
        }
        lstrcpynA(m_tipText, tip, sizeof(m_tipText));
        if (hdr->code == TTN_NEEDTEXTA)
            ((NMTTDISPINFOA*)hdr)->lpszText = m_tipText;
        else
        {
            ::MultiByteToWideChar(CP_ACP, 0, m_tipText, -1, m_tipTextW, sizeof(m_tipTextW) / sizeof(WCHAR));
            ((NMTTDISPINFOW*)hdr)->lpszText = m_tipTextW;
        }
        if (pResult)
            *pResult = 0;
        return TRUE;
    }
    return CXCMDIFrameWnd::OnNotify(wParam, lParam, pResult);
}

BOOL CZTMDIFrame::PreTranslateMessage(MSG* pMsg)
{
    if (m_accelerators.Translate(m_hWnd, pMsg))
        return TRUE;
    return CXCMDIFrameWnd::PreTranslateMessage(pMsg);
}

void CZTMDIFrame::AddCustomizeBtnGroups(CXCToolBarCmdPage&)
{
}

BOOL CZTMDIFrame::DoOpenFile(const char* path)
{
    CWinApp* app = AfxGetApp();
    return app && app->OpenDocumentFile(path) != nullptr;
}

void CZTMDIFrame::SetMainMenu()
{
    if (m_hMenuDefault && !MDIGetActive())
    {
        ::SetMenu(m_hWnd, m_hMenuDefault);
        ::DrawMenuBar(m_hWnd);
    }
}

void CZTMDIFrame::OnToolsCustomize()
{
    m_customizePage.RemoveAll();
    AddCustomizeBtnGroups(m_customizePage);
}

void CZTMDIFrame::OnViewToolbars()
{
    m_toolBarManager.ChooseToolBars();
}
