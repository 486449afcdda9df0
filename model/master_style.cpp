// Stored forms of master styles.
#include "afx.h"
#include "model/GMasterStyle.h"

void GMasterStyle::SaveZVW(CArchive& ar) const
{
    ar << (LONG)m_Font << (LONG)m_Para;
}

void GMasterStyle::OpenZVW(CArchive& ar)
{
    LONG font, para;
    ar >> font >> para;
    m_Font = font;
    m_Para = para;
}

void GMasterStyle::OpenOldZVW(CArchive& ar)
{
    short font, para;
    ar >> font >> para;
    m_Font = font;
    m_Para = para;
}
