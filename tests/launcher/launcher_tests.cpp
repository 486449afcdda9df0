// The launcher's run against a recording host: load and free order, console
// text, the WinMain call, and the failure paths.
#include "tests/support/zt_gtest.h"
#include "launcher/launcher.h"
#include "launcher/shims.h"
#include <dlfcn.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

class RecordingHost : public LauncherHost
{
public:
    std::vector<std::string> events;
    std::string console;
    bool dlopenFails = false;
    bool hasWinMain = true;
    int winMainResult = 42;
    HINSTANCE winMainInstance = nullptr;
    std::string winMainCommandLine;
    int winMainShow = -1;

    // Module handles are 1-based positions in this list of names.
    std::vector<std::string> modules;

    HMODULE LoadLibrary(const char* name) override
    {
        events.push_back(std::string("load ") + name);
        modules.push_back(name);
        return (HMODULE)(INT_PTR)modules.size();
    }
    FARPROC GetProcAddress(HMODULE module, const char* name) override
    {
        if (std::string(name) == "WinMain" && !hasWinMain)
            return nullptr;
        // Any non-null value will do: the host makes the call itself.
        return (FARPROC)(INT_PTR)(0x1000 + (INT_PTR)module);
    }
    BOOL FreeLibrary(HMODULE module) override
    {
        events.push_back("free " + modules.at((INT_PTR)module - 1));
        return TRUE;
    }
    DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size) override
    {
        snprintf(buffer, size, "C:\\bin\\%s.dll", modules.at((INT_PTR)module - 1).c_str());
        return (DWORD)strlen(buffer);
    }
    void* DlOpen(const char* file, int mode) override
    {
        events.push_back(std::string("dlopen ") + file + (mode == RTLD_NOW ? " now" : " lazy"));
        return dlopenFails ? nullptr : (void*)this;
    }
    int DlClose(void*) override
    {
        events.push_back("dlclose libztwrite.so");
        return 0;
    }
    const char* DlError() override { return "libztwrite.so: cannot open shared object file"; }
    void Print(const char* text) override { console += text; }
    int CallWinMain(FARPROC, HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) override
    {
        events.push_back(previous ? "winmain with previous" : "winmain");
        winMainInstance = instance;
        winMainCommandLine = commandLine;
        winMainShow = show;
        return winMainResult;
    }
};

const std::vector<std::string> kExpectedEvents = {
    "load CRTDLL.DLL",
    "load COMCTL32.DLL", "load COMDLG32.DLL", "load mfc42", "load ztcells", "load ztshare",
    "load zttools", "load image", "load lumifex", "load kifo", "load mapu", "load ztspell",
    "load ztbase",
    "dlopen libztwrite.so now",
    "load ztwrite",
    "winmain",
    "free ztwrite", "dlclose libztwrite.so",
    "free ztbase", "free ztspell", "free mapu", "free kifo", "free lumifex", "free image",
    "free zttools", "free ztshare", "free ztcells", "free mfc42", "free COMDLG32.DLL",
    "free COMCTL32.DLL", "free CRTDLL.DLL",
};

}  // namespace

TEST(Launcher, LoadsRunsAndFreesInReverseOrder)
{
    RecordingHost host;
    char tail[] = " letter.zvw";
    EXPECT_EQ(LauncherWinMain(host, tail), 42);
    EXPECT_EQ(host.events, kExpectedEvents);
    // WinMain gets ztwrite's handle (module 14), the tail as given, show 1.
    EXPECT_EQ(host.winMainInstance, (HINSTANCE)(INT_PTR)14);
    EXPECT_EQ(host.winMainCommandLine, " letter.zvw");
    EXPECT_EQ(host.winMainShow, 1);
    EXPECT_EQ(host.console,
              "mfc42 loaded\nztshare\nzttools loaded\n"
              "before winmain()\n, 14C:\\bin\\mfc42.dll"
              "free lib\n");
}

TEST(Launcher, FailedOpenIsReportedAndStartUpGoesOn)
{
    RecordingHost host;
    host.dlopenFails = true;
    char tail[] = "";
    EXPECT_EQ(LauncherWinMain(host, tail), 42);
    EXPECT_NE(host.console.find("zttools loaded\nfailed:libztwrite.so: cannot open shared object file\n"
                                "before winmain()\n"),
              std::string::npos);
    std::vector<std::string> expected = kExpectedEvents;
    expected.erase(std::find(expected.begin(), expected.end(), "dlclose libztwrite.so"));
    EXPECT_EQ(host.events, expected);
}

TEST(Launcher, MissingWinMainCallsNothingAndStillFreesEverything)
{
    RecordingHost host;
    host.hasWinMain = false;
    char tail[] = "x";
    EXPECT_EQ(LauncherWinMain(host, tail), kLauncherNoWinMainExitCode);
    std::vector<std::string> expected = kExpectedEvents;
    expected.erase(std::find(expected.begin(), expected.end(), "winmain"));
    EXPECT_EQ(host.events, expected);
    EXPECT_NE(host.console.find("free lib\n"), std::string::npos);
}

TEST(Launcher, CommandTailDropsOnlyTheFirstBlank)
{
    struct Case { const char* commandLine; const char* tail; };
    const Case cases[] = {
        {"ztrun  file.zvw", " file.zvw"},
        {"ztrun file.zvw", "file.zvw"},
        {"ztrun", ""},
        {"ztrun ", ""},
        {"\"C:\\my dir\\ztrun.exe\" a", "dir\\ztrun.exe\" a"},   // quotes are not special
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(LauncherCommandTail(c.commandLine), c.tail) << c.commandLine;
}

TEST(Launcher, ShowCommandComesFromStartupInfoOnlyWhenFlagged)
{
    STARTUPINFOA startup = {};
    startup.wShowWindow = SW_SHOWMINIMIZED;
    EXPECT_EQ(LauncherShowCommand(startup), 1);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    EXPECT_EQ(LauncherShowCommand(startup), SW_SHOWMINIMIZED);
}
