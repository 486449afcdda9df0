// Rows, selection and borders drawn headless on a memory DC through a
// window-less view at 96 dpi: where the ink lands, compared in pixel
// columns with what the measuring functions give.
#include "tests/editing/editing_test_support.h"
#include "tests/support/dib_canvas.h"
#include "view/CWView.h"
#include "layout/text_measure.h"
#include "layout/row_drawing.h"
#include "layout/CFrame.h"
#include "model/GParaStyle.h"
#include "model/GPageInfo.h"
#include "app/CWOptions.h"

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
// Glyph edges and rounding between 0.1 mm and pixels.
const int kSlack = 3;

class RowDrawing : public EditingFixture
{
protected:
    void SetUp() override
    {
        EditingFixture::SetUp();
        doc.CreateFrames();
        view.m_pDoc = &doc;
        style = &const_cast<GParaStyle&>(ParaStyleOf(*flow, 0));
        saved = *style;
    }
    void TearDown() override
    {
        *style = saved;
        EditingFixture::TearDown();
    }
    void Zoom(int percent)
    {
        view.m_nZoomPercent = (short)percent;
        view.m_fZoom = 100.0f / percent;
    }
    void Align(unsigned char align)
    {
        style->m_Align = align;
        flow->ReRowByPos(0, flow->m_chars.count - 1, GDoc::kWholeParagraph);
    }
    // The device x of a row-relative x of row.
    int DeviceX(DibCanvas& canvas, long row, long x)
    {
        view.OfsViewDC(&canvas.dc, kBodyFlow, 0, row);
        CPoint p((int)x, 0);
        canvas.dc.LPtoDP(&p);
        return p.x;
    }
    long Width(long from, long to)
    {
        int ascent = 0;
        return flow->CalcTextSizeSimple(from, to, 1, ascent).cx;
    }
    // Three paragraphs in one box of style-3 lines, 2 mm from the text.
    void BoxOverThreeParagraphs(COLORREF colour)
    {
        Type(0, "one\rtwo\rthree");
        GBorder box;
        box.first = 0;
        box.end = flow->m_chars.count - 2;
        box.distance = 20;
        box.sides = kBorderBox;
        for (CBorderStyle* s : {&box.top, &box.bottom, &box.left, &box.right})
        {
            s->lineStyle = 3;
            s->colour = colour;
        }
        flow->InsBorderItem(box, 0);
    }
    // A paragraph of several rows at the start, justified.
    void TypeJustifiedParagraph()
    {
        std::string text;
        for (int i = 0; i < 40; ++i)
            text += "word HH ";
        Type(0, text.c_str());
        Align(GParaStyle::kAlignJustify);
    }
    DibCanvas& Canvas()
    {
        canvas.reset(new DibCanvas(1700, 800, kPaper));
        view.ZoomViewDC(&canvas->dc);
        return *canvas;
    }
    CWView view;
    GParaStyle* style = NULL;
    GParaStyle saved;
    std::unique_ptr<DibCanvas> canvas;
};

TEST_F(RowDrawing, AlignedRowsPutTheirFirstAndLastInkWhereMeasuringSays)
{
    const struct
    {
        const char* what;
        unsigned char align;
    } aligns[] = {
        {"left", GParaStyle::kAlignLeft},
        {"centred", GParaStyle::kAlignCentre},
        {"right", GParaStyle::kAlignRight},
    };
    Type(0, "Wide HHH Wide");
    for (int percent : {100, 150})
        for (const auto& a : aligns)
        {
            SCOPED_TRACE(std::string(a.what) + " at " + std::to_string(percent) + "%");
            Zoom(percent);
            Align(a.align);
            DibCanvas& c = Canvas();
            SLastFrameParams cache;
            flow->DrawRow(&c.dc, &view, 0, 0, 0, &cache);
            const CRect ink = c.Ink(kPaper);
            ASSERT_FALSE(ink.IsRectEmpty());

            const long text = Width(0, 13);
            const long column = flow->GetRowColumnWidth(0) - style->m_Right.value;
            const long start = a.align == GParaStyle::kAlignLeft ? style->m_FirstLine.value
                             : a.align == GParaStyle::kAlignRight ? column - text
                                                                  : (style->m_FirstLine.value + column - text) / 2;
            EXPECT_NEAR(ink.left, DeviceX(c, 0, start), kSlack);
            EXPECT_NEAR(ink.right, DeviceX(c, 0, start + text), kSlack);
        }
}

