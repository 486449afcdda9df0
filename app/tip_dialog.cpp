// The tip of the day.
#include "app/CWTipDlg.h"
#include "resources/resource.h"
#include <stdlib.h>
#include <time.h>

const char* const tips[kTipCount] = {
    "You can open one of the last files you worked on by choosing it from the Recent Files on the File menu.",
    "You can repeat the last Find command in the source editor by pressing F3.",
    "You can move to the beginning of a line by pressing Home. You can move to the end of a line by pressing End.",
    "You can undo most actions by clicking the Undo button on the Standard toolbar.",
    "The pop-up menu often has commands specific to the selected text.",
    "You can hide all screen elements to see more of your text. From the View menu, choose Full Screen. To restore "
    "the screen, click the Full Screen button or press Esc.",
    "When editing, you can replace text by selecting it and then typing.",
    "You can press Ctrl-F to display the Find dialog.",
    "When editing, you can press F5 to move to a line in the file.",
    "When editing, you can go to the beginning of a file by pressing Ctrl-Home. You can go to the end of a file by "
    "pressing Ctrl-End.",
    "You can move or copy selected text or graphics by dragging and dropping. To copy the item, hold down Ctrl as "
    "you drag.",
    "When editing, you can use the selection bar to select text. In the space to the left of text, click once to "
    "select a line.",
    "The status bar at the bottom of the Zentavo Write frame shows the current line number, editor mode and other "
    "information.",
    "Zentavo Write displays the name of a toolbar button when you point to the button.",
    "You can split the window into two panes and see two parts of a file simultaneously. Drag the split bar at the "
    "top of the scroll bar to split the window.",
    "You can open a file by clicking the Open button on the Standard toolbar. To see the file in the list, you may "
    "need to select a different drive or directory or select All Files from the  File types combo box.",
};

int shuffle[kTipCount];
int TipCounter = 0;
const char kTipSection[] = "Tip";
const char kTipStartUpEntry[] = "StartUp";

namespace {
// The band left of the tip ends this far before the text.
const int kBandGap = 10;
// The rule under the bulb stands this far below it.
const int kRuleGap = 6;
const int kHeadingHeight = 22, kHeadingWeight = FW_BOLD;
const int kTextHeight = 16, kTextWeight = FW_NORMAL;
const BYTE kRomanFamily = FF_ROMAN;
}  // namespace

void shuf_it()
{
    srand((unsigned)time(nullptr));
    for (int i = 0; i < kTipCount; i++)
        shuffle[i] = i;
    for (int i = 0; i < kTipCount; i++)
    {
        const int j = rand() % kTipCount;
        const int kept = shuffle[i];
        shuffle[i] = shuffle[j];
        shuffle[j] = kept;
    }
}

BEGIN_MESSAGE_MAP(CWTipDlg, CDialog)
    ON_BN_CLICKED(IDC_TIP_NEXT, OnNextTip)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CWTipDlg::CWTipDlg(CWnd* pParent) : CDialog(IDD_TIP, pParent)
{
    m_bStartup = AfxGetApp()->GetProfileInt(kTipSection, kTipStartUpEntry, 0) == 0;
    shuf_it();
}

void CWTipDlg::GetNextTipString(CString& tip)
{
    tip = tips[shuffle[TipCounter % kTipCount]];
    TipCounter++;
}

void CWTipDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_TIP_STARTUP, m_bStartup);
    DDX_Text(pDX, IDC_TIP_TEXT, m_strTip);
}

BOOL CWTipDlg::OnInitDialog()
{
    GetNextTipString(m_strTip);
    return CDialog::OnInitDialog();
}

void CWTipDlg::OnOK()
{
    CDialog::OnOK();
    AfxGetApp()->WriteProfileInt(kTipSection, kTipStartUpEntry, !m_bStartup);
}

void CWTipDlg::OnNextTip()
{
    GetNextTipString(m_strTip);
    UpdateData(FALSE);
    CClientDC dc(this);
    DoPaint(&dc, 1);
}

HBRUSH CWTipDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd && pWnd->GetDlgCtrlID() == IDC_TIP_TEXT)
        return (HBRUSH)GetStockObject(WHITE_BRUSH);
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CWTipDlg::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc, 0);
}

CRect CWTipDlg::ControlRect(int id)
{
    CRect rect(0, 0, 0, 0);
    if (CWnd* control = GetDlgItem(id))
    {
        control->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    return rect;
}

void CWTipDlg::DoPaint(CDC* pDC, int tipOnly)
{
    const CRect frame = ControlRect(IDC_TIP_FRAME);
    const CRect text = ControlRect(IDC_TIP_TEXT);
    const CRect bulb = ControlRect(IDC_TIP_BULB);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    if (!tipOnly)
    {
        pDC->FillSolidRect(&frame, window);
        CRect band(frame.left, frame.top, text.left - kBandGap, frame.bottom);
        pDC->FillSolidRect(&band, shadow);

        int bulbBottom = bulb.bottom;
        CBitmap picture;
        if (picture.LoadBitmap(IDB_TIP_BULB))
        {
            BITMAP info = {};
            picture.GetBitmap(&info);
            CDC memory;
            memory.CreateCompatibleDC(pDC);
            CBitmap* old = memory.SelectObject(&picture);
            // The bulb stands on the band: its white surround takes the
            // band's colour.
            CBrush bandBrush(shadow);
            CBrush* oldBrush = memory.SelectObject(&bandBrush);
            memory.ExtFloodFill(0, 0, ::GetPixel(memory.m_hDC, 0, 0), FLOODFILLSURFACE);
            memory.SelectObject(oldBrush);
            pDC->BitBlt(bulb.left, bulb.top, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
            memory.SelectObject(old);
            bulbBottom = bulb.top + info.bmHeight;
        }
        CRect rule(frame.left, bulbBottom + kRuleGap, frame.right, bulbBottom + kRuleGap + 1);
        pDC->FillSolidRect(&rule, shadow);
        pDC->SetBkColor(window);
    }

    CFont heading, body;
    heading.CreateFont(kHeadingHeight, 0, 0, 0, kHeadingWeight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, kRomanFamily,
                       "Times");
    body.CreateFont(kTextHeight, 0, 0, 0, kTextWeight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, kRomanFamily, "Arial");
    CFont* oldFont = pDC->SelectObject(&heading);
    CString did;
    did.LoadString(IDS_TIP_HEADING);
    CRect headingRect(text.left, bulb.top, text.right, text.bottom);
    pDC->SetBkColor(window);
    pDC->DrawText(did, &headingRect, DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(&body);
    pDC->FillSolidRect(&text, window);
    CRect tipRect = text;
    pDC->DrawText(m_strTip, &tipRect, DT_WORDBREAK | DT_NOPREFIX);
    pDC->SelectObject(oldFont);
}
