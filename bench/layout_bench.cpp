// Laying out a long document: the whole body of about 1,000 pages from
// scratch, re-breaking after one character typed at the start of a long
// paragraph, and the floor both are held against: measuring every
// character of the body once on the same context. Prints the ratios.
#include "bench/support/zt_benchmark.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "layout/text_measure.h"
#include "tests/support/unbroken_body.h"
#include <chrono>
#include <stdio.h>
#include <string>
#include <vector>

namespace
{
const int kParagraphs = 9300;       // about 9 a page: some 1,000 pages
const int kLongParagraph = kParagraphs / 2;

std::string ParagraphText(int i)
{
    static const char* const words[] = {"the", "layout", "of", "ordinary", "paragraphs", "with", "words",
                                        "that", "wrap", "across", "several", "rows", "and", "pages"};
    std::string s;
    const int count = i == kLongParagraph ? 400 : 60 + i % 40;
    for (int w = 0; w < count; ++w)
    {
        if (w)
            s += ' ';
        s += words[(i * 7 + w) % 14];
    }
    return s;
}

// Puts the paragraphs into the body, one row each, not yet broken.
void FillBody(GDoc& f)
{
    std::vector<std::string> texts;
    for (int i = 0; i < kParagraphs; ++i)
        texts.push_back(ParagraphText(i));
    PutParagraphsUnbroken(f, texts);
}

struct Figures
{
    double measure = 0, layout = 0, edit = 0;
    long pages = 0;
} figures;

double Seconds(std::chrono::steady_clock::time_point from)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}
} // namespace

// (c) Every character once, a row's worth of text to a call, in the
// body's font on the layout context.
static void BM_MeasureEveryCharacter(benchmark::State& state)
{
    CWDocument doc;
    doc.CreateFrames();
    GDoc& body = *doc.m_flows[kBodyFlow];
    FillBody(body);
    CDC* dc = GetCalcDC();
    CFont* old = dc->SelectObject(body.GetCharFont(0));
    const char* text = (const char*)body.m_chars.GetData();
    const long size = body.m_chars.GetCount() - 3;
    for (auto _ : state)
    {
        auto t0 = std::chrono::steady_clock::now();
        SIZE extent;
        long sum = 0;
        for (long pos = 0; pos < size; pos += 80)
        {
            const int n = (int)std::min(80L, size - pos);
            ::GetTextExtentPoint32A(dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC, text + pos, n, &extent);
            sum += extent.cx;
        }
        const double took = Seconds(t0);
        benchmark::DoNotOptimize(sum);
        figures.measure = took;
    }
    dc->SelectObject(old);
    state.counters["chars"] = (double)size;
}
BENCHMARK(BM_MeasureEveryCharacter)->Iterations(1)->Unit(benchmark::kMillisecond);

// (a) The whole body broken into rows, placed, columned and paged.
static void BM_FullLayout(benchmark::State& state)
{
    for (auto _ : state)
    {
        CWDocument doc;
        doc.CreateFrames();
        GDoc& body = *doc.m_flows[kBodyFlow];
        FillBody(body);
        auto t0 = std::chrono::steady_clock::now();
        body.ReRowByRow(0, kParagraphs, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        figures.layout = Seconds(t0);
        figures.pages = body.m_pages.GetCount() - 1;
    }
    state.counters["pages"] = (double)figures.pages;
}
BENCHMARK(BM_FullLayout)->Iterations(1)->Unit(benchmark::kMillisecond);

// (b) One character typed at the start of the long paragraph in the
// middle of the body, and re-breaking after it; the character is taken
// out again between rounds.
static void BM_TypeAtParagraphStart(benchmark::State& state)
{
    CWDocument doc;
    doc.CreateFrames();
    GDoc& body = *doc.m_flows[kBodyFlow];
    FillBody(body);
    body.ReRowByRow(0, kParagraphs, GDoc::kReRowLayout, GDoc::kWholeParagraph);
    const long pos = body.GetParaChar(kLongParagraph);
    double total = 0;
    long rounds = 0;
    for (auto _ : state)
    {
        GChar c('x');
        auto t0 = std::chrono::steady_clock::now();
        body.m_chars.InsertAt(pos, &c, 1);
        body.InsCharItem(pos, 1);
        body.ReRowByPos(pos, pos + 1, GDoc::kUntilRowsStay);
        total += Seconds(t0);
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
    printf("(b)/(c) = %.5f\n\n", b);
    state.counters["a_over_c"] = a;
    state.counters["b_over_c"] = b;
}
BENCHMARK(BM_Ratios)->Iterations(1);
