// Character styles: construction, comparison, the tri-state attributes,
// Upgrade and Combine, and the stored forms.
#include "afxwin.h"
#include "model/GFontStyle.h"
#include "model/style_io.h"

GFontStyle::GFontStyle()
    : m_pFont(nullptr), m_pFont10(nullptr)
{
    m_Ascent = m_Reserved = m_Descent = m_Reserved2 = 0;
    m_Offset = 0;
    Reset();
}

GFontStyle::GFontStyle(const char* face, int size, unsigned long colour, short attributes, short mask)
    : m_Size(size), m_Colour((COLORREF)colour), m_Attr((unsigned short)attributes),
      m_Mask((unsigned short)mask), m_Ascent(0), m_Reserved(0), m_Offset(0), m_pFont(nullptr),
      m_pFont10(nullptr), m_Descent(0), m_Reserved2(0), m_CharSet(0)
{
    memset(m_Face, 0, sizeof(m_Face));
    if (face)
        lstrcpynA(m_Face, face, kFaceSize);
}

GFontStyle::GFontStyle(const GFontStyle& src)
    : m_Size(src.m_Size), m_Colour(src.m_Colour), m_Attr(src.m_Attr), m_Mask(src.m_Mask),
      m_Ascent(0), m_Reserved(0), m_Offset(0), m_pFont(nullptr), m_pFont10(nullptr), m_Descent(0),
      m_Reserved2(0), m_CharSet(src.m_CharSet)
{
    memcpy(m_Face, src.m_Face, sizeof(m_Face));
}

GFontStyle::~GFontStyle()
{
    DeleteFonts();
}

GFontStyle& GFontStyle::operator=(const GFontStyle& src)
{
    if (this == &src)
        return *this;
    DeleteFonts();
    memcpy(m_Face, src.m_Face, sizeof(m_Face));
    m_Size = src.m_Size;
    m_Colour = src.m_Colour;
    m_Attr = src.m_Attr;
    m_Mask = src.m_Mask;
    m_Ascent = src.m_Ascent;
    m_Reserved = src.m_Reserved;
    m_Offset = src.m_Offset;
    m_Descent = src.m_Descent;
    m_Reserved2 = src.m_Reserved2;
    m_CharSet = src.m_CharSet;
    return *this;
}

bool GFontStyle::operator==(const GFontStyle& src) const
{
    // Attributes and mask are one unit: a style read from a file (upper
    // mask bits set) differs from a built one with the same visible bits.
    return StyleNameCompare(m_Face, src.m_Face) == 0 && m_Size == src.m_Size && m_Colour == src.m_Colour &&
           m_Attr == src.m_Attr && m_Mask == src.m_Mask && m_CharSet == src.m_CharSet;
}

void GFontStyle::Reset()
{
    DeleteFonts();
    memset(m_Face, 0, sizeof(m_Face));
    m_Size = kUndefinedSize;
    m_Colour = kUndefinedColour;
    m_Attr = 0;
    m_Mask = 0;
    m_CharSet = 0;
}

bool GFontStyle::IsAllDefined() const
{
    const unsigned short basic = kBold | kItalic | kUnderline | kStrikeout;
    return m_Face[0] != 0 && m_Size != kUndefinedSize && m_Colour != kUndefinedColour &&
           (m_Mask & basic) == basic;
}

void GFontStyle::SetAttr(short bit, unsigned char value)
{
    if (value <= 1)
        m_Mask |= bit;
    else
        m_Mask &= ~bit;
    if (value == 1)
        m_Attr |= bit;
    else
        m_Attr &= ~bit;

    if (m_pFont)
        CreateFontA(kMixedCharSet);
    if (m_pFont10)
    {
        delete m_pFont10;
        m_pFont10 = nullptr;
        GetFont10();
    }
}

unsigned char GFontStyle::GetAttr(short bit) const
{
    if (!(m_Mask & bit))
        return 2;
    return (m_Attr & bit) ? 1 : 0;
}

void GFontStyle::SetCharSet(unsigned char charset)
{
    m_CharSet = charset;
    DeleteFonts();
}

void GFontStyle::SetFace(const char* face)
{
    DeleteFonts();
    memset(m_Face, 0, sizeof(m_Face));
    if (face)
        lstrcpynA(m_Face, face, kFaceSize);
}

