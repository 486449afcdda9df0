// The framework library's multi-document main frame: the tools library's
// frame with the family's toolbars, status bar, accelerator tables, menu
// and full-screen mode, which a program shapes through the virtuals below.
#pragma once
#include "afxwin.h"
#include "zttools.h"

class CZTMDIFrame : public CXCMDIFrameWnd
{
    DECLARE_DYNAMIC(CZTMDIFrame)
public:
    CZTMDIFrame();
    virtual ~CZTMDIFrame();

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Answers the tool tips of toolbar buttons with the part after "\n" of
    // the string of the button's command.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

    // The button groups the customize page offers.
    virtual void AddCustomizeBtnGroups(CXCToolBarCmdPage& page);
    virtual CStatusBar* GetStatusbar() { return nullptr; }
    // Opens a file dropped or passed to the program; whether a document
    // came of it.
    virtual BOOL DoOpenFile(const char* path);
    // Creation of the bars, in this order, while the frame is created;
    // -1 from any ends the creation.
    virtual int OnCreateToolbars() { return 0; }
    virtual int OnCreatePrivateBars() { return 0; }
    virtual int OnCreateStatusBar() { return 0; }
    virtual void OnFullScreen(int) {}
    virtual void OnPrepareView(CPtrArray&) {}

    // The menu of the frame without an active document, back on the frame.
    void SetMainMenu();
    CXAcceleratorManager* GetAcceleratorManager() { return &m_accelerators; }
    CXMenu* GetXMenu() { return &m_menu; }
    void SetCustomizeID(UINT nID) { m_nCustomizeID = nID; }
    UINT GetCustomizeID() const { return m_nCustomizeID; }

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnDestroy();
    // Still missing: no customize sheet; the groups are gathered and kept
    // for it in the last customize page.
    void OnToolsCustomize();
    void OnViewToolbars();
    const CXCToolBarCmdPage& GetLastCustomizePage() const { return m_customizePage; }

protected:
    CXAcceleratorManager m_accelerators;
    CXMenu m_menu;
    UINT m_nCustomizeID = 0;
    CXCToolBarCmdPage m_customizePage;
    char m_tipText[256];
    WCHAR m_tipTextW[256];
    DECLARE_MESSAGE_MAP()
};
