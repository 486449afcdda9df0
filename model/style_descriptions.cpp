// The texts of the style descriptions, built from the style records and
// the string table.
#include "afxwin.h"
#include "model/style_descriptions.h"
#include "app/CWOptions.h"
#include "model/utilities.h"
#include "resources/resource.h"

namespace {

const struct
{
    short bit;
    int name;
} kAttributeNames[] = {
    {GFontStyle::kBold, IDS_DESC_BOLD},
    {GFontStyle::kItalic, IDS_DESC_ITALIC},
    {GFontStyle::kUnderline, IDS_DESC_UNDERLINE},
    {GFontStyle::kStrikeout, IDS_DESC_STRIKEOUT},
    {GFontStyle::kSmallCaps, IDS_DESC_SMALLCAPS},
    {GFontStyle::kSuperscript, IDS_DESC_SUPERSCRIPT},
    {GFontStyle::kSubscript, IDS_DESC_SUBSCRIPT},
};

const struct
{
    COLORREF colour;
    int name;
} kColourNames[] = {
    {RGB(0, 0, 0), IDS_DESC_BLACK},
    {RGB(255, 0, 0), IDS_DESC_RED},
    {RGB(0, 255, 0), IDS_DESC_GREEN},
    {RGB(0, 0, 255), IDS_DESC_BLUE},
    {RGB(255, 255, 0), IDS_DESC_YELLOW},
    {RGB(0, 255, 255), IDS_DESC_CYAN},
    {RGB(255, 0, 255), IDS_DESC_MAGENTA},
    {RGB(255, 255, 255), IDS_DESC_WHITE},
    {RGB(128, 0, 0), IDS_DESC_DARKRED},
    {RGB(0, 128, 0), IDS_DESC_DARKGREEN},
    {RGB(0, 0, 128), IDS_DESC_DARKBLUE},
    {RGB(128, 128, 0), IDS_DESC_DARKYELLOW},
    {RGB(0, 128, 128), IDS_DESC_DARKCYAN},
    {RGB(128, 0, 128), IDS_DESC_DARKMAGENTA},
    {RGB(128, 128, 128), IDS_DESC_DARKGRAY},
    {RGB(192, 192, 192), IDS_DESC_GRAY},
};

const int kAlignNames[] = {IDS_DESC_UNDEFINED, IDS_DESC_LEFT, IDS_DESC_CENTER, IDS_DESC_RIGHT, IDS_DESC_JUSTIFY};

// The default names carry a four-character tag before the name: "(f) ".
const int kNameTagLength = 4;

CString ColourName(COLORREF colour)
{
    if (colour == GFontStyle::kUndefinedColour)
        return GetResourceString(IDS_DESC_UNDEFINED);
    for (const auto& known : kColourNames)
        if (known.colour == colour)
            return GetResourceString(known.name);
    char numbers[32];
    wsprintfA(numbers, "(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return GetResourceString(IDS_DESC_RGB) + numbers;
}

CString ShownName(const char* stored, int trim)
{
    CString name(stored);
    if (!trim)
        return name;
    name.TrimLeft(' ');
    name = name.GetLength() > kNameTagLength ? name.Mid(kNameTagLength) : CString();
    name.TrimLeft(' ');
    return name;
}

// Copies as much of the text as fits, always terminated.
void CopyBounded(char* text, const CString& from, int size)
{
    lstrcpynA(text, from, size);
}

template <class T>
CString EntryDescription(const GStyleItem<T>& item, int kindName, int name, int style, int key, int trim,
                         CString (*describe)(const T&))
{
    CString text;
    if (name)
        text = GetResourceString(kindName) + " " + GetResourceString(IDS_DESC_NAME) + " " +
               ShownName(item.name, trim) + " ";
    if (style)
    {
        if (name)
            text += "\n";
        text += describe(item.style);
    }
    if (key)
    {
        if (!text.IsEmpty())
            text += "\n";
        text += item.key.GetDescription();
    }
    return text;
}

} // namespace

CString GetFontStyleDescription(const GFontStyle& style)
{
    CString text = GetResourceString(IDS_DESC_FONT) + ": ";
    if (style.GetFace()[0])
        text += CString(style.GetFace()) + ", ";
    if (style.GetSize() != GFontStyle::kUndefinedSize)
    {
        char points[16];
        wsprintfA(points, "%d", Round(style.GetSize() * 72.0 / 254.0));
        text += CString(points) + "pt, ";
    }
    for (const auto& attribute : kAttributeNames)
        if (style.GetAttr(attribute.bit) == 1)
            text += GetResourceString(attribute.name) + ", ";
    text += "\n" + GetResourceString(IDS_DESC_COLOR) + " " + ColourName(style.GetColour());
    return text;
}

CString GetParaStyleDescription(const GParaStyle& style)
{
    int align = style.m_Align < _countof(kAlignNames) ? kAlignNames[style.m_Align] : IDS_DESC_UNDEFINED;
    CString text = "Align: " + GetResourceString(align);
    AppendToStr(text, style.m_FirstLine, IDS_DESC_FIRSTLINE);
    AppendToStr(text, style.m_Left, IDS_DESC_LEFT);
    AppendToStr(text, style.m_Right, IDS_DESC_RIGHT);
    AppendToStr(text, style.m_Before, IDS_DESC_BEFORE);
    AppendToStr(text, style.m_After, IDS_DESC_AFTER);
    return text;
}

void AppendToStr(CString& text, const Gint& value, int stringId)
{
    if (!value.IsDefined() || value.value < 0)
        return;
    char measure[64];
    Options.SetMeasure(measure, (long)value.value, 3, 1);
    text += ", " + GetResourceString(stringId) + "=" + measure;
}

void DescriptionStyle(const GStyleItem<GFontStyle>& item, char* text, int name, int style, int key, int trim)
{
    CopyBounded(text, EntryDescription(item, IDS_DESC_FONT, name, style, key, trim, GetFontStyleDescription),
                kStyleDescriptionSize);
}

void DescriptionStyle(const GStyleItem<GParaStyle>& item, char* text, int name, int style, int key, int trim)
{
    CopyBounded(text,
                EntryDescription(item, IDS_DESC_PARAGRAPH, name, style, key, trim, GetParaStyleDescription),
                kStyleDescriptionSize);
}

void DescriptionStyle(const GStyleItem<GMasterStyle>& item, const GStyleItem<GFontStyle>& font,
                      const GStyleItem<GParaStyle>& para, char* text, int name, int key, int trim, int withPara)
{
    CString all;
    if (name)
        all = GetResourceString(IDS_DESC_NAME) + " " + ShownName(item.name, trim) + "\n";

    char part[kStyleDescriptionSize];
    DescriptionStyle(font, part, 0, 1, 0, 0);
    all += CString(part) + "\n";
    if (withPara)
    {
        DescriptionStyle(para, part, 0, 1, 0, 0);
        all += CString(part) + "\n";
    }
    if (key)
        all += item.key.GetDescription();
    CopyBounded(text, all, kMasterDescriptionSize);
}

void DescriptionStyle(const GStyleItem<GListStyle>& item, char* text, int name, int key)
{
    CString all;
    if (name)
        all = GetResourceString(IDS_DESC_NAME) + " " + CString(item.name) + "\n";
    all += GetResourceString(IDS_DESC_TYPE) + ": " +
           GetResourceString(item.style.IsBullet() ? IDS_DESC_BULLET : IDS_DESC_NUMBERING) + "\n";
    if (key)
        all += item.key.GetDescription();
    CopyBounded(text, all, kListDescriptionSize);
}

CString GFontStyle::GetDescription() const
{
    return GetFontStyleDescription(*this);
}

CString GParaStyle::GetDescription() const
{
    return GetParaStyleDescription(*this);
}
