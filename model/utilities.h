// Small free helpers used all over the word processor: message boxes and
// string-table texts, rounding and interpolation, substring search, profile
// and file helpers, and the screen metrics read once at start-up.
#pragma once
#include "afxwin.h"

// Shows string `id` of the string table in a message box, then empties the
// message queue; answers the box's result. An id the table lacks shows an
// empty box.
int MsgBox(int id, unsigned int type = MB_OK);
// Shows `text` the same way; `id` is not used.
int MsgBox(int id, const char* text, unsigned int type);

// String `id` of the string table, empty when there is none.
CString GetResourceString(int id);

// Takes every waiting message off this thread's queue, translating and
// dispatching each. A quit request found on the way is posted again so the
// message loop still sees it.
void FlushQueue();

// floor(x + 0.5): halves round up, also below zero (-2.5 gives -2).
int Round(double x);

// The value at b of the line through (a, d) and (c, e): (b - a)(e - d)/(c - a)
// + d. The integer form works in 32 bits with the quotient truncated
// towards zero. When c equals a the line is undefined and d is answered.
LONG Harmony(LONG a, LONG b, LONG c, LONG d, LONG e);
double Harmony(double a, double b, double c, double d, double e);

// Index in text of the first occurrence of pattern that begins at or after
// start, or -1. matchCase 0 compares after ANSI upper-casing.
int StrFindL(const char* pattern, const char* text, int start, int matchCase);
// Index in text of the last occurrence of pattern that ends before start,
// or -1.
int StrFindR(const char* pattern, const char* text, int start, int matchCase);

// Cuts trailing zeros after a decimal point, and the point when nothing
// is left after it (".000" becomes "0"); answers its argument.
char* DelZeros(char* number);

// 1 when a file (or folder) of that name exists, 0 otherwise or for null.
int FileExists(const char* name);

// Writes value as decimal text under section/key of the profile file.
BOOL WritePrivateProfileInt(const char* section, const char* key, int value, const char* file);

// Screen metrics filled by InitSystemMetrics; kept for the shell, which
// may read them, though nothing does today.
extern BYTE IconDx, IconDy;        // icon size
extern BYTE ScrollDx, ScrollDy;    // vertical scroll-bar width, horizontal one's height
extern BYTE DlgFrmDx, DlgFrmDy;    // dialog frame sizes
extern short ScrDx, ScrDy;         // screen size in pixels
extern short PixelPerInchX, PixelPerInchY;
extern ULONGLONG Colors;           // 2 to the power of bits per pixel times planes
extern CSize ChSize;               // extent of "H" in the screen's font
void InitSystemMetrics();
