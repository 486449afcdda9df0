// The main frame: creation of its bars, full-screen mode, closing, the
// family's programs, the Undo and Redo tips and help.
#include "app/CWMainFrame.h"
#include "app/CWApp.h"
#include "app/CWChildFrame.h"
#include "app/clipboard_document.h"
#include "app/window_placement.h"
#include "editing/CWUndoRedoStack.h"
#include "layout/shading.h"
#include "model/colors.h"
#include "resources/resource.h"
#include "afxfloatframe.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC(CWMainFrame, CZTMDIFrame)

BEGIN_MESSAGE_MAP(CWMainFrame, CZTMDIFrame)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_PAGE, OnUpdatePage)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_LINE, OnUpdateLine)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_POS, OnUpdatePos)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_INSERT, OnUpdateIns)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_MODIFIED, OnUpdateMod)
    ON_COMMAND(ID_VIEW_FULLSCREEN, OnViewFullScreen)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FULLSCREEN, OnUpdateViewFullScreen)
    ON_WM_WINDOWPOSCHANGING()
    ON_COMMAND(ID_FORMAT_SHOW_BORDERS, OnFormatBorder)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_SHOW_BORDERS, OnUpdateFormatBorder)
    ON_COMMAND(ID_TOOLS_CUSTOMIZE, OnToolsCustomize)
    ON_COMMAND(ID_VIEW_TOOLBARS, OnViewToolbars)
    ON_WM_CLOSE()
    ON_COMMAND(ID_RUN_DATABASE, OnRunDataBase)
    ON_COMMAND(ID_RUN_SPREADSHEET, OnRunSpread)
    ON_COMMAND(ID_RUN_PAINT, OnRunPaint)
    ON_COMMAND(ID_RUN_DRAW, OnRunDraw)
    ON_COMMAND(ID_RUN_LAUNCHER, OnRunZentavo)
    ON_UPDATE_COMMAND_UI(ID_COMBO_ZOOM, OnUpdateCombos)
    ON_WM_DESTROY()
    ON_COMMAND(ID_WHELP_FINDER, OnWHelpFinder)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_UPDATE_COMMAND_UI(ID_COMBO_STYLE, OnUpdateCombos)
    ON_UPDATE_COMMAND_UI(ID_COMBO_FONT, OnUpdateCombos)
    ON_UPDATE_COMMAND_UI(ID_COMBO_FONT_SIZE, OnUpdateCombos)
    ON_UPDATE_COMMAND_UI(ID_COMBO_LINE_STYLE, OnUpdateCombos)
    ON_UPDATE_COMMAND_UI(ID_COMBO_SHADE_STYLE, OnUpdateCombos)
    ON_UPDATE_COMMAND_UI(ID_BTN_SHADING_FORE, OnUpdateCombos)
    ON_UPDATE_COMMAND_UI(ID_BTN_SHADING_BACK, OnUpdateCombos)
    ON_UPDATE_COMMAND_UI(ID_BTN_BORDER_COLOR, OnUpdateCombos)
    ON_COMMAND(ID_HELP_FINDER, OnWHelpFinder)
    ON_WM_WININICHANGE()
END_MESSAGE_MAP()

namespace {

const UINT kToolBarStrips[] = { IDR_TOOLBAR_TOOLS, IDR_TOOLBAR_MENU, IDR_TOOLBAR_FORMAT, IDR_TOOLBAR_STANDARD };
const CPoint kFullScreenBarPlace(200, 50);
const UINT kNoZOrderNoActivate = SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

CWMainFrame::CWMainFrame()
{
    m_undoTip[0] = 0;
    m_undoTipW[0] = 0;
    EnableStatusBar(1);
    for (UINT strip : kToolBarStrips)
        m_menu.AddToolBarResource(strip);
    SetCustomizeID(ID_TOOLS_CUSTOMIZE);
    // Closing a floating toolbar takes the view back to the body text.
    AfxSetFloatingFrameClass(RUNTIME_CLASS(CWMiniDockingFrame));
}

CWMainFrame::~CWMainFrame() = default;

BOOL CWMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    return CZTMDIFrame::PreCreateWindow(cs);
}

int CWMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    InitColors();
    LoadBrushes();
    int result = CZTMDIFrame::OnCreate(lpCreateStruct);
    FindBars(GetToolBarManager());
    return result;
}

int CWMainFrame::OnCreateToolbars()
{
    CreateToolbars(GetToolBarManager());
    CZTMDIFrame::OnCreateToolbars();
    return 0;
}

int CWMainFrame::OnCreateStatusBar()
{
    return CreateStatusBar(this) ? 0 : -1;
}

void CWMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CXCMDIFrameWnd::OnSize(nType, cx, cy);
    SetStatusBarSize();
}

void CWMainFrame::AddCustomizeBtnGroups(CXCToolBarCmdPage& page)
{
    AddBtnGroups(page);
    CZTMDIFrame::AddCustomizeBtnGroups(page);
}

BOOL CWMainFrame::DoOpenFile(const char* path)
{
    return App.OpenDocumentFile(path) != nullptr;
}

void CWMainFrame::OnDestroy()
{
    CZTMDIFrame::OnDestroy();
}

// ---------------------------------------------------------------------------
// Full screen

