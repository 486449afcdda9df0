// Opening a long HTML page (big.html, the seeded text of ../shared/bench/gen_text.py
// as headings and paragraphs with inline elements, about 1,000 pages):
// read into a new document and laid out whole, held against the floor of
// bench/layout_bench.cpp (every character of the text measured once). The
// body must hold big.txt's text paragraph for paragraph. Prints the ratio.
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include "html/html_services.h"
#include <stdio.h>

namespace
{
struct Figures
{
    double measure = 0, open = 0;
    long pages = 0;
    bool textMatches = false;
} figures;

// big.html beside the seeded big.txt, as a path the file layer takes.
std::string SeededPagePath()
{
    const char* text = getenv("ZT_BENCH_TEXT");
    std::string path = text && *text ? text : bench::kDefaultTextPath;
    path = path.substr(0, path.size() - 4) + ".html";
    return path[0] == '/' ? "Z:" + path : path;
}

// The body's paragraphs against the seeded text's; the first difference
// is reported.
bool BodyHoldsParagraphs(const GDoc& body, const std::vector<std::string>& paragraphs)
{
    std::string text((const char*)body.m_chars.GetData(), body.m_chars.GetCount() - 3);
    size_t from = 0;
    for (size_t i = 0; i < paragraphs.size(); ++i)
    {
        size_t end = text.find((char)kParagraphEnd, from);
        if (end == std::string::npos)
            end = text.size();
        if (text.compare(from, end - from, paragraphs[i]) != 0)
        {
            fprintf(stderr, "paragraph %zu differs:\n  body: %.80s\n  text: %.80s\n", i,
                    text.substr(from, end - from).c_str(), paragraphs[i].c_str());
            return false;
        }
        from = end + 1;
    }
    if (from < text.size())
    {
        fprintf(stderr, "the body holds more than the text's %zu paragraphs\n", paragraphs.size());
        return false;
    }
    return true;
}
} // namespace

// (c) The floor.
static void BM_MeasureEveryCharacter(benchmark::State& state)
{
    bench::RunMeasureFloor(state, figures.measure);
}
BENCHMARK(BM_MeasureEveryCharacter)->Iterations(1)->Unit(benchmark::kMillisecond);

// (a) The page read and the body laid out.
static void BM_OpenHtmlPage(benchmark::State& state)
{
    const std::vector<std::string> paragraphs = bench::SeededParagraphs();
    if (paragraphs.empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    const std::string path = SeededPagePath();
    for (auto _ : state)
    {
        CWDocument doc;
        doc.CreateFrames();
        auto t0 = std::chrono::steady_clock::now();
        if (!HtmlImportFile(path.c_str(), &doc))
        {
            state.SkipWithError("big.html could not be read");
            return;
        }
        figures.open = bench::SecondsSince(t0);
        GDoc* body = doc.m_flows[kBodyFlow];
        figures.pages = body->m_pages.GetCount() - 1;
        figures.textMatches = BodyHoldsParagraphs(*body, paragraphs);
        if (!figures.textMatches)
            state.SkipWithError("the body does not hold big.txt's text");
    }
    state.counters["pages"] = (double)figures.pages;
}
BENCHMARK(BM_OpenHtmlPage)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_Ratios(benchmark::State& state)
{
    const Figures f = figures;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.pages);
    if (!(f.measure > 0) || !(f.open > 0))
        return;
    const double a = f.open / f.measure;
    printf("\n(c) measuring every character: %.1f ms\n", f.measure * 1e3);
    printf("(a) big.html opened and laid out, %ld pages: %.1f ms; text %s\n", f.pages, f.open * 1e3,
           f.textMatches ? "matches big.txt" : "DIFFERS from big.txt");
    printf("(a)/(c) = %.2f\n\n", a);
    state.counters["a_over_c"] = a;
}
BENCHMARK(BM_Ratios)->Iterations(1);
