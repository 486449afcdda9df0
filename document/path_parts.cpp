#include "document/path_parts.h"
#include <string.h>

namespace
{
typedef void(__cdecl* SplitPathFn)(const char*, char*, char*, char*, char*);
typedef void(__cdecl* MakePathFn)(char*, const char*, const char*, const char*, const char*);
const char kRuntimeLibrary[] = "msvcrt.dll";

// The launcher exports the runtime library's path functions to what it
// loads; a program started without it (the test programs) has no such
// exports, so the runtime library's own are taken. Looked up when needed:
// importing them from the launcher would leave the library unloadable
// anywhere else.
FARPROC PathFunction(const char* name)
{
    FARPROC f = GetProcAddress(GetModuleHandleA(NULL), name);
    if (f)
        return f;
    HMODULE runtime = GetModuleHandleA(kRuntimeLibrary);
    if (!runtime)
        runtime = LoadLibraryA(kRuntimeLibrary);
    return runtime ? GetProcAddress(runtime, name) : NULL;
}
} // namespace

BOOL SplitPath(const char* path, PathParts& parts)
{
    SplitPathFn split = (SplitPathFn)PathFunction("_splitpath");
    if (!split || !path || strlen(path) >= MAX_PATH)
        return FALSE;
    split(path, parts.drive, parts.dir, parts.name, parts.ext);
    return TRUE;
}

CString MakePath(const char* drive, const char* dir, const char* name, const char* ext)
{
    MakePathFn make = (MakePathFn)PathFunction("_makepath");
    if (!make)
        return CString();
    char path[MAX_PATH * 4];
    make(path, drive, dir, name, ext);
    return CString(path);
}

int RuntimeStricmp(const char* a, const char* b)
{
    typedef int(__cdecl * StricmpFn)(const char*, const char*);
    StricmpFn compare = (StricmpFn)GetProcAddress(GetModuleHandleA(NULL), "stricmp");
    if (!compare)
        compare = (StricmpFn)PathFunction("_stricmp");
    return compare && a && b ? compare(a, b) : 0;
}

FILE* OpenForReading(const char* path)
{
    WCHAR wide[MAX_PATH];
    if (!path || !*path || !MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH))
        return NULL;
    char* host = wine_get_unix_file_name(wide);
    if (!host)
        return NULL;
    FILE* file = fopen(host, "rb");
    HeapFree(GetProcessHeap(), 0, host);
    return file;
}
