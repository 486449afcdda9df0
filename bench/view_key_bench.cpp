// A key typed into a long document (the seeded text, about 1,000 pages) in
// its view's window, from the posted character until the paint is done;
// the same insertion through the flow alone; and the measuring floor of the
// same text. Prints both means and their ratios to the floor. Needs an X
// display for the window.
//
// Beside them, the window system's own share: the same character posted,
// pumped and the window updated, through a window that does nothing with
// it. Every step of that is a round trip to the window server, which no
// view can take off a key.
#include "bench/support/zt_benchmark.h"
#include "bench/support/seeded_document.h"
#include "app/CWOptions.h"
#include "view/CWView.h"
#include <functional>
#include <stdio.h>
#include <stdlib.h>

namespace
{
const int kClientWidth = 800;
const int kClientHeight = 600;

struct Figures
{
    double floor = 0, key = 0, insert = 0, emptyKey = 0, handled = 0;
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
        // A typist's view has the keyboard, and so shows its caret.
        parent->SetForegroundWindow();
        view->SetFocus();
        Pump();
    }
    ~Window()
    {
        parent->DestroyWindow();
        delete parent;
    }
};

// Kept for the life of the process: the document goes on telling it.
Window& TheWindow(bench::SeededDocument& d)
{
    static Window* window = new Window(d);
    return *window;
}

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

// The timed steps of a key: posted, pumped, the window updated.
double TypeAndPaint(HWND window)
{
    auto t0 = std::chrono::steady_clock::now();
    ::PostMessageA(window, WM_CHAR, 'x', 0);
    Pump();
    ::UpdateWindow(window);
    ::GdiFlush();
    return bench::SecondsSince(t0);
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

// Times key in the view's window, the caret in the middle of the text,
// taking the character out again between rounds; the mean in seconds, or
// 0 without the text or a display.
static double TimeKeys(benchmark::State& state, const std::function<double(CWView*)>& key)
{
    bench::SeededDocument& d = Document();
    if (d.Empty() || !HaveDisplay())
    {
        state.SkipWithError("no seeded text or no display");
        return 0;
    }
    Window& w = TheWindow(d);
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
        total += key(w.view);
        ++rounds;
        state.PauseTiming();
        TakeOut(d, pos);
        Pump();
        w.view->UpdateWindow();
        state.ResumeTiming();
    }
    return total / rounds;
}

// A character posted to the view and the window painted.
static void BM_KeyInTheWindow(benchmark::State& state)
{
    figures.key = TimeKeys(state, [](CWView* view) { return TypeAndPaint(view->m_hWnd); });
}
BENCHMARK(BM_KeyInTheWindow)->Iterations(50)->Unit(benchmark::kMicrosecond);

// The view's own share of a key: the character handed straight to the
// view, which looks once into the queue for more typed characters, inserts
// it, paints its row and places the caret; no message posted or fetched.
static void BM_KeyHandedToTheView(benchmark::State& state)
{
    figures.handled = TimeKeys(state, [](CWView* view) {
        auto t0 = std::chrono::steady_clock::now();
        view->OnChar('x', 1, 0);
        ::GdiFlush();
        return bench::SecondsSince(t0);
    });
}
BENCHMARK(BM_KeyHandedToTheView)->Iterations(50)->Unit(benchmark::kMicrosecond);

// The same steps through a window that takes the character and paints
// nothing: what the window system costs a key on this machine.
static void BM_KeyInAnEmptyWindow(benchmark::State& state)
{
    if (!HaveDisplay())
    {
        state.SkipWithError("no display");
        return;
    }
    CWnd window;
    window.CreateEx(0, AfxWndClassName(), "empty", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL);
    window.SetFocus();
    Pump();
    double total = 0;
    long rounds = 0;
    for (auto _ : state)
    {
        total += TypeAndPaint(window.m_hWnd);
        ++rounds;
    }
    window.DestroyWindow();
    figures.emptyKey = total / rounds;
}
BENCHMARK(BM_KeyInAnEmptyWindow)->Iterations(200)->Unit(benchmark::kMicrosecond);

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
    if (f.handled > 0 && f.insert > 0)
        printf("the same key handed straight to the view: %.3f ms, %.2f times the insertion\n", f.handled * 1e3,
               f.handled / f.insert);
    if (f.emptyKey > 0 && f.insert > 0)
        printf("the same key through a window that does nothing: %.3f ms, %.2f times the insertion\n",
               f.emptyKey * 1e3, f.emptyKey / f.insert);
}
BENCHMARK(BM_Ratios)->Iterations(1);
