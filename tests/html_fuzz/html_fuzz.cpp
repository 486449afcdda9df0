// Mutation fuzzing of the HTML importer: seed pages are flipped, cut,
// repeated and filled with bytes and tag pieces, and each result is read
// into a fresh document. Message boxes are answered at once. An input that
// crashes the program or runs over the time limit is written out to
// reproduce it.
//
//   html_fuzz [--seed N] [--count N] [--seconds S] [--seeds DIR] [--out DIR]
//
// The test command runs a short pass; run it for hours by hand, e.g.
//   scripts/wine-run.sh build build/bin/html_fuzz.exe.so --seed 7 --seconds 14400 --out /tmp/fuzz
#include "afxwin.h"
#include "document/CWDocument.h"
#include "html/html_services.h"
#include "model/GDoc.h"
#include "view/CWView.h"
#include "tests/support/application_start.h"
#include <dirent.h>
#include <unistd.h>
#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <atomic>
#include <vector>

namespace {

constexpr int kDefaultCount = 150;
constexpr int kLongestRunSeconds = 10;
constexpr int kMostMutations = 8;
constexpr size_t kLargestInput = 256 * 1024;

// Pieces an HTML page is made of, so that mutations reach deeper than
// random bytes do.
const char* const kPieces[] = {"<", ">", "</", "/>", "<!--", "-->", "&", ";", "&#", "&amp;", "\"", "'", "=",
                               "<p>", "</p>", "<b>", "</b>", "<li>", "<ul>", "</ul>", "<ol start=3 type=i>",
                               "</ol>", "<table>", "</table>", "<td>", "</td>", "<tr>", "<body>", "</body>",
                               "<pre>", "</pre>", "<bdo dir=rtl>", "</bdo>", "<img src=x.bmp>", "<br>",
                               "<basefont size=7>", "<font face=\"", "<style>", "</style>", "<script>",
                               "</script>", "<h1 align=center>", "<col>", "<span style=\"color:red\">",
                               "\r", "\n", "\t", " ", "\x01", "\x0c", "\xff"};

// Answers every message box at once.
class QuietApp : public CWinApp
{
public:
    QuietApp() : CWinApp("ZtHtmlFuzz") {}
    int DoMessageBox(LPCSTR, UINT, UINT) override { return IDOK; }
};

struct Options
{
    unsigned seed = 1;
    long count = kDefaultCount;
    double seconds = 0;   // 0: stop by count only
    std::string seeds = ZT_HTML_FUZZ_SEEDS;
    std::string out;
};

std::string g_current;   // where the input being read stands
std::string g_outDir;
std::atomic<long> g_runStarted{0};   // seconds since the epoch; 0 between runs

bool ReadWhole(const std::string& path, std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
    fclose(file);
    return true;
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool whole = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && whole;
}

// Keeps the input being read under a name that tells what happened.
void KeepCurrent(const char* what)
{
    std::string kept = g_outDir + "/" + what + "-" + std::to_string((long)time(nullptr)) + ".htm";
    rename(g_current.c_str(), kept.c_str());
    fprintf(stderr, "html_fuzz: %s; the input is kept as %s\n", what, kept.c_str());
    fflush(stderr);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS*)
{
    KeepCurrent("crash");
    _exit(3);
}

void Watch()
{
    for (;;)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        long started = g_runStarted.load();
        if (started && time(nullptr) - started > kLongestRunSeconds)
        {
            KeepCurrent("hang");
            _exit(4);
        }
    }
}

std::vector<std::string> Seeds(const std::string& folder)
{
    std::vector<std::string> seeds;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return seeds;
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir))
    {
        std::string name = entry->d_name;
        if (name.size() > 4 && (name.substr(name.size() - 4) == ".htm" || name.substr(name.size() - 5) == ".html"))
            names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
    {
        std::string bytes;
        if (ReadWhole(folder + "/" + name, bytes))
            seeds.push_back(bytes);
    }
    return seeds;
}

