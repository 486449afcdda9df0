// Callout arrows and frame trackers: where the arrow leaves the frame,
// the push past the content's border lines, the repaint box when the arrow
// moves, and the selection tracker a frame makes and places in the view.
#include "tests/support/zt_gtest.h"
#include "tests/support/dib_canvas.h"
#include "tests/layout/layout_test_support.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include "model/GPageInfo.h"
#include "view/CWView.h"
#include "view/trackers.h"
#include "controls/LineStyles.h"
#include <string>

using namespace layout_test;

namespace {

std::string PointText(CPoint p)
{
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

class CalloutTest : public testing::Test
{
protected:
    FallbackParaScope scope;
    CWDocument doc;
    GDoc* body = NULL;
    GDoc* calloutText = NULL;
    CFrame* bodyFrame = NULL;
    CFrame* callout = NULL;
    // The callout's inner rectangle on page 0: (1000, 1000, 1400, 1200),
    // inside the frame's clearance of its border lines.
    static const long kLeft = 1000 - kBorderClearance, kTop = 1000 - kBorderClearance;
    static const long kWidth = 400 + 2 * kBorderClearance, kHeight = 200 + 2 * kBorderClearance;

    void SetUp() override
    {
        while (doc.m_flows.GetCount() < kFirstContentFlow)
            doc.m_flows.Add(new GDoc(&doc, doc.m_flows.GetCount()));
        body = doc.m_flows[0];
        calloutText = new GDoc(&doc, doc.m_flows.GetCount());
        doc.m_flows.Add(calloutText);
        const GPageInfo& info = doc.m_pageInfos[0];
        if (!body->m_pFirstFrame)
        {
            bodyFrame = new CFrame(&doc, NULL, body, info.textLeft, info.textTop, info.GetTextWidth(),
                                   info.GetTextHeight(), 0, 0, kHFromPage, kVPageTop, kSizeFixedHeight,
                                   kSizeFixedWidth, 0, 0, 0);
            body->m_pFirstFrame = bodyFrame;
            bodyFrame->MakeArea(0);
        }
        callout = new CFrame(&doc, body, calloutText, kLeft, kTop, kWidth, kHeight, 0, 0, kHFromPage, kVPageTop,
                             kSizeFixedHeight, kSizeFixedWidth, 0, 0, 1);
        calloutText->m_pFirstFrame = callout;
        body->m_frames.Add(callout);
        callout->hasArrow = 1;
        callout->arrowPara = 0;
        callout->arrowStyle.lineStyle = kNoLineStyle;   // no width: no push
        callout->MakeArea(0);
    }

    void TearDown() override
    {
        for (long i = 0; i < doc.m_flows.GetCount(); ++i)
            for (long k = 0; k < doc.m_flows[i]->m_frames.GetCount(); ++k)
                doc.m_flows[i]->m_frames[k]->content = NULL;
        calloutText->m_pFirstFrame = NULL;
        if (bodyFrame)
        {
            body->m_pFirstFrame = NULL;
            bodyFrame->content = NULL;
            bodyFrame->Destroy();
        }
    }

    CRect BodyText() { return body->GetAreaByPage(0, 1, 0); }

    // Puts the tip at a page-relative point.
    void SetTip(CPoint tip)
    {
        callout->arrowTipX = tip.x - BodyText().left;
        callout->arrowTipY = tip.y - BodyText().top;
    }
    CPoint StartFor(CPoint tip)
    {
        SetTip(tip);
        callout->DrawArrow(0, NULL, NULL, 0);
        EXPECT_EQ(PointText(callout->arrowFrom), PointText(tip));
        return callout->arrowTo;
    }
};

TEST_F(CalloutTest, ArrowLeavesTheCornerNearestTheTip)
{
    ASSERT_EQ(RectText(callout->GetAreaByPage(0, 1)), RectText(CRect(1000, 1000, 1400, 1200)));
    struct Case
    {
        CPoint tip;
        CPoint start;
    } cases[] = {
        {{500, 500}, {1000, 1000}},
        {{1600, 1300}, {1400, 1200}},
        {{500, 1100}, {1000, 1200}},     // level with the middle: the bottom
        {{1200, 500}, {1400, 1000}},     // above the middle: the right
        {{1200, 1100}, {1400, 1200}},    // the centre itself: bottom right
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointText(StartFor(c.tip)), PointText(c.start)) << PointText(c.tip);
}

TEST_F(CalloutTest, TipFollowsItsParagraphsRow)
{
    char text[] = "First\rSecond\rThird";
    body->InsertText(0, text, 0);
    ASSERT_GE(body->m_paras.GetCount(), 3);
    const long row = body->GetParaRow(2);
    ASSERT_GT(body->m_rows[row].y, 0);
    callout->arrowPara = 2;
    callout->arrowTipX = 40;
    callout->arrowTipY = 7;
    callout->DrawArrow(0, NULL, NULL, 0);
    const CRect text0 = BodyText();
    EXPECT_EQ(PointText(callout->arrowFrom),
              PointText(CPoint(text0.left + 40, text0.top + body->m_rows[row].y - body->m_rows[0].y + 7)));

    // A paragraph the flow does not have leaves the arrow where it was.
    const CPoint from = callout->arrowFrom, to = callout->arrowTo;
    callout->arrowPara = 99;
    callout->DrawArrow(0, NULL, NULL, 0);
    EXPECT_EQ(callout->arrowFrom, from);
    EXPECT_EQ(callout->arrowTo, to);
}

TEST_F(CalloutTest, MiddleOfSideFlagMovesTheStartToASidesMiddle)
{
    callout->arrowStyle.middleOfSide = 1;
    struct Case
    {
        CPoint tip;
        CPoint start;
    } cases[] = {
        {{500, 1150}, {1000, 1100}},     // level with the frame, far to the side: the left side
        {{1900, 1050}, {1400, 1100}},    // the right side
        {{1200, 1500}, {1200, 1200}},    // below: the bottom side
        {{1100, 700}, {1200, 1000}},     // above: the top side
        {{500, 1300}, {1200, 1200}},     // far to the side but below the frame: the bottom side
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointText(StartFor(c.tip)), PointText(c.start)) << PointText(c.tip);
}

TEST_F(CalloutTest, StartIsPushedPastTheContentsBorderLines)
{
    // Row 1 on the page is 5 wide: the arrow's half width is 2.
    callout->arrowStyle.lineStyle = 1;
    EXPECT_EQ(PointText(StartFor(CPoint(500, 500))), PointText(CPoint(998, 998)));

    // A top and left border from the content's first row, 20 from the
    // text, line row 3 (10 wide: half 5).
    GBorder border;
    border.first = 0;
    border.end = calloutText->m_chars.GetCount() - 1;
    border.distance = 20;
    border.sides = kBorderTop | kBorderLeft;
    border.top.lineStyle = 3;
    border.left.lineStyle = 3;
    calloutText->m_borders.Add(border);
    // The text moves in past the border; the start goes out past the line:
    // distance 20, half the line 5, half the arrow 2.
    const CRect text = callout->GetAreaByPage(0, 1);
    EXPECT_EQ(PointText(StartFor(CPoint(500, 500))), PointText(CPoint(text.left - 27, text.top - 27)));
    // The bottom and right have no line: only the arrow's half width.
    EXPECT_EQ(PointText(StartFor(CPoint(1600, 1300))), PointText(CPoint(text.right + 2, text.bottom + 2)));
}

TEST_F(CalloutTest, CheckArrowRepaintsOnlyWhenTheArrowMoved)
{
    SetTip(CPoint(500, 500));
    callout->CheckArrow(0);
    calloutText->m_rcFrameRepaint.SetRectEmpty();
    calloutText->m_pRepaintFrame = NULL;

    callout->CheckArrow(0);
    EXPECT_TRUE(calloutText->m_rcFrameRepaint.IsRectEmpty());
    EXPECT_EQ(calloutText->m_pRepaintFrame, (CFrame*)NULL);

    callout->CheckArrow(1);
    EXPECT_EQ(RectText(calloutText->m_rcFrameRepaint), RectText(CRect(487, 487, 1013, 1013)));
    EXPECT_EQ(calloutText->m_pRepaintFrame, callout);
}

TEST_F(CalloutTest, MovedCalloutRepaintsBothArrowsWidened)
{
    SetTip(CPoint(500, 500));
    callout->CheckArrow(0);
    calloutText->m_rcFrameRepaint.SetRectEmpty();

    callout->x += 5;
    callout->MakeArea(0);
    EXPECT_EQ(PointText(callout->arrowTo), PointText(CPoint(1005, 1000)));
    // Old (500, 500)-(1000, 1000) and new (500, 500)-(1005, 1000), 13 wider.
    EXPECT_EQ(RectText(calloutText->m_rcFrameRepaint), RectText(CRect(487, 487, 1018, 1013)));

    // A box already pending is joined in.
    calloutText->m_rcFrameRepaint = CRect(2000, 2000, 2100, 2100);
    callout->x += 5;
    callout->MakeArea(0);
    EXPECT_EQ(RectText(calloutText->m_rcFrameRepaint), RectText(CRect(487, 487, 2100, 2100)));
}

TEST_F(CalloutTest, FrameWithoutArrowLeavesTheRepaintBoxAlone)
{
    calloutText->m_rcFrameRepaint.SetRectEmpty();
    callout->hasArrow = 0;
    callout->CheckArrow(1);
    EXPECT_TRUE(calloutText->m_rcFrameRepaint.IsRectEmpty());
}

// A view without a window at 100 % on a 96-dpi screen: 1000 units are
// 378 pixels.
class TrackerPlacement : public CalloutTest
{
protected:
    CWView view;
    void SetUp() override
    {
        CalloutTest::SetUp();
        view.m_pDoc = &doc;
        view.m_nPageWidth = doc.m_pageInfos[0].paperWidth;
        view.m_nPageHeight = doc.m_pageInfos[0].paperHeight;
    }
    CRect ToScreen(long page, CRect r)
    {
        long top = view.CalcPageToY(page);
        return CRect(view.Pixels(view.m_nLeftGap + r.left, 1), view.Pixels(r.top + top, 0),
                     view.Pixels(view.m_nLeftGap + r.right, 1), view.Pixels(r.bottom + top, 0));
    }
};

TEST_F(TrackerPlacement, PageToScreenAndPageTops)
{
    EXPECT_EQ(view.CalcPageToY(0), 30);
    EXPECT_EQ(view.CalcPageToY(2), 30 + 2 * (30 + view.m_nPageHeight));
    long x = 1000, y = 1000;
    view.PageToScreen(x, y);
    EXPECT_EQ(x, view.Pixels(1030, 1));
    EXPECT_EQ(y, 378);
}

TEST_F(TrackerPlacement, CreateTrackerSetsUpTheSelectionTracker)
{
    callout->CreateTracker(&view);
    ASSERT_TRUE(callout->tracker != NULL);
    CWLimitedTracker* t = callout->tracker;
    EXPECT_EQ(t->m_nStyle, (UINT)CRectTracker::hatchedBorder);
    EXPECT_EQ(t->m_bBorderCursors, 1);
    EXPECT_EQ(t->m_nHandleSize, 8);
    EXPECT_EQ(t->m_sizeMin.cx, 38);    // 100 units
    EXPECT_EQ(t->m_sizeMin.cy, 19);    // 50 units
    EXPECT_TRUE(t->m_rect.IsRectEmpty());
    callout->CreateTracker(&view);     // already there: kept
    EXPECT_EQ(callout->tracker, t);
    callout->DestroyTracker();
    EXPECT_EQ(callout->tracker, (CWLimitedTracker*)NULL);
    EXPECT_EQ(callout->arrowTracker, (CWRectTracker*)NULL);
}

TEST_F(TrackerPlacement, UpdateTrackerPlacesThePageAreaKeptToThePage)
{
    callout->CreateTracker(&view);
    callout->UpdateTracker(&view, 0);
    EXPECT_EQ(RectText(callout->tracker->m_rect), RectText(ToScreen(0, callout->GetAreaByPage(0, 0))));
    const GPageInfo& info = doc.m_pageInfos[0];
    EXPECT_EQ(RectText(callout->tracker->m_rcMax),
              RectText(ToScreen(0, CRect(0, 0, info.paperWidth, info.paperHeight))));

    // Body, header and footer frames get none placed.
    bodyFrame->CreateTracker(&view);
    bodyFrame->UpdateTracker(&view, 0);
    EXPECT_TRUE(bodyFrame->tracker->m_rect.IsRectEmpty());
    bodyFrame->DestroyTracker();
}

TEST_F(TrackerPlacement, DrawnArrowPlacesTheTipTracker)
{
    DibCanvas canvas(600, 600);
    view.ZoomViewDC(&canvas.dc);
    callout->arrowStyle.lineStyle = 0;
    callout->arrowTracking = 1;
    SetTip(CPoint(500, 500));
    callout->CreateTracker(&view);
    callout->DrawArrow(1, &canvas.dc, &view, 0);
    int ink = 0;
    canvas.Ink(RGB(255, 255, 255), &ink);
    EXPECT_GT(ink, 0);
    EXPECT_EQ(callout->arrowTracking, 0);
    ASSERT_TRUE(callout->arrowTracker != NULL);
    EXPECT_EQ(callout->arrowTracker->m_nStyle, (UINT)CRectTracker::hatchInside);
    EXPECT_EQ(callout->arrowTracker->m_nHandleSize, 0);
    long x = 500, y = 500 + view.CalcPageToY(0);
    view.PageToScreen(x, y);
    EXPECT_EQ(callout->arrowTracker->m_rect.CenterPoint(), CPoint(x, y));
    EXPECT_EQ(callout->arrowTracker->m_rect.Width(), 12);
}

TEST_F(TrackerPlacement, TipInsideTheFrameDrawsNoArrow)
{
    DibCanvas canvas(600, 600);
    view.ZoomViewDC(&canvas.dc);
    SetTip(CPoint(1100, 1100));
    callout->DrawArrow(1, &canvas.dc, &view, 0);
    int ink = 0;
    canvas.Ink(RGB(255, 255, 255), &ink);
    EXPECT_EQ(ink, 0);
}

TEST_F(TrackerPlacement, DrawArrowsDrawsTheArrowsOfFramesOnThePageFromAnyFlow)
{
    callout->arrowStyle.lineStyle = 0;
    SetTip(CPoint(500, 500));
    DibCanvas alone(600, 600);
    view.ZoomViewDC(&alone.dc);
    callout->DrawArrow(1, &alone.dc, &view, 0);
    const std::vector<DWORD> want = alone.Snapshot();
    int ink = 0;
    alone.Ink(RGB(255, 255, 255), &ink);
    ASSERT_GT(ink, 0);

    for (GDoc* flow : {body, calloutText})
    {
        SCOPED_TRACE(flow == body ? "from the body" : "from the callout's text");
        DibCanvas canvas(600, 600);
        view.ZoomViewDC(&canvas.dc);
        flow->DrawArrows(&canvas.dc, 0, &view);
        EXPECT_TRUE(canvas.Snapshot() == want) << "the same pixels as the frame's own arrow";
    }

    callout->hasArrow = 0;
    DibCanvas none(600, 600);
    view.ZoomViewDC(&none.dc);
    body->DrawArrows(&none.dc, 0, &view);
    none.Ink(RGB(255, 255, 255), &ink);
    EXPECT_EQ(ink, 0) << "a frame without an arrow";
}

} // namespace
