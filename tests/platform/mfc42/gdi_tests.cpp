// Device contexts and GDI objects on memory DCs: no window, no display.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kBlue = RGB(0, 0, 220);
const COLORREF kGreen = RGB(0, 160, 0);

// A memory DC drawing into a 64x32 colour bitmap.
class GdiMemoryDC : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(bitmap.CreateBitmap(64, 32, 1, 32, nullptr));
        ASSERT_NE(dc.SelectObject(&bitmap), nullptr);
    }
    void TearDown() override
    {
        CGdiObject::DeleteTempMap();
        CDC::DeleteTempMap();
    }

    CBitmap bitmap;   // declared first: outlives dc, which holds it selected
    CDC dc;
};

TEST_F(GdiMemoryDC, FillSolidRectAndDraw3dRectPaintPixelsAndKeepTheBackgroundColour)
{
    dc.SetBkColor(RGB(1, 2, 3));
    dc.FillSolidRect(CRect(0, 0, 64, 32), kWhite);
    dc.FillSolidRect(10, 5, 20, 10, kRed);            // covers x 10..29, y 5..14
    dc.Draw3dRect(CRect(40, 2, 50, 12), kBlue, kGreen);
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));

    struct { int x, y; COLORREF expected; } cases[] = {
        { 10, 5, kRed }, { 29, 14, kRed }, { 30, 14, kWhite }, { 29, 15, kWhite }, { 9, 5, kWhite },
        { 40, 2, kBlue }, { 48, 2, kBlue }, { 40, 10, kBlue },      // top and left edges
        { 49, 2, kGreen }, { 49, 11, kGreen }, { 40, 11, kGreen },  // right and bottom edges
        { 45, 7, kWhite }, { 50, 7, kWhite },                       // inside and outside
    };
    for (const auto& c : cases)
        EXPECT_EQ(dc.GetPixel(c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(GdiMemoryDC, SelectObjectAnswersThePreviousObjectsWrapper)
{
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Arial", &dc));

    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    CFont* oldFont = dc.SelectObject(&font);
    ASSERT_NE(oldPen, nullptr);
    ASSERT_NE(oldBrush, nullptr);
    ASSERT_NE(oldFont, nullptr);
    EXPECT_EQ(oldPen->m_hObject, ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(oldBrush->m_hObject, ::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(oldFont->m_hObject, ::GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(oldPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_TRUE(oldBrush->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_TRUE(oldFont->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(dc.GetCurrentPen(), &pen);

    // Putting the old objects back answers our own, permanent wrappers.
    EXPECT_EQ(dc.SelectObject(oldPen), &pen);
    EXPECT_EQ(dc.SelectObject(oldBrush), &brush);
    EXPECT_EQ(dc.SelectObject(oldFont), &font);

    EXPECT_EQ(dc.SelectStockObject(NULL_BRUSH)->m_hObject, ::GetStockObject(WHITE_BRUSH));
    CRgn clip;
    clip.CreateRectRgn(0, 0, 8, 8);
    EXPECT_EQ(dc.SelectObject(&clip), SIMPLEREGION);
    EXPECT_TRUE(dc.PtVisible(7, 7));
    EXPECT_FALSE(dc.PtVisible(8, 8));
}

TEST_F(GdiMemoryDC, AnisotropicMappingConvertsPointsRectsAndSizesBothWays)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(250, -500);
    dc.SetWindowOrg(100, 0);
    dc.SetViewportOrg(10, 20);

    struct { POINT logical, device; } cases[] = {
        { { 100, 0 }, { 10, 20 } },
        { { 500, 200 }, { 110, -80 } },
        { { -300, -40 }, { -90, 40 } },
    };
    for (const auto& c : cases)
    {
        CPoint p = c.logical;
        dc.LPtoDP(&p);
        EXPECT_EQ(p, CPoint(c.device));
        dc.DPtoLP(&p);
        EXPECT_EQ(p, CPoint(c.logical));
    }

    CRect r(100, 0, 500, 200);
    dc.LPtoDP(r);
    EXPECT_EQ(r, CRect(10, 20, 110, -80));
    dc.DPtoLP(r);
    EXPECT_EQ(r, CRect(100, 0, 500, 200));

    // Sizes scale but keep their sign although the y axis points up.
    CSize s(400, 200);
    dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(100, 100));
    dc.DPtoLP(&s);
    EXPECT_EQ(s, CSize(400, 200));

    EXPECT_EQ(dc.ScaleViewportExt(2, 1, 1, 2), CSize(250, -500));
    EXPECT_EQ(dc.GetViewportExt(), CSize(500, -250));
    EXPECT_EQ(dc.OffsetWindowOrg(5, 5), CPoint(100, 0));
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(105, 5));
}

TEST_F(GdiMemoryDC, LoMetricMappingFlipsYAndRoundTripsDevicePoints)
{
    EXPECT_EQ(dc.SetMapMode(MM_LOMETRIC), MM_TEXT);
    CPoint down(0, -1000);   // 10 cm below the origin
    dc.LPtoDP(&down);
    EXPECT_GT(down.y, 0);

    for (POINT device : { POINT{ 0, 0 }, POINT{ 37, 11 }, POINT{ -50, 400 } })
    {
        CPoint p = device;
        dc.DPtoLP(&p);
        dc.LPtoDP(&p);
        EXPECT_NEAR(p.x, device.x, 1);
        EXPECT_NEAR(p.y, device.y, 1);
    }
    CRect r(0, 0, 40, 30);
    dc.DPtoLP(r);
    EXPECT_GT(r.Width(), 0);
    EXPECT_LT(r.Height(), 0);
    dc.LPtoDP(r);
    EXPECT_NEAR(r.right, 40, 1);
    EXPECT_NEAR(r.bottom, 30, 1);

    // 100 LOMETRIC units are 10 mm, 1000 HIMETRIC units, within a pixel.
    CSize onePixel(1, 1);
    dc.DPtoHIMETRIC(&onePixel);
    CSize tenMm(100, 100);
    dc.LPtoHIMETRIC(&tenMm);
    EXPECT_NEAR(tenMm.cx, 1000, onePixel.cx);
    EXPECT_NEAR(tenMm.cy, 1000, onePixel.cy);
    dc.HIMETRICtoLP(&tenMm);
    EXPECT_NEAR(tenMm.cx, 100, 1 + onePixel.cx / 10);
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);

    // In pixel mode a HIMETRIC inch is the device's logical inch.
    dc.SetMapMode(MM_TEXT);
    CSize inch(2540, 2540);
    dc.HIMETRICtoDP(&inch);
    EXPECT_EQ(inch, CSize(dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY)));
}

TEST_F(GdiMemoryDC, TextExtentIsTheSumOfCharacterWidths)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, "Arial"));
    CFont* old = dc.SelectObject(&font);

    CSize abc = dc.GetTextExtent("ABC", 3);
    CSize a = dc.GetTextExtent("A", 1);
    EXPECT_GT(abc.cx, a.cx);
    int widths[3] = {};
    ASSERT_TRUE(dc.GetCharWidth32('A', 'C', widths));
    EXPECT_EQ(abc.cx, widths[0] + widths[1] + widths[2]);
    EXPECT_EQ(a.cx, widths[0]);

    TEXTMETRIC tm = {};
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(abc.cy, tm.tmHeight);
    EXPECT_EQ(dc.GetTextExtent(CString("ABC")), abc);
    EXPECT_EQ(dc.GetOutputTextExtent("ABC", 3), abc);
    CString face;
    EXPECT_GT(dc.GetTextFace(face), 0);
    EXPECT_FALSE(face.IsEmpty());

    dc.SelectObject(old);
}

