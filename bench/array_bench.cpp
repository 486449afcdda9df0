// The growable array under the flow's characters: appending and inserting
// in the middle, the two patterns typing and pasting produce.
#include "bench/support/zt_benchmark.h"
#include "model/GArray.h"
#include "model/flow_records.h"

static void BM_AppendCharacters(benchmark::State& state)
{
    for (auto _ : state)
    {
        GArray<GChar> chars(0, 256);
        GChar c('a');
        for (long i = 0; i < state.range(0); ++i)
            chars.Add(c);
        benchmark::DoNotOptimize(chars.count);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AppendCharacters)->Arg(1000)->Arg(100000);

static void BM_InsertInTheMiddle(benchmark::State& state)
{
    GArray<GChar> chars(0, 256);
    GChar c('a');
    for (long i = 0; i < state.range(0); ++i)
        chars.Add(c);
    for (auto _ : state)
    {
        chars.AddAt(c, chars.count / 2);
        chars.Destroy(chars.count / 2, 1);
    }
}
BENCHMARK(BM_InsertInTheMiddle)->Arg(1000)->Arg(1000000);
