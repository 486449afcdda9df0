// The launcher's run, step by step. Only two things are checked: the
// dynamic-loader open of the word processor (reported, then start-up goes
// on) and the presence of WinMain.
#include "launcher/launcher.h"
#include "launcher/shims.h"
#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

const char* const kLauncherLibraries[12] = {
    "COMCTL32.DLL", "COMDLG32.DLL", "mfc42", "ztcells", "ztshare", "zttools",
    "image", "lumifex", "kifo", "mapu", "ztspell", "ztbase",
};

const char* LauncherCommandTail(const char* commandLine)
{
    const char* p = commandLine;
    while (*p && *p != ' ')
        ++p;
    if (*p == ' ')
        ++p;
    return p;
}

int LauncherShowCommand(const STARTUPINFOA& startup)
{
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : 1;
}

static void FetchRuntimeEntries(LauncherHost& host, HMODULE runtime)
{
    launcher_splitpath1 = (LauncherSplitPathFn)host.GetProcAddress(runtime, "_splitpath");
    launcher_makepath1 = (LauncherMakePathFn)host.GetProcAddress(runtime, "_makepath");
    launcher_fullpath1 = (LauncherFullPathFn)host.GetProcAddress(runtime, "_fullpath");
    launcher_stricmp1 = (LauncherStricmpFn)host.GetProcAddress(runtime, "_stricmp");
    launcher_swprintf1 = (LauncherSwprintfFn)host.GetProcAddress(runtime, "swprintf");
    launcher_itoa1 = (LauncherItoaFn)host.GetProcAddress(runtime, "_itoa");
    launcher_ltoa1 = (LauncherLtoaFn)host.GetProcAddress(runtime, "_ltoa");
}

// Console lines printed right after some libraries are loaded.
static const char* LoadedMessage(const char* library)
{
    if (strcmp(library, "mfc42") == 0)
        return "mfc42 loaded\n";
    if (strcmp(library, "ztshare") == 0)
        return "ztshare\n";
    if (strcmp(library, "zttools") == 0)
        return "zttools loaded\n";
    return nullptr;
}

int LauncherWinMain(LauncherHost& host, LPSTR commandTail)
{
    HMODULE runtime = host.LoadLibrary("CRTDLL.DLL");
    FetchRuntimeEntries(host, runtime);

    HMODULE libraries[12];
    for (int i = 0; i < 12; ++i)
    {
        libraries[i] = host.LoadLibrary(kLauncherLibraries[i]);
        if (const char* message = LoadedMessage(kLauncherLibraries[i]))
            host.Print(message);
    }

    char line[600];
    void* wordProcessor = host.DlOpen("libztwrite.so", RTLD_NOW);
    if (!wordProcessor)
    {
        const char* error = host.DlError();
        snprintf(line, sizeof(line), "failed:%s\n", error ? error : "");
        host.Print(line);
    }

    HMODULE ztwrite = host.LoadLibrary("ztwrite");
    snprintf(line, sizeof(line), "before winmain()\n, %d", (int)(INT_PTR)ztwrite);
    host.Print(line);

    char moduleName[100] = "";
    host.GetModuleFileName(libraries[2], moduleName, 100);
    moduleName[99] = 0;
    snprintf(line, sizeof(line), "%s", moduleName);
    host.Print(line);

    int result = kLauncherNoWinMainExitCode;
    launcher_winMain = host.GetProcAddress(libraries[2], "WinMain");
    if (launcher_winMain)
        result = host.CallWinMain(launcher_winMain, ztwrite, nullptr, commandTail, 1);

    host.Print("free lib\n");
    host.FreeLibrary(ztwrite);
    if (wordProcessor)
        host.DlClose(wordProcessor);
    for (int i = 11; i >= 0; --i)
        host.FreeLibrary(libraries[i]);
    host.FreeLibrary(runtime);
    return result;
}
