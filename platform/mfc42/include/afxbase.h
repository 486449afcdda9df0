// Common ground of the class-library layer: the Win32 headers, the small
// macros every class uses, and the diagnostic helpers.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <stddef.h>
#include <stdarg.h>
#include <string.h>

#define AFXAPI
#define AFX_CDECL
#define AFX_INLINE inline
#define AFX_DATA
#define AFX_EXT_CLASS
#define AFX_NOVTABLE

#ifndef _countof
#define _countof(a) (sizeof(a) / sizeof((a)[0]))
#endif

// Diagnostics: ASSERT is active in debug builds only, like the class
// library's; TRACE goes to the debugger channel (WINEDEBUG=warn+debugstr).
void AFXAPI AfxAssertFailedLine(const char* file, int line);
void AFX_CDECL AfxTrace(const char* format, ...);

#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#else
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#endif
#define ASSERT_VALID(p) ((void)0)
#define TRACE AfxTrace
#define TRACE0(s) AfxTrace("%s", s)

// Opaque iteration handle of the list and map collections.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)
