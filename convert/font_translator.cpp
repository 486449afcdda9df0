// TFontSty: the font table and the character records.
#include "convert/translators.h"
#include "convert/TIntermediateFile.h"
#include "document/CWDocument.h"
#include <algorithm>
#include <cstring>

namespace
{
const unsigned char kGreyFlag = 8;   // any of red, green, blue above 128
const int kBrightLimit = 128;

// Face endings that name a character set; the ending goes with the
// character before it ("Arial CE" becomes "Arial").
const struct
{
    const char* ending;
    unsigned char charSet;
} kFaceEndings[] = {{"Cyr", 204}, {"CE", 238}, {"Greek", 161}, {"Tur", 162}, {"Baltic", 186}};

const struct
{
    const char* on;
    const char* off;
    unsigned short bit;
} kAttributeRecords[] = {
    {"BBT", "EBT", GFontStyle::kBold},        {"ITO", "ITF", GFontStyle::kItalic},
    {"BSO", "ESO", GFontStyle::kStrikeout},   {"BUL", "EUL", GFontStyle::kUnderline},
    {"SBS", "EBS", GFontStyle::kSubscript},   {"SPS", "EPS", GFontStyle::kSuperscript},
    {"BCS", "ECS", GFontStyle::kSmallCaps},
};

int Channel(int32_t v)
{
    return std::max(0, std::min(255, (int)v));
}
} // namespace

TFontSty::TFontSty(CWDocument* doc) : TCommandsICF(doc, "FDT")
{
    const long n = doc ? doc->m_fontStyles.GetCount() : 0;
    AddNum(n);
    AddArg("3");
    AddArg("00");
    for (long i = 0; i < n; ++i)
    {
        AddNum(i);
        AddArg(doc->m_fontStyles[i].style.GetFace());
        AddArg("00");
    }
    TakeState(doc);
}

TFontSty::TFontSty(CWDocument* doc, const char* recordText, long length) : TCommandsICF(doc, "FDT")
{
    TCommandArg read(recordText, length);
    m_args = read.Args();
    TakeState(doc);
}

void TFontSty::TakeState(CWDocument* doc)
{
    if (!doc || doc->m_fontStyles.GetCount() == 0)
        return;
    const GFontStyle& first = doc->m_fontStyles[0].style;
    SetFace(first.GetFace());
    m_size = first.GetSize();
    m_colour = first.GetColour() == GFontStyle::kUndefinedColour ? 0 : first.GetColour();
    m_attr = first.GetAttributes() & first.GetMask();
    m_mask = first.GetMask();
}

void TFontSty::SetFace(const char* face)
{
    memset(m_face, 0, sizeof(m_face));
    if (face)
        strncpy(m_face, face, kFaceLength);
}

void TFontSty::SetFontSty(const GFontStyle& style, long fontNumber, TIntermediateFile& file)
{
    Clear();
    const unsigned short attr = style.GetAttributes() & style.GetMask();
    for (const auto& record : kAttributeRecords)
    {
        const bool want = (attr & record.bit) != 0;
        const bool have = (m_attr & record.bit) != 0;
        if (want == have)
            continue;
        if (!want)
            Append(record.off);
        else if (record.bit == GFontStyle::kStrikeout)
            Append(record.on).AddArg("-");
        else if (record.bit == GFontStyle::kUnderline)
        {
            TCommandArg& sum = Append("SUM");
            sum.AddArg("0");
            sum.AddArg("2");
            Append(record.on);
        }
        else
            Append(record.on);
    }
    const char* face = style.GetFace()[0] ? style.GetFace() : m_face;
    const int size = style.GetSize() > 0 ? style.GetSize() : m_size;
    if (!m_bSpfWritten || size != m_size || lstrcmpA(face, m_face) != 0)
    {
        TCommandArg& spf = Append("SPF");
        spf.AddArg("00");
        spf.AddArg("00");
        spf.AddNum(size, kIcfTenthMm, kIcfPitch);
        spf.AddNum(fontNumber);
        spf.AddNum(size, kIcfTenthMm, kIcfNumber);
        spf.AddArg(face);
        m_bSpfWritten = true;
    }
    const COLORREF colour = style.GetColour() == GFontStyle::kUndefinedColour ? m_colour : style.GetColour();
    if (colour != m_colour)
    {
        const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
        int flags = r > kBrightLimit || g > kBrightLimit || b > kBrightLimit ? kGreyFlag : 0;
        flags += (r ? 4 : 0) + (g ? 2 : 0) + (b ? 1 : 0);
        TCommandArg& bcl = Append("BCL");
        bcl.AddNum(flags);
        bcl.AddNum(r);
        bcl.AddNum(g);
        bcl.AddNum(b);
    }
    SetFace(face);
    m_size = size;
    m_colour = colour;
    m_attr = attr;
    m_mask = 0xFFFF;
    Out(file);
}

int TFontSty::GetFontStyle(GFontStyle& style)
{
    if (!m_bChanged)
        return 0;
    m_bChanged = false;
    char face[GFontStyle::kFaceSize];
    strcpy(face, m_face);
    const long length = (long)strlen(face);
    m_faceCharSet = 0;
    for (const auto& e : kFaceEndings)
    {
        const long n = (long)strlen(e.ending);
        if (length > n && lstrcmpiA(face + length - n, e.ending) == 0)
        {
            face[length - n - 1] = 0;
            m_faceCharSet = e.charSet;
            style.SetCharSet(e.charSet);
            break;
        }
    }
    style.SetFace(face);
    style.SetSize(m_size);
    style.SetColour(m_colour);
    for (unsigned short bit = 1; bit <= GFontStyle::kSmallCaps; bit <<= 1)
        style.SetAttr(bit, (m_attr & bit) ? 1 : 0);
    return 1;
}

bool TFontSty::GetFontName(long n, char* face) const
{
    // Font n's face is argument 3n + 5; n comes from the file.
    const int64_t index = 3 * (int64_t)n + 5;
    if (n < 0 || index > GetCountArg())
        return false;
    return GetText((int)index, face) != 0;
}

void TFontSty::SPF(const TCommandArg& r)
{
    m_bChanged = true;
    int32_t v;
    if (r.GetNum(3, v, kIcfTenthMm, kIcfPitch) && v > 0)
        m_size = v;
    char text[kMostArgLength + 1];
    if (r.GetNum(4, v) && GetFontName(v, text))
        SetFace(text);
    if (r.GetNum(5, v, kIcfTenthMm, kIcfNumber) && v > 0)
        m_size = v;
    if (r.GetText(6, text))
        SetFace(text);
}

void TFontSty::BCL(const TCommandArg& r)
{
    m_bChanged = true;
    int32_t red = GetRValue(m_colour), green = GetGValue(m_colour), blue = GetBValue(m_colour);
    r.GetNum(2, red);
    r.GetNum(3, green);
    r.GetNum(4, blue);
    m_colour = RGB(Channel(red), Channel(green), Channel(blue));
}

void TFontSty::ECL(const TCommandArg&)
{
    m_bChanged = true;
    m_colour = 0;
}

void TFontSty::SUM(const TCommandArg&)
{
    m_bChanged = true;
    m_underlineBit = GFontStyle::kUnderline;
}

void TFontSty::Attribute(const TCommandArg& r)
{
    for (const auto& record : kAttributeRecords)
    {
        const unsigned short bit = record.bit == GFontStyle::kUnderline ? m_underlineBit : record.bit;
        if (r.Is(record.on))
            m_attr |= bit;
        else if (r.Is(record.off))
            m_attr &= ~bit;
        else
            continue;
        m_bChanged = true;
        return;
    }
}
