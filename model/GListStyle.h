// GSequence, GLevelStyle and GListStyle: bulleted and numbered list styles
// of up to nine levels; kept in a style table, used by list-number fields.
#pragma once
#include "afx.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"

// The label of a list level: a numbering kind or a bullet character.
struct GSequence
{
    enum
    {
        kNone = 0,
        kArabic = 1,
        kLower = 2,        // a, b, c
        kUpper = 3,        // A, B, C
        kLowerRoman = 4,
        kUpperRoman = 5,
        kOrdinal = 6,      // 1st, 2nd
        kOrdinalWord = 7,  // FIRST, SECOND
        kCardinalWord = 8, // ONE, TWO
        kBullet = 9
    };
    static constexpr unsigned char kDefaultBullet = 183;

    unsigned char kind = kBullet;
    unsigned char bullet = kDefaultBullet;

    bool IsBullet() const { return kind > kCardinalWord; }
    bool IsNumber() const { return kind >= kArabic && kind <= kCardinalWord; }
    bool operator==(const GSequence& o) const { return kind == o.kind && bullet == o.bullet; }
    bool operator!=(const GSequence& o) const { return !(*this == o); }

    // The label of number n; text must hold 64 characters.
    char* Nth(int n, char* text) const;
    // The same in one shared buffer that the next call overwrites.
    const char* Nth(int n) const;
};

// The packed level record of older documents (174 bytes). Read only.
struct _GLevelStyle
{
    _GFontStyle font;
    _GParaStyle para;
    char prefix[16] = {};
    char suffix[16] = {};
    unsigned char kind = 0;
    short start = 0;
    short step = 0;
    unsigned char includeUpper = 0;
    unsigned char alignment = 1;   // stored one higher than the current one
    short box = 0;
    short gap = 0;

    void OpenZVW(CArchive& ar);
};

class GLevelStyle
{
public:
    enum { kLabelLeft = 0, kLabelCentre = 1, kLabelRight = 2 };
    static constexpr int kTextSize = 16;
    static constexpr short kUndefined = -1;
    static constexpr unsigned char kUpperUndefined = 2;

    // A bullet (183) level starting at 1 by 1, its font undefined.
    GLevelStyle();
    GLevelStyle(unsigned char kind, int level);
    // Sets up level 1..9 for a numbering kind (1..8) or a bullet character
    // (9 and above).
    void Init(unsigned char kind, int level);

    GLevelStyle& operator=(const GLevelStyle& src);
    GLevelStyle(const GLevelStyle& src) { *this = src; }
    // Font, para, prefix, suffix and sequence; the numbering values and the
    // label box are not compared.
    bool operator==(const GLevelStyle& o) const;
    bool operator!=(const GLevelStyle& o) const { return !(*this == o); }

    void Upgrade(const GLevelStyle& src);
    void Combine(const GLevelStyle& src);

    // 236 bytes; older documents 174.
    void OpenZVW(CArchive& ar);
    void OpenOldZVW(CArchive& ar);
    void SaveZVW(CArchive& ar) const;

    GFontStyle m_Font;
    GParaStyle m_Para;
    char m_Prefix[kTextSize];
    char m_Suffix[kTextSize];
    GSequence m_Seq;
    short m_Start;
    short m_Step;
    unsigned char m_IncludeUpper;   // 1: the labels of the upper levels come first
    unsigned char m_Align;          // kLabelLeft, kLabelCentre, kLabelRight
    short m_Width;                  // label box, 0.1 mm
    short m_Gap;                    // free part of the box after the label
    short m_Value10;                // always 10
    short m_Value0;                 // always 0
};

void Eq(GLevelStyle& to, const _GLevelStyle& from);

class GListStyle
{
public:
    static constexpr int kLevels = 9;

    GListStyle() = default;
    explicit GListStyle(unsigned char kind);
    GListStyle(unsigned char k1, unsigned char k2, unsigned char k3, unsigned char k4, unsigned char k5,
               unsigned char k6, unsigned char k7, unsigned char k8, unsigned char k9);

    bool operator==(const GListStyle& o) const;
    bool operator!=(const GListStyle& o) const { return !(*this == o); }

    // Level 1..9.
    GLevelStyle& Level(int level) { return m_Levels[level - 1]; }
    const GLevelStyle& Level(int level) const { return m_Levels[level - 1]; }

    // One bullet on every level, without prefix or suffix.
    bool IsBullet() const;
    bool IsNumber() const { return !IsBullet(); }

    // Appends the label of a level (1-based), preceded by the upper levels'
    // labels where the level includes them (or always when all is set).
    void GetPreview(int level, char* text, int all) const;
    // The same in a shared 32-byte buffer, at most 31 characters.
    const char* GetPreview(int level, int all) const;
    // The label of level 1 within 7 characters.
    void GetLabel(char* text) const;

    void InUndoBuf();
    void OutUndoBuf();

    // Nine levels, level 1 first: 2,124 bytes.
    void OpenZVW(CArchive& ar);
    void OpenOldZVW(CArchive& ar);
    void SaveZVW(CArchive& ar) const;

    GLevelStyle m_Levels[kLevels];
};

constexpr int kGLevelStyleStoredSize = 236;
constexpr int kOldGLevelStyleStoredSize = 174;
constexpr int kGListStyleStoredSize = 9 * kGLevelStyleStoredSize;
constexpr int kListLabelMax = 7;
