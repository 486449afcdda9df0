// The print preview window and CView::OnFilePrintPreview. Each page shown
// is recorded as an enhanced metafile on the printer's DC (drawn exactly
// as for printing) and played into its place at the window's scale.
#include "afxwin.h"
#include "afxdlgs.h"
#include "afxprint.h"
#include "afxpreview.h"
#include <algorithm>

namespace {

const int kButtonBarHeight = 32;
const int kButtonWidth = 90;
const int kButtonHeight = 24;
const int kMargin = 12;
const int kShadow = 4;
const COLORREF kBackground = RGB(128, 128, 128);
const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kShadowColour = RGB(0, 0, 0);
const char* const kButtonTexts[3] = {"&Next Page", "Pre&v Page", "&Close"};
const int kHimetricPerInch = 2540;

} // namespace

BEGIN_MESSAGE_MAP(CPrintPreviewWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CPrintPreviewWnd::CPrintPreviewWnd(CView* view, CPrintInfo* info) : m_pView(view), m_pInfo(info)
{
    m_printerDC.Attach(info->m_pPD->m_pd.hDC);
    m_printerDC.m_bPrinting = TRUE;
    m_nFirst = info->GetFromPage();
}

CPrintPreviewWnd::~CPrintPreviewWnd()
{
    m_printerDC.Detach();   // the print info deletes it
    delete m_pInfo;
}

BOOL CPrintPreviewWnd::Create(CWnd* owner)
{
    m_hOwner = owner ? owner->GetSafeHwnd() : nullptr;
    CRect place(0, 0, 800, 600);
    if (m_hOwner)
        ::GetWindowRect(m_hOwner, &place);
    m_pView->OnBeginPrinting(&m_printerDC, m_pInfo);
    if (!CreateEx(0, AfxWndClassName(), "Print Preview", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, place.left,
                  place.top, place.Width(), place.Height(), m_hOwner, nullptr))
    {
        m_pView->OnEndPrinting(&m_printerDC, m_pInfo);
        delete this;
        return FALSE;
    }
    for (int i = 0; i < 3; ++i)
        m_buttons[i].Create(kButtonTexts[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 1, 1), this,
                            kIdNext + i);
    PlaceButtons();
    if (m_hOwner)
        ::EnableWindow(m_hOwner, FALSE);
    ShowPages(m_nFirst);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

UINT CPrintPreviewWnd::GetLastPage() const
{
    return std::max(m_pInfo->GetFromPage(), m_pInfo->GetToPage());
}

void CPrintPreviewWnd::ShowPages(UINT first)
{
    const UINT lowest = m_pInfo->GetFromPage();
    m_nFirst = std::max(lowest, std::min(first, GetLastPage()));
    if (m_buttons[0].m_hWnd)
    {
        m_buttons[0].EnableWindow(m_nFirst + kPagesShown <= GetLastPage());
        m_buttons[1].EnableWindow(m_nFirst > lowest);
    }
    if (m_hWnd)
        Invalidate(TRUE);
}

void CPrintPreviewWnd::PlaceButtons()
{
    for (int i = 0; i < 3; ++i)
        if (m_buttons[i].m_hWnd)
            m_buttons[i].MoveWindow(kMargin + i * (kButtonWidth + kMargin), (kButtonBarHeight - kButtonHeight) / 2,
                                    kButtonWidth, kButtonHeight);
}

CSize CPrintPreviewWnd::PagePixels() const
{
    // A printer knows its paper; another device stands for its whole area.
    CSize size(m_printerDC.GetDeviceCaps(PHYSICALWIDTH), m_printerDC.GetDeviceCaps(PHYSICALHEIGHT));
    if (size.cx <= 0 || size.cy <= 0)
        size = CSize(m_printerDC.GetDeviceCaps(HORZRES), m_printerDC.GetDeviceCaps(VERTRES));
    return CSize(std::max(1, (int)size.cx), std::max(1, (int)size.cy));
}

CRect CPrintPreviewWnd::PageRect(int i) const
{
    CRect client;
    GetClientRect(&client);
    client.top += kButtonBarHeight;
    client.DeflateRect(kMargin, kMargin);
    const int slotWidth = (client.Width() - (kPagesShown - 1) * kMargin) / kPagesShown;
    const CSize page = PagePixels();
    // The largest page of the paper's shape that fits a slot.
    int w = slotWidth - kShadow, h = client.Height() - kShadow;
    if ((long long)w * page.cy > (long long)h * page.cx)
        w = (int)((long long)h * page.cx / page.cy);
    else
        h = (int)((long long)w * page.cy / page.cx);
    w = std::max(w, 1);
    h = std::max(h, 1);
    const int left = client.left + i * (slotWidth + kMargin) + (slotWidth - w) / 2;
    return CRect(left, client.top, left + w, client.top + h);
}

HENHMETAFILE CPrintPreviewWnd::RecordPage(UINT page)
{
    HDC printer = m_printerDC.m_hDC;
    const CSize pixels = PagePixels();
    const int dpiX = std::max(1, m_printerDC.GetDeviceCaps(LOGPIXELSX));
    const int dpiY = std::max(1, m_printerDC.GetDeviceCaps(LOGPIXELSY));
    // The frame in 0.01 mm.
    const RECT frame = {0, 0, ::MulDiv(pixels.cx, kHimetricPerInch, dpiX), ::MulDiv(pixels.cy, kHimetricPerInch, dpiY)};
    HDC record = ::CreateEnhMetaFileA(printer, nullptr, &frame, nullptr);
    if (!record)
        return nullptr;
    CDC pageDC;
    pageDC.Attach(record);
    pageDC.SetAttribDC(printer);
    pageDC.m_bPrinting = TRUE;
    const UINT current = m_pInfo->m_nCurPage;
    m_pInfo->m_nCurPage = page;
    m_pView->OnPrepareDC(&pageDC, m_pInfo);
    if (m_pInfo->m_bContinuePrinting)
    {
        m_pInfo->m_rectDraw.SetRect(0, 0, m_printerDC.GetDeviceCaps(HORZRES), m_printerDC.GetDeviceCaps(VERTRES));
        pageDC.DPtoLP(&m_pInfo->m_rectDraw);
        m_pView->OnPrint(&pageDC, m_pInfo);
    }
    m_pInfo->m_nCurPage = current;
    m_pInfo->m_bContinuePrinting = TRUE;
    pageDC.Detach();
    return ::CloseEnhMetaFile(record);
}

void CPrintPreviewWnd::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    CRect client;
    GetClientRect(&client);
    HBRUSH background = ::CreateSolidBrush(kBackground);
    ::FillRect(hdc, &client, background);
    ::DeleteObject(background);
    for (int i = 0; i < kPagesShown; ++i)
    {
        const UINT page = m_nFirst + i;
        if (page > GetLastPage())
            break;
        const CRect place = PageRect(i);
        HBRUSH shadow = ::CreateSolidBrush(kShadowColour), paper = ::CreateSolidBrush(kPaper);
        CRect shade(place);
        shade.OffsetRect(kShadow, kShadow);
        ::FillRect(hdc, &shade, shadow);
        ::FillRect(hdc, &place, paper);
        ::DeleteObject(shadow);
        ::DeleteObject(paper);
        if (HENHMETAFILE picture = RecordPage(page))
        {
            const int saved = ::SaveDC(hdc);
            ::IntersectClipRect(hdc, place.left, place.top, place.right, place.bottom);
            ::PlayEnhMetaFile(hdc, picture, &place);
            ::RestoreDC(hdc, saved);
            ::DeleteEnhMetaFile(picture);
        }
    }
    ::EndPaint(m_hWnd, &ps);
}

void CPrintPreviewWnd::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    Invalidate(TRUE);
}

BOOL CPrintPreviewWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case kIdNext:
        ShowPages(m_nFirst + kPagesShown);
        return TRUE;
    case kIdPrevious:
        ShowPages(m_nFirst > (UINT)kPagesShown ? m_nFirst - kPagesShown : 0);
        return TRUE;
    case kIdClose:
        DestroyWindow();
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CPrintPreviewWnd::PostNcDestroy()
{
    m_pView->OnEndPrinting(&m_printerDC, m_pInfo);
    if (m_hOwner && ::IsWindow(m_hOwner))
    {
        ::EnableWindow(m_hOwner, TRUE);
        ::SetActiveWindow(m_hOwner);
    }
    delete this;
}

// ---------------------------------------------------------------------------
// CView

void CView::OnFilePrintPreview()
{
    CPrintInfo* info = new CPrintInfo;
    info->m_bPreview = TRUE;
    if (!OnPreparePrinting(info) || !info->m_pPD->m_pd.hDC)
    {
        delete info;
        return;
    }
    CPrintPreviewWnd* preview = new CPrintPreviewWnd(this, info);
    CWnd* owner = AfxGetMainWnd();
    preview->Create(owner ? owner : this);
}
