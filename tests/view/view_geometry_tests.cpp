// The view's geometry on a view in a hidden window: gaps and the centred
// pages at a zoom, fitting the zoom to the window, pages in view space, the
// scroll sizes with the scroll bar's limit and their scaling, the caret's
// rectangle, caret moves over list labels, and Delete with smart cut.
#include "tests/view/view_window.h"
#include "view/GHitTest.h"
#include "layout/text_measure.h"
#include "model/GParaStyle.h"
#include <cmath>

namespace {

long RoundHalfUp(double v)
{
    return (long)std::floor(v + 0.5);
}

class ViewGeometry : public ViewWindowFixture
{
};

TEST_F(ViewGeometry, GapsScaleWithTheZoomAndWidePagesAreCentred)
{
    MakeView();
    const struct
    {
        int percent;
        long gap;
    } cases[] = {{50, 15}, {100, 30}, {200, 60}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.percent);
        SetZoom(4, c.percent);
        EXPECT_EQ(view->m_nZoomPercent, c.percent);
        EXPECT_EQ(view->m_nPageGap, c.gap);
        // The client width in units at this zoom: 10000 / 378 units a pixel at 100 %.
        const long units = RoundHalfUp(view->ClientRect().Width() * (100.0 / c.percent) * 1000 / 378);
        if (units >= view->m_nPageWidth)
            EXPECT_EQ(view->m_nLeftGap, (units - view->m_nPageWidth) / 2);
        else
            EXPECT_EQ(view->m_nLeftGap, 30);
    }
    SetZoom(4, 50);
    EXPECT_GT(view->m_nLeftGap, 30) << "at 50 % an 800-pixel window is wider than the page";
    SetZoom(4, 200);
    EXPECT_EQ(view->m_nLeftGap, 30) << "at 200 % the page is wider than the window";
}

TEST_F(ViewGeometry, ZoomPageFitsEachModeAndKeepsTheFloor)
{
    MakeView();
    // Each fit takes the client area as it is when the fit starts (scroll
    // bars come and go with the zoom).
    auto widthUnits = [&] { return view->ClientRect().Width() * 254.0 / view->m_nDpiX; };
    auto heightUnits = [&] { return view->ClientRect().Height() * 254.0 / view->m_nDpiY; };
    long byWidth = RoundHalfUp((widthUnits() - 60) / (2100 / 100));
    SetZoom(0, 100);
    EXPECT_EQ(view->m_nZoomPercent, byWidth) << "page width";
    byWidth = RoundHalfUp((widthUnits() - 60) / (2100 / 100));
    const long byHeight = RoundHalfUp((heightUnits() - 60) / ((view->m_nPageGap + 2970) / 100));
    SetZoom(1, 100);
    EXPECT_EQ(view->m_nZoomPercent, std::min(byWidth, byHeight)) << "whole page: the smaller fit";
    SetZoom(4, 100);
    const long gap = view->m_nPageGap;
    const GPageInfo& setup = doc->m_pageInfos[0];
    const long text = setup.textRight - setup.textLeft + 100;
    const long byText = RoundHalfUp((widthUnits() - 2 * gap) / (text / 100));
    SetZoom(3, 100);
    EXPECT_EQ(view->m_nZoomPercent, byText) << "margins width";
    SetZoom(2, 137);
    EXPECT_EQ(view->m_nZoomPercent, 137) << "mode 2 keeps the percent";
    SetZoom(4, 5);
    EXPECT_EQ(view->m_nZoomPercent, 15) << "never below 15 %";
    EXPECT_FLOAT_EQ(view->m_fZoom, 100.0f / 15);
}

TEST_F(ViewGeometry, AFitWithNothingToDivideByKeepsTheCurrentPercent)
{
    MakeView();
    SetZoom(4, 120);
    view->m_nPageWidth = 99;   // page width / 100 is 0
    SetZoom(0, 120);
    EXPECT_EQ(view->m_nZoomPercent, 120);
    SetZoom(1, 120);
    EXPECT_EQ(view->m_nZoomPercent, 120);
    view->m_nPageWidth = 2100;
    view->m_nPageHeight = 40;
    view->m_nPageGap = 30;   // (gap + height) / 100 is 0
    SetZoom(1, 120);
    EXPECT_EQ(view->m_nZoomPercent, 120);
    view->m_nPageHeight = 2970;
    GPageInfo& setup = doc->m_pageInfos[0];
    setup.textRight = setup.textLeft - 300;   // text right of its left edge: a negative width
    SetZoom(3, 120);
    EXPECT_EQ(view->m_nZoomPercent, 120);
}

