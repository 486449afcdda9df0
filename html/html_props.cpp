// The property records' start states.
#include "html/html_props.h"

STYLEPROP::STYLEPROP()
    : m_ReservedByte(kUnsetByte), m_Color(kUnset), m_BackgroundColor(kUnset), m_FontWeight(kUnset)
{
    for (LONG& value : m_Reserved)
        value = kUnset;
}

void STYLEPROP::SetDefaultState()
{
    m_TextAlign = "left";
    m_FontFamily = "Verdana";
    m_FontSize = "12pt";
    m_FontWeight = 400;
    m_Color = 0;
}

void PROP::SetDefaultState()
{
    m_Lang.Empty();
    m_Class.Empty();
    m_Id.Empty();
    m_Style.SetDefaultState();
}