TEST(GdiDC, MeasuresOnTheAttributeDCAndSetsBoth)
{
    // An output DC with a separate attribute DC, as in a print preview.
    CDC output, attrib;
    ASSERT_TRUE(output.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(attrib.CreateCompatibleDC(nullptr));
    CDC dc;
    dc.Attach(output.m_hDC);
    dc.SetAttribDC(attrib.m_hDC);

    CFont big;
    ASSERT_TRUE(big.CreateFont(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    HGDIOBJ oldFont = ::SelectObject(attrib.m_hDC, big);
    EXPECT_GT(dc.GetTextExtent("W", 1).cy, dc.GetOutputTextExtent("W", 1).cy);
    ::SelectObject(attrib.m_hDC, oldFont);

    dc.SetTextColor(kRed);
    dc.SetMapMode(MM_TWIPS);
    EXPECT_EQ(::GetTextColor(output.m_hDC), kRed);
    EXPECT_EQ(::GetTextColor(attrib.m_hDC), kRed);
    EXPECT_EQ(::GetMapMode(output.m_hDC), MM_TWIPS);

    int saved = dc.SaveDC();
    EXPECT_EQ(saved, -1);
    dc.SetTextColor(kBlue);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(::GetTextColor(output.m_hDC), kRed);
    EXPECT_EQ(::GetTextColor(attrib.m_hDC), kRed);

    // dc borrowed output's handle; give it back before both go away.
    dc.ReleaseAttribDC();
    EXPECT_EQ(dc.Detach(), output.m_hDC);
}

TEST_F(GdiMemoryDC, RestoreDCBringsBackMapModeAndTextColour)
{
    dc.SetTextColor(kRed);
    int outer = dc.SaveDC();
    ASSERT_GT(outer, 0);
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetTextColor(kBlue);
    int inner = dc.SaveDC();
    dc.SetMapMode(MM_HIENGLISH);
    dc.SetTextColor(kGreen);

    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    EXPECT_EQ(dc.GetTextColor(), kBlue);
    EXPECT_TRUE(dc.RestoreDC(outer));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetTextColor(), kRed);
    EXPECT_FALSE(dc.RestoreDC(inner));   // went with the outer restore
}

TEST(GdiFont, LogFontReportsWhatWasAsked)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-17, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                FIXED_PITCH | FF_MODERN, "Courier New"));
    LOGFONT lf = {};
    EXPECT_EQ(font.GetLogFont(&lf), (int)sizeof(LOGFONT));
    EXPECT_EQ(lf.lfHeight, -17);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_STREQ(lf.lfFaceName, "Courier New");

    // Point sizes become character heights in the DC's logical units.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CFont twelve;
    ASSERT_TRUE(twelve.CreatePointFont(120, "Times New Roman", &dc));
    twelve.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -MulDiv(dc.GetDeviceCaps(LOGPIXELSY), 12, 72));
    EXPECT_STREQ(lf.lfFaceName, "Times New Roman");

    dc.SetMapMode(MM_TWIPS);   // 20 twips a point, whatever the device
    CFont twips;
    ASSERT_TRUE(twips.CreatePointFont(120, "Arial", &dc));
    twips.GetLogFont(&lf);
    EXPECT_NEAR(lf.lfHeight, -240, 15);
}

