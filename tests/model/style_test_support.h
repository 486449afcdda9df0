// Helpers of the style record tests: fixtures of stored records written
// byte by byte, and numbers read back from stored bytes.
#pragma once
#include "afx.h"
#include "tests/support/archive_bytes.h"
#include <string.h>

namespace style_tests {

// Little-endian fixture writer.
struct Fixture
{
    Bytes b;
    Fixture& u8(int v) { b.push_back((BYTE)v); return *this; }
    Fixture& i16(int v) { u8(v & 0xFF); return u8((v >> 8) & 0xFF); }
    Fixture& i32(long long v) { i16((int)(v & 0xFFFF)); return i16((int)((v >> 16) & 0xFFFF)); }
    Fixture& f32(float f)
    {
        DWORD d;
        memcpy(&d, &f, 4);
        return i32(d);
    }
    // A text field of n bytes, zero-padded.
    Fixture& text(const char* s, size_t n)
    {
        size_t len = strlen(s);
        for (size_t i = 0; i < n; i++)
            u8(i < len ? (BYTE)s[i] : 0);
        return *this;
    }
    Fixture& zeros(size_t n)
    {
        for (size_t i = 0; i < n; i++)
            u8(0);
        return *this;
    }
    Fixture& add(const Bytes& more)
    {
        b.insert(b.end(), more.begin(), more.end());
        return *this;
    }
};

inline int ReadI16(const Bytes& b, size_t at) { return (short)(b[at] | (b[at + 1] << 8)); }
inline long ReadI32(const Bytes& b, size_t at)
{
    return (LONG)((DWORD)b[at] | ((DWORD)b[at + 1] << 8) | ((DWORD)b[at + 2] << 16) | ((DWORD)b[at + 3] << 24));
}

} // namespace style_tests
