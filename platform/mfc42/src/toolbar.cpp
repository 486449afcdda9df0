// CToolBar over the common toolbar control: buttons, their pictures from
// bitmap strips and TOOLBAR resources, layout along a frame edge and idle
// updates of the buttons' states.
#include "afxwin.h"
#include <commctrl.h>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {

const LPCSTR kToolBarResourceType = MAKEINTRESOURCEA(241);
const COLORREF kButtonFace = RGB(192, 192, 192);   // the strips' transparent colour
const int kButtonPadX = 7;                           // button beyond its picture
const int kButtonPadY = 7;

// The TOOLBAR resource: version 1, picture width and height, count, ids.
struct ToolBarResource
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    WORD* items() { return (WORD*)(this + 1); }
};

// Sets a button's state bits through update handlers.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        ((CToolBar*)m_pOther)->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELONG(bOn ? TRUE : FALSE, 0));
    }
    void SetCheck(int nCheck) override
    {
        CToolBar* bar = (CToolBar*)m_pOther;
        bar->SendMessage(TB_CHECKBUTTON, m_nID, MAKELONG(nCheck != 0, 0));
        bar->SendMessage(TB_INDETERMINATE, m_nID, MAKELONG(nCheck == 2, 0));
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCSTR) override {}
};

}  // namespace

CToolBar::CToolBar() : m_sizeButton(16 + kButtonPadX, 15 + kButtonPadY), m_sizeImage(16, 15)
{
    m_cxLeftBorder = 4;
    m_cxRightBorder = 4;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 2;
}

CToolBar::~CToolBar()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_hOwnImages)
        ImageList_Destroy(m_hOwnImages);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    DWORD ctrl = TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    if (!CreateBar(TOOLBARCLASSNAMEA, dwStyle, pParentWnd, nID, ctrl))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ApplySizes();
    return TRUE;
}

void CToolBar::ApplySizes()
{
    if (!m_hWnd)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(m_sizeImage.cx, m_sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(m_sizeButton.cx, m_sizeButton.cy));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    ApplySizes();
}

HIMAGELIST CToolBar::LoadStrip(UINT nIDResource, SIZE sizeImage)
{
    HBITMAP bitmap = (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource), IMAGE_BITMAP,
                                           0, 0, LR_CREATEDIBSECTION);
    if (!bitmap)
        return nullptr;
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof(info), &info);
    int count = sizeImage.cx > 0 ? info.bmWidth / sizeImage.cx : 0;
    HIMAGELIST list = ImageList_Create(sizeImage.cx, sizeImage.cy, ILC_COLOR24 | ILC_MASK, count, 4);
    if (list)
        ImageList_AddMasked(list, bitmap, kButtonFace);
    ::DeleteObject(bitmap);
    return list;
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
    HIMAGELIST list = LoadStrip(nIDResource, m_sizeImage);
    if (!list)
        return FALSE;
    if (m_hOwnImages)
        ImageList_Destroy(m_hOwnImages);
    m_hOwnImages = list;
    SetImageList(list);
    return TRUE;
}

void CToolBar::SetImageList(HIMAGELIST hImageList)
{
    if (m_hWnd)
        SendMessage(TB_SETIMAGELIST, 0, (LPARAM)hImageList);
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    HINSTANCE inst = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(inst, MAKEINTRESOURCEA(nIDResource), kToolBarResourceType);
    HGLOBAL loaded = found ? ::LoadResource(inst, found) : nullptr;
    ToolBarResource* data = loaded ? (ToolBarResource*)::LockResource(loaded) : nullptr;
    if (!data || data->wVersion != 1)
        return FALSE;
    SetSizes(CSize(data->wWidth + kButtonPadX, data->wHeight + kButtonPadY), CSize(data->wWidth, data->wHeight));
    UINT* ids = new UINT[data->wItemCount ? data->wItemCount : 1];
    for (int i = 0; i < data->wItemCount; i++)
        ids[i] = data->items()[i];
    BOOL ok = SetButtons(ids, data->wItemCount) && LoadBitmap(nIDResource);
    delete[] ids;
    return ok;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount, const int* lpImages)
{
    if (!m_hWnd)
        return FALSE;
    while (SendMessage(TB_BUTTONCOUNT) > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    TBBUTTON* buttons = new TBBUTTON[nIDCount > 0 ? nIDCount : 1];
    memset(buttons, 0, sizeof(TBBUTTON) * (nIDCount > 0 ? nIDCount : 1));
    int image = 0;
    for (int i = 0; i < nIDCount; i++)
    {
        TBBUTTON& b = buttons[i];
        if (lpIDArray[i] == ID_SEPARATOR)
        {
            b.fsStyle = TBSTYLE_SEP;
            b.iBitmap = 8;   // a gap's width
            continue;
        }
        b.idCommand = (int)lpIDArray[i];
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = TBSTYLE_BUTTON;
        b.iBitmap = lpImages ? lpImages[i] : image++;
    }
    BOOL ok = nIDCount <= 0 || SendMessage(TB_ADDBUTTONSA, (WPARAM)nIDCount, (LPARAM)buttons) != 0;
    delete[] buttons;
    m_nCount = (int)SendMessage(TB_BUTTONCOUNT);
    return ok;
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return (int)SendMessage(TB_COMMANDTOINDEX, nIDFind);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON b = {};
    if (!SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)&b))
        return 0;
    return (b.fsStyle & TBSTYLE_SEP) ? ID_SEPARATOR : (UINT)b.idCommand;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

BOOL CToolBar::IsButtonEnabled(int nIndex) const
{
    UINT id = GetItemID(nIndex);
    return id != ID_SEPARATOR && SendMessage(TB_ISBUTTONENABLED, id) != 0;
}

BOOL CToolBar::IsButtonChecked(int nIndex) const
{
    UINT id = GetItemID(nIndex);
    return id != ID_SEPARATOR && SendMessage(TB_ISBUTTONCHECKED, id) != 0;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect border(0, 0, 0, 0);
    CalcInsideRect(border, TRUE);
    CSize size(-border.Width(), m_sizeButton.cy - border.Height());
    int count = m_hWnd ? (int)SendMessage(TB_BUTTONCOUNT) : 0;
    if (count > 0)
    {
        CRect last;
        GetItemRect(count - 1, &last);
        size.cx += last.right;
        if (last.Height() > m_sizeButton.cy)
            size.cy += last.Height() - m_sizeButton.cy;
    }
    if (bStretch && bHorz)
        size.cx = 32767;
    return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)SendMessage(TB_BUTTONCOUNT);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = GetItemID((int)state.m_nIndex);
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
