// Editing a long document (the seeded text, about 1,000 pages, laid out):
// keystrokes at the start, the middle and the end of the body, Enter
// splitting a paragraph in its middle, each with its undo, and undoing the
// deletion of 100 paragraphs. Every figure is printed beside the measuring
// floor of the same text.
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include "editing/document_editing.h"
#include "editing/CWUndoRedoStack.h"
#include "app/CWOptions.h"
#include <stdio.h>
#include <stdlib.h>

namespace
{
const long kKeystrokes = 200;
const long kDeletedParagraphs = 100;

// Rounds of typing at each place; ZT_TYPING_ROUNDS raises them so that a
// profile of the keystrokes is not drowned by opening the document.
int TypingRounds()
{
    const char* rounds = getenv("ZT_TYPING_ROUNDS");
    return rounds && atoi(rounds) > 0 ? atoi(rounds) : 3;
}

struct Figures
{
    double floor = 0;
    double keystroke[3] = {0, 0, 0};   // start, middle, end
    double undoKeystroke[3] = {0, 0, 0};
    // Keystrokes of a round that made or removed a row: each of these
    // places and breaks onto pages every row after it again.
    long rowsChanged[3] = {0, 0, 0};
    // The keystrokes that kept the number of rows, and those that made or
    // removed one, each on their own.
    double keptRows[3] = {0, 0, 0};
    double madeRow[3] = {0, 0, 0};
    double enter = 0, undoEnter = 0;
    double deletion = 0, undoDeletion = 0;
    long pages = 0;
} figures;

bench::SeededDocument& Document()
{
    static bench::SeededDocument* document = new bench::SeededDocument(true);
    return *document;
}

// Undo holds every keystroke of a round.
struct UndoStepsScope
{
    LONG saved = Options.UndoSteps;
    explicit UndoStepsScope(LONG steps) { Options.UndoSteps = steps; }
    ~UndoStepsScope() { Options.UndoSteps = saved; }
};

// Where a place of the body starts: 0 start, 1 the middle paragraph, 2
// the last paragraph's end.
long PlaceOf(GDoc& body, int place)
{
    if (place == 0)
        return 0;
    if (place == 1)
        return body.GetParaChar(body.m_paras.count / 2);
    return body.m_chars.count - 3;
}
} // namespace

// Keystrokes typed one by one at a place, then every one undone.
static void BM_TypeThenUndo(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    const int place = (int)state.range(0);
    UndoStepsScope steps(kKeystrokes);
    double typing = 0, undoing = 0, kept = 0, made = 0;
    long rounds = 0, keptCount = 0, madeCount = 0;
    for (auto _ : state)
    {
        const long pos = PlaceOf(*d.body, place);
        long rowsChanged = 0;
        auto t0 = std::chrono::steady_clock::now();
        for (long i = 0; i < kKeystrokes; ++i)
        {
            char key[2] = {(char)('a' + i % 26), 0};
            const long rowsBefore = d.body->m_rows.count;
            auto k0 = std::chrono::steady_clock::now();
            d.body->InsertText(pos + i, key, 1);
            if (d.body->m_rows.count != rowsBefore)
            {
                ++rowsChanged;
                made += bench::SecondsSince(k0);
                ++madeCount;
            }
            else
            {
                kept += bench::SecondsSince(k0);
                ++keptCount;
            }
        }
        typing += bench::SecondsSince(t0) / kKeystrokes;
        auto t1 = std::chrono::steady_clock::now();
        long undone = 0;
        while (undone < kKeystrokes && DocMakeUndo(&d.doc))
            ++undone;
        undoing += bench::SecondsSince(t1) / std::max(undone, 1L);
        ++rounds;
        figures.rowsChanged[place] = rowsChanged;
    }
    figures.keystroke[place] = typing / rounds;
    figures.keptRows[place] = kept / std::max(keptCount, 1L);
    figures.madeRow[place] = made / std::max(madeCount, 1L);
    figures.undoKeystroke[place] = undoing / rounds;
    state.counters["keystroke_us"] = figures.keystroke[place] * 1e6;
    state.counters["undo_us"] = figures.undoKeystroke[place] * 1e6;
}
BENCHMARK(BM_TypeThenUndo)->Arg(0)->Arg(1)->Arg(2)->Iterations(TypingRounds())->Unit(benchmark::kMillisecond);

