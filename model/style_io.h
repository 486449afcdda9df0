// Small helpers the style records use to read and write fixed-size byte
// fields of their stored forms; used by every style record's reader.
#pragma once
#include "afx.h"

// Reads exactly n bytes; a stream that ends first is a damaged file.
inline void ReadBytes(CArchive& ar, void* buffer, UINT n)
{
    if (ar.Read(buffer, n) != n)
        AfxThrowArchiveException(CArchiveException::endOfFile);
}

// Reserved bytes of a stored form: read and dropped.
inline void SkipBytes(CArchive& ar, UINT n)
{
    BYTE scratch[16];
    while (n > 0)
    {
        UINT chunk = n < sizeof(scratch) ? n : (UINT)sizeof(scratch);
        ReadBytes(ar, scratch, chunk);
        n -= chunk;
    }
}

// Reserved bytes of a stored form: written as zeros.
inline void WriteZeros(CArchive& ar, UINT n)
{
    for (UINT i = 0; i < n; i++)
        ar << (BYTE)0;
}

// A fixed-size text field of n bytes. Reading always leaves a terminated
// string: a field that fills all n bytes is cut at n - 1 characters.
inline void ReadText(CArchive& ar, char* text, UINT n)
{
    ReadBytes(ar, text, n);
    text[n - 1] = 0;
}

// Writes the text and pads the field with zeros (nothing after the
// terminator leaks into the file).
inline void WriteText(CArchive& ar, const char* text, UINT n)
{
    UINT len = (UINT)strnlen(text, n - 1);
    ar.Write(text, len);
    WriteZeros(ar, n - len);
}

// Case-insensitive comparison of names (ASCII letters), 0 when equal.
inline int StyleNameCompare(const char* a, const char* b)
{
    for (;; a++, b++)
    {
        int ca = (unsigned char)*a, cb = (unsigned char)*b;
        if (ca >= 'A' && ca <= 'Z')
            ca += 'a' - 'A';
        if (cb >= 'A' && cb <= 'Z')
            cb += 'a' - 'A';
        if (ca != cb)
            return ca - cb;
        if (ca == 0)
            return 0;
    }
}
