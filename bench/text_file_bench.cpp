// A long text file (by default the seeded big.txt, or the file ZT_BENCH_TEXT
// names) opened as a document and saved as a native one: (a) opened through
// the open dispatch and laid out, (b) saved natively, each held against
// (c) the measuring floor of the same text as bench/layout_bench takes it.
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include "editing/document_editing.h"
#include "view/CWView.h"
#include <algorithm>
#include <memory>
#include <stdio.h>

namespace
{
struct Figures
{
    double floor = 0, open = 0, save = 0, stream = 0;
    long paragraphs = 0, pages = 0;
} figures;

struct Template
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
};

// The text file's path as the Win32 layer names it.
CString TextPath()
{
    const char* path = getenv("ZT_BENCH_TEXT");
    if (!path || !*path)
        path = bench::kDefaultTextPath;
    WCHAR* dos = wine_get_dos_file_name(path);
    if (!dos)
        return CString();
    char name[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, 0, dos, -1, name, sizeof name, NULL, NULL);
    HeapFree(GetProcessHeap(), 0, dos);
    return GetFileAttributesA(name) == INVALID_FILE_ATTRIBUTES ? CString() : CString(name);
}

CString NativePath()
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return CString(folder) + "ztbench_text_file.zvw";
}

// The opened document, kept for the save.
Template& Maker()
{
    static Template* maker = new Template;
    return *maker;
}
std::unique_ptr<CWDocument> opened;
const int kSavePasses = 3;
} // namespace

// (a) Opened and laid out: the text is inserted with one call that breaks
// the rows as it goes.
static void BM_OpenTextFile(benchmark::State& state)
{
    const CString path = TextPath();
    if (path.IsEmpty())
    {
        state.SkipWithError("no text file: run scripts/bench.sh, or set ZT_BENCH_TEXT");
        return;
    }
    for (auto _ : state)
    {
        if (opened)
            ReleaseDocEditing(opened.get());
        opened.reset((CWDocument*)Maker().tpl.CreateNewDocument());
        auto t0 = std::chrono::steady_clock::now();
        if (!opened->OnOpenDocument(path))
        {
            state.SkipWithError("the text file did not open");
            return;
        }
        figures.open = bench::SecondsSince(t0);
    }
    GDoc* body = opened->m_flows[kBodyFlow];
    figures.paragraphs = body->m_paras.GetCount();
    figures.pages = body->m_pages.GetCount() - 1;
    state.counters["paragraphs"] = (double)figures.paragraphs;
    state.counters["pages"] = (double)figures.pages;
}
BENCHMARK(BM_OpenTextFile)->Iterations(1)->Unit(benchmark::kMillisecond);

// (b) Saved as a native file, through its temporary.
static void BM_SaveNatively(benchmark::State& state)
{
    if (!opened)
    {
        state.SkipWithError("nothing opened");
        return;
    }
    const CString path = NativePath();
    for (auto _ : state)
    {
        // The best of a few saves, as the floor is taken: the disk's
        // and the machine's moods are not the save's.
        figures.save = 0;
        for (int pass = 0; pass < kSavePasses; ++pass)
        {
            auto t0 = std::chrono::steady_clock::now();
            if (!opened->SaveNativeFile(path))
            {
                state.SkipWithError("the native file was not written");
                return;
            }
            const double took = bench::SecondsSince(t0);
            figures.save = pass == 0 ? took : std::min(figures.save, took);
            opened->m_rootStorage.Release();
        }
    }
    DeleteFileA(path);
}
BENCHMARK(BM_SaveNatively)->Iterations(1)->Unit(benchmark::kMillisecond);

// What (b) spends outside the disk: the main stream written into memory.
static void BM_MainStreamInMemory(benchmark::State& state)
{
    if (!opened)
    {
        state.SkipWithError("nothing opened");
        return;
    }
    for (auto _ : state)
    {
        CMemFile file;
        auto t0 = std::chrono::steady_clock::now();
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = opened.get();
        opened->SaveZVW(ar);
        ar.Close();
        figures.stream = bench::SecondsSince(t0);
    }
}
BENCHMARK(BM_MainStreamInMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// (c) The floor, on the opened body.
static void BM_MeasureEveryCharacter(benchmark::State& state)
{
    if (!opened)
    {
        state.SkipWithError("nothing opened");
        return;
    }
    for (auto _ : state)
        figures.floor = bench::MeasureFloorSeconds(*opened->m_flows[kBodyFlow]);
}
BENCHMARK(BM_MeasureEveryCharacter)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_Ratios(benchmark::State& state)
{
    const Figures f = figures;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.pages);
    if (!(f.floor > 0))
        return;
    const double a = f.open / f.floor, b = f.save / f.floor;
    printf("\n(c) measuring every character: %.1f ms\n", f.floor * 1e3);
    printf("(a) opening %ld paragraphs into %ld pages: %.1f ms\n", f.paragraphs, f.pages, f.open * 1e3);
    printf("(b) saving them natively: %.1f ms (the main stream alone, in memory: %.1f ms)\n", f.save * 1e3,
           f.stream * 1e3);
    printf("(a)/(c) = %.2f (aim: within 4)\n", a);
    printf("(b)/(c) = %.2f (aim: within 2)\n\n", b);
    state.counters["a_over_c"] = a;
    state.counters["b_over_c"] = b;
}
BENCHMARK(BM_Ratios)->Iterations(1);