void GFontStyle::SetSize(int size)
{
    DeleteFonts();
    m_Size = size;
}

void GFontStyle::MergeFonts(const GFontStyle& src, const GFontStyle* deflt)
{
    *this = src;
    if (m_Face[0] && m_Size > 0 && m_Colour != kUndefinedColour && m_Mask != 0)
        return;
    if (deflt)
    {
        if (!m_Face[0])
            memcpy(m_Face, deflt->m_Face, sizeof(m_Face));
        if (m_Size <= 0)
            m_Size = deflt->m_Size;
        if (m_Colour == kUndefinedColour)
            m_Colour = deflt->m_Colour;
        if (m_Mask == 0)
        {
            m_Mask = deflt->m_Mask;
            m_Attr = deflt->m_Attr;
        }
    }
    CreateFontA(kMixedCharSet);
}

void GFontStyle::Upgrade(const GFontStyle& src)
{
    DeleteFonts();
    if (src.m_Face[0])
        memcpy(m_Face, src.m_Face, sizeof(m_Face));
    if (src.m_Size != kUndefinedSize)
        m_Size = src.m_Size;
    if (src.m_Colour != kUndefinedColour)
        m_Colour = src.m_Colour;
    // Small capitals is not laid over.
    static const short carried[] = { kBold, kItalic, kUnderline, kStrikeout, kSubscript, kSuperscript };
    for (short bit : carried)
        if (src.m_Mask & bit)
            SetAttr(bit, src.GetAttr(bit));
    m_CharSet = src.m_CharSet;
}

void GFontStyle::Combine(const GFontStyle& src)
{
    DeleteFonts();
    if (strcmp(m_Face, src.m_Face) != 0)
        memset(m_Face, 0, sizeof(m_Face));
    if (m_Size != src.m_Size)
        m_Size = kUndefinedSize;
    if (m_Colour != src.m_Colour)
        m_Colour = kUndefinedColour;
    m_Mask &= ~(m_Attr ^ src.m_Attr);
    m_Attr |= src.m_Attr;
    if (m_CharSet != src.m_CharSet)
        m_CharSet = kMixedCharSet;
}

void GFontStyle::SaveZVW(CArchive& ar) const
{
    ar.Write(m_Face, kFaceSize);
    ar << (LONG)m_Size << (DWORD)m_Colour << (WORD)m_Attr << (BYTE)(m_Mask & 0xFF) << (BYTE)m_CharSet;
    ar << (short)m_Ascent << (WORD)0 << (LONG)m_Offset;
}

void GFontStyle::OpenZVW(CArchive& ar)
{
    DeleteFonts();
    LONG size, offset;
    DWORD colour;
    WORD attr, reserved;
    BYTE mask, charset;
    short ascent;
    ReadText(ar, m_Face, kFaceSize);
    ar >> size >> colour >> attr >> mask >> charset >> ascent >> reserved >> offset;
    m_Size = size;
    m_Colour = colour;
    m_Attr = attr;
    // Only the low eight mask bits are stored; the upper ones read as set.
    m_Mask = (unsigned short)(0xFF00 | mask);
    m_CharSet = charset == kMixedCharSet ? 0 : charset;
    m_Ascent = ascent;
    m_Reserved = 0;
    m_Offset = offset;
}

void _GFontStyle::OpenZVW(CArchive& ar)
{
    ReadText(ar, face, sizeof(face));
    WORD a, m;
    ar >> size >> colour >> a >> m >> ascent;
    attributes = a;
    mask = m;
}

void Eq(GFontStyle& to, const _GFontStyle& from)
{
    memcpy(to.m_Face, from.face, sizeof(to.m_Face));
    to.m_Face[GFontStyle::kFaceSize - 1] = 0;
    to.m_Size = from.size;
    to.m_Colour = from.colour;
    to.m_Attr = from.attributes;
    to.m_Mask = from.mask;
    to.m_Ascent = from.ascent;
}

void GFontStyle::OpenOldZVW(CArchive& ar)
{
    _GFontStyle old;
    old.OpenZVW(ar);
    DeleteFonts();
    Eq(*this, old);
    m_CharSet = 0;
}
