// The long document the benchmarks work on: the seeded text of
// ../shared/bench/gen_text.py (about 1,000 pages of prose) put into a document's
// body, the measuring floor every figure is held against, and the peak
// memory of the process. Used by bench/layout_bench and bench/typing_bench.
#pragma once
#include "bench/support/zt_benchmark.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "layout/text_measure.h"
#include "tests/support/unbroken_body.h"
#include <chrono>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace bench
{
// Where scripts/bench.sh writes the texts, unless ZT_BENCH_TEXT names the file.
const char* const kDefaultTextPath = "build/bench-data/big.txt";

inline double SecondsSince(std::chrono::steady_clock::time_point from)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// The paragraphs of the seeded text, one a line (CRLF ends). Empty, with a
// line on standard error, when the file is missing: run scripts/bench.sh.
inline std::vector<std::string> SeededParagraphs()
{
    const char* path = getenv("ZT_BENCH_TEXT");
    if (!path || !*path)
        path = kDefaultTextPath;
    std::vector<std::string> paragraphs;
    FILE* file = fopen(path, "rb");
    if (!file)
    {
        fprintf(stderr, "no seeded text at %s: run scripts/bench.sh, or set ZT_BENCH_TEXT\n", path);
        return paragraphs;
    }
    std::string line;
    for (int c; (c = fgetc(file)) != EOF;)
    {
        if (c == '\n')
        {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            paragraphs.push_back(line);
            line.clear();
        }
        else
            line += (char)c;
    }
    if (!line.empty())
        paragraphs.push_back(line);
    fclose(file);
    return paragraphs;
}

// A document whose body holds the seeded text, each paragraph on one
// unbroken row, or laid out whole.
struct SeededDocument
{
    CWDocument doc;
    GDoc* body = NULL;
    long paragraphs = 0;

    explicit SeededDocument(bool laidOut)
    {
        doc.CreateFrames();
        body = doc.m_flows[kBodyFlow];
        const std::vector<std::string> texts = SeededParagraphs();
        paragraphs = (long)texts.size();
        if (texts.empty())
            return;
        PutParagraphsUnbroken(*body, texts);
        if (laidOut)
            LayOut();
    }
    void LayOut() { body->ReRowByRow(0, paragraphs, GDoc::kReRowLayout, GDoc::kWholeParagraph); }
    bool Empty() const { return paragraphs == 0; }
};

// The floor: every character of the body measured once, a row's worth of
// text to a GDI call, in the body's font on the layout context. The best
// of three passes, so that GDI's caches are warm as they are for a layout.
inline double MeasureOncePassSeconds(GDoc& body);
inline double MeasureFloorSeconds(GDoc& body)
{
    double best = MeasureOncePassSeconds(body);
    for (int pass = 1; pass < 3; ++pass)
        best = std::min(best, MeasureOncePassSeconds(body));
    return best;
}

inline double MeasureOncePassSeconds(GDoc& body)
{
    CDC* dc = GetCalcDC();
    CFont* old = dc->SelectObject(body.GetCharFont(0));
    const char* text = (const char*)body.m_chars.GetData();
    const long size = body.m_chars.GetCount() - 3;
    const HDC hdc = dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC;
    auto t0 = std::chrono::steady_clock::now();
    SIZE extent;
    long sum = 0;
    for (long pos = 0; pos < size; pos += 80)
    {
        ::GetTextExtentPoint32A(hdc, text + pos, (int)std::min(80L, size - pos), &extent);
        sum += extent.cx;
    }
    const double took = SecondsSince(t0);
    dc->SelectObject(old);
    if (sum < 0)
        fprintf(stderr, "impossible width\n");
    return took;
}

// The process's peak resident size in KiB (VmHWM), 0 where it is unknown.
inline long PeakResidentKiB()
{
    FILE* status = fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    long kib = 0;
    while (fgets(line, sizeof line, status))
        if (strncmp(line, "VmHWM:", 6) == 0)
            kib = strtol(line + 6, NULL, 10);
    fclose(status);
    return kib;
}
// The floor benchmark of each program: every character of the seeded text
// measured once on a fresh document; the seconds go to seconds.
inline void RunMeasureFloor(benchmark::State& state, double& seconds)
{
    SeededDocument d(false);
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    for (auto _ : state)
        seconds = MeasureFloorSeconds(*d.body);
    state.counters["chars"] = (double)d.body->m_chars.GetCount();
}

} // namespace bench
