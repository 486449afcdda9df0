// The part of a frame window that the rest of the program reaches without
// knowing which frame is on screen: the toolbar set, the status bar with
// its panes and progress display, and the current view. The main frame and
// the in-place frame carry it; GetCustomFrameData() finds the one in use.
#pragma once
#include "afxwin.h"
#include "afxctrls.h"
#include "zttools.h"

class CWView;

class CWCustomFrameData
{
public:
    // Status-bar panes after the message pane, by index.
    enum { kPanePage = 1, kPaneLine, kPanePos, kPaneInsert, kPaneModified, kPaneCount };

    CWCustomFrameData();
    virtual ~CWCustomFrameData();

    // The owning frame window; the frames answer themselves.
    virtual CWnd* GetParent() { return nullptr; }
    virtual CXCToolBarManager* GetToolbars() { return nullptr; }
    virtual int FindCommand(int) { return -1; }
    virtual void Load() {}
    virtual void Save() {}

    // ---- Toolbars (app/frame_toolbars.cpp)
    // Registers the five strips and defines the seven default toolbars.
    void CreateToolbars(CXCToolBarManager* manager);
    void CreateFullScreenWindow(CXCToolBarManager* manager);
    void CreateHeaderFooterToolBox(CXCToolBarManager* manager);
    // Looks the full-screen and header-and-footer toolbars up again.
    void FindBars(CXCToolBarManager* manager);
    void AddBtnGroups(CXCToolBarCmdPage& page);
    // Clears a toolbar button record and makes it a separator.
    static void InitSeparator(TBBUTTON& button);
    CToolBar* GetFullScreenBar() const { return m_pFullScreenBar; }
    CToolBar* GetHeaderFooterBar() const { return m_pHeaderFooterBar; }

    // ---- Status bar (app/frame_status_bar.cpp). Every setter does nothing
    // while the status bar is disabled.
    int CreateStatusBar(CFrameWnd* parent);
    // Pane 0 takes what panes 1 to 5, a tenth of the width each, leave.
    void SetStatusBarSize();
    void SetStatusBarPage(int page, int count);
    void SetStatusBarLine(int line, int count);
    void SetStatusBarPos(int a, int b);
    void SetStatusBarInsert(int insert);
    void SetStatusBarModify(int modified);
    void EnableStatusBar(int enable) { m_bStatusBarEnabled = enable; }
    int isStatusBArEnable() const { return m_bStatusBarEnabled; }
    CStatusBar& GetStatusBarObject() { return m_statusBar; }

    // ---- Progress display in pane 0 (app/frame_progress.cpp): one start,
    // steps with positions from 0 to steps, one end.
    void InitStatusBarPercent(int labelId, int steps);
    void InitStatusBarPercent(char* label, int steps);
    void SetStatusBarPercent(int position);
    void DoneStatusBarPercent();
    CProgressCtrl& GetProgressControl() { return m_progress; }
    int GetProgressPosition() const { return m_nProgressPos; }

    // ---- Current view (app/frame_data.cpp): the active child's view when
    // it is one of ours, else the stored one.
    CWView* GetCurrentView();
    void SetCurrentView(CWView* view);

protected:
    CWView* m_pCurrentView = nullptr;
    int m_bStatusBarEnabled;   // set by the owning frame's constructor
    CProgressCtrl m_progress;
    CString m_strProgressLabel;
    CString m_strSavedPaneText;
    CToolBar* m_pFullScreenBar = nullptr;
    CToolBar* m_pHeaderFooterBar = nullptr;
    CStatusBar m_statusBar;
    double m_dProgressMax = 0;
    int m_nProgressPos = 0;

    // Sets pane index's text at once, widened for a pane 1 to 3.
    void SetPaneTextNow(int index, const CString& text, BOOL widen);
};

// The frame data of the main window in use, null when there is none.
CWCustomFrameData* GetCustomFrameData();
