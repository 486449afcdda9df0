// The program's main window: the family's multi-document frame carrying
// the toolbars, the status bar and the progress display through its frame
// data; full-screen mode, its placement kept in the profile when it
// closes, the ending of the clipboard document, the family's programs,
// the Undo and Redo tips and help.
#pragma once
#include "ZTMDIFrame.h"
#include "app/CWCustomFrameData.h"

class CWMainFrame : public CZTMDIFrame, public CWCustomFrameData
{
    DECLARE_DYNAMIC(CWMainFrame)
public:
    CWMainFrame();
    virtual ~CWMainFrame();

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual void AddCustomizeBtnGroups(CXCToolBarCmdPage& page) override;
    virtual CStatusBar* GetStatusbar() override { return &m_statusBar; }
    virtual BOOL DoOpenFile(const char* path) override;
    virtual int OnCreateToolbars() override;
    virtual int OnCreatePrivateBars() override { return 0; }
    virtual int OnCreateStatusBar() override;
    virtual void OnFullScreen(int) override {}
    virtual void OnPrepareView(CPtrArray&) override {}
    // Frame-data part.
    virtual CWnd* GetParent() override { return this; }
    virtual CXCToolBarManager* GetToolbars() override { return nullptr; }

    BOOL IsFullScreen() const { return m_bFullScreen; }
    CRect GetRestoreRect() const { return m_restoreRect; }

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnUpdatePage(CCmdUI* pCmdUI) { pCmdUI->Enable(); }
    void OnUpdateLine(CCmdUI* pCmdUI) { pCmdUI->Enable(); }
    void OnUpdatePos(CCmdUI* pCmdUI) { pCmdUI->Enable(); }
    void OnUpdateIns(CCmdUI* pCmdUI) { pCmdUI->Enable(); }
    void OnUpdateMod(CCmdUI* pCmdUI) { pCmdUI->Enable(); }
    void OnViewFullScreen();
    void OnUpdateViewFullScreen(CCmdUI* pCmdUI);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnFormatBorder() {}
    void OnUpdateFormatBorder(CCmdUI*) {}
    void OnToolsCustomize() { CZTMDIFrame::OnToolsCustomize(); }
    void OnViewToolbars() { CZTMDIFrame::OnViewToolbars(); }
    void OnClose();
    void OnRunDataBase();
    void OnRunSpread();
    void OnRunPaint();
    void OnRunDraw();
    void OnRunZentavo();
    // The eight toolbar controls work only on a view.
    void OnUpdateCombos(CCmdUI* pCmdUI);
    void OnDestroy();
    void OnWHelpFinder();
    void OnHelp();
    void OnWinIniChange(LPCSTR) {}

private:
    int m_bFullScreen = 0;
    RECT m_restoreRect = { 0, 0, 0, 0 };
    char m_undoTip[128];
    WCHAR m_undoTipW[512];

    // Starts a family program; its message when the starter answers 0.
    void Run(int (CXRunApplication::*starter)(), UINT failureId);

    DECLARE_MESSAGE_MAP()
};
