// What the launcher asks of the process: loading and freeing libraries, the
// dynamic loader, console output and the call into WinMain. The real host
// goes to Win32 and libdl; tests hand in a recording host.
#pragma once
#include <windows.h>

class LauncherHost
{
public:
    virtual ~LauncherHost() = default;

    virtual HMODULE LoadLibrary(const char* name) = 0;
    virtual FARPROC GetProcAddress(HMODULE module, const char* name) = 0;
    virtual BOOL FreeLibrary(HMODULE module) = 0;
    virtual DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size) = 0;

    virtual void* DlOpen(const char* file, int mode) = 0;
    virtual int DlClose(void* handle) = 0;
    virtual const char* DlError() = 0;

    virtual void Print(const char* text) = 0;

    // Calls the class library's exported WinMain.
    virtual int CallWinMain(FARPROC winMain, HINSTANCE instance, HINSTANCE previous,
                            LPSTR commandLine, int showCommand) = 0;
};

// The host of a real run.
LauncherHost& ProcessLauncherHost();
