// Painting one full page of the seeded document (its first page) through
// the bitmap path, row by row with DrawRowsMem, against the floor: the same
// characters in the same fonts put on the same kind of bitmap with plain
// ExtTextOut, a run to a call; and the same rows drawn straight with
// DrawRows. Prints the times and their ratios to the floor (aim: 3).
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include "view/CWView.h"
#include "layout/text_measure.h"
#include "model/GFontStyle.h"
#include <functional>
#include <stdio.h>

namespace
{
struct Figures
{
    double rows = 0, direct = 0, floor = 0;
    long count = 0;
} figures;

// A page-sized memory bitmap at 96 dpi, mapped like the view at 100 %.
struct PageBitmap
{
    explicit PageBitmap(CWView& view)
    {
        dc.CreateCompatibleDC(NULL);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = view.Pixels(view.m_nPageWidth + 2 * view.m_nLeftGap, 1);
        info.bmiHeader.biHeight = -view.Pixels(view.m_nPageHeight + 2 * view.m_nPageGap, 0);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = NULL;
        bitmap = ::CreateDIBSection(dc.m_hDC, &info, DIB_RGB_COLORS, &bits, NULL, 0);
        old = ::SelectObject(dc.m_hDC, bitmap);
        view.ZoomViewDC(&dc);
    }
    ~PageBitmap()
    {
        ::SelectObject(dc.m_hDC, old);
        ::DeleteObject(bitmap);
    }
    CDC dc;
    HBITMAP bitmap = NULL;
    HGDIOBJ old = NULL;
};

const int kRounds = 40;

// One drawing's time, with GDI's batch flushed.
double Seconds(const std::function<void()>& work)
{
    auto t0 = std::chrono::steady_clock::now();
    work();
    ::GdiFlush();
    return bench::SecondsSince(t0);
}
} // namespace

static void BM_DrawOnePage(benchmark::State& state)
{
    bench::SeededDocument d(true);
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    GDoc& body = *d.body;
    CWView view;
    view.m_pDoc = &d.doc;
    PageBitmap page(view);
    const long from = body.GetPageRow(0);
    const long to = body.m_pages.GetCount() > 2 ? body.GetPageRow(1) : body.m_rows.GetCount() - 1;
    figures.count = to - from;
    const auto drawMem = [&] { body.DrawRowsMem(&page.dc, &view, from, to, 0, 0); };
    const auto drawDirect = [&] { body.DrawRows(&page.dc, &view, from, to, 0, 0); };
    // The floor: every run of the page's rows in its font at its row.
    const auto drawFloor = [&] {
        view.OfsViewDC(&page.dc, -1, 0, 0);
        for (long row = from; row < to; ++row)
        {
            const long end = body.m_rows[row + 1].first;
            page.dc.MoveTo(0, (int)(body.m_rows[row].y + body.m_rows[row].ascent));
            for (long pos = body.m_rows[row].first; pos < end;)
            {
                long next = body.NextDifferentChar(pos);
                if (next <= pos || next > end)
                    next = end;
                const GFontStyle* style = body.GetCharFStylePtr(pos);
                CFont* old = page.dc.SelectObject(style->GetFont());
                page.dc.ExtTextOut(0, 0, 0, NULL, (LPCSTR)body.m_chars.Span(pos, next - pos), (UINT)(next - pos), NULL);
                page.dc.SelectObject(old);
                pos = next;
            }
        }
    };
    for (auto _ : state)
    {
        // The machine is shared: the three take turns, and each keeps its
        // best time, so a busy moment does not weigh on one of them alone.
        figures.rows = figures.direct = figures.floor = 1e9;
        for (int round = 0; round < kRounds; ++round)
        {
            figures.rows = std::min(figures.rows, Seconds(drawMem));
            figures.direct = std::min(figures.direct, Seconds(drawDirect));
            figures.floor = std::min(figures.floor, Seconds(drawFloor));
        }
    }
    state.counters["rows"] = (double)figures.count;
}
BENCHMARK(BM_DrawOnePage)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_Ratio(benchmark::State& state)
{
    const Figures f = figures;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.count);
    if (!(f.floor > 0))
        return;
    printf("\nDrawRowsMem, one page of %ld rows: %.2f ms\n", f.count, f.rows * 1e3);
    printf("DrawRows, the same rows straight on the bitmap: %.2f ms\n", f.direct * 1e3);
    printf("ExtTextOut of the same runs (the floor): %.2f ms\n", f.floor * 1e3);
    printf("ratio: %.2f (aim: within 3); DrawRows: %.2f\n\n", f.rows / f.floor, f.direct / f.floor);
    state.counters["ratio"] = f.rows / f.floor;
    state.counters["direct"] = f.direct / f.floor;
}
BENCHMARK(BM_Ratio)->Iterations(1);