TEST_F(ViewGeometry, PagesInViewSpace)
{
    MakePages(3);
    MakeView();
    SetZoom(4, 100);
    EXPECT_EQ(view->m_nPages, 3);
    const struct
    {
        long y, page;
    } pages[] = {{0, 0}, {29, 0}, {3029, 0}, {3030, 1}, {6029, 1}, {6030, 2}, {9029, 2}};
    for (const auto& c : pages)
        EXPECT_EQ(view->CalcYToPage(c.y), c.page) << c.y;
    long w = 0, h = 0;
    view->GetClientSizeMM(w, h);
    ASSERT_LT(h, 3000);
    view->m_yPos = 0;
    EXPECT_TRUE(view->IsPageVisible(0));
    EXPECT_FALSE(view->IsPageVisible(1));
    view->m_yPos = 3030 - h / 2;   // the client area spans the gap between pages 0 and 1
    EXPECT_TRUE(view->IsPageVisible(0));
    EXPECT_TRUE(view->IsPageVisible(1));
    EXPECT_FALSE(view->IsPageVisible(2));
    EXPECT_FALSE(view->IsPageVisible(3)) << "no such page";
    view->m_yPos = 0;
    // The first row of each page stands at the same place on its page.
    const long row0 = body->GetPageRow(0), row1 = body->GetPageRow(1);
    const long y0 = body->m_columns[body->GetPageColumn(0)].position;
    const long y1 = body->m_columns[body->GetPageColumn(1)].position;
    EXPECT_EQ(view->DocToPageY(0, 1, y1, 1) - view->DocToPageY(0, 0, y0, 0), 3000);
    EXPECT_EQ(view->DocToPageY(0, 0, y0, 0), 30 + doc->m_pageInfos[0].textTop
                                                 + body->m_pFirstFrame->GetAreaByMargin(0, 1).top);
    EXPECT_EQ(body->m_rows[row0].y, y0);
    EXPECT_EQ(body->m_rows[row1].y, y1);
}

TEST_F(ViewGeometry, ScrollHeightsStayUnderTheBarsLimitAndScale)
{
    MakePages(3);
    MakeView();
    SetZoom(4, 100);
    view->UpdateScroller(0);
    EXPECT_EQ(view->m_totalDev.cy, RoundHalfUp(9030 * 378.0 / 1000));
    EXPECT_EQ(view->GetMaxScroll(), view->GetScrollLimit(SB_VERT));
    long v = 500;
    view->ScaleScroll(v);
    EXPECT_EQ(v, 500) << "a short document is not scaled";

    // 200 A4 pages are far over 32767 pixels.
    TearDown();
    SetUp();
    MakePages(200);
    ASSERT_EQ(body->m_pages.count - 1, 200);
    MakeView();
    SetZoom(4, 100);
    view->m_nPages = 200;
    view->UpdateScroller(0);
    const long page = view->m_pageDev.cy;
    EXPECT_LE(view->m_totalDev.cy, 32767);
    EXPECT_EQ(view->m_totalDev.cy, view->Pixels(view->mm01(32767 - page, 0), 0) + page);
    const long total = view->GetTotalDocSize();
    const long max = view->GetMaxScroll();
    EXPECT_GT(total, 200 * 1100);
    EXPECT_NEAR(max, 32767 - page, 1);
    long bottom = max;
    view->ScaleScroll(bottom);
    EXPECT_NEAR(bottom, total, 1) << "the bar's end is the document's end";
    long back = total;
    view->InvScroll(back);
    EXPECT_EQ(back, max);
    long zero = 0;
    view->ScaleScroll(zero);
    EXPECT_EQ(zero, 0);
    long middle = max / 2;
    view->ScaleScroll(middle);
    view->InvScroll(middle);
    EXPECT_NEAR(middle, max / 2, 1);
}

TEST_F(ViewGeometry, ADocumentThatFitsTheWindowHasNothingToScale)
{
    MakeView();
    SetZoom(4, 15);
    ASSERT_EQ(view->GetMaxScroll(), 0);
    long v = 100;
    view->ScaleScroll(v);
    EXPECT_EQ(v, 100);
    view->InvScroll(v);
    EXPECT_EQ(v, 100);
    view->OnScroll(MAKEWORD(0xFF, SB_BOTTOM), 0);
    EXPECT_EQ(view->m_yPos, 0);
}

