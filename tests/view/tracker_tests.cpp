// Trackers: handle geometry and the maximum rectangle headless, the modal
// drag loop on a real window driven by posted mouse and key messages, the
// border cursors and the callout's arrow start.
#include "tests/support/zt_gtest.h"
#include "tests/support/dib_canvas.h"
#include "view/trackers.h"

namespace {

// ---- Headless

TEST(Trackers, MaximumRectangleRefusesAnAxisAsAWhole)
{
    struct Case
    {
        CRect moved;
        CRect expected;
    } cases[] = {
        {{60, 20, 110, 60}, {10, 20, 50, 60}},    // past the right: x refused, y follows
        {{20, 60, 60, 110}, {20, 10, 60, 50}},    // past the bottom: y refused, x follows
        {{-5, -5, 35, 35}, {10, 10, 50, 50}},     // past both: nothing moves
        {{30, 30, 70, 70}, {30, 30, 70, 70}},     // inside: taken
        {{0, 0, 100, 100}, {0, 0, 100, 100}},     // the edges themselves are inside
    };
    for (const Case& c : cases)
    {
        CWLimitedTracker t;
        t.SetMaxRect(CRect(0, 0, 100, 100));
        CRect old(10, 10, 50, 50);
        t.m_rect = c.moved;
        t.OnChangedRect(old);
        EXPECT_EQ(RectText(t.m_rect), RectText(c.expected)) << RectText(c.moved);
    }
}

TEST(Trackers, NoLimitUntilAMaximumIsSet)
{
    CWLimitedTracker t;
    t.m_rect = CRect(-100000, -100000, 100000, 100000);
    t.OnChangedRect(CRect(0, 0, 1, 1));
    EXPECT_EQ(t.m_rect.left, -100000);
    EXPECT_EQ(t.m_bBorderCursors, 0);
}

TEST(Trackers, BorderHitIsTheRingOutsideTheRectangle)
{
    CRect r(20, 20, 100, 80);
    CWLimitedTracker t(&r, CRectTracker::hatchedBorder);
    t.m_nHandleSize = 8;   // the ring is 7 pixels wide
    struct Case
    {
        CPoint p;
        int expected;
    } cases[] = {
        {{50, 50}, -1}, {{20, 20}, -1}, {{19, 50}, 9}, {{13, 50}, 9}, {{12, 50}, -1},
        {{50, 86}, 9},  {{50, 87}, -1}, {{106, 86}, 9}, {{100, 50}, 9},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(t.HitTestBorder(c.p), c.expected) << c.p.x << "," << c.p.y;
        CWCalloutTracker callout(&r, CRectTracker::hatchedBorder);
        callout.m_nHandleSize = 8;
        EXPECT_EQ(callout.HitTestArrow(c.p), c.expected) << c.p.x << "," << c.p.y;
    }
}

TEST(Trackers, CalloutArrowStartsAtTheNearestSideTiesInOrder)
{
    // Handles of 8 inside (100, 100, 200, 200): side centres (150, 104),
    // (196, 150), (150, 196), (104, 150).
    CRect r(100, 100, 200, 200);
    CWCalloutTracker t(&r, CRectTracker::hatchedBorder);
    t.m_nHandleSize = 8;
    struct Case
    {
        CPoint tip, start;
    } cases[] = {
        {{150, 0}, {150, 104}},  {{300, 150}, {196, 150}}, {{150, 300}, {150, 196}}, {{0, 150}, {104, 150}},
        {{250, 50}, {150, 104}},   // top = right: top
        {{250, 250}, {196, 150}},  // right = bottom: right
        {{50, 250}, {150, 196}},   // bottom = left: bottom
        {{50, 50}, {150, 104}},    // top = left: top
    };
    for (const Case& c : cases)
    {
        t.SetTip(c.tip);
        EXPECT_EQ(t.ArrowStart(), c.start) << c.tip.x << "," << c.tip.y;
    }
}

TEST(Trackers, Distance)
{
    EXPECT_DOUBLE_EQ(Dist(CPoint(0, 0), CPoint(3, 4)), 5.0);
    EXPECT_DOUBLE_EQ(Dist(CPoint(-3, 7), CPoint(-3, 7)), 0.0);
    // Far apart does not wrap round to a short distance.
    EXPECT_DOUBLE_EQ(Dist(CPoint(-2000000000, 0), CPoint(2000000000, 0)), 4e9);
}

TEST(Trackers, HandlesMinimumSizeAndInversion)
{
    CRect r(0, 0, 100, 60);
    CRectTracker t(&r, CRectTracker::resizeOutside);
    t.m_nHandleSize = 8;
    CRect h;
    t.GetHandleRect(CRectTracker::hitBottomRight, &h);
    EXPECT_EQ(RectText(h), RectText(CRect(99, 59, 107, 67)));
    t.GetHandleRect(CRectTracker::hitTop, &h);
    EXPECT_EQ(RectText(h), RectText(CRect(46, -7, 54, 1)));
    EXPECT_EQ(t.HitTest(CPoint(103, 63)), CRectTracker::hitBottomRight);
    EXPECT_EQ(t.HitTest(CPoint(50, 30)), CRectTracker::hitMiddle);
    EXPECT_EQ(t.HitTest(CPoint(150, 30)), CRectTracker::hitNothing);

    // Inverted horizontally: the left handle is really the right one.
    t.m_rect = CRect(100, 0, 0, 60);
    EXPECT_EQ(t.NormalizeHit(CRectTracker::hitLeft), CRectTracker::hitRight);
    EXPECT_EQ(t.NormalizeHit(CRectTracker::hitTopLeft), CRectTracker::hitTopRight);

    // Side handles hide on a short side.
    t.m_rect = CRect(0, 0, 20, 60);
    EXPECT_EQ(t.GetHandleMask(), 0x0Fu | 0xA0u);

    // Resizing keeps the minimum size, from the edge that moves.
    t.m_sizeMin = CSize(30, 20);
    CRect tiny(10, 10, 15, 12);
    t.AdjustRect(CRectTracker::hitTopLeft, &tiny);
    EXPECT_EQ(RectText(tiny), RectText(CRect(-15, -8, 15, 12)));
    CRect moved(10, 10, 15, 12);
    t.AdjustRect(CRectTracker::hitMiddle, &moved);
    EXPECT_EQ(RectText(moved), RectText(CRect(10, 10, 15, 12)));
}

TEST(Trackers, DrawIgnoresTheContextsMapping)
{
    DibCanvas canvas(200, 200);
    canvas.dc.SetMapMode(MM_ANISOTROPIC);
    canvas.dc.SetWindowExt(1000, 1000);
    canvas.dc.SetViewportExt(500, 500);
    canvas.dc.SetWindowOrg(300, 300);
    CRect r(20, 30, 60, 70);
    CWRectTracker t(&r, CRectTracker::resizeInside);
    t.m_nHandleSize = 6;
    t.Draw(&canvas.dc);
    EXPECT_EQ(RectText(canvas.Ink(RGB(255, 255, 255))), RectText(r));
    EXPECT_EQ(canvas.dc.GetMapMode(), MM_ANISOTROPIC);
}

TEST(Trackers, CalloutOutlineErasesWhenDrawnAgainAndTheLineFollows)
{
    DibCanvas canvas(200, 200);
    CRect r(100, 100, 180, 160);
    CWCalloutTracker t(&r, CRectTracker::hatchedBorder);
    t.m_nHandleSize = 8;
    t.SetTip(CPoint(10, 130));
    t.DrawTrackerRect(&r, NULL, &canvas.dc, NULL);
    EXPECT_EQ(t.m_ptArrowStart, CPoint(104, 130));    // the left side's centre
    EXPECT_EQ(canvas.Pixel(50, 130), RGB(0, 0, 0));   // on the arrow line
    EXPECT_EQ(canvas.Pixel(140, 100), RGB(0, 0, 0));  // on the outline
    // The same rectangle again takes the outline away; the line is taken
    // away and drawn anew from the rectangle's side, so one line stays.
    t.DrawTrackerRect(&r, NULL, &canvas.dc, NULL);
    EXPECT_EQ(RectText(canvas.Ink(RGB(255, 255, 255))), RectText(CRect(10, 130, 104, 131)));
}

// ---- On a window, driven by posted messages

class TrackerWindow : public testing::Test
{
protected:
    CWnd wnd;
    HWND other = NULL;

