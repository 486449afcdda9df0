// Laying out a long document (the seeded text, about 1,000 pages): the
// whole body broken, placed, columned and paged from scratch; re-breaking
// after one character put at the start of a paragraph in the middle; and
// the floor both are held against: measuring every character of the body
// once on the same context. Prints the ratios and the peak memory.
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include <stdio.h>

namespace
{
struct Figures
{
    double measure = 0, layout = 0, edit = 0;
    long pages = 0;
    long peakKiB = 0;
} figures;
} // namespace

// (c) The floor.
static void BM_MeasureEveryCharacter(benchmark::State& state)
{
    bench::RunMeasureFloor(state, figures.measure);
}
BENCHMARK(BM_MeasureEveryCharacter)->Iterations(1)->Unit(benchmark::kMillisecond);

// (a) The whole body laid out.
static void BM_FullLayout(benchmark::State& state)
{
    for (auto _ : state)
    {
        bench::SeededDocument d(false);
        if (d.Empty())
        {
            state.SkipWithError("no seeded text");
            return;
        }
        auto t0 = std::chrono::steady_clock::now();
        d.LayOut();
        figures.layout = bench::SecondsSince(t0);
        figures.pages = d.body->m_pages.GetCount() - 1;
        figures.peakKiB = bench::PeakResidentKiB();
    }
    state.counters["pages"] = (double)figures.pages;
}
BENCHMARK(BM_FullLayout)->Iterations(1)->Unit(benchmark::kMillisecond);

// (b) One character put at the start of the middle paragraph and the rows
// re-broken after it; the character is taken out again between rounds.
static void BM_TypeAtParagraphStart(benchmark::State& state)
{
    bench::SeededDocument d(true);
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    GDoc& body = *d.body;
    const long pos = body.GetParaChar(d.paragraphs / 2);
    double total = 0;
    long rounds = 0;
    for (auto _ : state)
    {
        GChar c('x');
        auto t0 = std::chrono::steady_clock::now();
        body.m_chars.InsertAt(pos, &c, 1);
        body.InsCharItem(pos, 1);
        body.ReRowByPos(pos, pos + 1, GDoc::kUntilRowsStay);
        total += bench::SecondsSince(t0);
        ++rounds;
        state.PauseTiming();
        body.DelCharItem(pos, pos + 1);
        body.ReRowByPos(pos, pos + 1, GDoc::kUntilRowsStay);
        state.ResumeTiming();
    }
    figures.edit = total / rounds;
}
BENCHMARK(BM_TypeAtParagraphStart)->Iterations(50)->Unit(benchmark::kMicrosecond);

static void BM_Ratios(benchmark::State& state)
{
    const Figures f = figures;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.pages);
    if (!(f.measure > 0))
        return;
    const double a = f.layout / f.measure, b = f.edit / f.measure;
    printf("\n(c) measuring every character: %.1f ms\n", f.measure * 1e3);
    printf("(a) full layout of %ld pages: %.1f ms\n", f.pages, f.layout * 1e3);
    printf("(b) one character typed: %.3f ms\n", f.edit * 1e3);
    printf("(a)/(c) = %.2f\n", a);
    printf("(b)/(c) = %.5f\n", b);
    printf("peak resident size after the layout: %.1f MiB\n\n", f.peakKiB / 1024.0);
    state.counters["a_over_c"] = a;
    state.counters["b_over_c"] = b;
}
BENCHMARK(BM_Ratios)->Iterations(1);
