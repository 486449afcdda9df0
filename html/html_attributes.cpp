// The HTML reader's attributes: NAME=VALUE pairs lexed after a tag name and
// stored by the tag's parser into a record of the tag's kind, and the
// colour values of attributes and style sheets.
#include "html/CHtmlParser.h"
#include "html/html_space.h"
#include "html/CStyleSheetManager.h"
#include <stdlib.h>

namespace {

constexpr char kLineFeed = 10;
// Relative FONT sizes are added up; this keeps the sum far from overflow.
constexpr long kFontSizeLimit = 1000000;
constexpr int kLowestFontSize = 1;
constexpr int kHighestFontSize = 7;
constexpr long kHighestComponent = 255;

CString Upper(const CString& text)
{
    CString upper(text);
    upper.MakeUpper();
    return upper;
}

long Decimal(const CString& text)
{
    return strtol(text, nullptr, 10);
}

// The record of a tag, made on its first attribute.
template <class T>
T* RecordOf(PROP*& record)
{
    if (!record)
        record = new T;
    return static_cast<T*>(record);
}

// Two hexadecimal digits as a colour component; what is not hexadecimal
// ends the number.
BYTE HexComponent(char high, char low)
{
    char digits[3] = {high, low, 0};
    return (BYTE)strtol(digits, nullptr, 16);
}

// The decimal number after the first sep at or after from, clamped to a
// colour component; 0 when there is none.
BYTE DecimalComponent(char sep, const char*& from)
{
    const char* at = from ? strchr(from, sep) : nullptr;
    if (!at)
    {
        from = nullptr;
        return 0;
    }
    char* end;
    long value = strtol(at + 1, &end, 10);
    from = end;
    if (value < 0)
        return 0;
    return (BYTE)(value > kHighestComponent ? kHighestComponent : value);
}

} // namespace

bool CHtmlParser::GetTagParameters(PROP*& record, HtmlTagType type)
{
    if (m_cCurrent == '>')
        return true;
    if (const PARAMENTRY* entry = FindHtmlParameterEntry(type))
        return DispatchParameter(entry->parser, record);
    SkipParameters();
    return true;
}