    static HWND MakeWindow(int x)
    {
        static const char* kClass = "ZtTrackerTestWindow";
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = kClass;
        wc.hbrBackground = (HBRUSH)::GetStockObject(WHITE_BRUSH);
        ::RegisterClassA(&wc);
        return ::CreateWindowExA(0, kClass, "", WS_POPUP | WS_VISIBLE, x, 0, 400, 300, NULL, NULL,
                                 wc.hInstance, NULL);
    }
    void SetUp() override
    {
        const char* display = getenv("DISPLAY");
        if (!display || !*display)
            GTEST_SKIP() << "no X display";
        HWND hwnd = MakeWindow(0);
        ASSERT_TRUE(hwnd != NULL);
        wnd.Attach(hwnd);
        ::UpdateWindow(hwnd);
        Drain();
    }
    void TearDown() override
    {
        if (::GetCapture())
            ::ReleaseCapture();
        HWND hwnd = wnd.Detach();
        ::DestroyWindow(hwnd);
        if (other)
            ::DestroyWindow(other);
    }
    // Handles what is queued, so that only the posted messages drive a drag.
    static void Drain()
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    void Post(UINT message, int x, int y, WPARAM w = 0)
    {
        ::PostMessageA(wnd.GetSafeHwnd(), message, w, MAKELPARAM(x, y));
    }
    void PostKey(WPARAM key)
    {
        ::PostMessageA(wnd.GetSafeHwnd(), WM_KEYDOWN, key, 1);
    }
};

TEST_F(TrackerWindow, DragMovesTheRectangle)
{
    CRect r(50, 50, 150, 100);
    CWLimitedTracker t(&r, CRectTracker::hatchedBorder | CRectTracker::resizeInside);
    Post(WM_MOUSEMOVE, 110, 80);
    Post(WM_MOUSEMOVE, 120, 90);
    Post(WM_LBUTTONUP, 120, 90);
    EXPECT_TRUE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(100, 75), NULL));
    EXPECT_EQ(RectText(t.m_rect), RectText(CRect(70, 65, 170, 115)));
    EXPECT_EQ(t.m_bCancelled, 0);
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_FALSE(t.m_bErase);
    EXPECT_FALSE(t.m_bFinalErase);
}

