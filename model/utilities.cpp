// Shared helpers: message boxes, string-table texts, arithmetic, substring
// search, profile and file helpers, screen metrics.
#include "afxwin.h"
#include "model/utilities.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

// ---------------------------------------------------------------------------
// Messages and texts

int MsgBox(int id, unsigned int type)
{
    CString text = GetResourceString(id);
    return MsgBox(id, (const char*)text, type);
}

int MsgBox(int /*id*/, const char* text, unsigned int type)
{
    int result = AfxMessageBox(text ? text : "", type, 0);
    // Clicks and keys typed while the box was up must not reach the
    // document afterwards.
    FlushQueue();
    return result;
}

CString GetResourceString(int id)
{
    CString text;
    if (!text.LoadString((UINT)id))
        text.Empty();
    return text;
}

void FlushQueue()
{
    MSG msg;
    bool quit = false;
    WPARAM quitCode = 0;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            // Swallowing it would leave the application running after it
            // was asked to end.
            quit = true;
            quitCode = msg.wParam;
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (quit)
        ::PostQuitMessage((int)quitCode);
}

// ---------------------------------------------------------------------------
// Arithmetic

int Round(double x)
{
    return (int)floor(x + 0.5);
}

LONG Harmony(LONG a, LONG b, LONG c, LONG d, LONG e)
{
    if (c == a)
        return d;
    // The product of two 32-bit differences can exceed 32 bits; it is formed
    // in 64 bits so that the quotient is right whenever it fits, and the
    // quotient is then cut to 32 bits as the callers' arithmetic expects.
    long long num = ((long long)b - a) * ((long long)e - d);
    long long den = (long long)c - a;
    LONG quotient = (LONG)(num / den);
    return (LONG)(DWORD)((DWORD)quotient + (DWORD)d);
}

double Harmony(double a, double b, double c, double d, double e)
{
    if (c == a)
        return d;
    return (e - d) * (b - a) / (c - a) + d;
}

// ---------------------------------------------------------------------------
// Substring search

// ANSI upper case of every byte, filled on first use (CharUpperA needs the
// process's code page, so not in a static initialiser).
static const BYTE* UpperTable()
{
    static BYTE table[256];
    static bool filled = false;
    if (!filled)
    {
        for (int c = 0; c < 256; c++)
            table[c] = (BYTE)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)c);
        table[0] = 0;
        filled = true;
    }
    return table;
}

static inline bool SameChar(char p, char t, int matchCase, const BYTE* upper)
{
    if (matchCase)
        return p == t;
    return upper[(BYTE)p] == upper[(BYTE)t];
}

int StrFindL(const char* pattern, const char* text, int start, int matchCase)
{
    if (!pattern || !text || !*pattern)
        return -1;
    int length = (int)strlen(text);
    if (start > length)
        return -1;
    if (start < 0)
        start = 0;
    const BYTE* upper = UpperTable();
    int last = (int)strlen(pattern) - 1;
    int i = start;
    int j = 0;
    while (i < length)
    {
        if (SameChar(pattern[j], text[i], matchCase, upper))
        {
            if (j == last)
                return i - j;
            j++;
        }
        else
        {
            // Restart one place after where this attempt began.
            i -= j;
            j = 0;
        }
        i++;
    }
    return -1;
}

int StrFindR(const char* pattern, const char* text, int start, int matchCase)
{
    if (!pattern || !text || !*pattern)
        return -1;
    int length = (int)strlen(text);
    if (start > length)
        start = length;
    const BYTE* upper = UpperTable();
    int last = (int)strlen(pattern) - 1;
    int i = start > 0 ? start - 1 : -1;
    int j = last;
    while (i >= 0)
    {
        if (SameChar(pattern[j], text[i], matchCase, upper))
        {
            if (j == 0)
                return i;
            j--;
        }
        else
        {
            // Restart one place before where this attempt ended.
            i += last - j;
            j = last;
        }
        i--;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Number texts, files and profiles

char* DelZeros(char* number)
{
    if (!number || !strchr(number, '.'))
        return number;
    for (int n = (int)strlen(number) - 1; n >= 0; n--)
    {
        char c = number[n];
        if (c == '0')
        {
            number[n] = 0;
        }
        else if (c == '.')
        {
            if (n == 0)
                strcpy(number, "0");
            else
                number[n] = 0;
            break;
        }
        else
        {
            break;
        }
    }
    return number;
}

int FileExists(const char* name)
{
    if (!name)
        return 0;
    return ::GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

BOOL WritePrivateProfileInt(const char* section, const char* key, int value, const char* file)
{
    char text[16];
    snprintf(text, sizeof(text), "%d", value);
    return ::WritePrivateProfileStringA(section, key, text, file);
}

// ---------------------------------------------------------------------------
// Screen metrics

BYTE IconDx, IconDy;
BYTE ScrollDx, ScrollDy;
BYTE DlgFrmDx, DlgFrmDy;
short ScrDx, ScrDy;
short PixelPerInchX, PixelPerInchY;
ULONGLONG Colors;
CSize ChSize;

void InitSystemMetrics()
{
    IconDx = (BYTE)::GetSystemMetrics(SM_CXICON);
    IconDy = (BYTE)::GetSystemMetrics(SM_CYICON);
    ScrollDx = (BYTE)::GetSystemMetrics(SM_CXVSCROLL);
    ScrollDy = (BYTE)::GetSystemMetrics(SM_CYHSCROLL);
    DlgFrmDx = (BYTE)::GetSystemMetrics(SM_CXDLGFRAME);
    DlgFrmDy = (BYTE)::GetSystemMetrics(SM_CYDLGFRAME);
    ScrDx = (short)::GetSystemMetrics(SM_CXSCREEN);
    ScrDy = (short)::GetSystemMetrics(SM_CYSCREEN);

    HDC hdc = ::GetDC(nullptr);
    if (!hdc)
        return;
    PixelPerInchX = (short)::GetDeviceCaps(hdc, LOGPIXELSX);
    PixelPerInchY = (short)::GetDeviceCaps(hdc, LOGPIXELSY);
    // True-colour screens have 32 bits per pixel, whose count does not fit
    // in 32 bits; anything deeper than 63 bits is capped.
    int bits = ::GetDeviceCaps(hdc, BITSPIXEL) * ::GetDeviceCaps(hdc, PLANES);
    if (bits > 63)
        bits = 63;
    Colors = bits > 0 ? (1ULL << bits) : 0;
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(hdc, "H", 1, &extent);
    ChSize = CSize(extent);
    ::ReleaseDC(nullptr, hdc);
}
