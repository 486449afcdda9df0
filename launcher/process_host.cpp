// The real launcher host: Win32 module loading, libdl and the console.
#include "launcher/launcher_host.h"
#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

namespace {

class ProcessHost : public LauncherHost
{
public:
    HMODULE LoadLibrary(const char* name) override
    {
        HMODULE module = ::LoadLibraryA(name);
        // Wine 8 finds a Winelib DLL of ours by its bare name only once it
        // is loaded; the first load goes by its file name beside ztrun.
        if (!module && !strchr(name, '.'))
        {
            char fileName[MAX_PATH];
            snprintf(fileName, sizeof(fileName), "%s.dll.so", name);
            module = ::LoadLibraryA(fileName);
        }
        return module;
    }

    FARPROC GetProcAddress(HMODULE module, const char* name) override
    {
        return module ? ::GetProcAddress(module, name) : nullptr;
    }

    BOOL FreeLibrary(HMODULE module) override
    {
        return module ? ::FreeLibrary(module) : FALSE;
    }

    DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size) override
    {
        return ::GetModuleFileNameA(module, buffer, size);
    }

    void* DlOpen(const char* file, int mode) override { return dlopen(file, mode); }
    int DlClose(void* handle) override { return dlclose(handle); }
    const char* DlError() override { return dlerror(); }

    void Print(const char* text) override
    {
        fputs(text, stdout);
        fflush(stdout);
    }

    int CallWinMain(FARPROC winMain, HINSTANCE instance, HINSTANCE previous,
                    LPSTR commandLine, int showCommand) override
    {
        typedef int (WINAPI *WinMainFn)(HINSTANCE, HINSTANCE, LPSTR, int);
        return ((WinMainFn)winMain)(instance, previous, commandLine, showCommand);
    }
};

}  // namespace

LauncherHost& ProcessLauncherHost()
{
    static ProcessHost host;
    return host;
}
