// Off-screen drawing: CWBitmapDC over a window's update rectangle or a
// given one, and the drawing helpers' edge cases on memory bitmaps.
#include "tests/view/view_window.h"
#include "tests/support/dib_canvas.h"
#include "view/CWBitmapDC.h"
#include "view/drawing_helpers.h"
#include <memory>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

class BitmapDCWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveDisplay())
            GTEST_SKIP() << "no X display";
        wnd.CreateEx(WS_EX_TOPMOST, AfxWndClassName(), "bitmap dc", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, NULL,
                     NULL);
        PumpMessages();
        wnd.ValidateRect(NULL);
        Paint(kGreen);
    }
    void TearDown() override
    {
        if (wnd.m_hWnd)
            wnd.DestroyWindow();
    }
    void Paint(COLORREF colour)
    {
        CClientDC dc(&wnd);
        dc.FillSolidRect(0, 0, 200, 150, colour);
    }
    COLORREF Shown(int x, int y)
    {
        CClientDC dc(&wnd);
        return dc.GetPixel(x, y) & 0xFFFFFF;
    }
    CWnd wnd;
};

TEST_F(BitmapDCWindow, DrawsInClientCoordinatesOverTheUpdateRectangle)
{
    CRect update(40, 30, 100, 80);
    wnd.InvalidateRect(&update, FALSE);
    {
        CWBitmapDC dc(&wnd, NULL, kBlue);
        EXPECT_EQ(dc.Covered(), update);
        EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, 0));
        dc.SetPixel(40, 30, kRed);
        // The client point at the rectangle's corner is the bitmap's first pixel.
        CPoint corner(40, 30);
        dc.LPtoDP(&corner);
        EXPECT_EQ(corner, CPoint(0, 0));
        EXPECT_EQ(Shown(40, 30), kGreen);   // nothing reaches the window yet
    }
    EXPECT_EQ(Shown(40, 30), kRed);
    EXPECT_EQ(Shown(60, 50), kBlue);
    EXPECT_EQ(Shown(39, 30), kGreen);
    EXPECT_EQ(Shown(100, 80), kGreen);
    RECT left;
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, &left, FALSE));
}

TEST_F(BitmapDCWindow, WithoutABackgroundKeepsWhatTheWindowShowed)
{
    CRect area(40, 30, 100, 80);
    {
        CWBitmapDC dc(&wnd, &area, kKeepWindowPixels);
        dc.SetPixel(50, 40, kRed);
    }
    EXPECT_EQ(Shown(50, 40), kRed);
    EXPECT_EQ(Shown(60, 50), kGreen);
    EXPECT_EQ(Shown(99, 79), kGreen);
}

// A w x h bitmap of one colour, one pixel of another at (1, 1).
std::unique_ptr<CBitmap> Swatch(CDC& like, int w, int h, COLORREF colour, COLORREF dot)
{
    std::unique_ptr<CBitmap> bitmap(new CBitmap);
    bitmap->CreateCompatibleBitmap(&like, w, h);
    CDC mem;
    mem.CreateCompatibleDC(&like);
    CBitmap* old = mem.SelectObject(bitmap.get());
    mem.FillSolidRect(0, 0, w, h, colour);
    mem.SetPixel(1, 1, dot);
    mem.SelectObject(old);
    return bitmap;
}

TEST(DrawingHelpers, DrawBitmapCopiesAtItsSizeAndStretchesToAnother)
{
    struct Case
    {
        int w, h;
        bool stretched;
    } cases[] = {{0, 0, false}, {4, 3, false}, {8, 6, true}, {8, 0, true}};
    for (const Case& c : cases)
    {
        DibCanvas canvas(20, 20, kWhite);
        auto bitmap = Swatch(canvas.dc, 4, 3, kRed, kRed);
        DrawBitmap(canvas.dc, *bitmap, 2, 2, c.w, c.h);
        EXPECT_EQ(canvas.Pixel(5, 4), kRed) << c.w;
        EXPECT_EQ(canvas.Pixel(7, 4) == kRed, c.stretched) << c.w;
        int w, h;
        GetBitmapDxDy(bitmap.get(), w, h);
        EXPECT_EQ(CSize(w, h), CSize(4, 3));
    }
}

TEST(DrawingHelpers, DrawTransBitmapLeavesOutOnlyTheTransparentColour)
{
    struct Case
    {
        COLORREF transparent;
        int direct;
        COLORREF atDot;   // the bitmap's (1, 1) is blue
    } cases[] = {{kGreen, 1, kBlue}, {kGreen, 0, kBlue}, {kBlue, 1, kWhite}, {kBlue, 0, kWhite}};
    for (const Case& c : cases)
    {
        DibCanvas canvas(20, 20, kWhite);
        canvas.dc.SetBkColor(kRed);
        canvas.dc.SetTextColor(kGreen);   // the mask's black stays black whatever the text colour
        auto bitmap = Swatch(canvas.dc, 4, 3, kBlack, kBlue);
        DrawTransBitmap(canvas.dc, *bitmap, 5, 5, c.transparent, c.direct);
        EXPECT_EQ(canvas.Pixel(5, 5), kBlack) << c.direct;
        EXPECT_EQ(canvas.Pixel(8, 7), kBlack) << c.direct;
        EXPECT_EQ(canvas.Pixel(6, 6), c.atDot) << c.direct;
        EXPECT_EQ(canvas.Pixel(9, 5), kWhite) << c.direct;
        // Only the direct form leaves the destination's background white.
        EXPECT_EQ(canvas.dc.GetBkColor(), c.direct ? kWhite : kRed) << c.direct;
        EXPECT_EQ(canvas.dc.GetTextColor(), kGreen) << c.direct;
    }
}

