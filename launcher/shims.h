// The runtime-library functions the launcher exports to the libraries it
// loads, and the process-wide entry pointers they forward to. The C names
// are prefixed; ztrun.spec exports them under their plain names.
#pragma once
#include <windows.h>
#include <stddef.h>

extern "C" {

// Entries of the runtime-library DLL (Win32 calling convention), or null.
typedef void (__cdecl *LauncherSplitPathFn)(const char*, char*, char*, char*, char*);
typedef void (__cdecl *LauncherMakePathFn)(char*, const char*, const char*, const char*, const char*);
typedef char* (__cdecl *LauncherFullPathFn)(char*, const char*, size_t);
typedef int (__cdecl *LauncherStricmpFn)(const char*, const char*);
typedef int (__cdecl *LauncherSwprintfFn)(void*, void*, void*);
typedef char* (__cdecl *LauncherItoaFn)(int, char*, int);
typedef char* (__cdecl *LauncherLtoaFn)(LONG, char*, int);

extern LauncherSplitPathFn launcher_splitpath1;
extern LauncherMakePathFn launcher_makepath1;
extern LauncherFullPathFn launcher_fullpath1;
extern LauncherStricmpFn launcher_stricmp1;
extern LauncherSwprintfFn launcher_swprintf1;
extern LauncherItoaFn launcher_itoa1;     // fetched, never called
extern LauncherLtoaFn launcher_ltoa1;
extern FARPROC launcher_winMain;
extern DWORD launcher_createApp;           // exported for the libraries; unused
extern DWORD launcher_deleteApp;

void __cdecl ztrun_tzset(void);
char* __cdecl ztrun_strrev(char* text);
char* __cdecl ztrun_itoa(int value, char* buffer, int radix);
char* __cdecl ztrun_itoa_alias(int value, char* buffer, int radix);
char* __cdecl ztrun_ltoa_decimal(LONG value, char* buffer, int radix);
char* __cdecl ztrun_ltoa(LONG value, char* buffer, int radix);
int __cdecl ztrun_stricmp(const char* a, const char* b);
int __cdecl ztrun_swprintf(void* a, void* b, void* c);
char* __cdecl ztrun_fullpath(char* absPath, const char* relPath, size_t maxLength);
void __cdecl ztrun_splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
void __cdecl ztrun_makepath(char* path, const char* drive, const char* dir, const char* fname, const char* ext);

}
