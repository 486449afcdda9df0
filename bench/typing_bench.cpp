// Typing on a long document: 1,000 characters typed one by one at the start
// of a long paragraph of a flow of about 1,000 pages, then every keystroke
// undone. Reports the mean time of one keystroke and of one undo.
#include "bench/support/zt_benchmark.h"
#include "afxwin.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "editing/CWUndoRedoStack.h"
#include "model/GDoc.h"
#include <chrono>
#include <string>

namespace
{
const long kKeystrokes = 1000;
const long kTargetPages = 1000;
const int kLongParagraphWords = 800;
const int kParagraphWords = 90;
const int kBatchParagraphs = 2000;
const long kMostParagraphs = 100000;   // in case layout makes no pages

// One document for every run: the body holds a long first paragraph and
// then ordinary paragraphs until the flow has about 1,000 pages.
struct LongDocument
{
    CWDocument doc;
    GDoc* flow = NULL;

    LongDocument()
    {
        doc.CreateFrames();
        flow = doc.m_flows[kBodyFlow];
        std::string words;
        for (int i = 0; i < kLongParagraphWords; ++i)
            words += "typing ";
        words += "\r";
        std::string paragraph;
        for (int i = 0; i < kParagraphWords; ++i)
            paragraph += i % 7 ? "word " : "longerword ";
        paragraph += "\r";
        BOOL undo = doc.m_bUndoEnabled;
        doc.m_bUndoEnabled = FALSE;
        flow->InsertText(0, &words[0], 1);
        // Paragraphs go in without re-breaking, a few thousand at a time,
        // and each batch is then broken once.
        std::string batch;
        for (int i = 0; i < kBatchParagraphs; ++i)
            batch += paragraph;
        while (flow->m_pages.count - 1 < kTargetPages && flow->m_paras.count < kMostParagraphs)
        {
            long firstRow = flow->m_rows.count - 2;
            std::string text = batch;
            flow->InsertText(flow->m_chars.count - 3, &text[0], 0);
            flow->ReRowByRow(firstRow, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kUntilRowsStay);
        }
        doc.m_bUndoEnabled = undo;
    }
};

LongDocument& Document()
{
    static LongDocument* document = new LongDocument;
    return *document;
}
}

static void BM_TypeThenUndo(benchmark::State& state)
{
    LongDocument& d = Document();
    LONG steps = UndoStepsSetting;
    UndoStepsSetting = kKeystrokes;
    double typing = 0, undoing = 0;
    for (auto _ : state)
    {
        typedef std::chrono::steady_clock Clock;
        auto start = Clock::now();
        for (long i = 0; i < kKeystrokes; ++i)
        {
            char key[2] = {(char)('a' + i % 26), 0};
            d.flow->InsertText(i, key, 1);
        }
        auto typed = Clock::now();
        long undone = 0;
        while (undone < kKeystrokes && DocMakeUndo(&d.doc))
            ++undone;
        auto end = Clock::now();
        typing += std::chrono::duration<double, std::micro>(typed - start).count() / kKeystrokes;
        undoing += std::chrono::duration<double, std::micro>(end - typed).count() / std::max(undone, 1L);
    }
    UndoStepsSetting = steps;
    state.counters["keystroke_us"] = benchmark::Counter(typing, benchmark::Counter::kAvgIterations);
    state.counters["undo_us"] = benchmark::Counter(undoing, benchmark::Counter::kAvgIterations);
    state.counters["pages"] = (double)(d.flow->m_pages.count - 1);
    state.counters["characters"] = (double)d.flow->m_chars.count;
}
BENCHMARK(BM_TypeThenUndo)->Iterations(3)->Unit(benchmark::kMillisecond);
