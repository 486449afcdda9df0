// Embedded-object and value items.
#include "ZTItems.h"

CZTOleRectItem* CZTOleRectItem::Clone(CWRectItem*, CZTDoc* target, int)
{
    CZTOleRectItem* copy = new CZTOleRectItem(m_size);
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
