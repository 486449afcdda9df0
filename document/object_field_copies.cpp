// Object and cell fields copied into another flow: the item is cloned
// into the target's document with a new client item of this document.
#include "model/GOle.h"
#include "model/GDoc.h"
#include "document/CWDocument.h"

namespace {

CZTOleRectItem* CloneFor(CZTOleRectItem* item, GDoc* target)
{
    if (!item)
        return NULL;
    return item->Clone(CWDocument::NewClientItem(), target ? target->m_pOwner : NULL, 0);
}

} // namespace

GOle::GOle(const GOle& other, GDoc* target)
    : GField(other), m_pItem(NULL), m_nWidth(other.m_nWidth), m_nHeight(other.m_nHeight), m_rect(other.m_rect)
{
    m_pDoc = target;
    TakeItem(CloneFor(other.m_pItem, target));
    if (m_pItem)
        Update();
}

GCell::GCell(const GCell& other, GDoc* target) : GOle(target, other.m_nPos, NULL)
{
    m_nKind = kFieldCell;
    m_pSource = const_cast<GCell*>(&other);
    TakeItem(CloneFor(other.m_pItem, target));
    CZTCell* source = dynamic_cast<CZTCell*>(other.m_pItem);
    CZTCell* clone = dynamic_cast<CZTCell*>(m_pItem);
    if (source && clone && clone->GetDocument() != source->GetDocument())
        clone->SetName(source->GetName());
    m_nWidth = other.m_nWidth;
    m_nHeight = other.m_nHeight;
    m_rect = other.m_rect;
    if (m_pItem)
        Update();
}