TEST_F(RowDrawing, TextAfterATabStartsAtTheTab)
{
    Type(0, "a\tHH");
    Align(GParaStyle::kAlignLeft);
    ASSERT_EQ(flow->m_tabs.count, 1);
    DibCanvas& c = Canvas();
    SLastFrameParams cache;
    flow->DrawRow(&c.dc, &view, 0, 0, 0, &cache);
    const long tabEnd = flow->m_tabs[0].x + labs((long)flow->m_tabs[0].width);
    const int from = DeviceX(c, 0, tabEnd);
    int count = 0;
    const CRect after = CRect(from - kSlack, 0, c.Width(), c.Height());
    const CRect before = CRect(DeviceX(c, 0, Width(0, 1)) + kSlack, 0, from - kSlack, c.Height());
    EXPECT_GT(c.Count(after, [](COLORREF p) { return p != kPaper; }), 0) << "the text after the tab";
    EXPECT_EQ(c.Count(before, [](COLORREF p) { return p != kPaper; }), 0) << "nothing between";
    (void)count;
}

TEST_F(RowDrawing, FormFeedAndParagraphEndDrawNothing)
{
    Type(0, "HH\r");
    DibCanvas& c = Canvas();
    SLastFrameParams cache;
    flow->DrawRow(&c.dc, &view, 0, 0, 0, &cache);
    const CRect ink = c.Ink(kPaper);
    EXPECT_NEAR(ink.right, DeviceX(c, 0, style->m_FirstLine.value + Width(0, 2)), kSlack);
}

class RowDrawingMem : public RowDrawing
{
protected:
    // Draws row 0 of a left-aligned row directly and through the bitmap;
    // want is DrawRow's ink, text the ink of the text drawn through the
    // bitmap, band the bitmap's place.
    void DrawBoth()
    {
        Type(0, "Wide HHH Wide");
        Align(GParaStyle::kAlignLeft);
        DibCanvas& direct = Canvas();
        SLastFrameParams cache;
        flow->DrawRow(&direct.dc, &view, 0, 0, 0, &cache);
        want = direct.Ink(kPaper);

        const COLORREF savedPage = Options.Colors[CWOptions::kColorPage];
        Options.Colors[CWOptions::kColorPage] = kPage;
        DibCanvas through(1700, 800, kOutside);
        view.ZoomViewDC(&through.dc);
        flow->DrawRowMem(&through.dc, &view, 0, 0, 0);
        Options.Colors[CWOptions::kColorPage] = savedPage;
        band = through.Ink(kOutside);
        pagePixels = through.Count(band, kPage);
        text = CRect(through.Width(), 0, 0, 0);
        for (int y = band.top; y < band.bottom; ++y)
            for (int x = band.left; x < band.right; ++x)
            {
                const COLORREF p = through.Pixel(x, y);
                if (p != kPage && p != kOutside)
                {
                    text.left = std::min<LONG>(text.left, x);
                    text.right = std::max<LONG>(text.right, x + 1);
                }
            }
    }
    const COLORREF kPage = RGB(250, 250, 200);
    const COLORREF kOutside = RGB(0, 0, 255);
    CRect want, band, text;
    int pagePixels = 0;
};

TEST_F(RowDrawingMem, DrawRowMemFillsItsBandAndStartsTheTextWhereDrawRowDoes)
{
    DrawBoth();
    EXPECT_EQ(bDrawMem, 0);
    ASSERT_FALSE(band.IsRectEmpty());
    EXPECT_GT(pagePixels, band.Width() * band.Height() / 2) << "the band in the page colour";
    EXPECT_NEAR(text.left, want.left, 1);
}

TEST_F(RowDrawingMem, DrawRowMemEndsTheTextWhereDrawRowDoes)
{
    DrawBoth();
    EXPECT_NEAR(text.right, want.right, kSlack);
}

