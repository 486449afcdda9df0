// The toolbar manager: pictures from registered strips, toolbars defined
// by id and button list, docked along the frame's edges or floating.
#include "xtoolbarmgr.h"
#include <commctrl.h>

namespace {

const LPCSTR kToolBarResourceType = MAKEINTRESOURCEA(241);
const CSize kPictureSize(16, 15);
const CPoint kFloatingPlace(200, 50);

struct ToolBarResource
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
};

}  // namespace

void CXCToolBarCmdPage::RemoveAll()
{
    for (int i = 0; i < m_buttons.GetSize(); i++)
        delete m_buttons[i];
    m_buttons.RemoveAll();
    m_names.RemoveAll();
}

void CXCToolBarCmdPage::DefineBtnGroup(LPCSTR lpszName, int nCount, const UINT* lpButtons)
{
    CUIntArray* buttons = new CUIntArray;
    for (int i = 0; i < nCount; i++)
        buttons->Add(lpButtons[i]);
    m_names.Add(lpszName);
    m_buttons.Add(buttons);
}

CXCToolBarManager::CXCToolBarManager() = default;

CXCToolBarManager::~CXCToolBarManager()
{
    // The bars delete themselves with their windows.
    if (m_hImages)
        ImageList_Destroy(m_hImages);
}

BOOL CXCToolBarManager::AddToolBarResource(UINT nIDResource, int)
{
    HINSTANCE inst = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(inst, MAKEINTRESOURCEA(nIDResource), kToolBarResourceType);
    HGLOBAL loaded = found ? ::LoadResource(inst, found) : nullptr;
    const ToolBarResource* data = loaded ? (const ToolBarResource*)::LockResource(loaded) : nullptr;
    if (!data || data->wVersion != 1)
        return FALSE;
    HIMAGELIST strip = CToolBar::LoadStrip(nIDResource, CSize(data->wWidth, data->wHeight));
    if (!strip)
        return FALSE;
    if (!m_hImages)
        m_hImages = ImageList_Create(kPictureSize.cx, kPictureSize.cy, ILC_COLOR24 | ILC_MASK, 64, 16);
    const WORD* ids = (const WORD*)(data + 1);
    int picture = 0;
    for (int i = 0; i < data->wItemCount; i++)
    {
        UINT id = ids[i];
        if (id == ID_SEPARATOR)
            continue;
        int known;
        if (!m_images.Lookup(id, known))
        {
            HICON icon = ImageList_GetIcon(strip, picture, ILD_TRANSPARENT);
            m_images[id] = ImageList_AddIcon(m_hImages, icon);
            ::DestroyIcon(icon);
        }
        picture++;
    }
    ImageList_Destroy(strip);
    return TRUE;
}

int CXCToolBarManager::GetImageIndex(UINT nID) const
{
    int index;
    return m_images.Lookup(nID, index) ? index : -1;
}

CToolBar* CXCToolBarManager::DefineDefaultToolBar(UINT nID, LPCSTR lpszName, int nCount, const UINT* lpButtons,
                                                  DWORD nAlignment, UINT nDockBar, UINT nDockNextTo, int bDocked,
                                                  int bVisible, int bToolTips)
{
    if (!m_pFrame || !m_pFrame->m_hWnd)
        return nullptr;
    CToolBar* bar = new CToolBar;
    if (!bar->Create(m_pFrame, WS_CHILD | CBRS_TOP | CBRS_TOOLTIPS, nID))
    {
        delete bar;
        return nullptr;
    }
    bar->m_bAutoDelete = TRUE;
    bar->EnableDocking(nAlignment);
    bar->SetWindowText(lpszName);
    bar->SetImageList(m_hImages);
    CArray<int, int> images;
    for (int i = 0; i < nCount; i++)
        images.Add(GetImageIndex(lpButtons[i]));
    bar->SetButtons(lpButtons, nCount, images.GetData());
    if (!bToolTips)
        bar->SendMessage(TB_SETTOOLTIPS, 0, 0);

    if (bDocked && nDockBar)
    {
        // Docked bars stand in rows in the order they were defined; one
        // docked next to another takes the row after it.
        CToolBar* before = nDockNextTo ? GetToolBar(nDockNextTo) : nullptr;
        for (int i = (int)m_bars.GetSize() - 1; !before && i >= 0; i--)
            if (!m_bars[i].pBar->IsFloating())
                before = m_bars[i].pBar;
        if (before)
            bar->SetWindowPos(before, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (bVisible)
            bar->ShowWindow(SW_SHOWNA);
    }
    else
    {
        m_pFrame->FloatControlBar(bar, kFloatingPlace, CBRS_ALIGN_TOP);
        if (!bVisible)
            m_pFrame->ShowControlBar(bar, FALSE, FALSE);
    }
    Bar entry = { bar, lpszName };
    m_bars.Add(entry);
    m_pFrame->RecalcLayout();
    return bar;
}

CToolBar* CXCToolBarManager::GetToolBar(UINT nID) const
{
    for (int i = 0; i < m_bars.GetSize(); i++)
        if ((UINT)m_bars[i].pBar->GetDlgCtrlID() == nID)
            return m_bars[i].pBar;
    return nullptr;
}

void CXCToolBarManager::ShowToolBar(UINT nID, BOOL bShow)
{
    CToolBar* bar = GetToolBar(nID);
    if (bar && m_pFrame)
        m_pFrame->ShowControlBar(bar, bShow, FALSE);
}

void CXCToolBarManager::ChooseToolBars()
{
    if (!m_pFrame || m_bars.GetSize() == 0)
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    for (int i = 0; i < m_bars.GetSize(); i++)
        menu.AppendMenu(MF_STRING | (m_bars[i].pBar->IsVisible() ? MF_CHECKED : 0), (UINT_PTR)(i + 1),
                        m_bars[i].name);
    CPoint at;
    ::GetCursorPos(&at);
    int chosen = ::TrackPopupMenu(menu.GetSafeHmenu(), TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0,
                                  m_pFrame->m_hWnd, nullptr);
    if (chosen > 0 && chosen <= m_bars.GetSize())
    {
        CToolBar* bar = m_bars[chosen - 1].pBar;
        m_pFrame->ShowControlBar(bar, !bar->IsVisible(), FALSE);
    }
}
