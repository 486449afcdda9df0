// The outline with handles around a selected picture: drawn with the row
// that holds it, where the item's tracker says it is, both in a whole
// paint and in the repaint that selecting it asks for; none unselected.
#include "tests/view/view_window.h"
#include "tests/support/solid_image.h"
#include "model/GImage.h"
#include "view/trackers.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const int kPictureWidth = 40, kPictureHeight = 30;

class ItemTracker : public ViewWindowFixture
{
protected:
    void SetUp() override
    {
        ViewWindowFixture::SetUp();
        if (IsSkipped())
            return;
        MakeView(kClientWidth, kClientHeight, true);
        Type(body, 0, "Before  after");
        CChangeBracket bracket(doc);
        // Large enough that its natural size is no object size to refuse
        // with a message box, which would wait for a user.
        picture = new GImage(body, 7, SolidImage(kPictureWidth, kPictureHeight, kRed));
        picture->SetSize(CSize(200, 150));
        body->InsertField(picture);
    }

    // The whole view drawn into a bitmap of the client's size.
    void PaintInto(DibCanvas& canvas)
    {
        view->OnPrepareDC(&canvas.dc);
        view->OnDraw(&canvas.dc);
    }

    // The picture's tracker as the view sets it up when it is selected.
    CWLimitedTracker SelectedTracker()
    {
        GField* kept = doc->m_pSelImage;
        doc->m_pSelImage = picture;
        CWLimitedTracker tracker;
        view->SetupTracker(&tracker, picture, NULL);
        doc->m_pSelImage = kept;
        return tracker;
    }

    GImage* picture = NULL;
};

// Every pixel of each handle is black; none is when no handle shows.
void ExpectHandles(const DibCanvas& canvas, const CWLimitedTracker& tracker, bool shown)
{
    const UINT mask = tracker.GetHandleMask();
    EXPECT_EQ(mask & 0x0F, 0x0Fu) << "the corner handles";
    for (int i = 0; i < 8; ++i)
    {
        if (!(mask & (1u << i)))
            continue;
        CRect handle;
        tracker.GetHandleRect(i, &handle);
        SCOPED_TRACE("handle " + std::to_string(i) + " " + RectText(handle));
        const int black = canvas.Count(handle, kBlack);
        if (shown)
            EXPECT_EQ(black, handle.Width() * handle.Height());
        else
            EXPECT_EQ(black, 0);
    }
}

void CaptureWindow(CWnd* wnd, DibCanvas& canvas)
{
    HDC from = ::GetDC(wnd->m_hWnd);
    ::BitBlt(canvas.dc.m_hDC, 0, 0, canvas.Width(), canvas.Height(), from, 0, 0, SRCCOPY);
    ::ReleaseDC(wnd->m_hWnd, from);
}

} // namespace

TEST_F(ItemTracker, SelectedPictureShowsItsOutlineAndHandles)
{
    DibCanvas before(kClientWidth, kClientHeight);
    PaintInto(before);
    const CWLimitedTracker tracker = SelectedTracker();
    EXPECT_EQ(tracker.m_nStyle, (UINT)(CRectTracker::dottedLine | CRectTracker::resizeInside));
    ASSERT_GT(tracker.m_nHandleSize, 0);
    // Unselected: the picture alone, red to its edges, no ink around it.
    const CRect r = tracker.m_rect;
    EXPECT_EQ(before.Count(r, kRed), r.Width() * r.Height());
    ExpectHandles(before, tracker, false);
    EXPECT_EQ(before.Count(CRect(r.left - 1, r.top - 1, r.right + 1, r.top), kBlack), 0);

    view->SetSelection(picture, 0);
    DibCanvas after(kClientWidth, kClientHeight);
    PaintInto(after);
    ExpectHandles(after, tracker, true);
    // The dotted line runs just outside the picture.
    EXPECT_GT(after.Count(CRect(r.left - 1, r.top - 1, r.right + 1, r.top), kBlack), 0);
    EXPECT_GT(after.Count(CRect(r.left - 1, r.bottom, r.right + 1, r.bottom + 1), kBlack), 0);
    // Not selected another way: no text effect, no object.
    CWLimitedTracker plain;
    doc->m_pSelImage = NULL;
    view->SetupTracker(&plain, picture, NULL);
    EXPECT_EQ(plain.m_nStyle, 0u);
}

// Selecting and unselecting repaint only the picture's row, through the
// flow's redraw, which draws rows through a bitmap of their own.
TEST_F(ItemTracker, SelectionRepaintDrawsAndRemovesTheOutline)
{
    view->InvalidateView();
    view->UpdateWindow();
    view->HideCaret();
    const CWLimitedTracker tracker = SelectedTracker();

    view->SetSelection(picture, 0);
    view->UpdateWindow();
    view->HideCaret();
    DibCanvas selected(kClientWidth, kClientHeight);
    CaptureWindow(view, selected);
    ExpectHandles(selected, tracker, true);

    view->SetSelection((GImage*)NULL, 0);
    view->UpdateWindow();
    view->HideCaret();
    DibCanvas unselected(kClientWidth, kClientHeight);
    CaptureWindow(view, unselected);
    ExpectHandles(unselected, tracker, false);
    EXPECT_EQ(unselected.Count(tracker.m_rect, kRed), tracker.m_rect.Width() * tracker.m_rect.Height());
}

// The limit is the body frame's area on the picture's page, in client
// pixels: inside the page, around the picture.
TEST_F(ItemTracker, TrackerIsLimitedToTheFrameOnItsPage)
{
    DibCanvas canvas(kClientWidth, kClientHeight);
    PaintInto(canvas);
    const CWLimitedTracker tracker = SelectedTracker();
    const CRect limit = tracker.m_rcMax;
    const CPoint pageTopLeft = ClientPointOf(view, 0, 0, 0);
    const CPoint pageBottomRight = ClientPointOf(view, view->m_nPageWidth, view->m_nPageHeight, 0);
    EXPECT_GT(limit.left, pageTopLeft.x);
    EXPECT_GT(limit.top, pageTopLeft.y);
    EXPECT_LT(limit.right, pageBottomRight.x);
    EXPECT_LT(limit.bottom, pageBottomRight.y);
    CRect inside;
    EXPECT_TRUE(inside.IntersectRect(&limit, &tracker.m_rect));
    EXPECT_TRUE(inside == tracker.m_rect) << RectText(limit) << " " << RectText(tracker.m_rect);

    // Sizes come back non-negative and agree with points both ways.
    CSize size(-40, 30);
    view->ClientToDoc(size);
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);
    CPoint p(123, 77);
    view->ClientToDoc(p);
    view->DocToClient(p);
    EXPECT_NEAR(p.x, 123, 1);
    EXPECT_NEAR(p.y, 77, 1);
}
