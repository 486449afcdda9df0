// Embedded objects, pictures and text effects are selected as a whole,
// apart from the text selection; the document holds the selection and the
// view repaints an item by marking its one position in its flow.
#include "view/CWView.h"
#include "document/CWDocument.h"
#include "model/GImage.h"
#include "model/GLumifex.h"
#include "model/GOle.h"

void CWView::InvalidateItem(GField* field)
{
    if (field && field->m_pDoc)
        field->m_pDoc->m_redraw.InvalByPos(field->m_nPos, field->m_nPos);
}

BOOL CWView::IsSelected(const CObject* item) const
{
    return m_pDoc && item && (const CObject*)m_pDoc->m_pSelItem == item;
}

// Still missing until the embedding layer exists: closing an object that
// is active in place in this view when another is selected.
void CWView::SetSelection(GOle* ole, int)
{
    if (!m_pDoc)
        return;
    CChangeBracket bracket(m_pDoc);
    CZTOleRectItem* item = ole ? ole->m_pItem : NULL;
    if (ole)
        RemoveCaret();
    if (item && item == m_pDoc->m_pSelItem)
        return;
    InvalidateItem(m_pDoc->m_pSelOle);
    m_pDoc->m_pSelItem = item;
    m_pDoc->m_pSelOle = ole;
    InvalidateItem(ole);
}

void CWView::SetSelection(GImage* image, int)
{
    if (!m_pDoc || (image && (GField*)image == m_pDoc->m_pSelImage))
        return;
    CChangeBracket bracket(m_pDoc);
    InvalidateItem(m_pDoc->m_pSelImage);
    SetSelection((GOle*)NULL, 1);
    m_pDoc->m_pSelImage = image;
    InvalidateItem(image);
}

void CWView::SetSelection(GLumifex* effect, int)
{
    if (!m_pDoc || (effect && (GField*)effect == m_pDoc->m_pSelLumifex))
        return;
    CChangeBracket bracket(m_pDoc);
    InvalidateItem(m_pDoc->m_pSelLumifex);
    SetSelection((GOle*)NULL, 1);
    m_pDoc->m_pSelLumifex = effect;
    InvalidateItem(effect);
}
