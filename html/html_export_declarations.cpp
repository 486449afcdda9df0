// CSS declarations of character and paragraph styles and of borders:
// every defined value for a class, or what differs from the class for a
// paragraph or a run.
#include "html/CWHtmlExport.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include "model/utilities.h"

namespace {

// Tenths of a millimetre per inch, and points per inch.
constexpr double kTenthsPerInch = 254.0;
constexpr double kPointsPerInch = 72.0;
constexpr unsigned char kOn = 1;
constexpr unsigned char kOff = 0;

int Points(int tenths)
{
    return Round(tenths * kPointsPerInch / kTenthsPerInch);
}

CString Length(const char* format, int tenths)
{
    CString text;
    text.Format(format, Points(tenths));
    return text;
}

CString Colour(const char* format, COLORREF colour)
{
    CString red, green, blue, text;
    red.Format("%u", (unsigned)GetRValue(colour));
    green.Format("%u", (unsigned)GetGValue(colour));
    blue.Format("%u", (unsigned)GetBValue(colour));
    text.Format(format, (LPCSTR)red, (LPCSTR)green, (LPCSTR)blue);
    return text;
}

bool ColourDefined(COLORREF colour)
{
    return colour != GFontStyle::kUndefinedColour;
}

struct AttributeWords
{
    short bit;
    const char* on;
    const char* off;
};

const AttributeWords kAttributes[] = {
    {GFontStyle::kBold, " font-weight : bold;", " font-weight : normal;"},
    {GFontStyle::kItalic, " font-style : italic;", " font-style : normal;"},
    {GFontStyle::kUnderline, " text-decoration : underline;", " text-decoration : none;"},
    {GFontStyle::kStrikeout, " text-decoration : line-through;", " text-decoration : none;"},
};

// The paragraph's lengths in the order they are declared.
short LengthOf(const GParaStyle& para, int which)
{
    switch (which)
    {
    case 0: return para.m_FirstLine.value;
    case 1: return para.m_Left.value;
    case 2: return para.m_Right.value;
    case 3: return para.m_After.value;
    default: return para.m_Before.value;
    }
}

const char* const kLengthFormats[] = {" text-indent : %dpt;", " margin-left : %dpt;", " margin-right : %dpt;",
                                      " margin-bottom : %dpt;", " margin-top : %dpt;"};

const char* AlignmentDeclaration(unsigned char align, bool leftToo)
{
    switch (align)
    {
    case GParaStyle::kAlignRight: return " text-align : right;";
    case GParaStyle::kAlignCentre: return "text-align : center;";
    case GParaStyle::kAlignJustify: return " text-align : justify;";
    default: return leftToo ? " text-align : left;" : "";
    }
}

} // namespace

CString CWHtmlExport::ExportFontStyleExplicit(const GFontStyle& font)
{
    CString text;
    CString face;
    if (font.GetFace()[0])
    {
        face.Format(" font-family : '%s';", font.GetFace());
        text += face;
    }
    for (const AttributeWords& words : kAttributes)
        if (font.GetAttr(words.bit) == kOn)
            text += words.on;
    if (font.GetSize() != GFontStyle::kUndefinedSize)
        text += Length(" font-size : %dpt;", font.GetSize());
    if (ColourDefined(font.GetColour()))
        text += Colour(" color : rgb(%s, %s, %s);", font.GetColour());
    return text;
}

CString CWHtmlExport::ExportFontStyle(const GFontStyle& font, const GFontStyle& base)
{
    CString text;
    if (lstrcmpA(font.GetFace(), base.GetFace()) != 0)
    {
        CString face;
        face.Format(" font-family : '%s';", font.GetFace());
        text += face;
    }
    for (const AttributeWords& words : kAttributes)
    {
        const unsigned char value = font.GetAttr(words.bit);
        if (value == base.GetAttr(words.bit))
            continue;
        if (value == kOn)
            text += words.on;
        else if (value == kOff)
            text += words.off;
    }
    if (font.GetSize() != base.GetSize())
        text += Length(" font-size : %dpt;", font.GetSize());
    if (font.GetColour() != base.GetColour() && ColourDefined(font.GetColour()))
        text += Colour(" color : rgb(%s, %s, %s);", font.GetColour());
    return text;
}

CString CWHtmlExport::ExportParaStyleExplicit(const GParaStyle& para, const GBorder* border)
{
    CString text = AlignmentDeclaration(para.m_Align, false);
    for (int i = 0; i < (int)(sizeof(kLengthFormats) / sizeof(kLengthFormats[0])); i++)
        if (LengthOf(para, i) != 0)
            text += Length(kLengthFormats[i], LengthOf(para, i));
    if (border)
        text += ExportBorder(*border);
    return text;
}

CString CWHtmlExport::ExportParaStyle(const GParaStyle& para, const GParaStyle& base, const GBorder* border)
{
    CString text;
    if (para.m_Align != base.m_Align)
        text += AlignmentDeclaration(para.m_Align, true);
    for (int i = 0; i < (int)(sizeof(kLengthFormats) / sizeof(kLengthFormats[0])); i++)
        if (LengthOf(para, i) != LengthOf(base, i))
            text += Length(kLengthFormats[i], LengthOf(para, i));
    if (border)
        text += ExportBorder(*border);
    return text;
}

CString CWHtmlExport::ExportBorder(const GBorder& border)
{
    static const struct
    {
        LONG bit;
        const char* word;
    } kSides[] = {{kBorderLeft, "left"}, {kBorderRight, "right"}, {kBorderTop, "top"}, {kBorderBottom, "bottom"}};
    CString text;
    // Every side is drawn in the left side's line.
    for (const auto& side : kSides)
        if (border.sides & side.bit)
            text += ExportBorderStyle(border.left, side.word);
    if (text.Find("style") < 0)
        text += " border-style : solid;";
    return text;
}

CString CWHtmlExport::ExportBorderStyle(const CBorderStyle& side, const CString& sideWord)
{
    CString text;
    if (ColourDefined(side.colour))
    {
        CString format;
        format.Format(" border-%s-color : rgb(%%s, %%s, %%s);", (LPCSTR)sideWord);
        text += Colour(format, side.colour);
    }
    const char* format = NULL;
    switch (side.lineStyle)
    {
    case 0:
    case 1: format = " border-%s-width : thin;"; break;
    case 2:
    case 3: format = " border-%s-width : medium;"; break;
    case 4:
    case 5: format = " border-%s-width : thick;"; break;
    case 6: format = " border-%s-style : dashed;"; break;
    case 7: format = " border-%s-style : dotted;"; break;
    default: break;
    }
    if (format)
    {
        CString line;
        line.Format(format, (LPCSTR)sideWord);
        text += line;
    }
    return text;
}