const CHtmlParser::PARAMENTRY* CHtmlParser::FindHtmlParameterEntry(HtmlTagType type) const
{
    int low = 0, high = kParamEntryCount - 1;
    while (low <= high)
    {
        int middle = (low + high) / 2;
        if (ParamEntries[middle].type == type)
            return ParamEntries[middle].parser ? &ParamEntries[middle] : nullptr;
        if (ParamEntries[middle].type < type)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return nullptr;
}

bool CHtmlParser::DispatchParameter(ParamParser parser, PROP*& record)
{
    SkipSpaces();
    if (m_cCurrent == '>')
    {
        SetError(htmlErrTagFormat);
        return false;
    }
    // Every pair takes at least one byte, or stops at the ">".
    while (m_cCurrent != '>')
    {
        CString name, value;
        if (GetPropNameValue(name, value))
            (this->*parser)(record, name, value);
    }
    return true;
}

void CHtmlParser::AbortIfAsked(DWORD action)
{
    if (action == m_nAbort)
        throw "Abort";
}

// A name without "=" (a boolean attribute, the "/" of "<img .../>", a blank
// before ">") is an error like any other: the pair is skipped and the read
// goes on unless the answer is abort.
bool CHtmlParser::GetPropNameValue(CString& name, CString& value)
{
    name.Empty();
    value.Empty();
    SkipSpaces();
    std::string bytes;
    while (!IsHtmlSpace(m_cCurrent) && m_cCurrent != '>' && m_cCurrent != '=')
    {
        bytes += m_cCurrent;
        ReadNextCharacter();
    }
    name = CString(bytes.data(), (int)bytes.size());
    name.MakeUpper();
    if (name == "COMPACT")
        return true;
    if (IsHtmlSpace(m_cCurrent))
    {
        SkipSpaces();
        if (m_cCurrent == '=')
        {
            SetError(htmlErrSpacesAround);
            AbortIfAsked(RaiseError());
        }
    }
    if (m_cCurrent != '=')
    {
        SetError(htmlErrFatal);
        AbortIfAsked(RaiseError());
        return false;
    }
    ReadNextCharacter();
    while (IsHtmlSpace(m_cCurrent))
    {
        SetError(htmlErrSpacesAround);
        AbortIfAsked(RaiseError());
        if (m_cCurrent == kLineFeed)
            m_nLine++;
        ReadNextCharacter();
    }
    bytes.clear();
    if (m_cCurrent == '"' || m_cCurrent == '\'')
    {
        const char quote = m_cCurrent;
        ReadNextCharacter();
        while (m_cCurrent != quote)
        {
            bytes += m_cCurrent;
            ReadNextCharacter();
        }
        ReadNextCharacter();
    }
    else
    {
        while (!IsHtmlSpace(m_cCurrent) && m_cCurrent != '>')
        {
            bytes += m_cCurrent;
            ReadNextCharacter();
        }
    }
    value = CString(bytes.data(), (int)bytes.size());
    return true;
}

bool CHtmlParser::UnknownParameter()
{
    SetError(htmlErrUnknownParam);
    AbortIfAsked(RaiseError());
    return false;
}

bool CHtmlParser::SetPropMember(const CString& name, const CString& value, PROP* record)
{
    if (name == "CLASS")
        record->m_Class = value;
    else if (name == "STYLE")
    {
        if (m_pStyleSheets)
            m_pStyleSheets->DefineInlineStyle(value, record, true);
    }
    else if (name == "LANG")
        record->m_Lang = value;
    else if (name == "ID")
        record->m_Id = value;
    else
        return false;
    return true;
}

// A colour that GetColor refuses raises its error and leaves the field.
bool CHtmlParser::ReadColorValue(CString value, LONG& colour)
{
    unsigned long parsed;
    if (GetColor(value, parsed))
        colour = (LONG)parsed;
    else
        AbortIfAsked(RaiseError());
    return true;
}

bool CHtmlParser::GetPropA(PROP*& record, const CString& name, CString& value)
{
    return SetPropMember(name, value, RecordOf<PROP>(record)) || UnknownParameter();
}

bool CHtmlParser::GetBaseProp(PROP*& record, const CString& name, CString& value)
{
    BASEPROP* base = RecordOf<BASEPROP>(record);
    if (name != "HREF")
        return UnknownParameter();
    base->m_Href = value;
    return true;
}

bool CHtmlParser::GetBodyProp(PROP*& record, const CString& name, CString& value)
{
    BODYPROP* body = RecordOf<BODYPROP>(record);
    if (name == "TEXT")
        return ReadColorValue(Upper(value), body->m_TextColor);
    return SetPropMember(name, value, body) || UnknownParameter();
}

// SIZE counts from the current size of this read when it holds a sign.
bool CHtmlParser::GetFontProp(PROP*& record, const CString& name, CString& value)
{
    FONTPROP* font = RecordOf<FONTPROP>(record);
    if (name == "SIZE")
    {
        long size = Decimal(value);
        if (value.Find('+') >= 0 || value.Find('-') >= 0)
            size += m_nFontSize;
        if (size > kFontSizeLimit)
            size = kFontSizeLimit;
        if (size < -kFontSizeLimit)
            size = -kFontSizeLimit;
        m_nFontSize = (int)size;
        if (size < kLowestFontSize || size > kHighestFontSize)
        {
            SetError(htmlErrParamRange);
            AbortIfAsked(RaiseError());
        }
        else
            font->m_Size = size;
        return true;
    }
    if (name == "COLOR")
        return ReadColorValue(Upper(value), font->m_Color);
    if (name == "FACE")
    {
        font->m_Face = value;
        return true;
    }
    return SetPropMember(name, value, font) || UnknownParameter();
}

bool CHtmlParser::GetParaProp(PROP*& record, const CString& name, CString& value)
{
    PARAPROP* para = RecordOf<PARAPROP>(record);
    if (name == "ALIGN")
    {
        para->m_Align = value;
        return true;
    }
    return SetPropMember(name, value, para) || UnknownParameter();
}

bool CHtmlParser::GetHProp(PROP*& record, const CString& name, CString& value)
{
    HPROP* heading = RecordOf<HPROP>(record);
    if (name == "ALIGN")
    {
        heading->m_Align = value;
        return true;
    }
    return SetPropMember(name, value, heading) || UnknownParameter();
}

bool CHtmlParser::GetUListProp(PROP*& record, const CString& name, CString& value)
{
    ULISTPROP* list = RecordOf<ULISTPROP>(record);
    if (name == "TYPE")
        list->m_Type = value;
    else if (name == "COMPACT")
        list->m_Compact = 1;
    else
        return SetPropMember(name, value, list) || UnknownParameter();
    return true;
}

// START, also as STARTAT, the name this program's own pages write.
bool CHtmlParser::GetOListProp(PROP*& record, const CString& name, CString& value)
{
    OLISTPROP* list = RecordOf<OLISTPROP>(record);
    if (name == "TYPE")
        list->m_Type = value;
    else if (name == "COMPACT")
        list->m_Compact = 1;
    else if (name == "START" || name == "STARTAT")
        list->m_Start = Decimal(value);
    else
        return SetPropMember(name, value, list) || UnknownParameter();
    return true;
}

bool CHtmlParser::GetLItemProp(PROP*& record, const CString& name, CString& value)
{
    LITEMPROP* item = RecordOf<LITEMPROP>(record);
    if (name == "VALUE")
        item->m_Value = Decimal(value);
    else if (name == "TYPE")
        item->m_Type = value;
    else
        return SetPropMember(name, value, item) || UnknownParameter();
    return true;
}

bool CHtmlParser::GetLinkProp(PROP*& record, const CString& name, CString& value)
{
    LINKPROP* link = RecordOf<LINKPROP>(record);
    if (name == "REL")
        link->m_Rel = Upper(value);
    else if (name == "HREF")
        link->m_Href = value;
    else if (name == "TYPE")
        link->m_Type = Upper(value);
    else
        return SetPropMember(name, value, link) || UnknownParameter();
    return true;
}

bool CHtmlParser::GetBDOProp(PROP*& record, const CString& name, CString& value)
{
    BDOPROP* bdo = RecordOf<BDOPROP>(record);
    value.MakeUpper();
    if (name == "DIR" && value == "LTR")
        bdo->m_LeftToRight = 1;
    else if (name == "DIR" && value == "RTL")
        bdo->m_LeftToRight = 0;
    else
        return SetPropMember(name, value, bdo) || UnknownParameter();
    return true;
}

bool CHtmlParser::GetImgProp(PROP*& record, const CString& name, CString& value)
{
    IMGPROP* image = RecordOf<IMGPROP>(record);
    if (name == "ALIGN")
        image->m_Align = value;
    else if (name == "HEIGHT")
        image->m_Height = Decimal(value);
    else if (name == "WIDTH")
        image->m_Width = Decimal(value);
    else if (name == "SRC")
        image->m_Src = value;
    else
        return SetPropMember(name, value, image) || UnknownParameter();
    return true;
}

BOOL CHtmlParser::GetColor(CString value, unsigned long& colour)
{
    const char* text = value;
    if (text[0] == '#')
    {
        BYTE red, green, blue;
        if (value.GetLength() == 4)
        {
            red = HexComponent(text[1], text[1]);
            green = HexComponent(text[2], text[2]);
            blue = HexComponent(text[3], text[3]);
        }
        else if (value.GetLength() == 7)
        {
            red = HexComponent(text[1], text[2]);
            green = HexComponent(text[3], text[4]);
            blue = HexComponent(text[5], text[6]);
        }
        else
        {
            SetError(htmlErrParamRange);
            return FALSE;
        }
        colour = RGB(red, green, blue);
        return TRUE;
    }
    if (strncmp(text, "RGB", 3) == 0)
    {
        // Components above 255 would spill into the next one: clamped.
        const char* from = text;
        BYTE red = DecimalComponent('(', from);
        BYTE green = DecimalComponent(',', from);
        BYTE blue = DecimalComponent(',', from);
        colour = RGB(red, green, blue);
        return TRUE;
    }
    for (const HTMLCOLORTABLE& row : m_ColorTable)
        if (strcmp(row.name, text) == 0)
        {
            colour = RGB(row.red, row.green, row.blue);
            return TRUE;
        }
    SetError(htmlErrUnknownColor);
    return FALSE;
}