// ---------------------------------------------------------------------------
// Caret

TEST_F(ViewGeometry, CaretIsHalfAMillimetreInInsertModeAndACharacterWideInOverwrite)
{
    Type(body, 0, "Wide text");
    MakeView();
    SetZoom(4, 100);
    long xi = 0, yi = 0, xo = 0, yo = 0;
    CSize insert, overwrite;
    view->m_bInsert = TRUE;
    view->CalcCaretRect(1, xi, yi, &insert);
    view->m_bInsert = FALSE;
    view->CalcCaretRect(1, xo, yo, &overwrite);
    EXPECT_EQ(insert.cx, 5);
    EXPECT_EQ(xi, xo - 2) << "the insert caret straddles the gap";
    int ascent = 0;
    const CSize i = body->CalcTextSizeSimple(1, 2, 1, ascent, GetMemIC());
    EXPECT_EQ(overwrite.cx, i.cx) << "as wide as the 'i' under it";
    EXPECT_GT(insert.cy, 0);
    EXPECT_EQ(yi, yo);
    const GPageInfo& setup = doc->m_pageInfos[0];
    long x0 = 0, y0 = 0;
    view->CalcCaretRect(0, x0, y0, &overwrite);
    EXPECT_EQ(x0, setup.textLeft) << "the first character starts at the left margin";
    EXPECT_GE(y0, 30 + setup.textTop);
    EXPECT_LT(y0, 30 + setup.textTop + 100);
}

TEST_F(ViewGeometry, MovingOntoAListLabelSkipsIt)
{
    Type(body, 0, "one\rtwo\rthree");
    body->SetPos(4);
    body->Select(4, 7);
    ASSERT_EQ(body->ApplyListStyle(6, 1, NULL, 0, 1), 1);
    body->UnSelect();
    ASSERT_NE(body->GetListField(4), nullptr);
    MakeView();
    body->SetPos(5);
    view->MoveCaret(4);
    EXPECT_EQ(body->m_nCaret, 3) << "left onto the label goes on to the previous paragraph's end";
    view->MoveCaret(4);
    EXPECT_EQ(body->m_nCaret, 5) << "right onto the label goes past it";
    view->MoveCaret(-10);
    EXPECT_EQ(body->m_nCaret, 0);
    view->MoveCaret(100000);
    EXPECT_EQ(body->m_nCaret, body->m_chars.count - 3) << "clamped to the last paragraph mark";
}

TEST_F(ViewGeometry, DeleteWithSmartCutLeavesOneBlankBetweenTheNeighbours)
{
    const struct
    {
        BOOL smart;
        const char* left;
    } cases[] = {{TRUE, "x y"}, {FALSE, "x    y"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.smart);
        TearDown();
        SetUp();
        Type(body, 0, "x  word  y");
        MakeView();
        Options.SmartCutPaste = c.smart;
        body->SetPos(3);
        body->Select(3, 7);
        view->Delete();
        std::string text((const char*)body->m_chars.GetData(), body->m_chars.count - 3);
        EXPECT_EQ(text, c.left);
        EXPECT_EQ(body->m_nSelFirst, body->m_nSelEnd);
    }
}

TEST_F(ViewGeometry, DeleteAtTheEndKeepsTheClosingParagraphMark)
{
    Type(body, 0, "ab");
    MakeView();
    body->SetPos(2);
    const long count = body->m_chars.count;
    view->Delete();
    EXPECT_EQ(body->m_chars.count, count);
    body->SetPos(1);
    view->Delete();
    EXPECT_EQ(body->m_chars.count, count - 1);
    EXPECT_EQ(body->m_chars[0], 'a');
}

} // namespace

