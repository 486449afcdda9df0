// Splitting a path into drive, folder, name and extension and joining them
// again, as the runtime library's _splitpath and _makepath do.
#pragma once
#include <stdio.h>
#include "afxwin.h"

struct PathParts
{
    char drive[MAX_PATH];
    char dir[MAX_PATH];
    char name[MAX_PATH];
    char ext[MAX_PATH];   // with its dot, as the runtime library gives it
};

// FALSE for a null path or one of MAX_PATH characters or more.
BOOL SplitPath(const char* path, PathParts& parts);
CString MakePath(const char* drive, const char* dir, const char* name, const char* ext);
// The runtime library's stricmp: texts compared without regard to case;
// 0 when neither the launcher nor the runtime library has it.
int RuntimeStricmp(const char* a, const char* b);
// A path of the Win32 layer opened for reading by the C library, which knows
// only the host's paths; null when the path is empty or cannot be opened.
FILE* OpenForReading(const char* path);
