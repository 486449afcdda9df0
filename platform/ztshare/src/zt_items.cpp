// Embedded-object and value items.
#include "ZTItems.h"

void CZTOleRectItem::SetOleItem(CZTOleClientItem* item)
{
    if (!item || item == m_pOleItem)
        return;
    delete m_pOleItem;
    m_pOleItem = item;
}

CZTOleRectItem* CZTOleRectItem::Clone(CWRectItem* rectItem, CZTDoc* target, int)
{
    CZTOleRectItem* copy = NewCopy();
    // The application's item class derives from the client item alone.
    copy->SetOleItem(reinterpret_cast<CZTOleClientItem*>(rectItem));
    copy->m_pOleItem->SetItemState(m_pOleItem->GetItemState());
    if (target)
        target->AddItem(copy);
    return copy;
}

void CZTOleRectItem::Release()
{
    if (m_pDoc)
        m_pDoc->RemoveItem(this);
    delete this;
}

void CZTFieldItem::ExternalDraw(CDC* dc, const CRect& rect)
{
    if (!dc)
        return;
    dc->FillSolidRect(&rect, m_backColor);
    CRect area = rect;
    CString text = GetFieldValueAsText();
    dc->DrawText(text, text.GetLength(), &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

CZTFieldItem* CZTFieldItem::CopyInto(CZTFieldItem* copy) const
{
    copy->m_size = m_size;
    copy->m_value = m_value;
    copy->m_backColor = m_backColor;
    copy->m_nPattern = m_nPattern;
    return copy;
}

CZTOleRectItem* CZTFieldItem::NewCopy() const
{
    return CopyInto(new CZTFieldItem);
}

CZTOleRectItem* CZTCell::NewCopy() const
{
    return CopyInto(new CZTCell);
}
