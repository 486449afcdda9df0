#include "editing/ansi_letters.h"
#include "afxwin.h"

namespace
{
enum : unsigned char
{
    kLetter = 1,
    kDigit = 2,
    kUpper = 4,
    kLower = 8
};

// Classes and case pairs of the 256 bytes, filled on first use (the
// Win32 calls cannot run while the library's statics are built).
struct AnsiTables
{
    unsigned char kind[256];
    unsigned char upper[256];
    unsigned char lower[256];

    AnsiTables()
    {
        for (int c = 0; c < 256; ++c)
        {
            const CHAR ch = (CHAR)c;
            kind[c] = 0;
            if (c != 0 && IsCharAlphaA(ch))
                kind[c] |= kLetter;
            else if (c != 0 && IsCharAlphaNumericA(ch))
                kind[c] |= kDigit;
            if (c != 0 && IsCharUpperA(ch))
                kind[c] |= kUpper;
            if (c != 0 && IsCharLowerA(ch))
                kind[c] |= kLower;
            upper[c] = c ? (unsigned char)(UINT_PTR)CharUpperA((LPSTR)(UINT_PTR)c) : 0;
            lower[c] = c ? (unsigned char)(UINT_PTR)CharLowerA((LPSTR)(UINT_PTR)c) : 0;
        }
    }
};

const AnsiTables& Tables()
{
    static const AnsiTables tables;
    return tables;
}

unsigned char Kind(char c)
{
    return Tables().kind[(unsigned char)c];
}
} // namespace

bool IsAnsiLetter(char c)
{
    return Kind(c) & kLetter;
}

bool IsAnsiLetterOrDigit(char c)
{
    return Kind(c) & (kLetter | kDigit);
}

bool IsAnsiUpper(char c)
{
    return (Kind(c) & (kLetter | kUpper)) == (kLetter | kUpper);
}

bool IsAnsiLower(char c)
{
    return (Kind(c) & (kLetter | kLower)) == (kLetter | kLower);
}

char AnsiUpper(char c)
{
    return (char)Tables().upper[(unsigned char)c];
}

char AnsiLower(char c)
{
    return (char)Tables().lower[(unsigned char)c];
}