// Enter in the middle of the middle paragraph, and its undo.
static void BM_EnterSplitsAParagraph(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    double enter = 0, undo = 0;
    long rounds = 0;
    for (auto _ : state)
    {
        const long paras = d.body->m_paras.count;
        const long para = paras / 2;
        const long pos = (d.body->GetParaChar(para) + d.body->GetParaChar(para + 1)) / 2;
        char key[2] = {(char)kParagraphEnd, 0};
        auto t0 = std::chrono::steady_clock::now();
        d.body->InsertText(pos, key, 1);
        enter += bench::SecondsSince(t0);
        // Enter records the paragraph end and then its empty text tail:
        // both steps are undone.
        auto t1 = std::chrono::steady_clock::now();
        for (int step = 0; step < 4 && d.body->m_paras.count > paras; ++step)
            DocMakeUndo(&d.doc);
        undo += bench::SecondsSince(t1);
        ++rounds;
    }
    figures.enter = enter / rounds;
    figures.undoEnter = undo / rounds;
}
BENCHMARK(BM_EnterSplitsAParagraph)->Iterations(20)->Unit(benchmark::kMicrosecond);

// 100 paragraphs from the middle deleted as one step, and put back by undo.
static void BM_UndoDeletionOf100Paragraphs(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    double deletion = 0, undo = 0;
    long rounds = 0;
    for (auto _ : state)
    {
        const long para = d.body->m_paras.count / 2;
        const long from = d.body->GetParaChar(para);
        const long to = d.body->GetParaChar(para + kDeletedParagraphs);
        auto t0 = std::chrono::steady_clock::now();
        d.body->DeleteText(from, to, 1);
        deletion += bench::SecondsSince(t0);
        auto t1 = std::chrono::steady_clock::now();
        DocMakeUndo(&d.doc);
        undo += bench::SecondsSince(t1);
        ++rounds;
    }
    figures.deletion = deletion / rounds;
    figures.undoDeletion = undo / rounds;
}
BENCHMARK(BM_UndoDeletionOf100Paragraphs)->Iterations(3)->Unit(benchmark::kMillisecond);

static void BM_Report(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    for (auto _ : state)
        benchmark::DoNotOptimize(d.paragraphs);
    if (d.Empty())
        return;
    const Figures& f = figures;
    const double floor = bench::MeasureFloorSeconds(*d.body);
    static const char* const places[3] = {"start", "middle", "end"};
    printf("\n%ld pages, %ld characters; measuring floor %.1f ms\n", (long)d.body->m_pages.count - 1,
           (long)d.body->m_chars.count, floor * 1e3);
    for (int p = 0; p < 3; ++p)
        printf("keystroke at the %-6s %.3f ms (%.5f of the floor), its undo %.3f ms; %ld of %ld made a row "
               "(%.3f ms each), the others %.3f ms\n",
               places[p], f.keystroke[p] * 1e3, f.keystroke[p] / floor, f.undoKeystroke[p] * 1e3, f.rowsChanged[p],
               kKeystrokes, f.madeRow[p] * 1e3, f.keptRows[p] * 1e3);
    printf("Enter splitting a paragraph %.3f ms (%.5f of the floor), its undo %.3f ms\n", f.enter * 1e3,
           f.enter / floor, f.undoEnter * 1e3);
    printf("deleting %ld paragraphs %.2f ms, its undo %.2f ms (%.3f of the floor)\n", kDeletedParagraphs,
           f.deletion * 1e3, f.undoDeletion * 1e3, f.undoDeletion / floor);
    printf("peak resident size %.1f MiB\n\n", bench::PeakResidentKiB() / 1024.0);
}
BENCHMARK(BM_Report)->Iterations(1);
