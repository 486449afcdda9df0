// The view's units and the origins at which rows draw, on a view without
// a window: 0.1 mm to pixels at a zoom and resolution, and the window
// origin for rows of the first and second text column of a page.
#include "tests/editing/editing_test_support.h"
#include "tests/support/dib_canvas.h"
#include "view/CWView.h"
#include "layout/text_measure.h"

namespace {

TEST(ViewUnits, LengthsAndPixelsConvertAtTheZoomAndResolution)
{
    const struct
    {
        int percent, dpi;
        long units, pixels;
    } cases[] = {
        {100, 96, 254, 96}, {200, 96, 254, 192}, {50, 96, 254, 48}, {100, 120, 254, 120},
        {100, 96, 0, 0},    {100, 96, 1000, 378}, {150, 96, 100, 57},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.percent) + "% at " + std::to_string(c.dpi) + " dpi");
        CWView view;
        view.m_nZoomPercent = (short)c.percent;
        view.m_fZoom = 100.0f / c.percent;
        view.m_nDpiX = view.m_nDpiY = c.dpi;
        EXPECT_EQ(view.Pixels(c.units, 1), c.pixels);
        EXPECT_EQ(view.Pixels(c.units, 0), c.pixels);
        EXPECT_NEAR(view.mm01(c.pixels, 1), c.units, 2) << "the inverse, to a pixel's rounding";
    }
    CWView view;
    view.m_nDpiX = 96;
    view.m_nDpiY = 192;
    EXPECT_EQ(view.Pixels(254, 1), 96) << "horizontal";
    EXPECT_EQ(view.Pixels(254, 0), 192) << "vertical";
    EXPECT_EQ(view.mm01(96, 1), 254);
}

TEST(ViewUnits, ZoomViewDCMapsTenthsOfAMillimetre)
{
    CWView view;
    view.m_fZoom = 0.5f;   // 200 %
    DibCanvas canvas(100, 100);
    view.ZoomViewDC(&canvas.dc);
    CPoint p(254, 254);
    canvas.dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(192, 192));
    EXPECT_EQ(canvas.dc.GetTextAlign(), (UINT)(TA_BASELINE | TA_UPDATECP));
    EXPECT_EQ(canvas.dc.GetBkMode(), TRANSPARENT);
}

TEST(ViewUnits, TheScreenInformationContextIsMappedLikeAViewAtFullSize)
{
    CDC* ic = GetMemIC();
    ASSERT_NE(ic->m_hDC, (HDC)NULL);
    EXPECT_EQ(ic, GetMemIC()) << "made once";
    EXPECT_EQ(ic->GetMapMode(), MM_ANISOTROPIC);
    EXPECT_EQ(ic->GetWindowExt(), CSize(1000, 1000));
}

class ViewOrigins : public EditingFixture
{
protected:
    void SetUp() override
    {
        EditingFixture::SetUp();
        doc.CreateFrames();
        view.m_pDoc = &doc;
    }
    CWView view;
};

TEST_F(ViewOrigins, RowsOfTheFirstAndSecondColumnDrawAtTheirColumns)
{
    Type(0, "a\rb\rc\rd\re\rf\rg\rh");
    tagColumnData data[kMostTextColumns] = {{800, 60}, {800, 0}};
    flow->SetColumns(0, flow->m_chars.count - 3, 2, data, 0);
    long second = -1;
    for (long r = 0; r + 1 < flow->m_rows.count; ++r)
        if (flow->GetRowCol(r) == 1)
        {
            second = r;
            break;
        }
    ASSERT_GT(second, 0) << "the text reaches the second column";
    const CRect area = flow->GetAreaByPage(0, 1, 0);
    const LONG before = ParaStyleOf(*flow, 0).m_Before.value;
    DibCanvas canvas(10, 10);

    const struct
    {
        long page, row;
        CPoint origin;
    } cases[] = {
        {0, 0, CPoint(-(30 + area.left), -(30 + area.top + before))},
        {0, 1, CPoint(-(30 + area.left), -(30 + area.top + before + flow->m_rows[1].y - flow->m_rows[0].y))},
        {0, second, CPoint(-(30 + area.left + 860), -(30 + area.top + before))},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE("page " + std::to_string(c.page) + " row " + std::to_string(c.row));
        view.OfsViewDC(&canvas.dc, kBodyFlow, c.page, c.row);
        EXPECT_EQ(canvas.dc.GetWindowOrg(), c.origin);
    }
    view.m_yPos = 100;
    view.OfsViewDC(&canvas.dc, -1, 2, 0);
    EXPECT_EQ(canvas.dc.GetWindowOrg(), CPoint(-30, -(2 * (30 + view.m_nPageHeight) - 100 + 30)))
        << "the page alone, less the scroll position";
}

TEST_F(ViewOrigins, TheTextStartsAtTheFirstLineIndentOnAParagraphsFirstRow)
{
    Type(0, "one\rtwo");
    GParaStyle& style = const_cast<GParaStyle&>(ParaStyleOf(*flow, 0));
    const GParaStyle saved = style;
    style.m_FirstLine.value = 70;
    style.m_Left.value = 30;
    int indent = -1;
    EXPECT_EQ(view.GetTextAlign(NULL, kBodyFlow, 0, indent), 0);
    EXPECT_EQ(indent, 70);
    style = saved;
}

} // namespace
