// The tables of the built-in HTML styles: their names and values.
#pragma once
#include "afx.h"
#include "html/CHtmlDefaultStyles.h"

struct HtmlBuiltinFontStyle
{
    const char* name;
    const char* face;
    int size;                 // tenths of a millimetre; 0: from sizeKeyword
    const char* sizeKeyword;  // a CSS size keyword, converted when created
    COLORREF colour;
    short attributes;
};

struct HtmlBuiltinMasterStyle
{
    const char* name;
    const char* fontStyle;    // the font style's name
};

constexpr int kHtmlBuiltinFontStyleCount = 13;
extern const HtmlBuiltinFontStyle kHtmlBuiltinFontStyles[kHtmlBuiltinFontStyleCount];
extern const HtmlBuiltinMasterStyle kHtmlBuiltinMasterStyles[kHtmlBuiltinStyleCount];
extern const char kHtmlParagraphStyleName[];
