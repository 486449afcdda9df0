// Embedded objects of older documents.
#include "document/old_ole_item.h"
#include <string.h>

CWOldZTOleRectItem::CWOldZTOleRectItem(CZTDoc* doc, CZTOleRectItem*, const char* name) : m_pTarget(doc)
{
    memset(m_szName, 0, sizeof m_szName);
    if (name)
        strncpy(m_szName, name, kNameSize - 1);
}

void CWOldZTOleRectItem::GetItemNameOld(char* name) const
{
    memcpy(name, m_szName, kNameSize);
}

void CWOldZTOleRectItem::CreateItemFromOldFormat(CArchive& ar)
{
    m_bFromStorage = TRUE;
    ReadItemCompoundOld(ar);
    if (m_pTarget)
        m_pTarget->AddItem(this);
}

// Still missing: loading the object from the sub-storage its name gives
// and taking over the object's extent; until the embedding exists the item
// keeps its stored name and size and its field shows the empty outline.
void CWOldZTOleRectItem::ReadItemCompoundOld(CArchive&) {}
void CWOldZTOleRectItem::UpdateExtentOld() {}
