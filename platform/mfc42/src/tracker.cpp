// CRectTracker: handle geometry, hit testing, sizing rules and drawing of
// the tracked rectangle; the cursors come from the resource search.
#include "afxtracker.h"
#include <algorithm>
#include <cstdlib>

namespace
{
// Where each handle sits on the rectangle: 0 at the left or top edge,
// 1 centred on the side, 2 at the right or bottom edge.
struct HandlePlace
{
    int x;
    int y;
};
const HandlePlace kHandlePlaces[CRectTracker::kHandleCount] = {
    {0, 0}, {2, 0}, {2, 2}, {0, 2}, {1, 0}, {2, 1}, {1, 2}, {0, 1},
};

// Which edges a hit code moves: 0 none, 1 the left or top, 2 the right or
// bottom; index 8 is the inside, which moves the left-top (and keeps the size).
const HandlePlace kMovedEdges[CRectTracker::hitMiddle + 1] = {
    {1, 1}, {2, 1}, {2, 2}, {1, 2}, {0, 1}, {2, 0}, {0, 2}, {1, 0}, {1, 1},
};

// A side handle shows when the side has room for three handles and this.
const int kSideHandleSlack = 4;

int Place(int low, int high, int size, int where)
{
    if (where == 0)
        return low;
    if (where == 2)
        return high - size;
    return low + (high - low - size) / 2;
}

// The edge kept at the minimum distance from its opposite one.
void KeepMinimum(LONG& low, LONG& high, int moved, int minimum, BOOL allowInvert)
{
    if (moved == 0)
        return;
    int extent = high - low;
    int sign = (allowInvert && extent < 0) ? -1 : 1;
    if (extent * sign >= minimum)
        return;
    if (moved == 1)
        low = high - sign * minimum;
    else
        high = low + sign * minimum;
}

// Inverts a one-pixel outline, so that drawing it twice leaves nothing.
void InvertOutline(CDC* dc, const CRect& r)
{
    int w = r.Width(), h = r.Height();
    if (w <= 0 || h <= 0)
        return;
    dc->PatBlt(r.left, r.top, w, 1, DSTINVERT);
    if (h > 1)
        dc->PatBlt(r.left, r.bottom - 1, w, 1, DSTINVERT);
    if (h > 2)
    {
        dc->PatBlt(r.left, r.top + 1, 1, h - 2, DSTINVERT);
        if (w > 1)
            dc->PatBlt(r.right - 1, r.top + 1, 1, h - 2, DSTINVERT);
    }
}
} // namespace

CRectTracker::CRectTracker()
{
    Construct();
}

CRectTracker::CRectTracker(LPCRECT lpSrcRect, UINT nStyle)
{
    Construct();
    m_rect.CopyRect(lpSrcRect);
    m_nStyle = nStyle;
}

CRectTracker::~CRectTracker() {}

void CRectTracker::Construct()
{
    m_nStyle = 0;
    m_rect.SetRectEmpty();
    m_nHandleSize = 6;
    m_sizeMin = CSize(m_nHandleSize * 2, m_nHandleSize * 2);
    m_bAllowInvert = FALSE;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bErase = FALSE;
    m_bFinalErase = FALSE;
}

int CRectTracker::GetHandleSize(LPCRECT lpRect) const
{
    CRect r = lpRect ? CRect(lpRect) : m_rect;
    int size = m_nHandleSize;
    if (!(m_nStyle & resizeOutside))
    {
        int room = std::min(abs(r.Width()), abs(r.Height())) / 2;
        size = std::min(size, room);
    }
    return size;
}

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const
{
    CRect r = m_rect;
    r.NormalizeRect();
    int inflate = 0;
    if (m_nStyle & (resizeOutside | hatchedBorder))
        inflate += GetHandleSize() - 1;
    if (m_nStyle & (solidLine | dottedLine))
        ++inflate;
    r.InflateRect(inflate, inflate);
    *lpTrueRect = r;
}

