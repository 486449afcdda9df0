// Tri-state values (a value or "not defined") shared by paragraph styles,
// tab stops and list levels, with their stored forms, current and older.
#pragma once
#include "afx.h"
#include "model/style_io.h"

// A 16-bit value with a defined flag. Stored as 4 bytes: value, flag, 0.
struct Gint
{
    short value = 0;
    unsigned char defined = 0;   // 0: undefined

    Gint() = default;
    Gint(short v, unsigned char def = 1) : value(v), defined(def) {}

    bool IsDefined() const { return defined != 0; }
    // Value and flag together: an undefined value still counts.
    bool operator==(const Gint& o) const { return value == o.value && defined == o.defined; }
    bool operator!=(const Gint& o) const { return !(*this == o); }

    // Takes over src when src is defined.
    void Upgrade(const Gint& src)
    {
        if (src.defined)
            *this = src;
    }
    // Where the values differ the result is undefined (the value stays).
    void Combine(const Gint& src)
    {
        if (value != src.value)
            defined = 0;
    }

    void SaveZVW(CArchive& ar) const { ar << value << (BYTE)defined << (BYTE)0; }
    void OpenZVW(CArchive& ar)
    {
        BYTE def, pad;
        ar >> value >> def >> pad;
        defined = def;
    }
};

// A float with a defined flag. Stored as 8 bytes: value, flag, three zeros.
struct Gfloat
{
    float value = 0.0f;
    unsigned char defined = 0;

    Gfloat() = default;
    Gfloat(float v, unsigned char def = 1) : value(v), defined(def) {}

    bool IsDefined() const { return defined != 0; }
    bool operator==(const Gfloat& o) const { return value == o.value && defined == o.defined; }
    bool operator!=(const Gfloat& o) const { return !(*this == o); }

    void Upgrade(const Gfloat& src)
    {
        if (src.defined)
            *this = src;
    }
    void Combine(const Gfloat& src)
    {
        if (value != src.value)
            defined = 0;
    }

    void SaveZVW(CArchive& ar) const { ar << value << (BYTE)defined << (BYTE)0 << (BYTE)0 << (BYTE)0; }
    void OpenZVW(CArchive& ar)
    {
        BYTE def;
        ar >> value >> def;
        SkipBytes(ar, 3);
        defined = def;
    }
};

// The packed forms of older documents: 3 bytes (i16, flag) and 5 bytes
// (f32, flag). Read only.
struct _Gint
{
    short value = 0;
    unsigned char defined = 0;
    void OpenZVW(CArchive& ar)
    {
        BYTE def;
        ar >> value >> def;
        defined = def;
    }
};

struct _Gfloat
{
    float value = 0.0f;
    unsigned char defined = 0;
    void OpenZVW(CArchive& ar)
    {
        BYTE def;
        ar >> value >> def;
        defined = def;
    }
};

inline void Eq(Gint& to, const _Gint& from)
{
    to.value = from.value;
    to.defined = from.defined;
}

inline void Eq(Gfloat& to, const _Gfloat& from)
{
    to.value = from.value;
    to.defined = from.defined;
}

// Stored sizes.
constexpr int kGintStoredSize = 4;
constexpr int kGfloatStoredSize = 8;
constexpr int kOldGintStoredSize = 3;
constexpr int kOldGfloatStoredSize = 5;
