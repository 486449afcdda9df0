// Frame windows and what lives in them: CFrameWnd, the MDI frame and child
// frame, control bars (CControlBar, CStatusBar) with the floating
// CMiniDockFrameWnd, CSplitterWnd, and CCreateContext, the record that
// carries the document, template and view class through frame creation.
#pragma once
#include "afxwnd.h"
#include "afxres.h"
#include "afxcoll.h"

class CDocument;
class CView;
class CDocTemplate;
class CFrameWnd;
class CMDIFrameWnd;
class CControlBar;
typedef struct _IMAGELIST* HIMAGELIST;

struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = nullptr;   // view to create in the frame
    CDocument* m_pCurrentDoc = nullptr;          // document the view joins
    CDocTemplate* m_pNewDocTemplate = nullptr;   // template of a new document's frame
    CView* m_pLastView = nullptr;                // view to copy the frame set-up from
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// Frame styles (the low word of a frame's window style).
#define FWS_ADDTOTITLE  0x00008000L   // the document's title joins the frame's
#define FWS_PREFIXTITLE 0x00004000L   // document title first: "Doc - App"
#define FWS_SNAPTOBARS  0x00002000L

// Control-bar styles (the bar's m_dwStyle; the window keeps the high word).
#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L
#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_BORDER_ANY     0x0F00L
#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_FLOAT_MULTI    0x0040L
#define CBRS_BORDER_3D      0x0080L
#define CBRS_HIDE_INPLACE   0x0008L
#define CBRS_SIZE_DYNAMIC   0x0004L
#define CBRS_SIZE_FIXED     0x0002L
#define CBRS_FLOATING       0x0001L
#define CBRS_ORIENT_HORZ    (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT    (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY     (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL            0xFFFFL
#define CBRS_NOALIGN        0x00000000L
#define CBRS_LEFT           (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT          (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Status-bar pane styles.
#define SBPS_NORMAL     0x0000
#define SBPS_NOBORDERS  0x0100
#define SBPS_POPOUT     0x0200
#define SBPS_OWNERDRAW  0x1000
#define SBPS_DISABLED   0x04000000
#define SBPS_STRETCH    0x08000000

// ---------------------------------------------------------------------------
// CFrameWnd

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;   // lets the system place and size the window

    CFrameWnd();
    virtual ~CFrameWnd();

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Title from string nIDResource (its first '\n' part), menu, icon and
    // accelerators from the resources of the same id.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Makes the view the context names, as pane AFX_IDW_PANE_FIRST.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Control bars along the edges, the pane in what is left.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    // Picks the first view as active, sends WM_INITIALUPDATE to the views
    // and shows the frame when asked.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    virtual CFrameWnd* GetActiveFrame();
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();

    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    // Updates the frame's menu bar items through their update handlers.
    void UpdateMenuCmdUI(CMenu* pMenu, BOOL bAutoMenuEnable);

    CControlBar* GetControlBar(UINT nID);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    // View first, then the frame, then (for a frame without a parent
    // frame) the application.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // Frames are made with new and delete themselves with their window.
    virtual void PostNcDestroy() override;
    virtual BOOL IsFrameWnd() const override { return TRUE; }

    HMENU m_hMenuDefault = nullptr;   // the menu when no view is active
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;
    BOOL m_bAutoMenuEnable = TRUE;    // items without a handler are disabled
    int m_nWindow = 0;                // ":n" of a document's n-th frame, 0 for none
    CString m_strTitle;
    CPtrList m_listControlBars;
    DWORD m_dwDockStyle = 0;
    // Set while a mode such as print preview owns the frame: closing the
    // frame calls it instead and goes no further.
    void (CALLBACK* m_lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;
    UINT m_nIdleFlags = 0;
    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    void DelayRecalcLayout(BOOL = TRUE) { m_nIdleFlags |= idleLayout; }

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnSizeParentDummy(WPARAM, LPARAM) { return 0; }
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // The CAP, NUM, SCRL and KANA panes are lit while their key's toggle is on.
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    void OnAppExit();

protected:
    CView* m_pViewActive = nullptr;
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    LPCSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
    friend class CView;
    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// MDI

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient = nullptr;

    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    // The MDI client, with the popup whose end lists the child windows.
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIIconArrange();
    void MDIMaximize(CWnd* pWnd);
    void MDINext();
    void MDIRestore(CWnd* pWnd);
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
    void MDITile();
    void MDITile(int nType);
    void MDICascade();
    void MDICascade(int nType);

    virtual CFrameWnd* GetActiveFrame() override;
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;

    BOOL OnMDIWindowCmd(UINT nID);
    void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);
    void OnWindowNew();

    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    // Created through the MDI client (WM_MDICREATE) with the creation hook
    // binding the new window to this object.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
                        CCreateContext* pContext = nullptr);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    virtual BOOL DestroyWindow() override;
    virtual void ActivateFrame(int nCmdShow = -1) override;
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    virtual void OnUpdateFrameMenu(BOOL bActive, CWnd* pActivateWnd, HMENU hMenuAlt);
    virtual void PostNcDestroy() override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIDestroy();
    void MDIActivate();
    void MDIMaximize();
    void MDIRestore();

    HMENU m_hMenuShared = nullptr;   // the template's menu, shown while this child is active

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    void OnSize(UINT nType, int cx, int cy);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// Control bars

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    virtual ~CControlBar();

    // Size the bar wants along an edge (bStretch: the whole edge).
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Sets the bar's items through the update handlers reached from pTarget.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    virtual void DoPaint(CDC* pDC);
    virtual void PostNcDestroy() override;

    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    int GetCount() const { return m_nCount; }
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    BOOL IsFloating() const { return m_bFloating; }
    BOOL IsVisible() const;
    CFrameWnd* GetDockingFrame() const;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    BOOL m_bAutoDelete = FALSE;
    int m_cxLeftBorder = 6;
    int m_cxRightBorder = 6;
    int m_cyTopBorder = 2;
    int m_cyBottomBorder = 2;
    int m_cxDefaultGap = 2;
    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    CFrameWnd* m_pDockSite = nullptr;   // the frame whose edge the bar sits on
    BOOL m_bFloating = FALSE;
    int m_nCount = 0;

    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);

