// The shading table: matching a style to its entry, the brush each entry
// paints with, and the fills on a memory DC (pixels counted per 8 x 8
// cell of the pattern); the shading runs' order.
#include "tests/support/zt_gtest.h"
#include "tests/support/dib_canvas.h"
#include "layout/shading.h"
#include "controls/LineStyles.h"
#include "app/CWOptions.h"

namespace {

const COLORREF kFore = RGB(0, 0, 160);
const COLORREF kBack = RGB(255, 255, 0);
const COLORREF kPage = RGB(10, 200, 30);

CShadeStyle Style(LONG percent, LONG pattern)
{
    CShadeStyle s;
    s.back = kBack;
    s.fore = kFore;
    s.percent = percent;
    s.pattern = pattern;
    return s;
}

class Shading : public testing::Test
{
protected:
    static void SetUpTestSuite() { LoadBrushes(); }
    static void TearDownTestSuite() { DeleteBrushes(); }
    void SetUp() override
    {
        savedPage = Options.Colors[CWOptions::kColorPage];
        Options.Colors[CWOptions::kColorPage] = kPage;
    }
    void TearDown() override { Options.Colors[CWOptions::kColorPage] = savedPage; }
    COLORREF savedPage = 0;
};

TEST_F(Shading, TheTableHoldsNineteenNamedStylesInWhiteAndSilver)
{
    EXPECT_EQ(ShadingStyleName(0), "Clear");
    EXPECT_EQ(ShadingStyleName(10), "70%");
    EXPECT_EQ(ShadingStyleName(13), "Left Diagonal");
    EXPECT_EQ(ShadingStyleName(18), "Vertical");
    EXPECT_EQ(ShadingStyleName(19), "");
    EXPECT_EQ(ShadingStyleName(-1), "");
    for (const CShadeStyle& s : ShadingStyles)
    {
        EXPECT_EQ(s.back, White);
        EXPECT_EQ(s.fore, Silver);
    }
    EXPECT_EQ(White, 0x00FFFFFFu);
    EXPECT_EQ(Silver, 0x00C0C0C0u);
}

TEST_F(Shading, FindShadingTakesThePercentWithinFiveAndTheSamePattern)
{
    const struct
    {
        LONG percent, pattern;
        int index;
    } cases[] = {
        {0, -1, 0},   {3, -1, 0},    {5, -1, 2},    {22, -1, 4},   {24, -1, 4}, {26, -1, 5},  {70, -1, 10}, {100, -1, 1},
        {100, 3, 13}, {100, 4, 14},  {100, 5, 15},  {100, 2, 16},  {100, 0, 17}, {100, 1, 18}, {50, 3, 0},
        {97, 3, 13},  {100, 7, 0},   {-50, -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindShading(Style(c.percent, c.pattern)), c.index) << c.percent << "% pattern " << c.pattern;
}

TEST_F(Shading, EachEntryPicksItsKindOfBrush)
{
    for (int i = 0; i < kShadingStyleCount; ++i)
    {
        SCOPED_TRACE(i);
        CShadeStyle s = ShadingStyles[i];
        s.fore = kFore;
        CBrush brush;
        ChooseBrush(s, &brush, i, NULL);
        LOGBRUSH log = {};
        ASSERT_TRUE(brush.GetLogBrush(&log));
        if (i == 0)
        {
            EXPECT_EQ(log.lbStyle, (UINT)BS_SOLID);
            EXPECT_EQ(log.lbColor, kPage) << "clear paints the page colour";
        }
        else if (i == 1)
        {
            EXPECT_EQ(log.lbStyle, (UINT)BS_SOLID);
            EXPECT_EQ(log.lbColor, kFore);
        }
        else if (i < 13)
            EXPECT_EQ(log.lbStyle, (UINT)BS_PATTERN);
        else
        {
            EXPECT_EQ(log.lbStyle, (UINT)BS_HATCHED);
            EXPECT_EQ(log.lbColor, kFore);
            EXPECT_EQ(log.lbHatch, (ULONG_PTR)s.pattern);
        }
    }
}

TEST_F(Shading, ThePatternBitmapsAreEightByEightOneBit)
{
    for (CBitmap& b : Brushes)
    {
        BITMAP info = {};
        ASSERT_TRUE(b.GetBitmap(&info));
        EXPECT_EQ(info.bmWidth, 8);
        EXPECT_EQ(info.bmHeight, 8);
        EXPECT_EQ(info.bmBitsPixel, 1);
    }
}

// Fore-colour pixels per 8 x 8 cell of each entry, the rest in the back
// colour; Clear paints the page colour, hatches their lines.
TEST_F(Shading, EachStyleFillsItsShareOfEveryCell)
{
    const int kCell = 8;
    const struct
    {
        int index;
        int fore;      // fore-colour pixels of 64
        int page;      // page-colour pixels of 64
    } cases[] = {
        {0, 0, 64},  {1, 64, 0},  {2, 2, 0},   {3, 4, 0},   {4, 8, 0},   {5, 16, 0},  {6, 24, 0},
        {7, 30, 0},  {8, 32, 0},  {9, 40, 0},  {10, 44, 0}, {11, 48, 0}, {12, 56, 0}, {17, 8, 0},
        {18, 8, 0},  {13, 8, 0},  {16, 8, 0},  {14, 15, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE((LPCSTR)ShadingStyleName(c.index));
        CShadeStyle s = ShadingStyles[c.index];
        s.fore = kFore;
        s.back = kBack;
        DibCanvas canvas(4 * kCell, 2 * kCell);
        DrawShade(&canvas.dc, CRect(0, 0, 4 * kCell, 2 * kCell), s);
        for (int cy = 0; cy < 2; ++cy)
            for (int cx = 0; cx < 4; ++cx)
            {
                const CRect cell(cx * kCell, cy * kCell, (cx + 1) * kCell, (cy + 1) * kCell);
                EXPECT_EQ(canvas.Count(cell, kFore), c.fore);
                EXPECT_EQ(canvas.Count(cell, kPage), c.page);
                EXPECT_EQ(canvas.Count(cell, kFore) + canvas.Count(cell, kBack) + canvas.Count(cell, kPage), 64)
                    << "nothing but the style's colours";
            }
        EXPECT_EQ(canvas.dc.GetTextColor(), RGB(0, 0, 0)) << "the context's colours come back";
        EXPECT_EQ(canvas.dc.GetBkColor(), RGB(255, 255, 255));
    }
}

TEST_F(Shading, HatchesDrawTheirLines)
{
    CShadeStyle s = Style(100, HS_HORIZONTAL);
    DibCanvas horizontal(8, 8);
    DrawShade(&horizontal.dc, CRect(0, 0, 8, 8), s);
    int rows = 0;
    for (int y = 0; y < 8; ++y)
        rows += horizontal.Count(CRect(0, y, 8, y + 1), kFore) == 8;
    EXPECT_EQ(rows, 1) << "one whole row of the cell";

    s.pattern = HS_VERTICAL;
    DibCanvas vertical(8, 8);
    DrawShade(&vertical.dc, CRect(0, 0, 8, 8), s);
    int cols = 0;
    for (int x = 0; x < 8; ++x)
        cols += vertical.Count(CRect(x, 0, x + 1, 8), kFore) == 8;
    EXPECT_EQ(cols, 1) << "one whole column of the cell";
}

TEST_F(Shading, TheRegionFormFillsOnlyTheRegion)
{
    // An L of two cells, left of a cell that stays white.
    CRgn region, top, bottom;
    region.CreateRectRgn(0, 0, 0, 0);
    top.CreateRectRgn(0, 0, 16, 8);
    bottom.CreateRectRgn(0, 8, 8, 16);
    region.CombineRgn(&top, &bottom, RGN_OR);
    const struct
    {
        int index, fore, page;
    } cases[] = {{9, 40, 0}, {10, 44, 0}, {2, 2, 0}, {0, 0, 64}, {1, 64, 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.index);
        CShadeStyle s = ShadingStyles[c.index];
        s.fore = kFore;
        s.back = kBack;
        DibCanvas canvas(16, 16);
        canvas.dc.SetBkMode(TRANSPARENT);
        DrawShade(&canvas.dc, &region, s);
        for (const CRect cell : {CRect(0, 0, 8, 8), CRect(8, 0, 16, 8), CRect(0, 8, 8, 16)})
        {
            EXPECT_EQ(canvas.Count(cell, kFore), c.fore);
            EXPECT_EQ(canvas.Count(cell, kPage), c.page);
        }
        EXPECT_EQ(canvas.Count(CRect(8, 8, 16, 16), RGB(255, 255, 255)), 64) << "outside the region";
        EXPECT_EQ(canvas.dc.GetBkMode(), TRANSPARENT) << "the background mode comes back";
    }
}

TEST_F(Shading, CalcColorLightensTowardsWhite)
{
    EXPECT_EQ(CalcColor(RGB(0, 0, 0), 100), RGB(0, 0, 0));
    EXPECT_EQ(CalcColor(RGB(0, 0, 0), 0), RGB(255, 255, 255));
    EXPECT_EQ(CalcColor(RGB(0, 100, 255), 50), RGB(127, 177, 255));
}

TEST(ShadeRuns, SortShadesOrdersRunsByFirstCharacter)
{
    GArray<GShade> shades(0, 4);
    for (LONG first : {30, 0, 20, 10, 5})
    {
        GShade s;
        s.first = first;
        s.end = first + 5;
        s.style.percent = first;
        shades.Add(s);
    }
    SortShades(shades);
    const LONG want[] = {0, 5, 10, 20, 30};
    ASSERT_EQ(shades.count, 5);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(shades[i].first, want[i]);
        EXPECT_EQ(shades[i].end, want[i] + 5) << "each run moves whole";
        EXPECT_EQ(shades[i].style.percent, want[i]);
    }
    GArray<GShade> none(0, 4);
    SortShades(none);
    EXPECT_EQ(none.count, 0);
}

} // namespace