namespace {

TEST_F(ViewGeometry, ThePlaceOfACharacterIsWhereItsRowDraws)
{
    tagColumnData data[kMostTextColumns] = {{800, 60}, {800, 0}};
    MakePages(2);
    Type(body, body->m_chars.count - 3, "\ra\rb\rc\rd\re\rf");
    {
        CChangeBracket bracket(doc);
        body->SetColumns(body->GetParaChar(2), body->m_chars.count - 3, 2, data, 0);
    }
    MakeView();
    SetZoom(4, 100);
    view->m_yPos = 100;
    long second = -1;
    for (long r = 0; r + 1 < body->m_rows.count; ++r)
        if (body->GetRowCol(r) == 1)
            second = r;
    ASSERT_GE(second, 0) << "a row in the second column";
    const long pos = body->GetRowChar(second);
    const long page = body->GetCharPage(pos);
    ASSERT_EQ(page, 1);
    CClientDC dc(view);
    view->OnPrepareDC(&dc);
    view->OfsViewDC(&dc, 0, page, second);
    const CPoint origin = dc.GetWindowOrg();
    const long before = ParaStyleOf(*body, body->GetRowPara(body->GetPageRow(page))).m_Before.value;
    CSize offset;
    view->CalcOfsView(body, (int)pos, offset, 0);
    EXPECT_EQ(offset.cx, origin.x) << "the row's column";
    EXPECT_EQ(offset.cy, origin.y + before) << "the row's place, without the space before the page's text";
    CSize withText;
    view->CalcOfsView(body, (int)pos + 1, withText, 1);
    int ascent = 0;
    const long width = body->CalcTextSizeForView(pos, pos + 1, 1, ascent, &dc).cx;
    EXPECT_EQ(withText.cx, offset.cx - width);
    EXPECT_EQ(withText.cy, offset.cy - view->m_yPos) << "with the text the scroll position stays out";
    view->CalcOfsView(body, (int)pos, withText, 1);
    EXPECT_EQ(withText.cx, offset.cx + 20) << "a row's first place stands 20 left of it";
}

} // namespace

namespace {

TEST_F(ViewGeometry, InvalidatingTellsTheBracketAndAHintlessUpdatePaintsNothing)
{
    MakePages(2);
    MakeView(kClientWidth, kClientHeight, true);   // a hidden window keeps no update region
    PumpMessages();
    doc->ViewNotify(0);
    view->InvalidateView();
    EXPECT_TRUE(doc->m_bViewsInvalidated) << "inside a bracket";
    doc->ViewNotify(1);
    EXPECT_FALSE(doc->m_bViewsInvalidated) << "the closing bracket took it";
    doc->m_bViewsInvalidated = TRUE;
    view->InvalidateView();
    EXPECT_FALSE(doc->m_bViewsInvalidated) << "outside a bracket";
    EXPECT_EQ(view->m_nPages, 2);

    view->ValidateRect(NULL);
    view->OnUpdate(NULL, 0, NULL);
    EXPECT_FALSE(::GetUpdateRect(view->m_hWnd, NULL, FALSE)) << "no hint, no repaint";

    // A hint naming no flow repaints nothing but still the changed frame.
    GRedraw hint;
    hint.m_nIndex = doc->m_flows.GetCount();
    hint.m_pDoc = body;
    hint.m_nFirstRow = 0;
    hint.m_nEndRow = 2;
    body->m_rcFrameRepaint = CRect(100, 100, 300, 200);
    body->m_pRepaintFrame = body->m_pFirstFrame;
    view->OnUpdate(NULL, 0, &hint);
    CRect update;
    ASSERT_TRUE(::GetUpdateRect(view->m_hWnd, &update, FALSE));
    const CPoint corner = At(100, 100);
    EXPECT_NEAR(update.left, corner.x, 1);
    EXPECT_NEAR(update.top, corner.y, 1);
    EXPECT_LT(update.Width(), 100);
    body->m_pRepaintFrame = NULL;
}

} // namespace

namespace {

TEST_F(ViewGeometry, SwitchingPartsNeedsHeadersAndFootersSetUp)
{
    Type(body, 0, "Body");
    MakeView();
    GPageInfo& setup = doc->m_pageInfos[0];
    setup.pageValues[1] = 0;
    view->SetDocPart(2);
    EXPECT_EQ(view->CurPart(), 0) << "headers and footers are not set up";
    setup.pageValues[1] = 1;
    view->SetDocPart(2);
    EXPECT_EQ(view->CurPart(), 2);
    EXPECT_EQ(view->DocM(-1), doc->GetFlow(2));
    EXPECT_EQ(view->DocM(-2), doc->GetFlow(2));
    EXPECT_TRUE(view->m_bHFBarShown);
    view->SetDocPart(2);
    EXPECT_EQ(view->CurPart(), 2) << "the current part again changes nothing";
    view->SetDocPart(0);
    EXPECT_EQ(view->CurPart(), 0);
    EXPECT_EQ(view->DocC(), body);
}

} // namespace
