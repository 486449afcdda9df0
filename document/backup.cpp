// The backup copy of a document's file, made before it is saved over: the
// same path with the extension "ztk".
#include "document/CWDocument.h"
#include <string.h>

namespace
{
typedef void(__cdecl* SplitPathFn)(const char*, char*, char*, char*, char*);
typedef void(__cdecl* MakePathFn)(char*, const char*, const char*, const char*, const char*);
const char kBackupExtension[] = "ztk";
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

CString BackupPathOf(LPCSTR path)
{
    SplitPathFn split = (SplitPathFn)PathFunction("_splitpath");
    MakePathFn make = (MakePathFn)PathFunction("_makepath");
    if (!split || !make || !path || strlen(path) >= MAX_PATH)
        return CString();
    char drive[MAX_PATH], dir[MAX_PATH], name[MAX_PATH], ext[MAX_PATH];
    split(path, drive, dir, name, ext);
    char backup[MAX_PATH * 2];
    make(backup, drive, dir, name, kBackupExtension);
    return CString(backup);
}

int CWDocument::Backup()
{
    const CString& path = GetPathName();
    const CString backup = BackupPathOf(path);
    // A backup document is saved without a backup of itself; the copy's
    // failure does not stop the save.
    if (!backup.IsEmpty() && strcmp(backup, path) != 0)
        CopyFileA(path, backup, FALSE);
    return 1;
}
