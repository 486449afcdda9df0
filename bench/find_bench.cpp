// Searching a long document (the seeded text, about 1,000 pages): counting
// a word with the Knuth-Morris-Pratt search, and finding every whole-word
// match one after another, forwards and backwards, as Find Next does.
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include "dialogs/CWFndRpl.h"

namespace
{
const long kMatches = 1000;

bench::SeededDocument& Document()
{
    static bench::SeededDocument* document = new bench::SeededDocument(false);
    return *document;
}
} // namespace

static void BM_CountString(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    char word[] = "the";
    long n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(n = d.body->CountStringInDoc(word));
    state.counters["matches"] = (double)n;
}
BENCHMARK(BM_CountString)->Iterations(5)->Unit(benchmark::kMillisecond);

// The first thousand whole-word matches of "the" one after another,
// ignoring case; 1 backwards from the end.
static void BM_FindEveryMatch(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    CWFndRpl request;
    request.SetText("the");
    request.wholeWord = 1;
    request.direction = state.range(0) ? CWFndRpl::kUp : CWFndRpl::kDown;
    long n = 0;
    for (auto _ : state)
    {
        n = 0;
        long from = state.range(0) ? d.body->m_chars.count - 3 : 0;
        while (n < kMatches)
        {
            long s = from, e = 0;
            d.body->Find(s, e, &request);
            if (s < 0)
                break;
            ++n;
            from = state.range(0) ? e - 1 : s + 1;
        }
    }
    state.counters["matches"] = (double)n;
}
BENCHMARK(BM_FindEveryMatch)->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kMillisecond);