TEST_F(TrackerWindow, DragPastTheMaximumStopsOneAxis)
{
    CRect r(50, 50, 150, 100);
    CWLimitedTracker t(&r, CRectTracker::hatchedBorder);
    t.SetMaxRect(CRect(0, 0, 200, 300));
    Post(WM_MOUSEMOVE, 130, 80);     // (80, 55, 180, 105)
    Post(WM_MOUSEMOVE, 160, 100);    // right would be 210: only y follows
    Post(WM_LBUTTONUP, 170, 110);
    EXPECT_TRUE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(100, 75), NULL));
    EXPECT_EQ(RectText(t.m_rect), RectText(CRect(80, 85, 180, 135)));
}

TEST_F(TrackerWindow, ResizingAHandleMovesOnlyItsEdges)
{
    CRect r(50, 50, 150, 100);
    CWRectTracker t(&r, CRectTracker::resizeOutside);
    t.m_sizeMin = CSize(20, 20);
    Post(WM_MOUSEMOVE, 170, 120);
    Post(WM_LBUTTONUP, 170, 120);
    EXPECT_TRUE(t.TrackHandle(CRectTracker::hitBottomRight, &wnd, CPoint(150, 100), NULL));
    EXPECT_EQ(RectText(t.m_rect), RectText(CRect(50, 50, 170, 120)));
}

TEST_F(TrackerWindow, CancelRestoresTheRectangle)
{
    struct Case
    {
        const char* name;
        bool escape;
    } cases[] = {{"Escape", true}, {"right button", false}};
    for (const Case& c : cases)
    {
        CRect r(50, 50, 150, 100);
        CWLimitedTracker t(&r, CRectTracker::hatchedBorder);
        Post(WM_MOUSEMOVE, 120, 90);
        PostKey('A');                    // other keys do nothing
        if (c.escape)
            PostKey(VK_ESCAPE);
        else
            Post(WM_RBUTTONDOWN, 120, 90);
        Post(WM_LBUTTONUP, 130, 95);     // never reached
        EXPECT_FALSE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(100, 75), NULL)) << c.name;
        EXPECT_EQ(RectText(t.m_rect), RectText(r)) << c.name;
        EXPECT_EQ(t.m_bCancelled, 1) << c.name;
        Drain();
    }
}