TEST(GdiRgn, CombineModesGiveTypeBoxAndMembership)
{
    CRgn a, b;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 5, 15, 15)));
    struct
    {
        int mode, type;
        RECT box;
        POINT in, out;
    } cases[] = {
        { RGN_AND, SIMPLEREGION, { 5, 5, 10, 10 }, { 7, 7 }, { 2, 2 } },
        { RGN_OR, COMPLEXREGION, { 0, 0, 15, 15 }, { 12, 12 }, { 12, 2 } },
        { RGN_XOR, COMPLEXREGION, { 0, 0, 15, 15 }, { 2, 2 }, { 7, 7 } },
        { RGN_DIFF, COMPLEXREGION, { 0, 0, 10, 10 }, { 2, 2 }, { 7, 7 } },
        { RGN_COPY, SIMPLEREGION, { 0, 0, 10, 10 }, { 7, 7 }, { 12, 12 } },
    };
    for (const auto& c : cases)
    {
        CRgn result;
        ASSERT_TRUE(result.CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(result.CombineRgn(&a, &b, c.mode), c.type) << c.mode;
        CRect box;
        EXPECT_EQ(result.GetRgnBox(box), c.type);
        EXPECT_EQ(box, CRect(c.box)) << c.mode;
        EXPECT_TRUE(result.PtInRegion(c.in)) << c.mode;
        EXPECT_FALSE(result.PtInRegion(c.out)) << c.mode;
    }

    CRgn copy;
    copy.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(copy.CopyRgn(&b), SIMPLEREGION);
    EXPECT_TRUE(copy.EqualRgn(&b));
    EXPECT_EQ(copy.OffsetRgn(-5, -5), SIMPLEREGION);
    EXPECT_TRUE(copy.EqualRgn(&a));
    EXPECT_TRUE(copy.RectInRegion(CRect(8, 8, 20, 20)));
    EXPECT_FALSE(copy.RectInRegion(CRect(10, 10, 20, 20)));
    copy.SetRectRgn(CRect(1, 2, 3, 4));
    CRect box;
    copy.GetRgnBox(box);
    EXPECT_EQ(box, CRect(1, 2, 3, 4));

    CRgn round, ellipse;
    ASSERT_TRUE(round.CreateRoundRectRgn(0, 0, 20, 20, 10, 10));
    ASSERT_TRUE(ellipse.CreateEllipticRgn(0, 0, 20, 20));
    EXPECT_FALSE(ellipse.PtInRegion(1, 1));
    EXPECT_TRUE(round.PtInRegion(10, 1));
    POINT triangle[] = { { 0, 0 }, { 20, 0 }, { 0, 20 } };
    CRgn poly;
    ASSERT_TRUE(poly.CreatePolygonRgn(triangle, 3, ALTERNATE));
    EXPECT_TRUE(poly.PtInRegion(3, 3));
    EXPECT_FALSE(poly.PtInRegion(15, 15));
}

