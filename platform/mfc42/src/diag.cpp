// Diagnostics: TRACE output to the debugger channel and failed assertions.
#include "afxbase.h"
#include <stdio.h>
#include <stdlib.h>

void AFX_CDECL AfxTrace(const char* format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof(buffer), format, args);
    va_end(args);
    OutputDebugStringA(buffer);
}

void AFXAPI AfxAssertFailedLine(const char* file, int line)
{
    fprintf(stderr, "assertion failed: %s(%d)\n", file, line);
    fflush(stderr);
    abort();
}
