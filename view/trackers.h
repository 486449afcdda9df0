// The view's trackers: rectangles with handles around a selected frame,
// callout, picture or object, through which the user moves and resizes it.
// Frames own theirs, so layout may include this header.
#pragma once
#include "afxtracker.h"

// A tracker that draws in client pixels whatever the context's mapping and
// drags in a modal loop of its own, which remembers a cancel.
class CWRectTracker : public CRectTracker
{
public:
    CWRectTracker() {}
    CWRectTracker(const RECT* rect, UINT style) : CRectTracker(rect, style) {}

    virtual void Draw(CDC* dc) const;
    // Drags the handle under point; FALSE when point is on none.
    BOOL Track(CWnd* wnd, CPoint point, BOOL allowInvert = FALSE, CWnd* clipTo = NULL);
    // Spans a new rectangle from point with the bottom-right handle.
    BOOL TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert = TRUE);
    // Drags handle (8 the whole rectangle) until the left button is
    // released or the drag is cancelled (Escape, right button, which
    // restore the rectangle). TRUE when the rectangle ends up changed;
    // FALSE at once while another window holds the mouse capture.
    BOOL TrackHandle(int handle, CWnd* wnd, CPoint point, CWnd* clipTo);

    int m_bCancelled = 0;        // the last drag was cancelled
};

// A tracker whose rectangle may not leave a maximum rectangle, and whose
// handle cursors can be kept to the border ring.
class CWLimitedTracker : public CWRectTracker
{
public:
    CWLimitedTracker();
    CWLimitedTracker(const RECT* rect, UINT style);

    // Refuses a change along an axis that would leave the maximum
    // rectangle; the other axis follows.
    virtual void OnChangedRect(const CRect& old) override;
    // The outline on a context of clipTo (or wnd), with the handles filled.
    virtual void DrawTrackerRect(CWnd* wnd, CWnd* clipTo);
    // 9 on the ring between the tracked and the true rectangle, else -1.
    virtual int HitTestBorder(CPoint point);
    using CRectTracker::DrawTrackerRect;

    void SetMaxRect(const CRect& rect) { m_rcMax = rect; }
    // With border cursors, a point off the ring leaves the cursor to the
    // caller (FALSE); on a handle it shows that handle's cursor.
    BOOL SetCursor(CWnd* wnd, UINT hitTest) const;

    static const LONG kNoLimitLow = (LONG)0x80000000;
    static const LONG kNoLimitHigh = 0x7FFFFFFF;
    CRect m_rcMax = CRect(kNoLimitLow, kNoLimitLow, kNoLimitHigh, kNoLimitHigh);
    int m_bBorderCursors = 0;
};

// A callout's tracker: the arrow line from the fixed tip follows the
// rectangle, leaving from the centre of the side nearest to the tip.
class CWCalloutTracker : public CWLimitedTracker
{
public:
    CWCalloutTracker() {}
    CWCalloutTracker(const RECT* rect, UINT style) : CWLimitedTracker(rect, style) {}

    // The outline, then the arrow line, both inverted.
    virtual void DrawTrackerRect(LPCRECT rect, CWnd* clipTo, CDC* dc, CWnd* wnd) override;
    virtual void OnChangedRect(const CRect& old) override { CWLimitedTracker::OnChangedRect(old); }
    // Moves the whole rectangle; the caller puts it around the tip first.
    virtual BOOL TrackArrow(CWnd* wnd, CPoint point, CWnd* clipTo);
    virtual int HitTestArrow(CPoint point) { return HitTestBorder(point); }
    using CWLimitedTracker::DrawTrackerRect;
    BOOL SetCursor(CWnd* wnd, UINT hitTest) const { return CWLimitedTracker::SetCursor(wnd, hitTest); }

    // Where the arrow line starts on the rectangle: the centre of the side
    // handle nearest to the tip; on equal distances top, right, bottom, left.
    CPoint ArrowStart() const;
    void SetTip(CPoint tip) { m_ptTip = tip; }

    CPoint m_ptTip = CPoint(0, 0);
    CPoint m_ptArrowStart = CPoint(0, 0);
    // No line is drawn yet, so none is to be removed.
    bool m_bArrowShown = false;
};

// The handle cursors of the trackers, indexed by normalised hit code 0-9.
const int kTrackerCursorCount = 10;
extern HCURSOR TrackerCursors[kTrackerCursorCount];
void LoadTrackerCursor();

// The distance between two points.
double Dist(CPoint a, CPoint b);