TEST_F(TrackerWindow, ClickWithoutMovingChangesNothing)
{
    CRect r(50, 50, 150, 100);
    CWLimitedTracker t(&r, CRectTracker::hatchedBorder);
    Post(WM_LBUTTONUP, 100, 75);
    EXPECT_FALSE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(100, 75), NULL));
    EXPECT_EQ(RectText(t.m_rect), RectText(r));
    EXPECT_EQ(t.m_bCancelled, 0);
}

TEST_F(TrackerWindow, AnotherWindowsCaptureRefusesTheDrag)
{
    other = MakeWindow(450);
    ::SetCapture(other);
    ASSERT_EQ(::GetCapture(), other);
    CRect r(50, 50, 150, 100);
    CWLimitedTracker t(&r, CRectTracker::hatchedBorder);
    t.m_bCancelled = 7;
    Post(WM_MOUSEMOVE, 120, 90);
    Post(WM_LBUTTONUP, 120, 90);
    EXPECT_FALSE(t.TrackHandle(CRectTracker::hitMiddle, &wnd, CPoint(100, 75), NULL));
    EXPECT_EQ(RectText(t.m_rect), RectText(r));
    EXPECT_EQ(::GetCapture(), other);
    EXPECT_EQ(t.m_bCancelled, 7);    // untouched: no drag started
    ::ReleaseCapture();
    Drain();
}

TEST_F(TrackerWindow, TrackStartsOnlyOnTheTracker)
{
    CRect r(50, 50, 150, 100);
    CWRectTracker t(&r, CRectTracker::resizeInside);
    Post(WM_LBUTTONUP, 130, 90);
    EXPECT_FALSE(t.Track(&wnd, CPoint(300, 200)));
    EXPECT_EQ(RectText(t.m_rect), RectText(r));
    Drain();

    Post(WM_MOUSEMOVE, 30, 40);
    Post(WM_LBUTTONUP, 30, 40);
    EXPECT_TRUE(t.TrackRubberBand(&wnd, CPoint(10, 10)));
    EXPECT_EQ(RectText(t.m_rect), RectText(CRect(10, 10, 30, 40)));
}

TEST_F(TrackerWindow, BorderCursorsShowOnlyOnTheRing)
{
    LoadTrackerCursor();
    for (int i = 0; i < kTrackerCursorCount; ++i)
        EXPECT_TRUE(TrackerCursors[i] != NULL) << i;

    CRect r(50, 50, 150, 100);
    CWLimitedTracker t(&r, CRectTracker::hatchedBorder | CRectTracker::resizeOutside);
    t.m_nHandleSize = 8;
    t.m_bBorderCursors = 1;
    auto pointAt = [&](int x, int y) {
        CPoint p(x, y);
        wnd.ClientToScreen(&p);
        ::SetCursorPos(p.x, p.y);
    };
    HCURSOR mine = ::LoadCursorA(NULL, (LPCSTR)IDC_IBEAM);
    ::SetCursor(mine);
    pointAt(100, 75);                          // inside: the caller's cursor
    EXPECT_FALSE(t.SetCursor(&wnd, HTCLIENT));
    EXPECT_EQ(::GetCursor(), mine);
    pointAt(300, 200);                         // away from the tracker
    EXPECT_FALSE(t.SetCursor(&wnd, HTCLIENT));
    pointAt(153, 103);                         // the bottom-right handle
    EXPECT_FALSE(t.SetCursor(&wnd, HTCAPTION));
    EXPECT_TRUE(t.SetCursor(&wnd, HTCLIENT));
    EXPECT_EQ(::GetCursor(), TrackerCursors[CRectTracker::hitBottomRight]);
    pointAt(100, 46);                          // the top handle
    EXPECT_TRUE(t.SetCursor(&wnd, HTCLIENT));
    EXPECT_EQ(::GetCursor(), TrackerCursors[CRectTracker::hitTop]);
}

} // namespace
