// Painting the view: the context preparation for screen and printer, and
// OnDraw, which paints the visible pages into one off-screen bitmap and
// copies it to the window in one transfer.
#include "view/CWView.h"
#include "view/frame_painting.h"
#include "app/CWCustomFrameData.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include <algorithm>

namespace {

const int kTrackerRoom = 8;
const int kShadow = 8;
const int kBrushAlign = 7;

CDC& MemICObject()
{
    static CDC memIC;
    return memIC;
}

// The information context made on "DISPLAY" when there is none yet.
CDC* MakeMemIC()
{
    CDC& ic = MemICObject();
    if (!ic.m_hDC && ic.CreateIC("DISPLAY", NULL, NULL, NULL))
        ic.SetMapMode(MM_ANISOTROPIC);
    return &ic;
}

} // namespace

CDC* GetMemIC()
{
    CDC& ic = MemICObject();
    if (!ic.m_hDC)
    {
        MakeMemIC();
        CWView atFullSize;
        atFullSize.ZoomViewDC(&ic);
    }
    return &ic;
}

void CWView::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    dc->SetMapMode(MM_ANISOTROPIC);
    const LONG dpiX = m_nDpiX, dpiY = m_nDpiY;
    const float zoom = m_fZoom;
    HDC attrib = dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
    m_nDpiX = ::GetDeviceCaps(attrib, LOGPIXELSX);
    m_nDpiY = ::GetDeviceCaps(attrib, LOGPIXELSY);
    const bool printing = dc->IsPrinting();
    if (!printing)
        m_bPageMode = TRUE;
    else
    {
        const long x = ::MulDiv(::GetDeviceCaps(attrib, PHYSICALOFFSETX), 254, m_nDpiX);
        const long y = ::MulDiv(::GetDeviceCaps(attrib, PHYSICALOFFSETY), 254, m_nDpiY);
        m_printerOffset = CSize((int)x, (int)y);
        if (m_pDoc)
        {
            m_pDoc->m_printOffset[0] = (LONG)x;
            m_pDoc->m_printOffset[1] = (LONG)y;
        }
        m_fZoom = 1.0f;
        m_bPageMode = FALSE;
    }
    CScrollView::OnPrepareDC(dc, info);
    ZoomViewDC(dc);
    ZoomViewDC(MakeMemIC());
    if (printing)
    {
        m_nDpiX = dpiX;
        m_nDpiY = dpiY;
        m_fZoom = zoom;
    }
}

void CWView::ExcludeFrame(CDC* dc, CFrame* frame, long page, const CRect* narrowTo)
{
    OfsViewDC(dc, -1, page, 0);
    CRect area = frame->GetAreaByPage(page, 0);
    if (narrowTo)
    {
        area.left = std::max(area.left, narrowTo->left);
        area.right = std::min(area.right, narrowTo->right);
    }
    dc->LPtoDP(&area);
    area.NormalizeRect();
    const int grow = frame->tracker && frame->content == DocC() ? kTrackerRoom : 1;
    area.InflateRect(grow, grow);
    CRgn region;
    region.CreateRectRgnIndirect(&area);
    dc->SelectClipRgn(&region, RGN_DIFF);
}

