// The growable array records are kept in, and the flow's characters kept
// with a gap: appending and inserting in the middle, the two patterns
// typing and pasting produce.
#include "bench/support/zt_benchmark.h"
#include "model/GArray.h"
#include "model/GText.h"
#include "model/flow_records.h"
#include <string>

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

// A text of n characters with the gap at its end, as a whole text put in
// leaves it.
static void FillText(GText& text, long n)
{
    const std::string all(n, 'a');
    text.InsertAt(0, (const GChar*)all.data(), n);
}

// Keystrokes typed one after another in the middle of the text, each with
// the row around the caret read as layout reads it, and every tenth taken
// back: the gap follows the caret, so the size of the text does not count.
static void BM_TypeInTheMiddleOfTheText(benchmark::State& state)
{
    GText text(0, 256);
    FillText(text, state.range(0));
    long caret = text.count / 2;
    long typed = 0;
    for (auto _ : state)
    {
        text.AddAt(GChar('k'), caret++);
        benchmark::DoNotOptimize(text.Span(caret - 40, 80));
        if (++typed % 10 == 0)
            text.Destroy(--caret, 1);
    }
}
BENCHMARK(BM_TypeInTheMiddleOfTheText)->Arg(1000)->Arg(3000000);

// What a reader of the whole text pays after a keystroke in the middle:
// the gap moves to the nearer end, half the text.
static void BM_WholeTextAfterAKeystrokeInTheMiddle(benchmark::State& state)
{
    GText text(0, 256);
    FillText(text, state.range(0));
    for (auto _ : state)
    {
        text.AddAt(GChar('k'), text.count / 2);
        text.Destroy(text.count / 2, 1);
        benchmark::DoNotOptimize(text.GetData());
    }
}
BENCHMARK(BM_WholeTextAfterAKeystrokeInTheMiddle)->Arg(1000)->Arg(3000000);