TEST_F(RowDrawing, SelectionInvertsExactlyItsStretches)
{
    Type(0, "abc def\rghi\rjkl");
    DibCanvas& c = Canvas();
    const std::vector<DWORD> before = c.Snapshot();
    auto changed = [&]() {
        const std::vector<DWORD> now = c.Snapshot();
        CRect box(c.Width(), c.Height(), 0, 0);
        int n = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x)
                if (now[y * c.Width() + x] != before[y * c.Width() + x])
                {
                    ++n;
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return std::make_pair(n ? box : CRect(), n);
    };

    // Equal ends: nothing.
    flow->DrawSelection(&c.dc, &view, 0, 3, 2, 2, 0, 0);
    EXPECT_EQ(changed().second, 0);

    // Inside one row: from the text before the stretch to its end.
    flow->DrawSelection(&c.dc, &view, 0, 3, 1, 3, 0, 0);
    auto one = changed();
    const int x0 = DeviceX(c, 0, style->m_FirstLine.value + Width(0, 1));
    const int x1 = DeviceX(c, 0, style->m_FirstLine.value + Width(0, 3));
    EXPECT_NEAR(one.first.left, x0, 1);
    EXPECT_NEAR(one.first.right, x1, 1);
    EXPECT_EQ(one.second, one.first.Width() * one.first.Height()) << "one solid rectangle";
    flow->DrawSelection(&c.dc, &view, 0, 3, 1, 3, 0, 0);   // inverting again restores
    EXPECT_EQ(changed().second, 0);

    // Over three rows: one region from the first row's top to the last row's bottom.
    flow->DrawSelection(&c.dc, &view, 0, 3, 2, 14, 0, 0);
    auto three = changed();
    view.OfsViewDC(&c.dc, kBodyFlow, 0, 0);
    CPoint top(0, 0), bottom(0, (int)flow->m_rows[3].y - (int)flow->m_rows[0].y);
    c.dc.LPtoDP(&top);
    c.dc.LPtoDP(&bottom);
    EXPECT_NEAR(three.first.top, top.y, 1);
    EXPECT_NEAR(three.first.bottom, bottom.y, 1);
    flow->DrawSelection(&c.dc, &view, 0, 3, 2, 14, 0, 0);

    // A paragraph end alone shows 20 units wide.
    flow->DrawSelection(&c.dc, &view, 0, 3, 7, 8, 0, 0);
    auto end = changed();
    EXPECT_NEAR(end.first.Width(), view.Pixels(20, 1), 1);
}

TEST_F(RowDrawing, ABoxOverThreeParagraphsDrawsTopFirstBottomLastSidesEverywhere)
{
    BoxOverThreeParagraphs(RGB(200, 0, 0));
    const COLORREF red = RGB(200, 0, 0);
    auto reds = [&](DibCanvas& c) { return c.Count(c.Whole(), red); };
    auto inkOf = [&](long row) {
        DibCanvas& c = Canvas();
        flow->DrawBorders(&c.dc, &view, row, 0, 0);
        return std::make_pair(c.Ink(kPaper), reds(c));
    };
    const auto first = inkOf(0), middle = inkOf(1), last = inkOf(2);
    ASSERT_GT(first.second, 0);
    ASSERT_GT(middle.second, 0);
    ASSERT_GT(last.second, 0);
    // The middle row has only its side bands; the first a top line above
    // them, the last a bottom line below.
    EXPECT_LT(first.first.top, middle.first.top - 2);
    EXPECT_GT(last.first.bottom, middle.first.bottom + 2);
    EXPECT_EQ(middle.first.left, first.first.left);
    EXPECT_EQ(middle.first.right, first.first.right);
    EXPECT_GT(first.second, middle.second);
    EXPECT_GT(last.second, middle.second);
}

} // namespace

namespace {

TEST_F(RowDrawing, ShadingKeepsThreeUnitsAndTheLineOutsideALeftBorderUnlessTheMarginIsSmaller)
{
    Type(0, "one\rtwo");
    GBorder left;
    left.first = 0;
    left.end = 4;
    left.distance = 20;
    left.sides = kBorderLeft;
    left.left.lineStyle = 3;   // 10 wide
    flow->InsBorderItem(left, 0);
    GShade shade;
    shade.first = 0;
    shade.end = 4;
    shade.style.percent = 100;
    flow->m_shades.Add(shade);
    DibCanvas& c = Canvas();
    const struct
    {
        LONG margin;
        LONG wantLeft;
    } cases[] = {{254, -(3 + 10)}, {8, -8}, {13, -13}};
    for (const auto& k : cases)
    {
        SCOPED_TRACE(k.margin);
        doc.m_pageInfos[0].textLeft = k.margin;
        CRect band, rect;
        long index = -2;
        flow->DrawShade(&c.dc, &view, 0, 0, 0, band, rect, index);
        EXPECT_EQ(index, 0);
        EXPECT_EQ(rect.left, k.wantLeft);
        EXPECT_EQ(rect.right, flow->GetRowColumnWidth(0)) << "no right line";
    }
    CRect band, rect;
    long index = -2;
    flow->DrawShade(&c.dc, &view, 1, 0, 0, band, rect, index);
    EXPECT_EQ(index, -1) << "the second paragraph has no shading";
}

} // namespace

