// Embedded-object and value items.
#include "ZTItems.h"

// Stored item lists name the kinds by class; the run-time class tree has
// no entry for the list's item base.
IMPLEMENT_DYNCREATE(CZTOleRectItem, CObject)
IMPLEMENT_DYNCREATE(CZTFieldItem, CZTOleRectItem)
IMPLEMENT_DYNCREATE(CZTCell, CZTFieldItem)

CZTOleClientItem::~CZTOleClientItem()
{
    if (m_pHolder && m_pHolder->m_pOleItem == this)
        m_pHolder->m_pOleItem = NULL;
}

CZTOleRectItem::~CZTOleRectItem()
{
    if (m_pOleItem)
    {
        m_pOleItem->m_pHolder = NULL;
        delete m_pOleItem;
    }
}

void CZTOleRectItem::SetOleItem(CZTOleClientItem* item)
{
    if (!item || item == m_pOleItem)
        return;
    if (m_pOleItem)
    {
        m_pOleItem->m_pHolder = NULL;
        delete m_pOleItem;
    }
    m_pOleItem = item;
    item->m_pHolder = this;
}

CZTOleRectItem* CZTOleRectItem::Clone(CWRectItem* rectItem, CZTDoc* target, int)
{
    CZTOleRectItem* copy = NewCopy();
    // The application's item class derives from the client item alone.
    copy->SetOleItem(reinterpret_cast<CZTOleClientItem*>(rectItem));
    if (copy->m_pOleItem && m_pOleItem)
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
    CZTCell* copy = new CZTCell;
    CopyInto(copy);
    copy->m_formula = m_formula;
    copy->m_format = m_format;
    return copy;
}

void CZTOleRectItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (LONG)m_size.cx << (LONG)m_size.cy
           << (LONG)(m_pOleItem ? m_pOleItem->GetItemState() : (UINT)COleClientItem::loadedState);
        return;
    }
    LONG cx, cy, state;
    ar >> cx >> cy >> state;
    m_size = CSize(cx, cy);
    if (m_pOleItem && state >= COleClientItem::emptyState && state <= COleClientItem::activeUIState)
        m_pOleItem->SetItemState(state);
}

void CZTFieldItem::Serialize(CArchive& ar)
{
    CZTOleRectItem::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_value << (DWORD)m_backColor << (LONG)m_nPattern;
        return;
    }
    DWORD color;
    LONG pattern;
    ar >> m_value >> color >> pattern;
    m_backColor = color;
    m_nPattern = pattern;
}

void CZTCell::Serialize(CArchive& ar)
{
    CZTFieldItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_name;
    else
        ar >> m_name;
}

// Numbers, blanks, separators and arithmetic after the "=" make a numeric
// formula; a name or any other character makes it text.
int CZTCell::GetValueType() const
{
    if (m_formula.IsEmpty())
        return kValueEmpty;
    if (m_formula[0] != '=' || m_formula.GetLength() < 2)
        return kValueText;
    bool digit = false;
    for (int i = 1; i < m_formula.GetLength(); ++i)
    {
        const char c = m_formula[i];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (!strchr(" .,;+-*/()^%", c))
            return kValueText;
    }
    return digit ? kValueNumericFormula : kValueText;
}