void Mutate(std::string& s, std::mt19937& rng)
{
    auto pick = [&](size_t n) { return n ? std::uniform_int_distribution<size_t>(0, n - 1)(rng) : 0; };
    const int rounds = 1 + (int)pick(kMostMutations);
    for (int i = 0; i < rounds; ++i)
    {
        switch (pick(6))
        {
        case 0:   // flip a bit
            if (!s.empty())
                s[pick(s.size())] ^= (char)(1 << pick(8));
            break;
        case 1:   // insert a byte
            s.insert(pick(s.size() + 1), 1, (char)pick(256));
            break;
        case 2:   // insert a piece of HTML
            s.insert(pick(s.size() + 1), kPieces[pick(sizeof kPieces / sizeof kPieces[0])]);
            break;
        case 3:   // delete a range
            if (!s.empty())
            {
                size_t at = pick(s.size());
                s.erase(at, 1 + pick(std::min<size_t>(64, s.size() - at)));
            }
            break;
        case 4:   // repeat a range
            if (!s.empty() && s.size() < kLargestInput)
            {
                size_t at = pick(s.size());
                std::string piece = s.substr(at, 1 + pick(std::min<size_t>(256, s.size() - at)));
                for (size_t n = 1 + pick(8); n > 0; --n)
                    s.insert(at, piece);
            }
            break;
        default:   // cut the end off
            s.resize(pick(s.size() + 1));
            break;
        }
    }
}

bool ParseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i)
    {
        std::string a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!value)
            return false;
        if (a == "--seed")
            o.seed = (unsigned)strtoul(value, nullptr, 10);
        else if (a == "--count")
            o.count = strtol(value, nullptr, 10);
        else if (a == "--seconds")
            o.seconds = strtod(value, nullptr);
        else if (a == "--seeds")
            o.seeds = value;
        else if (a == "--out")
            o.out = value;
        else
            return false;
        ++i;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
    {
        fprintf(stderr, "usage: html_fuzz [--seed N] [--count N] [--seconds S] [--seeds DIR] [--out DIR]\n");
        return 1;
    }
    if (options.seconds > 0 && options.count == kDefaultCount)
        options.count = -1;   // the time alone ends the run
    g_outDir = options.out.empty() ? std::string("/tmp") : options.out;
    g_current = g_outDir + "/html_fuzz-current-" + std::to_string((long)getpid()) + ".htm";

    StartLikeTheApplication();
    QuietApp app;
    CMultiDocTemplate tpl(0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView));
    std::vector<std::string> seeds = Seeds(options.seeds);
    if (seeds.empty())
    {
        fprintf(stderr, "html_fuzz: no seed pages in %s\n", options.seeds.c_str());
        return 1;
    }
    SetUnhandledExceptionFilter(OnCrash);
    std::thread(Watch).detach();

    std::mt19937 rng(options.seed);
    const auto start = std::chrono::steady_clock::now();
    long runs = 0, read = 0;
    for (; options.count < 0 || runs < options.count; ++runs)
    {
        if (options.seconds > 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > options.seconds)
            break;
        std::string input = seeds[std::uniform_int_distribution<size_t>(0, seeds.size() - 1)(rng)];
        Mutate(input, rng);
        if (!WriteWhole(g_current, input))
        {
            fprintf(stderr, "html_fuzz: cannot write %s\n", g_current.c_str());
            return 1;
        }
        std::unique_ptr<CWDocument> doc((CWDocument*)tpl.CreateNewDocument());
        CString path = CString("Z:") + g_current.c_str();
        g_runStarted = (long)time(nullptr);
        try
        {
            if (HtmlImportFile(path, doc.get()))
                ++read;
        }
        catch (...)
        {
            g_runStarted = 0;
            KeepCurrent("exception");
            return 5;
        }
        g_runStarted = 0;
    }
    remove(g_current.c_str());
    printf("html_fuzz: seed %u, %ld inputs read (%ld whole), no crash or hang\n", options.seed, runs, read);
    return 0;
}
