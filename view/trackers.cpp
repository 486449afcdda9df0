// The view's trackers: drawing in client pixels, the modal drag loop, the
// maximum rectangle, border cursors and the callout's arrow line.
#include "view/trackers.h"
#include <cmath>

HCURSOR TrackerCursors[kTrackerCursorCount];

void LoadTrackerCursor()
{
    static const WORD kIds[kTrackerCursorCount] = {
        AFX_IDC_TRACKNWSE, AFX_IDC_TRACKNESW, AFX_IDC_TRACKNWSE, AFX_IDC_TRACKNESW, AFX_IDC_TRACKNS,
        AFX_IDC_TRACKWE,   AFX_IDC_TRACKNS,   AFX_IDC_TRACKWE,   AFX_IDC_TRACK4WAY, AFX_IDC_MOVE4WAY,
    };
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(AFX_IDC_TRACK4WAY), RT_GROUP_CURSOR);
    for (int i = 0; i < kTrackerCursorCount; ++i)
        TrackerCursors[i] = ::LoadCursorA(module, MAKEINTRESOURCEA(kIds[i]));
}

double Dist(CPoint a, CPoint b)
{
    // Summed wide: client pixels never come near, but far points must not
    // wrap into a small distance.
    double dx = (double)a.x - b.x;
    double dy = (double)a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

// ---- CWRectTracker

void CWRectTracker::Draw(CDC* dc) const
{
    int saved = dc->SaveDC();
    dc->SetMapMode(MM_TEXT);
    dc->SetViewportOrg(0, 0);
    dc->SetWindowOrg(0, 0);
    dc->SetBkColor(RGB(255, 255, 255));
    dc->SetTextColor(RGB(0, 0, 0));
    CRectTracker::Draw(dc);
    dc->RestoreDC(saved);
}

BOOL CWRectTracker::Track(CWnd* wnd, CPoint point, BOOL allowInvert, CWnd* clipTo)
{
    int handle = HitTestHandles(point);
    if (handle < 0)
        return FALSE;
    m_bAllowInvert = allowInvert;
    return TrackHandle(handle, wnd, point, clipTo);
}

BOOL CWRectTracker::TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert)
{
    m_bAllowInvert = allowInvert;
    m_rect.SetRect(point.x, point.y, point.x, point.y);
    return TrackHandle(hitBottomRight, wnd, point, NULL);
}

