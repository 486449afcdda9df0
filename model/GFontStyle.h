// GFontStyle: the character style of the model (face, size, colour,
// attribute bits, character set, each possibly undefined) with its cached
// fonts; used by style tables, list levels, format runs and layout.
#pragma once
#include "afxwin.h"

// The packed record of older documents (44 bytes). Read only.
struct _GFontStyle
{
    char face[32] = {};
    short size = 0;
    DWORD colour = 0;
    unsigned short attributes = 0;
    unsigned short mask = 0;
    short ascent = 0;

    void OpenZVW(CArchive& ar);
};

class GFontStyle
{
public:
    // Attribute bits; the defined mask uses the same values.
    enum
    {
        kBold = 0x01,
        kItalic = 0x02,
        kUnderline = 0x04,
        kStrikeout = 0x08,
        kSuperscript = 0x10,
        kSubscript = 0x20,
        kSmallCaps = 0x40
    };
    static constexpr int kUndefinedSize = -1;
    static constexpr unsigned long kUndefinedColour = 0x80000000;
    static constexpr unsigned char kMixedCharSet = 255;
    static constexpr unsigned char kDefaultCharSet = 1;   // DEFAULT_CHARSET
    static constexpr int kFaceSize = 32;

    GFontStyle();
    GFontStyle(const char* face, int size, unsigned long colour, short attributes, short mask);
    GFontStyle(const GFontStyle& src);
    ~GFontStyle();

    // Copies every stored field and the cached metrics; the fonts are not
    // shared: the target drops its own and builds new ones when needed.
    GFontStyle& operator=(const GFontStyle& src);
    // Face (ignoring case), size, colour, attributes with mask, charset.
    bool operator==(const GFontStyle& src) const;
    bool operator!=(const GFontStyle& src) const { return !(*this == src); }

    // Everything undefined.
    void Reset();
    // Face, size, colour and the four basic attributes are all defined.
    bool IsAllDefined() const;

    // value 0 or 1 defines the attribute; above 1 makes it undefined.
    void SetAttr(short bit, unsigned char value);
    // 0 or 1, or 2 when undefined.
    unsigned char GetAttr(short bit) const;

    unsigned char GetCharSet() const { return m_CharSet; }
    void SetCharSet(unsigned char charset);

    // The font at the style's size, built when first needed; null when the
    // style has no face or size, or the font cannot be made.
    CFont* GetFont() const;
    CFont* GetFont(long) const { return GetFont(); }
    // The font at ten times the size, for measuring in finer units.
    CFont* GetFont10() const;
    // Builds the font at the style's size (dropping the cached one) and
    // caches its metrics. 255 keeps the stored character set.
    CFont* CreateFontA(unsigned char charset) const;

    // this = src, with what src leaves undefined taken from deflt; then the
    // font is built.
    void MergeFonts(const GFontStyle& src, const GFontStyle* deflt);

    // A copy parked in an undo record keeps no fonts.
    void InUndoBuf() { DeleteFonts(); }
    void OutUndoBuf() { DeleteFonts(); }

    // Lays src's defined values over this style.
    void Upgrade(const GFontStyle& src);
    // Keeps what both styles have in common; the rest becomes undefined.
    void Combine(const GFontStyle& src);

    // 52 bytes; older documents 44.
    void OpenZVW(CArchive& ar);
    void OpenOldZVW(CArchive& ar);
    void SaveZVW(CArchive& ar) const;

    // Accessors of the stored fields.
    const char* GetFace() const { return m_Face; }
    void SetFace(const char* face);
    int GetSize() const { return m_Size; }
    void SetSize(int size);
    unsigned long GetColour() const { return m_Colour; }
    void SetColour(unsigned long colour) { m_Colour = colour; }
    unsigned short GetAttributes() const { return m_Attr; }
    unsigned short GetMask() const { return m_Mask; }
    short GetAscent() const { return m_Ascent; }
    short GetDescent() const { return m_Descent; }
    // Vertical shift of the drawn text in the font's units: negative raises
    // superscript, positive lowers subscript; 0 for plain text.
    int GetBaselineOffset() const { return m_Offset; }
    // The height the font is built with: reduced for superscript and
    // subscript, else the size.
    static int DrawnSize(int size, unsigned short attributes);
    bool HasFont() const { return m_pFont != nullptr; }
    bool HasFont10() const { return m_pFont10 != nullptr; }

    friend void Eq(GFontStyle& to, const _GFontStyle& from);

    // Fields in the order of the record.
    char m_Face[kFaceSize];
    int m_Size;
    COLORREF m_Colour;
    unsigned short m_Attr;
    unsigned short m_Mask;
    mutable short m_Ascent;
    short m_Reserved;
    mutable int m_Offset;
    mutable CFont* m_pFont;
    mutable CFont* m_pFont10;
    mutable short m_Descent;
    mutable short m_Reserved2;
    mutable unsigned char m_CharSet;

    // What the style sets, as the style dialogs show it (model/style_descriptions.cpp).
    CString GetDescription() const;

private:
    void DeleteFonts() const;
    // Builds a font of the given height for this style's face, attributes
    // and stored charset, and caches the metrics; null when it fails.
    CFont* BuildFont(int size) const;
};

void Eq(GFontStyle& to, const _GFontStyle& from);

constexpr int kGFontStyleStoredSize = 52;
constexpr int kOldGFontStyleStoredSize = 44;
