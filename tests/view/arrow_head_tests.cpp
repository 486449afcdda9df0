// Callout arrows: head geometry of the open and filled heads, the head
// kinds and size classes, and the pens the line styles draw with.
#include "tests/support/zt_gtest.h"
#include "tests/support/dib_canvas.h"
#include "view/arrow_style.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

tagArrowStyle Style(LONG lineStyle, LONG kind, LONG widthClass, LONG lengthClass, COLORREF colour = 0)
{
    tagArrowStyle s;
    s.lineStyle = lineStyle;
    s.headKind = kind;
    s.headWidth = widthClass;
    s.headLength = lengthClass;
    s.colour = (LONG)colour;
    return s;
}

TEST(ArrowHeads, TheTipComesBackAsTheCentreOfTheHeadsBase)
{
    struct Case
    {
        CPoint from, tip;
        double length;
        CPoint base;
    } cases[] = {
        {{10, 50}, {60, 50}, 10, {50, 50}},
        {{0, 0}, {30, 40}, 10, {24, 32}},
        {{0, 0}, {-10, 0}, 2.5, {-7, 0}},   // truncated toward zero, not down
        {{5, 5}, {5, 5}, 10, {5, 5}},       // no direction: no head, tip kept
    };
    DibCanvas canvas(8, 8);
    for (const Case& c : cases)
    {
        CPoint simple = c.tip, filled = c.tip;
        DrawSimple(&canvas.dc, c.from, simple, Style(0, 1, 1, 1), 6, c.length);
        DrawTriangle(&canvas.dc, c.from, filled, Style(0, 2, 1, 1), 6, c.length);
        EXPECT_EQ(simple, c.base) << c.tip.x << "," << c.tip.y;
        EXPECT_EQ(filled, c.base) << c.tip.x << "," << c.tip.y;
    }
}

TEST(ArrowHeads, OpenHeadStrokesRunFromTheTipToBothCorners)
{
    DibCanvas canvas(100, 100);
    CPoint tip(60, 50);
    DrawSimple(&canvas.dc, CPoint(10, 50), tip, Style(0, 1, 1, 1), 6, 10);
    // Corners (50, 44) and (50, 56); the strokes' middles are on lattice points.
    EXPECT_EQ(canvas.Pixel(55, 47), kBlack);
    EXPECT_EQ(canvas.Pixel(55, 53), kBlack);
    // Open: nothing between the strokes.
    EXPECT_EQ(canvas.Pixel(53, 50), kWhite);
}

TEST(ArrowHeads, FilledHeadIsFilledInTheStylesColour)
{
    DibCanvas canvas(100, 100);
    const COLORREF blue = RGB(0, 0, 255);
    CPoint tip(60, 50);
    DrawTriangle(&canvas.dc, CPoint(0, 50), tip, Style(0, 2, 3, 3, blue), 10, 20);
    // Corners (40, 40), (40, 60) and the tip: inside and on the outline.
    EXPECT_EQ(canvas.Pixel(48, 50), blue);
    EXPECT_EQ(canvas.Pixel(42, 45), blue);
    EXPECT_EQ(canvas.Pixel(30, 50), kWhite);
}

TEST(ArrowHeads, BothOpenHeadsAimFromTheOtherPointItself)
{
    // Shorter than a head: the head at the second point reaches back past
    // the first point, so a head aimed from its base would turn round.
    // Row 0 on the page is 2 wide: width 5 × 2, length 6 × 2.
    DibCanvas canvas(100, 100);
    DrawArrow(&canvas.dc, CPoint(50, 50), CPoint(55, 50), Style(0, 5, 3, 3), 0);
    // The first point's head runs from (50, 50) towards (62, 40) and (62, 60).
    EXPECT_EQ(canvas.Pixel(56, 45), kBlack);
    EXPECT_EQ(canvas.Pixel(56, 55), kBlack);
    // The second point's head from (55, 50) towards (43, 40).
    EXPECT_EQ(canvas.Pixel(49, 45), kBlack);
}

TEST(ArrowHeads, WidthClassZeroLaysTheStrokesOnTheLine)
{
    DibCanvas canvas(100, 100);
    DrawArrow(&canvas.dc, CPoint(10, 50), CPoint(90, 50), Style(0, 1, 0, 2), 0);
    // The strokes start on the tip itself, one past the line's end.
    EXPECT_EQ(RectText(canvas.Ink(kWhite)), RectText(CRect(10, 50, 91, 51)));
}

TEST(ArrowHeads, HeadKindsPutHeadsAtTheirEnds)
{
    // Row 0 on the page, class 2: heads 8 wide to each side, 10 long.
    struct Case
    {
        LONG kind;
        bool atFirst, atSecond;
    } cases[] = {
        {0, false, false}, {1, false, true}, {2, false, true}, {3, true, false},
        {4, true, false},  {5, true, true},  {6, true, true},  {7, false, false},
    };
    for (const Case& c : cases)
    {
        DibCanvas canvas(120, 100);
        DrawArrow(&canvas.dc, CPoint(10, 50), CPoint(110, 50), Style(0, c.kind, 2, 2), 0);
        bool first = canvas.Count(CRect(10, 40, 25, 49), [](COLORREF p) { return p != kWhite; }) > 0;
        bool second = canvas.Count(CRect(95, 40, 110, 49), [](COLORREF p) { return p != kWhite; }) > 0;
        EXPECT_EQ(first, c.atFirst) << c.kind;
        EXPECT_EQ(second, c.atSecond) << c.kind;
    }
}

TEST(ArrowHeads, ArrowWithCoincidingPointsDrawsNoHead)
{
    DibCanvas canvas(40, 40);
    DrawArrow(&canvas.dc, CPoint(20, 20), CPoint(20, 20), Style(3, 6, 3, 3, RGB(255, 0, 0)), 1);
    int ink = 0;
    canvas.Ink(kWhite, &ink);
    EXPECT_LE(ink, 16);   // at most the pen's dot
}

// The thickness of a horizontal line at x: its inked pixels in the column.
int Thickness(const DibCanvas& canvas, int x)
{
    return canvas.Count(CRect(x, 0, x + 1, canvas.Height()), [](COLORREF p) { return p != kWhite; });
}

TEST(ArrowHeads, OwnPenIsOnePixelForThePatternedRows)
{
    const COLORREF red = RGB(255, 0, 0);
    for (LONG row = 0; row <= 9; ++row)
    {
        DibCanvas canvas(200, 40);
        DrawArrow(&canvas.dc, CPoint(0, 20), CPoint(200, 20), Style(row, 0, 1, 1, red), 1);
        int thickest = 0, inked = 0;
        for (int x = 0; x < 200; ++x)
        {
            thickest = std::max(thickest, Thickness(canvas, x));
            inked += canvas.Count(CRect(x, 0, x + 1, 40), red);
        }
        EXPECT_GT(inked, 0) << row;
        if (row >= 6)
            EXPECT_EQ(thickest, 1) << row;
        else if (row >= 1)
            EXPECT_GT(thickest, 1) << row;
    }
}

TEST(ArrowHeads, OwnPenIsPutBackAfterwards)
{
    DibCanvas canvas(40, 40);
    HGDIOBJ before = ::GetCurrentObject(canvas.dc.m_hDC, OBJ_PEN);
    DrawArrow(&canvas.dc, CPoint(0, 20), CPoint(40, 20), Style(2, 2, 1, 1, RGB(0, 255, 0)), 1);
    EXPECT_EQ(::GetCurrentObject(canvas.dc.m_hDC, OBJ_PEN), before);
}

} // namespace