namespace {

TEST_F(RowDrawing, InTheMiddleOfThreeColumnsSideLinesIgnoreTheMarginLimits)
{
    Type(0, "a\rb\rc\rd\re\rf\rg\rh\ri");
    tagColumnData data[kMostTextColumns] = {{500, 60}, {500, 60}, {500, 0}};
    flow->SetColumns(0, flow->m_chars.count - 3, 3, data, 0);
    // A margin narrower than the border's distance: no room for a left
    // line in the first column.
    doc.m_pageInfos[0].textLeft = 10;
    auto leftLineInk = [&](long col) {
        long row = -1;
        for (long r = 0; r + 1 < flow->m_rows.count && row < 0; ++r)
            if (flow->GetRowCol(r) == col)
                row = r;
        EXPECT_GE(row, 0);
        const long first = flow->m_rows[row].first;
        while (flow->m_borders.count)
            flow->DelBorderItem(0);
        GBorder run;
        run.first = first;
        run.end = first + 2;   // "x\r"
        run.distance = 20;
        run.sides = kBorderLeft;
        run.left.lineStyle = 3;
        run.left.colour = RGB(200, 0, 0);
        flow->InsBorderItem(run, 0);
        DibCanvas& c = Canvas();
        flow->DrawBorders(&c.dc, &view, row, 0, 0);
        return c.Count(c.Whole(), RGB(200, 0, 0));
    };
    EXPECT_EQ(leftLineInk(0), 0) << "first column: the margin leaves no room";
    EXPECT_GT(leftLineInk(1), 0) << "middle column: no margin limit";
}

} // namespace

namespace {

TEST_F(RowDrawing, AJustifiedRowReachesFromItsIndentToTheColumnsRightEdge)
{
    TypeJustifiedParagraph();
    ASSERT_GT(flow->m_rows.count, 3) << "the paragraph takes several rows";
    for (int percent : {100, 150})
    {
        SCOPED_TRACE(percent);
        Zoom(percent);
        DibCanvas& c = Canvas();
        SLastFrameParams cache;
        flow->DrawRow(&c.dc, &view, 0, 0, 0, &cache);
        const CRect ink = c.Ink(kPaper);
        const long column = flow->GetRowColumnWidth(0) - style->m_Right.value;
        // The text ends at the edge, or before the trailing blank that may
        // hang at it.
        const long next = flow->m_rows[1].first;
        ASSERT_EQ(flow->m_chars[next - 1], ' ');
        EXPECT_NEAR(ink.left, DeviceX(c, 0, style->m_FirstLine.value), kSlack);
        EXPECT_GE(ink.right, DeviceX(c, 0, column - Width(next - 1, next)) - kSlack);
        EXPECT_LE(ink.right, DeviceX(c, 0, column) + kSlack);
    }
}

} // namespace

