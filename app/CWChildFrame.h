// A document window: always maximized, its client area a splitter that
// shows the view once or in two panes one above the other, the ruler
// commands, and the style list's refill when it becomes the active one.
// CWMiniDockingFrame is the frame a toolbar floats in.
#pragma once
#include "ZTChildWnd.h"

class CWDocument;
class CWView;

class CWChildFrame : public CZTChildWnd
{
    DECLARE_DYNCREATE(CWChildFrame)
public:
    // Takes the document the template is making the frame for
    // (JustCreatedDoc).
    CWChildFrame();
    virtual ~CWChildFrame();

    // Adds the maximized style, and the visible one when the document is
    // to be shown (MakeVisible).
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // The parent's layout is brought up to date before the window is made
    // through the MDI client.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CMDIFrameWnd* pParentWnd, CCreateContext* pContext) override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    // The pane with the keyboard focus, or null.
    CWView* GetView();
    // The first pane while a pane has the focus, else null.
    CWView* GetAnyView();
    void SetServer(int server) { m_bServer = server; }
    CWDocument* GetDocument() const { return m_pDoc; }
    CSplitterWnd& GetSplitter() { return m_splitter; }

    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    void OnViewRulerBoth();
    void OnUpdateViewRulerBoth(CCmdUI* pCmdUI);
    void OnViewRulerHorizontal();
    void OnUpdateViewRulerHorizontal(CCmdUI* pCmdUI);
    void OnViewRulerVertical();
    void OnUpdateViewRulerVertical(CCmdUI* pCmdUI);

protected:
    CControlBar* m_pHorzRuler = nullptr;   // owned; no rulers are made yet
    CControlBar* m_pVertRuler = nullptr;
    CSplitterWnd m_splitter;
    int m_bServer = 0;                     // the ruler commands do nothing while set
    CWDocument* m_pDoc = nullptr;

private:
    // Shows a hidden ruler, hides a visible one.
    void ToggleRuler(CControlBar* ruler);
    void UpdateRuler(CCmdUI* pCmdUI, CControlBar* ruler);
    DECLARE_MESSAGE_MAP()
};

class CWMiniDockingFrame : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CWMiniDockingFrame)
public:
    // The active view goes back to the body text, then the bar closes as
    // any floating bar does.
    void OnClose();
    DECLARE_MESSAGE_MAP()
};