protected:
    // dwCtrlStyle: the control's own style bits, which share the low word
    // with the bar styles of dwStyle.
    BOOL CreateBar(LPCSTR lpszClass, DWORD dwStyle, CWnd* pParentWnd, UINT nID, DWORD dwCtrlStyle = 0);
    DECLARE_MESSAGE_MAP()
};

struct AFX_STATUSPANE
{
    UINT nID;
    UINT nStyle;
    int cxText;      // width of the text area, pixels
    CString strText;
};

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    virtual ~CStatusBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id; ID_SEPARATOR panes start empty, others with the
    // string of their id. The first pane stretches when it is a separator.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);

protected:
    AFX_STATUSPANE* m_pPanes = nullptr;
    HFONT m_hFont = nullptr;
    int m_cyNatural = 0;   // the height the status control insists on
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    int TextWidth(LPCSTR lpsz) const;
    DECLARE_MESSAGE_MAP()
};

// A toolbar over the common toolbar control: one row of buttons with tool
// tips (the parent frame answers the tips' text requests) whose clicks go
// as WM_COMMAND to the frame it was created in, also while it floats; idle
// processing enables and checks each button through the update handlers.
class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    virtual ~CToolBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    // The bitmap resource of that id as the strip of the button pictures;
    // its button-face grey (192, 192, 192) shows the bar through.
    BOOL LoadBitmap(UINT nIDResource);
    // The bitmap and the button list of the TOOLBAR resource of that id.
    BOOL LoadToolBar(UINT nIDResource);
    // Buttons in order, ID_SEPARATOR a gap. Without lpImages the pictures
    // are numbered across the buttons that are not gaps; with it, each
    // button takes its entry's picture of the image list.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount, const int* lpImages = nullptr);
    // A strip the caller keeps alive (several bars may share it).
    void SetImageList(HIMAGELIST hImageList);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL IsButtonEnabled(int nIndex) const;
    BOOL IsButtonChecked(int nIndex) const;

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // The image list a strip of that bitmap resource makes (null when it
    // cannot be loaded); the caller destroys it.
    static HIMAGELIST LoadStrip(UINT nIDResource, SIZE sizeImage);

protected:
    HIMAGELIST m_hOwnImages = nullptr;   // the strip LoadBitmap made
    CSize m_sizeButton;
    CSize m_sizeImage;
    void ApplySizes();
};

// The small floating frame a control bar lives in while it floats.
class CMiniDockFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    // Closing hides the bar (and this frame); the bar lives on.
    void OnClose();
    CControlBar* m_pBar = nullptr;
    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// CSplitterWnd: panes in rows and columns with a draggable bar between
// them. Each pane view keeps its own scroll bars.

#define SPLS_DYNAMIC_SPLIT 0x0001

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    virtual ~CSplitterWnd();

    // Dynamic: starts with one pane made from pContext; SplitRow adds the
    // second row (a view of the same class on the same document).
    BOOL Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin,
                CCreateContext* pContext, DWORD dwStyle = WS_CHILD | WS_VISIBLE | SPLS_DYNAMIC_SPLIT,
                UINT nID = AFX_IDW_PANE_FIRST);
    // Static: nRows × nCols panes the caller fills with CreateView.
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    virtual void RecalcLayout();
    virtual BOOL SplitRow(int cyBefore);
    virtual void DeleteRow(int rowDelete);
    CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr);
    void SetActivePane(int row, int col, CWnd* pWnd = nullptr);

    int m_cxSplitter = 7;   // thickness of the bar between panes
    int m_cySplitter = 7;

    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

protected:
    enum { kMaxRows = 2, kMaxCols = 2 };
    struct RowColInfo { int nMinSize; int nIdealSize; int nCurSize; };
    RowColInfo m_rowInfo[kMaxRows] = {};
    int m_nRows = 0, m_nCols = 0, m_nMaxRows = 0, m_nMaxCols = 0;
    BOOL m_bDynamic = FALSE;
    CRuntimeClass* m_pDynamicViewClass = nullptr;
    CSize m_sizeMin;
    BOOL m_bTracking = FALSE;
    int m_yTrack = 0;
    int HitTestBar(CPoint point) const;   // 0 none, 1 the bar (or the split box)
    DECLARE_MESSAGE_MAP()
};
