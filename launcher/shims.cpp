// The exported runtime-library shims. Most forward to the runtime-library
// DLL's entries fetched at start-up and degrade quietly when one is missing.
#include "launcher/shims.h"
#include <stdio.h>
#include <string.h>
#include <time.h>

extern "C" {

LauncherSplitPathFn launcher_splitpath1 = nullptr;
LauncherMakePathFn launcher_makepath1 = nullptr;
LauncherFullPathFn launcher_fullpath1 = nullptr;
LauncherStricmpFn launcher_stricmp1 = nullptr;
LauncherSwprintfFn launcher_swprintf1 = nullptr;
LauncherItoaFn launcher_itoa1 = nullptr;
LauncherLtoaFn launcher_ltoa1 = nullptr;
FARPROC launcher_winMain = nullptr;
DWORD launcher_createApp = 0;
DWORD launcher_deleteApp = 0;

void __cdecl ztrun_tzset(void)
{
    tzset();
}

char* __cdecl ztrun_strrev(char* text)
{
    size_t n = strlen(text);
    for (size_t i = 0; i < n / 2; ++i)
    {
        char c = text[i];
        text[i] = text[n - 1 - i];
        text[n - 1 - i] = c;
    }
    return text;
}

// Always decimal: the radix is ignored, as the libraries have relied on.
char* __cdecl ztrun_itoa(int value, char* buffer, int)
{
    sprintf(buffer, "%d", value);
    return buffer;
}

char* __cdecl ztrun_itoa_alias(int value, char* buffer, int radix)
{
    return ztrun_itoa(value, buffer, radix);
}

char* __cdecl ztrun_ltoa_decimal(LONG value, char* buffer, int radix)
{
    return ztrun_itoa(value, buffer, radix);
}

// Honours the radix through the runtime library; refuses to call an entry
// that is this very function, which would recurse without end.
char* __cdecl ztrun_ltoa(LONG value, char* buffer, int radix)
{
    if (launcher_ltoa1 && launcher_ltoa1 != &ztrun_ltoa)
        return launcher_ltoa1(value, buffer, radix);
    return nullptr;
}

int __cdecl ztrun_stricmp(const char* a, const char* b)
{
    return launcher_stricmp1 ? launcher_stricmp1(a, b) : 0;
}

int __cdecl ztrun_swprintf(void* a, void* b, void* c)
{
    return launcher_swprintf1 ? launcher_swprintf1(a, b, c) : 0;
}

char* __cdecl ztrun_fullpath(char* absPath, const char* relPath, size_t maxLength)
{
    return launcher_fullpath1 ? launcher_fullpath1(absPath, relPath, maxLength) : nullptr;
}

void __cdecl ztrun_splitpath(const char* path, char* drive, char* dir, char* fname, char* ext)
{
    if (launcher_splitpath1)
        launcher_splitpath1(path, drive, dir, fname, ext);
}

void __cdecl ztrun_makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext)
{
    if (launcher_makepath1)
        launcher_makepath1(path, drive, dir, fname, ext);
}

}
