// The property records of the HTML reader: STYLEPROP (the CSS values of an
// element or a rule) and PROP with one subclass per kind of element, filled
// from a tag's attributes. The reader and the style-sheet manager fill
// them; the importer reads them.
#pragma once
#include "afx.h"

// CSS properties of one element or rule. Every field has an unset value;
// the style-sheet manager lays the set fields of one record over another.
class STYLEPROP
{
public:
    static constexpr int kReservedCount = 16;
    static constexpr LONG kUnset = -1;
    static constexpr BYTE kUnsetByte = 0xFF;

    STYLEPROP();
    virtual ~STYLEPROP() {}
    // Left alignment, Verdana at 12pt, weight 400, black; the other
    // fields stay as they are.
    virtual void SetDefaultState();

    LONG m_Reserved[kReservedCount];   // no property sets them; carried along
    BYTE m_ReservedByte;
    LONG m_Color;            // COLORREF, red in the low byte
    LONG m_BackgroundColor;
    CString m_FontSize;      // as written; GetFontSize converts it
    CString m_FontFamily;    // as written, a list kept whole
    CString m_FontStyle;     // "ITALIC" or empty
    LONG m_FontWeight;
    CString m_TextAlign;     // upper case
    CString m_TextDecoration;   // upper case
};

// The attributes of one element, and also the form a CSS rule is kept in:
// then m_Class holds the rule's tag or class selector as written and m_Id
// its id selector. Empty text: not given.
class PROP
{
public:
    PROP() {}
    virtual ~PROP() {}
    virtual void SetDefaultState();

    CString m_Lang;
    CString m_Class;
    CString m_Id;
    STYLEPROP m_Style;
};

// The subclasses' SetDefaultState leaves them as they are.
#define HTML_PROP_KEEPS_STATE \
    void SetDefaultState() override {}

class BASEPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    CString m_Href;
};

class BDOPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    BYTE m_LeftToRight = 1;   // DIR "LTR" 1, "RTL" 0; left to right when not given
};

class BODYPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    LONG m_TextColor = -1;
};

class FONTPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    LONG m_Size = -1;    // 1 to 7
    LONG m_Color = -1;
    CString m_Face;
};

class HPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    CString m_Align;
};

class PARAPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    CString m_Align;
};

class LITEMPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    CString m_Type;
    LONG m_Value = -1;   // -1: the item takes the next number
};

class ULISTPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    BYTE m_Compact = 0;
    CString m_Type;
};

class OLISTPROP : public ULISTPROP
{
public:
    HTML_PROP_KEEPS_STATE
    LONG m_Start = -1;
};

class LINKPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    CString m_Rel;    // upper case
    CString m_Href;
    CString m_Type;   // upper case
};

class IMGPROP : public PROP
{
public:
    HTML_PROP_KEEPS_STATE
    CString m_Align;
    CString m_Src;
    LONG m_Width = -1;
    LONG m_Height = -1;
};

#undef HTML_PROP_KEEPS_STATE