namespace
{
bool SameRect(const CRect& a, const CRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The drawing context of a drag: of the clip window's whole area, or of
// the window; released at the end of the scope.
class CDragContext
{
public:
    CDragContext(CWnd* wnd, CWnd* clipTo) : m_pWnd(clipTo ? clipTo : wnd)
    {
        m_pDC = clipTo ? clipTo->GetDCEx(NULL, DCX_CACHE) : wnd->GetDC();
    }
    ~CDragContext() { m_pWnd->ReleaseDC(m_pDC); }
    CDC* dc() const { return m_pDC; }

private:
    CWnd* m_pWnd;
    CDC* m_pDC;
};

// The temporary maps locked while the loop runs.
struct CTempMapsLock
{
    CTempMapsLock() { AfxLockTempMaps(); }
    ~CTempMapsLock() { AfxUnlockTempMaps(TRUE); }
};
} // namespace

BOOL CWRectTracker::TrackHandle(int handle, CWnd* wnd, CPoint point, CWnd* clipTo)
{
    if (::GetCapture() != NULL)
        return FALSE;
    const int width = m_rect.Width();
    const int height = m_rect.Height();
    const CRect saved = m_rect;
    HWND hwnd = wnd->GetSafeHwnd();
    ::SetCapture(hwnd);
    wnd->UpdateWindow();
    if (clipTo)
        clipTo->UpdateWindow();

    int* px = NULL;
    int* py = NULL;
    int xDiff = 0, yDiff = 0;
    GetModifyPointers(handle, &px, &py, &xDiff, &yDiff);
    xDiff = point.x - xDiff;
    yDiff = point.y - yDiff;

    bool moved = false;
    {
        // The lock outlives the context, which may be a temporary object.
        CTempMapsLock lock;
        CDragContext context(wnd, clipTo);
        CDC* dc = context.dc();
        m_bCancelled = 0;
        for (bool done = false; !done;)
        {
            MSG msg;
            BOOL got = ::GetMessageA(&msg, NULL, 0, 0);
            if (got <= 0)
            {
                // WM_QUIT belongs to the application's own loop.
                if (got == 0)
                    ::PostQuitMessage((int)msg.wParam);
                break;
            }
            if (::GetCapture() != hwnd)
                break;
            switch (msg.message)
            {
            case WM_MOUSEMOVE:
            case WM_LBUTTONUP:
            {
                CRect old = m_rect;
                if (px)
                    *px = (short)LOWORD(msg.lParam) - xDiff;
                if (py)
                    *py = (short)HIWORD(msg.lParam) - yDiff;
                if (handle == hitMiddle)
                {
                    m_rect.right = m_rect.left + width;
                    m_rect.bottom = m_rect.top + height;
                }
                AdjustRect(handle, &m_rect);
                m_bFinalErase = (msg.message == WM_LBUTTONUP);
                const bool changed = !SameRect(old, m_rect);
                if (changed || m_bFinalErase)
                {
                    if (moved)
                    {
                        m_bErase = TRUE;
                        DrawTrackerRect(&old, clipTo, dc, wnd);
                    }
                    OnChangedRect(old);
                    if (msg.message != WM_LBUTTONUP)
                        moved = true;
                }
                if (m_bFinalErase)
                {
                    done = true;
                    break;
                }
                // Drawn again after an erase even when the limit put the
                // rectangle back, so that the outline stays shown.
                if (changed)
                {
                    m_bErase = FALSE;
                    DrawTrackerRect(&m_rect, clipTo, dc, wnd);
                }
                break;
            }
            case WM_KEYDOWN:
                if (msg.wParam != VK_ESCAPE)
                    break;
                // fall through: Escape cancels
            case WM_RBUTTONDOWN:
                if (moved)
                {
                    m_bErase = m_bFinalErase = TRUE;
                    DrawTrackerRect(&m_rect, clipTo, dc, wnd);
                }
                m_rect = saved;
                m_bCancelled = 1;
                done = true;
                break;
            default:
                ::DispatchMessageA(&msg);
                break;
            }
        }
    }
    if (::GetCapture() == hwnd)
        ::ReleaseCapture();
    if (!moved)
        m_rect = saved;
    m_bErase = m_bFinalErase = FALSE;
    return !SameRect(saved, m_rect);
}

// ---- CWLimitedTracker

CWLimitedTracker::CWLimitedTracker()
{
    LoadTrackerCursor();
}

CWLimitedTracker::CWLimitedTracker(const RECT* rect, UINT style) : CWRectTracker(rect, style)
{
    LoadTrackerCursor();
}

void CWLimitedTracker::OnChangedRect(const CRect& old)
{
    if (m_rect.top < m_rcMax.top || m_rect.bottom > m_rcMax.bottom)
    {
        m_rect.top = old.top;
        m_rect.bottom = old.bottom;
    }
    if (m_rect.left < m_rcMax.left || m_rect.right > m_rcMax.right)
    {
        m_rect.left = old.left;
        m_rect.right = old.right;
    }
}

void CWLimitedTracker::DrawTrackerRect(CWnd* wnd, CWnd* clipTo)
{
    CDragContext context(wnd, clipTo);
    CDC* dc = context.dc();
    CRectTracker::DrawTrackerRect(&m_rect, clipTo, dc, wnd);
    if (m_nStyle & (resizeInside | resizeOutside))
    {
        UINT mask = GetHandleMask();
        for (int i = 0; i < kHandleCount; ++i)
            if (mask & (1u << i))
            {
                CRect h;
                GetHandleRect(i, &h);
                dc->FillSolidRect(&h, RGB(0, 0, 0));
            }
    }
}

int CWLimitedTracker::HitTestBorder(CPoint point)
{
    CRect truth;
    GetTrueRect(&truth);
    CRect inner = m_rect;
    inner.NormalizeRect();
    return (truth.PtInRect(point) && !inner.PtInRect(point)) ? kHitBorderMove : hitNothing;
}

BOOL CWLimitedTracker::SetCursor(CWnd* wnd, UINT hitTest) const
{
    if (!m_bBorderCursors)
        return CRectTracker::SetCursor(wnd, hitTest);
    if (hitTest != HTCLIENT)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    wnd->ScreenToClient(&point);
    CRect truth;
    GetTrueRect(&truth);
    CRect inner = m_rect;
    inner.NormalizeRect();
    if (!truth.PtInRect(point) || inner.PtInRect(point))
        return FALSE;
    int hit = HitTestHandles(point);
    if (hit < 0)
        return FALSE;
    ::SetCursor(TrackerCursors[NormalizeHit(hit)]);
    return TRUE;
}

// ---- CWCalloutTracker

CPoint CWCalloutTracker::ArrowStart() const
{
    CPoint best;
    double bestDist = 0;
    for (int handle = hitTop; handle <= hitLeft; ++handle)
    {
        CRect h;
        GetHandleRect(handle, &h);
        CPoint centre((h.left + h.right) / 2, (h.top + h.bottom) / 2);
        double d = Dist(centre, m_ptTip);
        if (handle == hitTop || d < bestDist)
        {
            best = centre;
            bestDist = d;
        }
    }
    return best;
}

void CWCalloutTracker::DrawTrackerRect(LPCRECT rect, CWnd* clipTo, CDC* dc, CWnd* wnd)
{
    CRectTracker::DrawTrackerRect(rect, clipTo, dc, wnd);
    int oldMode = dc->SetROP2(R2_NOT);
    if (m_bArrowShown)
    {
        dc->MoveTo(m_ptTip);
        dc->LineTo(m_ptArrowStart);
    }
    m_ptArrowStart = ArrowStart();
    dc->MoveTo(m_ptTip);
    dc->LineTo(m_ptArrowStart);
    m_bArrowShown = true;
    dc->SetROP2(oldMode);
}

BOOL CWCalloutTracker::TrackArrow(CWnd* wnd, CPoint point, CWnd* clipTo)
{
    return TrackHandle(hitMiddle, wnd, point, clipTo);
}