void CRectTracker::GetHandleRect(int nHandle, CRect* pHandleRect) const
{
    CRect r = m_rect;
    r.NormalizeRect();
    if (m_nStyle & (solidLine | dottedLine))
        r.InflateRect(1, 1);
    nHandle = NormalizeHit(nHandle);
    int size = GetHandleSize();
    if (m_nStyle & resizeOutside)
        r.InflateRect(size - 1, size - 1);
    if (nHandle < 0 || nHandle >= kHandleCount)
    {
        pHandleRect->SetRectEmpty();
        return;
    }
    const HandlePlace& p = kHandlePlaces[nHandle];
    int left = Place(r.left, r.right, size, p.x);
    int top = Place(r.top, r.bottom, size, p.y);
    pHandleRect->SetRect(left, top, left + size, top + size);
}

UINT CRectTracker::GetHandleMask() const
{
    UINT mask = 0x0F;
    int three = m_nHandleSize * 3;
    if (abs(m_rect.Width()) - three > kSideHandleSlack)
        mask |= 0x50;
    if (abs(m_rect.Height()) - three > kSideHandleSlack)
        mask |= 0xA0;
    return mask;
}

int CRectTracker::NormalizeHit(int nHandle) const
{
    if (nHandle == hitMiddle || nHandle == hitNothing)
        return nHandle;
    static const int kSwapX[kHandleCount] = {1, 0, 3, 2, 4, 7, 6, 5};
    static const int kSwapY[kHandleCount] = {3, 2, 1, 0, 6, 5, 4, 7};
    if (nHandle < 0 || nHandle >= kHandleCount)
        return nHandle;
    if (m_rect.Width() < 0)
        nHandle = kSwapX[nHandle];
    if (m_rect.Height() < 0)
        nHandle = kSwapY[nHandle];
    return nHandle;
}

int CRectTracker::HitTestHandles(CPoint point) const
{
    CRect truth;
    GetTrueRect(&truth);
    if (!truth.PtInRect(point))
        return hitNothing;
    if (m_nStyle & (resizeInside | resizeOutside))
    {
        UINT mask = GetHandleMask();
        for (int i = 0; i < kHandleCount; ++i)
        {
            if (!(mask & (1u << i)))
                continue;
            CRect h;
            GetHandleRect(i, &h);
            if (h.PtInRect(point))
                return i;
        }
    }
    if (!(m_nStyle & hatchedBorder))
    {
        CRect r = m_rect;
        r.NormalizeRect();
        if (m_nStyle & (solidLine | dottedLine))
            r.InflateRect(1, 1);
        if (!r.PtInRect(point))
            return hitNothing;
    }
    return hitMiddle;
}

int CRectTracker::HitTest(CPoint point) const
{
    CRect truth;
    GetTrueRect(&truth);
    if (!truth.PtInRect(point))
        return hitNothing;
    if (m_nStyle & (resizeInside | resizeOutside))
        return HitTestHandles(point);
    return hitMiddle;
}

void CRectTracker::GetModifyPointers(int nHandle, int** ppx, int** ppy, int* px, int* py)
{
    if (nHandle < 0 || nHandle > hitMiddle)
    {
        *ppx = *ppy = NULL;
        if (px)
            *px = 0;
        if (py)
            *py = 0;
        return;
    }
    const HandlePlace& e = kMovedEdges[nHandle];
    int* left = reinterpret_cast<int*>(&m_rect.left);
    int* right = reinterpret_cast<int*>(&m_rect.right);
    int* top = reinterpret_cast<int*>(&m_rect.top);
    int* bottom = reinterpret_cast<int*>(&m_rect.bottom);
    *ppx = e.x == 1 ? left : e.x == 2 ? right : NULL;
    *ppy = e.y == 1 ? top : e.y == 2 ? bottom : NULL;
    if (px)
        *px = *ppx ? **ppx : 0;
    if (py)
        *py = *ppy ? **ppy : 0;
}

void CRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    if (nHandle < 0 || nHandle >= hitMiddle)
        return;
    const HandlePlace& e = kMovedEdges[nHandle];
    KeepMinimum(lpRect->left, lpRect->right, e.x, m_sizeMin.cx, m_bAllowInvert);
    KeepMinimum(lpRect->top, lpRect->bottom, e.y, m_sizeMin.cy, m_bAllowInvert);
}