void CWMainFrame::OnViewFullScreen()
{
    FindBars(GetToolBarManager());
    if (m_pFullScreenBar && !m_pFullScreenBar->IsFloating())
        FloatControlBar(m_pFullScreenBar, kFullScreenBarPlace, CBRS_ALIGN_TOP);
    m_bFullScreen = !m_bFullScreen;
    OnFullScreen(m_bFullScreen);
    // The full-screen toolbar is the way back while the menu is above the
    // screen: it shows only while full screen is on.
    if (m_pFullScreenBar)
        ShowControlBar(m_pFullScreenBar, m_bFullScreen, FALSE);
    if (m_bFullScreen)
    {
        GetWindowRect(&m_restoreRect);
        SetWindowPos(nullptr, 0, 0, ::GetSystemMetrics(SM_CXFULLSCREEN),
                     ::GetSystemMetrics(SM_CYFULLSCREEN) + ::GetSystemMetrics(SM_CYMENU), kNoZOrderNoActivate);
    }
    else
        SetWindowPos(nullptr, m_restoreRect.left, m_restoreRect.top, m_restoreRect.right - m_restoreRect.left,
                     m_restoreRect.bottom - m_restoreRect.top, kNoZOrderNoActivate);
}

void CWMainFrame::OnUpdateViewFullScreen(CCmdUI* pCmdUI)
{
    pCmdUI->Enable();
    pCmdUI->SetCheck(m_bFullScreen ? 1 : 0);
}

void CWMainFrame::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CZTMDIFrame::OnWindowPosChanging(lpwndpos);
    if (!m_bFullScreen)
        return;
    // Caption, menu bar and borders lie above the screen's top.
    int above = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYMENU) +
                2 * ::GetSystemMetrics(SM_CYBORDER);
    if (!(lpwndpos->flags & SWP_NOSIZE))
    {
        lpwndpos->cx = ::GetSystemMetrics(SM_CXSCREEN);
        lpwndpos->cy = ::GetSystemMetrics(SM_CYSCREEN) + above;
    }
    if (!(lpwndpos->flags & SWP_NOMOVE))
    {
        lpwndpos->x = 0;
        lpwndpos->y = -above;
    }
}

// ---------------------------------------------------------------------------
// Closing

void CWMainFrame::OnClose()
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (GetWindowPlacement(&wp))
    {
        wp.flags = IsZoomed() ? WPF_RESTORETOMAXIMIZED : 0;
        WriteWindowPlacement(szWPTitle, wp);
    }
    // The frame deletes itself when its window goes: keep what is needed
    // after the base's close in locals.
    HWND window = m_hWnd;
    CZTMDIFrame::OnClose();
    // QuitWrite may be left over from an earlier Save All while this close
    // stopped before its own question: only a frame that really went ends
    // the clipboard document.
    if (App.QuitWrite && !::IsWindow(window))
        CloseClipboardDocument();
}

// ---------------------------------------------------------------------------
// Tool tips of Undo and Redo

BOOL CWMainFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* hdr = (NMHDR*)lParam;
    bool tipRequest = hdr && (hdr->code == TTN_NEEDTEXTA || hdr->code == TTN_NEEDTEXTW);
    if (tipRequest && (hdr->idFrom == ID_TIP_UNDO || hdr->idFrom == ID_TIP_REDO))
    {
        bool undo = hdr->idFrom == ID_TIP_UNDO;
        CString word;
        word.LoadString(undo ? IDS_TIP_UNDO : IDS_TIP_REDO);
        CString text = word + (undo ? UndoText : RedoText);
        lstrcpynA(m_undoTip, text, sizeof(m_undoTip));
        if (hdr->code == TTN_NEEDTEXTA)
            ((NMTTDISPINFOA*)hdr)->lpszText = m_undoTip;
        else
        {
            ::MultiByteToWideChar(CP_ACP, 0, text, -1, m_undoTipW, _countof(m_undoTipW));
            m_undoTipW[_countof(m_undoTipW) - 1] = 0;
            ((NMTTDISPINFOW*)hdr)->lpszText = m_undoTipW;
        }
        return TRUE;
    }
    return CZTMDIFrame::OnNotify(wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------
// The family's programs, the toolbar controls' state and help

void CWMainFrame::Run(int (CXRunApplication::*starter)(), UINT failureId)
{
    if (!(App.m_runApplication.*starter)())
        AfxMessageBox(failureId, MB_OK);
}

void CWMainFrame::OnRunDataBase() { Run(&CXRunApplication::RunData, IDS_RUN_DATABASE_FAILED); }
void CWMainFrame::OnRunSpread() { Run(&CXRunApplication::RunSpread, IDS_RUN_SPREADSHEET_FAILED); }
void CWMainFrame::OnRunPaint() { Run(&CXRunApplication::RunPaint, IDS_RUN_PAINT_FAILED); }
void CWMainFrame::OnRunDraw() { Run(&CXRunApplication::RunDraw, IDS_RUN_DRAW_FAILED); }
void CWMainFrame::OnRunZentavo() { Run(&CXRunApplication::RunLauncher, IDS_RUN_LAUNCHER_FAILED); }

void CWMainFrame::OnUpdateCombos(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetCurrentView() != nullptr);
}

void CWMainFrame::OnWHelpFinder()
{
    App.WinHelp(0, HELP_FINDER);
}

void CWMainFrame::OnHelp()
{
    App.WinHelp(0, HELP_FINDER);
}
