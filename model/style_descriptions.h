// Plain-text descriptions of styles (name, what the style sets, shortcut)
// that the style dialogs show beside their lists, in the user's language
// and measurement unit.
#pragma once
#include "afxwin.h"
#include "model/GStyleTbl.h"

// Room the callers give the descriptions, terminating NUL included.
constexpr int kStyleDescriptionSize = 256;     // character and paragraph styles
constexpr int kListDescriptionSize = 512;      // list styles
constexpr int kMasterDescriptionSize = 1024;   // master styles (three parts)

// "Font: face, 12pt, Bold, \nColor: Red" with the parts the style defines.
CString GetFontStyleDescription(const GFontStyle& style);
// "Align: Left" and the defined, non-negative indents and spacings.
CString GetParaStyleDescription(const GParaStyle& style);

// Appends ", ", string stringId, "=" and the value as a measurement in the
// user's unit, when the value is defined and not negative.
void AppendToStr(CString& text, const Gint& value, int stringId);

// The description of a table entry: name (trim drops the leading blanks and
// the four-character tag of the default names), style and shortcut, each
// when asked for, on lines of their own. text receives at most
// kStyleDescriptionSize - 1 characters.
void DescriptionStyle(const GStyleItem<GFontStyle>& item, char* text, int name, int style, int key, int trim);
void DescriptionStyle(const GStyleItem<GParaStyle>& item, char* text, int name, int style, int key, int trim);
// A master style: its name, its character style, with withPara its
// paragraph style, and its shortcut. text receives at most
// kMasterDescriptionSize - 1 characters.
void DescriptionStyle(const GStyleItem<GMasterStyle>& item, const GStyleItem<GFontStyle>& font,
                      const GStyleItem<GParaStyle>& para, char* text, int name, int key, int trim, int withPara);
// A list style: its name, whether it is a bullet or a numbering, and its
// shortcut. text receives at most kListDescriptionSize - 1 characters.
void DescriptionStyle(const GStyleItem<GListStyle>& item, char* text, int name, int key);
