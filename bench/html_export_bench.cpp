// Saving a long document as HTML: the seeded text of ../shared/bench/gen_text.py
// (big.txt, about 1,000 pages) in a document's body, written as a page,
// held against the floor of bench/layout_bench.cpp (every character of the
// text measured once). Prints the ratio; the aim is within 2x.
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include "html/html_services.h"
#include <stdio.h>

namespace
{
struct Figures
{
    double measure = 0, save = 0;
    long bytes = 0;
} figures;
} // namespace

// (c) The floor.
static void BM_MeasureEveryCharacter(benchmark::State& state)
{
    bench::RunMeasureFloor(state, figures.measure);
}
BENCHMARK(BM_MeasureEveryCharacter)->Iterations(1)->Unit(benchmark::kMillisecond);

// (b) The document saved as an HTML page.
static void BM_SaveHtmlPage(benchmark::State& state)
{
    bench::SeededDocument d(false);
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    CString path;
    path.Format("%szt_bench_%lu.htm", folder, GetCurrentProcessId());
    d.doc.SetPathName(path, FALSE);
    for (auto _ : state)
    {
        auto t0 = std::chrono::steady_clock::now();
        if (!HtmlExportFile(&d.doc))
        {
            state.SkipWithError("the page could not be written");
            return;
        }
        figures.save = bench::SecondsSince(t0);
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        figures.bytes = (long)data.nFileSizeLow;
    DeleteFileA(path);
    state.counters["bytes"] = (double)figures.bytes;
}
BENCHMARK(BM_SaveHtmlPage)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_Ratios(benchmark::State& state)
{
    const Figures f = figures;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.bytes);
    if (!(f.measure > 0) || !(f.save > 0))
        return;
    const double b = f.save / f.measure;
    printf("\n(c) measuring every character: %.1f ms\n", f.measure * 1e3);
    printf("(b) the document saved as HTML, %ld bytes: %.1f ms\n", f.bytes, f.save * 1e3);
    printf("(b)/(c) = %.2f\n\n", b);
    state.counters["b_over_c"] = b;
}
BENCHMARK(BM_Ratios)->Iterations(1);