namespace {

TEST_F(RowDrawing, DrawBordersMemDrawsTheRowsLinesInTheRectItIsGiven)
{
    BoxOverThreeParagraphs(RGB(200, 0, 0));
    // 254 units are 96 pixels at 100 %: a rect moved by them moves the
    // lines by exactly that many pixels.
    const long kStep = 254;
    const int kStepPixels = 96;
    for (long row = 0; row < 3; ++row)
    {
        SCOPED_TRACE(row);
        DibCanvas& direct = Canvas();
        flow->DrawBorders(&direct.dc, &view, row, 0, 0);
        const CRect want = direct.Ink(kPaper);
        ASSERT_FALSE(want.IsRectEmpty());

        const CRect rect(kStep, kStep, kStep + flow->GetRowColumnWidth(row), kStep + flow->m_rows[row].height);
        CRect at[2];
        for (int moved = 0; moved < 2; ++moved)
        {
            DibCanvas& c = Canvas();
            view.OfsViewDC(&c.dc, -1, 0, 0);
            CRect r = rect;
            r.OffsetRect(moved * kStep, moved * kStep);
            flow->DrawBordersMem(&c.dc, &view, row, 0, 0, r);
            at[moved] = c.Ink(kPaper);
        }
        EXPECT_EQ(at[0].Width(), want.Width()) << "the same lines as drawn straight";
        EXPECT_NEAR(at[0].Height(), want.Height(), 1) << "rounding at another pixel row";
        CRect back = at[1];
        back.OffsetRect(-kStepPixels, -kStepPixels);
        EXPECT_EQ(RectText(back), RectText(at[0]));
    }
}

TEST_F(RowDrawing, ClearLastColumnRowExtendsOnlyTheLastRowOfAColumnOnTheScreen)
{
    Type(0, "a\rb\rc\rd\re\rf\rg\rh\ri");
    tagColumnData data[kMostTextColumns] = {{500, 60}, {500, 60}, {500, 0}};
    flow->SetColumns(0, flow->m_chars.count - 3, 3, data, 0);
    long last = -1;
    for (long r = 0; r + 1 < flow->m_rows.count && last < 0; ++r)
        if (flow->GetRowCol(r + 1) == 1)
            last = r;
    ASSERT_GT(last, 0) << "the first column has several rows";
    const long area = flow->GetRowColumn(last);
    ASSERT_EQ(flow->GetRowColumn(last + 1), area);
    const COLORREF kPage = RGB(250, 250, 200);
    const COLORREF savedPage = Options.Colors[CWOptions::kColorPage];
    Options.Colors[CWOptions::kColorPage] = kPage;
    auto clear = [&](long row, bool screen, CRect& band) {
        view.m_bPageMode = screen;
        DibCanvas& c = Canvas();
        view.OfsViewDC(&c.dc, kBodyFlow, 0, row);
        band = CRect(0, 0, flow->GetRowColumnWidth(row), flow->m_rows[row].height);
        flow->ClearLastColumnRow(&c.dc, &view, band, flow->m_pFirstFrame, area, flow->GetRowCol(row), row, 0);
        return c.Ink(kPaper);
    };
    CRect band;
    EXPECT_TRUE(clear(last - 1, true, band).IsRectEmpty()) << "not the column's last row";
    EXPECT_EQ(band.bottom, flow->m_rows[last - 1].height);
    EXPECT_TRUE(clear(last, false, band).IsRectEmpty()) << "printing";
    EXPECT_EQ(band.bottom, flow->m_rows[last].height);

    // The next column goes on in the same area: the band reaches the
    // area's end, nothing is cleared beside it.
    const CRect ink = clear(last, true, band);
    view.m_bPageMode = 1;
    Options.Colors[CWOptions::kColorPage] = savedPage;
    EXPECT_TRUE(ink.IsRectEmpty());
    const long colTop = flow->m_rows[flow->m_columns[area].startRows[0] >= 0 ? flow->m_columns[area].startRows[0] : 0].y;
    const long areaEnd = area + 1 < flow->m_columns.count ? flow->m_columns[area + 1].position
                                                          : flow->m_columns[area].position;
    EXPECT_EQ(band.bottom, areaEnd - flow->m_columns[area].position - (flow->m_rows[last].y - colTop));
}

// Three columns over the first two paragraphs only: the text stops in a
// column before the last, and the next row starts another column area.
// On the screen the stopping column's last row reaches down to the end of
// its area, and the room of the empty columns to its right, from the
// column's top to that end, is filled in the page colour.
TEST_F(RowDrawing, ClearLastColumnRowFillsTheEmptyColumnsWhenTheNextRowIsInAnotherArea)
{
    Type(0, "a\rb\rc\rd");
    tagColumnData data[kMostTextColumns] = {{500, 60}, {500, 80}, {500, 0}};
    flow->SetColumns(0, flow->GetParaChar(2) - 1, 3, data, 0);
    long last = -1;
    for (long r = 0; r + 2 < flow->m_rows.count && last < 0; ++r)
        if (flow->GetRowColumn(r + 1) != flow->GetRowColumn(r))
            last = r;
    ASSERT_GE(last, 0) << "the rows after the columns start another area";
    const long area = flow->GetRowColumn(last);
    const long col = flow->GetRowCol(last);
    const GColumn& block = flow->m_columns[area];
    ASSERT_EQ(block.count, 3);
    ASSERT_LT(col, 2) << "the text stops before the last column";

    const COLORREF kPage = RGB(250, 250, 200);
    const COLORREF savedPage = Options.Colors[CWOptions::kColorPage];
    Options.Colors[CWOptions::kColorPage] = kPage;
    DibCanvas& c = Canvas();
    view.OfsViewDC(&c.dc, kBodyFlow, 0, last);
    CRect band(0, 0, flow->GetRowColumnWidth(last), flow->m_rows[last].height);
    flow->ClearLastColumnRow(&c.dc, &view, band, flow->m_pFirstFrame, area, col, last, 0);
    Options.Colors[CWOptions::kColorPage] = savedPage;

    // In the row's coordinates: the column's top is above the row by the
    // rows before it in the column; the area ends where the next begins.
    const long colRow = block.startRows[col] >= 0 ? block.startRows[col] : last;
    const long above = flow->m_rows[last].y - flow->m_rows[colRow].y;
    const long areaEnd = flow->m_columns[area + 1].position - block.position - above;
    EXPECT_EQ(band.bottom, areaEnd);
    const GPageInfo& info = *doc.GetCurPageInfo();
    long right = band.right + block.cols[col].gap / 2;
    for (long k = col + 1; k < 3; ++k)
        right += block.cols[k].width + block.cols[k].gap;
    right += std::min<long>(flow->m_pFirstFrame->hTextDistance, info.paperWidth - info.textRight);
    CRect want(band.right + block.cols[col].gap / 2, -above, right, areaEnd);
    c.dc.LPtoDP(&want);
    int filled = 0;
    const CRect got = c.Ink(kPaper, &filled);
    EXPECT_GT(filled, 1000);
    EXPECT_EQ(filled, c.Count(got, kPage)) << "one fill in the page colour";
    EXPECT_NEAR(got.left, want.left, 1);
    EXPECT_NEAR(got.right, want.right, 1);
    EXPECT_NEAR(got.top, want.top, 1);
    EXPECT_NEAR(got.bottom, want.bottom, 1);
}

// A frame across the whole column at the body's first row: the row under
// it holds no text and draws none, the text goes on below the frame.
TEST_F(RowDrawing, ARowWhollyCoveredByAFrameDrawsNoText)
{
    Type(0, "HHHH HHHH HHHH");
    const GPageInfo& info = *doc.GetCurPageInfo();
    const long top = flow->m_pFirstFrame->GetAreaByPage(0, 1).top;
    CFrame* box = new CFrame(&doc, flow, NULL, info.textLeft, top, info.GetTextWidth(), 200, 0, 0, kHFromPage,
                             kVPageTop, kSizeFixedHeight, kSizeFixedWidth, 0, 0, 1);
    flow->m_frames.Add(box);
    box->MakeArea(0);
    flow->ReRowByPos(0, flow->m_chars.count - 1, GDoc::kWholeParagraph);
    ASSERT_GE(flow->m_rows.GetCount(), 3) << "covered rows, a row of text, the closing row";
    ASSERT_EQ(flow->m_rows[1].first, flow->m_rows[0].first) << "the covered row holds no text";

    SLastFrameParams cache;
    DibCanvas& covered = Canvas();
    flow->DrawRow(&covered.dc, &view, 0, 0, 0, &cache);
    EXPECT_TRUE(covered.Ink(kPaper).IsRectEmpty());

    long row = 1;   // the first row that holds text
    while (row + 1 < flow->m_rows.GetCount() && flow->m_rows[row + 1].first == flow->m_rows[row].first)
        ++row;
    ASSERT_LT(row + 1, flow->m_rows.GetCount());
    EXPECT_GE(flow->m_rows[row].y, flow->m_rows[0].y + 200) << "below the frame";
    DibCanvas& text = Canvas();
    flow->DrawRow(&text.dc, &view, row, 0, 0, &cache);
    EXPECT_FALSE(text.Ink(kPaper).IsRectEmpty()) << "the text below the frame";
}

} // namespace