void CRectTracker::OnChangedRect(const CRect&) {}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    CRect r(lpRect);
    r.NormalizeRect();
    if (pWndClipTo && pWnd)
    {
        pWnd->ClientToScreen(&r);
        pWndClipTo->ScreenToClient(&r);
    }
    // The outline is inverted: drawing the same rectangle again (the erase)
    // restores what was under it.
    InvertOutline(pDC, r);
    m_rectLast = r;
    m_sizeLast = m_bFinalErase ? CSize(0, 0) : CSize(1, 1);
}

void CRectTracker::Draw(CDC* pDC) const
{
    int saved = pDC->SaveDC();
    CRect r = m_rect;
    r.NormalizeRect();
    if (m_nStyle & (solidLine | dottedLine))
    {
        CPen pen;
        pen.CreatePen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 0, RGB(0, 0, 0));
        CPen* oldPen = pDC->SelectObject(&pen);
        pDC->SelectStockObject(NULL_BRUSH);
        pDC->SetROP2(R2_COPYPEN);
        CRect line = r;
        line.InflateRect(1, 1);
        pDC->Rectangle(&line);
        pDC->SelectObject(oldPen);
    }
    if (m_nStyle & (hatchInside | hatchedBorder))
    {
        CBrush hatch;
        hatch.CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0));
        pDC->SetBkMode(TRANSPARENT);
        if (m_nStyle & hatchInside)
        {
            CBrush* oldBrush = pDC->SelectObject(&hatch);
            pDC->SelectStockObject(NULL_PEN);
            pDC->SetROP2(R2_MASKPEN);
            pDC->Rectangle(r.left, r.top, r.right + 1, r.bottom + 1);
            pDC->SetROP2(R2_COPYPEN);
            pDC->SelectObject(oldBrush);
        }
        if (m_nStyle & hatchedBorder)
        {
            CRect outer;
            GetTrueRect(&outer);
            CBrush* oldBrush = pDC->SelectObject(&hatch);
            pDC->PatBlt(outer.left, outer.top, outer.Width(), r.top - outer.top, PATCOPY);
            pDC->PatBlt(outer.left, r.bottom, outer.Width(), outer.bottom - r.bottom, PATCOPY);
            pDC->PatBlt(outer.left, r.top, r.left - outer.left, r.Height(), PATCOPY);
            pDC->PatBlt(r.right, r.top, outer.right - r.right, r.Height(), PATCOPY);
            pDC->SelectObject(oldBrush);
        }
    }
    if (m_nStyle & (resizeInside | resizeOutside))
    {
        UINT mask = GetHandleMask();
        for (int i = 0; i < kHandleCount; ++i)
            if (mask & (1u << i))
            {
                CRect h;
                GetHandleRect(i, &h);
                pDC->FillSolidRect(&h, RGB(0, 0, 0));
            }
    }
    pDC->RestoreDC(saved);
}

HCURSOR CRectTracker::TrackerCursor(int nHit)
{
    static const WORD kIds[kCursorCount] = {
        AFX_IDC_TRACKNWSE, AFX_IDC_TRACKNESW, AFX_IDC_TRACKNWSE, AFX_IDC_TRACKNESW, AFX_IDC_TRACKNS,
        AFX_IDC_TRACKWE,   AFX_IDC_TRACKNS,   AFX_IDC_TRACKWE,   AFX_IDC_TRACK4WAY, AFX_IDC_MOVE4WAY,
    };
    static HCURSOR cursors[kCursorCount];
    static bool loaded = false;
    if (!loaded)
    {
        HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(AFX_IDC_TRACK4WAY), RT_GROUP_CURSOR);
        for (int i = 0; i < kCursorCount; ++i)
            cursors[i] = ::LoadCursorA(module, MAKEINTRESOURCEA(kIds[i]));
        loaded = true;
    }
    return (nHit >= 0 && nHit < kCursorCount) ? cursors[nHit] : NULL;
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const
{
    if (nHitTest != HTCLIENT)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    pWnd->ScreenToClient(&point);
    int hit = HitTestHandles(point);
    if (hit < 0)
        return FALSE;
    hit = NormalizeHit(hit);
    if (hit == hitMiddle)
    {
        CRect r = m_rect;
        r.NormalizeRect();
        if (!r.PtInRect(point) && (m_nStyle & hatchedBorder))
            hit = kHitBorderMove;
    }
    ::SetCursor(TrackerCursor(hit));
    return TRUE;
}
