// A key typed into a long document (the seeded text, about 1,000 pages) in
// its view's window, from the posted character until the paint is done;
// the same insertion through the flow alone; and the measuring floor of the
// same text. Prints both means and their ratios to the floor. Needs an X
// display for the window.
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include "app/CWOptions.h"
#include "view/CWView.h"
#include <stdio.h>
#include <stdlib.h>

namespace
{
const int kClientWidth = 800;
const int kClientHeight = 600;

struct Figures
{
    double floor = 0, key = 0, insert = 0;
    long pages = 0;
} figures;

bench::SeededDocument& Document()
{
    static bench::SeededDocument* document = new bench::SeededDocument(true);
    return *document;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// A view of the seeded document in a visible window, caret in the middle.
struct Window
{
    CWnd* parent = NULL;
    CWView* view = NULL;

    explicit Window(bench::SeededDocument& d)
    {
        d.doc.m_bUndoEnabled = FALSE;
        parent = new CWnd;
        parent->CreateEx(0, AfxWndClassName(), "key bench", WS_POPUP | WS_VISIBLE, 0, 0, kClientWidth + 40,
                         kClientHeight + 40, NULL, NULL);
        CCreateContext context;
        context.m_pCurrentDoc = &d.doc;
        view = new CWView;
        view->Create(NULL, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, CRect(0, 0, kClientWidth, kClientHeight),
                     parent, AFX_IDW_PANE_FIRST, &context);
        view->OnInitialUpdate();
        Pump();
    }
    ~Window()
    {
        parent->DestroyWindow();
        delete parent;
    }
};

long MiddlePosition(bench::SeededDocument& d)
{
    return d.body->GetParaChar(d.paragraphs / 2) + 3;
}

void TakeOut(bench::SeededDocument& d, long pos)
{
    CChangeBracket bracket(&d.doc);
    d.body->DeleteText(pos, pos + 1, 1);
    d.body->SetPos(pos);
}

bool HaveDisplay()
{
    const char* display = getenv("DISPLAY");
    return display && *display;
}
} // namespace

static void BM_MeasureFloor(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    for (auto _ : state)
        figures.floor = bench::MeasureFloorSeconds(*d.body);
    figures.pages = d.body->m_pages.GetCount() - 1;
}
BENCHMARK(BM_MeasureFloor)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same character through the flow's insertion alone.
static void BM_InsertTextAlone(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    if (d.Empty())
    {
        state.SkipWithError("no seeded text");
        return;
    }
    const long pos = MiddlePosition(d);
    double total = 0;
    long rounds = 0;
    for (auto _ : state)
    {
        char text[2] = {'x', 0};
        auto t0 = std::chrono::steady_clock::now();
        d.body->InsertText(pos, text, 1);
        total += bench::SecondsSince(t0);
        ++rounds;
        state.PauseTiming();
        TakeOut(d, pos);
        state.ResumeTiming();
    }
    figures.insert = total / rounds;
}
BENCHMARK(BM_InsertTextAlone)->Iterations(50)->Unit(benchmark::kMicrosecond);

// A character posted to the view and the window painted.
static void BM_KeyInTheWindow(benchmark::State& state)
{
    bench::SeededDocument& d = Document();
    if (d.Empty() || !HaveDisplay())
    {
        state.SkipWithError("no seeded text or no display");
        return;
    }
    // Kept for the life of the process: the document goes on telling it.
    static Window* window = new Window(d);
    Window& w = *window;
    const long pos = MiddlePosition(d);
    {
        CChangeBracket bracket(&d.doc);
        d.body->SetPos(pos);
    }
    w.view->ScrollToCaret();
    Pump();
    double total = 0;
    long rounds = 0;
    for (auto _ : state)
    {
        auto t0 = std::chrono::steady_clock::now();
        ::PostMessageA(w.view->m_hWnd, WM_CHAR, 'x', 0);
        Pump();
        w.view->UpdateWindow();
        ::GdiFlush();
        total += bench::SecondsSince(t0);
        ++rounds;
        state.PauseTiming();
        TakeOut(d, pos);
        Pump();
        w.view->UpdateWindow();
        state.ResumeTiming();
    }
    figures.key = total / rounds;
}
BENCHMARK(BM_KeyInTheWindow)->Iterations(50)->Unit(benchmark::kMicrosecond);

static void BM_Ratios(benchmark::State& state)
{
    const Figures f = figures;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.pages);
    if (!(f.floor > 0))
        return;
    printf("\n(c) measuring every character of %ld pages: %.1f ms\n", f.pages, f.floor * 1e3);
    printf("key typed in the window, until painted: %.3f ms\n", f.key * 1e3);
    printf("the same insertion through the flow alone: %.3f ms\n", f.insert * 1e3);
    printf("key/(c) = %.5f\n", f.key / f.floor);
    printf("insertion/(c) = %.5f\n", f.insert / f.floor);
    if (f.insert > 0)
        printf("key/insertion = %.2f\n", f.key / f.insert);
}
BENCHMARK(BM_Ratios)->Iterations(1);