void CWView::OnDraw(CDC* pDC)
{
    GDoc* body = m_pDoc ? m_pDoc->GetFlow(kBodyFlow) : NULL;
    if (!body)
        return;
    m_nPages = body->m_pages.count - 1;
    CRect box;
    if (pDC->GetClipBox(&box) == NULLREGION || box.IsRectEmpty())
        return;
    if (CWCustomFrameData* data = GetCustomFrameData())
        data->SetCurrentView(this);
    const CRect client = ClientRect();
    CRect paint = client;
    pDC->DPtoLP(&paint);

    const bool offScreen = !InPlaceFlag && m_bPageMode && HasWindow();
    CDC memDC;
    CBitmap bitmap;
    CBitmap* oldBitmap = NULL;
    CDC* dc = pDC;
    if (offScreen && memDC.CreateCompatibleDC(pDC) && bitmap.CreateCompatibleBitmap(pDC, client.Width(), client.Height()))
    {
        oldBitmap = memDC.SelectObject(&bitmap);
        OnPrepareDC(&memDC);
        dc = &memDC;
    }

    long sx = HasWindow() ? GetScrollPos(SB_HORZ) : 0;
    long sy = Pixels(m_yPos, 0);
    dc->SetBrushOrg((int)(kBrushAlign - sx % 8), (int)(kBrushAlign - sy % 8));
    const CSize window = dc->GetWindowExt(), viewport = dc->GetViewportExt();
    sx = ::MulDiv((int)sx, window.cx, viewport.cx);
    sy = ::MulDiv((int)sy, window.cy, viewport.cy);

    for (long p = 0; p < m_nPages; ++p)
    {
        if (!IsPageVisible(p))
            continue;
        DrawPage(dc, p);
        CRect inPage = paint;
        inPage.OffsetRect((int)(sx - m_nLeftGap), (int)(sy - CalcPageToY(p)));
        for (LONG i = body->m_frames.count - 1; i >= 0; --i)
        {
            CFrame* frame = body->m_frames[i];
            if (IsFrameTransparent(frame) || !frame->IsVisible(p))
                continue;
            if (frame->OnDraw(dc, this, &inPage, p))
                ExcludeFrame(dc, frame, p, NULL);
        }
        const LONG frames = InPlaceFlag ? std::min(1L, (long)m_pDoc->m_frames.count) : m_pDoc->m_frames.count;
        for (LONG i = 0; i < frames; ++i)
        {
            CFrame* frame = m_pDoc->m_frames[i];
            if (!frame->IsVisible(p))
                continue;
            if (frame->OnDraw(dc, this, &inPage, p))
            {
                DrawDocParts(dc, p);
                ExcludeFrame(dc, frame, p, &inPage);
            }
        }
        for (LONG i = body->m_frames.count - 1; i >= 0; --i)
        {
            CFrame* frame = body->m_frames[i];
            if (IsFrameTransparent(frame) && frame->IsVisible(p))
                frame->OnDraw(dc, this, &inPage, p);
        }
        OfsViewDC(dc, -1, p, 0);
        CSize px(1, 1);
        dc->DPtoLP(&px);
        CRect page(-px.cx, -px.cy, (int)m_nPageWidth + kShadow, (int)m_nPageHeight + kShadow);
        dc->LPtoDP(&page);
        page.NormalizeRect();
        CRgn region;
        region.CreateRectRgnIndirect(&page);
        dc->SelectClipRgn(&region, RGN_DIFF);
    }
    if (dc != pDC)
    {
        // The workspace is filled even when no page shows, so that nothing
        // of an earlier picture stays.
        {
            dc->SetWindowOrg(0, 0);
            CBrush workspace(Options.Colors[CWOptions::kColorWorkspace]);
            dc->FillRect(&paint, &workspace);
            dc->SelectClipRgn(NULL);
            const int saved = pDC->SaveDC();
            pDC->SetMapMode(MM_TEXT);
            pDC->SetWindowOrg(0, 0);
            pDC->SetViewportOrg(0, 0);
            dc->SetMapMode(MM_TEXT);
            dc->SetWindowOrg(0, 0);
            dc->SetViewportOrg(0, 0);
            pDC->BitBlt(client.left, client.top, client.Width(), client.Height(), dc, 0, 0, SRCCOPY);
            pDC->RestoreDC(saved);
        }
        memDC.SelectObject(oldBitmap);
    }
    else
        dc->SelectClipRgn(NULL);
    if ((HasWindow() && m_bHasFocus) || !m_pDoc->IsOLEObjectSelected())
        SetCaret(0);
}
