// CRectTracker: the class library's rectangle with resize handles that
// views show around a selected object; it hit-tests, draws and sizes the
// rectangle. Users derive from it to drive their own dragging.
#pragma once
#include "afxwin.h"
#include "afxtrackres.h"

class CRectTracker
{
public:
    // Style bits.
    enum StyleFlags
    {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    // Hit codes: the eight handles, the inside, nothing.
    enum TrackerHit
    {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };
    static const int kHandleCount = 8;
    // The cursor code of the hatched border, past the hit codes.
    static const int kHitBorderMove = 9;
    // Cursors of the hit codes 0 to 9.
    static const int kCursorCount = 10;

    CRectTracker();
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle);
    virtual ~CRectTracker();

    UINT m_nStyle;
    CRect m_rect;
    CSize m_sizeMin;             // the smallest width and height resizing leaves
    int m_nHandleSize;
    BOOL m_bAllowInvert;         // resizing may turn the rectangle inside out
    CRect m_rectLast;            // the outline drawn last
    CSize m_sizeLast;
    BOOL m_bErase;               // DrawTrackerRect erases instead of drawing
    BOOL m_bFinalErase;          // the last erase of a drag

    // The rectangle with everything the tracker draws around it.
    void GetTrueRect(LPRECT lpTrueRect) const;
    // The square of a handle (hit code 0 to 7) in the tracked rectangle's
    // coordinates.
    void GetHandleRect(int nHandle, CRect* pHandleRect) const;
    int HitTest(CPoint point) const;
    // The hit code for the rectangle as it would be normalised: left and
    // right handles swap when it is inverted horizontally, top and bottom
    // when vertically.
    int NormalizeHit(int nHandle) const;
    void Draw(CDC* pDC) const;
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;

    // Which coordinates of m_rect handle nHandle moves (null: none) and,
    // for the inside, what the other edges are relative to the left-top.
    void GetModifyPointers(int nHandle, int** ppx, int** ppy, int* px, int* py);

    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    // Keeps the minimum size while a handle resizes the rectangle and,
    // unless inverting is allowed, keeps it from turning inside out.
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    virtual void OnChangedRect(const CRect& rectOld);
    // Bit n set: handle n is shown. Side handles show only where the side
    // is long enough for three handles.
    virtual UINT GetHandleMask() const;
    // Handles inside the rectangle shrink on a small rectangle.
    virtual int GetHandleSize(LPCRECT lpRect = NULL) const;

protected:
    int HitTestHandles(CPoint point) const;
    // The cursor of a normalised hit code (0 to 9), loaded once.
    static HCURSOR TrackerCursor(int nHit);

private:
    void Construct();
};
