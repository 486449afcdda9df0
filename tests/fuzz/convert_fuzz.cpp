// Fuzzing of the intermediate-file importer: seeds of intermediate files
// are mutated in a plain loop; each input is saved before it runs, then
// imported into a new document, checked with the native reader's structure
// check and exported again. Then the same for DOS documents, plain and
// protected, from the DOS tests' generator: each goes through the password
// gate (its prompt answered) and the importer, and no unprotected copy may
// stay behind. A watchdog ends the program when one input
// runs too long, and the peak memory is checked at the end.
//
//   convert_fuzz                         a brief run with a fixed seed (the test command)
//   convert_fuzz <seed> <runs> [seconds] a long run by hand
//
// The input being run is kept in the temporary folder as
// "zt_convert_fuzz_<seed>_<process>.icf"; after a failure it is the case
// to look at (the program prints its path).
#include "tests/convert/convert_test_support.h"
#include "tests/support/application_start.h"
#include "tests/convert/dos_document_generator.h"
#include "convert/conversion_services.h"
#include "model/GPageNum.h"
#ifndef PSAPI_VERSION
#define PSAPI_VERSION 2
#endif
#include <psapi.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

using namespace convert_test;

namespace {

const unsigned kDefaultSeed = 20261211;
const long kDefaultRuns = 150;
const long kDefaultSeconds = 90;
const long kInputTimeLimit = 30;               // seconds for one input
const SIZE_T kPeakMemoryLimit = 1536u << 20;   // bytes
const size_t kMostInputSize = 64 * 1024;

const char kDosPassword[] = "fuzz";

std::atomic<long> heartbeat{0};
std::atomic<bool> finished{false};
std::string inputPath;

const char* const kNames[] = {
    "DID", "SSI", "HNL", "FDT", "SPF", "BBT", "EBT", "ITO", "ITF", "SUM", "BUL", "EUL", "BSO", "ESO", "BCL", "ECL",
    "HF1", "HF2", "POR", "PGW", "SFL", "STP", "SBP", "RSM", "BCA", "CTX", "ECT", "BRA", "AFR", "EAT", "BRJ", "ERJ",
    "IPS", "RSP", "PPN", "PLN", "DTF", "SPN", "RUL", "NTB", "TAB", "SPS", "EPS", "SBS", "EBS", "BCS", "ECS", "NBR",
    "STM", "LMR", "CDS", "BCM", "ECM", "BRO", "HCB", "SNL", "HNP", "HEX", "FBM", "HTM", "HM ", "FM ", "PDS", "PCT",
    "HFX", "XCS", "UCS"};
const char* const kNumbers[] = {"0", "1", "2", "08", "0A", "01", "10", "44", "99", "-1", "255", "1440", "819", "1251",
                                "2147483647", "-2147483648", "99999999999", "FF", "7F", "65"};

std::string SeedDocumentFile()
{
    auto doc = NewDocument();
    GDoc& body = *doc->m_flows[0];
    body.InsertText(0, (char*)"First \xE9t\xE9 line\rTabbed\tcell\tend\rCentred text\r", 1);
    GFontStyle style("Arial", 56, RGB(0, 90, 200), GFontStyle::kItalic | GFontStyle::kUnderline, 0x7F);
    body.SetFontStyle(6, 12, style, 1);
    body.SetParaAlign(25, 30, GParaStyle::kAlignCentre);
    CData data[2] = {{600, 100}, {600, 0}};
    body.SetColumns(7, 24, 2, data, 0);
    GDoc& header = *doc->m_flows[2];
    header.InsertText(0, (char*)"Header ", 1);
    header.InsertField(new GPageNum(&header, 7, 0, 1));
    doc->SetFirstPageDiff(1, 1);
    doc->m_flows[1]->InsertText(0, (char*)"First", 1);
    return Export(*doc);
}

std::vector<std::string> Seeds()
{
    std::vector<std::string> seeds = {SeedDocumentFile()};
    seeds.push_back(Rec("CDS", {"08", "3", "1", "2", "0", "3", "4", "0", "5", "6", "0", "1440", "2880", "0", "2880",
                                "4320", "0", "4320", "5760", "0"}) +
                    "a" + Rec("HCB") + "b" + Rec("HCB") + "c" + Rec("BRO") + "d" + Rec("ECM") + "after");
    seeds.push_back(Rec("HF2", {"00"}) + "head" + Rec("PPN") + Rec("HFX", {"3", "08", "360", "1"}) + "x" +
                    Rec("HF1") + CharRec(0xC0, "1251") + Rec("HFX", {"3", "13", "360", "2"}) + "y");
    seeds.push_back(Rec("RUL", {"0", "2", "1440", "2880", "L", "R"}) + Rec("NTB", {"80"}) + "t\tu" +
                    Rec("IPS", {"1", "2", "1500", "1600", "1700"}) + Rec("RSP", {"2", "3", "360"}) + "v");
    return seeds;
}

std::string Mutate(const std::vector<std::string>& seeds, std::mt19937& rng)
{
    auto pick = [&](size_t n) { return n == 0 ? 0 : (size_t)(rng() % n); };
    std::string s = seeds[pick(seeds.size())];
    const int mutations = 1 + (int)pick(8);
    static const char kSpecial[] = {'\x1B', '\x1D', '\x1E', '\x1F', '\0', '\x01', '\r', '\t', '_', '\xE9'};
    for (int m = 0; m < mutations; ++m)
    {
        const size_t at = pick(s.size() + 1);
        switch (pick(7))
        {
        case 0:
            if (!s.empty())
                s[pick(s.size())] = (char)rng();
            break;
        case 1:
            s.insert(at, 1, kSpecial[pick(sizeof(kSpecial))]);
            break;
        case 2:
            if (!s.empty())
                s.erase(at, 1 + pick(40));
            break;
        case 3:
            if (!s.empty())
            {
                const size_t from = pick(s.size());
                s.insert(at, s.substr(from, 1 + pick(200)));
            }
            break;
        case 4:
        {
            std::vector<std::string> args;
            const size_t n = pick(8);
            for (size_t i = 0; i < n; ++i)
                args.push_back(kNumbers[pick(sizeof(kNumbers) / sizeof(kNumbers[0]))]);
            s.insert(at, Rec(kNames[pick(sizeof(kNames) / sizeof(kNames[0]))], args));
            break;
        }
        case 5:
        {
            const std::string& other = seeds[pick(seeds.size())];
            const size_t from = pick(other.size());
            s.insert(at, other.substr(from, 1 + pick(400)));
            break;
        }
        default:
            s.resize(pick(s.size() + 1));
            break;
        }
    }
    if (s.size() > kMostInputSize)
        s.resize(kMostInputSize);
    return s;
}

// Ends the program when an input takes longer than the limit.
void Watchdog()
{
    long last = -1, still = 0;
    while (!finished)
    {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const long beat = heartbeat;
        still = beat == last ? still + 1 : 0;
        last = beat;
        if (still >= kInputTimeLimit)
        {
            fprintf(stderr, "convert_fuzz: input %ld hangs; it is kept in %s\n", beat, inputPath.c_str());
            fflush(stderr);
            ExitProcess(3);
        }
    }
}

// The input, saved before it runs.
bool Save(const std::string& input)
{
    HANDLE h = CreateFileA(inputPath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD done = 0;
    const BOOL ok = input.empty() || WriteFile(h, input.data(), (DWORD)input.size(), &done, NULL);
    CloseHandle(h);
    return ok && done == input.size();
}

bool RunOne(const std::string& input)
{
    if (!Save(input))
    {
        fprintf(stderr, "convert_fuzz: cannot save the input to %s\n", inputPath.c_str());
        return false;
    }
    auto doc = NewDocument();
    if (!Import(*doc, input))
        return false;
    for (long flow = 0; flow < doc->m_flows.GetCount(); ++flow)
        if (!PassesStructureCheck(*doc->m_flows[flow]))
            return false;
    bool written = false;
    Export(*doc, &written);
    return written;
}

// The messages of the DOS reader go nowhere.
class QuietApp : public CWinApp
{
public:
    QuietApp() : CWinApp("ZtConvertFuzz") {}
    int DoMessageBox(LPCSTR, UINT, UINT) override { return IDOK; }
};

int AnswerThePrompt(const char*, const char*, char* buffer, int size)
{
    CopyEntryToBuffer(kDosPassword, buffer, size);
    return 1;
}

std::vector<std::string> DosSeeds()
{
    using namespace dos_test;
    const std::string every = EveryPart().Bytes();
    DosDocument headers;
    headers.body = std::string("a") + kField + kField + " " + kFieldToo + "\n" + kCentre + "c" + kSoftLineEnd +
                   "\n" + kIndent + "d\n";
    headers.settings = {Setting(26, "firsthead=", "2"), Setting(13, "pghead0=", "'#mmmm #dd, #yyyy"),
                        Setting(17, "pghead4=", "'- #pp -"), Setting(28, "pghead6=", "'x"),
                        Cell(0, 0, "#a=+1,2.5"), Cell(0, 1, "b='<zz"), Cell(2, 0, "g=C.XGR")};
    headers.formats = {Cell(0, 0, "Dl"), Cell(0, 1, "!"), Cell(1, 0, "#Z$%E(,.12")};
    return {every, Protected(every, StoredForm(kDosPassword)), headers.Bytes(),
            Protected(headers.Bytes(), StoredForm(kDosPassword))};
}

bool RunOneDos(const std::string& input, const std::string& path)
{
    inputPath = path;
    if (!Save(input))
    {
        fprintf(stderr, "convert_fuzz: cannot save the input to %s\n", inputPath.c_str());
        return false;
    }
    auto doc = NewDocument();
    doc->SetPathName(path.c_str(), FALSE);
    doc->OpenXTX();
    for (long flow = 0; flow < doc->m_flows.GetCount(); ++flow)
        if (!PassesStructureCheck(*doc->m_flows[flow]))
            return false;
    if (GetFileAttributesA(DosTemporaryCopyPath()) != INVALID_FILE_ATTRIBUTES)
    {
        fprintf(stderr, "convert_fuzz: the unprotected copy stayed behind\n");
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const unsigned seed = argc > 1 ? (unsigned)strtoul(argv[1], nullptr, 10) : kDefaultSeed;
    const long runs = argc > 2 ? atol(argv[2]) : kDefaultRuns;
    const long seconds = argc > 3 ? atol(argv[3]) : kDefaultSeconds;
    StartLikeTheApplication();
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    inputPath = std::string(folder) + "zt_convert_fuzz_" + std::to_string(seed) + "_" +
                std::to_string(GetCurrentProcessId()) + ".icf";

    std::thread watchdog(Watchdog);
    std::mt19937 rng(seed);
    const std::vector<std::string> seeds = Seeds();
    const DWORD start = GetTickCount();
    long done = 0, failed = 0;
    for (; done < runs && (long)(GetTickCount() - start) < seconds * 1000; ++done)
    {
        heartbeat = done;
        const std::string input = Mutate(seeds, rng);
        if (!RunOne(input))
        {
            ++failed;
            fprintf(stderr, "convert_fuzz: input %ld failed (seed %u); kept in %s\n", done, seed, inputPath.c_str());
            break;
        }
    }
    QuietApp app;
    SetPasswordPrompt(AnswerThePrompt);
    const std::vector<std::string> dosSeeds = DosSeeds();
    const std::string dosPath = std::string(folder) + "zt_convert_fuzz_" + std::to_string(seed) + "_" +
                                std::to_string(GetCurrentProcessId()) + ".xtx";
    const long dosRuns = failed ? 0 : runs;
    long dosDone = 0;
    for (; dosDone < dosRuns && (long)(GetTickCount() - start) < 2 * seconds * 1000; ++dosDone)
    {
        heartbeat = done + dosDone;
        const std::string input = Mutate(dosSeeds, rng);
        if (!RunOneDos(input, dosPath))
        {
            ++failed;
            fprintf(stderr, "convert_fuzz: DOS input %ld failed (seed %u); kept in %s\n", dosDone, seed,
                    inputPath.c_str());
            break;
        }
    }
    done += dosDone;
    finished = true;
    watchdog.join();

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    printf("convert_fuzz: seed %u, %ld inputs, %ld failed, peak memory %lu MB\n", seed, done, failed,
           (unsigned long)(memory.PeakWorkingSetSize >> 20));
    if (memory.PeakWorkingSetSize > kPeakMemoryLimit)
    {
        fprintf(stderr, "convert_fuzz: peak memory above the limit\n");
        return 2;
    }
    if (failed == 0)
    {
        DeleteFileA(inputPath.c_str());
        DeleteFileA(dosPath.c_str());
    }
    return failed ? 1 : 0;
}
