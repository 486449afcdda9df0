// The tools library's toolbar manager: the pictures of registered toolbar
// strips, the frame's toolbars defined by id, name and button list, their
// docking, floating, showing and look-up by id; the binding table of the
// buttons that hold controls; the customize page's button groups.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"

struct CXCButtonClass;

// One row of a frame's binding table: the button class that stands for a
// command and, for buttons holding a window, the window's id, style and
// sizes. A table ends with a row of zeros.
struct CXCBtnMapEntry
{
    CXCButtonClass* pButtonClass;
    UINT nID;
    DWORD dwFlags;
    UINT nCtrlID;
    DWORD dwStyle;
    DWORD dwSizes;    // two 16-bit sizes, low and high half
    DWORD dwHeight;
    DWORD dwReserved1;
    DWORD dwReserved2;
};

// The customize page: named groups of buttons the user may drag onto bars.
class CXCToolBarCmdPage
{
public:
    // count buttons, 0 a gap.
    void DefineBtnGroup(LPCSTR lpszName, int nCount, const UINT* lpButtons);
    int GetGroupCount() const { return (int)m_names.GetSize(); }
    CString GetGroupName(int nGroup) const { return m_names[nGroup]; }
    const CUIntArray& GetGroupButtons(int nGroup) const { return *m_buttons[nGroup]; }
    void RemoveAll();
    ~CXCToolBarCmdPage() { RemoveAll(); }

private:
    CStringArray m_names;
    CArray<CUIntArray*, CUIntArray*> m_buttons;
};

class CXCToolBarManager
{
public:
    CXCToolBarManager();
    ~CXCToolBarManager();

    // The frame whose edges the toolbars dock on; set before any toolbar
    // is defined.
    void SetFrame(CFrameWnd* pFrame) { m_pFrame = pFrame; }
    CFrameWnd* GetFrame() const { return m_pFrame; }

    // Adds the pictures of a TOOLBAR resource: every command of its list
    // that has no picture yet takes its own. FALSE when the resource or its
    // bitmap is missing.
    BOOL AddToolBarResource(UINT nIDResource, int nFlags);
    // The binding table (kept, not copied).
    void SetButtonMap(const CXCBtnMapEntry* pMap) { m_pButtonMap = pMap; }
    const CXCBtnMapEntry* GetButtonMap() const { return m_pButtonMap; }
    // The index of a command's picture, -1 for none.
    int GetImageIndex(UINT nID) const;

    // A toolbar with count buttons (0 a gap), docked on dock bar nDockBar
    // (AFX_IDW_DOCKBAR_TOP, ...) after the bar nDockNextTo when it is
    // docked (bDocked), else floating; shown at once when bVisible, with
    // tool tips when bToolTips. nAlignment: the edges it may dock on.
    CToolBar* DefineDefaultToolBar(UINT nID, LPCSTR lpszName, int nCount, const UINT* lpButtons,
                                   DWORD nAlignment, UINT nDockBar, UINT nDockNextTo, int bDocked,
                                   int bVisible, int bToolTips);
    // The toolbar of that id, null when none was defined.
    CToolBar* GetToolBar(UINT nID) const;
    int GetToolBarCount() const { return (int)m_bars.GetSize(); }
    CToolBar* GetToolBarAt(int i) const { return m_bars[i].pBar; }
    CString GetToolBarName(int i) const { return m_bars[i].name; }
    // Shows or hides the toolbar of that id, docked or floating.
    void ShowToolBar(UINT nID, BOOL bShow);
    // Lets the user show and hide the toolbars from a checked list at the
    // cursor.
    void ChooseToolBars();

private:
    struct Bar
    {
        CToolBar* pBar;
        CString name;
    };
    CFrameWnd* m_pFrame = nullptr;
    HIMAGELIST m_hImages = nullptr;
    CMap<UINT, UINT, int, int> m_images;
    const CXCBtnMapEntry* m_pButtonMap = nullptr;
    CArray<Bar, Bar&> m_bars;
};