TEST(GdiBitmap, MonochromeBitmapKeepsSizeAndBits)
{
    // 17 pixels a row: rows are padded to a whole number of 16-bit words.
    BYTE bits[4 * 9] = {};
    for (int row = 0; row < 9; ++row)
        bits[row * 4] = (BYTE)(0x80 >> (row % 8));
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(17, 9, 1, 1, bits));
    BITMAP bm = {};
    ASSERT_TRUE(mono.GetBitmap(&bm));
    EXPECT_EQ(bm.bmWidth, 17);
    EXPECT_EQ(bm.bmHeight, 9);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmPlanes, 1);
    EXPECT_EQ(bm.bmWidthBytes, 4);

    BYTE back[sizeof(bits)] = {};
    EXPECT_EQ(mono.GetBitmapBits(sizeof(back), back), sizeof(back));
    EXPECT_EQ(memcmp(back, bits, sizeof(bits)), 0);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap* old = dc.SelectObject(&mono);
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);    // set bit: foreground
    EXPECT_EQ(dc.GetPixel(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(1, 1), kWhite);
    dc.SelectObject(old);

    BITMAP spec = { 0, 8, 2, 2, 1, 1, bits };
    CBitmap indirect;
    ASSERT_TRUE(indirect.CreateBitmapIndirect(&spec));
    indirect.GetBitmap(&bm);
    EXPECT_EQ(bm.bmWidth, 8);
    EXPECT_EQ(bm.bmHeight, 2);
}

TEST(GdiObject, FromHandleKeepsOneTemporaryWrapperPerHandle)
{
    HPEN hPen = ::CreatePen(PS_DASH, 1, kRed);
    CGdiObject* first = CGdiObject::FromHandle(hPen);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CPen::FromHandle(hPen), first);
    EXPECT_TRUE(first->IsKindOf(RUNTIME_CLASS(CPen)));
    LOGPEN lp = {};
    EXPECT_TRUE(CPen::FromHandle(hPen)->GetLogPen(&lp));
    EXPECT_EQ(lp.lopnStyle, (UINT)PS_DASH);
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
    EXPECT_EQ(CPen::FromHandle(nullptr)->GetSafeHandle(), nullptr);

    // A permanent owner takes precedence while attached.
    CPen owner;
    owner.Attach(hPen);
    EXPECT_EQ(CPen::FromHandle(hPen), &owner);
    EXPECT_EQ(owner.Detach(), hPen);
    EXPECT_EQ(CPen::FromHandle(hPen), first);

    // Freeing temporaries leaves their handles alone.
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hPen), (DWORD)OBJ_PEN);
    EXPECT_EQ(CGdiObject::FromHandle(hPen)->m_hObject, hPen);
    CGdiObject::DeleteTempMap();
    ::DeleteObject(hPen);

    HDC hDC = ::CreateCompatibleDC(nullptr);
    CDC* temp = CDC::FromHandle(hDC);
    EXPECT_EQ(CDC::FromHandle(hDC), temp);
    EXPECT_EQ(temp->m_hAttribDC, hDC);
    CDC::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hDC), (DWORD)OBJ_MEMDC);
    ::DeleteDC(hDC);
}

TEST(GdiObject, DeleteObjectAndDestructorFreeOwnedHandles)
{
    CBrush brush;
    EXPECT_FALSE(brush.DeleteObject());
    brush.Attach(::CreateSolidBrush(kGreen));
    HGDIOBJ h = brush.m_hObject;
    LOGBRUSH lb = {};
    EXPECT_TRUE(brush.GetLogBrush(&lb));
    EXPECT_EQ(lb.lbColor, kGreen);
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_EQ(brush.m_hObject, nullptr);
    EXPECT_EQ(::GetObjectType(h), 0u);

    HGDIOBJ penHandle;
    {
        CPen pen(PS_SOLID, 2, kBlue);
        penHandle = pen;
        EXPECT_EQ(::GetObjectType(penHandle), (DWORD)OBJ_PEN);
    }
    EXPECT_EQ(::GetObjectType(penHandle), 0u);

    CBrush hatch(HS_CROSS, kRed);
    hatch.GetLogBrush(&lb);
    EXPECT_EQ(lb.lbStyle, (UINT)BS_HATCHED);
    EXPECT_EQ(lb.lbHatch, (ULONG_PTR)HS_CROSS);
    HGDIOBJ kept = hatch.Detach();
    EXPECT_EQ(::GetObjectType(kept), (DWORD)OBJ_BRUSH);
    ::DeleteObject(kept);

    CPalette palette;
    struct { LOGPALETTE head; PALETTEENTRY more[3]; } pal = { { 0x300, 4, { { 1, 2, 3, 0 } } }, {} };
    ASSERT_TRUE(palette.CreatePalette(&pal.head));
    EXPECT_EQ(palette.GetEntryCount(), 4);
}

}  // namespace