namespace {

// Rows with runs in several fonts and colours, a shaded paragraph, a boxed
// one and a selection over them, drawn straight and through the bitmap on
// canvases of the page colour, agree pixel for pixel at any zoom.
class RowsMemAgainstRows : public RowDrawing
{
protected:
    void SetUp() override
    {
        RowDrawing::SetUp();
        savedPage = Options.Colors[CWOptions::kColorPage];
        Options.Colors[CWOptions::kColorPage] = kPage;
        Align(GParaStyle::kAlignLeft);
        Type(0, "Plain words, bold words and big ones\rshaded here\rboxed in red\rthe end");
        flow->SetFontAttr(13, 23, GFontStyle::kBold, GFontStyle::kBold);
        flow->SetFontSize(28, 36, 60);
        const long shadedFrom = flow->GetParaChar(1), boxedFrom = flow->GetParaChar(2);
        GShade shade;
        shade.first = shadedFrom;
        shade.end = boxedFrom;
        shade.style.percent = 100;
        shade.style.back = shade.style.fore = kShading;
        flow->m_shades.Add(shade);
        GBorder box;
        box.first = boxedFrom;
        box.end = flow->GetParaChar(3);
        box.distance = 20;
        box.sides = kBorderBox;
        for (CBorderStyle* s : {&box.top, &box.bottom, &box.left, &box.right})
        {
            s->lineStyle = 3;
            s->colour = RGB(200, 0, 0);
        }
        flow->InsBorderItem(box, 0);
        // Laid out anew: the rows make room for the box's lines.
        flow->ReRowByPos(0, flow->m_chars.count - 1, GDoc::kWholeParagraph);
    }
    void TearDown() override
    {
        Options.Colors[CWOptions::kColorPage] = savedPage;
        RowDrawing::TearDown();
    }
    std::vector<DWORD> Paint(bool throughBitmap)
    {
        DibCanvas c(kWidth, kHeight, kPage);
        view.ZoomViewDC(&c.dc);
        const long rows = flow->m_rows.count - 1;
        if (throughBitmap)
            flow->DrawRowsMem(&c.dc, &view, 0, rows, 0, 0);
        else
            flow->DrawRows(&c.dc, &view, 0, rows, 0, 0);
        flow->DrawSelection(&c.dc, &view, 0, rows, 3, flow->GetParaChar(2) + 4, 0, 0);
        return c.Snapshot();
    }
    // Pixels of a unlike those of b, and where they lie.
    int Unlike(const std::vector<DWORD>& a, const std::vector<DWORD>& b, CRect& where)
    {
        int n = 0;
        where = CRect(kWidth, kHeight, 0, 0);
        for (int i = 0; i < kWidth * kHeight; ++i)
            if (a[i] != b[i])
            {
                ++n;
                where.UnionRect(&where, CRect(i % kWidth, i / kWidth, i % kWidth + 1, i / kWidth + 1));
            }
        return n;
    }
    static const int kWidth = 1200, kHeight = 500;
    const COLORREF kPage = RGB(250, 250, 200);
    const COLORREF kShading = RGB(200, 200, 255);
    COLORREF savedPage = 0;
};

TEST_F(RowsMemAgainstRows, TheBitmapPathPaintsWhatTheDirectPathPaints)
{
    flow->SetFontColor(0, 5, RGB(0, 90, 0));
    auto pixel = [](COLORREF c) { return (DWORD)((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c)); };
    for (int percent : {100, 150})
    {
        SCOPED_TRACE(percent);
        Zoom(percent);
        const std::vector<DWORD> direct = Paint(false), mem = Paint(true);
        CRect where;
        EXPECT_EQ(Unlike(mem, direct, where), 0) << "first difference in " << RectText(where);
        // Inverting turns the unused top byte on as well.
        auto count = [&](COLORREF c) {
            return std::count_if(direct.begin(), direct.end(), [&](DWORD p) { return (p & 0xFFFFFF) == pixel(c); });
        };
        for (COLORREF shown : {RGB(0, 90, 0), RGB(200, 0, 0), kShading, RGB(0, 0, 0)})
            EXPECT_GT(count(shown), 20) << std::hex << shown;
        EXPECT_GT(count(RGB(255, 255, 255) ^ kPage), 1000) << "the selection";
    }
}

TEST_F(RowsMemAgainstRows, JustifiedRowsAgreeAsWell)
{
    TypeJustifiedParagraph();
    ASSERT_GT(flow->m_rows.count, 6) << "the first paragraph takes several rows";
    for (int percent : {100, 150})
    {
        SCOPED_TRACE(percent);
        Zoom(percent);
        const std::vector<DWORD> direct = Paint(false), mem = Paint(true);
        CRect where;
        EXPECT_EQ(Unlike(mem, direct, where), 0) << "first difference in " << RectText(where);
    }
}

} // namespace
