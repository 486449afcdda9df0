// Text effects: rendering leaves ink in the effect's colours, drawing puts
// it on a context, and the stored record reads back exactly.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "CFX.h"
#include <functional>
#include <vector>

namespace {

// How many pixels of the rendered bitmap have the colour.
int PixelsOf(const CFX& fx, COLORREF color)
{
    const BITMAPINFOHEADER& h = fx.GetBitmapHeader();
    int n = 0;
    for (LONG y = 0; y < h.biHeight; ++y)
    {
        const BYTE* row = fx.GetBits() + fx.GetRowBytes() * y;
        for (LONG x = 0; x < h.biWidth; ++x)
            if (RGB(row[4 * x + 2], row[4 * x + 1], row[4 * x]) == color)
                ++n;
    }
    return n;
}

CFX Effect(DWORD effects)
{
    CFX fx;
    fx.m_strText = "Wave";
    fx.m_nPointSize = 28;
    fx.m_crText = RGB(200, 0, 0);
    fx.m_crOutline = RGB(0, 0, 200);
    fx.m_crShadow = RGB(0, 160, 0);
    fx.m_crBack = RGB(255, 255, 255);
    fx.m_dwEffects = effects;
    fx.RetriveText(NULL);
    return fx;
}

std::vector<BYTE> Stored(CFX& fx)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        fx.Serialize(ar);
    }
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Reads bytes into fx; the archive exception's cause, or -1 when read.
int ReadInto(CFX& fx, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    try
    {
        fx.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

TEST(TextEffects, RenderTheTextWithItsOutlineAndShadow)
{
    CFX plain = Effect(0);
    const BITMAPINFOHEADER& h = plain.GetBitmapHeader();
    ASSERT_NE(plain.GetBits(), nullptr);
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biBitCount, 32);
    EXPECT_GT(h.biWidth, h.biHeight);
    EXPECT_GT(h.biHeight, 10);
    EXPECT_EQ(plain.GetRowBytes(), h.biWidth * 4);
    EXPECT_GT(PixelsOf(plain, RGB(200, 0, 0)), 50);
    EXPECT_EQ(PixelsOf(plain, RGB(0, 0, 200)), 0);
    EXPECT_EQ(PixelsOf(plain, RGB(0, 160, 0)), 0);

    CFX both = Effect(kFXOutline | kFXShadow);
    EXPECT_GT(PixelsOf(both, RGB(0, 0, 200)), 20);
    EXPECT_GT(PixelsOf(both, RGB(0, 160, 0)), 20);
    EXPECT_GT(both.GetBitmapHeader().biWidth, h.biWidth);

    CFX empty;
    empty.RetriveText(NULL);
    EXPECT_GT(empty.GetBitmapHeader().biWidth, 0);
    EXPECT_GT(empty.GetBitmapHeader().biHeight, 0);
}

TEST(TextEffects, DrawLeavesInkInTheRectangle)
{
    CFX fx = Effect(kFXShadow);
    HDC screen = GetDC(NULL);
    CDC dc;
    dc.Attach(CreateCompatibleDC(screen));
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 100);
    ReleaseDC(NULL, screen);
    HGDIOBJ old = SelectObject(dc.m_hDC, bitmap);
    RECT all = {0, 0, 300, 100};
    FillRect(dc.m_hDC, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    fx.Draw(&dc, CRect(10, 10, 210, 60));
    int ink = 0, outside = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
        {
            const bool red = GetPixel(dc.m_hDC, x, y) == RGB(200, 0, 0);
            const bool inside = x >= 10 && x < 210 && y >= 10 && y < 60;
            (inside ? ink : outside) += red;
        }
    EXPECT_GT(ink, 30);
    EXPECT_EQ(outside, 0);
    SelectObject(dc.m_hDC, old);
    DeleteObject(bitmap);
    DeleteDC(dc.Detach());
}

TEST(TextEffects, TheRecordReadsBackExactlyAndCopiesRenderAlike)
{
    CFX fx = Effect(kFXOutline);
    fx.m_strFace = "Times New Roman";
    fx.m_bStretch = 0;
    fx.m_bTransparent = 1;
    fx.RetriveText(NULL);
    CFX back;
    ASSERT_EQ(ReadInto(back, Stored(fx)), -1);
    EXPECT_TRUE(back == fx);
    EXPECT_EQ(Stored(back), Stored(fx));
    EXPECT_EQ(back.GetBitmapHeader().biWidth, fx.GetBitmapHeader().biWidth);

    CFX copy;
    copy = fx;
    EXPECT_TRUE(copy == fx);
    EXPECT_EQ(copy.GetBitmapHeader().biHeight, fx.GetBitmapHeader().biHeight);
    EXPECT_NE(copy.GetBits(), fx.GetBits());
    CFX constructed(fx);
    EXPECT_TRUE(constructed == fx);
}

TEST(TextEffects, DamagedRecordsThrowAndLeaveTheEffectAsItWas)
{
    CFX fx = Effect(kFXShadow);
    std::vector<BYTE> bytes = Stored(fx);
    CFX target;
    target.m_strText = "kept";

    std::vector<BYTE> future = bytes;
    future[0] = 2;
    EXPECT_EQ(ReadInto(target, future), CArchiveException::badSchema);
    std::vector<BYTE> cut(bytes.begin(), bytes.end() - 3);
    EXPECT_EQ(ReadInto(target, cut), CArchiveException::endOfFile);
    EXPECT_EQ(target.m_strText, CString("kept"));
}

}