TEST(DrawingHelpers, SplitColorSwapsTheEdgesForASunkDepth)
{
    const COLOR colors = {kWhite, kGreen, kBlack};
    struct Case
    {
        int depth;
        ULONG first, last;
    } cases[] = {{1, kWhite, kBlack}, {2, kWhite, kBlack}, {0, kBlack, kWhite}, {-1, kBlack, kWhite}};
    for (const Case& c : cases)
    {
        ULONG first, middle, last;
        SplitColor(colors, c.depth, first, middle, last);
        EXPECT_EQ(first, c.first) << c.depth;
        EXPECT_EQ(middle, kGreen) << c.depth;
        EXPECT_EQ(last, c.last) << c.depth;
    }
}

TEST(DrawingHelpers, DrawBlockDrawsEdgesAsDeepAsAsked)
{
    struct Case
    {
        const char* name;
        COLORREF shadow;
        COLORREF bottomRight;   // at the block's bottom and right edges
    } cases[] = {{"shadow", kBlack, kBlack}, {"no shadow", kNoColor, kRed}};
    for (const Case& c : cases)
    {
        DibCanvas canvas(20, 20, kRed);
        DrawBlock(canvas.dc, 2, 2, 10, 10, 2, COLOR{kWhite, kGreen, c.shadow});
        for (int i = 0; i < 2; ++i)
        {
            EXPECT_EQ(canvas.Pixel(6, 2 + i), kWhite) << c.name << " top " << i;
            EXPECT_EQ(canvas.Pixel(2 + i, 6), kWhite) << c.name << " left " << i;
            EXPECT_EQ(canvas.Pixel(6, 11 - i), c.bottomRight) << c.name << " bottom " << i;
            EXPECT_EQ(canvas.Pixel(11 - i, 6), c.bottomRight) << c.name << " right " << i;
        }
        EXPECT_EQ(canvas.Pixel(4, 4), kGreen) << c.name;
        EXPECT_EQ(canvas.Pixel(9, 9), kGreen) << c.name;
        EXPECT_EQ(canvas.Pixel(12, 12), kRed) << c.name;
    }
}

TEST(DrawingHelpers, HaloTextDrawsTheHaloAtTheNamedOffsetsThenTheText)
{
    char text[] = "Halo";
    CRect rect(10, 10, 90, 40);
    DibCanvas halo(100, 50, kWhite);
    halo.dc.SetBkColor(kBlue);
    halo.dc.SetTextColor(kBlack);
    HaloText(halo.dc, text, rect, DT_LEFT | DT_TOP, kHaloUpLeft | kHaloDownRight | 2);

    DibCanvas expected(100, 50, kWhite);
    expected.dc.SetBkMode(TRANSPARENT);
    for (CPoint offset : {CPoint(-2, -2), CPoint(2, 2), CPoint(0, 0)})
    {
        CRect at(rect);
        at.OffsetRect(offset);
        expected.dc.SetTextColor(offset.x ? kBlue : kBlack);
        expected.dc.DrawText(text, -1, &at, DT_LEFT | DT_TOP);
    }
    EXPECT_EQ(halo.Snapshot(), expected.Snapshot());
    EXPECT_EQ(halo.dc.GetTextColor(), kBlack);
    EXPECT_EQ(halo.dc.GetBkMode(), OPAQUE);
}

TEST(DrawingHelpers, DrawFocusOfThicknessZeroDrawsNothing)
{
    const COLOR colors = {kBlack, kNoColor, kBlack};
    struct Case
    {
        int thickness;
        bool drawn;
    } cases[] = {{0, false}, {1, true}, {2, true}};
    for (const Case& c : cases)
    {
        DibCanvas canvas(30, 30, kWhite);
        DrawFocus(canvas.dc, 5, 5, 20, 20, 1, c.thickness, colors);
        const int inked = canvas.Count(CRect(0, 0, 30, 30), [](COLORREF p) { return p != kWhite; });
        EXPECT_EQ(inked > 0, c.drawn) << c.thickness;
        // The wider focus reaches one pixel further out.
        EXPECT_EQ(canvas.Count(CRect(0, 0, 30, 5), [](COLORREF p) { return p != kWhite; }) > 0, c.thickness > 1)
            << c.thickness;
    }
}

TEST(DrawingHelpers, DrawMaskPaintsTheMasksWhitePixelsEmbossed)
{
    // A 4 x 4 monochrome mask, white only at (1, 1); rows are 16 bits.
    const BYTE bits[8] = {0, 0, 0x40, 0, 0, 0, 0, 0};
    CBitmap mask;
    mask.CreateBitmap(4, 4, 1, 1, bits);
    DibCanvas canvas(20, 20, kRed);
    canvas.dc.SetBkColor(kGreen);
    canvas.dc.SetTextColor(kGreen);
    DrawMask(canvas.dc, mask, 5, 5, 1, 0, COLOR{kWhite, kBlue, kBlack});
    EXPECT_EQ(canvas.Pixel(5, 5), kWhite);   // highlight one pixel up-left
    EXPECT_EQ(canvas.Pixel(6, 6), kBlue);
    EXPECT_EQ(canvas.Pixel(7, 7), kBlack);   // shadow one pixel down-right
    EXPECT_EQ(canvas.Count(canvas.Whole(), kRed), 20 * 20 - 3);
    EXPECT_EQ(canvas.dc.GetBkColor(), kGreen);
    EXPECT_EQ(canvas.dc.GetTextColor(), kGreen);
}

} // namespace
